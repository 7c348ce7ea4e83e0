#pragma once
// The radio models the program knows and the frequency range of each model's
// two bands, and the editors' band limits taken from it.
#include "state/session.h"

#include <QString>

namespace band {
constexpr int kEntries = 11;  // entries 0..10 of Model_names and Band_table
constexpr int kOffered = 1;   // only entry 0 is defined and offered
enum Column { kFirstLow = 0, kFirstHigh = 1, kSecondLow = 2, kSecondHigh = 3 };
}  // namespace band

// Fills Model_names and Band_table entry 0 and sets the first band's limits
// (Freq_vhf_low, Freq_vhf_high) from entry Model_index. The second band's
// limits are left as they are.
void Band_table_init(Session& st);

// Sets all four band limits from table entry `entry` (a valid entry).
void Band_limits_from_entry(Session& st, int entry);

// Start-up: builds the band table, selects entry 0 and takes all four limits
// from it. The status panels then show Band_panel7_text and Band_panel8_text.
void Band_startup(Session& st);

// Status panel 7: the first band's name of the selected model and the
// current first-band limits ("VHF0: 130 -   179MHZ").
QString Band_panel7_text(const Session& st);
// Status panel 8: the same for the second band ("UHF0: 400 -   520MHZ").
QString Band_panel8_text(const Session& st);

// The model dialog's texts for table entry `entry`: the name of band 0 (first)
// or 1 (second), "VHF0" / "UHF0", and its range (" 130MHZ  -   179MHZ").
QString Band_name(const Session& st, int entry, int bandNo);
QString Band_range_text(const Session& st, int entry, int bandNo);

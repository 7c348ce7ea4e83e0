#pragma once
// The receive and transmit tones of the VFO records. A tone is a Tone_code,
// low byte first: 0x0000, or a low or high byte of 0xFF alone, means no tone;
// a high byte of 0 a DCS code index (1..105 normal, 106..210 inverted); any
// other value a CTCSS tone in tenths of Hz. The tone lists hold 2211 items:
// 0 OFF, 1..2000 the tones 60.0..259.9 Hz, 2001..2210 the DCS codes 1..210.
#include "settings/vfo_record.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vfo {

enum class Tone { Rx, Tx };

constexpr int kToneItems = 2211;
// Item 0, the one item that is not a tone; items 1..2210 are entries 1..2210
// of Tone_list_fine, trimmed (Opt_list_items, opt_lists.h).
inline constexpr std::array<Text, 1> kToneOffItem{{{"OFF", "关"}}};
constexpr int kToneCtcssLast = 2000, kToneDcsFirst = 2001, kToneDcsLast = 2210;

// What the list shows for the stored tone. A DCS byte without an item
// (211..254 with a high byte of 0) selects nothing and leaves the field empty.
ToneShown ToneShow(const img::Image& im, Side s, Tone t);

// A choice of item `index`: 0 stores 0, 0; 1..2000 the tone in tenths of Hz;
// 2001..2210 the DCS code with a high byte of 0. No item (-1), or an index
// outside the list, stores nothing. Only the tone's own two bytes change.
void ToneStore(img::Image& im, Side s, Tone t, int index);

// The key filter of a tone field: digits, "." and D, N, I in either case pass
// (d, n, i turned into upper case); every other key, Backspace included, is
// dropped (0).
int ToneKey(int key);

// The item a typed text selects when the list loses the focus, or nothing.
// The text is trimmed; a text that reads as one number from 60 to 259.9 is
// looked up as that number (read independently of the locale), in its plain
// form with ".0" for a whole number (67 -> "67.0", 100.50 -> "100.5",
// 67.000000000000001 -> "67.0"); other texts are looked up as they stand.
// Entry 0 is "OFF" in both languages.
std::optional<int> ToneLookup(const QString& fieldText, const QStringList& toneListFine);

}  // namespace vfo

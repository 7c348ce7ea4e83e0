#pragma once
// Factory values of the radio's alignment area, kept in AdjDefaults: power
// points, squelch, deviation and battery values, band limits, power-on texts,
// a production stamp from the PC clock and the password record.
#include "platform/core/clock.h"

struct Session;

// Writes rows 0..15, columns 0..15 of AdjDefaults, except the cells the
// factory table leaves empty (they keep what they hold, 0 from start-up).
// The clock is read once; the stamp's date and hour all come from that one
// reading, so a call at midnight or at the new year gives a consistent stamp.
void Adj_defaults_init(Session& s, const Clock& clock);

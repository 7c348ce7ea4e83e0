#pragma once
// Write preparation of the channels selected on the radio's two sides.
//
// Image row 231 (radio 0x0E70) holds the channel number selected on side A
// in byte 6 and on side B in byte 7. Before every write to the radio both are
// made to name a programmed channel among channels 0..127, byte 1 of the row
// is cleared and, when none of those channels is programmed, option byte 44
// (cell 228, 12) is cleared as well.

#include "state/image.h"

// A channel n in 0..127 counts as programmed when none of bytes 0..3 of its
// record (image row n, the receive frequency) is 0xFF.
bool Chann_programmed(const img::Image& im, int channel);

// Reads rows 0..127 and 231; writes bytes 1, 6 and 7 of row 231 and, when no
// channel in 0..127 is programmed, cell (228, 12). A side whose number lies
// outside 0..127 (also a negative one, which only a hand-edited file can
// bring) is taken as channel 0 first.
void Chann_ab_check(img::Image& im);

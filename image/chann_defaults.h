#pragma once
// The factory channel table: service channels 1..15 with their names and the
// weather channels 193..199 with theirs; every other channel empty.

#include "state/image.h"

// Empties channel records 0..199 (all 0xFF), then writes channels 1..15 and
// bytes 0..6 of their name rows (257..271). No other name byte is written.
// The channel window's Default uses this same routine, so the start-up table
// and the Default table are the same bytes.
void Chann_defaults_init(img::Image& im);

// Writes channel records 193..199 and bytes 0..5 of their name rows (449..455).
// Runs after Chann_defaults_init, which empties those records.
void Wx_chann_init(img::Image& im);

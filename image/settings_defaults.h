#pragma once
// Factory contents of the radio's general settings in the parameter image:
// the option block (rows 226..229), the two VFO records (rows 240..243), the
// FM band labels (rows 244..245) and the DTMF block (rows 208..223).
#include "image/opt_positions.h"

#include "state/image.h"

#include <span>

// Puts the factory value at each of the fifty named positions of the block's
// working copy Opt_para, copies its entries 0..63 into rows 226..229 (the
// entries without a name go in as they stand), writes the factory VFO fields
// (VFO bytes +0..+7 and +27 are left alone) and ends with Fm_band_labels_init.
void Opt_defaults_init(img::Image& image, std::span<std::int16_t, kOptBlockSize> Opt_para);
// The start-up's step: the same with a working copy of its own, 0 where no
// factory value is named.
void Opt_defaults_init(img::Image& im);

// Writes bytes 0..13 of rows 244 and 245; bytes 14 and 15 are left alone.
void Fm_band_labels_init(img::Image& im);

// Sets rows 208..223 to 0xFF, then writes code groups 1 and 15 and the
// settings row.
void Dtmf_defaults_init(img::Image& im);

#pragma once
// The options window's Default button, without the window: it runs at once,
// without a question, and the window then shows the block again.
#include "state/image.h"

#include <cstdint>

inline constexpr std::int16_t kOptChannTotal = 200;

// The channel count back to 200; the factory values at the named positions
// of the block, the bytes that have no factory value (offsets 46..53 and
// 58..63) keeping what the image holds, the whole block written into rows
// 226..229; the factory VFO fields (rows 240..243) and the FM band labels
// (rows 244..245).
void Opt_default(img::Image& image, std::int16_t& Chann_total);

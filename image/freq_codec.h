#pragma once
// Channel frequencies: the image keeps them as 8 BCD digits in 10 Hz units
// (two digits per byte, least significant byte first); the editors show them
// as MHz texts with five decimals.
#include "state/image.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Snaps the frequency of `text` (MHz) down onto the 2.5 kHz or the 6.25 kHz
// raster, whichever leaves the smaller remainder (a tie takes 2.5 kHz),
// stores its four BCD bytes into image cells (row, byte)..(row, byte + 3),
// least significant first, and returns the normal text of the snapped
// frequency ("151.82000"). A frequency that does not fit the form (below 0
// or from 1000 MHz up) or a place outside the image stores nothing.
QString Freq_to_image(img::Image& im, const QString& text, int row, int byte);

// The four BCD bytes of the frequency of `text` (MHz), most significant first
// (151.82 gives 15 18 20 00); digits below 10 Hz are dropped. Nothing when the
// frequency does not fit the form (0 to 999.99999 MHz).
std::optional<std::array<std::uint8_t, 4>> Freq_to_bcd(const QString& text);

// The four BCD bytes of a frequency in whole 10 Hz units, most significant
// first (15182000 gives 15 18 20 00). Nothing below 0 or from 1000 MHz up.
std::optional<std::array<std::uint8_t, 4>> Freq_10hz_to_bcd(std::int64_t units);

// The display text of a stored frequency; b0 is the first (least significant)
// image byte. 100 MHz and up: nine characters ("151.82000"); below: eight
// ("44.86250"). Nibbles above 9 count with their face value.
QString Bcd_to_freq(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);

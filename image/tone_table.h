#pragma once
// Squelch tones. A Tone_code is 16 bits, low byte first in the image:
// 0x0000 or 0xFFFF off; a non-zero high byte a CTCSS tone in tenths of Hz;
// a zero high byte with low byte 1..105 a normal DCS code, 106..210 the same
// codes inverted.
#include "state/image.h"
#include "state/session.h"

#include <QString>

#include <array>

namespace tone {
constexpr int kListSize = 2301;  // entries 0..2300 of both lists
// Tone_list: 0 OFF, 1..50 CTCSS, 51..155 DCS normal, 156..260 DCS inverted.
constexpr int kCtcssFirst = 1, kDcsFirst = 51, kDcsInvertedFirst = 156, kListLast = 260;
// Tone_list_fine: 0 OFF, 1..2000 60.0..259.9 Hz, 2001..2210 DCS.
constexpr int kFineDcsFirst = 2001, kFineLast = 2210;

// The 50 CTCSS tones of the channel grid, in tenths of Hz.
constexpr std::array<int, 50> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// The 105 DCS code numbers (octal digits written as decimal), in code order.
constexpr std::array<int, 105> kDcsNumbers = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
}  // namespace tone

// Builds Tone_list (padded texts, as the channel grid shows them) and
// Tone_list_fine (unpadded, the options window's lists). Run once at start-up.
void Tone_table_init(Session& st);

// Stores the CTCSS tone of `text` (Hz) as a Tone_code into Image cells
// (row, byte) (low byte) and (row, byte + 1) (high byte). The text "FF" stores
// 0xFF 0xFF (off); a value outside 0 < v < 255, or a place outside the image,
// stores nothing.
void Ctcss_to_image(img::Image& im, const QString& text, int row, int byte);

// The tone code of a value in Hz (0 < hz < 1000): the value times ten,
// rounded once, halves to the even neighbour ("100.55" gives 1006).
long long Tone_tenths(double hz);

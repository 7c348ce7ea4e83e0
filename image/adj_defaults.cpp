#include "image/adj_defaults.h"

#include "state/session.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::int16_t kKeep = -1;  // cell the factory table does not write
using Row = std::array<std::int16_t, 16>;

// Rows 0..5: transmit power points, start + column.
constexpr std::array<std::int16_t, 6> kPowerStart{211, 231, 151, 171, 101, 121};

// Rows 6..12.
constexpr std::array<Row, 7> kFixedRows{{
    // 6: squelch opening, first band, levels 0..9
    {0, 24, 24, 24, 24, 25, 26, 27, 28, 29, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    // 7: squelch offsets, first band
    {3, 4, 4, 4, 4, 4, 4, 4, 3, 2, 1, 0, 0, 0, 0, 0},
    // 8: squelch opening, second band
    {0, 16, 17, 18, 19, 20, 21, 22, 23, 24, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    // 9: squelch offsets, second band
    {3, 4, 4, 4, 4, 3, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0},
    // 10: deviations, tone gain, volume, oscillator correction, battery thresholds
    {48, 13, 8, 60, 191, 255, 0, 0, kKeep, kKeep, 110, 115, 118, 125, 135, 160},
    // 11: VOX trigger values
    {127, 20, 32, 42, 52, 62, 72, 84, 95, 106, 117, kKeep, kKeep, kKeep, 132, 5},
    // 12: per band transmit enable, lower and upper limit (hundreds, BCD tens and units)
    {1, 1, 0x30, 1, 0x79, 1, 4, 0x00, 5, 0x20, 1, 4, 0x00, 5, 0x20, 1},
}};

// Row 13: the power-on lines, columns 0..6 and 7..13.
constexpr std::string_view kPowerOnText = "RDA1846 SSSSS ";
static_assert(kPowerOnText.size() == 14);

// Row 14, columns 7..13, after the date and the hour letter.
constexpr std::string_view kStampTail = "B5R0001";

// Row 15: password record. Both password fields are blank, which the radio
// takes as "no password", so the factory values never lock a radio with a
// password nobody knows.
constexpr Row kPasswordRow{0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
                           3,     // detection enable bits
                           0x49,  // detection count word, high byte
                           0x35,  //                       low byte
                           15};

void PutRow(Session::AdjGrid& t, int r, const Row& values) {
  for (std::size_t c = 0; c < values.size(); ++c)
    if (values[c] != kKeep) t[static_cast<std::size_t>(r)][c] = values[c];
}

void PutText(Session::AdjGrid& t, int r, int firstCol, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    t[static_cast<std::size_t>(r)][static_cast<std::size_t>(firstCol) + i] =
        static_cast<std::int16_t>(static_cast<unsigned char>(text[i]));
}

// Two decimal digits of v (its last two, whatever its size or sign).
std::array<char, 2> TwoDigits(int v) {
  const int d = ((v % 100) + 100) % 100;
  return {static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10)};
}

char HourLetter(int hour) {
  if (hour < 13) return 'A';
  if (hour < 18) return 'P';
  return 'N';
}

}  // namespace

void Adj_defaults_init(Session& s, const Clock& clock) {
  Session::AdjGrid& t = s.AdjDefaults;

  for (std::size_t r = 0; r < kPowerStart.size(); ++r)
    for (std::size_t c = 0; c < 16; ++c) t[r][c] = static_cast<std::int16_t>(kPowerStart[r] + static_cast<int>(c));

  for (std::size_t i = 0; i < kFixedRows.size(); ++i) PutRow(t, 6 + static_cast<int>(i), kFixedRows[i]);

  PutText(t, 13, 0, kPowerOnText);

  const DateTime now = clock();
  const std::array<char, 2> yy = TwoDigits(now.year), mm = TwoDigits(now.month), dd = TwoDigits(now.day);
  const char stampHead[7] = {yy[0], yy[1], mm[0], mm[1], dd[0], dd[1], HourLetter(now.hour)};
  PutText(t, 14, 0, std::string_view(stampHead, 7));
  PutText(t, 14, 7, kStampTail);

  PutRow(t, 15, kPasswordRow);
}

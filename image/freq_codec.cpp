#include "image/freq_codec.h"

#include "platform/core/numbers.h"

#include <cmath>

namespace {

using Int64 = long long;

// Frequencies are handled as whole numbers of millihertz (for the entered
// text) and of 10 Hz (for the stored form), so no binary fraction decides a
// digit. Texts beyond this magnitude cannot be handled exactly.
constexpr double kMaxExactMhz = 1e9;
constexpr Int64 kMilliHzPerMhz = 1000000000;
constexpr Int64 kMilliHzPer10Hz = 10000;
constexpr Int64 kMaxStored10Hz = 99999999;  // 999.99999 MHz

Int64 FloorDiv(Int64 a, Int64 b) {  // b > 0
  Int64 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

// The value of the text in millihertz, when it can be held exactly.
std::optional<Int64> MilliHz(const QString& text) {
  const double mhz = num::Val(text);
  if (!(std::fabs(mhz) < kMaxExactMhz)) return std::nullopt;
  return std::llround(mhz * static_cast<double>(kMilliHzPerMhz));
}

// Snaps down onto the 2.5 kHz or the 6.25 kHz raster. A value up to 1 Hz
// below a raster point counts as that point; the remainders are compared
// truncated to 10 Hz and the smaller wins, a tie going to 2.5 kHz.
Int64 Snap(Int64 f) {
  constexpr Int64 kStep25 = 2500000;   // 2.5 kHz in mHz
  constexpr Int64 kStep625 = 6250000;  // 6.25 kHz in mHz
  constexpr Int64 kTolerance = 1000;   // 1 Hz
  const Int64 s = FloorDiv(f + kTolerance, kStep25);
  const Int64 u = FloorDiv(f - kStep25 * s, kMilliHzPer10Hz);
  const Int64 t = FloorDiv(f + kTolerance, kStep625);
  const Int64 v = FloorDiv(f - kStep625 * t, kMilliHzPer10Hz);
  return v < u ? kStep625 * t : kStep25 * s;
}

// Plain decimal text of a number of 10 Hz units, in MHz: no trailing zeros
// and no point for a whole number ("151.82", "150", "-5").
QString Plain10Hz(Int64 units) {
  const bool negative = units < 0;
  const Int64 a = negative ? -units : units;
  QString out = QString::number(a / 100000);
  Int64 frac = a % 100000;
  if (frac != 0) {
    QString digits = QString::number(frac).rightJustified(5, u'0');
    while (digits.endsWith(u'0')) digits.chop(1);
    out += u'.' + digits;
  }
  return negative ? u'-' + out : out;
}

// The entered-text form: a point always, zeros appended up to nine characters.
QString Normalise(QString text) {
  if (!text.contains(u'.')) text += u'.';
  while (text.size() < 9) text += u'0';
  return text;
}

bool FitsImage(int row, int byte) { return row >= 0 && row < img::kRows && byte >= 0 && byte + 3 < img::kCols; }

}  // namespace

std::optional<std::array<std::uint8_t, 4>> Freq_10hz_to_bcd(std::int64_t units) {
  if (units < 0 || units > kMaxStored10Hz) return std::nullopt;
  std::array<std::uint8_t, 4> bytes{};
  for (int i = 3; i >= 0; --i) {
    const auto lo = static_cast<std::uint8_t>(units % 10);
    units /= 10;
    const auto hi = static_cast<std::uint8_t>(units % 10);
    units /= 10;
    bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(hi * 16 + lo);
  }
  return bytes;
}

QString Freq_to_image(img::Image& im, const QString& text, int row, int byte) {
  const auto f = MilliHz(text);
  // Far outside anything the radio tunes: show the value, store nothing.
  if (!f) return Normalise(num::Plain(num::Val(text)));
  const Int64 snapped = Snap(*f) / kMilliHzPer10Hz;  // rasters are whole 10 Hz
  const auto bytes = Freq_10hz_to_bcd(snapped);
  if (bytes && FitsImage(row, byte))
    for (int i = 0; i < 4; ++i) im(row, byte + i) = (*bytes)[static_cast<std::size_t>(3 - i)];
  return Normalise(Plain10Hz(snapped));
}

std::optional<std::array<std::uint8_t, 4>> Freq_to_bcd(const QString& text) {
  const auto f = MilliHz(text);
  if (!f) return std::nullopt;
  return Freq_10hz_to_bcd(FloorDiv(*f, kMilliHzPer10Hz));
}

QString Bcd_to_freq(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  Int64 units = 0;
  for (const std::uint8_t b : {b3, b2, b1, b0}) units = units * 100 + (b / 16) * Int64{10} + b % 16;
  QString text = Plain10Hz(units);
  if (text.size() < 9) {
    if (!text.contains(u'.')) text += u'.';
    const int width = units >= Int64{100} * 100000 ? 9 : 8;
    while (text.size() < width) text += u'0';
  }
  return text;
}

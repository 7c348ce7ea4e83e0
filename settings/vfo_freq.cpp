#include "settings/vfo_freq.h"

#include "platform/core/numbers.h"
#include "settings/vfo_tone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vfo {

const Message kLengthMessage{{"Over the range of  frequency .", "频率超出范围 ！"}, {"Operate prompt", "操作提示"}};
const Message kRangeMessage{{"当前工作频率超出范围 ！", "当前工作频率超出范围 ！"}, {"操作提示", "操作提示"}};

namespace {

using Int64 = std::int64_t;

// Frequencies and offsets are handled as whole millihertz, so no binary
// fraction decides a digit. 1 MHz = 10^9 mHz.
constexpr Int64 kMilliPerMhz = 1000000000;
constexpr Int64 kMilliPer10Hz = 10000;
constexpr Int64 kMilliPerHz = 1000;
constexpr Int64 kSaturate = 1000000 * kMilliPerMhz;  // far beyond anything the boxes hold

// The record's span: 100 MHz up to below 1000 MHz.
constexpr double kSpanLowMhz = 100, kSpanEndMhz = 1000;
constexpr Int64 kOffsetMaxMilli = 59950 * 1000000LL;  // 59.95 MHz

Int64 FloorDiv(Int64 a, Int64 b) {  // b > 0
  Int64 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

// The leading decimal number of a box text, in mHz: blanks skipped, an
// optional sign, digits and at most one point up to the first other
// character; no number reads as 0. Digits below 1 mHz are dropped; values
// beyond kSaturate read as kSaturate.
Int64 LeadingMilli(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto blank = [&](qsizetype k) { return text[k] == u' ' || text[k] == u'\t' || text[k] == u'\r' || text[k] == u'\n'; };
  auto digit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
  while (i < n && blank(i)) ++i;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  Int64 whole = 0;
  for (; digit(i); ++i) whole = std::min<Int64>(whole * 10 + (text[i].unicode() - u'0'), kSaturate);
  Int64 frac = 0;
  if (i < n && text[i] == u'.') {
    ++i;
    Int64 scale = kMilliPerMhz / 10;
    for (; digit(i); ++i, scale /= 10) frac += (text[i].unicode() - u'0') * scale;
  }
  const Int64 v = whole >= kSaturate / kMilliPerMhz ? kSaturate : whole * kMilliPerMhz + frac;
  return negative ? -v : v;
}

Int64 MhzToMilli(double mhz) { return std::llround(mhz * static_cast<double>(kMilliPerMhz)); }

// The range a commit accepts: [lo, end) in mHz, inside the record's span.
struct Range {
  Int64 lo, end;
};

Range RangeOf(BandLimits l) {
  double lo = l.low >= kSpanLowMhz ? l.low : kSpanLowMhz;  // also when low is not a number
  if (!(lo <= kSpanEndMhz)) lo = kSpanEndMhz;
  double end = l.high + 1 <= kSpanEndMhz ? l.high + 1 : kSpanEndMhz;
  if (!(end >= kSpanLowMhz)) end = kSpanLowMhz;
  return {MhzToMilli(lo), MhzToMilli(end)};
}

bool InRange(const Range& r, Int64 f) { return f >= r.lo && f < r.end; }

// The replacements of a refused frequency: the lower limit's whole MHz +
// ".02500", and (end - 2) whole MHz + ".62500".
QString LowReplacement(const Range& r) {
  return QString::number(FloorDiv(r.lo, kMilliPerMhz)) + QStringLiteral(".02500");
}
QString HighReplacement(const Range& r) {
  return QString::number(FloorDiv(r.end, kMilliPerMhz) - 2) + QStringLiteral(".62500");
}

// The replacement for a value outside the range; the other one when the
// first would not fit either; nothing when the range holds neither.
std::optional<QString> Replacement(const Range& r, bool below) {
  const QString first = below ? LowReplacement(r) : HighReplacement(r);
  const QString second = below ? HighReplacement(r) : LowReplacement(r);
  if (InRange(r, LeadingMilli(first))) return first;
  if (InRange(r, LeadingMilli(second))) return second;
  return std::nullopt;
}

// Snaps down onto the 2.5 kHz or the 6.25 kHz raster, whichever leaves the
// smaller remainder (compared truncated to 10 Hz; a tie takes 2.5 kHz). A
// value up to 1 Hz below a raster point counts as that point.
Int64 Snap(Int64 f) {
  constexpr Int64 kStep25 = 2500 * kMilliPerHz, kStep625 = 6250 * kMilliPerHz;
  const Int64 a = FloorDiv(f + kMilliPerHz, kStep25);
  const Int64 ra = FloorDiv(f - kStep25 * a, kMilliPer10Hz);
  const Int64 b = FloorDiv(f + kMilliPerHz, kStep625);
  const Int64 rb = FloorDiv(f - kStep625 * b, kMilliPer10Hz);
  return rb >= ra ? kStep25 * a : kStep625 * b;
}

}  // namespace

BandLimits LimitsOf(const Bands& b, int band) { return band == 0 ? b.first : b.second; }

Commit FreqCommit(img::Image& im, Side s, const QString& boxText, BandLimits limits) {
  const Range r = RangeOf(limits);
  Commit out;
  out.text = boxText;
  Int64 f = LeadingMilli(boxText);
  if (!InRange(r, f)) {
    out.message = kRangeMessage;
    const auto replacement = Replacement(r, f < r.lo);
    if (!replacement) {
      // No frequency of these limits fits the record: keep what it holds.
      out.text = FreqText(im, s);
      return out;
    }
    out.text = *replacement;
    f = LeadingMilli(out.text);
  }
  Int64 snapped = Snap(f);
  // The 1 Hz tolerance may lift a value just below the end onto it.
  if (snapped >= r.end) snapped = FloorDiv(r.end - 1, 2500 * kMilliPerHz) * 2500 * kMilliPerHz;
  const Int64 units = snapped / kMilliPer10Hz;  // 10 Hz, 100 MHz .. below 1000 MHz
  out.text = QString::number(units / 100000) + u'.' + QString::number(units % 100000).rightJustified(5, u'0');
  Int64 rest = units;
  for (int k = kFreqDigits - 1; k >= 0; --k) {
    SetByte(im, s, kFreqFirst + k, static_cast<int>(rest % 10));
    rest /= 10;
  }
  out.stored = true;
  return out;
}

QString RangeText(BandLimits limits) {
  const Range r = RangeOf(limits);
  if (r.end <= r.lo)
    return num::Plain(limits.low) + QStringLiteral(" - ") + num::Plain(limits.high) + QStringLiteral(".99750");
  return num::Plain(static_cast<double>(r.lo) / kMilliPerMhz) + QStringLiteral(" - ") +
         QString::number(FloorDiv(r.end, kMilliPerMhz) - 1) + QStringLiteral(".99750");
}

BandChoice BandChoose(img::Image& im, Side s, int band, const QString& freqText, BandLimits limits) {
  BandChoice out;
  out.rangeText = RangeText(limits);
  if (band < 0 || band >= ListCount(List::Band)) {
    out.commit.text = freqText;
    return out;
  }
  SetByte(im, s, kBand, band);
  out.commit = FreqCommit(im, s, BandFreqText(freqText, limits), limits);
  return out;
}

QString BandFreqText(const QString& freqText, BandLimits limits) {
  const Range r = RangeOf(limits);
  if (!InRange(r, LeadingMilli(freqText)) && InRange(r, LeadingMilli(LowReplacement(r)))) return LowReplacement(r);
  return freqText;
}

Commit OffsetCommit(img::Image& im, Side s, const QString& boxText) {
  Commit out;
  Int64 v = LeadingMilli(boxText);
  if (v < 0) {
    out.message = kRangeMessage;
    v = 0;
  } else if (v > kOffsetMaxMilli) {
    out.message = kRangeMessage;
    v = kOffsetMaxMilli;
  }
  const Int64 khz = 5 * FloorDiv(v + kMilliPerHz, Int64{5} * 1000 * kMilliPerHz);
  out.text =
      QString::number(khz / 1000).rightJustified(2, u'0') + u'.' + QString::number(khz % 1000).rightJustified(3, u'0');
  SetByte(im, s, kOffsetFirst, 0);
  Int64 rest = khz;
  for (int k = kOffsetDigits - 1; k >= 1; --k) {
    SetByte(im, s, kOffsetFirst + k, static_cast<int>(rest % 10));
    rest /= 10;
  }
  out.stored = true;
  return out;
}

bool FreqTooLong(const QString& boxText) { return boxText.size() > 9; }
bool OffsetTooLong(const QString& boxText) { return boxText.size() > 6; }

bool BoxKeyAccepted(int key, const QString& boxText) {
  const QString t = boxText.trimmed();
  if (key == '.' && t.isEmpty()) return false;
  if (key == 8 || key == '.') return true;
  if (key < '0' || key > '9') return false;
  return t.size() <= 8;
}

QString ShowStore(img::Image& im, Side s, const Shown& shown, BandLimits limits) {
  if (shown.rxTone.index >= 0) ToneStore(im, s, Tone::Rx, shown.rxTone.index);
  if (shown.txTone.index >= 0) ToneStore(im, s, Tone::Tx, shown.txTone.index);
  const QString freq = BandChoose(im, s, shown.band, shown.freq, limits).commit.text;
  ListStore(im, s, List::Shift, shown.shift);
  ListStore(im, s, List::SignalCode, shown.signalCode);
  ListStore(im, s, List::SpeakerMute, shown.speakerMute);
  ListStore(im, s, List::OptSignal, shown.optSignal);
  ListStore(im, s, List::Step, shown.step);
  ListStore(im, s, List::Power, shown.power);
  ListStore(im, s, List::Bandwidth, shown.bandwidth);
  if (!OffsetHeld(im, s)) OffsetCommit(im, s, shown.offset);
  return freq;
}

void FirstShow(img::Image& im, Side s, const Bands& bands) {
  const Shown sh = ShowRecord(im, s);
  ShowStore(im, s, sh, LimitsOf(bands, sh.band));
}

}  // namespace vfo

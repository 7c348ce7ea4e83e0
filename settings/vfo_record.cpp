#include "settings/vfo_record.h"

#include "platform/core/numbers.h"
#include "settings/vfo_tone.h"

#include <span>

namespace vfo {

namespace {

// Where a list keeps its value: a nibble of a byte, or one bit.
struct Field {
  int byte;
  enum Kind { High, Low, Bit } kind;
  int bit;  // for Bit
};

Field FieldOf(List l) {
  switch (l) {
    case List::Band: return {kBand, Field::Low, 0};  // the whole byte; see ListShown
    case List::Shift: return {kShiftSignal, Field::High, 0};
    case List::SignalCode: return {kShiftSignal, Field::Low, 0};
    case List::SpeakerMute: return {kMuteOptSig, Field::High, 0};
    case List::OptSignal: return {kMuteOptSig, Field::Low, 0};
    case List::Step: return {kStep, Field::High, 0};
    case List::Power: return {kPowerWidth, Field::Bit, 0x80};
    case List::Bandwidth: return {kPowerWidth, Field::Bit, 0x40};
  }
  return {kBand, Field::Low, 0};
}

std::span<const Text> FixedItems(List l) {
  switch (l) {
    case List::Band: return kBandItems;
    case List::Shift: return kShiftItems;
    case List::SpeakerMute: return kSpeakerMuteItems;
    case List::OptSignal: return kOptSignalItems;
    case List::Step: return kStepItems;
    case List::Power: return kPowerItems;
    case List::Bandwidth: return kBandwidthItems;
    case List::SignalCode: return {};
  }
  return {};
}

bool IsDigit(int b) { return b >= 0 && b <= 9; }

}  // namespace

int Byte(const img::Image& im, Side s, int n) {
  const int v = im.at(ByteCell(s, n));
  return v >= 0 && v <= 255 ? v : 0xFF;
}

void SetByte(img::Image& im, Side s, int n, int v) { im.at(ByteCell(s, n)) = static_cast<std::int16_t>(v & 0xFF); }

int ListCount(List l) { return l == List::SignalCode ? kSignalCodes : static_cast<int>(FixedItems(l).size()); }

int ListShown(const img::Image& im, Side s, List l) {
  const Field f = FieldOf(l);
  const int b = Byte(im, s, f.byte);
  int v = 0;
  if (l == List::Band)
    v = b;
  else if (f.kind == Field::High)
    v = b / 16;
  else if (f.kind == Field::Low)
    v = b % 16;
  else
    v = (b & f.bit) != 0 ? 1 : 0;
  const int last = ListCount(l) - 1;
  return v > last ? last : v;
}

void ListStore(img::Image& im, Side s, List l, int index) {
  if (l == List::Band || index < 0 || index >= ListCount(l)) return;
  const Field f = FieldOf(l);
  const int b = Byte(im, s, f.byte);
  int v = b;
  switch (f.kind) {
    case Field::High: v = (b & 0x0F) + 16 * index; break;
    case Field::Low: v = (b & 0xF0) + index; break;
    case Field::Bit: v = index > 0 ? (b | f.bit) : (b & ~f.bit); break;
  }
  SetByte(im, s, f.byte, v);
}

QString FreqText(const img::Image& im, Side s) {
  QString text;
  const int first = Byte(im, s, kFreqFirst);
  if (first >= 1 && first <= 9) text += QString::number(first);
  for (int n = kFreqFirst + 1; n <= kFreqFirst + 2; ++n)
    if (IsDigit(Byte(im, s, n))) text += QString::number(Byte(im, s, n));
  text += u'.';
  for (int n = kFreqFirst + 3; n < kFreqFirst + kFreqDigits; ++n)
    if (IsDigit(Byte(im, s, n))) text += QString::number(Byte(im, s, n));
  return text;
}

bool OffsetHeld(const img::Image& im, Side s) {
  for (int n = kOffsetFirst; n < kOffsetFirst + kOffsetDigits; ++n)
    if (!IsDigit(Byte(im, s, n))) return false;
  return true;
}

QString OffsetText(const img::Image& im, Side s) {
  if (!OffsetHeld(im, s)) return QStringLiteral("00.000");
  long khz = 0;
  for (int n = kOffsetFirst; n < kOffsetFirst + kOffsetDigits; ++n) khz = khz * 10 + Byte(im, s, n);
  if (khz < 100000)
    return QString::number(khz / 1000).rightJustified(2, u'0') + u'.' +
           QString::number(khz % 1000).rightJustified(3, u'0');
  return (num::Plain(static_cast<double>(khz) / 1000.0) + QStringLiteral("00000")).left(6);
}

Shown ShowRecord(const img::Image& im, Side s) {
  Shown sh;
  sh.freq = FreqText(im, s);
  sh.offset = OffsetText(im, s);
  sh.rxTone = ToneShow(im, s, Tone::Rx);
  sh.txTone = ToneShow(im, s, Tone::Tx);
  sh.band = ListShown(im, s, List::Band);
  sh.shift = ListShown(im, s, List::Shift);
  sh.signalCode = ListShown(im, s, List::SignalCode);
  sh.speakerMute = ListShown(im, s, List::SpeakerMute);
  sh.optSignal = ListShown(im, s, List::OptSignal);
  sh.step = ListShown(im, s, List::Step);
  sh.power = ListShown(im, s, List::Power);
  sh.bandwidth = ListShown(im, s, List::Bandwidth);
  return sh;
}

}  // namespace vfo

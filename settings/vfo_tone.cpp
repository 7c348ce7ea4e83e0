#include "settings/vfo_tone.h"

#include "platform/core/numbers.h"

#include <algorithm>

namespace vfo {

namespace {

constexpr int kCtcssBase = 599;  // item i is (599 + i) tenths of Hz

int LowByte(Tone t) { return t == Tone::Rx ? kRxToneLow : kTxToneLow; }

// A tone in tenths of Hz as its shortest text, ".0" for a whole value.
QString TenthsText(int tenths) { return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10); }

// The whole text reads as one number: an optional sign, digits with at most
// one point, at least one digit.
bool IsNumber(const QString& t) {
  int i = 0;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) ++i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    if (t[i] >= u'0' && t[i] <= u'9')
      digits = true;
    else if (t[i] == u'.' && !point)
      point = true;
    else
      return false;
  }
  return digits;
}

// A tone as the list names it: the number in its plain form (at most 15
// significant digits: a number that differs from a tone only beyond them is
// that tone), ".0" for a whole number ("67.0", "100.5").
QString ToneName(double v) {
  QString s = num::Plain(v);
  if (!s.contains(u'.')) s += QStringLiteral(".0");
  return s;
}

}  // namespace

ToneShown ToneShow(const img::Image& im, Side s, Tone t) {
  const int low = Byte(im, s, LowByte(t));
  const int high = Byte(im, s, LowByte(t) + 1);
  if ((low == 0 && high == 0) || low == 0xFF || high == 0xFF) return {0, {}};
  if (high == 0) {
    if (low <= kToneDcsLast - kToneCtcssLast) return {kToneCtcssLast + low, {}};
    return {-1, {}};  // a DCS code without an item: nothing selected, nothing written
  }
  return {-1, TenthsText(high * 256 + low)};
}

void ToneStore(img::Image& im, Side s, Tone t, int index) {
  int code = 0;
  if (index == 0)
    code = 0;
  else if (index >= 1 && index <= kToneCtcssLast)
    code = kCtcssBase + index;
  else if (index >= kToneDcsFirst && index <= kToneDcsLast)
    code = index - kToneCtcssLast;
  else
    return;
  SetByte(im, s, LowByte(t), code % 256);
  SetByte(im, s, LowByte(t) + 1, code / 256);
}

int ToneKey(int key) {
  if ((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I') return key;
  if (key == 'd' || key == 'n' || key == 'i') return key - ('a' - 'A');
  return 0;
}

std::optional<int> ToneLookup(const QString& fieldText, const QStringList& toneListFine) {
  QString t = fieldText.trimmed();
  // The number as its plain form reads: what only a double's last digits
  // part from 259.9 is 259.9.
  const double v = num::Val(num::Plain(num::Val(t)));
  // The number is looked up, not its text: 67, 067.50 and 67.000000000000001
  // all name an item.
  if (v >= 60 && v <= 259.9 && IsNumber(t)) t = ToneName(v);
  const int last = std::min<int>(kToneDcsLast, static_cast<int>(toneListFine.size()) - 1);
  for (int i = 0; i <= last; ++i)
    if (toneListFine[i].trimmed() == t) return i;
  return std::nullopt;
}

}  // namespace vfo

#include "settings/vfo_tone.h"

#include "platform/core/numbers.h"

#include <algorithm>

namespace vfo {

namespace {

constexpr Text kOff{"OFF", "关"};
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

// The shortest form of a number text: no sign for a positive value, no
// leading zeros, no trailing zeros after the point, ".0" for a whole value.
QString ShortestForm(const QString& t) {
  QString s = t;
  if (s.startsWith(u'+')) s.remove(0, 1);
  const qsizetype point = s.indexOf(u'.');
  QString whole = point < 0 ? s : s.left(point);
  QString frac = point < 0 ? QString() : s.mid(point + 1);
  while (whole.size() > 1 && whole.startsWith(u'0')) whole.remove(0, 1);
  if (whole.isEmpty()) whole = QStringLiteral("0");
  while (frac.endsWith(u'0')) frac.chop(1);
  if (frac.isEmpty()) frac = QStringLiteral("0");
  return whole + u'.' + frac;
}

}  // namespace

QStringList ToneItems(const QStringList& toneListFine, bool chinese) {
  QStringList items;
  items.reserve(kToneItems);
  items << kOff.in(chinese);
  for (int i = 1; i < kToneItems; ++i) items << (i < toneListFine.size() ? toneListFine[i].trimmed() : QString());
  return items;
}

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
  const double v = num::Val(t);
  if (v >= 60 && v <= 259.9 && IsNumber(t)) t = ShortestForm(t);
  const int last = std::min<int>(kToneDcsLast, static_cast<int>(toneListFine.size()) - 1);
  for (int i = 0; i <= last; ++i)
    if (toneListFine[i].trimmed() == t) return i;
  return std::nullopt;
}

}  // namespace vfo

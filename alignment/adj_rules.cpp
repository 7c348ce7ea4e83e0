#include "alignment/adj_rules.h"

#include "image/radio_char.h"

#include <algorithm>

namespace adj {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Adds one digit without passing kSaturated.
int Push(int v, QChar digit) {
  if (v >= kSaturated) return kSaturated;
  const int next = v * 10 + (digit.unicode() - u'0');
  return next >= kSaturated ? kSaturated : next;
}

}  // namespace

QString TrimSpaces(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && text[b] == u' ') ++b;
  while (e > b && text[e - 1] == u' ') --e;
  return text.sliced(b, e - b);
}

ValueResult CheckValue(const QString& text, int maximum) {
  const QString t = TrimSpaces(text);
  int v = 0;
  for (QChar c : t) {
    if (!IsAsciiDigit(c)) return {ValueCheck::NotADigit, 0};
    v = Push(v, c);
  }
  if (v > maximum) return {ValueCheck::OutOfRange, 0};
  return {ValueCheck::Ok, v};
}

int LimitValue(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  int v = 0;
  for (; i < text.size() && IsAsciiDigit(text[i]); ++i) v = Push(v, text[i]);
  return v;
}

QString LimitText(int hundredsCell, int bcdCell) {
  return QString::number(hundredsCell & 0x0F) + QString::number((bcdCell & 0xF0) / 16) +
         QString::number(bcdCell & 0x0F);
}

QString LimitDigits(int value) { return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0')); }

LimitFault CheckLowerLimit(int low, int upperBoxValue, int bandLow) {
  if (low < bandLow) return LimitFault::LowerBelowBand;
  if (upperBoxValue < low) return LimitFault::LowerAboveUpper;
  if (low > kLimitStorable) return LimitFault::LowerTooLarge;
  return LimitFault::None;
}

LimitFault CheckUpperLimit(int high, int lowerBoxValue, int bandHigh) {
  if (high > bandHigh) return LimitFault::UpperAboveBand;
  if (lowerBoxValue > high) return LimitFault::UpperBelowLower;
  return LimitFault::None;
}

LineCells LineStore(const QString& text) {
  LineCells cells;
  cells.fill(32);
  const QString s = TrimSpaces(text);
  const qsizetype n = std::min<qsizetype>(s.size(), kLineCells);
  const qsizetype offset = s.size() >= kLineCells ? 0 : (kLineCells - s.size()) / 2;
  for (qsizetype k = 0; k < n; ++k)
    cells[static_cast<std::size_t>(offset + k)] = static_cast<Cell>(Char_to_byte(TrimSpaces(QString(s[k]))));
  return cells;
}

QString LineShow(const Cell* cells, bool rawCodes) {
  // The byte the store writes for every character outside the radio's set
  // (an inner space among them).
  const int other = Char_to_byte(QString());
  QString text;
  for (int k = 0; k < kLineCells; ++k) {
    const int v = cells[k];
    QString ch;
    if (v >= 0 && v <= 0xFF && (rawCodes || v == other)) {
      // The character with that code (Latin-1; a control code shows as a
      // space).
      ch = QString(QChar(static_cast<char16_t>(v)));
    } else {
      ch = Byte_to_char(v);
    }
    text = TrimSpaces(text) + ch;
  }
  return text;
}

bool LimitKeyAccepted(const QString& text) { return TrimSpaces(text).size() <= 3; }

bool LineKeyAccepted(const QString& text, char16_t key, bool digitsOnly) {
  if (digitsOnly && !(key >= u'0' && key <= u'9')) return false;
  return TrimSpaces(text).size() <= kLineCells;
}

}  // namespace adj

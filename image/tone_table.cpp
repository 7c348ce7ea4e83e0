#include "image/tone_table.h"

#include "platform/core/numbers.h"

#include <cmath>

namespace {

QString Blanks(int n) { return QString(n, u' '); }

// A tone in tenths of Hz with one decimal: 670 -> "67.0".
QString Tenths(int t) { return QString::number(t / 10) + u'.' + QString::number(t % 10); }

QString DcsName(int number, QChar kind) { return u'D' + QString::number(number).rightJustified(3, u'0') + kind; }

}  // namespace

// The value is taken as the decimal the text wrote, to a millionth of a
// tenth, so "67.05" is a tie and not a hair below one.
long long Tone_tenths(double hz) {
  const long long scaled = std::llround(hz * 1e7);  // millionths of a tenth
  long long q = scaled / 1000000;
  const long long r = scaled % 1000000;
  if (r > 500000 || (r == 500000 && q % 2 != 0)) ++q;
  return q;
}

void Tone_table_init(Session& st) {
  QStringList list(tone::kListSize);
  list[0] = Blanks(3) + QStringLiteral("OFF") + Blanks(6);
  for (int i = 0; i < static_cast<int>(tone::kCtcssTenths.size()); ++i) {
    const int entry = tone::kCtcssFirst + i;
    const QString t = Tenths(tone::kCtcssTenths[static_cast<std::size_t>(i)]);
    if (entry <= 9)
      list[entry] = Blanks(3) + t + Blanks(4);
    else if (entry <= 12)
      list[entry] = Blanks(2) + t + Blanks(4);
    else
      list[entry] = Blanks(2) + t + Blanks(3);
  }
  for (int i = 0; i < static_cast<int>(tone::kDcsNumbers.size()); ++i) {
    const int number = tone::kDcsNumbers[static_cast<std::size_t>(i)];
    const int normal = tone::kDcsFirst + i;
    list[normal] = Blanks(normal <= 99 ? 2 : 1) + DcsName(number, u'N') + Blanks(3);
    list[tone::kDcsInvertedFirst + i] = Blanks(1) + DcsName(number, u'I') + Blanks(3);
  }

  QStringList fine(tone::kListSize);
  int next = 0;
  fine[next++] = QStringLiteral("OFF");
  for (int t = 600; t <= 2599; ++t) fine[next++] = Tenths(t);
  for (int i = tone::kDcsFirst; i <= tone::kListLast; ++i) fine[next++] = list[i].trimmed();

  st.Tone_list = std::move(list);
  st.Tone_list_fine = std::move(fine);
}

void Ctcss_to_image(img::Image& im, const QString& text, int row, int byte) {
  if (row < 0 || row >= img::kRows || byte < 0 || byte + 1 >= img::kCols) return;
  if (text == u"FF") {
    im(row, byte) = 0xFF;
    im(row, byte + 1) = 0xFF;
    return;
  }
  const double v = num::Val(text);
  if (!(v > 0 && v < 255)) return;
  // One code, split into its two bytes: 254.99 Hz is 2550 = 0x09F6 at most.
  const long long code = Tone_tenths(v);
  im(row, byte) = static_cast<std::int16_t>(code % 256);
  im(row, byte + 1) = static_cast<std::int16_t>(code / 256);
}

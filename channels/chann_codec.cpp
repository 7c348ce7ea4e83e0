#include "channels/chann_codec.h"

#include "image/freq_codec.h"
#include "image/tone_table.h"

#include <cstdint>

using namespace chann;

namespace {

constexpr bool IsByte(int v) { return v >= 0 && v <= 0xFF; }

// A cell as a byte for the frequency digits; cells only a hand-edited file
// can bring outside 0..255 are cut to their low byte.
std::uint8_t Low8(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

void EmptyColumns(RowTexts& row, int first, int last) {
  for (int c = first; c <= last; ++c) row[static_cast<std::size_t>(c)].clear();
}

// Record and name record all 0xFF.
void EmptyRecords(img::Image& im, int r) {
  im.fillRows(RecordRow(r), RecordRow(r), img::kEmpty);
  im.fillRows(NameRecordRow(r), NameRecordRow(r), img::kEmpty);
}

QString OnOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

}  // namespace

bool Chann_is_empty(const img::Image& im, int r) { return IsChannelRow(r) && im(RecordRow(r), 0) == img::kEmpty; }

QString Tone_text(const Session& st, int low, int high, bool trimmed) {
  if ((low == 0 && high == 0) || (low == 0xFF && high == 0xFF)) return QStringLiteral("OFF");
  if (!IsByte(low) || !IsByte(high)) return QString();
  if (high >= 0x01 && high <= 0x7F) {
    const int tenths = high * 256 + low;
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
  }
  if (high == 0x00) {
    // DCS code index: 1..210 have a list entry; 211..255 name an empty one.
    const int entry = low + tone::kDcsFirst - 1;
    if (low < 1 || entry > tone::kListLast || entry >= st.Tone_list.size()) return QString();
    return trimmed ? st.Tone_list[entry].trimmed() : st.Tone_list[entry];
  }
  return QString();  // a high byte 0x80..0xFE: no tone the radio knows
}

QString Name_text(const img::Image& im, int r) {
  if (!IsChannelRow(r)) return QString();
  const int row = NameRecordRow(r);
  if (im(row, 0) == img::kEmpty) return QString();
  QString text;
  for (int c = 0; c < kNameChars; ++c) {
    const int b = im(row, c);
    if (b == 0x20 || b == 0xFF) continue;
    if ((b >= 0x21 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE))
      text += QChar::fromLatin1(static_cast<char>(b));
    else
      text += u'?';
  }
  return text;
}

RowTexts Chann_decode(const Session& st, const img::Image& im, int r) {
  RowTexts texts;
  if (!IsChannelRow(r) || Chann_is_empty(im, r)) return texts;
  const int row = RecordRow(r);
  auto b = [&](int c) { return static_cast<int>(im(row, c)); };
  auto put = [&](int col, const QString& text) { texts[static_cast<std::size_t>(col)] = text; };

  put(kColRx, Bcd_to_freq(Low8(b(0)), Low8(b(1)), Low8(b(2)), Low8(b(3))));
  put(kColRxTone, Tone_text(st, b(8), b(9), false));
  if (b(4) != img::kEmpty) {
    put(kColTx, Bcd_to_freq(Low8(b(4)), Low8(b(5)), Low8(b(6)), Low8(b(7))));
    put(kColTxTone, Tone_text(st, b(10), b(11), true));
  }
  put(kColBand, BandText());
  const int sig = b(12) & 0x0F;
  put(kColSigCode, sig >= 15 ? QString() : QString::number(sig + 1));
  put(kColPower, (b(14) & 0x01) ? QStringLiteral("LOW") : QStringLiteral("HIGH"));
  static const char* const kPttId[] = {"OFF", "BOT", "EOT", "BOTH"};
  put(kColPttId, QString::fromLatin1(kPttId[b(15) & 0x03]));
  put(kColScanAdd, OnOff(b(15) & 0x04));
  put(kColBusyLock, OnOff(b(15) & 0x08));
  put(kColWidth, (b(15) & 0x40) ? QStringLiteral("W") : QStringLiteral("N"));
  return texts;
}

RowTexts Chann_show(const Session& st, const img::Image& im, int r) {
  RowTexts texts = Chann_decode(st, im, r);
  if (IsChannelRow(r) && !Chann_is_empty(im, r)) texts[kColName] = Name_text(im, r);
  return texts;
}

bool Chann_is_normal(const img::Image& im, int r) {
  if (!Chann_is_empty(im, r)) return true;
  for (const int row : {RecordRow(r), NameRecordRow(r)})
    for (int c = 0; c < img::kCols; ++c)
      if (im(row, c) != img::kEmpty) return false;
  return true;
}

bool Chann_normalise(img::Image& im, int r) {
  if (Chann_is_normal(im, r)) return false;
  EmptyRecords(im, r);
  return true;
}

void Chann_new(img::Image& im, int r) {
  if (!IsChannelRow(r)) return;
  const int row = RecordRow(r);
  for (int c = 8; c <= 14; ++c) im(row, c) = 0x00;
  im(row, 15) = 0x44;  // wide, scan add on
  im.fillRows(NameRecordRow(r), NameRecordRow(r), img::kEmpty);
}

void Chann_clear_para(img::Image& im, int r) {
  if (IsChannelRow(r)) EmptyRecords(im, r);
}

void Chann_clear(img::Image& im, RowTexts& texts, int r) {
  if (!IsChannelRow(r)) return;
  EmptyColumns(texts, kColRx, kColName);
  EmptyRecords(im, r);
}

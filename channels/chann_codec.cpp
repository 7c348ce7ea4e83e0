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

void EmptyColumns(GridCells& grid, int r, int first, int last) {
  for (int c = first; c <= last; ++c) grid.setTextMatrix(r, c, QString());
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

void Chann_decode(const Session& st, img::Image& im, GridCells& grid, int r) {
  if (!IsChannelRow(r)) return;
  const int row = RecordRow(r);
  auto b = [&](int c) { return static_cast<int>(im(row, c)); };

  if (b(0) == img::kEmpty) {
    EmptyColumns(grid, r, kColRx, kColTx);
    Chann_clear_para(im, grid, r);
    return;
  }
  grid.setTextMatrix(r, kColRx, Bcd_to_freq(Low8(b(0)), Low8(b(1)), Low8(b(2)), Low8(b(3))));
  grid.setTextMatrix(r, kColRxTone, Tone_text(st, b(8), b(9), false));
  if (b(4) == img::kEmpty) {
    EmptyColumns(grid, r, kColTx, kColTx);
    EmptyColumns(grid, r, kColTxTone, kColTxTone);
  } else {
    grid.setTextMatrix(r, kColTx, Bcd_to_freq(Low8(b(4)), Low8(b(5)), Low8(b(6)), Low8(b(7))));
    grid.setTextMatrix(r, kColTxTone, Tone_text(st, b(10), b(11), true));
  }
  grid.setTextMatrix(r, kColBand, BandText());
  const int sig = b(12) & 0x0F;
  grid.setTextMatrix(r, kColSigCode, sig >= 15 ? QString() : QString::number(sig + 1));
  grid.setTextMatrix(r, kColPower, (b(14) & 0x01) ? QStringLiteral("LOW") : QStringLiteral("HIGH"));
  static const char* const kPttId[] = {"OFF", "BOT", "EOT", "BOTH"};
  grid.setTextMatrix(r, kColPttId, QString::fromLatin1(kPttId[b(15) & 0x03]));
  grid.setTextMatrix(r, kColScanAdd, OnOff(b(15) & 0x04));
  grid.setTextMatrix(r, kColBusyLock, OnOff(b(15) & 0x08));
  grid.setTextMatrix(r, kColWidth, (b(15) & 0x40) ? QStringLiteral("W") : QStringLiteral("N"));
}

void Chann_show(const Session& st, img::Image& im, GridCells& grid, int r) {
  if (!IsChannelRow(r)) return;
  Chann_decode(st, im, grid, r);
  grid.setTextMatrix(r, kColName, Name_text(im, r));
}

void Chann_new(img::Image& im, GridCells& grid, int r) {
  if (!IsChannelRow(r)) return;
  static const char* const kSettings[] = {"OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "1"};
  for (int c = kColRxTone; c <= kColSigCode; ++c)
    grid.setTextMatrix(r, c, QString::fromLatin1(kSettings[c - kColRxTone]));
  EmptyColumns(grid, r, kColName, kColName);
  const int row = RecordRow(r);
  for (int c = 8; c <= 14; ++c) im(row, c) = 0x00;
  im(row, 15) = 0x44;  // wide, scan add on
  im.fillRows(NameRecordRow(r), NameRecordRow(r), img::kEmpty);
}

void Chann_clear_para(img::Image& im, GridCells& grid, int r) {
  if (!IsChannelRow(r)) return;
  EmptyColumns(grid, r, kColBand, kColBand);
  EmptyColumns(grid, r, kColRxTone, kColName);
  EmptyRecords(im, r);
}

void Chann_clear(img::Image& im, GridCells& grid, int r) {
  if (!IsChannelRow(r)) return;
  EmptyColumns(grid, r, kColRx, kColName);
  EmptyRecords(im, r);
}

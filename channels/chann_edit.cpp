#include "channels/chann_edit.h"

#include "channels/chann_codec.h"
#include "image/tone_table.h"
#include "platform/core/numbers.h"

using namespace chann;

namespace {

// Lowest and highest CTCSS value that can be typed, in tenths of Hz.
constexpr double kCtcssTypedLow = 60.0;
constexpr double kCtcssTypedHigh = 259.9;

// The frequency check shared by the commit and Enter; they differ only in
// where the first band ends.
bool OutOfRange(const Session& st, double f, bool firstBandInclusive) {
  if (!(f >= st.Freq_vhf_low) || f > st.Freq_uhf_high || f >= kFreqCeilingMhz) return true;
  const bool aboveFirst = firstBandInclusive ? f > st.Freq_vhf_high : f >= st.Freq_vhf_high + 1.0;
  return aboveFirst && f < st.Freq_uhf_low;
}

// Zeros appended up to `width` characters.
QString PadZeros(QString text, int width) {
  while (text.size() < width) text += u'0';
  return text;
}

// A cell as a byte before a read-modify-write, so the result stays a byte.
int ByteAt(const img::Image& im, int row, int col) { return im(row, col) & 0xFF; }

}  // namespace

bool Freq_out_of_range(const Session& st, double f) { return OutOfRange(st, f, false); }

bool Freq_out_of_range_enter(const Session& st, double f) { return OutOfRange(st, f, true); }

QString Freq_replacement(const Session& st) {
  const QString low = num::Plain(st.Freq_vhf_low);
  if (low.size() == 3) return PadZeros(low + QStringLiteral(".0"), 9);
  if (low.size() == 2) return PadZeros(low + QStringLiteral(".0"), 8);
  return low;
}

QString Freq_low_text(const Session& st) {
  const QString low = num::Plain(st.Freq_vhf_low);
  return low.size() == 3 ? low + QStringLiteral(".0") : low;
}

QString Freq_display_form(const QString& text) {
  QString t = text.left(9);
  if (!t.contains(u'.')) t += u'.';
  return PadZeros(t, num::Val(t) >= 100.0 ? 9 : 8);
}

QStringList Chann_list_items(const Session& st, int col) {
  switch (col) {
    case kColBand: return {BandText().trimmed()};
    case kColRxTone:
    case kColTxTone: {
      QStringList items;
      for (int i = 0; i <= tone::kListLast && i < st.Tone_list.size(); ++i) items << st.Tone_list[i].trimmed();
      return items;
    }
    default: return Chann_setting_items(col);
  }
}

QStringList Chann_setting_items(int col) {
  switch (col) {
    case kColPower: return {QStringLiteral("HIGH"), QStringLiteral("LOW")};
    case kColWidth: return {QStringLiteral("W"), QStringLiteral("N")};
    case kColPttId:
      return {QStringLiteral("OFF"), QStringLiteral("BOT"), QStringLiteral("EOT"), QStringLiteral("BOTH")};
    case kColBusyLock:
    case kColScanAdd: return {QStringLiteral("OFF"), QStringLiteral("ON")};
    case kColSigCode: {
      QStringList items;
      for (int i = 1; i <= 15; ++i) items << QString::number(i);
      return items;
    }
    default: return {};
  }
}

QStringList Chann_column_texts(const Session& st, int col) {
  QStringList texts;
  // Each digit in every place: the widest digit decides.
  auto digits = [&](const char* pattern) {
    for (char d = '0'; d <= '9'; ++d) texts << QString::fromLatin1(pattern).replace(u'd', QChar::fromLatin1(d));
  };
  switch (col) {
    case kColNumber:
      for (int n = 0; n < img::kChannelCount; ++n) texts << QString::number(n);
      break;
    case kColRx:
    case kColTx: digits("ddd.ddddd"); break;
    case kColRxTone:
    case kColTxTone:
      // The list's entries with and without their blanks, and any CTCSS tone
      // a record can hold (up to 3276.7 Hz).
      for (int i = 0; i <= tone::kListLast && i < st.Tone_list.size(); ++i)
        texts << st.Tone_list[i] << st.Tone_list[i].trimmed();
      digits("dddd.d");
      break;
    case kColName:
      // Seven characters, as the name bytes 0..6 show them.
      for (int c = 0x21; c <= 0xFE; ++c)
        if (c < 0x7F || c > 0xA0) texts << QString(kNameChars, QChar(static_cast<char16_t>(c)));
      break;
    default:
      texts = Chann_list_items(st, col);
      if (col == kColBand) texts << BandText();
      break;
  }
  return texts;
}

std::optional<int> Tone_code_of_choice(int i, const QString& text) {
  if (i == 0) return 0;
  if (i >= tone::kCtcssFirst && i < tone::kDcsFirst) {
    const double hz = num::Val(text);
    if (!(hz > 0 && hz < kFreqCeilingMhz)) return std::nullopt;
    return static_cast<int>(Tone_tenths(hz));
  }
  if (i >= tone::kDcsFirst && i <= tone::kListLast) return i - (tone::kDcsFirst - 1);
  return std::nullopt;
}

std::optional<int> Ctcss_code_of_text(const QString& text) {
  const double v = num::Val(text);
  if (!(v >= kCtcssTypedLow && v <= kCtcssTypedHigh)) return std::nullopt;
  return static_cast<int>(Tone_tenths(v));
}

void Chann_tone_store(img::Image& im, int r, int col, int code) {
  if (!IsChannelRow(r) || code < 0 || code > 0xFFFF) return;
  const int row = RecordRow(r);
  const auto low = static_cast<std::int16_t>(code & 0xFF);
  const auto high = static_cast<std::int16_t>(code >> 8);
  if (col == kColRxTone) {
    im(row, 8) = low;
    im(row, 9) = high;
    // The decode tone also sets the encode tone.
    im(row, 10) = low;
    im(row, 11) = high;
  } else if (col == kColTxTone) {
    im(row, 10) = low;
    im(row, 11) = high;
  }
}

void Chann_setting_store(img::Image& im, int r, int col, int i) {
  if (!IsChannelRow(r) || i < 0 || i >= Chann_setting_items(col).size()) return;
  const int row = RecordRow(r);
  auto put = [&](int c, int v) { im(row, c) = static_cast<std::int16_t>(v & 0xFF); };
  const int b12 = ByteAt(im, row, 12), b14 = ByteAt(im, row, 14), b15 = ByteAt(im, row, 15);
  switch (col) {
    case kColPower:  // HIGH 0, LOW 1
      put(14, (b14 & 0xF0) + i);
      break;
    case kColWidth:  // W sets bit 6
      put(15, i == 0 ? (b15 | 0x40) : (b15 & 0xBF));
      break;
    case kColPttId:  // OFF, BOT, EOT, BOTH
      put(15, (b15 & 0xFC) + i);
      break;
    case kColBusyLock:  // ON sets bit 3
      put(15, (b15 & 0xF7) + 8 * i);
      break;
    case kColScanAdd:  // ON sets bit 2
      put(15, i > 0 ? (b15 | 0x04) : (b15 & 0xFB));
      break;
    case kColSigCode:  // item 1 is stored as 0
      put(12, (b12 & 0xF0) + i);
      break;
    default: break;
  }
}

void Chann_name_store(img::Image& im, int r, const QString& name) {
  if (!IsChannelRow(r)) return;
  const int row = NameRecordRow(r);
  for (int c = 0; c < kNameChars; ++c) im(row, c) = img::kEmpty;
  int c = 0;
  for (const QChar ch : name) {
    if (c >= kNameChars) break;
    const char16_t u = ch.unicode();
    if (u < 0x20 || u > 0x7E) continue;  // only printable ASCII enters the image
    im(row, c++) = static_cast<std::int16_t>(u);
  }
}

#include "image/para_file.h"

#include "platform/core/text.h"
#include "platform/core/text_scanner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr qsizetype kFieldShown = 24;

constexpr char kDosEof = 0x1A;

// The text without what editors and old copy tools add around it: a UTF-8
// byte-order mark at the start, and a DOS end-of-file mark (Ctrl-Z) at the
// end, which may be padded with more marks, blanks or line ends. A mark with
// anything else after it is ordinary text and refused where it stands.
QByteArrayView WithoutMarks(QByteArrayView text) {
  if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
  qsizetype tail = text.size();
  while (tail > 0 && (IsBlank(text[tail - 1]) || IsLineEnd(text[tail - 1]) || text[tail - 1] == kDosEof)) --tail;
  for (qsizetype i = tail; i < text.size(); ++i)
    if (text[i] == kDosEof) return text.first(i);
  return text;
}

ParaFileResult Fault(ParaFileError e, int line, int values, QByteArrayView field = {}) {
  ParaFileResult r;
  r.error = e;
  r.line = line;
  r.values = values;
  r.field = field.first(std::min(field.size(), kFieldShown)).toByteArray();
  return r;
}

// A whole decimal number 0..255: digits only (leading zeros allowed).
ParaFileError FieldValue(QByteArrayView f, std::int16_t& value) {
  int v = 0;
  for (char c : f) {
    if (c < '0' || c > '9') return ParaFileError::NotANumber;
    // Once above 255 the value stays above it; the other digits are still checked.
    if (v <= 255) v = v * 10 + (c - '0');
  }
  if (v > 255) return ParaFileError::OutOfRange;
  value = static_cast<std::int16_t>(v);
  return ParaFileError::None;
}

// A field as a user can read it in a message: printable ASCII kept, the rest as "?".
QString Shown(const QByteArray& field) {
  QString s;
  for (char c : field) s += (c >= 0x20 && c < 0x7F) ? QChar(QLatin1Char(c)) : QChar(u'?');
  return s;
}

}  // namespace

QByteArray Para_file_text(const img::Image& image) {
  QByteArray out;
  out.reserve(kParaFileRows * (img::kCols * 5 + 2));
  for (int r = 0; r < kParaFileRows; ++r) {
    for (int c = 0; c < img::kCols; ++c) {
      char buf[8];
      const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<int>(image(r, c)));
      out += ' ';
      out.append(buf, res.ptr - buf);
      out += ' ';
    }
    out += "\r\n";
  }
  return out;
}

ParaFileResult Para_file_read(QByteArrayView text, img::Image& image) {
  std::array<std::int16_t, kParaFileValues> values{};
  TextScanner s(WithoutMarks(text));
  for (int k = 0; k < kParaFileValues; ++k) {
    s.skipBlanksAndLineEnds();
    if (s.atEnd()) return Fault(ParaFileError::TooFewValues, 0, k);
    if (s.peek() == ',') return Fault(ParaFileError::EmptyField, s.line(), k);
    const int line = s.line();
    const QByteArrayView f = s.field();
    const ParaFileError e = FieldValue(f, values[static_cast<std::size_t>(k)]);
    if (e != ParaFileError::None) return Fault(e, line, k, f);
    // One comma may follow a value, with blanks around it; a value must follow it on the same line.
    s.skipBlanks();
    if (!s.atEnd() && s.peek() == ',') {
      s.skip();
      s.skipBlanks();
      if (s.atEnd() || s.peek() == ',' || IsLineEnd(s.peek())) return Fault(ParaFileError::EmptyField, s.line(), k + 1);
    }
  }
  // Only blanks and line ends may follow the last value.
  s.skipBlanksAndLineEnds();
  if (!s.atEnd()) {
    const int line = s.line();
    if (s.peek() == ',') return Fault(ParaFileError::EmptyField, line, kParaFileValues);
    return Fault(ParaFileError::TooManyValues, line, kParaFileValues, s.field());
  }
  for (int r = 0; r < kParaFileRows; ++r)
    for (int c = 0; c < img::kCols; ++c) image(r, c) = values[static_cast<std::size_t>(r * img::kCols + c)];
  return {};
}

ParaFileResult Para_file_load(const QString& path, img::Image& image) {
  const QFileInfo info(path);
  if (!info.exists()) return Fault(ParaFileError::Missing, 0, 0);
  // Directories, pipes and devices are no parameter files (a pipe could block for ever).
  if (!info.isFile()) return Fault(ParaFileError::CannotOpen, 0, 0);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Fault(ParaFileError::CannotOpen, 0, 0);
  if (f.size() > kParaFileMaxBytes) return Fault(ParaFileError::TooLarge, 0, 0);
  const QByteArray text = f.read(kParaFileMaxBytes + 1);
  if (f.error() != QFileDevice::NoError) return Fault(ParaFileError::CannotOpen, 0, 0);
  if (text.size() > kParaFileMaxBytes) return Fault(ParaFileError::TooLarge, 0, 0);
  return Para_file_read(text, image);
}

bool Para_file_save(const QString& path, const img::Image& image, QString* error) {
  ParaSaveFailure failure;
  const bool ok = Para_file_save(path, image, &failure);
  if (!ok && error) *error = failure.reason;
  return ok;
}

bool Para_file_save(const QString& path, const img::Image& image, ParaSaveFailure* failure) {
  QSaveFile f(path);
  // Never write into the old file itself: a failure half-way would destroy it.
  f.setDirectWriteFallback(false);
  const QByteArray text = Para_file_text(image);
  const bool ok = f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
  if (!ok) {
    if (failure) {
      failure->reason = f.errorString();
      const QFileInfo folder(QFileInfo(path).absolutePath());
      failure->folder = QDir::toNativeSeparators(folder.absoluteFilePath());
      // The temporary file goes beside the target, so a folder the user may not
      // write refuses the save even when the old file itself is writable.
      failure->folderNotWritable = folder.isDir() && !folder.isWritable();
    }
    f.cancelWriting();
  }
  return ok;
}

namespace {

// Why a parameter file could not be read or saved.
constexpr Text kLoadFailed{"The parameter file could not be read.", "参数文件读取失败 ！"};
constexpr Text kSaveFailed{"The parameter file could not be saved.", "参数文件保存失败 ！"};
constexpr Text kMissing{"The file does not exist.", "文件不存在。"};
constexpr Text kCannotOpen{"The file cannot be opened.", "文件无法打开。"};
constexpr Text kTooLarge{"The file is too large to be a parameter file.", "文件太大，不是参数文件。"};
constexpr Text kTooFew{"The file holds only %1 of the %2 values.", "文件只有 %1 个数值，应有 %2 个。"};
constexpr Text kNotAByte{"Line %1: \"%2\" is not a whole number from 0 to 255.",
                         "第 %1 行：“%2”不是 0 至 255 的整数。"};
constexpr Text kEmptyField{"Line %1: a value is missing next to a comma.", "第 %1 行：逗号旁缺少数值。"};
constexpr Text kFolderNotWritable{"The folder \"%1\" is not writable; nothing in it was changed.",
                                  "文件夹“%1”不可写入，其中的文件均未改动。"};
constexpr Text kTooMany{"Line %1: \"%3\" follows the last of the %2 values.", "第 %1 行：第 %2 个数值之后还有“%3”。"};

}  // namespace

QString Para_file_error_text(const ParaFileResult& r, bool chinese) {
  QString detail;
  const QString line = QString::number(r.line);
  const QString field = Shown(r.field);
  const QString total = QString::number(kParaFileValues);
  switch (r.error) {
    case ParaFileError::None: return QString();
    case ParaFileError::Missing: detail = kMissing.in(chinese); break;
    case ParaFileError::CannotOpen: detail = kCannotOpen.in(chinese); break;
    case ParaFileError::TooLarge: detail = kTooLarge.in(chinese); break;
    case ParaFileError::TooFewValues: detail = kTooFew.in(chinese).arg(r.values).arg(total); break;
    case ParaFileError::NotANumber:
    case ParaFileError::OutOfRange: detail = kNotAByte.in(chinese).arg(line, field); break;
    case ParaFileError::EmptyField: detail = kEmptyField.in(chinese).arg(line); break;
    case ParaFileError::TooManyValues: detail = kTooMany.in(chinese).arg(line, total, field); break;
  }
  return kLoadFailed.in(chinese) + QLatin1Char('\n') + detail;
}

QString Para_file_save_error_text(const QString& reason, bool chinese) {
  QString text = kSaveFailed.in(chinese);
  if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
  return text;
}

QString Para_file_save_error_text(const ParaSaveFailure& failure, bool chinese) {
  if (!failure.folderNotWritable) return Para_file_save_error_text(failure.reason, chinese);
  return Para_file_save_error_text(kFolderNotWritable.in(chinese).arg(failure.folder), chinese);
}

ParaNameCheck Para_file_name_check(const QString& name) {
  for (QChar c : name)
    if (c == u'*' || c == u'$' || c == u'\\' || c == u'/' || c == u'#') return ParaNameCheck::InvalidChar;
  const QString suffix = name.right(4);
  if (suffix != QLatin1String(".dat") && suffix != QLatin1String(".DAT")) return ParaNameCheck::WrongSuffix;
  return ParaNameCheck::Ok;
}

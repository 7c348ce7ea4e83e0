#include "image/number_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <charconv>

namespace {

constexpr qsizetype kFieldShown = 24;
// Digits beyond this add nothing: the value is outside every range already.
constexpr int kSaturated = 1'000'000;
constexpr char kDosEof = 0x1A;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Walks a text field by field, counting lines.
class TextScanner {
 public:
  explicit TextScanner(QByteArrayView text) : t_(text) {}
  bool atEnd() const { return i_ >= t_.size(); }
  char peek() const { return t_[i_]; }
  int line() const { return line_; }
  void skip() { ++i_; }
  void skipBlanks() {
    while (!atEnd() && IsBlank(peek())) ++i_;
  }
  void skipBlanksAndLineEnds() {
    while (!atEnd()) {
      const char c = peek();
      if (IsBlank(c)) {
        ++i_;
      } else if (c == '\r') {
        ++i_;
        if (!atEnd() && peek() == '\n') ++i_;
        ++line_;
      } else if (c == '\n') {
        ++i_;
        ++line_;
      } else {
        break;
      }
    }
  }
  // The field that starts here: up to a blank, a comma, a line end or the end.
  QByteArrayView field() {
    const qsizetype start = i_;
    while (!atEnd() && !IsBlank(peek()) && peek() != ',' && !IsLineEnd(peek())) ++i_;
    return t_.sliced(start, i_ - start);
  }

 private:
  QByteArrayView t_;
  qsizetype i_ = 0;
  int line_ = 1;
};

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

NumberFileResult Fault(NumberFileError e, int line, int numbers, QByteArrayView field = {}) {
  NumberFileResult r;
  r.error = e;
  r.line = line;
  r.numbers = numbers;
  r.field = field.first(std::min(field.size(), kFieldShown)).toByteArray();
  return r;
}

// A whole decimal number: digits, after a sign where the format takes one;
// read without overflow.
bool FieldValue(QByteArrayView f, bool signs, int& value) {
  qsizetype i = 0;
  bool negative = false;
  if (signs && !f.isEmpty() && (f[0] == '+' || f[0] == '-')) {
    negative = f[0] == '-';
    ++i;
  }
  if (i == f.size()) return false;
  int v = 0;
  for (; i < f.size(); ++i) {
    const char c = f[i];
    if (c < '0' || c > '9') return false;
    if (v < kSaturated) v = std::min(v * 10 + (c - '0'), kSaturated);
  }
  value = negative ? -v : v;
  return true;
}

}  // namespace

NumberFileResult Number_file_read(QByteArrayView text, const NumberFileFormat& format, std::span<std::int16_t> values) {
  using Commas = NumberFileFormat::Commas;
  TextScanner s(WithoutMarks(text));
  const int count = static_cast<int>(values.size());
  for (int k = 0; k < count; ++k) {
    s.skipBlanksAndLineEnds();
    if (format.commas == Commas::Between && k > 0 && !s.atEnd() && s.peek() == ',') {
      s.skip();
      s.skipBlanksAndLineEnds();
    }
    if (s.atEnd()) return Fault(NumberFileError::TooFew, 0, k);
    if (s.peek() == ',') return Fault(NumberFileError::EmptyField, s.line(), k);
    const int line = s.line();
    const QByteArrayView f = s.field();
    int v = 0;
    if (!FieldValue(f, format.signs, v)) return Fault(NumberFileError::NotANumber, line, k, f);
    const NumberRange& range = k == 0 ? format.first : format.rest;
    if (v < range.min || v > range.max) return Fault(NumberFileError::OutOfRange, line, k, f);
    values[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(v);
    if (format.commas == Commas::SameLine) {
      s.skipBlanks();
      if (!s.atEnd() && s.peek() == ',') {
        s.skip();
        s.skipBlanks();
        if (s.atEnd() || s.peek() == ',' || IsLineEnd(s.peek()))
          return Fault(NumberFileError::EmptyField, s.line(), k + 1);
      }
    }
  }
  if (format.after == NumberFileFormat::After::Refused) {
    s.skipBlanksAndLineEnds();
    if (!s.atEnd()) {
      const int line = s.line();
      if (s.peek() == ',') return Fault(NumberFileError::EmptyField, line, count);
      return Fault(NumberFileError::TooMany, line, count, s.field());
    }
  }
  return {};
}

NumberFileResult Number_file_load(const QString& path, const NumberFileFormat& format, std::span<std::int16_t> values) {
  const QFileInfo info(path);
  if (!info.exists()) return Fault(NumberFileError::Missing, 0, 0);
  // Directories, pipes and devices are no number files (a pipe could block for ever).
  if (!info.isFile()) return Fault(NumberFileError::CannotOpen, 0, 0);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Fault(NumberFileError::CannotOpen, 0, 0);
  if (f.size() > format.maxBytes) return Fault(NumberFileError::TooLarge, 0, 0);
  const QByteArray text = f.read(format.maxBytes + 1);
  if (f.error() != QFileDevice::NoError) return Fault(NumberFileError::CannotOpen, 0, 0);
  if (text.size() > format.maxBytes) return Fault(NumberFileError::TooLarge, 0, 0);
  return Number_file_read(text, format, values);
}

void Number_file_put(QByteArray& out, int value) {
  char buf[12];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  out += ' ';
  out.append(buf, res.ptr - buf);
  out += ' ';
}

bool Number_file_save(const QString& path, QByteArrayView text, NumberSaveFailure* failure) {
  QSaveFile f(path);
  // Never write into the old file itself: a failure half-way would destroy it.
  f.setDirectWriteFallback(false);
  // A text that fits the file's write buffer reaches the system only when the
  // buffer is flushed, and that is where a full disk or a size limit refuses
  // it. commit() flushes as well, but ignores that failure and puts the
  // incomplete temporary file in the old one's place; so the flush comes
  // first here, and its failure ends the save before the commit.
  const bool opened = f.open(QIODevice::WriteOnly);
  const bool written =
      opened && f.write(text.data(), text.size()) == text.size() && f.flush() && f.error() == QFileDevice::NoError;
  const bool ok = written && f.commit();
  if (!ok) {
    if (failure) {
      failure->reason = f.errorString();
      // A write cut short at the end of the room leaves Qt without a reason:
      // its text is then the one of a device without an error.
      failure->cutShort = opened && !written && failure->reason == QFile().errorString();
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

constexpr Text kFolderNotWritable{"The folder \"%1\" is not writable; nothing in it was changed.",
                                  "文件夹“%1”不可写入，其中的文件均未改动。"};
constexpr Text kCutShort{"Only a part of the file could be written (the disk may be full); nothing was changed.",
                         "文件只写入了一部分（磁盘可能已满），未作任何改动。"};

}  // namespace

QString Number_file_save_error_text(const Text& headline, const NumberSaveFailure& failure, bool chinese) {
  const QString detail = failure.folderNotWritable ? kFolderNotWritable.in(chinese).arg(failure.folder)
                         : failure.cutShort        ? kCutShort.in(chinese)
                                                   : failure.reason;
  QString text = headline.in(chinese);
  if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
  return text;
}

QString Number_file_error_text(const Text& headline, const QString& detail, bool chinese) {
  return headline.in(chinese) + QLatin1Char('\n') + detail;
}

QString Number_file_shown(const QByteArray& field) {
  QString s;
  for (char c : field) s += (c >= 0x20 && c < 0x7F) ? QChar(QLatin1Char(c)) : QChar(u'?');
  return s;
}

NumberFileNameCheck Number_file_name_check(const QString& name, const NumberFileSuffixes& suffixes) {
  for (QChar c : name)
    if (c == u'*' || c == u'$' || c == u'\\' || c == u'/' || c == u'#') return NumberFileNameCheck::InvalidChar;
  // The alignment file's rule: spaces are removed from the last characters (as
  // many as a suffix has) before they are compared. It cannot change the
  // outcome: a suffix holds no space, and those characters less a space are
  // too few to be one.
  QString suffix = name.right(suffixes.lower.size());
  suffix.remove(u' ');
  if (suffix != suffixes.lower && suffix != suffixes.upper) return NumberFileNameCheck::WrongSuffix;
  return NumberFileNameCheck::Ok;
}

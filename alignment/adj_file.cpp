#include "alignment/adj_file.h"

#include "platform/core/text.h"
#include "platform/core/text_scanner.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <charconv>

namespace adj {

namespace {

constexpr qsizetype kFieldShown = 24;
constexpr int kSaturated = 1'000'000;

AdjFileResult Fault(AdjFileError e, int line, int numbers, QByteArrayView field = {}) {
  AdjFileResult r;
  r.error = e;
  r.line = line;
  r.numbers = numbers;
  r.field = field.first(std::min(field.size(), kFieldShown)).toByteArray();
  return r;
}

// A whole decimal number: an optional sign and digits, read without overflow.
bool FieldValue(QByteArrayView f, int& value) {
  qsizetype i = 0;
  bool negative = false;
  if (!f.isEmpty() && (f[0] == '+' || f[0] == '-')) {
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

QString Shown(const QByteArray& field) {
  QString s;
  for (char c : field) s += (c >= 0x20 && c < 0x7F) ? QChar(QLatin1Char(c)) : QChar(u'?');
  return s;
}

}  // namespace

QByteArray Adj_file_text(const Table& table, bool bandChecked) {
  QByteArray out;
  auto put = [&out](int v) {
    char buf[8];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out += ' ';
    out.append(buf, res.ptr - buf);
    out += ' ';
  };
  put(bandChecked ? 1 : 0);
  out += "\r\n";
  for (int r = 0; r < kFileRows; ++r) {
    for (int c = 0; c < kRowCols; ++c) put(table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    out += "\r\n";
  }
  return out;
}

AdjFileResult Adj_file_read(QByteArrayView text, AdjFileData& out) {
  AdjFileData data;
  TextScanner s(text);
  for (int k = 0; k < kAdjFileNumbers; ++k) {
    s.skipBlanksAndLineEnds();
    // One comma may stand between two numbers, with blanks and line ends around it.
    if (k > 0 && !s.atEnd() && s.peek() == ',') {
      s.skip();
      s.skipBlanksAndLineEnds();
    }
    if (s.atEnd()) return Fault(AdjFileError::TooFewNumbers, 0, k);
    const int line = s.line();
    const QByteArrayView f = s.field();
    int v = 0;
    if (!FieldValue(f, v)) return Fault(AdjFileError::NotANumber, line, k, f);
    if (k == 0) {
      if (v != 0 && v != 1) return Fault(AdjFileError::BadBand, line, k, f);
      data.bandChecked = v == 1;
    } else {
      if (v < 0 || v > 255) return Fault(AdjFileError::OutOfRange, line, k, f);
      const int n = k - 1;
      data.rows[static_cast<std::size_t>(n / kRowCols)][static_cast<std::size_t>(n % kRowCols)] = static_cast<Cell>(v);
    }
  }
  out = data;
  return {};
}

AdjFileResult Adj_file_load(const QString& path, AdjFileData& out) {
  const QFileInfo info(path);
  if (!info.exists()) return Fault(AdjFileError::Missing, 0, 0);
  // Directories, pipes and devices are no alignment files (a pipe could block for ever).
  if (!info.isFile()) return Fault(AdjFileError::CannotOpen, 0, 0);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Fault(AdjFileError::CannotOpen, 0, 0);
  if (f.size() > kAdjFileMaxBytes) return Fault(AdjFileError::TooLarge, 0, 0);
  const QByteArray text = f.read(kAdjFileMaxBytes + 1);
  if (f.error() != QFileDevice::NoError) return Fault(AdjFileError::CannotOpen, 0, 0);
  if (text.size() > kAdjFileMaxBytes) return Fault(AdjFileError::TooLarge, 0, 0);
  return Adj_file_read(text, out);
}

bool Adj_file_save(const QString& path, const Table& table, bool bandChecked, QString* error) {
  QSaveFile f(path);
  f.setDirectWriteFallback(false);
  const QByteArray text = Adj_file_text(table, bandChecked);
  const bool ok = f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
  if (!ok) {
    if (error) *error = f.errorString();
    f.cancelWriting();
  }
  return ok;
}

namespace {

constexpr Text kLoadFailed{"The adjust parameter file could not be read.", "调整参数文件读取失败 ！"};
constexpr Text kSaveFailed{"The adjust parameter file could not be saved.", "调整参数文件保存失败 ！"};
constexpr Text kMissing{"The file does not exist.", "文件不存在。"};
constexpr Text kCannotOpen{"The file cannot be opened.", "文件无法打开。"};
constexpr Text kTooLarge{"The file is too large to be an adjust parameter file.", "文件太大，不是调整参数文件。"};
constexpr Text kTooFew{"The file holds only %1 of the %2 numbers.", "文件只有 %1 个数值，应有 %2 个。"};
constexpr Text kNotANumber{"Line %1: \"%2\" is not a whole number.", "第 %1 行：“%2”不是整数。"};
constexpr Text kOutOfRange{"Line %1: \"%2\" is not a whole number from 0 to 255.",
                           "第 %1 行：“%2”不是 0 至 255 的整数。"};
constexpr Text kBadBand{"Line %1: the band choice \"%2\" must be 0 or 1.", "第 %1 行：频段选择“%2”应为 0 或 1。"};

}  // namespace

QString Adj_file_error_text(const AdjFileResult& r, bool chinese) {
  QString detail;
  const QString line = QString::number(r.line);
  const QString field = Shown(r.field);
  switch (r.error) {
    case AdjFileError::None: return QString();
    case AdjFileError::Missing: detail = kMissing.in(chinese); break;
    case AdjFileError::CannotOpen: detail = kCannotOpen.in(chinese); break;
    case AdjFileError::TooLarge: detail = kTooLarge.in(chinese); break;
    case AdjFileError::TooFewNumbers: detail = kTooFew.in(chinese).arg(r.numbers).arg(kAdjFileNumbers); break;
    case AdjFileError::NotANumber: detail = kNotANumber.in(chinese).arg(line, field); break;
    case AdjFileError::OutOfRange: detail = kOutOfRange.in(chinese).arg(line, field); break;
    case AdjFileError::BadBand: detail = kBadBand.in(chinese).arg(line, field); break;
  }
  return kLoadFailed.in(chinese) + QLatin1Char('\n') + detail;
}

QString Adj_file_save_error_text(const QString& reason, bool chinese) {
  QString text = kSaveFailed.in(chinese);
  if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
  return text;
}

AdjNameCheck Adj_file_name_check(const QString& name) {
  for (QChar c : name)
    if (c == u'*' || c == u'$' || c == u'\\' || c == u'/' || c == u'#') return AdjNameCheck::InvalidChar;
  QString suffix = name.right(4);
  suffix.remove(u' ');
  if (suffix != QLatin1String(".adj") && suffix != QLatin1String(".ADJ")) return AdjNameCheck::WrongSuffix;
  return AdjNameCheck::Ok;
}

void Adj_file_request(AdjFileOp op, const QString& path, QString& File_path, std::int16_t& File_load_req,
                      std::int16_t& File_save_req, AdjFileRequests& record) {
  File_path = path;
  if (op == AdjFileOp::Load) {
    record.loadPath = path;
    File_load_req = -1;
  } else {
    record.savePath = path;
    File_save_req = -1;
  }
}

std::vector<AdjRequest> Adj_file_poll(std::int16_t& File_load_req, std::int16_t& File_save_req,
                                      const AdjFileRequests& record) {
  std::vector<AdjRequest> work;
  if (File_load_req != 0) {
    File_load_req = 0;
    if (!record.loadPath.isEmpty()) work.push_back({AdjFileOp::Load, record.loadPath});
  }
  if (File_save_req != 0) {
    File_save_req = 0;
    if (!record.savePath.isEmpty()) work.push_back({AdjFileOp::Save, record.savePath});
  }
  return work;
}

}  // namespace adj

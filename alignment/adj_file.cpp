#include "alignment/adj_file.h"

#include "platform/core/text.h"

#include <array>

namespace adj {

namespace {

constexpr NumberFileFormat kFormat{
    .first = {0, 1},
    .rest = {0, 255},
    .signs = true,
    .commas = NumberFileFormat::Commas::Between,
    .after = NumberFileFormat::After::Ignored,
    .maxBytes = kAdjFileMaxBytes,
};

// The numbers of a good text handed on: the band line, then rows 0..15.
AdjFileResult Taken(const NumberFileResult& n, const std::array<Cell, kAdjFileNumbers>& numbers, AdjFileData& out) {
  if (n.ok()) {
    out.bandChecked = numbers[0] == 1;
    for (int k = 1; k < kAdjFileNumbers; ++k)
      out.rows[static_cast<std::size_t>((k - 1) / kRowCols)][static_cast<std::size_t>((k - 1) % kRowCols)] =
          numbers[static_cast<std::size_t>(k)];
  }
  return n;
}

}  // namespace

QByteArray Adj_file_text(const Table& table, bool bandChecked) {
  QByteArray out;
  Number_file_put(out, bandChecked ? 1 : 0);
  out += "\r\n";
  for (int r = 0; r < kFileRows; ++r) {
    for (int c = 0; c < kRowCols; ++c)
      Number_file_put(out, table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    out += "\r\n";
  }
  return out;
}

AdjFileResult Adj_file_read(QByteArrayView text, AdjFileData& out) {
  std::array<Cell, kAdjFileNumbers> numbers{};
  return Taken(Number_file_read(text, kFormat, numbers), numbers, out);
}

AdjFileResult Adj_file_load(const QString& path, AdjFileData& out) {
  std::array<Cell, kAdjFileNumbers> numbers{};
  return Taken(Number_file_load(path, kFormat, numbers), numbers, out);
}

bool Adj_file_save(const QString& path, const Table& table, bool bandChecked, NumberSaveFailure* failure) {
  return Number_file_save(path, Adj_file_text(table, bandChecked), failure);
}

namespace {

constexpr Text kLoadFailed{"The adjust parameter file could not be read.", "调整参数文件读取失败 ！"};
constexpr Text kSaveFailed{"The adjust parameter file could not be saved.", "调整参数文件保存失败 ！"};
constexpr Text kTooLarge{"The file is too large to be an adjust parameter file.", "文件太大，不是调整参数文件。"};
constexpr Text kTooFew{"The file holds only %1 of the %2 numbers.", "文件只有 %1 个数值，应有 %2 个。"};
constexpr Text kNotANumber{"Line %1: \"%2\" is not a whole number.", "第 %1 行：“%2”不是整数。"};
constexpr Text kOutOfRange{"Line %1: \"%2\" is not a whole number from 0 to 255.",
                           "第 %1 行：“%2”不是 0 至 255 的整数。"};
constexpr Text kBadBand{"Line %1: the band choice \"%2\" must be 0 or 1.", "第 %1 行：频段选择“%2”应为 0 或 1。"};
constexpr Text kTooMany{"Line %1: \"%3\" follows the last of the %2 numbers.", "第 %1 行：第 %2 个数值之后还有“%3”。"};

}  // namespace

QString Adj_file_error_text(const AdjFileResult& r, bool chinese) {
  QString detail;
  const QString line = QString::number(r.line);
  const QString field = Number_file_shown(r.field);
  switch (r.error) {
    case NumberFileError::None: return QString();
    case NumberFileError::Missing: detail = kNumberFileMissing.in(chinese); break;
    case NumberFileError::CannotOpen: detail = kNumberFileCannotOpen.in(chinese); break;
    case NumberFileError::TooLarge: detail = kTooLarge.in(chinese); break;
    case NumberFileError::TooFew: detail = kTooFew.in(chinese).arg(r.numbers).arg(kAdjFileNumbers); break;
    // Nothing where a comma wants a number: an empty field, which is no number.
    case NumberFileError::EmptyField:
    case NumberFileError::NotANumber: detail = kNotANumber.in(chinese).arg(line, field); break;
    // The first number is the band choice.
    case NumberFileError::OutOfRange:
      detail = (r.numbers == 0 ? kBadBand : kOutOfRange).in(chinese).arg(line, field);
      break;
    // Never: whatever follows the 257th number is ignored.
    case NumberFileError::TooMany:
      detail = kTooMany.in(chinese).arg(line, QString::number(kAdjFileNumbers), field);
      break;
  }
  return Number_file_error_text(kLoadFailed, detail, chinese);
}

QString Adj_file_save_error_text(const NumberSaveFailure& failure, bool chinese) {
  return Number_file_save_error_text(kSaveFailed, failure, chinese);
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

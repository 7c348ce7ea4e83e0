#include "image/para_file.h"

#include "platform/core/text.h"

#include <array>
#include <cstdint>

namespace {

constexpr NumberFileFormat kFormat{
    .first = {0, 255},
    .rest = {0, 255},
    .signs = false,
    .commas = NumberFileFormat::Commas::SameLine,
    .after = NumberFileFormat::After::Refused,
    .maxBytes = kParaFileMaxBytes,
};

// The values of a good text into image rows 0..480.
ParaFileResult Taken(const NumberFileResult& n, const std::array<std::int16_t, kParaFileValues>& values,
                     img::Image& image) {
  if (n.ok())
    for (int r = 0; r < kParaFileRows; ++r)
      for (int c = 0; c < img::kCols; ++c)
        image(r, c) = values[static_cast<std::size_t>(r) * img::kCols + static_cast<std::size_t>(c)];
  return n;
}

}  // namespace

QByteArray Para_file_text(const img::Image& image) {
  QByteArray out;
  out.reserve(qsizetype{kParaFileRows} * (img::kCols * 5 + 2));
  for (int r = 0; r < kParaFileRows; ++r) {
    for (int c = 0; c < img::kCols; ++c) Number_file_put(out, image(r, c));
    out += "\r\n";
  }
  return out;
}

ParaFileResult Para_file_read(QByteArrayView text, img::Image& image) {
  std::array<std::int16_t, kParaFileValues> values{};
  return Taken(Number_file_read(text, kFormat, values), values, image);
}

ParaFileResult Para_file_load(const QString& path, img::Image& image) {
  std::array<std::int16_t, kParaFileValues> values{};
  return Taken(Number_file_load(path, kFormat, values), values, image);
}

bool Para_file_save(const QString& path, const img::Image& image, ParaSaveFailure* failure) {
  return Number_file_save(path, Para_file_text(image), failure);
}

namespace {

// Why a parameter file could not be read or saved.
constexpr Text kLoadFailed{"The parameter file could not be read.", "参数文件读取失败 ！"};
constexpr Text kSaveFailed{"The parameter file could not be saved.", "参数文件保存失败 ！"};
constexpr Text kTooLarge{"The file is too large to be a parameter file.", "文件太大，不是参数文件。"};
constexpr Text kTooFew{"The file holds only %1 of the %2 values.", "文件只有 %1 个数值，应有 %2 个。"};
constexpr Text kNotAByte{"Line %1: \"%2\" is not a whole number from 0 to 255.",
                         "第 %1 行：“%2”不是 0 至 255 的整数。"};
constexpr Text kEmptyField{"Line %1: a value is missing next to a comma.", "第 %1 行：逗号旁缺少数值。"};
constexpr Text kTooMany{"Line %1: \"%3\" follows the last of the %2 values.", "第 %1 行：第 %2 个数值之后还有“%3”。"};

}  // namespace

QString Para_file_error_text(const ParaFileResult& r, bool chinese) {
  QString detail;
  const QString line = QString::number(r.line);
  const QString field = Number_file_shown(r.field);
  const QString total = QString::number(kParaFileValues);
  switch (r.error) {
    case NumberFileError::None: return QString();
    case NumberFileError::Missing: detail = kNumberFileMissing.in(chinese); break;
    case NumberFileError::CannotOpen: detail = kNumberFileCannotOpen.in(chinese); break;
    case NumberFileError::TooLarge: detail = kTooLarge.in(chinese); break;
    case NumberFileError::TooFew: detail = kTooFew.in(chinese).arg(r.numbers).arg(total); break;
    case NumberFileError::NotANumber:
    case NumberFileError::OutOfRange: detail = kNotAByte.in(chinese).arg(line, field); break;
    case NumberFileError::EmptyField: detail = kEmptyField.in(chinese).arg(line); break;
    case NumberFileError::TooMany: detail = kTooMany.in(chinese).arg(line, total, field); break;
  }
  return Number_file_error_text(kLoadFailed, detail, chinese);
}

QString Para_file_save_error_text(const ParaSaveFailure& failure, bool chinese) {
  return Number_file_save_error_text(kSaveFailed, failure, chinese);
}

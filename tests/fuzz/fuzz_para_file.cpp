// Fuzz target for the .dat reader: whatever the bytes, the reader must not
// crash or hang, must leave the image untouched when it refuses the text, and
// may accept only a text of exactly 7696 whole numbers 0..255 separated by
// blanks, line ends and single commas (between an optional byte-order mark and
// an optional end-of-file mark).
#include "image/para_file.h"
#include "marks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail() { std::abort(); }

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

// An independent reading of what an accepted text may hold: fields of digits
// with a value up to 255; a comma only after a value on the same line, and a
// value after it on the same line.
bool Fields(const char* p, std::size_t n, std::vector<int>& out) {
  bool commaAllowed = false, needValue = false;
  std::size_t i = 0;
  while (i < n) {
    const char c = p[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '\r' || c == '\n') {
      if (needValue) return false;
      commaAllowed = false;
      ++i;
    } else if (c == ',') {
      if (!commaAllowed) return false;
      commaAllowed = false;
      needValue = true;
      ++i;
    } else {
      int v = 0;
      bool digits = true;
      for (; i < n && !IsSeparator(p[i]); ++i) {
        if (p[i] < '0' || p[i] > '9')
          digits = false;
        else if (v <= 255)
          v = v * 10 + (p[i] - '0');
      }
      if (!digits || v > 255) return false;
      out.push_back(v);
      commaAllowed = true;
      needValue = false;
    }
  }
  return !needValue;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  img::Image image;
  for (int r = 0; r < img::kRows; ++r)
    for (int c = 0; c < img::kCols; ++c) image(r, c) = static_cast<std::int16_t>(1000 + r * 16 + c);
  const img::Image before = image;

  const ParaFileResult result = Para_file_read(QByteArrayView(text, static_cast<qsizetype>(size)), image);
  if (!result.ok()) {
    if (!(image == before)) Fail();
    if (result.field.size() > 24) Fail();
    (void)Para_file_error_text(result, false);
    (void)Para_file_error_text(result, true);
    return 0;
  }
  std::vector<int> fields;
  const char* body = text;
  std::size_t bodySize = size;
  WithoutMarks(body, bodySize);
  if (!Fields(body, bodySize, fields) || fields.size() != static_cast<std::size_t>(kParaFileValues)) Fail();
  for (int k = 0; k < kParaFileValues; ++k)
    if (image(k / 16, k % 16) != fields[static_cast<std::size_t>(k)]) Fail();
  for (int r = img::kFileLastRow + 1; r < img::kRows; ++r)
    for (int c = 0; c < img::kCols; ++c)
      if (image(r, c) != before(r, c)) Fail();
  // What was accepted writes back and reads again to the same image.
  img::Image again = before;
  if (!Para_file_read(Para_file_text(image), again).ok() || !(again == image)) Fail();
  return 0;
}

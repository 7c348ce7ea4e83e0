// Fuzz target for the .adj reader: whatever the bytes, the reader must not
// crash or hang, must hand nothing on when it refuses the text, and may accept
// only a text whose first 257 numbers are a band choice 0 or 1 and 256 whole
// numbers 0..255, separated by blanks, line ends and single commas (after an
// optional byte-order mark, and before an optional end-of-file mark); whatever
// follows the 257th number is ignored.
#include "alignment/adj_file.h"
#include "marks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail() { std::abort(); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// An independent reading of the first 257 numbers, or false when the text
// cannot be accepted.
bool Numbers(const char* p, std::size_t n, std::vector<long>& out) {
  std::size_t i = 0;
  while (out.size() < static_cast<std::size_t>(adj::kAdjFileNumbers)) {
    while (i < n && IsSpace(p[i])) ++i;
    if (!out.empty() && i < n && p[i] == ',') {
      ++i;
      while (i < n && IsSpace(p[i])) ++i;
    }
    if (i >= n) return false;
    const std::size_t start = i;
    while (i < n && !IsSpace(p[i]) && p[i] != ',') ++i;
    std::size_t k = start;
    bool negative = false;
    if (k < i && (p[k] == '+' || p[k] == '-')) negative = p[k++] == '-';
    if (k == i) return false;
    long v = 0;
    for (; k < i; ++k) {
      if (p[k] < '0' || p[k] > '9') return false;
      if (v < 100000) v = v * 10 + (p[k] - '0');
    }
    out.push_back(negative ? -v : v);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  adj::AdjFileData d;
  d.bandChecked = true;
  for (auto& row : d.rows) row.fill(1000);
  const adj::AdjFileData before = d;

  const adj::AdjFileResult result = adj::Adj_file_read(QByteArrayView(text, static_cast<qsizetype>(size)), d);
  if (!result.ok()) {
    if (d.bandChecked != before.bandChecked || d.rows != before.rows) Fail();
    if (result.field.size() > 24) Fail();
    (void)adj::Adj_file_error_text(result, false);
    (void)adj::Adj_file_error_text(result, true);
    return 0;
  }
  std::vector<long> nums;
  const char* body = text;
  std::size_t bodySize = size;
  WithoutMarks(body, bodySize);
  if (!Numbers(body, bodySize, nums)) Fail();
  if (nums[0] != 0 && nums[0] != 1) Fail();
  if (d.bandChecked != (nums[0] == 1)) Fail();
  for (int k = 1; k < adj::kAdjFileNumbers; ++k) {
    const long v = nums[static_cast<std::size_t>(k)];
    if (v < 0 || v > 255) Fail();
    if (d.rows[static_cast<std::size_t>((k - 1) / 16)][static_cast<std::size_t>((k - 1) % 16)] != v) Fail();
  }
  // What was accepted writes back and reads again to the same data.
  adj::Table t{};
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) t[r][c] = d.rows[r][c];
  adj::AdjFileData again;
  if (!adj::Adj_file_read(adj::Adj_file_text(t, d.bandChecked), again).ok()) Fail();
  if (again.bandChecked != d.bandChecked || again.rows != d.rows) Fail();
  return 0;
}

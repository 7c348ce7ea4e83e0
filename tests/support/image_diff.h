#pragma once
// Compares two parameter images cell by cell and describes the first cells
// that differ, so a failed check shows where an image went wrong.
#include "state/image.h"

#include <random>
#include <string>

inline std::string ImageDiff(const img::Image& got, const img::Image& want, int maxReported = 12) {
  std::string out;
  int count = 0;
  for (int r = 0; r < img::kRows; ++r)
    for (int c = 0; c < img::kCols; ++c)
      if (got(r, c) != want(r, c)) {
        if (count < maxReported)
          out += "(" + std::to_string(r) + "," + std::to_string(c) + "): got " + std::to_string(got(r, c)) + " want " +
                 std::to_string(want(r, c)) + "\n";
        ++count;
      }
  if (count > maxReported) out += "... " + std::to_string(count) + " cells differ\n";
  return out;
}

// Writes bytes into a row of an image from column first on.
template <typename Bytes>
void PutBytes(img::Image& im, int row, int first, const Bytes& bytes) {
  int c = first;
  for (auto b : bytes) im(row, c++) = static_cast<std::int16_t>(b);
}

// An image whose rows 0..495 hold a fixed pseudo-random pattern of bytes.
inline img::Image RandomImage(unsigned seed) {
  img::Image im;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int r = 0; r < img::kRows; ++r)
    for (int c = 0; c < img::kCols; ++c) im(r, c) = static_cast<std::int16_t>(byte(gen));
  return im;
}

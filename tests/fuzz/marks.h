#pragma once
// The fuzz targets' own reading of what every number file leaves out: a
// leading UTF-8 byte-order mark and a trailing DOS end-of-file mark (0x1A
// followed only by more marks, blanks and line ends).
#include <cstddef>

inline void WithoutMarks(const char*& p, std::size_t& n) {
  if (n >= 3 && p[0] == '\xEF' && p[1] == '\xBB' && p[2] == '\xBF') {
    p += 3;
    n -= 3;
  }
  auto padding = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1A'; };
  std::size_t tail = n;
  while (tail > 0 && padding(p[tail - 1])) --tail;
  for (std::size_t i = tail; i < n; ++i)
    if (p[i] == '\x1A') {
      n = i;
      return;
    }
}

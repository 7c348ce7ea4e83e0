#pragma once
// The factory alignment table at a fixed clock, as the start-up builds it:
// the defaults, and the table with their rows 0..15 copied in.
#include "alignment/adj_table.h"
#include "image/adj_defaults.h"
#include "state/image.h"
#include "state/session.h"

inline adj::Table AdjFactoryDefaults() {
  Session s;
  Adj_defaults_init(s, [] { return DateTime{2026, 12, 8, 18, 44, 0}; });
  return s.AdjDefaults;
}

inline adj::Table AdjFactoryTable() {
  const adj::Table d = AdjFactoryDefaults();
  adj::Table t{};
  for (std::size_t r = 0; r < adj::kFileRows; ++r)
    for (std::size_t c = 0; c < adj::kRowCols; ++c) t[r][c] = d[r][c];
  return t;
}

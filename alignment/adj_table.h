#pragma once
// The alignment table: the radio's alignment area as rows of 16 byte values
// in 16-bit cells, 33 rows by 17 columns of which rows 0..19 and columns
// 0..15 are used. Rows 0..15 are what the editor shows, edits, saves and
// writes to the radio; rows 16..19 hold 0x1EC0..0x1EFF as last read.
//
// The type is the same as the shared state's alignment table and defaults,
// so the window hands them in directly.
#include <array>
#include <cstdint>

namespace adj {

using Cell = std::int16_t;
constexpr int kTableRows = 33;
constexpr int kTableCols = 17;
using Table = std::array<std::array<Cell, kTableCols>, kTableRows>;

constexpr int kRowCols = 16;   // used columns of a row
constexpr int kFileRows = 16;  // rows 0..15: shown, edited, saved and written
// Rows 0..15, columns 0..15, as a file holds them.
using FileRows = std::array<std::array<Cell, kRowCols>, kFileRows>;

// Rows by meaning.
constexpr int kRowSqVhf = 6, kRowSqOffsetVhf = 7, kRowSqUhf = 8, kRowSqOffsetUhf = 9;
constexpr int kRowDev = 10, kRowVox = 11, kRowLimits = 12, kRowPonMsg = 13, kRowInfo = 14;

// The window's band edges in whole MHz: entry 0 the first band, entry 1 the
// second band (400..520, or 200..270 while the 200..270 MHz band is chosen).
struct Bands {
  std::array<int, 2> low{};
  std::array<int, 2> high{};
};

constexpr Bands Adj_bands(bool band220) {
  return band220 ? Bands{{130, 200}, {179, 270}} : Bands{{130, 400}, {179, 520}};
}

}  // namespace adj

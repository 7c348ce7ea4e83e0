#pragma once
// The parameter image: the program's one copy of the radio's parameter memory.
// Cell (r, c) holds the radio byte at address r * 16 + c. Only rows 0..495 are
// kept; 0xFF marks unprogrammed bytes.
#include <array>
#include <cstddef>
#include <cstdint>

namespace img {

constexpr int kRows = 496;
constexpr int kCols = 16;
constexpr std::int16_t kEmpty = 0xFF;

// Memory map, in image rows.
constexpr int kChannelFirst = 0, kChannelLast = 199;  // 0x0000-0x0C7F channel records
constexpr int kDtmfFirst = 208, kDtmfLast = 223;      // 0x0D00-0x0DFF DTMF block
constexpr int kDtmfSettingsRow = 223;
constexpr int kOptFirst = 226, kOptLast = 229;            // 0x0E20-0x0E5F option block
constexpr int kChannAbRow = 231;                          // 0x0E70 selected channels A/B
constexpr int kVfoAFirst = 240, kVfoALast = 241;          // 0x0F00 VFO A
constexpr int kVfoBFirst = 242, kVfoBLast = 243;          // 0x0F20 VFO B
constexpr int kFmLabelsFirst = 244, kFmLabelsLast = 245;  // 0x0F40-0x0F5F FM band labels
constexpr int kNameFirst = 256, kNameLast = 455;          // 0x1000-0x1C7F channel names

// Row ranges of the paths that move whole rows.
constexpr int kReadLastRow = 479;   // read-all replaces rows 0..479
constexpr int kWriteLastRow = 448;  // write-all sends rows 0..448
constexpr int kFileLastRow = 480;   // the .dat file holds rows 0..480
constexpr int kFillLastRow = 495;   // the start-up fill covers rows 0..495

constexpr int kChannelCount = 200;

// Conversions between radio addresses, option offsets, channels and cells.
struct Cell {
  int row;
  int col;
  bool operator==(const Cell&) const = default;
};
constexpr Cell AddressToCell(int address) { return {address / 16, address % 16}; }
constexpr int CellToAddress(int row, int col) { return row * 16 + col; }
constexpr Cell OptionCell(int offset) { return {kOptFirst + offset / 16, offset % 16}; }
constexpr int ChannelRow(int channel) { return channel; }
constexpr int NameRow(int channel) { return kNameFirst + channel; }
// A 64-byte block at radio address 64 * n is rows 4n..4n+3.
constexpr int BlockFirstRow(int address) { return address / 16; }
// A 16-byte row is sent to address high = row / 16, low = (row % 16) * 16.
constexpr int RowAddressHigh(int row) { return row / 16; }
constexpr int RowAddressLow(int row) { return (row % 16) * 16; }

class Image {
 public:
  Image() { clear(0); }
  std::int16_t& operator()(int r, int c) { return cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
  std::int16_t operator()(int r, int c) const {
    return cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
  }
  std::int16_t& at(Cell cell) { return (*this)(cell.row, cell.col); }
  std::int16_t at(Cell cell) const { return (*this)(cell.row, cell.col); }
  // Sets rows first..last, all 16 columns, to v.
  void fillRows(int first, int last, std::int16_t v) {
    for (int r = first; r <= last; ++r) cells_[static_cast<std::size_t>(r)].fill(v);
  }
  void clear(std::int16_t v) { fillRows(0, kRows - 1, v); }
  bool operator==(const Image&) const = default;

 private:
  std::array<std::array<std::int16_t, kCols>, kRows> cells_{};
};

}  // namespace img

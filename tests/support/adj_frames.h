#pragma once
// What the PC must send in the alignment read and write, and where the radio
// keeps the table's rows, written out here rather than taken from the
// program.
#include "alignment/adj_exchange.h"
#include "alignment/adj_table.h"
#include "link/hand_code.h"

#include <cstdint>
#include <vector>

namespace adj_frames {

using Bytes = std::vector<std::uint8_t>;

// Radio 0x1F00 + 16k for table rows 0..15 as the write sends them, rows 13
// and 14 excepted.
inline constexpr int kWriteAddress[16] = {0x1F00, 0x1F10, 0x1F20, 0x1F30, 0x1F40, 0x1F50, 0x1F60, 0x1F70,
                                          0x1F80, 0x1F90, 0x1FA0, 0x1FB0, 0x1FC0, 0x1EE0, 0x1ED0, 0x1FF0};
// Where a read takes table rows 0..19 from (after its copies of 18 and 17).
inline int Read_source(int row) {
  if (row == 13) return 0x1EE0;
  if (row == 14) return 0x1ED0;
  if (row >= 16) return 0x1EC0 + 16 * (row - 16);
  return 0x1F00 + 16 * row;
}

inline Bytes Entry() { return Bytes(kHandCode.begin(), kHandCode.begin() + 7); }
// The 12 marker letters and four zero bytes.
inline Bytes Marker() {
  Bytes m(adj::kMarkerLetters.begin(), adj::kMarkerLetters.end());
  m.insert(m.end(), 4, 0x00);
  return m;
}

// The 17 frames of a write of `t`.
inline Bytes Write_frames(const adj::Table& t) {
  Bytes out{0x58, 0x0D, 0xF0, 0x10};
  const Bytes m = Marker();
  out.insert(out.end(), m.begin(), m.end());
  for (int k = 0; k < 16; ++k) {
    out.insert(out.end(), {0x58, static_cast<std::uint8_t>(kWriteAddress[k] >> 8),
                           static_cast<std::uint8_t>(kWriteAddress[k] & 0xFF), 0x10});
    for (int c = 0; c < 16; ++c)
      out.push_back(static_cast<std::uint8_t>(t[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)]));
  }
  return out;
}

// A whole read: the handshake, then five requests, each reply acknowledged at once.
inline Bytes Read_bytes() {
  Bytes out = Entry();
  out.insert(out.end(), {0x02, 0x06});
  for (int a : {0x1F00, 0x1F40, 0x1F80, 0x1FC0, 0x1EC0})
    out.insert(out.end(), {0x53, static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF), 0x40, 0x06});
  return out;
}

// A whole write of `t`: the handshake, then the 17 frames.
inline Bytes Write_bytes(const adj::Table& t) {
  Bytes out = Entry();
  out.insert(out.end(), {0x02, 0x06});
  const Bytes f = Write_frames(t);
  out.insert(out.end(), f.begin(), f.end());
  return out;
}

}  // namespace adj_frames

#include "link/link_protocol.h"

#include "platform/core/numbers.h"

#include <algorithm>

namespace proto {

namespace {
std::uint8_t Byte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }
// A BCD byte: tens in the high nibble, units in the low one, unchecked.
int Bcd(std::uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }
}  // namespace

Addr Block_address(int n, std::uint8_t baseHi, std::uint8_t baseLo) {
  return {Byte(n / 4 + baseHi), Byte((n % 4) * 64 + baseLo)};
}

Addr Row_address(int k, std::uint8_t baseHi, std::uint8_t baseLo) {
  return {Byte(k / 16 + baseHi), Byte((k % 16) * 16 + baseLo)};
}

Frame Read_cmd(Addr a, std::uint8_t length) {
  Frame f;
  for (std::uint8_t b : {Cmd_read, a.hi, a.lo, length}) f.push(b);
  return f;
}

Frame Data_frame(Addr a, std::span<const std::uint8_t> data) {
  const std::size_t n = std::min<std::size_t>(data.size(), kTxMax - 4);
  Frame f;
  for (std::uint8_t b : {Cmd_data, a.hi, a.lo, Byte(static_cast<int>(n))}) f.push(b);
  for (std::size_t i = 0; i < n; ++i) f.push(data[i]);
  return f;
}

Frame Empty_row_frame(Addr a) {
  Frame f;
  for (std::uint8_t b : {Cmd_data, a.hi, a.lo, std::uint8_t{0x01}, std::uint8_t{0xFF}}) f.push(b);
  return f;
}

bool Ident_accepted(std::span<const std::uint8_t> eight) {
  return eight.size() >= kIdentLen && eight[0] == Ident_head && eight[kIdentLen - 1] == Ident_tail;
}

IdentEdges Ident_edges(std::span<const std::uint8_t> frame) {
  IdentEdges e;
  if (frame.size() < kIdentLen) return e;
  e.a_low = 100 + Bcd(frame[1]);
  e.a_high = 100 + Bcd(frame[2]);
  e.b_low = 100 * frame[3] + Bcd(frame[4]);
  e.b_high = 100 * frame[5] + Bcd(frame[6]);
  return e;
}

QString Ident_panel7_text(const IdentEdges& e) {
  return QStringLiteral("VHF:") + num::Signed(e.a_low) + QStringLiteral("--") + num::Signed(e.a_high) +
         QStringLiteral(" MHZ");
}

QString Ident_panel8_text(const IdentEdges& e) {
  return QStringLiteral("UHF:") + num::Signed(e.b_low) + QStringLiteral("--") + num::Signed(e.b_high) +
         QStringLiteral(" MHZ");
}

IdentEdges Ident_decode(Session& st, std::span<const std::uint8_t> frame) {
  const IdentEdges e = Ident_edges(frame);
  st.Freq_a_low = e.a_low;
  st.Freq_a_high = e.a_high;
  st.Freq_b_low = e.b_low;
  st.Freq_b_high = e.b_high;
  // The editors' limits now follow the radio.
  st.Freq_vhf_low = st.Freq_a_low;
  st.Freq_vhf_high = st.Freq_a_high;
  st.Freq_uhf_low = st.Freq_b_low;
  st.Freq_uhf_high = st.Freq_b_high;
  return e;
}

}  // namespace proto

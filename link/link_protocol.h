#pragma once
// The wire protocol between the PC and the radio: byte values, frames, the
// address arithmetic of block and row frames, and the identification frame.
// No frame carries a checksum; replies are taken by byte count.
#include "state/session.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace proto {

// Byte values.
constexpr std::uint8_t Cmd_ack = 0x06;     // acknowledgement, both directions
constexpr std::uint8_t Cmd_ident = 0x02;   // PC: send the identification frame
constexpr std::uint8_t Cmd_read = 0x53;    // 'S', first byte of a read request
constexpr std::uint8_t Cmd_data = 0x58;    // 'X', first byte of a data frame
constexpr std::uint8_t Ident_head = 0xAA;  // first byte of the identification frame
constexpr std::uint8_t Ident_tail = 0xDD;  // last byte of the identification frame

constexpr int kIdentLen = 8;         // the identification frame
constexpr int kTxMax = 201;          // a frame the PC sends holds at most 201 bytes
constexpr int kRxMax = 2001;         // one receive event reads at most 2001 bytes
constexpr int kMemorySize = 0x2000;  // the radio's parameter memory
constexpr int kBlockLen = 64;        // a read reply carries 64 data bytes
constexpr int kRowLen = 16;          // a row frame carries 16 data bytes

// A frame to send, bounded by construction: bytes beyond kTxMax are dropped.
struct Frame {
  std::array<std::uint8_t, kTxMax> bytes{};
  int len = 0;
  void push(std::uint8_t b) {
    if (len < kTxMax) bytes[static_cast<std::size_t>(len++)] = b;
  }
  std::span<const std::uint8_t> view() const& { return {bytes.data(), static_cast<std::size_t>(len)}; }
  std::span<const std::uint8_t> view() && = delete;  // would outlive the frame
};

// An address as the frames carry it: high byte, low byte.
struct Addr {
  std::uint8_t hi = 0, lo = 0;
  int value() const { return hi * 256 + lo; }
  bool operator==(const Addr&) const = default;
};

// Block n of 64 bytes and row k of 16 bytes, with the exchange's address
// bases added to each byte separately (no carry from low to high).
Addr Block_address(int n, std::uint8_t baseHi, std::uint8_t baseLo);
Addr Row_address(int k, std::uint8_t baseHi, std::uint8_t baseLo);

// 'S', address high, address low, length.
Frame Read_cmd(Addr a, std::uint8_t length);
// 'X', address high, address low, length, then the data bytes (at most
// kTxMax - 4 of them; the length byte is the number of data bytes).
Frame Data_frame(Addr a, std::span<const std::uint8_t> data);
// 'X', address high, address low, 0x01, 0xFF: an empty channel record.
Frame Empty_row_frame(Addr a);

// Band edges of an identification frame, whole MHz.
struct IdentEdges {
  double a_low = 0, a_high = 0, b_low = 0, b_high = 0;
  bool operator==(const IdentEdges&) const = default;
};

// True when the 8 bytes read in one event are an identification frame:
// 0xAA first, 0xDD last.
bool Ident_accepted(std::span<const std::uint8_t> eight);

// The edges of an identification frame (bytes 1..6; BCD nibbles are not
// checked: a nibble above 9 simply counts with its value).
IdentEdges Ident_edges(std::span<const std::uint8_t> frame);

// Status panel texts of decoded edges: "VHF: 136-- 174 MHZ", "UHF: 400-- 520 MHZ".
QString Ident_panel7_text(const IdentEdges& e);
QString Ident_panel8_text(const IdentEdges& e);

// Decodes an accepted identification frame: the band edges Freq_a_low ..
// Freq_b_high and, from them, the editors' band limits Freq_vhf_low ..
// Freq_uhf_high. The caller shows the panel texts.
IdentEdges Ident_decode(Session& st, std::span<const std::uint8_t> frame);

}  // namespace proto

// Frames, address arithmetic, the identification frame and the entry sequence.
#include "link/hand_code.h"
#include "link/link_protocol.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {
Bytes Of(const proto::Frame& f) { return Bytes(f.view().begin(), f.view().end()); }
}  // namespace

TEST(LinkProtocol, BlockAndRowAddresses) {
  struct Case {
    const char* name;
    bool block;
    int n, baseHi, baseLo;
    int hi, lo;
  };
  const Case cases[] = {
      {"block 0", true, 0, 0, 0, 0x00, 0x00},
      {"block 1, bases 0x1F/0", true, 1, 0x1F, 0, 0x1F, 0x40},
      {"block 119", true, 119, 0, 0, 0x1D, 0xC0},
      {"block 3, bases 0x1F/0", true, 3, 0x1F, 0, 0x1F, 0xC0},
      {"row 449", false, 449, 0, 0, 0x1C, 0x10},
      {"row 448", false, 448, 0, 0, 0x1C, 0x00},
      {"row 15, bases 0x1F/0", false, 15, 0x1F, 0, 0x1F, 0xF0},
      {"bases add to each byte without carry", false, 15, 0, 0x20, 0x00, 0x10},
  };
  for (const Case& c : cases) {
    const auto hi = static_cast<std::uint8_t>(c.baseHi), lo = static_cast<std::uint8_t>(c.baseLo);
    const proto::Addr a = c.block ? proto::Block_address(c.n, hi, lo) : proto::Row_address(c.n, hi, lo);
    EXPECT_EQ(a.hi, c.hi) << c.name;
    EXPECT_EQ(a.lo, c.lo) << c.name;
  }
}

TEST(LinkProtocol, Frames) {
  EXPECT_EQ(Of(proto::Read_cmd({0x1D, 0xC0}, 0x40)), (Bytes{0x53, 0x1D, 0xC0, 0x40}));
  EXPECT_EQ(Of(proto::Empty_row_frame({0x00, 0x10})), (Bytes{0x58, 0x00, 0x10, 0x01, 0xFF}));
  Bytes row(16);
  for (int i = 0; i < 16; ++i) row[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  Bytes expected{0x58, 0x1C, 0x00, 0x10};
  for (std::uint8_t b : row) expected.push_back(b);
  EXPECT_EQ(Of(proto::Data_frame({0x1C, 0x00}, row)), expected);
  // Bounded by construction: never more than 201 bytes.
  const proto::Frame big = proto::Data_frame({0, 0}, Bytes(300, 0x11));
  EXPECT_EQ(big.len, proto::kTxMax);
  EXPECT_EQ(big.bytes[3], proto::kTxMax - 4);
  proto::Frame f;
  for (int i = 0; i < 500; ++i) f.push(1);
  EXPECT_EQ(f.len, proto::kTxMax);
}

TEST(LinkProtocol, IdentificationFrame) {
  struct Case {
    const char* name;
    Bytes frame;
    bool accepted;
    proto::IdentEdges edges;
    const char *panel7, *panel8;
  };
  const Case cases[] = {
      {"136..174 and 400..520",
       {0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20, 0xDD},
       true,
       {136, 174, 400, 520},
       "VHF: 136-- 174 MHZ",
       "UHF: 400-- 520 MHZ"},
      {"a nibble above 9 counts with its value",
       {0xAA, 0x3A, 0x74, 0x02, 0x20, 0x02, 0x70, 0xDD},
       true,
       {140, 174, 220, 270},
       "VHF: 140-- 174 MHZ",
       "UHF: 220-- 270 MHZ"},
      {"stray byte ahead", {0x00, 0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20}, false, {}, nullptr, nullptr},
      {"wrong tail", {0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20, 0xDE}, false, {}, nullptr, nullptr},
      {"seven bytes", {0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0xDD}, false, {}, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(proto::Ident_accepted(c.frame), c.accepted) << c.name;
    if (!c.accepted) continue;
    EXPECT_EQ(proto::Ident_edges(c.frame), c.edges) << c.name;
    EXPECT_EQ(proto::Ident_panel7_text(c.edges).toStdString(), c.panel7);
    EXPECT_EQ(proto::Ident_panel8_text(c.edges).toStdString(), c.panel8);
    SessionAndImage st;
    proto::Ident_decode(st, c.frame);
    EXPECT_EQ((std::array<double, 8>{st.Freq_a_low, st.Freq_a_high, st.Freq_b_low, st.Freq_b_high, st.Freq_vhf_low,
                                     st.Freq_vhf_high, st.Freq_uhf_low, st.Freq_uhf_high}),
              (std::array<double, 8>{c.edges.a_low, c.edges.a_high, c.edges.b_low, c.edges.b_high, c.edges.a_low,
                                     c.edges.a_high, c.edges.b_low, c.edges.b_high}))
        << c.name;
  }
}

TEST(LinkProtocol, EntrySequenceHoldsNoProtocolByte) {
  for (std::uint8_t b : kHandCode)
    for (std::uint8_t p :
         {proto::Cmd_ack, proto::Cmd_ident, proto::Cmd_read, proto::Cmd_data, proto::Ident_head, proto::Ident_tail})
      EXPECT_NE(b, p);
  SessionAndImage st;
  Hand_code_init(st);
  EXPECT_EQ(st.Hand_code, kHandCode);
}

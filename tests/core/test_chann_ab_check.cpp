#include "image/chann_ab_check.h"
#include "image/factory_startup.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kRow = 231;
constexpr std::int16_t kMarker = 0x3C;
constexpr std::int16_t kOpt44 = 0x5A;

// A receive frequency of 145.00000 MHz, least significant byte first.
const std::vector<int> kRx{0x00, 0x00, 0x50, 0x14};

struct Case {
  std::string name;
  std::set<int> programmed;  // channels with a whole receive frequency
  int a, b;                  // bytes 6 and 7 before the check
  int wantA, wantB;
  bool opt44Cleared;
};

class ChannAbCheck : public ::testing::TestWithParam<Case> {};

// Channels empty, row 231 and the option byte hold markers.
SessionAndImage Prepared(const Case& c) {
  SessionAndImage s;
  s.Image.clear(kMarker);
  s.Image.fillRows(0, 199, img::kEmpty);
  for (int n : c.programmed) PutBytes(s.Image, n, 0, kRx);
  s.Image(kRow, 6) = static_cast<std::int16_t>(c.a);
  s.Image(kRow, 7) = static_cast<std::int16_t>(c.b);
  s.Image(228, 12) = kOpt44;
  return s;
}

TEST_P(ChannAbCheck, CorrectsBothSidesAndTouchesNothingElse) {
  const Case& c = GetParam();
  SessionAndImage s = Prepared(c);
  img::Image want = s.Image;
  want(kRow, 1) = 0;
  want(kRow, 6) = static_cast<std::int16_t>(c.wantA);
  want(kRow, 7) = static_cast<std::int16_t>(c.wantB);
  if (c.opt44Cleared) want(228, 12) = 0;
  Chann_ab_check(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannAbCheck,
    ::testing::Values(Case{"ProgrammedSidesStay", {5, 9}, 5, 9, 5, 9, false},
                      Case{"EmptySideTakesLowestProgrammed", {3, 5, 40}, 7, 5, 3, 5, false},
                      Case{"SidesAreCorrectedIndependently", {3, 5}, 5, 100, 5, 3, false},
                      Case{"BothEmptyTakeLowest", {17, 64}, 20, 21, 17, 17, false},
                      Case{"ChannelZeroCounts", {0, 8}, 0, 3, 0, 0, false},
                      Case{"Channel127Stays", {127}, 127, 127, 127, 127, false},
                      Case{"AboveRangeIsChannelZeroWhichIsProgrammed", {0, 4}, 128, 255, 0, 0, false},
                      Case{"AboveRangeIsChannelZeroWhichIsEmpty", {4, 6}, 200, 255, 4, 4, false},
                      Case{"NegativeIsChannelZero", {2}, -1, -300, 2, 2, false},
                      Case{"OnlyChannelsAbove127Programmed", {128, 150, 199}, 130, 5, 0, 0, true},
                      Case{"NothingProgrammed", {}, 9, 255, 0, 0, true},
                      Case{"NothingProgrammedSidesAlreadyZero", {}, 0, 0, 0, 0, true}),
    [](const ::testing::TestParamInfo<Case>& i) { return i.param.name; });

TEST(ChannAbCheckRecord, ReceiveFrequencyMustBeWholeAndTheRestPlaysNoPart) {
  // Bytes 0..2 set but byte 3 0xFF: not programmed. Bytes 4..15 0xFF: programmed.
  struct Rec {
    std::vector<int> bytes;
    bool programmed;
  };
  const std::vector<Rec> recs{
      {{0x00, 0x00, 0x50, 0xFF}, false},
      {{0xFF, 0x00, 0x50, 0x14}, false},
      {{0x00, 0xFF, 0x50, 0x14}, false},
      {{0x00, 0x00, 0xFF, 0x14}, false},
      {{0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, true},
      {{0xFE, 0xFE, 0xFE, 0xFE}, true},
  };
  for (const Rec& r : recs) {
    SessionAndImage s;
    s.Image.fillRows(0, 199, img::kEmpty);
    PutBytes(s.Image, 12, 0, r.bytes);
    PutBytes(s.Image, 30, 0, kRx);
    s.Image(kRow, 6) = 12;
    s.Image(kRow, 7) = 30;
    Chann_ab_check(s.Image);
    EXPECT_EQ(Chann_programmed(s.Image, 12), r.programmed);
    EXPECT_EQ(s.Image(kRow, 6), r.programmed ? 12 : 30) << "record " << ::testing::PrintToString(r.bytes);
  }
}

TEST(ChannAbCheckStartup, FreshStartSelectsTheFirstFactoryChannelOnBothSides) {
  SessionAndImage s;
  Factory_startup(s, s.Image, [] { return DateTime{2026, 12, 10, 9, 30, 0}; });
  ASSERT_EQ(s.Image(kRow, 6), 0xFF);
  ASSERT_EQ(s.Image(0, 0), 0xFF);
  img::Image want = s.Image;
  want(kRow, 1) = 0;
  want(kRow, 6) = 1;
  want(kRow, 7) = 1;
  Chann_ab_check(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
  // A second run changes nothing more.
  Chann_ab_check(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

}  // namespace

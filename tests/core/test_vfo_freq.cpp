// VFO frequency and offset commits, the band choice, the length check and
// the key filter of the frequency and offset boxes.
#include "settings/vfo_freq.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace vfo;

namespace {

constexpr Bands kStartBands{{130, 179}, {400, 520}};

// A record with marker bytes everywhere and a frequency of 146.52000 MHz.
img::Image Marked() {
  img::Image im;
  im.clear(0x3C);
  PutBytes(im, img::kVfoAFirst, kFreqFirst, std::vector<int>{1, 4, 6, 5, 2, 0, 0, 0});
  PutBytes(im, img::kVfoBFirst, kFreqFirst, std::vector<int>{4, 4, 6, 0, 0, 6, 2, 5});
  return im;
}

std::vector<int> Digits(const img::Image& im, Side s, int first, int count) {
  std::vector<int> out;
  for (int n = first; n < first + count; ++n) out.push_back(Byte(im, s, n));
  return out;
}

std::string Str(const QString& s) { return s.toStdString(); }

struct FreqCase {
  std::string name;
  BandLimits limits;
  QString typed;
  std::string shown;        // box text afterwards
  bool message;             // the range message
  std::vector<int> digits;  // bytes 8..15 afterwards; empty: not written
};

class VfoFreqCommit : public ::testing::TestWithParam<FreqCase> {};

TEST_P(VfoFreqCommit, SnapsChecksAndStoresOnlyDigits) {
  const FreqCase& c = GetParam();
  img::Image im = Marked();
  img::Image want = im;
  const Commit r = FreqCommit(im, Side::A, c.typed, c.limits);
  EXPECT_EQ(Str(r.text), c.shown);
  EXPECT_EQ(r.message.has_value(), c.message);
  if (r.message) {
    EXPECT_EQ(Str(r.message->text.in(false)), "当前工作频率超出范围 ！");
    EXPECT_EQ(Str(r.message->title.in(false)), "操作提示");
  }
  if (c.digits.empty()) {
    EXPECT_FALSE(r.stored);
  } else {
    EXPECT_TRUE(r.stored);
    PutBytes(want, img::kVfoAFirst, kFreqFirst, c.digits);
  }
  EXPECT_EQ(ImageDiff(im, want), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VfoFreqCommit,
    ::testing::Values(
        FreqCase{"SnapsTo625Raster", {130, 179}, "146.0070", "146.00625", false, {1, 4, 6, 0, 0, 6, 2, 5}},
        FreqCase{"ShortTextFilled", {130, 179}, "146.01", "146.01000", false, {1, 4, 6, 0, 1, 0, 0, 0}},
        FreqCase{"SnapsTo25Raster", {130, 179}, "146.0085", "146.00750", false, {1, 4, 6, 0, 0, 7, 5, 0}},
        FreqCase{"SnapsDownSmallerRemainder", {130, 179}, "145.1234", "145.12250", false, {1, 4, 5, 1, 2, 2, 5, 0}},
        FreqCase{"WholeMhz", {130, 179}, "136", "136.00000", false, {1, 3, 6, 0, 0, 0, 0, 0}},
        FreqCase{"LastMhzOfBandBelongs", {130, 179}, "179.5", "179.50000", false, {1, 7, 9, 5, 0, 0, 0, 0}},
        FreqCase{"EmptyIsBelow", {130, 179}, "", "130.02500", true, {1, 3, 0, 0, 2, 5, 0, 0}},
        FreqCase{"JustBelow", {130, 179}, "129.99", "130.02500", true, {1, 3, 0, 0, 2, 5, 0, 0}},
        FreqCase{"AtEnd", {130, 179}, "180", "178.62500", true, {1, 7, 8, 6, 2, 5, 0, 0}},
        FreqCase{
            "LeadingBlanksAndTrailingText", {130, 179}, "  146.52 MHZ", "146.52000", false, {1, 4, 6, 5, 2, 0, 0, 0}},
        FreqCase{"NoExponent", {130, 179}, "1.5e2", "130.02500", true, {1, 3, 0, 0, 2, 5, 0, 0}},
        FreqCase{"ToleranceNeverReachesEnd", {130, 179}, "179.9999995", "179.99750", false, {1, 7, 9, 9, 9, 7, 5, 0}},
        FreqCase{"LowLimitBelowSpanTwoDigitText", {0, 165}, "45", "100.02500", true, {1, 0, 0, 0, 2, 5, 0, 0}},
        FreqCase{"LowLimitBelowSpanAbove", {0, 165}, "170", "164.62500", true, {1, 6, 4, 6, 2, 5, 0, 0}},
        FreqCase{"LowLimitBelowSpanInside", {0, 165}, "100", "100.00000", false, {1, 0, 0, 0, 0, 0, 0, 0}},
        FreqCase{"HighLimitBeyondSpan", {400, 1200}, "1000", "998.62500", true, {9, 9, 8, 6, 2, 5, 0, 0}},
        FreqCase{"HighLimitBeyondSpanTopFits", {400, 1200}, "999.99999", "999.99750", false, {9, 9, 9, 9, 9, 7, 5, 0}},
        FreqCase{"BandWhollyBeyondSpanStoresNothing", {1000, 1200}, "1100", "146.52000", true, {}},
        FreqCase{"BandWhollyBeyondSpanEmptyText", {1000, 1200}, "", "146.52000", true, {}}),
    [](const ::testing::TestParamInfo<FreqCase>& i) { return i.param.name; });

TEST(VfoBand, SwitchToSecondBandAndBack) {
  img::Image im = Marked();
  const img::Image before = im;
  BandChoice up = BandChoose(im, Side::A, 1, "146.52000", LimitsOf(kStartBands, 1));
  EXPECT_FALSE(up.commit.message);
  EXPECT_EQ(Str(up.commit.text), "400.02500");
  EXPECT_EQ(Str(up.rangeText), "400 - 520.99750");
  EXPECT_EQ(Byte(im, Side::A, kBand), 1);
  EXPECT_EQ(Digits(im, Side::A, kFreqFirst, 8), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));

  BandChoice down = BandChoose(im, Side::A, 0, "179.50000", LimitsOf(kStartBands, 0));
  EXPECT_FALSE(down.commit.message);
  EXPECT_EQ(Str(down.commit.text), "179.50000");
  EXPECT_EQ(Str(down.rangeText), "130 - 179.99750");
  EXPECT_EQ(Byte(im, Side::A, kBand), 0);
  EXPECT_EQ(Digits(im, Side::A, kFreqFirst, 8), (std::vector<int>{1, 7, 9, 5, 0, 0, 0, 0}));

  // Only the band byte and the frequency digits were written, and only A's.
  img::Image want = before;
  want.at(ByteCell(Side::A, kBand)) = 0;
  PutBytes(want, img::kVfoAFirst, kFreqFirst, std::vector<int>{1, 7, 9, 5, 0, 0, 0, 0});
  EXPECT_EQ(ImageDiff(im, want), "");
}

TEST(VfoBand, RangeTextShowsWhatTheRecordHolds) {
  EXPECT_EQ(Str(RangeText({130, 179})), "130 - 179.99750");
  EXPECT_EQ(Str(RangeText({0, 165})), "100 - 165.99750");
  EXPECT_EQ(Str(RangeText({400, 1200})), "400 - 999.99750");
  EXPECT_EQ(Str(RangeText({1000, 1200})), "1000 - 1200.99750");
  EXPECT_EQ(LimitsOf(kStartBands, 0).low, 130);
  EXPECT_EQ(LimitsOf(kStartBands, 1).high, 520);
}

// VFO B's band list shows the first band: its commit is checked against the
// first band, not against the second band's limits.
TEST(VfoBand, VfoOnTheOtherBandKeepsItsFrequency) {
  img::Image im = Marked();
  PutBytes(im, img::kVfoBFirst, kFreqFirst, std::vector<int>{1, 4, 5, 5, 0, 0, 0, 0});
  im.at(ByteCell(Side::B, kBand)) = 0;
  const img::Image before = im;
  const Commit r =
      FreqCommit(im, Side::B, FreqText(im, Side::B), LimitsOf(kStartBands, ListShown(im, Side::B, List::Band)));
  EXPECT_FALSE(r.message);
  EXPECT_EQ(Str(r.text), "145.50000");
  EXPECT_EQ(ImageDiff(im, before), "");
}

struct OffsetCase {
  std::string name;
  QString typed;
  std::string shown;
  bool message;
  std::vector<int> digits;  // bytes 16..21
};

class VfoOffsetCommit : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(VfoOffsetCommit, SnapsTo5kHzAndStoresSixDigits) {
  const OffsetCase& c = GetParam();
  img::Image im = Marked();
  img::Image want = im;
  PutBytes(want, img::kVfoBLast, 0, c.digits);
  const Commit r = OffsetCommit(im, Side::B, c.typed);
  EXPECT_EQ(Str(r.text), c.shown);
  EXPECT_EQ(r.message.has_value(), c.message);
  if (r.message) {
    EXPECT_EQ(Str(r.message->text.in(false)), "当前工作频率超出范围 ！");
  }
  EXPECT_EQ(ImageDiff(im, want), "");
  EXPECT_EQ(Str(OffsetText(im, Side::B)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, VfoOffsetCommit,
                         ::testing::Values(OffsetCase{"Empty", "", "00.000", false, {0, 0, 0, 0, 0, 0}},
                                           OffsetCase{"BelowOneMhz", "0.6", "00.600", false, {0, 0, 0, 6, 0, 0}},
                                           OffsetCase{"WholeMhz", "5", "05.000", false, {0, 0, 5, 0, 0, 0}},
                                           OffsetCase{"SnapsDown", "1.2349", "01.230", false, {0, 0, 1, 2, 3, 0}},
                                           OffsetCase{"BelowOneStep", "0.004", "00.000", false, {0, 0, 0, 0, 0, 0}},
                                           OffsetCase{"Largest", "59.95", "59.950", false, {0, 5, 9, 9, 5, 0}},
                                           OffsetCase{"AboveLargest", "60", "59.950", true, {0, 5, 9, 9, 5, 0}},
                                           OffsetCase{"Negative", "-5", "00.000", true, {0, 0, 0, 0, 0, 0}}),
                         [](const ::testing::TestParamInfo<OffsetCase>& i) { return i.param.name; });

TEST(VfoOffset, ShownTexts) {
  struct Case {
    std::vector<int> digits;
    std::string shown;
  };
  const Case cases[] = {
      {{0, 0, 5, 0, 0, 0}, "05.000"},
      {{0, 0, 0, 6, 0, 0}, "00.600"},
      {{0, 1, 2, 3, 4, 5}, "12.345"},
      {{0, 5, 9, 9, 5, 0}, "59.950"},
      {{0, 0, 0, 0, 0, 5}, "00.005"},
      {{0, 0, 0, 0, 0, 0}, "00.000"},
      {{0, 0, 0, 0, 0, 1}, "00.001"},
      {{0, 1, 0, 0, 0, 0}, "10.000"},
      {{1, 2, 3, 4, 5, 0}, "123.45"},
      // Not digits (an unprogrammed record): shown as no offset.
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "00.000"},
      {{0, 0, 5, 0, 0, 10}, "00.000"},
  };
  for (const Case& c : cases) {
    img::Image im;
    PutBytes(im, img::kVfoALast, 0, c.digits);
    EXPECT_EQ(Str(OffsetText(im, Side::A)), c.shown) << c.shown;
  }
}

// An unprogrammed offset shows "00.000"; tabbing through the box stores that.
TEST(VfoOffset, UnprogrammedRecordTabbedThroughStoresNoOffset) {
  img::Image im;
  im.clear(0xFF);
  const Commit r = OffsetCommit(im, Side::A, OffsetText(im, Side::A));
  EXPECT_FALSE(r.message);
  EXPECT_EQ(Str(r.text), "00.000");
  EXPECT_EQ(Digits(im, Side::A, kOffsetFirst, kOffsetDigits), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

TEST(VfoBoxes, LengthChecksAndMessage) {
  EXPECT_FALSE(FreqTooLong("146.01234"));
  EXPECT_TRUE(FreqTooLong("146.012345"));
  EXPECT_FALSE(OffsetTooLong("12.345"));
  EXPECT_TRUE(OffsetTooLong("12.3456"));
  EXPECT_EQ(Str(kLengthMessage.text.in(false)), "Over the range of  frequency .");
  EXPECT_EQ(Str(kLengthMessage.text.in(true)), "频率超出范围 ！");
  EXPECT_EQ(Str(kLengthMessage.title.in(false)), "Operate prompt");
  EXPECT_EQ(Str(kLengthMessage.title.in(true)), "操作提示");
  // The range message has no English text.
  EXPECT_EQ(Str(kRangeMessage.text.in(true)), "当前工作频率超出范围 ！");
  EXPECT_EQ(Str(kRangeMessage.text.in(false)), "当前工作频率超出范围 ！");
  EXPECT_EQ(Str(kRangeMessage.title.in(false)), "操作提示");
}

TEST(VfoBoxes, KeyFilter) {
  struct Case {
    int key;
    QString text;
    bool accepted;
  };
  const Case cases[] = {
      {'.', "", false}, {'.', "  ", false},      {'.', "1", true},          {'.', "146.01234", true},
      {'5', "", true},  {'5', "146.0123", true}, {'5', "146.01234", false}, {'5', " 146.0123 ", true},
      {8, "", true},    {8, "146.01234", true},  {'a', "1", false},         {13, "1", false},
      {'-', "", false}, {' ', "1", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BoxKeyAccepted(c.key, c.text), c.accepted) << c.key << " on '" << Str(c.text) << "'";
}

}  // namespace

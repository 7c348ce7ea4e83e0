#include "alignment/adj_rules.h"
#include "alignment/adj_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace adj;

// ---- Number boxes: the value check.
struct ValueCase {
  const char* name;
  QString text;
  int maximum;
  ValueCheck check;
  int value;
};

class ValueCheckTable : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueCheckTable, CheckThenValue) {
  const ValueCase& c = GetParam();
  const ValueResult r = CheckValue(c.text, c.maximum);
  EXPECT_EQ(r.check, c.check);
  if (c.check == ValueCheck::Ok) {
    EXPECT_EQ(r.value, c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ValueCheckTable,
    ::testing::Values(ValueCase{"SpacesAround", QStringLiteral(" 12 "), 255, ValueCheck::Ok, 12},
                      ValueCase{"InnerSpace", QStringLiteral("1 2"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"PlusSign", QStringLiteral("+5"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"MinusSign", QStringLiteral("-1"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"LeadingZeros", QStringLiteral("007"), 255, ValueCheck::Ok, 7},
                      ValueCase{"EmptyIsZero", QString(), 255, ValueCheck::Ok, 0},
                      ValueCase{"OnlySpacesIsZero", QStringLiteral("   "), 20, ValueCheck::Ok, 0},
                      ValueCase{"Top255", QStringLiteral("255"), 255, ValueCheck::Ok, 255},
                      ValueCase{"Above255", QStringLiteral("256"), 255, ValueCheck::OutOfRange, 0},
                      ValueCase{"Offset20", QStringLiteral("20"), 20, ValueCheck::Ok, 20},
                      ValueCase{"Offset21", QStringLiteral("21"), 20, ValueCheck::OutOfRange, 0},
                      ValueCase{"TwentyDigitsSaturate", QStringLiteral("99999999999999999999"), 255,
                                ValueCheck::OutOfRange, 0},
                      ValueCase{"TwentyZerosThenOne", QStringLiteral("00000000000000000001"), 255, ValueCheck::Ok, 1},
                      ValueCase{"FullWidthDigits", QStringLiteral("１２"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"ArabicIndicDigit", QStringLiteral("\u0661"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"Tab", QStringLiteral("\t5"), 255, ValueCheck::NotADigit, 0},
                      ValueCase{"Letter", QStringLiteral("1a"), 255, ValueCheck::NotADigit, 0}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- Band limits.
struct LimitValueCase {
  const char* name;
  QString text;
  int value;
};
class LimitValueTable : public ::testing::TestWithParam<LimitValueCase> {};
TEST_P(LimitValueTable, LeadingNumber) { EXPECT_EQ(LimitValue(GetParam().text), GetParam().value); }
INSTANTIATE_TEST_SUITE_P(
    Limits, LimitValueTable,
    ::testing::Values(LimitValueCase{"Plain", QStringLiteral("130"), 130},
                      LimitValueCase{"LeadingSpaces", QStringLiteral("  179"), 179},
                      LimitValueCase{"LeadingZero", QStringLiteral("0179"), 179},
                      LimitValueCase{"StopsAtInnerSpace", QStringLiteral("1 30"), 1},
                      LimitValueCase{"NoSign", QStringLiteral("+150"), 0},
                      LimitValueCase{"NoPoint", QStringLiteral("150.5"), 150},
                      LimitValueCase{"NoExponent", QStringLiteral("1e3"), 1},
                      LimitValueCase{"NoNumber", QStringLiteral("abc"), 0}, LimitValueCase{"Empty", QString(), 0},
                      LimitValueCase{"Saturates", QStringLiteral("123456789012345678901234"), kSaturated}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdjLimits, TextFromCells) {
  EXPECT_EQ(LimitText(1, 0x30), QStringLiteral("130"));
  EXPECT_EQ(LimitText(1, 0x79), QStringLiteral("179"));
  EXPECT_EQ(LimitText(2, 0x3A), QStringLiteral("2310"));    // a nibble above 9 gives two digits
  EXPECT_EQ(LimitText(0x15, 0x20), QStringLiteral("520"));  // only the hundreds cell's low four bits
}

TEST(AdjLimits, StoredAsThreeDigits) {
  EXPECT_EQ(LimitDigits(179), QStringLiteral("179"));
  EXPECT_EQ(LimitDigits(50), QStringLiteral("050"));
  EXPECT_EQ(LimitHundreds(179), 1);
  EXPECT_EQ(LimitBcd(179), 0x79);
  EXPECT_EQ(LimitHundreds(520), 5);
  EXPECT_EQ(LimitBcd(520), 0x20);
}

TEST(AdjLimits, ChecksInOrder) {
  // Lower box: below the band first, then above the upper box, then too large to store.
  EXPECT_EQ(CheckLowerLimit(129, 179, 130), LimitFault::LowerBelowBand);
  EXPECT_EQ(CheckLowerLimit(129, 100, 130), LimitFault::LowerBelowBand);
  EXPECT_EQ(CheckLowerLimit(170, 160, 130), LimitFault::LowerAboveUpper);
  EXPECT_EQ(CheckLowerLimit(150, 150, 130), LimitFault::None);
  // The lower box is not compared with the band's high edge.
  EXPECT_EQ(CheckLowerLimit(600, 700, 400), LimitFault::None);
  EXPECT_EQ(CheckLowerLimit(1000, 2310, 130), LimitFault::LowerTooLarge);
  // Upper box: above the band first, then below the lower box.
  EXPECT_EQ(CheckUpperLimit(521, 600, 520), LimitFault::UpperAboveBand);
  EXPECT_EQ(CheckUpperLimit(150, 160, 179), LimitFault::UpperBelowLower);
  EXPECT_EQ(CheckUpperLimit(150, 150, 179), LimitFault::None);
  EXPECT_EQ(CheckUpperLimit(kSaturated, 130, 179), LimitFault::UpperAboveBand);
}

TEST(AdjLimits, SecondBandCells) {
  EXPECT_EQ(SecondBandLimitCells(true), (std::array<int, 4>{0x02, 0x20, 0x02, 0x60}));
  EXPECT_EQ(SecondBandLimitCells(false), (std::array<int, 4>{0x04, 0x00, 0x05, 0x20}));
}

// ---- Text lines.
struct LineCase {
  const char* name;
  QString text;
  std::vector<int> cells;
};
class LineStoreTable : public ::testing::TestWithParam<LineCase> {};
TEST_P(LineStoreTable, Cells) {
  const LineCells cells = LineStore(GetParam().text);
  EXPECT_EQ(std::vector<int>(cells.begin(), cells.end()), GetParam().cells);
}
INSTANTIATE_TEST_SUITE_P(
    Lines, LineStoreTable,
    ::testing::Values(LineCase{"TwoCentred", QStringLiteral("ab"), {32, 32, 65, 66, 32, 32, 32}},
                      LineCase{"InnerSpaceIs11", QStringLiteral("A B"), {32, 32, 65, 11, 66, 32, 32}},
                      LineCase{"OneInTheMiddle", QStringLiteral("A"), {32, 32, 32, 65, 32, 32, 32}},
                      LineCase{"SixOddSpaceRight", QStringLiteral("ABCDEF"), {65, 66, 67, 68, 69, 70, 32}},
                      LineCase{"SevenFromColumn0", QStringLiteral("1234567"), {49, 50, 51, 52, 53, 54, 55}},
                      LineCase{"EightKeepsSeven", QStringLiteral("ABCDEFGH"), {65, 66, 67, 68, 69, 70, 71}},
                      LineCase{"SpacesAroundIgnored", QStringLiteral("  +-  "), {32, 32, 43, 45, 32, 32, 32}},
                      LineCase{"UnknownCharIs11", QStringLiteral("a!"), {32, 32, 65, 11, 32, 32, 32}},
                      LineCase{"Empty", QString(), {32, 32, 32, 32, 32, 32, 32}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdjLines, ShowJoinsAndDropsSpaces) {
  const Cell abc[7] = {65, 66, 32, 67, 32, 32, 32};
  EXPECT_EQ(LineShow(abc, false), QStringLiteral("ABC "));
  const Cell a[7] = {65, 32, 32, 32, 32, 32, 32};
  EXPECT_EQ(LineShow(a, false), QStringLiteral("A "));
  const Cell centred[7] = {32, 32, 65, 66, 32, 32, 32};
  EXPECT_EQ(LineShow(centred, false), QStringLiteral("AB "));
  // 11, the byte of a character outside the set, keeps its place; other
  // codes outside the set show nothing.
  const Cell unknown[7] = {65, 11, 66, 0xFF, 32, 32, 67};
  EXPECT_EQ(LineShow(unknown, false), QStringLiteral("A\x0b"
                                                     "BC"));
  // The second information line shows the characters by their codes, control
  // codes included.
  const Cell raw[7] = {97, 33, 0xE9, 7, 32, 32, 32};
  EXPECT_EQ(LineShow(raw, true), QStringLiteral("a!\u00E9\x07 "));
  const Cell ends[7] = {0, 11, 31, 127, 128, 0xFF, 32};
  QString codes;
  for (char16_t c : {0, 11, 31, 127, 128, 0xFF, 32}) codes += QChar(c);
  EXPECT_EQ(LineShow(ends, true), codes);
}

// What the store writes shows as a text that stores it again, on every line:
// a show changes nothing. Inner spaces (11) included.
TEST(AdjLines, ShowOfAStoredLineStoresItAgain) {
  for (const char* text : {"AB", "A B", "A", "ABCDEFG", "*1 2*", "a!", "", "1  2", " + - "}) {
    const LineCells stored = LineStore(QString::fromLatin1(text));
    for (bool raw : {false, true}) {
      SCOPED_TRACE(std::string(text) + (raw ? " (raw codes)" : ""));
      EXPECT_EQ(LineStore(LineShow(stored.data(), raw)), stored);
    }
  }
  // The line of the second information line in the example: 32 32 65 11 66 32 32.
  const Cell inner[7] = {32, 32, 65, 11, 66, 32, 32};
  const LineCells expected{32, 32, 65, 11, 66, 32, 32};
  EXPECT_EQ(LineStore(LineShow(inner, true)), expected);
}

// ---- Key filters.
TEST(AdjKeys, LimitBoxTakesAFourthThenNothing) {
  EXPECT_TRUE(LimitKeyAccepted(QStringLiteral("13")));
  EXPECT_TRUE(LimitKeyAccepted(QStringLiteral("130")));
  EXPECT_TRUE(LimitKeyAccepted(QStringLiteral(" 130 ")));
  EXPECT_FALSE(LimitKeyAccepted(QStringLiteral("1300")));
}

TEST(AdjKeys, LinesTakeAnEighthThenNothing) {
  EXPECT_TRUE(LineKeyAccepted(QStringLiteral("ABCDEFG"), u'H', false));
  EXPECT_FALSE(LineKeyAccepted(QStringLiteral("ABCDEFGH"), u'I', false));
  EXPECT_FALSE(LineKeyAccepted(QStringLiteral("ABCDEFGH"), kBackspace, false));
  EXPECT_TRUE(LineKeyAccepted(QStringLiteral("AB"), kBackspace, false));
}

TEST(AdjKeys, FirstInformationLineDigitsOnly) {
  EXPECT_TRUE(LineKeyAccepted(QStringLiteral("12"), u'3', true));
  EXPECT_FALSE(LineKeyAccepted(QStringLiteral("12"), u'A', true));
  EXPECT_FALSE(LineKeyAccepted(QStringLiteral("12"), kBackspace, true));
  EXPECT_FALSE(LineKeyAccepted(QStringLiteral("12345678"), u'9', true));
}

// ---- Receive volume nibbles.
TEST(AdjVolume, NibbleMerge) {
  EXPECT_EQ(VolCoarse(0x5A), 5);
  EXPECT_EQ(VolFine(0x5A), 10);
  EXPECT_EQ(VolWithCoarse(0x5A, 7), 0x7A);
  EXPECT_EQ(VolWithFine(0x7A, 3), 0x73);
}

// ---- Labels.
TEST(AdjLabels, PointsAndLevels) {
  EXPECT_EQ(FirstPowerPointLabel(130, 0), QStringLiteral("130MHZ"));
  EXPECT_EQ(FirstPowerPointLabel(130, 15), QStringLiteral("175MHZ"));
  EXPECT_EQ(SecondPowerPointLabel(400, 15), QStringLiteral("475MHZ"));
  EXPECT_EQ(SecondPowerPointLabel(200, 14), QStringLiteral("270MHZ"));
  EXPECT_EQ(SqOffsetLabelVhf(15), QStringLiteral("205"));
  EXPECT_EQ(SqOffsetLabelUhf(false, 15), QStringLiteral("550"));
  EXPECT_EQ(SqOffsetLabelUhf(true, 15), QStringLiteral("275"));
  EXPECT_EQ(VoxLevelLabel(10), QStringLiteral(" 10"));
  EXPECT_EQ(ListItem(0), QStringLiteral(" 0"));
  EXPECT_EQ(ListItem(127), QStringLiteral(" 127"));
  EXPECT_FALSE(SecondPointVisible(true, 15));
  EXPECT_TRUE(SecondPointVisible(true, 14));
  EXPECT_TRUE(SecondPointVisible(false, 15));
}

TEST(AdjLabels, ChineseOnlyCaptionsAndMessages) {
  EXPECT_EQ(CheckBandCaption(true).in(false), QStringLiteral("工作频段: 130 - 179 MHZ / 200 - 270 MHZ "));
  EXPECT_EQ(LabelF1Caption(false).in(false), QStringLiteral("UHF0") + QString(21, u' ') + QStringLiteral("400 - 520 "));
  EXPECT_EQ(kRangeMsg255.text.in(false), QStringLiteral(" 输入数字范围为 0 - 255 ！"));
  EXPECT_EQ(kRangeMsg20.title.in(false), QStringLiteral("操作提示"));
  EXPECT_EQ(kUpperAboveBandMsg.title.in(false), QStringLiteral("Operate Prompt"));
  EXPECT_EQ(kUpperAboveBandMsg.text.in(true), QStringLiteral("上限频率不可大于该频段最大工作频率"));
}

}  // namespace

// The alignment window's controls as data: load, pages, the display with its
// write-back, lists, number boxes, the band check box, band limits and text
// lines, on the factory table and on small hand-made tables.
#include "alignment/adj_view.h"
#include "support/adj_factory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace adj;

class AdjEditor : public ::testing::Test {
 protected:
  AdjEditor() : table(AdjFactoryTable()), defaults(AdjFactoryDefaults()) {}
  // A fresh window over the same table and flag.
  Effects Load() {
    view = View();
    return Adj_Form_Load(e);
  }
  Cell& at(int r, int c) { return table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
  Cell def(int r, int c) const { return defaults[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
  QString num(int r, int c) { return QString::number(at(r, c)); }

  Table table;
  const Table defaults;
  std::int16_t band220 = 0;
  View view;
  Editor e{table, defaults, band220, view};
};

// ---- Load and pages.

TEST_F(AdjEditor, FreshLoadShowsTheHighPowerPage) {
  for (int i = 0; i < 16; ++i) {
    at(0, i) = static_cast<Cell>(211 + i);
    at(1, i) = static_cast<Cell>(231 + i);
  }
  const Table before = table;
  const Effects fx = Load();
  EXPECT_TRUE(fx.notices.empty());
  EXPECT_EQ(view.page, 0);
  EXPECT_EQ(view.shown, Group::Frame_Frame);
  EXPECT_EQ(view.windowCaption, QStringLiteral("发射功率调整（高功率）"));
  EXPECT_EQ(view.frameFrameCaption, QStringLiteral("发射功率调整（高功率）"));
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(view.text(Box::Text1, i), QString::number(211 + i)) << i;
    EXPECT_EQ(view.text(Box::Text2, i), QString::number(231 + i)) << i;
  }
  EXPECT_EQ(table, before);
  // Pages 3..5 are not filled before one of them is shown.
  EXPECT_EQ(view.text(Box::Text_SQ_VHF, 0), QString());
  EXPECT_EQ(view.text(Line::Text_PON_MSG_U), QStringLiteral("KELMOR"));
  EXPECT_EQ(view.freqL[0], QStringLiteral("240"));
}

struct BandCase {
  const char* name;
  bool band220;
  const char* secondCaption;
  const char* point14;
  const char* point15;
  bool point15Visible;
  const char* offset1;
  const char* offset15;
};

class AdjBandLabels : public AdjEditor, public ::testing::WithParamInterface<BandCase> {};

TEST_P(AdjBandLabels, LabelsForTheSecondBand) {
  const BandCase& c = GetParam();
  band220 = c.band220 ? 1 : 0;
  Load();
  EXPECT_EQ(view.frameB0[0], QStringLiteral(" 130 - 179  MHZ "));
  EXPECT_EQ(view.frameB0[1], QString::fromUtf8(c.secondCaption));
  EXPECT_EQ(view.frameSqlUhf, QString::fromUtf8(c.secondCaption));
  EXPECT_EQ(view.label1[0], QStringLiteral("130MHZ"));
  EXPECT_EQ(view.label1[15], QStringLiteral("175MHZ"));
  EXPECT_EQ(view.labelUhf[14], QString::fromUtf8(c.point14));
  EXPECT_EQ(view.labelUhf[15], QString::fromUtf8(c.point15));
  EXPECT_TRUE(view.pointUhfVisible[14]);
  EXPECT_EQ(view.pointUhfVisible[15], c.point15Visible);
  EXPECT_EQ(view.labelSqOffsetVhf[0], QStringLiteral("130"));
  EXPECT_EQ(view.labelSqOffsetVhf[15], QStringLiteral("205"));
  EXPECT_EQ(view.labelSqOffsetUhf[1], QString::fromUtf8(c.offset1));
  EXPECT_EQ(view.labelSqOffsetUhf[15], QString::fromUtf8(c.offset15));
  EXPECT_EQ(view.labelSqlVhf[9], QStringLiteral("9"));
  EXPECT_EQ(view.labelVox[0], QStringLiteral(" 0"));
  EXPECT_EQ(view.labelVox[10], QStringLiteral(" 10"));
  EXPECT_EQ(view.checkBand, c.band220);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, AdjBandLabels,
    ::testing::Values(BandCase{"Band400To520", false, " 400 - 520  MHZ ", "470MHZ", "475MHZ", true, "410", "550"},
                      BandCase{"Band200To270", true, " 200 - 270  MHZ ", "270MHZ", "275MHZ", false, "205", "275"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(AdjEditor, EachTabSetsPageCaptionsAndGroup) {
  Load();
  for (int p = 0; p < kPages; ++p) {
    const PageSpec& s = kPageSpecs[static_cast<std::size_t>(p)];
    ASSERT_EQ(PageOfKey(QLatin1String(s.key)), p);
    TabStrip1_Click(e, p);
    EXPECT_EQ(view.page, p);
    EXPECT_EQ(view.windowCaption, QString::fromUtf8(s.window.chinese));
    EXPECT_EQ(view.shown, s.group);
    if (p <= 2) {
      EXPECT_EQ(view.frameFrameCaption, QString::fromUtf8(s.window.chinese));
      for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(view.text(Box::Text1, i), num(2 * p, i));
        EXPECT_EQ(view.text(Box::Text2, i), num(2 * p + 1, i));
      }
    }
  }
  EXPECT_EQ(view.frameFrameCaption, QStringLiteral("发射功率调整（低功率）"));  // kept from page 2
  EXPECT_EQ(kPageSpecs[3].tab.chinese, std::string("静噪等级"));
  EXPECT_EQ(kPageSpecs[4].key, std::string("Adj_Dev_Leve"));
  EXPECT_FALSE(PageOfKey(QStringLiteral("adj_other")).has_value());
}

TEST_F(AdjEditor, AllPagesOnTheFactoryTableChangeNothingAndTheTableOutlivesTheWindow) {
  const Table before = table;
  Load();
  for (int p : {1, 2, 3, 4, 5, 0, 5}) {
    const Effects fx = TabStrip1_Click(e, p);
    EXPECT_TRUE(fx.notices.empty()) << p;
  }
  EXPECT_EQ(table, before);
  at(0, 3) = 77;
  Load();  // closed and opened again
  EXPECT_EQ(at(0, 3), 77);
  EXPECT_EQ(view.text(Box::Text1, 3), QStringLiteral("77"));
}

// ---- Page 4 lists.

TEST_F(AdjEditor, OscillatorListsExcludeEachOtherOnDisplay) {
  at(10, 6) = 5;
  at(10, 7) = 3;
  Load();
  TabStrip1_Click(e, 4);
  EXPECT_EQ(at(10, 6), 0);
  EXPECT_EQ(at(10, 7), 3);
  EXPECT_EQ(view.index(List::Combo_OSC_Add, 0), 0);
  EXPECT_EQ(view.index(List::Combo_OSC_Dec, 0), 3);
  // A selection in one list resets the other; item 0 leaves the other alone.
  SelectItem(e, List::Combo_OSC_Add, 0, 5);
  EXPECT_EQ(at(10, 6), 5);
  EXPECT_EQ(at(10, 7), 0);
  EXPECT_EQ(view.index(List::Combo_OSC_Dec, 0), 0);
  SelectItem(e, List::Combo_OSC_Add, 0, 0);
  SelectItem(e, List::Combo_OSC_Add, 0, 4);
  SelectItem(e, List::Combo_OSC_Dec, 0, 0);
  EXPECT_EQ(at(10, 6), 4);
}

TEST_F(AdjEditor, ReceiveVolumeNibbles) {
  at(10, 4) = 0x5A;
  Load();
  TabStrip1_Click(e, 4);
  EXPECT_EQ(view.index(List::Combo_RX_VH, 0), 5);
  EXPECT_EQ(view.index(List::Combo_RX_VL, 0), 10);
  EXPECT_EQ(at(10, 4), 0x5A);
  const Cell narrow = at(10, 5);
  SelectItem(e, List::Combo_RX_VH, 0, 7);
  EXPECT_EQ(at(10, 4), 0x7A);
  SelectItem(e, List::Combo_RX_VL, 0, 3);
  EXPECT_EQ(at(10, 4), 0x73);
  EXPECT_EQ(at(10, 5), narrow);
}

TEST_F(AdjEditor, OneListOneCell) {
  Load();
  TabStrip1_Click(e, 5);
  Table expected = table;
  SelectItem(e, List::Combo_vox, 10, 9);
  expected[11][10] = 9;
  EXPECT_EQ(table, expected);
  SelectItem(e, List::Combo_batt_comp, 2, 118);
  expected[10][12] = 118;
  EXPECT_EQ(table, expected);
  EXPECT_EQ(view.index(List::Combo_batt_comp, 2), 118);
}

TEST_F(AdjEditor, TypedKeysReachOnlyTheToneGainList) {
  for (int l = 0; l < kListKinds; ++l)
    EXPECT_EQ(Spec(static_cast<List>(l)).keysTyped, static_cast<List>(l) == List::Combo_dev_tone) << l;
}

TEST_F(AdjEditor, CellBeyondItsListShowsNoItemAndKeepsItsValue) {
  for (int c = 0; c < 8; ++c) at(10, c) = 0xFF;
  for (int c = 0; c < 11; ++c) at(11, c) = 0xFF;
  Load();
  TabStrip1_Click(e, 4);
  for (List l : {List::Combo_dev_voice, List::Combo_dev_ctcss, List::Combo_dev_dcs, List::Combo_dev_tone,
                 List::Combo_OSC_Add, List::Combo_OSC_Dec})
    EXPECT_EQ(view.index(l, 0), kNoItem) << Spec(l).name;
  for (int i = 0; i < 11; ++i) EXPECT_EQ(view.index(List::Combo_vox, i), kNoItem);
  EXPECT_EQ(view.index(List::Combo_RX_VH, 0), 15);  // 0xFF holds two valid nibbles
  for (int c = 0; c < 8; ++c) EXPECT_EQ(at(10, c), 0xFF) << c;
  for (int c = 0; c < 11; ++c) EXPECT_EQ(at(11, c), 0xFF) << c;
  // A list showing an item goes back to no item when its cell moves beyond the end.
  at(11, 0) = 3;
  Adj_Show(e);
  EXPECT_EQ(view.index(List::Combo_vox, 0), 3);
  at(11, 0) = 200;
  Adj_Show(e);
  EXPECT_EQ(view.index(List::Combo_vox, 0), kNoItem);
  EXPECT_EQ(at(11, 0), 200);
}

// ---- Number boxes.

struct TypedCase {
  const char* name;
  QString text;
  bool accepted;
  int stored;  // when accepted
};

class AdjValueBoxes : public AdjEditor, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(AdjValueBoxes, HighPowerFirstBand) {
  const TypedCase& c = GetParam();
  Load();
  const Effects fx = SetBoxText(e, Box::Text1, 4, c.text);
  if (c.accepted) {
    EXPECT_TRUE(fx.notices.empty());
    EXPECT_EQ(at(0, 4), c.stored);
    EXPECT_EQ(view.text(Box::Text1, 4), c.text);
  } else {
    ASSERT_EQ(fx.notices.size(), 1u);
    EXPECT_EQ(fx.notices[0].message.text.in(false), QStringLiteral(" 输入数字范围为 0 - 255 ！"));
    EXPECT_EQ(fx.notices[0].message.title.in(false), QStringLiteral("操作提示"));
    EXPECT_EQ(fx.notices[0].icon, PromptIcon::Information);
    EXPECT_EQ(fx.focus, (Control{"Text1", 4}));
    EXPECT_EQ(at(0, 4), def(0, 4));
    EXPECT_EQ(view.text(Box::Text1, 4), QString::number(def(0, 4)));
  }
}

INSTANTIATE_TEST_SUITE_P(Typed, AdjValueBoxes,
                         ::testing::Values(TypedCase{"SpacesAround", QStringLiteral(" 12 "), true, 12},
                                           TypedCase{"InnerSpace", QStringLiteral("1 2"), false, 0},
                                           TypedCase{"PlusSign", QStringLiteral("+5"), false, 0},
                                           TypedCase{"LeadingZeros", QStringLiteral("007"), true, 7},
                                           TypedCase{"Cleared", QString(), true, 0},
                                           TypedCase{"Above255", QStringLiteral("256"), false, 0},
                                           TypedCase{"TwentyDigits", QStringLiteral("12345678901234567890"), false, 0},
                                           TypedCase{"FullWidthDigits", QStringLiteral("１２"), false, 0}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(AdjEditor, TypingTwoFiveSix) {
  Load();
  SetBoxText(e, Box::Text1, 0, QString());
  EXPECT_TRUE(SetBoxText(e, Box::Text1, 0, QStringLiteral("2")).notices.empty());
  EXPECT_EQ(at(0, 0), 2);
  SetBoxText(e, Box::Text1, 0, QStringLiteral("25"));
  EXPECT_EQ(at(0, 0), 25);
  const Effects fx = SetBoxText(e, Box::Text1, 0, QStringLiteral("256"));
  EXPECT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(at(0, 0), def(0, 0));
}

TEST_F(AdjEditor, SquelchOffsetTakesUpTo20) {
  Load();
  TabStrip1_Click(e, 3);
  SetBoxText(e, Box::Text_Sq_Offset_VHF, 2, QString());
  SetBoxText(e, Box::Text_Sq_Offset_VHF, 2, QStringLiteral("2"));
  const Effects fx = SetBoxText(e, Box::Text_Sq_Offset_VHF, 2, QStringLiteral("21"));
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(false), QStringLiteral(" 输入数字范围为 0 - 20 ！"));
  EXPECT_EQ(fx.focus, (Control{"Text_Sq_Offset_VHF", 2}));
  EXPECT_EQ(at(7, 2), def(7, 2));
  SetBoxText(e, Box::Text_Sq_Offset_VHF, 2, QStringLiteral("20"));
  EXPECT_EQ(at(7, 2), 20);
}

TEST_F(AdjEditor, PowerBoxWritesThePageRow) {
  Load();
  TabStrip1_Click(e, 2);
  SetBoxText(e, Box::Text2, 6, QStringLiteral("99"));
  EXPECT_EQ(at(5, 6), 99);
  EXPECT_EQ(at(1, 6), def(1, 6));
  EXPECT_EQ(at(3, 6), def(3, 6));
}

TEST_F(AdjEditor, OffsetBeyondRangeShownOnPage5IsReportedOnceWithoutFocus) {
  at(9, 3) = 255;
  Load();
  const Effects fx = TabStrip1_Click(e, 5);
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(false), QStringLiteral(" 输入数字范围为 0 - 20 ！"));
  EXPECT_FALSE(fx.focus.has_value());  // the squelch page is hidden
  EXPECT_EQ(at(9, 3), def(9, 3));
  EXPECT_EQ(view.text(Box::Text_Sq_Offset_UHF, 3), QString::number(def(9, 3)));
  // Shown on its own page, the box takes the focus.
  at(9, 3) = 255;
  const Effects fx3 = TabStrip1_Click(e, 3);
  EXPECT_EQ(fx3.focus, (Control{"Text_Sq_Offset_UHF", 3}));
}

// ---- The band check box.

TEST_F(AdjEditor, CheckBandBothWays) {
  Load();
  TabStrip1_Click(e, 5);
  SetCheckBand(e, true);
  EXPECT_EQ(band220, 1);
  EXPECT_EQ(at(12, 6), 0x02);
  EXPECT_EQ(at(12, 7), 0x20);
  EXPECT_EQ(at(12, 8), 0x02);
  EXPECT_EQ(at(12, 9), 0x60);
  EXPECT_EQ(view.bands.low[1], 200);
  EXPECT_EQ(view.bands.high[1], 270);
  EXPECT_EQ(view.checkBandCaption, QStringLiteral("工作频段: 130 - 179 MHZ / 200 - 270 MHZ "));
  EXPECT_EQ(view.labelF1, QStringLiteral("UHF0                     200 - 270 "));
  EXPECT_EQ(view.labelUhf[0], QStringLiteral("200MHZ"));
  EXPECT_FALSE(view.pointUhfVisible[15]);
  EXPECT_EQ(view.freqL[1], QStringLiteral("220"));  // the page is shown again
  EXPECT_EQ(view.freqH[1], QStringLiteral("260"));

  SetCheckBand(e, false);
  EXPECT_EQ(band220, 0);
  EXPECT_EQ(at(12, 6), 0x04);
  EXPECT_EQ(at(12, 7), 0x00);
  EXPECT_EQ(at(12, 8), 0x05);
  EXPECT_EQ(at(12, 9), 0x20);
  EXPECT_EQ(view.bands.low[1], 400);
  EXPECT_EQ(view.bands.high[1], 520);
  EXPECT_EQ(view.checkBandCaption, QStringLiteral("工作频段: 130 - 179 MHZ / 400 - 520 MHZ "));
  EXPECT_EQ(view.labelF1, QStringLiteral("UHF0                     400 - 520 "));
  EXPECT_EQ(view.labelUhf[15], QStringLiteral("475MHZ"));
  EXPECT_TRUE(view.pointUhfVisible[15]);
}

TEST_F(AdjEditor, ReopenWithTheSecondBandAt200ChecksTheBoxAndWritesRow12) {
  band220 = 1;
  Load();
  EXPECT_TRUE(view.checkBand);
  EXPECT_EQ(at(12, 6), 0x02);
  EXPECT_EQ(at(12, 7), 0x20);
  EXPECT_EQ(at(12, 8), 0x02);
  EXPECT_EQ(at(12, 9), 0x60);
  EXPECT_EQ(view.bands.low[1], 200);
  EXPECT_EQ(view.page, 0);
}

// ---- Band limits.

class AdjLimitsPage : public AdjEditor {
 protected:
  void SetUp() override {
    Load();
    TabStrip1_Click(e, 5);
    row12 = table[12];
  }
  std::array<Cell, kTableCols> row12{};
};

TEST_F(AdjLimitsPage, LowerBelowTheBand) {
  view.freqL[0] = QStringLiteral("129");
  const Effects fx = Text_Freq_L_LostFocus(e, 0);
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(true), QStringLiteral("下限频率不可小于该频段最低工作频率"));
  EXPECT_EQ(fx.notices[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(view.freqL[0], QStringLiteral("130"));
  EXPECT_EQ(fx.focus, (Control{"Text_Freq_L", 0}));
  EXPECT_EQ(table[12], row12);
}

TEST_F(AdjLimitsPage, UpperAboveTheSecondBand) {
  view.freqH[1] = QStringLiteral("521");
  const Effects fx = Text_Freq_H_LostFocus(e, 1);
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(true), QStringLiteral("上限频率不可大于该频段最大工作频率"));
  EXPECT_EQ(fx.notices[0].message.title.in(false), QStringLiteral("Operate Prompt"));
  EXPECT_EQ(view.freqH[1], QStringLiteral("520"));
  EXPECT_EQ(table[12], row12);
}

TEST_F(AdjLimitsPage, UpperBelowTheLower) {
  view.freqL[0] = QStringLiteral("160");
  view.freqH[0] = QStringLiteral("150");
  const Effects fx = Text_Freq_H_LostFocus(e, 0);
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(true), QStringLiteral("上限频率不可小于该频段下限频率"));
  EXPECT_EQ(view.freqH[0], QStringLiteral("179"));
  EXPECT_EQ(table[12], row12);
}

TEST_F(AdjLimitsPage, EqualLimitsAreStoredWithTheOtherBand) {
  view.freqL[0] = QStringLiteral("150");
  view.freqH[0] = QStringLiteral("150");
  view.freqL[1] = QStringLiteral("410");
  EXPECT_TRUE(Text_Freq_L_LostFocus(e, 0).notices.empty());
  EXPECT_EQ(at(12, 1), 0x01);
  EXPECT_EQ(at(12, 2), 0x50);
  EXPECT_EQ(at(12, 3), 0x01);
  EXPECT_EQ(at(12, 4), 0x50);
  EXPECT_EQ(at(12, 6), 0x04);  // all four boxes are stored
  EXPECT_EQ(at(12, 7), 0x10);
  EXPECT_EQ(at(12, 0), row12[0]);
}

TEST_F(AdjLimitsPage, TheCheckedValueIsStored) {
  view.freqH[0] = QStringLiteral("0179");
  EXPECT_TRUE(Text_Freq_H_LostFocus(e, 0).notices.empty());
  EXPECT_EQ(at(12, 3), 0x01);
  EXPECT_EQ(at(12, 4), 0x79);
  EXPECT_EQ(view.freqH[0], QStringLiteral("179"));
}

TEST_F(AdjLimitsPage, LowerNotComparedWithTheBandTop) {
  view.freqL[1] = QStringLiteral("600");
  view.freqH[1] = QStringLiteral("700");
  EXPECT_TRUE(Text_Freq_L_LostFocus(e, 1).notices.empty());
  EXPECT_EQ(at(12, 6), 0x06);
  EXPECT_EQ(at(12, 7), 0x00);
}

TEST_F(AdjLimitsPage, ThousandOrMoreIsRefused) {
  view.freqL[0] = QStringLiteral("1300");
  EXPECT_EQ(Text_Freq_L_LostFocus(e, 0).notices.size(), 1u);
  EXPECT_EQ(table[12], row12);
  // Lower and upper both above 999 (an upper box the display filled from odd nibbles).
  view.freqL[0] = QStringLiteral("2000");
  view.freqH[0] = QStringLiteral("2310");
  const Effects fx = Text_Freq_L_LostFocus(e, 0);
  ASSERT_EQ(fx.notices.size(), 1u);
  EXPECT_EQ(fx.notices[0].message.text.in(false), QString::fromUtf8(kLowerTooLargeMsg.text.english));
  EXPECT_EQ(view.freqL[0], QStringLiteral("130"));
  EXPECT_EQ(table[12], row12);
  // Another box that cannot be stored keeps its cells when a good box is left.
  at(12, 3) = 2;
  at(12, 4) = 0x3A;
  Adj_Show(e);
  ASSERT_EQ(view.freqH[0], QStringLiteral("2310"));
  view.freqL[1] = QStringLiteral("450");
  EXPECT_TRUE(Text_Freq_L_LostFocus(e, 1).notices.empty());
  EXPECT_EQ(at(12, 3), 2);
  EXPECT_EQ(at(12, 4), 0x3A);
  EXPECT_EQ(at(12, 6), 0x04);
  EXPECT_EQ(at(12, 7), 0x50);
}

// ---- Text lines.

TEST_F(AdjLimitsPage, TextLinesStoreAtEveryChangeAndShowAgainWhenLeft) {
  SetLineText(e, Line::Text_PON_MSG_U, QStringLiteral("ab"));
  EXPECT_EQ(std::vector<int>(table[13].begin(), table[13].begin() + 7), (std::vector<int>{32, 32, 65, 66, 32, 32, 32}));
  LineLostFocus(e, Line::Text_PON_MSG_U);
  EXPECT_EQ(view.text(Line::Text_PON_MSG_U), QStringLiteral("AB "));
  EXPECT_EQ(std::vector<int>(table[13].begin(), table[13].begin() + 7), (std::vector<int>{32, 32, 65, 66, 32, 32, 32}));
  SetLineText(e, Line::Text_PON_MSG_D, QStringLiteral("A B"));
  EXPECT_EQ(std::vector<int>(table[13].begin() + 7, table[13].begin() + 14),
            (std::vector<int>{32, 32, 65, 11, 66, 32, 32}));
  SetLineText(e, Line::Text_info_1, QString());
  EXPECT_EQ(std::vector<int>(table[14].begin() + 7, table[14].begin() + 14), (std::vector<int>(7, 32)));
  EXPECT_TRUE(Spec(Line::Text_info_0).digitsOnly);
  EXPECT_FALSE(Spec(Line::Text_info_1).digitsOnly);
}

TEST_F(AdjLimitsPage, Page5IsIdempotentOnTheFactoryLines) {
  for (int r : {13, 14})
    for (int c = 0; c < 16; ++c) EXPECT_EQ(at(r, c), def(r, c)) << r << "," << c;
  const Table shown = table;
  TabStrip1_Click(e, 5);
  EXPECT_EQ(table, shown);
}

// ---- A loaded file.

TEST_F(AdjEditor, LoadedBandLineSwitchesTheBandBeforeTheRows) {
  Load();
  TabStrip1_Click(e, 5);
  FileRows rows{};
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) rows[r][c] = defaults[r][c];
  rows[12][6] = 0x02;
  rows[12][7] = 0x30;  // not the band box's 0x20
  rows[12][8] = 0x02;
  rows[12][9] = 0x50;
  table[17][3] = 42;
  const Effects fx = ApplyLoadedTable(e, true, rows);
  EXPECT_EQ(band220, 1);
  EXPECT_TRUE(view.checkBand);
  EXPECT_EQ(at(12, 7), 0x30);
  EXPECT_EQ(at(12, 9), 0x50);
  EXPECT_EQ(at(17, 3), 42);
  EXPECT_EQ(view.freqL[1], QStringLiteral("230"));
  ASSERT_FALSE(fx.notices.empty());
  EXPECT_EQ(fx.notices.back().message.text.in(false),
            QStringLiteral("Succeed fold the optional parameters from file."));
}

}  // namespace

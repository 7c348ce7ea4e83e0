// The options and DTMF windows store what they show after every show, also
// where a control did not move: a value that a list shows as its last item
// while the list already showed it, a box already checked over a 2, an
// unprogrammed frequency under a band list that stays. So what the windows
// show is what a write sends, whatever arrived while they were open: a read
// from the radio, a change of the image by anyone else.
#include "image/opt_positions.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "platform/combo_list.h"
#include "platform/text_box.h"
#include "radio_virtual_fixture.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"
#include "support/image_diff.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

namespace {

const QString kReadDone = QStringLiteral("Complete reading the data from transceiver.");
const QString kWriteDone = QStringLiteral("Complete writing parameters to the transceiver.");

constexpr int kSet = img::kDtmfSettingsRow;
constexpr int kVfoA = img::kVfoAFirst;  // VFO A: record byte n in row 240 + n / 16, column n % 16

struct CellValue {
  int row, col, value;
};
using Cells = std::vector<CellValue>;

void Put(img::Image& im, const Cells& cells) {
  for (const CellValue& c : cells) im(c.row, c.col) = static_cast<std::int16_t>(c.value);
}
// Record byte n of VFO A.
CellValue VfoA(int n, int value) { return {kVfoA + n / 16, n % 16, value}; }
CellValue Opt(int offset, int value) {
  const img::Cell c = img::OptionCell(offset);
  return {c.row, c.col, value};
}

}  // namespace

class SettingsShows : public RadioOnVirtualLine {
 protected:
  void SetUp() override { startWithRadio(); }
  // Edit > DTMF and Edit > Optional Features, as the menu items run them.
  frm_dtmf* openDtmf() {
    main->menu(QStringLiteral("Dtmf_edit"))->trigger();
    return main->host().find<frm_dtmf>();
  }
  frm_option* openOptions() {
    main->menu(QStringLiteral("Optional_edit"))->trigger();
    return main->host().find<frm_option>();
  }
  ComboList* optionList(const char* name) const {
    return main->host().find<frm_option>()->findChild<ComboList*>(QString::fromLatin1(name));
  }
  int at(const CellValue& c) const { return image.image()(c.row, c.col); }
};

// Both windows open on a DTMF on time of 2000 ms, VFO A's shift "-" and
// squelch 9. The radio read brings 200 and 250 for the times, a shift
// nibble of 0xF and a squelch of 12, which the windows show as they did:
// "2000", "-" and "9". The image then holds what they show, and Program >
// Write sends it.
TEST_F(SettingsShows, ReadValuesAreStoredAsShownAndWrittenSo) {
  edit([](img::Image& im) { Put(im, {{kSet, 0, 195}, {kSet, 1, 195}, VfoA(28, 0x29), Opt(Pos_sql, 9)}); });
  frm_dtmf* dtmf = openDtmf();
  ASSERT_TRUE(dtmf);
  ASSERT_TRUE(openOptions());
  ASSERT_EQ(dtmf->Combo_Enc_ys1->Text(), QStringLiteral("2000"));
  ASSERT_EQ(optionList("Combo_sft_d_a")->Text(), QStringLiteral("-"));
  ASSERT_EQ(optionList("Combo_sql")->Text(), QStringLiteral("9"));

  for (int r = 0; r <= 479; ++r)
    for (int c = 0; c < img::kCols; ++c)
      sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)] =
          static_cast<std::uint8_t>(image.image()(r, c));
  sim.memory[0x0DF0] = 200;
  sim.memory[0x0DF1] = 250;
  sim.memory[0x0F1C] = 0xF9;
  sim.memory[0x0E20] = 12;

  main->MDImain_Prog_read_Click();
  auto* read = main->host().find<Form_Comm_Read>();
  ASSERT_TRUE(read);
  QTest::mouseClick(read->Command_read, Qt::LeftButton);
  ASSERT_TRUE(waitFor([&] { return shown(kReadDone); }, 30000));
  EXPECT_EQ(dtmf->Combo_Enc_ys1->Text(), QStringLiteral("2000"));
  EXPECT_EQ(dtmf->Combo_Enc_ys2->Text(), QStringLiteral("2000"));
  EXPECT_EQ(optionList("Combo_sft_d_a")->Text(), QStringLiteral("-"));
  EXPECT_EQ(optionList("Combo_S_info_a")->Text(), QStringLiteral("10"));
  EXPECT_EQ(optionList("Combo_sql")->Text(), QStringLiteral("9"));
  EXPECT_EQ(image.image()(kSet, 0), 195);
  EXPECT_EQ(image.image()(kSet, 1), 195);
  EXPECT_EQ(at(VfoA(28, 0)), 0x29);
  EXPECT_EQ(at(Opt(Pos_sql, 0)), 9);

  main->MDImain_Prog_write_Click();
  auto* write = main->host().find<Form_Comm_Write>();
  ASSERT_TRUE(write);
  QTest::mouseClick(write->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(waitFor([&] { return shown(kWriteDone); }, 30000));
  EXPECT_EQ(sim.memory[0x0DF0], 195);
  EXPECT_EQ(sim.memory[0x0DF1], 195);
  EXPECT_EQ(sim.memory[0x0F1C], 0x29);
  EXPECT_EQ(sim.memory[0x0E20], 9);
}

namespace {

struct StoredCase {
  const char* name;
  Cells before;  // in the image when the windows open
  Cells change;  // what someone else then writes
  Cells after;   // what the image then holds
};
void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }

}  // namespace

class SettingsShowCases : public SettingsShows, public ::testing::WithParamInterface<StoredCase> {};

// Someone else (a file load, another editor) writes values that the open
// windows show as they already did: each is stored as shown.
TEST_P(SettingsShowCases, ChangeElsewhereIsStoredAsShown) {
  const StoredCase& c = GetParam();
  edit([&](img::Image& im) { Put(im, c.before); });
  ASSERT_TRUE(openDtmf());
  ASSERT_TRUE(openOptions());
  const img::Image opened = image.image();
  edit([&](img::Image& im) { Put(im, c.change); });
  img::Image want = opened;
  Put(want, c.after);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  EXPECT_TRUE(prompt.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsShowCases,
    ::testing::Values(
        StoredCase{"DtmfOnTime200Under2000", {{kSet, 0, 195}}, {{kSet, 0, 200}}, {{kSet, 0, 195}}},
        StoredCase{"DtmfOffTime255Under2000", {{kSet, 1, 195}}, {{kSet, 1, 255}}, {{kSet, 1, 195}}},
        // The alarm box already shows "119": its text does not change.
        StoredCase{"DtmfAlarmGapUnderTheSameText",
                   {{kSet, 3, 1}, {kSet, 4, 1}, {kSet, 5, 9}, {kSet, 6, 0xFF}, {kSet, 7, 0xFF}},
                   {{kSet, 4, 0xFF}, {kSet, 5, 1}, {kSet, 6, 9}},
                   {{kSet, 3, 1}, {kSet, 4, 1}, {kSet, 5, 9}, {kSet, 6, 0xFF}, {kSet, 7, 0xFF}}},
        // The ANI box already shows nothing.
        StoredCase{"DtmfAniCodesBehindAnEmptyStart",
                   {{kSet, 8, 0xFF}, {kSet, 9, 0xFF}, {kSet, 10, 0xFF}, {kSet, 11, 0xFF}, {kSet, 12, 0xFF}},
                   {{kSet, 9, 4}, {kSet, 10, 5}},
                   {{kSet, 8, 0xFF}, {kSet, 9, 0xFF}, {kSet, 10, 0xFF}, {kSet, 11, 0xFF}, {kSet, 12, 0xFF}}},
        StoredCase{"SquelchPastTheEndUnder9", {Opt(Pos_sql, 9)}, {Opt(Pos_sql, 12)}, {Opt(Pos_sql, 9)}},
        StoredCase{"DualWatch2UnderAChecked", {Opt(Pos_tdr, 1)}, {Opt(Pos_tdr, 2)}, {Opt(Pos_tdr, 1)}},
        StoredCase{"WorkMode5UnderChannel", {Opt(Pos_work_mode, 1)}, {Opt(Pos_work_mode, 5)}, {Opt(Pos_work_mode, 1)}},
        StoredCase{"ShiftNibbleFUnderMinus", {VfoA(28, 0x29)}, {VfoA(28, 0xF9)}, {VfoA(28, 0x29)}},
        StoredCase{"SignalCodeNibbleFUnder15", {VfoA(28, 0x0E)}, {VfoA(28, 0x0F)}, {VfoA(28, 0x0E)}},
        StoredCase{"StepNibbleFUnder50kHz", {VfoA(30, 0x73)}, {VfoA(30, 0xF3)}, {VfoA(30, 0x73)}},
        StoredCase{"HiddenListsUnderTheirLastItems", {VfoA(29, 0x21)}, {VfoA(29, 0xFF)}, {VfoA(29, 0x21)}},
        StoredCase{"Band5UnderUhf",
                   {VfoA(26, 1), VfoA(8, 4), VfoA(9, 4), VfoA(10, 6), VfoA(11, 0), VfoA(12, 0), VfoA(13, 6),
                    VfoA(14, 2), VfoA(15, 5)},
                   {VfoA(26, 5)},
                   {VfoA(26, 1)}},
        StoredCase{"ToneFFFFUnderOff",
                   {VfoA(22, 0), VfoA(23, 0)},
                   {VfoA(22, 0xFF), VfoA(23, 0xFF)},
                   {VfoA(22, 0), VfoA(23, 0)}},
        // The band list stays on VHF: the frequency box shows "." and the
        // band's first frequency is stored, as opening the window stores it.
        StoredCase{
            "UnprogrammedFrequencyUnderTheSameBand",
            {VfoA(26, 0)},
            {VfoA(8, 0xFF), VfoA(9, 0xFF), VfoA(10, 0xFF), VfoA(11, 0xFF), VfoA(12, 0xFF), VfoA(13, 0xFF),
             VfoA(14, 0xFF), VfoA(15, 0xFF)},
            {VfoA(8, 1), VfoA(9, 3), VfoA(10, 0), VfoA(11, 0), VfoA(12, 2), VfoA(13, 5), VfoA(14, 0), VfoA(15, 0)}},
        // The box already shows 00.000.
        StoredCase{"UnprogrammedOffsetUnder0",
                   {VfoA(16, 0), VfoA(17, 0), VfoA(18, 0), VfoA(19, 0), VfoA(20, 0), VfoA(21, 0)},
                   {VfoA(16, 0xFF), VfoA(17, 0xFF), VfoA(18, 0xFF), VfoA(19, 0xFF), VfoA(20, 0xFF), VfoA(21, 0xFF)},
                   {VfoA(16, 0), VfoA(17, 0), VfoA(18, 0), VfoA(19, 0), VfoA(20, 0), VfoA(21, 0)}}),
    [](const ::testing::TestParamInfo<StoredCase>& i) { return std::string(i.param.name); });

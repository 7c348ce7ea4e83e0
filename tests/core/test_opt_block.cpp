// The option block's controls without the window: what each handler writes,
// the key filter, and what a show sets the controls to and writes back.
#include "image/opt_positions.h"
#include "settings/opt_block.h"
#include "settings/opt_lists.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using C = OptCtl;
using Block = std::array<std::int16_t, kOptBlockSize>;
using Bytes = std::vector<std::pair<int, int>>;  // (offset, value)

constexpr std::int16_t kCarried = 0xAA;

// Offsets that no control edits.
const std::vector<int> kCarriedOffsets{1,  2,  5,  10, 11, 12, 13, 15, 17, 25, 26, 27, 28, 40, 41, 43, 44,
                                       45, 46, 47, 48, 49, 50, 51, 52, 53, 55, 58, 59, 60, 61, 62, 63};

// A block of zeros with kCarried at every carried offset, then `bytes`.
Block MakeBlock(const Bytes& bytes = {}) {
  Block b{};
  for (int k : kCarriedOffsets) b[std::size_t(k)] = kCarried;
  for (auto [k, v] : bytes) b[std::size_t(k)] = std::int16_t(v);
  return b;
}

// An image with 0x5A everywhere and the block in rows 226..229.
img::Image ImageWith(const Block& block) {
  img::Image im;
  im.clear(0x5A);
  for (int k = 0; k < kOptBlockSize; ++k) im.at(img::OptionCell(k)) = block[std::size_t(k)];
  return im;
}

int Count(OptCtl c) { return Opt_control(c).list()->size(); }

// ---- the control table and the handlers ------------------------------------------

struct HandlerCase {
  const char* name;
  OptCtl control;
  int before;  // the cell's value before
  int value;   // the control's new state
  int row, col;
  std::optional<int> after;  // the cell's value after; none: nothing written
  std::optional<bool> tdrAb = std::nullopt;
  std::optional<bool> alarmSound = std::nullopt;
};

void PrintTo(const HandlerCase& c, std::ostream* os) { *os << c.name; }

class OptHandler : public ::testing::TestWithParam<HandlerCase> {};

// Every handler writes the one cell of its control into the image as it is,
// and no other cell.
TEST_P(OptHandler, WritesItsOneCellOnly) {
  const HandlerCase& c = GetParam();
  img::Image im = ImageWith(MakeBlock());
  im(c.row, c.col) = std::int16_t(c.before);
  img::Image want = im;
  if (c.after) want(c.row, c.col) = std::int16_t(*c.after);

  const OptCommit r = Opt_commit(im, c.control, c.value);
  EXPECT_EQ(ImageDiff(im, want), "");
  if (c.after) {
    ASSERT_TRUE(r.write);
    EXPECT_EQ(img::OptionCell(r.write->offset), (img::Cell{c.row, c.col}));
    EXPECT_EQ(r.write->value, *c.after);
  } else {
    EXPECT_FALSE(r.write);
  }
  EXPECT_EQ(r.Combo_Tdr_ab_enabled, c.tdrAb);
  EXPECT_EQ(r.Check_Alarm_Sound_enabled, c.alarmSound);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, OptHandler,
    ::testing::Values(
        HandlerCase{"CheckTdrChecked", C::Check_tdr, 0, 1, 226, 7, 1, true},
        HandlerCase{"CheckTdrCleared", C::Check_tdr, 1, 0, 226, 7, 0, false},
        HandlerCase{"CheckTdrGreyedCountsAsClear", C::Check_tdr, 1, 2, 226, 7, 0, false},
        HandlerCase{"CheckBeep", C::Check_Beep, 0, 1, 226, 8, 1},
        HandlerCase{"CheckBcl", C::Check_bcl, 0, 1, 227, 7, 1},
        HandlerCase{"CheckAutolk", C::Check_Autolk, 0, 1, 227, 8, 1},
        HandlerCase{"CheckDbPtt", C::Check_db_PTT, 1, 0, 228, 1, 0},
        HandlerCase{"CheckLockHighestOffset", C::Check_Lock, 0, 1, 229, 9, 1},
        HandlerCase{"CheckLockByteTwoCleared", C::Check_Lock, 2, 0, 229, 9, 0},
        HandlerCase{"ChannInitSets0x02", C::Check_chann_init, 0x1D, 1, 229, 6, 0x1F},
        HandlerCase{"AlarmSoundClears0x08", C::Check_Alarm_Sound, 0x1F, 0, 229, 6, 0x17},
        HandlerCase{"ChannMenuKeepsTheFreeBits", C::Check_chann_menu, 0xE4, 1, 229, 6, 0xE5},
        HandlerCase{"RadioKeepsTheFreeBits", C::Check_radio, 0xE5, 1, 229, 6, 0xF5},
        HandlerCase{"ChannMenuCleared", C::Check_chann_menu, 0xF5, 0, 229, 6, 0xF4},
        HandlerCase{"RadioClearedBackTo0xE4", C::Check_radio, 0xF4, 0, 229, 6, 0xE4},
        HandlerCase{"FlagOfACellOutsideAByte", C::Check_radio, 0x1FF, 0, 229, 6, 0xEF},
        HandlerCase{"TdrAbThirdItem", C::Combo_Tdr_ab, 0, 2, 228, 2, 2},
        HandlerCase{"SqlFirstItem", C::Combo_sql, 7, 0, 226, 0, 0},
        HandlerCase{"TotLastItem", C::Combo_tot, 0, 39, 226, 9, 39},
        HandlerCase{"ListIndexPastTheEndWritesNothing", C::Combo_tot, 3, 40, 226, 9, std::nullopt},
        HandlerCase{"ListWithoutSelectionWritesNothing", C::Combo_voice, 1, -1, 226, 14, std::nullopt},
        HandlerCase{"AlarmModeOffDisablesAlarmSound", C::Combo_AL_Mode, 2, 0, 228, 0, 0, std::nullopt, false},
        HandlerCase{"AlarmModeCodeEnablesAlarmSound", C::Combo_AL_Mode, 0, 3, 228, 0, 3, std::nullopt, true},
        HandlerCase{"OptionChannSelected", C::Option_chann, 0, 1, 229, 8, 1},
        HandlerCase{"OptionFreqSelected", C::Option_freq, 1, 1, 229, 8, 0}),
    [](const ::testing::TestParamInfo<HandlerCase>& i) { return std::string(i.param.name); });

// Each list's cell and item count, as the radio lays the block out.
struct ListCase {
  OptCtl control;
  int row, col, count;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << Opt_control(c.control).name; }

class OptListHandler : public ::testing::TestWithParam<ListCase> {};

TEST_P(OptListHandler, FirstAndLastItemAndNothingBeyond) {
  const ListCase& c = GetParam();
  ASSERT_EQ(Count(c.control), c.count);
  for (int index : {0, c.count - 1}) {
    img::Image im = ImageWith(MakeBlock());
    im(c.row, c.col) = 0x33;
    img::Image want = im;
    want(c.row, c.col) = std::int16_t(index);
    Opt_commit(im, c.control, index);
    EXPECT_EQ(ImageDiff(im, want), "") << index;
  }
  img::Image im = ImageWith(MakeBlock());
  const img::Image before = im;
  EXPECT_FALSE(Opt_commit(im, c.control, c.count).write);
  EXPECT_TRUE(im == before);
}

INSTANTIATE_TEST_SUITE_P(Lists, OptListHandler,
                         ::testing::Values(ListCase{C::Combo_sql, 226, 0, 10}, ListCase{C::Combo_save, 226, 3, 5},
                                           ListCase{C::Combo_vox, 226, 4, 11}, ListCase{C::Combo_abr, 226, 6, 11},
                                           ListCase{C::Combo_tot, 226, 9, 40}, ListCase{C::Combo_voice, 226, 14, 3},
                                           ListCase{C::Combo_dtmfst, 227, 0, 4}, ListCase{C::Combo_sc_rev, 227, 2, 3},
                                           ListCase{C::Combo_ptt_id, 227, 3, 4}, ListCase{C::Combo_ptt_lt, 227, 4, 31},
                                           ListCase{C::Combo_MDF_A, 227, 5, 3}, ListCase{C::Combo_MDF_B, 227, 6, 3},
                                           ListCase{C::Combo_wt_led, 227, 13, 4}, ListCase{C::Combo_rx_led, 227, 14, 4},
                                           ListCase{C::Combo_tx_led, 227, 15, 4}, ListCase{C::Combo_AL_Mode, 228, 0, 4},
                                           ListCase{C::Combo_Tdr_ab, 228, 2, 3}, ListCase{C::Combo_ste, 228, 3, 2},
                                           ListCase{C::Combo_Rp_Ste, 228, 4, 11}, ListCase{C::Combo_RPT_RL, 228, 5, 11},
                                           ListCase{C::Combo_ponmsg, 228, 6, 2}, ListCase{C::Combo_roger, 228, 7, 2},
                                           ListCase{C::Combo_ab_Beep, 228, 10, 3}),
                         [](const ::testing::TestParamInfo<ListCase>& i) {
                           return std::string(Opt_control(i.param.control).name);
                         });

TEST(OptControlTable, NamesAndKindsOfAllThirtyFive) {
  int boxes = 0, flagBoxes = 0, lists = 0, options = 0;
  for (const OptControl& k : Opt_controls()) {
    EXPECT_EQ(&Opt_control(k.id), &k);
    switch (k.kind) {
      case OptKind::Box: ++boxes; break;
      case OptKind::FlagBox:
        ++flagBoxes;
        EXPECT_EQ(k.position, Pos_flags);
        break;
      case OptKind::List:
        ++lists;
        EXPECT_NE(k.list(), nullptr) << k.name;
        EXPECT_EQ(k.list(), Opt_list(k.name)) << k.name;
        break;
      case OptKind::OptionChann:
      case OptKind::OptionFreq:
        ++options;
        EXPECT_EQ(k.position, Pos_work_mode);
        break;
    }
  }
  EXPECT_EQ(boxes, 6);
  EXPECT_EQ(flagBoxes, 4);
  EXPECT_EQ(lists, 23);
  EXPECT_EQ(options, 2);
  EXPECT_EQ(std::string(Opt_control(C::Check_Alarm_Sound).name), "Check_Alarm_Sound");
  EXPECT_EQ(Opt_control(C::Check_Alarm_Sound).mask, 0x08);
  EXPECT_EQ(Opt_control(C::Check_tdr).list(), nullptr);
}

// A handler works on the image as it is now: bytes that changed since the
// block was last shown (the write preparation clears offset 44, a file load
// changes a carried byte) are not put back from an older copy.
TEST(OptHandlerFault, NeverRewritesTheBlockFromAnOlderCopy) {
  img::Image im = ImageWith(MakeBlock({{Pos_spare44, 1}}));
  OptControls controls = Opt_controls_created();
  Opt_show(im, controls);
  im.at(img::OptionCell(Pos_spare44)) = 0;  // the write preparation: no channel 0..127
  im.at(img::OptionCell(60)) = 0x33;        // a file load
  im.at(img::OptionCell(Pos_sql)) = 4;      // and another setting
  img::Image want = im;
  want.at(img::OptionCell(Pos_tdr_ab)) = 2;
  Opt_commit(im, C::Combo_Tdr_ab, 2);
  EXPECT_EQ(ImageDiff(im, want), "");
}

TEST(OptKeys, OnlyTheSquelchListTakesTyping) {
  for (const OptControl& k : Opt_controls()) {
    for (int key : {int('a'), int('5'), int(' '), 8, 13}) {
      const int want = (k.kind != OptKind::List || k.id == C::Combo_sql) ? key : 0;
      EXPECT_EQ(Opt_list_KeyPress(k.id, key), want) << k.name << " " << key;
    }
  }
}

TEST(OptListIndex, AnEntryBeyondTheListShowsTheLastItem) {
  struct Case {
    std::int16_t entry;
    int count, want;
  } cases[] = {{0, 10, 0}, {9, 10, 9}, {10, 10, 9}, {0xFF, 40, 39}, {300, 3, 2}, {-1, 4, 3}, {-32768, 2, 1}};
  for (const Case& c : cases) EXPECT_EQ(Opt_list_index(c.entry, c.count), c.want) << c.entry << "/" << c.count;
}

// ---- the show -------------------------------------------------------------------------

struct ShowCase {
  const char* name;
  Bytes block;                                   // over MakeBlock()
  std::optional<Bytes> first;                    // when set: a first show of this block came before
  std::vector<std::pair<OptCtl, int>> controls;  // what these controls show
  Bytes bytes;                                   // the block afterwards differs from `block` at exactly these offsets
  bool tdrAb, alarmSound;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class OptShowCases : public ::testing::TestWithParam<ShowCase> {};

TEST_P(OptShowCases, BytesToControlsToBytes) {
  const ShowCase& c = GetParam();
  OptControls before = Opt_controls_created();
  if (c.first) before = Opt_show_block(MakeBlock(*c.first), before).controls;
  const Block in = MakeBlock(c.block);
  const OptShow s = Opt_show_block(in, before);

  for (auto [control, value] : c.controls) EXPECT_EQ(s.controls[control], value) << Opt_control(control).name;
  Block want = in;
  for (auto [k, v] : c.bytes) want[std::size_t(k)] = std::int16_t(v);
  for (int k = 0; k < kOptBlockSize; ++k) EXPECT_EQ(s.block[std::size_t(k)], want[std::size_t(k)]) << "offset " << k;
  EXPECT_EQ(s.controls.Combo_Tdr_ab_enabled, c.tdrAb);
  EXPECT_EQ(s.controls.Check_Alarm_Sound_enabled, c.alarmSound);
  // Every list shows an item of its own.
  for (const OptControl& k : Opt_controls())
    if (k.kind == OptKind::List) {
      EXPECT_GE(s.controls[k.id], 0) << k.name;
      EXPECT_LT(s.controls[k.id], Count(k.id)) << k.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shows, OptShowCases,
    ::testing::Values(
        ShowCase{"ValuesPastTheEndShowTheLastItemAndAreWrittenBack",
                 {{Pos_sql, 10}, {Pos_tot, 40}, {Pos_vox, 0xFF}, {Pos_al_mode, 4}, {Pos_tdr_ab, 0xFF}, {Pos_ponmsg, 2}},
                 std::nullopt,
                 {{C::Combo_sql, 9},
                  {C::Combo_tot, 39},
                  {C::Combo_vox, 10},
                  {C::Combo_AL_Mode, 3},
                  {C::Combo_Tdr_ab, 2},
                  {C::Combo_ponmsg, 1}},
                 {{Pos_sql, 9}, {Pos_tot, 39}, {Pos_vox, 10}, {Pos_al_mode, 3}, {Pos_tdr_ab, 2}, {Pos_ponmsg, 1}},
                 false,
                 true},
        ShowCase{"LastItemExactlyStays",
                 {{Pos_sql, 9}, {Pos_tot, 39}, {Pos_ptt_lt, 30}},
                 std::nullopt,
                 {{C::Combo_sql, 9}, {C::Combo_tot, 39}, {C::Combo_ptt_lt, 30}},
                 {},
                 false,
                 false},
        ShowCase{"CellsOutsideAByteNeverIndexPastAList",
                 {{Pos_sql, 300}, {Pos_tot, -1}, {Pos_flags, 0x1FF}, {Pos_work_mode, 256}, {Pos_beep, -5}},
                 std::nullopt,
                 {{C::Combo_sql, 9},
                  {C::Combo_tot, 39},
                  {C::Check_radio, 1},
                  {C::Check_chann_menu, 1},
                  {C::Option_chann, 1},
                  {C::Check_Beep, 1}},
                 {{Pos_sql, 9}, {Pos_tot, 39}, {Pos_flags, 0xFF}, {Pos_work_mode, 1}, {Pos_beep, 1}},
                 false,
                 false},
        ShowCase{"BoxByteTwoShowsCheckedAndBecomesOne",
                 {{Pos_tdr, 2}, {Pos_db_ptt, 2}, {Pos_beep, 2}, {Pos_lock, 2}, {Pos_autolk, 2}, {Pos_bcl, 2}},
                 std::nullopt,
                 {{C::Check_tdr, 1},
                  {C::Check_db_PTT, 1},
                  {C::Check_Beep, 1},
                  {C::Check_Lock, 1},
                  {C::Check_Autolk, 1},
                  {C::Check_bcl, 1}},
                 {{Pos_tdr, 1}, {Pos_db_ptt, 1}, {Pos_beep, 1}, {Pos_lock, 1}, {Pos_autolk, 1}, {Pos_bcl, 1}},
                 true,
                 false},
        ShowCase{"Flags0x1FCheckAllFourAndStay",
                 {{Pos_flags, 0x1F}},
                 std::nullopt,
                 {{C::Check_chann_menu, 1}, {C::Check_chann_init, 1}, {C::Check_Alarm_Sound, 1}, {C::Check_radio, 1}},
                 {},
                 false,
                 false},
        ShowCase{"Flags0xE4CheckNoneAndStay",
                 {{Pos_flags, 0xE4}},
                 std::nullopt,
                 {{C::Check_chann_menu, 0}, {C::Check_chann_init, 0}, {C::Check_Alarm_Sound, 0}, {C::Check_radio, 0}},
                 {},
                 false,
                 false},
        ShowCase{"Flags0xE4AfterAllFourWereChecked",
                 {{Pos_flags, 0xE4}},
                 Bytes{{Pos_flags, 0x1F}},
                 {{C::Check_chann_menu, 0}, {C::Check_chann_init, 0}, {C::Check_Alarm_Sound, 0}, {C::Check_radio, 0}},
                 {},
                 false,
                 false},
        ShowCase{"WorkMode5SelectsChannelAndBecomesOne",
                 {{Pos_work_mode, 5}},
                 std::nullopt,
                 {{C::Option_chann, 1}, {C::Option_freq, 0}},
                 {{Pos_work_mode, 1}},
                 false,
                 false},
        ShowCase{"WorkMode0SelectsFrequency",
                 {{Pos_work_mode, 0}},
                 Bytes{{Pos_work_mode, 1}},
                 {{C::Option_chann, 0}, {C::Option_freq, 1}},
                 {},
                 false,
                 false},
        // The boxes cleared and then set are decided by the byte read before
        // the clear, whose handler zeroes the entry: a later show keeps them.
        ShowCase{"LaterShowKeepsTheClearedThenSetBoxes",
                 {{Pos_lock, 1}, {Pos_autolk, 1}, {Pos_bcl, 2}, {Pos_beep, 1}},
                 Bytes{{Pos_lock, 1}, {Pos_autolk, 1}, {Pos_bcl, 1}, {Pos_beep, 1}},
                 {{C::Check_Lock, 1}, {C::Check_Autolk, 1}, {C::Check_bcl, 1}, {C::Check_Beep, 1}},
                 {{Pos_bcl, 1}},
                 false,
                 false},
        ShowCase{"LaterShowOfZerosClearsThem",
                 {},
                 Bytes{{Pos_lock, 1}, {Pos_autolk, 1}, {Pos_bcl, 1}, {Pos_beep, 1}},
                 {{C::Check_Lock, 0}, {C::Check_Autolk, 0}, {C::Check_bcl, 0}, {C::Check_Beep, 0}},
                 {},
                 false,
                 false},
        // A list that already shows its last item, a set-once box already
        // checked and channel mode already selected run no handler; the show
        // stores what they show all the same.
        ShowCase{"LaterShowStoresWhatDidNotChange",
                 {{Pos_sql, 12}, {Pos_db_ptt, 2}, {Pos_tdr, 7}, {Pos_work_mode, 5}, {Pos_ab_beep, 0xFF}},
                 Bytes{{Pos_sql, 9}, {Pos_db_ptt, 1}, {Pos_tdr, 1}, {Pos_work_mode, 1}, {Pos_ab_beep, 2}},
                 {{C::Combo_sql, 9},
                  {C::Check_db_PTT, 1},
                  {C::Check_tdr, 1},
                  {C::Option_chann, 1},
                  {C::Option_freq, 0},
                  {C::Combo_ab_Beep, 2}},
                 {{Pos_sql, 9}, {Pos_db_ptt, 1}, {Pos_tdr, 1}, {Pos_work_mode, 1}, {Pos_ab_beep, 2}},
                 true,
                 false},
        ShowCase{"DualWatchEnablesItsBandList",
                 {{Pos_tdr, 1}, {Pos_al_mode, 1}},
                 std::nullopt,
                 {{C::Check_tdr, 1}, {C::Combo_AL_Mode, 1}},
                 {},
                 true,
                 true},
        // A later show where Check_tdr keeps its state still leaves
        // Combo_Tdr_ab enabled exactly while the box is checked.
        ShowCase{"LaterShowKeepsTdrAbFollowingTheBox",
                 {{Pos_tdr, 1}},
                 Bytes{{Pos_tdr, 1}},
                 {{C::Check_tdr, 1}},
                 {},
                 true,
                 false}),
    [](const ::testing::TestParamInfo<ShowCase>& i) { return std::string(i.param.name); });

// All zeros: the first item everywhere, every box clear, frequency mode; the
// first show's handlers write the same bytes back, in the show's order.
TEST(OptShow, AllZerosFirstShow) {
  const Block in = MakeBlock();
  const OptShow s = Opt_show_block(in, Opt_controls_created());
  for (const OptControl& k : Opt_controls()) {
    const int want = k.id == C::Option_freq ? 1 : 0;
    EXPECT_EQ(s.controls[k.id], want) << k.name;
  }
  EXPECT_FALSE(s.controls.Combo_Tdr_ab_enabled);
  EXPECT_FALSE(s.controls.Check_Alarm_Sound_enabled);
  EXPECT_EQ(s.block, in);
  // Every list changes from no selection; Check_Beep changes from checked.
  const std::vector<OptWrite> want{{Pos_tot, 0},    {Pos_sql, 0},    {Pos_vox, 0},     {Pos_mdf_a, 0},  {Pos_mdf_b, 0},
                                   {Pos_dtmfst, 0}, {Pos_abr, 0},    {Pos_voice, 0},   {Pos_wt_led, 0}, {Pos_rx_led, 0},
                                   {Pos_tx_led, 0}, {Pos_ste, 0},    {Pos_rp_ste, 0},  {Pos_rpt_rl, 0}, {Pos_sc_rev, 0},
                                   {Pos_ptt_id, 0}, {Pos_ptt_lt, 0}, {Pos_beep, 0},    {Pos_save, 0},   {Pos_ponmsg, 0},
                                   {Pos_roger, 0},  {Pos_tdr_ab, 0}, {Pos_al_mode, 0}, {Pos_ab_beep, 0}};
  EXPECT_EQ(s.writes, want);
}

// 0xFF everywhere: the last item of every list, every box checked, channel mode.
TEST(OptShow, AllFFFirstShow) {
  Block in;
  in.fill(0xFF);
  const OptShow s = Opt_show_block(in, Opt_controls_created());
  Block want = in;
  for (const OptControl& k : Opt_controls()) {
    switch (k.kind) {
      case OptKind::List:
        EXPECT_EQ(s.controls[k.id], Count(k.id) - 1) << k.name;
        want[std::size_t(k.position)] = std::int16_t(Count(k.id) - 1);
        break;
      case OptKind::Box:
        EXPECT_EQ(s.controls[k.id], 1) << k.name;
        want[std::size_t(k.position)] = 1;
        break;
      case OptKind::FlagBox: EXPECT_EQ(s.controls[k.id], 1) << k.name; break;
      case OptKind::OptionChann:
      case OptKind::OptionFreq: break;
    }
  }
  EXPECT_EQ(s.controls[C::Option_chann], 1);
  EXPECT_EQ(s.controls[C::Option_freq], 0);
  want[std::size_t(Pos_work_mode)] = 1;
  EXPECT_EQ(s.block, want);
  EXPECT_TRUE(s.controls.Combo_Tdr_ab_enabled);
  EXPECT_TRUE(s.controls.Check_Alarm_Sound_enabled);
}

// A second show of what the first show left writes nothing more.
TEST(OptShow, ShowingTheShownBlockAgainWritesNothing) {
  Block in;
  in.fill(0xFF);
  const OptShow first = Opt_show_block(in, Opt_controls_created());
  const OptShow again = Opt_show_block(first.block, first.controls);
  // Only the boxes that every show clears and checks again write (ending
  // with the bytes they had).
  for (const OptWrite& w : again.writes)
    EXPECT_TRUE(w.offset == Pos_lock || w.offset == Pos_autolk || w.offset == Pos_bcl || w.offset == Pos_beep ||
                w.offset == Pos_flags)
        << w.offset;
  EXPECT_EQ(again.block, first.block);
  EXPECT_EQ(again.controls, first.controls);
}

// Whatever the controls showed before (a window that stays open over many
// images), a show leaves in the block what the first show of a new window
// leaves, and what the controls show.
TEST(OptShow, EveryShowStoresWhatItShows) {
  std::uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 262) - 3;  // -3 .. 258
  };
  const auto random = [&] {
    Block b;
    for (auto& v : b) v = static_cast<std::int16_t>(next());
    return b;
  };
  for (int i = 0; i < 200; ++i) {
    const OptControls before = Opt_show_block(random(), Opt_controls_created()).controls;
    const Block in = random();
    const OptShow later = Opt_show_block(in, before);
    const OptShow first = Opt_show_block(in, Opt_controls_created());
    ASSERT_EQ(later.block, first.block) << i;
    ASSERT_EQ(later.controls, first.controls) << i;
    // Stored as shown: storing again changes nothing.
    Block again = later.block;
    ASSERT_TRUE(Opt_store_shown(std::span(again), later.controls).empty()) << i;
  }
}

// On the image the show changes only the cells its handlers write.
TEST(OptShow, OnTheImageOnlyTheHandlersCellsChange) {
  img::Image im = ImageWith(MakeBlock({{Pos_sql, 10}, {Pos_work_mode, 5}, {Pos_flags, 0xF5}}));
  img::Image want = im;
  want.at(img::OptionCell(Pos_sql)) = 9;
  want.at(img::OptionCell(Pos_work_mode)) = 1;
  OptControls controls = Opt_controls_created();
  const std::vector<OptWrite> writes = Opt_show(im, controls);
  EXPECT_EQ(ImageDiff(im, want), "");
  EXPECT_EQ(controls[C::Combo_sql], 9);
  EXPECT_EQ(controls[C::Check_chann_menu], 1);
  EXPECT_EQ(controls[C::Check_radio], 1);
  EXPECT_EQ(controls[C::Check_chann_init], 0);
  EXPECT_FALSE(writes.empty());
}

}  // namespace

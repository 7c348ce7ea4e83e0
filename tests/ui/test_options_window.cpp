// The options window and its option block: opening and placing it, its
// captions and lists in both languages, what a show sets the controls to and
// writes back (a table of blocks, compared with the core's model), what each
// control writes when the user changes it by real clicks and keys, Default,
// the bytes no control edits, how the window follows the image, and the
// rebuilds by a .dat load and the language switch.
#include "image/para_file.h"
#include "image/settings_defaults.h"
#include "image/ui/Form_open_chann.h"
#include "link/ui/Form_Comm_Write.h"
#include "options_fixture.h"
#include "platform/core/twips.h"
#include "settings/opt_lists.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <vector>

namespace {

using C = OptCtl;
using Bytes = std::vector<std::pair<int, int>>;  // (offset, value)

constexpr std::int16_t kCarried = 0xAA;
// Offsets that no control edits.
const std::vector<int> kCarriedOffsets{1,  2,  5,  10, 11, 12, 13, 15, 17, 25, 26, 27, 28, 40, 41, 43, 44,
                                       45, 46, 47, 48, 49, 50, 51, 52, 53, 55, 58, 59, 60, 61, 62, 63};

// The factory image with zeros at every edited offset of the block, 0xAA at
// every carried offset, then `bytes`.
img::Image BlockImage(const img::Image& base, const Bytes& bytes) {
  img::Image im = base;
  for (int k = 0; k < kOptBlockSize; ++k) im.at(img::OptionCell(k)) = 0;
  for (int k : kCarriedOffsets) im.at(img::OptionCell(k)) = kCarried;
  for (auto [k, v] : bytes) im.at(img::OptionCell(k)) = static_cast<std::int16_t>(v);
  return im;
}

}  // namespace

class OptionsWindow : public OptionsFixture {
 protected:
  // What the window's controls show, in the core's terms.
  OptControls shown() const {
    OptControls c;
    for (const OptControl& k : Opt_controls()) {
      QWidget* widget = w->Opt_widget(k.id);
      if (auto* l = qobject_cast<ComboList*>(widget))
        c[k.id] = static_cast<std::int16_t>(l->ListIndex());
      else if (auto* b = qobject_cast<CheckBox*>(widget))
        c[k.id] = static_cast<std::int16_t>(b->Value());
      else
        c[k.id] = static_cast<OptionButton*>(widget)->Value() ? 1 : 0;
    }
    c.Combo_Tdr_ab_enabled = w->Combo_Tdr_ab->isEnabled();
    c.Check_Alarm_Sound_enabled = w->Check_Alarm_Sound->isEnabled();
    return c;
  }
  std::array<std::int16_t, kOptBlockSize> block() const { return Opt_block(image.image()); }
  img::Image factory() const { return image.image(); }
};

// ---- opening, placing, captions, lists -----------------------------------------

TEST_F(OptionsWindow, OpensFromTheEditMenuAndTheMenuRebuildsIt) {
  ASSERT_TRUE(openFromMenu());
  EXPECT_EQ(st.Flag_frm_option, -1);
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), w->frame());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Optional Features"));
  EXPECT_EQ(w->Text_chann_total->Text(), QStringLiteral("200"));
  list("Combo_tot")->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return focusIn(list("Combo_tot")); }, 1000));
  QTest::keyClick(list("Combo_tot"), Qt::Key_Down);  // 60 s -> 75 s
  const img::Image edited = image.image();
  EXPECT_EQ(opt(9), 4);

  // Chosen again: unloaded and loaded afresh, showing the same data.
  frm_option* before = w;
  QPointer<frm_option> old(before);
  ASSERT_TRUE(openFromMenu());
  EXPECT_NE(w, before);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(st.Flag_frm_option, -1);
  EXPECT_EQ(list("Combo_tot")->Text(), QStringLiteral("75"));
  EXPECT_EQ(ImageDiff(image.image(), edited), "");
  // Close unloads it.
  QTest::mouseClick(w->Command_close, Qt::LeftButton);
  settle();
  EXPECT_EQ(st.Flag_frm_option, 0);
  EXPECT_FALSE(main->host().find<frm_option>());
}

// A main window of 14800 x 10400 twips gives a window of 10000 x 8000,
// centred in the client area, with the frames and buttons at their design
// places, as far as their texts fit: "KB DTMFST + Send ANI DTMFST" needs a
// wider DTMF side-tone list than the design's, so the left column is wider
// and the columns right of it keep their design distance to it. The design
// already reaches past this window's right edge; the window is widened by
// what the frames grew, so the widening cuts off no more than the design.
class OptionsPlacement : public AppFixture {};

TEST_F(OptionsPlacement, SizeFramesAndButtonsInTwips) {
  screen = {1480, 1040, 144};  // 10 twips a pixel
  start();
  ASSERT_NEAR(main->Width(), 14800, 10);
  ASSERT_NEAR(main->Height(), 10400, 10);
  main->MDImain_Optional_edit_Click();
  auto* w = main->host().find<frm_option>();
  ASSERT_TRUE(w);
  const int dpi = 144;
  struct Place {
    const char* name;
    double left, top, width, height;
  };
  struct Got {
    double left, top, width, height;
    double right() const { return left + width; }
  };
  const auto got = [&](const char* name) {
    QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_TRUE(c) << name;
    if (!c) return Got{};
    const QRect g(c->mapTo(w, QPoint(0, 0)), c->size());
    return Got{twips::FromPixels(g.x(), dpi), twips::FromPixels(g.y(), dpi), twips::FromPixels(g.width(), dpi),
               twips::FromPixels(g.height(), dpi)};
  };
  // Design places; the VFO frames end where the frames under them begin.
  const Place columns[3][4] = {
      {{"Frame_general", 120, 120, 3855, 2175},
       {"Frame_Mode", 120, 2400, 3855, 855},
       {"Frame_Chann", 120, 3360, 3855, 1575},
       {"Frame_functions", 120, 5040, 3855, 2295}},
      {{"Frame_A", 4080, 120, 3015, 4440}, {"Frame_band", 4080, 4560, 3015, 2775}},
      {{"Frame_B", 7200, 120, 3015, 4440}, {"Frame_alarm", 7200, 4560, 3015, 2775}},
  };
  double columnRight = 0;
  for (int col = 0; col < 3; ++col) {
    const Got first = got(columns[col][0].name);
    // The left column at its design place; the next keeps its distance.
    EXPECT_NEAR(first.left, col == 0 ? 120 : columnRight + 105, 15) << columns[col][0].name;
    for (const Place& p : columns[col]) {
      if (!p.name) continue;
      const Got g = got(p.name);
      EXPECT_NEAR(g.top, p.top, 15) << p.name;
      EXPECT_NEAR(g.height, p.height, 15) << p.name;
      EXPECT_GE(g.width, p.width - 15) << p.name;
      // A column is one width.
      EXPECT_NEAR(g.left, first.left, 15) << p.name;
      EXPECT_NEAR(g.width, first.width, 15) << p.name;
    }
    columnRight = first.right();
  }
  EXPECT_GT(got("Frame_functions").width, 3855 + 15);
  // The buttons under the right end of the alarm frame, as designed.
  EXPECT_NEAR(got("Command_def").left, columnRight - (10215 - 7440), 15);
  EXPECT_NEAR(got("Command_close").left, columnRight - (10215 - 8880), 15);
  for (const char* b : {"Command_def", "Command_close"}) {
    EXPECT_NEAR(got(b).top, 7440, 15) << b;
    EXPECT_NEAR(got(b).width, 855, 15) << b;
    EXPECT_NEAR(got(b).height, 495, 15) << b;
  }
  EXPECT_NEAR(w->TwipsWidth(), 10000 + (columnRight - 10215), 15);
  EXPECT_NEAR(w->TwipsHeight(), 8000, 15);
  EXPECT_NEAR(twips::FromPixels(w->frame()->x(), dpi), (main->ScaleWidth() - w->TwipsWidth()) / 2, 15);
  EXPECT_NEAR(twips::FromPixels(w->frame()->y(), dpi), (main->ScaleHeight() - w->TwipsHeight()) / 2, 15);
}

// A client area smaller than the window: the window starts partly outside it.
TEST_F(OptionsWindow, NothingIsClampedOnASmallMainWindow) {
  main->resize(700, 300);
  QApplication::processEvents();
  ASSERT_TRUE(open());
  EXPECT_LT(w->frame()->y(), 0);
  EXPECT_NEAR(w->TwipsHeight(), main->Height() / 1.3, 15);
}

// What the window shows of its caption tables, exact to the space, in both
// languages; the hidden controls are captioned too.
TEST_F(OptionsWindow, CaptionsInBothLanguages) {
  struct Expected {
    const char* name;
    const char* english;
    const char* chinese;
  };
  const Expected expected[] = {
      {"Command_def", "Default", "默 认"},
      {"Command_close", "Close", "关  闭"},
      {"Label_Tot", "Time Out Timer(TOT)[S]", "发射超时定时器（秒）"},
      {"Frame_Mode", "Work Mode", "当前工作模式"},
      {"Option_freq", "Frequency ", "频率"},
      {"Label_Cht", "CHT", "信道数"},
      {"Check_chann_syn", "Synchr", "同步显示"},
      {"Label_MDF_B", "B Channel Disp Way", "B 段信道显示方式"},
      {"Check_Autolk", "SYNC", "信道同步"},
      {"Frame_band", "", ""},
      {"Label_ste", "Tail noise Clear ", "尾音消除"},
      {"Label_ab_Beep", " Reced A/B Beep", "A/B 接收到信号提醒"},
      {"Check_db_PTT", "DB_PTT", "DB_PTT"},
      {"Frame_A", "A Band Frequency Mode", "Ａ段频率模式"},
      {"Frame_B", "B Band Frequency Mode", "Ｂ段频率模式"},
      {"Label_Spmute_b", "Speak Mute", "信令关系"},
      {"Label_unit_offset_b", "MHZ", "MHZ"},
      {"Frame_general", "", ""},
      {"Frame_functions", "", ""},
      {"Frame_alarm", "", ""},
  };
  ASSERT_TRUE(open());
  for (bool zh : {false, true}) {
    if (zh) {
      main->MDImain_Language_chn_Click();
      settle();
      ASSERT_TRUE(current());
    }
    EXPECT_EQ(w->windowTitle(), zh ? QStringLiteral("可选参数编辑") : QStringLiteral("Optional Features"));
    for (const Expected& e : expected) {
      QWidget* c = control(e.name);
      ASSERT_TRUE(c) << e.name;
      QString text;
      if (auto* b = qobject_cast<QAbstractButton*>(c))
        text = b->text();
      else if (auto* l = qobject_cast<QLabel*>(c))
        text = l->text();
      else if (auto* g = qobject_cast<QGroupBox*>(c))
        text = g->title();
      EXPECT_EQ(text, QString::fromUtf8(zh ? e.chinese : e.english)) << e.name << (zh ? " zh" : " en");
    }
  }
}

// Created hidden: the optional-signal and speaker-mute lists with their
// labels, the channel count and the synchronisation box; the range boxes
// only display. The hidden lists are filled and shown all the same.
TEST_F(OptionsWindow, HiddenAndDisplayOnlyControls) {
  ASSERT_TRUE(open());
  for (const char* name :
       {"Combo_Optsig_a", "Combo_OptSig_b", "Combo_Spmute_a", "Combo_Spmute_b", "Label_Optsig_a", "Label_OptSig_b",
        "Label_Spmute_a", "Label_Spmute_b", "Label_Cht", "Text_chann_total", "Check_chann_syn"}) {
    ASSERT_TRUE(control(name)) << name;
    EXPECT_FALSE(control(name)->isVisible()) << name;
  }
  EXPECT_FALSE(box("Text_chann_total")->isEnabled());
  EXPECT_FALSE(box("Text_Range_A")->isEnabled());
  EXPECT_FALSE(box("Text_Range_B")->isEnabled());
  EXPECT_EQ(list("Combo_Spmute_b")->Text(), QStringLiteral("QT/DQT"));
  EXPECT_EQ(list("Combo_OptSig_b")->ListIndex(), 0);
}

// Every list holds its items once, in the language of the load; a stored
// value selects the same item in both.
TEST_F(OptionsWindow, ListItemsInBothLanguagesAndOnceOnly) {
  img::Image im = factory();
  im.at(img::OptionCell(Pos_al_mode)) = 3;
  im.at(img::OptionCell(Pos_tot)) = 39;
  ASSERT_TRUE(openOn(im));
  for (bool zh : {false, true}) {
    if (zh) {
      main->MDImain_Language_chn_Click();
      settle();
      ASSERT_TRUE(current());
    }
    for (const OptList& l : Opt_lists()) {
      ComboList* c = list(l.control);
      ASSERT_TRUE(c) << l.control;
      ASSERT_EQ(c->ListCount(), l.size()) << l.control;
    }
    EXPECT_EQ(list("Combo_AL_Mode")->Text(), zh ? QStringLiteral("发射报警码") : QStringLiteral("CODE"));
    EXPECT_EQ(list("Combo_tot")->Text(), QStringLiteral("600"));
    ComboList* tone = list("Combo_t_ctdcs_b");
    EXPECT_EQ(tone->ListCount(), 2211);
    const std::vector<std::pair<int, const char*>> items{{0, zh ? "关" : "OFF"}, {1, "60.0"},     {2000, "259.9"},
                                                         {2001, "D023N"},        {2105, "D754N"}, {2106, "D023I"},
                                                         {2210, "D754I"}};
    for (auto [i, text] : items) EXPECT_EQ(tone->List(i), QString::fromUtf8(text)) << i;
    EXPECT_EQ(list("Combo_Rp_Ste")->List(10), QStringLiteral("1000"));
    EXPECT_EQ(list("Combo_S_info_a")->List(14), QStringLiteral("15"));
  }
  // The menu rebuilds it: each list still holds its items once.
  ASSERT_TRUE(open());
  EXPECT_EQ(list("Combo_r_ctdcs_a")->ListCount(), 2211);
  EXPECT_EQ(list("Combo_sql")->ListCount(), 10);
}

// ---- the show -------------------------------------------------------------------

struct ShowCase {
  const char* name;
  Bytes bytes;
  // What the first show leaves in the image, besides the model's verdict.
  Bytes after;
  std::function<void(const OptControls&)> check = nullptr;
};
void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class OptionsShow : public OptionsWindow, public ::testing::WithParamInterface<ShowCase> {};

// Bytes -> what the controls show -> what the handlers write back, on the
// window's real controls; the same as the core's model of the show.
TEST_P(OptionsShow, BytesToControlsToBytes) {
  const ShowCase& c = GetParam();
  const img::Image in = BlockImage(factory(), c.bytes);
  const OptShow model = Opt_show_block(Opt_block(in), Opt_controls_created());
  ASSERT_TRUE(openOn(in));
  EXPECT_EQ(shown(), model.controls);
  EXPECT_EQ(block(), model.block);
  for (auto [k, v] : c.after) {
    EXPECT_EQ(opt(k), v) << "offset " << k;
  }
  for (int k : kCarriedOffsets) {
    EXPECT_EQ(opt(k), kCarried) << "offset " << k;
  }
  if (c.check) c.check(shown());
  EXPECT_TRUE(prompt.calls.empty());
  // Activation shows the block again: nothing more is written.
  const img::Image afterFirst = image.image();
  main->MDImain_Channel_edit_Click();
  activate();
  EXPECT_EQ(ImageDiff(image.image(), afterFirst), "");
  EXPECT_EQ(shown(), model.controls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsShow,
    ::testing::Values(
        ShowCase{"AllZeros",
                 {},
                 {{0, 0}, {56, 0}, {54, 0}},
                 [](const OptControls& s) {
                   EXPECT_EQ(s[C::Option_freq], 1);
                   EXPECT_EQ(s[C::Combo_tot], 0);
                   EXPECT_EQ(s[C::Check_Beep], 0);
                   // No dual watch: its transmit band list is disabled; no alarm mode: no alarm sound.
                   EXPECT_FALSE(s.Combo_Tdr_ab_enabled);
                   EXPECT_FALSE(s.Check_Alarm_Sound_enabled);
                 }},
        ShowCase{"ValuesPastTheListsEnd",
                 {{0, 10}, {9, 40}, {20, 31}, {36, 0xFF}, {42, 3}},
                 {{0, 9}, {9, 39}, {20, 30}, {36, 10}, {42, 2}}},
        ShowCase{"LastItemsStay", {{0, 9}, {9, 39}, {35, 1}}, {{0, 9}, {9, 39}, {35, 1}}},
        ShowCase{"EveryByteFF",
                 [] {
                   Bytes b;
                   for (const OptControl& k : Opt_controls()) b.emplace_back(k.position, 0xFF);
                   return b;
                 }(),
                 {{7, 1}, {8, 1}, {23, 1}, {24, 1}, {33, 1}, {57, 1}, {54, 0xFF}, {56, 1}, {3, 4}, {32, 3}}},
        ShowCase{"ClearedThenSetBoxesKeepTheirByte",
                 {{57, 1}, {24, 2}, {23, 1}, {8, 0}},
                 {{57, 1}, {24, 1}, {23, 1}, {8, 0}},
                 [](const OptControls& s) {
                   EXPECT_EQ(s[C::Check_Lock], 1);
                   EXPECT_EQ(s[C::Check_Autolk], 1);
                   EXPECT_EQ(s[C::Check_bcl], 1);
                   EXPECT_EQ(s[C::Check_Beep], 0);
                 }},
        ShowCase{"Flags1F",
                 {{54, 0x1F}},
                 {{54, 0x1F}},
                 [](const OptControls& s) {
                   for (C c : {C::Check_chann_menu, C::Check_chann_init, C::Check_Alarm_Sound, C::Check_radio})
                     EXPECT_EQ(s[c], 1);
                 }},
        ShowCase{"FlagsE4",
                 {{54, 0xE4}},
                 {{54, 0xE4}},
                 [](const OptControls& s) {
                   for (C c : {C::Check_chann_menu, C::Check_chann_init, C::Check_Alarm_Sound, C::Check_radio})
                     EXPECT_EQ(s[c], 0);
                 }},
        ShowCase{"WorkMode5",
                 {{56, 5}},
                 {{56, 1}},
                 [](const OptControls& s) {
                   EXPECT_EQ(s[C::Option_chann], 1);
                   EXPECT_EQ(s[C::Option_freq], 0);
                 }},
        ShowCase{"CellsOutside0To255", {{0, 300}, {3, -1}, {54, 0x1E4}, {7, -2}}, {{0, 9}, {3, 4}, {54, 0xE4}, {7, 1}}},
        ShowCase{"DualWatchAndAlarm",
                 {{7, 2}, {33, 2}, {32, 1}},
                 {{7, 1}, {33, 1}, {32, 1}},
                 [](const OptControls& s) {
                   EXPECT_TRUE(s.Combo_Tdr_ab_enabled);
                   EXPECT_TRUE(s.Check_Alarm_Sound_enabled);
                 }}),
    [](const ::testing::TestParamInfo<ShowCase>& i) { return std::string(i.param.name); });

// A later show of a window that stays open, after someone else wrote the
// block, stores what it shows also where no control moved: a byte beyond
// its list's end whose list already shows the last item, a 2 in a box
// already checked, a work mode of 5 under channel mode already selected. A
// click on another option then leaves them as shown.
TEST_F(OptionsWindow, LaterShowsStoreWhatTheyShow) {
  ASSERT_TRUE(openOn(BlockImage(factory(), {{0, 9}, {7, 1}, {57, 1}, {56, 1}, {42, 2}})));
  edit([](img::Image& im) {
    im.at(img::OptionCell(Pos_sql)) = 12;        // list already on its last item
    im.at(img::OptionCell(Pos_ab_beep)) = 0xFF;  // the same
    im.at(img::OptionCell(Pos_tdr)) = 2;         // set-once box already checked
    im.at(img::OptionCell(Pos_lock)) = 2;        // cleared and set again
    im.at(img::OptionCell(Pos_work_mode)) = 5;   // channel mode already selected
  });
  EXPECT_EQ(list("Combo_sql")->Text(), QStringLiteral("9"));
  EXPECT_EQ(opt(Pos_sql), 9);
  EXPECT_EQ(opt(Pos_ab_beep), 2);
  EXPECT_EQ(opt(Pos_tdr), 1);
  EXPECT_EQ(opt(Pos_lock), 1);
  EXPECT_EQ(opt(Pos_work_mode), 1);
  // A handler writes its own entry into the image as it is: the bytes that
  // the show stored are not put back from the block the show started from.
  const img::Image shown = image.image();
  QTest::mouseClick(check("Check_Beep"), Qt::LeftButton, {}, QPoint(8, check("Check_Beep")->height() / 2));
  img::Image want = shown;
  want.at(img::OptionCell(Pos_beep)) = static_cast<std::int16_t>(1 - shown.at(img::OptionCell(Pos_beep)));
  EXPECT_EQ(ImageDiff(image.image(), want), "");
}

// ---- the handlers ----------------------------------------------------------------

struct HandlerCase {
  const char* control;
  int offset;
  int before;  // the byte before the user's change
  int after;   // and after it
};
void PrintTo(const HandlerCase& c, std::ostream* os) { *os << c.control; }

class OptionsHandler : public OptionsWindow, public ::testing::WithParamInterface<HandlerCase> {};

// The user changes one control with the mouse or the keyboard: its one byte
// changes in the image, nothing else.
TEST_P(OptionsHandler, WritesItsOneByte) {
  const HandlerCase& c = GetParam();
  ASSERT_TRUE(openOn(BlockImage(factory(), {{c.offset, c.before}, {7, 1}, {32, 1}})));
  ASSERT_EQ(opt(c.offset), c.before);
  img::Image want = image.image();
  want.at(img::OptionCell(c.offset)) = static_cast<std::int16_t>(c.after);
  QWidget* widget = control(c.control);
  ASSERT_TRUE(widget);
  if (auto* l = qobject_cast<ComboList*>(widget)) {
    clickInto(l);
    QTest::keyClick(l, c.after > c.before ? Qt::Key_Down : Qt::Key_Up);
  } else {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
  }
  EXPECT_EQ(ImageDiff(image.image(), want), "");
}

INSTANTIATE_TEST_SUITE_P(
    Controls, OptionsHandler,
    ::testing::Values(HandlerCase{"Check_tdr", 7, 1, 0}, HandlerCase{"Check_Beep", 8, 0, 1},
                      HandlerCase{"Check_bcl", 23, 1, 0}, HandlerCase{"Check_Autolk", 24, 0, 1},
                      HandlerCase{"Check_db_PTT", 33, 0, 1}, HandlerCase{"Check_Lock", 57, 1, 0},
                      HandlerCase{"Check_chann_menu", 54, 0xE4, 0xE5}, HandlerCase{"Check_chann_init", 54, 0x1D, 0x1F},
                      HandlerCase{"Check_Alarm_Sound", 54, 0x1F, 0x17}, HandlerCase{"Check_radio", 54, 0xE5, 0xF5},
                      HandlerCase{"Combo_sql", 0, 0, 1}, HandlerCase{"Combo_save", 3, 4, 3},
                      HandlerCase{"Combo_vox", 4, 9, 10}, HandlerCase{"Combo_abr", 6, 0, 1},
                      HandlerCase{"Combo_tot", 9, 38, 39}, HandlerCase{"Combo_voice", 14, 1, 2},
                      HandlerCase{"Combo_dtmfst", 16, 3, 2}, HandlerCase{"Combo_sc_rev", 18, 0, 1},
                      HandlerCase{"Combo_ptt_id", 19, 1, 0}, HandlerCase{"Combo_ptt_lt", 20, 29, 30},
                      HandlerCase{"Combo_MDF_A", 21, 0, 1}, HandlerCase{"Combo_MDF_B", 22, 2, 1},
                      HandlerCase{"Combo_wt_led", 29, 2, 3}, HandlerCase{"Combo_rx_led", 30, 1, 0},
                      HandlerCase{"Combo_tx_led", 31, 0, 1}, HandlerCase{"Combo_AL_Mode", 32, 1, 2},
                      HandlerCase{"Combo_Tdr_ab", 34, 1, 2}, HandlerCase{"Combo_ste", 35, 1, 0},
                      HandlerCase{"Combo_Rp_Ste", 36, 9, 10}, HandlerCase{"Combo_RPT_RL", 37, 0, 1},
                      HandlerCase{"Combo_ponmsg", 38, 0, 1}, HandlerCase{"Combo_roger", 39, 1, 0},
                      HandlerCase{"Combo_ab_Beep", 42, 0, 1}, HandlerCase{"Option_chann", 56, 0, 1},
                      HandlerCase{"Option_freq", 56, 1, 0}),
    [](const ::testing::TestParamInfo<HandlerCase>& i) { return std::string(i.param.control); });

// Check_tdr enables the dual-watch transmit band exactly while it is checked;
// alarm mode OFF disables the alarm sound without touching its bit.
TEST_F(OptionsWindow, DependentControlsFollowTheirSetting) {
  ASSERT_TRUE(openOn(BlockImage(factory(), {{7, 1}, {34, 2}, {32, 2}, {54, 0x08}})));
  EXPECT_TRUE(w->Combo_Tdr_ab->isEnabled());
  QTest::mouseClick(w->Check_tdr, Qt::LeftButton, {}, QPoint(8, w->Check_tdr->height() / 2));
  EXPECT_EQ(opt(7), 0);
  EXPECT_FALSE(w->Combo_Tdr_ab->isEnabled());
  EXPECT_EQ(w->Combo_Tdr_ab->Text(), QStringLiteral("B Band"));
  EXPECT_EQ(opt(34), 2);
  QTest::mouseClick(w->Check_tdr, Qt::LeftButton, {}, QPoint(8, w->Check_tdr->height() / 2));
  EXPECT_EQ(opt(7), 1);
  EXPECT_TRUE(w->Combo_Tdr_ab->isEnabled());

  ComboList* mode = list("Combo_AL_Mode");
  pick(mode, 0);
  EXPECT_EQ(opt(32), 0);
  EXPECT_FALSE(w->Check_Alarm_Sound->isEnabled());
  EXPECT_TRUE(w->Check_Alarm_Sound->Checked());
  EXPECT_EQ(opt(54), 0x08);
  pick(mode, 3);
  EXPECT_TRUE(w->Check_Alarm_Sound->isEnabled());
  // Someone else clears the dual watch: the next show disables the list too.
  edit([](img::Image& im) { im.at(img::OptionCell(Pos_tdr)) = 0; });
  EXPECT_FALSE(w->Check_tdr->Checked());
  EXPECT_FALSE(w->Combo_Tdr_ab->isEnabled());
}

// Only the squelch list takes typing, which stores nothing; every other list
// drops every key, and its field takes no Delete, cut or paste.
TEST_F(OptionsWindow, ListKeysAndTheReadOnlyFields) {
  ASSERT_TRUE(open());
  const img::Image before = image.image();
  QApplication::clipboard()->setText(QStringLiteral("9"));
  for (const char* name : {"Combo_tot", "Combo_save", "Combo_AL_Mode", "Combo_Band_A", "Combo_step_b"}) {
    ComboList* l = list(name);
    clickInto(l);
    const QString text = l->Text();
    QTest::keyClicks(l, QStringLiteral("1x "));
    QTest::keyClick(l, Qt::Key_Backspace);
    l->lineEdit()->setCursorPosition(0);
    QTest::keyClick(l, Qt::Key_Delete);
    QTest::keyClick(l, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(l, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(l, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(l->Text(), text) << name;
    EXPECT_GE(l->ListIndex(), 0) << name;
  }
  ComboList* sql = list("Combo_sql");
  clickInto(sql);
  QTest::keyClicks(sql, QStringLiteral("7"));
  EXPECT_TRUE(sql->Text().contains(u'7'));
  EXPECT_EQ(ImageDiff(image.image(), before), "");
  // The next show puts the stored squelch back.
  main->MDImain_Channel_edit_Click();
  activate();
  EXPECT_EQ(sql->Text(), QStringLiteral("5"));
  EXPECT_EQ(ImageDiff(image.image(), before), "");
}

// After text typed or pasted into the squelch list's field (which leaves it
// showing no item), Up and Down go on from the item the field names, else
// from the stored squelch; never from before the first item, which would
// store squelch 0. Real keys on the real window.
TEST_F(OptionsWindow, SquelchArrowsAfterTyping) {
  ASSERT_TRUE(openOn(BlockImage(factory(), {{Pos_sql, 3}})));
  ComboList* sql = list("Combo_sql");
  clickInto(sql);
  struct Case {
    const char* typed;
    bool paste;
    Qt::Key key;
    int stored;
    const char* field;
  };
  const Case cases[] = {
      {"8", false, Qt::Key_Down, 9, "9"},     // the item the field names, then the next one
      {"8", false, Qt::Key_Up, 7, "7"},       //
      {"x", false, Qt::Key_Down, 8, "8"},     // names none: from the stored squelch (7)
      {"12", false, Qt::Key_Up, 7, "7"},      //
      {"0", false, Qt::Key_Up, 7, "0"},       // nothing before the first item: nothing stored
      {"9", false, Qt::Key_Down, 7, "9"},     // nothing after the last one
      {"4", true, Qt::Key_Down, 5, "5"},      // pasted
      {"", false, Qt::Key_PageDown, 6, "6"},  // an emptied field names none
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + (c.paste ? " pasted" : ""));
    QTest::keyClick(sql, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(sql, Qt::Key_Delete);
    if (c.paste) {
      QApplication::clipboard()->setText(QString::fromLatin1(c.typed));
      QTest::keyClick(sql, Qt::Key_V, Qt::ControlModifier);
    } else {
      QTest::keyClicks(sql, QString::fromLatin1(c.typed));
    }
    EXPECT_EQ(sql->ListIndex(), -1);
    QTest::keyClick(sql, c.key);
    EXPECT_EQ(opt(Pos_sql), c.stored);
    EXPECT_EQ(sql->Text().toStdString(), c.field);
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// A tone list showing a CTCSS tone as text has no item either: Down goes on
// to the next tone (it used to choose OFF and store no tone).
TEST_F(OptionsWindow, ToneListArrowsFromTheToneShown) {
  img::Image im = factory();
  im(img::kVfoAFirst + 1, 6) = 158;  // VFO A receives on 67.0 Hz (670)
  im(img::kVfoAFirst + 1, 7) = 2;
  ASSERT_TRUE(openOn(im));
  ComboList* tone = list("Combo_r_ctdcs_a");
  ASSERT_EQ(tone->Text(), QStringLiteral("67.0"));
  ASSERT_EQ(tone->ListIndex(), -1);
  clickInto(tone);
  QTest::keyClick(tone, Qt::Key_Down);
  EXPECT_EQ(tone->Text(), QStringLiteral("67.1"));
  EXPECT_EQ(vfoByte(0, 22), 671 % 256);
  EXPECT_EQ(vfoByte(0, 23), 671 / 256);
}

// ---- Default ------------------------------------------------------------------------

// Default writes the factory block, VFO records and FM labels at once, without
// a question; the bytes without a factory value keep what the image holds now,
// also when it changed while the window was open.
TEST_F(OptionsWindow, DefaultAtOnceKeepingTheImagesUnnamedBytes) {
  img::Image defaults = factory();
  ASSERT_TRUE(openOn(BlockImage(factory(), {{0, 2}, {9, 7}})));
  // Behind the window: the unnamed bytes and the FM labels change, and so
  // does the channel count.
  edit([](img::Image& im) {
    for (int k : {46, 53, 58, 63}) im.at(img::OptionCell(k)) = 0x33;
    im(img::kFmLabelsFirst, 0) = 'X';
    im(img::kVfoAFirst, 3) = 0x44;  // not interpreted: Default leaves it
  });
  st.Chann_total = 150;
  QTest::mouseClick(w->Command_def, Qt::LeftButton);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(st.Chann_total, 200);
  for (int k = 0; k < kOptBlockSize; ++k) {
    const bool unnamed = (k >= 46 && k <= 53) || k >= 58;
    const int want =
        unnamed ? ((k == 46 || k == 53 || k == 58 || k == 63) ? 0x33 : kCarried) : defaults.at(img::OptionCell(k));
    EXPECT_EQ(opt(k), want) << "offset " << k;
  }
  EXPECT_EQ(image.image()(img::kFmLabelsFirst, 0), ' ');
  EXPECT_EQ(image.image()(img::kVfoAFirst, 3), 0x44);
  for (int n = 8; n < 32; ++n) {
    if (n == 27) continue;
    EXPECT_EQ(vfoByte(0, n), defaults(img::kVfoAFirst + n / 16, n % 16)) << n;
  }
  // The window shows the defaults.
  EXPECT_EQ(list("Combo_sql")->Text(), QStringLiteral("5"));
  EXPECT_EQ(list("Combo_tot")->Text(), QStringLiteral("60"));
  EXPECT_EQ(box("Text_Freq_a")->Text(), QStringLiteral("136.02500"));
}

// ---- following the image ------------------------------------------------------------------

// The carried bytes pass through shows, edits in every control and Default.
TEST_F(OptionsWindow, CarriedBytesSurviveShowsEditsAndDefault) {
  ASSERT_TRUE(openOn(BlockImage(factory(), {})));
  for (const OptControl& k : Opt_controls()) {
    QWidget* widget = w->Opt_widget(k.id);
    if (!widget->isEnabled()) continue;
    if (auto* l = qobject_cast<ComboList*>(widget))
      pick(l, l->ListCount() - 1);
    else
      QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
  }
  for (int k : kCarriedOffsets) {
    EXPECT_EQ(opt(k), kCarried) << "offset " << k;
  }
  QTest::mouseClick(w->Command_def, Qt::LeftButton);
  for (int k : kCarriedOffsets) {
    if ((k < 46 || k > 53) && k < 58) continue;
    EXPECT_EQ(opt(k), kCarried) << "offset " << k;
  }
}

// The write preparation clears byte 44 while the window is open: a click on a
// setting then writes its own byte and leaves 44 as the preparation left it.
TEST_F(OptionsWindow, ChangeBehindTheWindowIsShownAndNotOverwritten) {
  img::Image im = BlockImage(factory(), {{44, 1}, {9, 3}});
  for (int r = img::kChannelFirst; r <= img::kChannelLast; ++r) im.fillRows(r, r, 0xFF);  // no channels
  ASSERT_TRUE(openOn(im));
  ASSERT_EQ(opt(44), 1);
  // The write dialog's Write button runs the preparation (the port fails).
  main->MDImain_Prog_write_Click();
  auto* d = main->host().find<Form_Comm_Write>();
  ASSERT_TRUE(d);
  QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command_Write")), Qt::LeftButton);
  ASSERT_EQ(opt(44), 0);
  // A .dat-like change of another setting, from nobody in particular.
  edit([](img::Image& i) { i.at(img::OptionCell(Pos_tot)) = 5; });
  // Shown before the user's next input, without an activation.
  EXPECT_EQ(list("Combo_tot")->Text(), QStringLiteral("90"));
  activate();
  QTest::mouseClick(w->Check_tdr, Qt::LeftButton, {}, QPoint(8, w->Check_tdr->height() / 2));
  EXPECT_EQ(opt(7), 1);
  EXPECT_EQ(opt(44), 0);
  EXPECT_EQ(opt(9), 5);
}

// A .dat load rebuilds the open window, which shows the file; the language
// switch rebuilds it in the other language with the same selections.
TEST_F(OptionsWindow, DatLoadAndLanguageSwitchRebuildIt) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString oldCwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tmp.path()));
  img::Image file = BlockImage(factory(), {{Pos_tot, 10}, {Pos_voice, 2}});
  QFile f(tmp.path() + QStringLiteral("/radio.dat"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Para_file_text(file));
  f.close();
  ASSERT_TRUE(open());
  QPointer<frm_option> before(w);
  main->MDImain_File_Open_Click();
  auto* d = main->host().find<Form_open_chann>();
  ASSERT_TRUE(d);
  d->Text1->setText(QStringLiteral("radio.dat"));
  d->Command_enter->click();
  settle();
  QDir::setCurrent(oldCwd);
  EXPECT_TRUE(before.isNull());
  ASSERT_TRUE(main->host().find<frm_option>());
  w = main->host().find<frm_option>();
  EXPECT_EQ(list("Combo_tot")->Text(), QStringLiteral("165"));
  EXPECT_EQ(list("Combo_voice")->Text(), QStringLiteral("Chinese"));
  EXPECT_EQ(opt(Pos_tot), 10);

  main->MDImain_Language_chn_Click();
  settle();
  ASSERT_TRUE(current());
  EXPECT_EQ(st.Flag_frm_option, -1);
  EXPECT_EQ(list("Combo_voice")->Text(), QStringLiteral("中文"));
  EXPECT_EQ(list("Combo_tot")->ListIndex(), 10);
}

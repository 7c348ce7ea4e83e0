// The alignment window in the program: its load, pages, lists, number boxes,
// band check box, band limits and text lines, driven by real key and mouse
// events on the real window, over the shared alignment table.
#include "adj_window_fixture.h"
#include "alignment/adj_texts.h"
#include "platform/core/twips.h"
#include "typed_in.h"

#include <QPointer>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using adj::Cell;
using adj::kNoItem;

// Twips to pixels at the fixture's 96 dpi.
QRect Px(double left, double top, double width, double height) {
  return {twips::ToPixels(left, 96), twips::ToPixels(top, 96), twips::ToPixels(width, 96), twips::ToPixels(height, 96)};
}

const QString kRange255 = QStringLiteral(" 输入数字范围为 0 - 255 ！");
const QString kRange20 = QStringLiteral(" 输入数字范围为 0 - 20 ！");

}  // namespace

class AdjWindow : public AdjWindowOn<AppFixture> {
 protected:
  void SetUp() override {
    start();
    activate();
  }
  // Opens the window and shows a page by a click on its tab.
  void openOn(int page) {
    ASSERT_TRUE(open());
    if (page != 0) clickTab(page);
    ASSERT_EQ(w->view().page, page);
  }
  ManualTimer& timer4() const { return *static_cast<ManualTimer*>(w->Timer4.get()); }
};

// ---- load ---------------------------------------------------------------------------

// A fresh load: the high-power page of the table as it is, at the designed
// places, sized and centred from the main window; the bar hidden, the poll
// running, the hidden groups hidden.
TEST_F(AdjWindow, FreshLoad) {
  for (int i = 0; i < 16; ++i) {
    at(0, i) = static_cast<Cell>(211 + i);
    at(1, i) = static_cast<Cell>(231 + i);
  }
  const adj::Table before = st.AdjTable;
  ASSERT_TRUE(open());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("发射功率调整（高功率）"));
  EXPECT_EQ(w->Frame_Frame->title(), QStringLiteral("发射功率调整（高功率）"));
  EXPECT_EQ(shownGroup(), w->Frame_Frame);
  EXPECT_EQ(w->TabStrip1->SelectedIndex(), 0);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(w->Text1[i]->text(), QString::number(211 + static_cast<int>(i))) << i;
    EXPECT_EQ(w->Text2[i]->text(), QString::number(231 + static_cast<int>(i))) << i;
  }
  EXPECT_EQ(changes(before), "");
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_TRUE(w->ProgressBar1->isHidden());
  EXPECT_EQ(w->Label_tr_count->text(), QString());
  EXPECT_TRUE(timer4().enabled());
  EXPECT_EQ(timer4().interval(), 500);
  EXPECT_FALSE(w->link->Busy());
  EXPECT_FALSE(w->link->port().isOpen());
  EXPECT_TRUE(w->Frame9->isHidden());
  EXPECT_TRUE(w->Frame5->isHidden());
  // The page-5 controls keep their design texts until page 5 is shown.
  EXPECT_EQ(w->Text_Freq_L[0]->text(), QStringLiteral("240"));
  EXPECT_EQ(w->Text_Freq_H[1]->text(), QStringLiteral("270"));
  EXPECT_EQ(w->Text_PON_MSG_U->text(), QStringLiteral("KELMOR"));
  EXPECT_EQ(w->Text_info_1->text(), QStringLiteral("Text6"));

  // Width main / 1.48 by height main / 1.2, centred in the client area.
  auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
  ASSERT_TRUE(sub);
  const double mw = main->Width(), mh = main->Height(), ww = mw / 1.48, wh = mh / 1.2;
  EXPECT_EQ(sub->geometry(), Px((main->ScaleWidth() - ww) / 2, (main->ScaleHeight() - wh) / 2, ww, wh));
  // The groups from the window's outer size; the rest at its design place.
  const double W = w->TwipsWidth(), H = w->TwipsHeight();
  struct Place {
    QWidget* control;
    QRect want;
  } places[] = {
      {w->TabStrip1, Px(200, 100, 10095, 7455)},       {w->Frame_Frame, Px(300, 600, W / 1.1, W / 2)},
      {w->Frame_Sql, Px(300, 600, W / 1.1, H / 1.49)}, {w->Frame_Dev, Px(300, 600, W / 1.15, H / 1.6)},
      {w->ProgressBar1, Px(120, 7680, 7575, 495)},     {w->Command_read, Px(600, 8160, 855, 495)},
      {w->Command_Write, Px(1920, 8160, 855, 495)},    {w->Command_save, Px(4560, 8160, 855, 495)},
      {w->Command_open, Px(5880, 8160, 855, 495)},     {w->Command_close, Px(7200, 8160, 855, 495)},
  };
  for (const Place& p : places) EXPECT_EQ(p.control->geometry(), p.want) << p.control->objectName().toStdString();
  // The frequency-range group as the window sizes it, but at least as wide
  // as what it shows (its lists widened to their items) with the margin on
  // its left: on this 1024 x 768 screen its contents need a few pixels more.
  const QRect other = Px(300, 600, W / 1.4, H / 1.7), shown = w->Frame_Other->childrenRect();
  EXPECT_EQ(w->Frame_Other->pos(), other.topLeft());
  EXPECT_EQ(w->Frame_Other->height(), other.height());
  EXPECT_EQ(w->Frame_Other->width(), std::max(other.width(), shown.right() + 1 + shown.left()));
  // The progress label at its place, as wide as its design or the room to
  // the window's right edge.
  EXPECT_EQ(w->Label_tr_count->geometry(), Px(7800, 7800, std::max(2415.0, w->ScaleWidth() - 7920), 255));
  EXPECT_LE(w->Label_tr_count->geometry().right(), w->width());
}

// On a 1280 x 1024 screen the progress label has room for every progress
// text in both languages.
class AdjWindowLarge : public AdjWindow {
 protected:
  void SetUp() override {
    screen = {1280, 1024, 96};
    AdjWindow::SetUp();
  }
};

TEST_F(AdjWindowLarge, ProgressTextsFitTheLabel) {
  ASSERT_TRUE(open());
  const QFontMetrics fm(w->Label_tr_count->font());
  for (const char* t : {"Connecting with transceiver. ", "Read optional parameters in gear. ",
                        "Complete writing optional parameters ", "Writing  16  Data Block", "Reading 6 Data Block",
                        "正在与对讲机联络 ！", "调整参数读出正常 ！", "正在写入  16  数据块"})
    EXPECT_LE(fm.horizontalAdvance(QString::fromUtf8(t)), w->Label_tr_count->width()) << t;
}

// The controls inside the groups at their design places (twips from their
// group's top left corner; lists and captions keep their line and may grow,
// and move right, to fit the texts before them and their own), each label naming the control it belongs to, and
// Tab going through a page in the order its controls were made: both bands'
// points in turn, a band's limits before the next band's.
TEST_F(AdjWindow, ControlsInTheGroupsAndTheTabOrder) {
  ASSERT_TRUE(open());
  const auto named = [&](const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); };
  struct Place {
    QWidget* control;
    TwipsRect at;
    bool fits;  // may be wider than designed
  } places[] = {
      {w->Frame_B0[1], {150, 2450, 9100, 2000}, false},
      {w->Text1[9], {1330, 1450, 870, 330}, false},
      {w->Label_UHF[15], {7960, 1180, 1050, 255}, true},
      {w->Text_SQ_UHF[9], {650, 3810, 750, 330}, false},
      {w->Text_Sq_Offset_UHF[12], {3600, 2010, 650, 330}, false},
      {w->Label_Sq_Offset_Vhf[3], {1550, 1680, 600, 255}, true},
      {w->Combo_RX_VL[1], {2150, 1640, 1300, 360}, true},
      {named("Label_RX_VL_1"), {200, 1690, 1900, 255}, true},
      {w->Combo_OSC_Dec, {2150, 2480, 1300, 360}, true},
      {w->Text_Freq_H[1], {4600, 970, 800, 315}, false},
      {w->Check_Tx[1], {6200, 985, 300, 300}, false},
      {w->Combo_batt_comp[5], {1200, 2185, 1050, 360}, true},
      {w->Combo_vox[7], {3250, 885, 1000, 330}, true},
      {w->Text_info_1, {1800, 330, 1500, 330}, false},
  };
  for (const Place& p : places) {
    ASSERT_TRUE(p.control);
    SCOPED_TRACE(p.control->objectName().toStdString() + "(" + std::to_string(p.control->property("Index").toInt()) +
                 ")");
    const QRect want = Px(p.at.left, p.at.top, p.at.width, p.at.height), got = p.control->geometry();
    if (p.fits) {
      EXPECT_EQ(got.top(), want.top());
      EXPECT_EQ(got.height(), want.height());
      EXPECT_GE(got.left(), want.left());
      EXPECT_GE(got.width(), want.width());
    } else {
      EXPECT_EQ(got, want);
    }
  }
  const std::pair<QLabel*, QWidget*> buddies[] = {
      {w->Label1[4], w->Text1[4]},
      {w->Label_Sql_UHF[2], w->Text_SQ_UHF[2]},
      {qobject_cast<QLabel*>(named("Label_RX_VH_1")), w->Combo_RX_VH[1]},
      {qobject_cast<QLabel*>(named("Label_to_1")), w->Text_Freq_H[1]},
      {w->Label_Vox[10], w->Combo_vox[10]},
  };
  for (const auto& [label, buddy] : buddies) {
    ASSERT_TRUE(label);
    EXPECT_EQ(label->buddy(), buddy) << label->objectName().toStdString();
  }

  const auto tabs = [&](QWidget* from, std::vector<QWidget*> order) {
    click(from);
    ASSERT_EQ(focusedControl(), from) << from->objectName().toStdString();
    for (QWidget* next : order) {
      QTest::keyClick(focus(), Qt::Key_Tab);
      EXPECT_EQ(focusedControl(), next) << next->objectName().toStdString() << "(" << next->property("Index").toInt()
                                        << ")";
    }
  };
  tabs(w->Text1[6], {w->Text2[6], w->Text1[7], w->Text2[7], w->Text1[8]});
  clickTab(3);
  tabs(w->Text_SQ_VHF[8], {w->Text_SQ_VHF[9], w->Text_Sq_Offset_VHF[0], w->Text_Sq_Offset_VHF[1]});
  clickTab(4);
  tabs(w->Combo_OSC_Dec, {w->Combo_RX_VH[0], w->Combo_RX_VL[0], w->Combo_RX_VH[1], w->Combo_RX_VL[1]});
  clickTab(5);
  tabs(w->Text_Freq_L[0], {w->Text_Freq_H[0], w->Text_Freq_L[1], w->Text_Freq_H[1], w->Combo_batt_comp[0]});
  tabs(w->Combo_vox[10], {w->Text_PON_MSG_U, w->Text_PON_MSG_D, w->Text_info_0, w->Text_info_1});
}

// The window's own captions are Chinese in both languages.
TEST_F(AdjWindow, CaptionsAreChineseInBothLanguages) {
  for (Int16 lang : {Int16{0}, Int16{-1}}) {
    st.Lang_chn = lang;
    ASSERT_TRUE(open());
    const std::vector<std::pair<QString, QString>> captions = {
        {w->Command_read->text(), "读  取"},
        {w->Command_Write->text(), "写  入"},
        {w->Command_save->text(), "保  存"},
        {w->Command_open->text(), "打  开"},
        {w->Command_close->text(), "关  闭"},
        {w->Frame_B0[0]->title(), " 130 - 179  MHZ "},
        {w->Frame_B0[1]->title(), " 400 - 520  MHZ "},
        {w->Frame_Sql_UHF->title(), " 400 - 520  MHZ "},
        {w->Frame1->title(), " 136 - 174 MHZ"},
        {w->Frame_Dev_2->title(), " RDA1846S 音频音量"},
        {w->Frame3->title(), "开机自定显示字符"},
        {w->Frame4->title(), "开机按 6 显示信息"},
        {w->Check_Band->text(), "工作频段: 130 - 179 MHZ / 400 - 520 MHZ "},
        {w->Label_F0->text(), "VHF0                     130 - 179 "},
        {w->Label_F1->text(), "UHF0                     400 - 520 "},
        {w->Label1[0]->text(), "130MHZ"},
        {w->Label1[15]->text(), "175MHZ"},
        {w->Label_Sq_Offset_Vhf[0]->text(), "130"},
        {w->Label_Sq_Offset_Vhf[15]->text(), "205"},
        {w->Label_Sql_VHF[9]->text(), "9"},
        {w->Label_Vox[0]->text(), " 0"},
        {w->Label_Vox[10]->text(), " 10"},
        {w->Combo_vox[3]->List(127), " 127"},
        {w->Combo_batt_comp[5]->List(255), " 255"},
    };
    for (const auto& [shown, want] : captions) EXPECT_EQ(shown, want) << want.toStdString();
    for (int p = 0; p < adj::kPages; ++p) {
      EXPECT_EQ(w->TabStrip1->Key(p), QString::fromLatin1(adj::kPageSpecs[static_cast<std::size_t>(p)].key));
      EXPECT_EQ(w->TabStrip1->bar()->tabText(p),
                QString::fromUtf8(adj::kPageSpecs[static_cast<std::size_t>(p)].tab.chinese));
    }
    const std::pair<adj::List, int> counts[] = {{adj::List::Combo_dev_voice, 128}, {adj::List::Combo_dev_ctcss, 64},
                                                {adj::List::Combo_dev_dcs, 64},    {adj::List::Combo_dev_tone, 128},
                                                {adj::List::Combo_RX_VH, 16},      {adj::List::Combo_RX_VL, 16},
                                                {adj::List::Combo_OSC_Add, 21},    {adj::List::Combo_OSC_Dec, 21},
                                                {adj::List::Combo_vox, 128},       {adj::List::Combo_batt_comp, 256}};
    for (const auto& [l, n] : counts)
      for (int m = 0; m < adj::Spec(l).members; ++m) EXPECT_EQ(w->list(l, m)->ListCount(), n) << adj::Spec(l).name;
    click(w->Command_close);
    settle();
    ASSERT_FALSE(loaded());
  }
}

// The second band's labels and visible points for both choices, as loaded.
TEST_F(AdjWindow, SecondBandLabels) {
  struct Case {
    Int16 band220;
    const char *caption, *point14, *point15;
    bool point15Shown;
    const char *offset1, *offset15;
  } cases[] = {
      {0, " 400 - 520  MHZ ", "470MHZ", "475MHZ", true, "410", "550"},
      {1, " 200 - 270  MHZ ", "270MHZ", "275MHZ", false, "205", "275"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    st.Band220Selected = c.band220;
    ASSERT_TRUE(open());
    EXPECT_EQ(w->Check_Band->Checked(), c.band220 == 1);
    EXPECT_EQ(w->Frame_B0[1]->title(), QString::fromUtf8(c.caption));
    EXPECT_EQ(w->Frame_Sql_UHF->title(), QString::fromUtf8(c.caption));
    EXPECT_EQ(w->Label_UHF[14]->text(), QString::fromLatin1(c.point14));
    EXPECT_EQ(w->Label_UHF[15]->text(), QString::fromLatin1(c.point15));
    EXPECT_EQ(w->Label_UHF[15]->isVisibleTo(w), c.point15Shown);
    EXPECT_EQ(w->Text2[15]->isVisibleTo(w), c.point15Shown);
    EXPECT_TRUE(w->Text2[14]->isVisibleTo(w));
    for (std::size_t i = 0; i < 16; ++i) EXPECT_TRUE(w->Text1[i]->isVisibleTo(w)) << i;
    EXPECT_EQ(w->Label_Sq_Offset_UHF[1]->text(), QString::fromLatin1(c.offset1));
    EXPECT_EQ(w->Label_Sq_Offset_UHF[15]->text(), QString::fromLatin1(c.offset15));
    click(w->Command_close);
    settle();
  }
}

// Each tab: the page, the window's and Frame_Frame's captions, one group,
// and on the power pages rows 2p and 2p + 1; the tab strip has the focus.
TEST_F(AdjWindow, EachTabShowsItsPage) {
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 16; ++c) at(r, c) = static_cast<Cell>(10 * r + c);
  ASSERT_TRUE(open());
  QGroupBox* groups[] = {w->Frame_Frame, w->Frame_Frame, w->Frame_Frame, w->Frame_Sql, w->Frame_Dev, w->Frame_Other};
  for (int p : {1, 2, 3, 4, 5, 0, 2}) {
    SCOPED_TRACE(p);
    clickTab(p);
    const adj::PageSpec& s = adj::kPageSpecs[static_cast<std::size_t>(p)];
    EXPECT_EQ(w->view().page, p);
    EXPECT_EQ(w->TabStrip1->SelectedIndex(), p);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(s.window.chinese));
    EXPECT_EQ(shownGroup(), groups[p]);
    EXPECT_TRUE(w->TabStrip1->isAncestorOf(focus()));
    if (p <= 2) {
      EXPECT_EQ(w->Frame_Frame->title(), QString::fromUtf8(s.window.chinese));
      for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(w->Text1[i]->text(), QString::number(at(2 * p, static_cast<int>(i)))) << i;
        EXPECT_EQ(w->Text2[i]->text(), QString::number(at(2 * p + 1, static_cast<int>(i)))) << i;
      }
    }
    EXPECT_FALSE(w->Frame9->isVisibleTo(w));
    EXPECT_FALSE(w->Frame5->isVisibleTo(w));
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// Every page shown on the factory table writes back what it shows: nothing
// changes. The table outlives the window, and the next load starts on page 0.
TEST_F(AdjWindow, AllPagesOnTheFactoryTableChangeNothingAndTheTableOutlivesTheWindow) {
  const adj::Table factory = st.AdjTable;
  ASSERT_TRUE(open());
  for (int p : {1, 2, 3, 4, 5, 0}) clickTab(p);
  EXPECT_EQ(changes(factory), "");
  EXPECT_TRUE(prompt.calls.empty());

  clickTab(2);
  paste(w->Text1[4], QStringLiteral("77"));
  EXPECT_EQ(at(4, 4), 77);
  click(w->Command_close);
  settle();
  ASSERT_FALSE(loaded());
  EXPECT_EQ(at(4, 4), 77);
  ASSERT_TRUE(open());
  EXPECT_EQ(w->view().page, 0);
  EXPECT_EQ(shownGroup(), w->Frame_Frame);
  clickTab(2);
  EXPECT_EQ(w->Text1[4]->text(), QStringLiteral("77"));
}

// Adj_Edit loads the window only when it is not loaded: an open one is
// neither rebuilt nor raised.
TEST_F(AdjWindow, AdjEditLoadsOnlyOnce) {
  ASSERT_TRUE(open());
  clickTab(3);
  QPointer<frm_Adj_Txp> first(w);
  QMdiSubWindow* channels = nullptr;
  for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
    if (sub != w->frame()) channels = sub;
  ASSERT_TRUE(channels);
  main->mdiArea()->setActiveSubWindow(channels);
  main->MDImain_Adj_Edit_Click();
  settle();
  ASSERT_TRUE(first);
  EXPECT_EQ(main->host().find<frm_Adj_Txp>(), first.data());
  EXPECT_EQ(first->view().page, 3);
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), channels);
}

// ---- lists ------------------------------------------------------------------------

// Page 4 from a copy of row 10: the upward oscillator list first, so both
// non-zero leave the downward one; the receive-volume nibbles.
TEST_F(AdjWindow, Page4ShowsTheDeviationRow) {
  at(10, 6) = 5;
  at(10, 7) = 3;
  at(10, 4) = 0x5A;
  openOn(4);
  EXPECT_EQ(at(10, 6), 0);
  EXPECT_EQ(at(10, 7), 3);
  EXPECT_EQ(w->Combo_OSC_Add->Text(), QStringLiteral(" 0"));
  EXPECT_EQ(w->Combo_OSC_Dec->Text(), QStringLiteral(" 3"));
  EXPECT_EQ(w->Combo_RX_VH[0]->ListIndex(), 5);
  EXPECT_EQ(w->Combo_RX_VL[0]->ListIndex(), 10);
  EXPECT_EQ(w->Combo_RX_VL[0]->Text(), QStringLiteral(" 10"));
  EXPECT_EQ(w->Combo_dev_voice[0]->ListIndex(), at(10, 0));
  EXPECT_EQ(w->Combo_dev_tone->ListIndex(), at(10, 3));
}

// A choice writes its one cell: the nibbles merged, the oscillator lists
// excluding each other, a VOX level, a battery threshold.
TEST_F(AdjWindow, ChoicesWriteTheirCells) {
  at(10, 4) = 0x5A;
  at(10, 6) = 0;
  at(10, 7) = 3;
  at(10, 12) = 0;
  openOn(4);
  struct Case {
    const char* what;
    std::function<void()> choose;
    std::string changed;
  };
  const Case cases[] = {
      {"coarse wideband 7", [&] { pick(w->Combo_RX_VH[0], 7); }, "(10,4)=122 "},
      {"fine wideband 3", [&] { pick(w->Combo_RX_VL[0], 3); }, "(10,4)=115 "},
      {"coarse narrowband 2", [&] { pick(w->Combo_RX_VH[1], 2); }, "(10,5)=47 "},
      {"upward 5 clears downward", [&] { pick(w->Combo_OSC_Add, 5); }, "(10,6)=5 (10,7)=0 "},
      {"downward 0 keeps upward", [&] { pick(w->Combo_OSC_Dec, 0); }, ""},
      {"tone gain 99", [&] { pick(w->Combo_dev_tone, 99); }, "(10,3)=99 "},
      {"page 5", [&] { clickTab(5); }, ""},
      {"VOX level 10 at 9", [&] { pick(w->Combo_vox[10], 9); }, "(11,10)=9 "},
      {"battery 2 at 118", [&] { pick(w->Combo_batt_comp[2], 118); }, "(10,12)=118 "},
  };
  at(10, 5) = 0xFF & 0x0F;  // narrowband fine step 15, coarse 0
  clickTab(5);
  clickTab(4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const adj::Table before = st.AdjTable;
    c.choose();
    EXPECT_EQ(changes(before), c.changed);
  }
  clickTab(4);
  EXPECT_EQ(w->Combo_OSC_Dec->Text(), QStringLiteral(" 0"));
  EXPECT_EQ(w->Combo_OSC_Add->Text(), QStringLiteral(" 5"));
  EXPECT_TRUE(prompt.calls.empty());
}

// Typed characters reach only the tone gain list's field, and change only
// what it shows; the arrow keys still choose in every list.
TEST_F(AdjWindow, TypedKeysReachOnlyTheToneGainField) {
  openOn(4);
  const adj::Table before = st.AdjTable;
  for (ComboList* c : {w->Combo_dev_voice[0], w->Combo_dev_ctcss[0], w->Combo_dev_dcs[0], w->Combo_RX_VH[0],
                       w->Combo_RX_VL[1], w->Combo_OSC_Add, w->Combo_OSC_Dec}) {
    const QString shown = c->Text();
    click(c->lineEdit());
    QTest::keyClicks(c, QStringLiteral("12x"));
    QTest::keyClick(c, Qt::Key_Backspace);
    EXPECT_EQ(c->Text(), shown) << c->objectName().toStdString();
  }
  EXPECT_EQ(changes(before), "");

  click(w->Combo_dev_tone->lineEdit());
  QTest::keyClick(w->Combo_dev_tone, Qt::Key_End);
  QTest::keyClicks(w->Combo_dev_tone, QStringLiteral("7"));
  EXPECT_EQ(w->Combo_dev_tone->Text(), QStringLiteral(" 607"));
  EXPECT_EQ(changes(before), "");
  // What was typed stays shown through another choice; the next display of
  // the page puts the stored item back.
  pick(w->Combo_dev_voice[0], 50);
  EXPECT_EQ(w->Combo_dev_tone->Text(), QStringLiteral(" 607"));
  EXPECT_EQ(changes(before), "(10,0)=50 ");
  clickTab(4);
  EXPECT_EQ(w->Combo_dev_tone->Text(), QStringLiteral(" 60"));
  EXPECT_EQ(at(10, 3), 60);

  // An arrow key in a list that takes no typing chooses the next item.
  clickTab(5);
  w->Combo_vox[1]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w->Combo_vox[1], Qt::Key_Down);
  EXPECT_EQ(at(11, 1), 21);
  for (int i = 0; i < 6; ++i) {
    click(w->Combo_batt_comp[static_cast<std::size_t>(i)]->lineEdit());
    QTest::keyClicks(w->Combo_batt_comp[static_cast<std::size_t>(i)], QStringLiteral("9"));
  }
  EXPECT_EQ(at(10, 10), 110);
}

// A cell beyond the end of its list (0xFF from an unprogrammed radio): the
// list shows no item, no handler runs, the cell keeps its value.
TEST_F(AdjWindow, CellsBeyondTheirListsShowNoItem) {
  for (int c = 0; c < 16; ++c) at(10, c) = at(11, c) = 0xFF;
  at(10, 4) = 0x5A;  // the volume nibbles always have an item
  const adj::Table before = st.AdjTable;
  openOn(4);
  for (ComboList* c : {w->Combo_dev_voice[0], w->Combo_dev_ctcss[0], w->Combo_dev_dcs[0], w->Combo_dev_tone,
                       w->Combo_OSC_Add, w->Combo_OSC_Dec, w->Combo_vox[0], w->Combo_vox[10]}) {
    EXPECT_EQ(c->ListIndex(), kNoItem) << c->objectName().toStdString();
    EXPECT_EQ(c->Text(), QString()) << c->objectName().toStdString();
  }
  EXPECT_EQ(w->Combo_RX_VH[1]->Text(), QStringLiteral(" 15"));
  EXPECT_EQ(w->Combo_RX_VL[1]->Text(), QStringLiteral(" 15"));
  clickTab(5);
  // The battery lists hold 0..255: 0xFF is their last item.
  EXPECT_EQ(w->Combo_batt_comp[0]->Text(), QStringLiteral(" 255"));
  EXPECT_EQ(w->Combo_vox[4]->ListIndex(), kNoItem);
  EXPECT_EQ(changes(before), "");
  EXPECT_TRUE(prompt.calls.empty());
  // A list that showed an item shows none once its cell goes beyond it.
  at(10, 0) = 20;
  clickTab(4);
  EXPECT_EQ(w->Combo_dev_voice[0]->Text(), QStringLiteral(" 20"));
  at(10, 0) = 200;
  clickTab(4);
  EXPECT_EQ(w->Combo_dev_voice[0]->Text(), QString());
  EXPECT_EQ(at(10, 0), 200);
}

// ---- number boxes -----------------------------------------------------------------

// What a whole text put into a power box stores, as a paste puts it.
TEST_F(AdjWindow, ValueBoxesAsPasted) {
  struct Case {
    const char* text;
    bool rejected;
    int stored;
  } cases[] = {
      {" 12 ", false, 12}, {"1 2", true, 0},    {"+5", true, 0},  {"007", false, 7},
      {"", false, 0},      {"255", false, 255}, {"256", true, 0}, {"12345678901234567890", true, 0},
      {"１２", true, 0},  // full-width digits are no digits
      {"-1", true, 0},     {"0x1F", true, 0},
  };
  openOn(0);
  TextBox* box = w->Text1[3];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    prompt.calls.clear();
    at(0, 3) = 99;
    paste(box, QString::fromUtf8(c.text));
    if (!c.rejected) {
      EXPECT_TRUE(prompt.calls.empty());
      EXPECT_EQ(at(0, 3), c.stored);
      EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
      continue;
    }
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text, kRange255);
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("操作提示"));
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Information);
    EXPECT_EQ(at(0, 3), def(0, 3));
    EXPECT_EQ(box->text(), QString::number(def(0, 3)));
    EXPECT_EQ(focus(), box);
  }
}

// Typed key by key: each accepted key stores the value so far; the key that
// goes beyond the range restores the default.
TEST_F(AdjWindow, ValueBoxesAsTyped) {
  openOn(0);
  TextBox* box = w->Text1[5];
  clickInto(box);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(at(0, 5), 0);
  QTest::keyClick(box, Qt::Key_2);
  EXPECT_EQ(at(0, 5), 2);
  QTest::keyClick(box, Qt::Key_5);
  EXPECT_EQ(at(0, 5), 25);
  EXPECT_TRUE(prompt.calls.empty());
  QTest::keyClick(box, Qt::Key_6);
  EXPECT_EQ(messages(), std::vector<std::string>{kRange255.toStdString()});
  EXPECT_EQ(at(0, 5), def(0, 5));
  EXPECT_EQ(box->text(), QString::number(def(0, 5)));

  // A squelch offset takes 0..20: "21" is refused at its second key, 20 is stored.
  clickTab(3);
  TextBox* offset = w->Text_Sq_Offset_VHF[6];
  prompt.calls.clear();
  clickInto(offset);
  QTest::keyClicks(offset, QStringLiteral("21"));
  EXPECT_EQ(messages(), std::vector<std::string>{kRange20.toStdString()});
  EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Information);
  EXPECT_EQ(at(7, 6), def(7, 6));
  EXPECT_EQ(offset->text(), QString::number(def(7, 6)));
  EXPECT_EQ(focus(), offset);
  clickInto(offset);
  QTest::keyClicks(offset, QStringLiteral("20"));
  EXPECT_EQ(at(7, 6), 20);
  EXPECT_EQ(prompt.calls.size(), 1u);

  // A letter in a second-band offset box restores its default too.
  clickInto(w->Text_Sq_Offset_UHF[2]);
  QTest::keyClicks(w->Text_Sq_Offset_UHF[2], QStringLiteral("a"));
  EXPECT_EQ(prompt.calls.size(), 2u);
  EXPECT_EQ(at(9, 2), def(9, 2));
  // The level boxes take 0..255.
  paste(w->Text_SQ_UHF[9], QStringLiteral("250"));
  EXPECT_EQ(at(8, 9), 250);
  paste(w->Text_SQ_VHF[0], QStringLiteral("251"));
  EXPECT_EQ(at(6, 0), 251);
}

// The same member of Text2 writes the row pair of the page shown.
TEST_F(AdjWindow, PowerBoxesWriteThePageRows) {
  openOn(0);
  const int rows[3][2] = {{0, 1}, {2, 3}, {4, 5}};
  for (int p = 0; p < 3; ++p) {
    clickTab(p);
    const adj::Table before = st.AdjTable;
    paste(w->Text2[0], QStringLiteral("17"));
    paste(w->Text1[15], QStringLiteral("18"));
    EXPECT_EQ(changes(before), "(" + std::to_string(rows[p][0]) + ",15)=18 (" + std::to_string(rows[p][1]) + ",0)=17 ");
  }
}

// A squelch offset beyond 20 in the table is reported when a page that
// fills the squelch boxes is shown. On page 5 (boxes hidden): one message,
// the default stored, and the focus stays where it was.
TEST_F(AdjWindow, OffsetBeyondItsRangeShownOnPage5) {
  ASSERT_TRUE(open());
  at(7, 0) = 255;
  clickTab(5);
  EXPECT_EQ(messages(), std::vector<std::string>{kRange20.toStdString()});
  EXPECT_EQ(at(7, 0), def(7, 0));
  EXPECT_EQ(w->Text_Sq_Offset_VHF[0]->text(), QString::number(def(7, 0)));
  EXPECT_TRUE(w->TabStrip1->isAncestorOf(focus()));
  clickTab(3);
  EXPECT_EQ(prompt.calls.size(), 1u);
  // On page 3 itself the box shows, and takes the focus.
  at(9, 15) = 21;
  clickTab(4);
  EXPECT_EQ(prompt.calls.size(), 2u);
  at(9, 15) = 21;
  clickTab(3);
  EXPECT_EQ(prompt.calls.size(), 3u);
  EXPECT_EQ(focus(), w->Text_Sq_Offset_UHF[15]);
  EXPECT_EQ(at(9, 15), def(9, 15));
}

// ---- band check box ---------------------------------------------------------------

TEST_F(AdjWindow, CheckBandBothWays) {
  openOn(5);
  const std::vector<Cell> row12Before(st.AdjTable[12].begin(), st.AdjTable[12].begin() + 16);
  struct Case {
    bool checked;
    std::vector<Cell> cells;  // row 12, columns 6..9
    const char *caption, *label, *group, *point0, *lower, *upper;
    int low, high;
    bool point15;
  } cases[] = {
      {true,
       {0x02, 0x20, 0x02, 0x60},
       "工作频段: 130 - 179 MHZ / 200 - 270 MHZ ",
       "UHF0                     200 - 270 ",
       " 200 - 270  MHZ ",
       "200MHZ",
       "220",
       "260",
       200,
       270,
       false},
      {false,
       {0x04, 0x00, 0x05, 0x20},
       "工作频段: 130 - 179 MHZ / 400 - 520 MHZ ",
       "UHF0                     400 - 520 ",
       " 400 - 520  MHZ ",
       "400MHZ",
       "400",
       "520",
       400,
       520,
       true},
  };
  // The second band's boxes hold something else: the choice resets them.
  at(12, 6) = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.checked);
    click(w->Check_Band, QPoint(6, w->Check_Band->height() / 2));
    EXPECT_EQ(w->Check_Band->Checked(), c.checked);
    EXPECT_EQ(st.Band220Selected, c.checked ? 1 : 0);
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[12].begin() + 6, st.AdjTable[12].begin() + 10), c.cells);
    EXPECT_EQ(w->Check_Band->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(w->Label_F1->text(), QString::fromUtf8(c.label));
    EXPECT_EQ(w->Frame_B0[1]->title(), QString::fromUtf8(c.group));
    EXPECT_EQ(w->Frame_Sql_UHF->title(), QString::fromUtf8(c.group));
    EXPECT_EQ(w->Label_UHF[0]->text(), QString::fromUtf8(c.point0));
    EXPECT_EQ(w->Text2[15]->isVisibleTo(w), false);  // page 5 shows; the power group is hidden
    EXPECT_EQ(w->Text2[15]->isHidden(), !c.point15);
    EXPECT_EQ(w->Text_Freq_L[1]->text(), QString::fromUtf8(c.lower));
    EXPECT_EQ(w->Text_Freq_H[1]->text(), QString::fromUtf8(c.upper));
    EXPECT_EQ(w->view().bands.low[1], c.low);
    EXPECT_EQ(w->view().bands.high[1], c.high);
    // The band edges bound the limit boxes: one below the new edge is refused.
    prompt.calls.clear();
    clickInto(w->Text_Freq_L[1]);
    QTest::keyClicks(w->Text_Freq_L[1], QString::number(c.low - 1));
    QTest::keyClick(w->Text_Freq_L[1], Qt::Key_Tab);
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Receive frequency of lower limit can't less than the lowest of work frequency. "});
    EXPECT_EQ(w->Text_Freq_L[1]->text(), QString::number(c.low));
    click(w->Text_Freq_H[0]);  // leave with a good value
  }
  // Columns other than 6..9 are the table's own.
  for (int col : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15})
    EXPECT_EQ(at(12, col), row12Before[static_cast<std::size_t>(col)]) << col;
}

// Opening the window while Band220Selected is 1 checks the box during the
// page set-up, and its click writes row 12 columns 6..9.
TEST_F(AdjWindow, ReopenWithTheSecondBandAt200) {
  ASSERT_TRUE(open());
  click(w->Check_Band, QPoint(6, w->Check_Band->height() / 2));
  ASSERT_EQ(st.Band220Selected, 1);
  click(w->Command_close);
  settle();
  for (int c = 6; c < 10; ++c) at(12, c) = 0x11;
  ASSERT_TRUE(open());
  EXPECT_TRUE(w->Check_Band->Checked());
  EXPECT_EQ(std::vector<Cell>(st.AdjTable[12].begin() + 6, st.AdjTable[12].begin() + 10),
            (std::vector<Cell>{0x02, 0x20, 0x02, 0x60}));
  EXPECT_EQ(w->view().bands.low[1], 200);
  EXPECT_EQ(w->Label_UHF[0]->text(), QStringLiteral("200MHZ"));
  EXPECT_EQ(w->view().page, 0);
}

// ---- band limits ------------------------------------------------------------------

class AdjLimits : public AdjWindow {
 protected:
  void SetUp() override {
    AdjWindow::SetUp();
    openOn(5);
    prompt.calls.clear();
  }
  // Types into a limit box and leaves it with Tab.
  void enter(TextBox* b, const QString& text) {
    clickInto(b);
    QTest::keyClicks(b, text);
    QTest::keyClick(b, Qt::Key_Tab);
  }
  std::vector<Cell> limits() const { return {st.AdjTable[12].begin() + 1, st.AdjTable[12].begin() + 5}; }
  std::vector<Cell> second() const { return {st.AdjTable[12].begin() + 6, st.AdjTable[12].begin() + 10}; }
};

// A rejected limit: the message, the band's own end in the box, the focus
// back, row 12 unchanged.
TEST_F(AdjLimits, RejectedLimits) {
  struct Case {
    const char* what;
    Int16 lang;
    int band;
    bool upper;
    const char* other;  // the other box of the band
    const char* typed;
    const char *message, *title, *restored;
  } cases[] = {
      {"lower below the band", 0, 0, false, "179", "129",
       "Receive frequency of lower limit can't less than the lowest of work frequency. ", "Operate Prompt", "130"},
      {"upper above the band", -1, 1, true, "400", "521", "上限频率不可大于该频段最大工作频率", "操作提示", "520"},
      {"upper above the band, English", 0, 1, true, "400", "521",
       "Receive frequency of upper limit can't more than the highest of work frequency. ", "Operate Prompt", "520"},
      {"upper below the lower", 0, 0, true, "160", "150",
       "Receive frequency of lower limit can't more than receive frequency of upper limit.", "Operate Prompt", "179"},
      {"upper below the lower, Chinese", -1, 0, true, "160", "150", "上限频率不可小于该频段下限频率", "操作提示",
       "179"},
      {"lower above the upper", -1, 1, false, "450", "460", "下限频率不可大于该频段上限频率", "操作提示", "400"},
      {"lower of 1000 or more", 0, 0, false, "9999", "1000",
       "Receive frequency of lower limit can't more than the highest of work frequency. ", "Operate Prompt", "130"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    st.Lang_chn = c.lang;
    const auto k = static_cast<std::size_t>(c.band);
    TextBox* box = (c.upper ? w->Text_Freq_H : w->Text_Freq_L)[k];
    TextBox* other = (c.upper ? w->Text_Freq_L : w->Text_Freq_H)[k];
    other->putText(QString::fromLatin1(c.other));
    const std::vector<Cell> row12(st.AdjTable[12].begin(), st.AdjTable[12].begin() + 16);
    prompt.calls.clear();
    enter(box, QString::fromLatin1(c.typed));
    ASSERT_EQ(messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(prompt.calls[0].title, QString::fromUtf8(c.title));
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(box->text(), QString::fromLatin1(c.restored));
    EXPECT_EQ(focus(), box);
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[12].begin(), st.AdjTable[12].begin() + 16), row12);
    // Back to a good state for the next case: the page shown again.
    clickTab(5);
  }
}

// Accepted limits store all four boxes: equal limits, a lower limit not
// compared with the band's top, and the checked value (not its first three
// characters: "0179" is 179).
TEST_F(AdjLimits, AcceptedLimitsStoreAllFourBoxes) {
  w->Text_Freq_L[1]->putText(QStringLiteral("410"));
  w->Text_Freq_H[1]->putText(QStringLiteral("505"));
  enter(w->Text_Freq_L[0], QStringLiteral("150"));
  enter(w->Text_Freq_H[0], QStringLiteral("150"));
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(limits(), (std::vector<Cell>{0x01, 0x50, 0x01, 0x50}));
  EXPECT_EQ(second(), (std::vector<Cell>{0x04, 0x10, 0x05, 0x05}));

  enter(w->Text_Freq_H[0], QStringLiteral("0179"));
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(limits(), (std::vector<Cell>{0x01, 0x50, 0x01, 0x79}));
  EXPECT_EQ(w->Text_Freq_H[0]->text(), QStringLiteral("179"));

  // Leading spaces are skipped; what follows the number does not count.
  enter(w->Text_Freq_L[0], QStringLiteral(" 140x"));
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(limits(), (std::vector<Cell>{0x01, 0x40, 0x01, 0x79}));
  EXPECT_EQ(w->Text_Freq_L[0]->text(), QStringLiteral("140"));

  // Above the band's top, but not above its own upper box (which is
  // checked against the top only when it is left itself).
  clickInto(w->Text_Freq_L[0]);
  w->Text_Freq_H[0]->putText(QStringLiteral("190"));
  QTest::keyClicks(w->Text_Freq_L[0], QStringLiteral("185"));
  QTest::keyClick(w->Text_Freq_L[0], Qt::Key_Tab);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(limits(), (std::vector<Cell>{0x01, 0x85, 0x01, 0x90}));
}

// A limit box takes a fourth character, then no key at all, Backspace
// included; Delete is no typed key.
TEST_F(AdjLimits, FourCharactersThenNoKey) {
  TextBox* b = w->Text_Freq_L[0];
  clickInto(b);
  QTest::keyClicks(b, QStringLiteral("1234"));
  EXPECT_EQ(b->text(), QStringLiteral("1234"));
  QTest::keyClicks(b, QStringLiteral("5a"));
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_EQ(b->text(), QStringLiteral("1234"));
  QTest::keyClick(b, Qt::Key_Left);
  QTest::keyClick(b, Qt::Key_Delete);
  EXPECT_EQ(b->text(), QStringLiteral("123"));
  QTest::keyClicks(b, QStringLiteral("x"));
  EXPECT_EQ(b->text(), QStringLiteral("123x"));
  EXPECT_TRUE(prompt.calls.empty());
}

// Focus given back by a check is not checked again: a bad lower box left for
// the upper box (itself holding a bad value) gives one message, the focus
// stays in the lower box, and the upper box is never left.
TEST_F(AdjLimits, FocusBackWithoutASecondMessage) {
  w->Text_Freq_H[0]->putText(QStringLiteral("999"));
  clickInto(w->Text_Freq_L[0]);
  QTest::keyClicks(w->Text_Freq_L[0], QStringLiteral("100"));
  click(w->Text_Freq_H[0]);
  EXPECT_EQ(messages(), std::vector<std::string>{
                            "Receive frequency of lower limit can't less than the lowest of work frequency. "});
  EXPECT_EQ(focus(), w->Text_Freq_L[0]);
  EXPECT_EQ(w->Text_Freq_L[0]->text(), QStringLiteral("130"));
  // The click into a tab or a button is cancelled the same way.
  QTest::keyClick(w->Text_Freq_L[0], Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(w->Text_Freq_L[0], QStringLiteral("100"));
  clickTab(0);
  EXPECT_EQ(prompt.calls.size(), 2u);
  EXPECT_EQ(w->view().page, 5);
  EXPECT_EQ(focus(), w->Text_Freq_L[0]);
  EXPECT_EQ(w->Text_Freq_H[0]->text(), QStringLiteral("999"));
}

// ---- text lines -------------------------------------------------------------------

// Each text line stores at every change: centred in seven cells, an odd
// space to the right, an inner space stored as 11, at most seven characters;
// leaving it shows the page again from the table.
TEST_F(AdjLimits, TextLinesAsTyped) {
  struct Case {
    TextBox* frm_Adj_Txp::*line;
    int row, col;
    const char* typed;
    std::vector<Cell> cells;
    const char* shownAfter;
  };
  const Case cases[] = {
      {&frm_Adj_Txp::Text_PON_MSG_U, 13, 0, "ab", {32, 32, 65, 66, 32, 32, 32}, "AB "},
      // The inner space is 11, shown as the character with that code (like a space).
      {&frm_Adj_Txp::Text_PON_MSG_D,
       13,
       7,
       "A B",
       {32, 32, 65, 11, 66, 32, 32},
       "A\x0b"
       "B "},
      {&frm_Adj_Txp::Text_PON_MSG_U, 13, 0, "ABCDEFG", {65, 66, 67, 68, 69, 70, 71}, "ABCDEFG"},
      {&frm_Adj_Txp::Text_PON_MSG_D, 13, 7, "ABCDEFGH", {65, 66, 67, 68, 69, 70, 71}, "ABCDEFG"},
      {&frm_Adj_Txp::Text_info_1, 14, 7, "Z9+-", {32, 90, 57, 43, 45, 32, 32}, "Z9+- "},
      {&frm_Adj_Txp::Text_PON_MSG_U, 13, 0, "", {32, 32, 32, 32, 32, 32, 32}, " "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TextBox* box = w->*c.line;
    clickInto(box);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(c.typed));
    EXPECT_EQ(box->text(), QString::fromLatin1(c.typed));
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col,
                                st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col + 7),
              c.cells);
    click(w->Text_Freq_H[1]);
    EXPECT_EQ(box->text(), QString::fromLatin1(c.shownAfter));
    // The show that leaving runs stores the line again as it was.
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col,
                                st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col + 7),
              c.cells);
  }
  // A ninth key is dropped.
  clickInto(w->Text_info_1);
  QTest::keyClicks(w->Text_info_1, QStringLiteral("12345678"));
  QTest::keyClicks(w->Text_info_1, QStringLiteral("9"));
  QTest::keyClick(w->Text_info_1, Qt::Key_Backspace);
  EXPECT_EQ(w->Text_info_1->text(), QStringLiteral("12345678"));
  EXPECT_TRUE(prompt.calls.empty());
}

// Text pasted or dropped into a text line or a limit box of page 5 takes what
// the keys could have typed: the first information line digits only, every
// line eight characters at most, a limit box a fourth character and then
// nothing; characters no key types (a tab, a line break) never count. The
// box is then left with Tab: a line shows the page again, a limit is stored.
TEST_F(AdjLimits, PastedTextTakesWhatTheKeysCouldHaveTyped) {
  struct Case {
    TextBox* box;
    const char* pasted;
    const char* typedIn;  // in the box before it is left
    int row, col, count;
    std::vector<Cell> cells;  // after leaving
    const char* shown;
  };
  const Case cases[] = {
      {w->Text_info_0, "12ab34\n", "1234", 14, 0, 7, {32, 49, 50, 51, 52, 32, 32}, "1234 "},
      {w->Text_info_0, "123456789", "12345678", 14, 0, 7, {49, 50, 51, 52, 53, 54, 55}, "1234567"},
      {w->Text_info_1, "a\tb", "ab", 14, 7, 7, {32, 32, 65, 66, 32, 32, 32}, "AB "},
      {w->Text_PON_MSG_U, "abcdefghij", "abcdefgh", 13, 0, 7, {65, 66, 67, 68, 69, 70, 71}, "ABCDEFG"},
      {w->Text_PON_MSG_D, "a\r\nb", "ab", 13, 7, 7, {32, 32, 65, 66, 32, 32, 32}, "AB "},
      {w->Text_Freq_H[0], "179 MHz", "179 M", 12, 3, 2, {0x01, 0x79}, "179"},
      {w->Text_Freq_L[1], "450x1", "450x", 12, 6, 2, {0x04, 0x50}, "450"},
  };
  for (typed_in::Way way : typed_in::Ways()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": " + c.box->objectName().toStdString() + " <- " + c.pasted);
      clickInto(c.box);
      QTest::keyClick(c.box, Qt::Key_Delete);
      typed_in::Bring(c.box, way, QString::fromLatin1(c.pasted));
      EXPECT_EQ(c.box->text().toStdString(), c.typedIn);
      QTest::keyClick(c.box, Qt::Key_Tab);
      EXPECT_EQ(std::vector<Cell>(st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col,
                                  st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col + c.count),
                c.cells);
      EXPECT_EQ(c.box->text().toStdString(), c.shown);
    }
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// The first information line takes the digits 0..9 only; Backspace neither.
TEST_F(AdjLimits, FirstInformationLineTakesDigitsOnly) {
  TextBox* b = w->Text_info_0;
  clickInto(b);
  QTest::keyClick(b, Qt::Key_Delete);
  QTest::keyClicks(b, QStringLiteral("a1 B2-"));
  EXPECT_EQ(b->text(), QStringLiteral("12"));
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_EQ(b->text(), QStringLiteral("12"));
  EXPECT_EQ(std::vector<Cell>(st.AdjTable[14].begin(), st.AdjTable[14].begin() + 7),
            (std::vector<Cell>{32, 32, 49, 50, 32, 32, 32}));
}

// Showing page 5 keeps every line as it is stored, whatever its bytes mean:
// each byte shows as a character that stores the same byte again (an inner
// 11 too, and on the second information line every code, control codes
// included). Before, the show dropped the 11 and wrote the line back shorter.
TEST_F(AdjWindow, Page5ShowKeepsTheTextLines) {
  // A show stores nothing into a text line: the cells stay as the radio or
  // the file had them, also where the line's show cannot give them back
  // (bytes outside the radio's set, lower case, control codes, an erased
  // 0xFF, a line that is not centred).
  struct Case {
    int row, col;
    std::vector<Cell> cells;
  };
  const Case cases[] = {
      {14, 7, {32, 32, 65, 11, 66, 32, 32}},   // Text_info_1
      {14, 7, {11, 0, 31, 90, 127, 1, 32}},    // control codes
      {14, 7, {49, 255, 97, 200, 5, 11, 50}},  // erased, lower case, above 127
      {14, 7, {255, 255, 255, 255, 255, 255, 255}}, {13, 0, {32, 32, 65, 11, 66, 32, 32}},  // Text_PON_MSG_U
      {13, 0, {65, 66, 32, 67, 32, 32, 32}},  // not centred, an inner space
      {13, 7, {11, 11, 11, 11, 11, 11, 11}},  // Text_PON_MSG_D
      {13, 7, {255, 255, 255, 255, 255, 255, 255}}, {14, 0, {32, 32, 49, 11, 50, 32, 32}},  // Text_info_0
  };
  ASSERT_TRUE(open());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
    clickTab(0);
    for (int k = 0; k < 7; ++k) at(c.row, c.col + k) = c.cells[static_cast<std::size_t>(k)];
    clickTab(5);
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col,
                                st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col + 7),
              c.cells);
    // Visiting the line and leaving it shows the page again: still the same.
    TextBox* line = c.row == 13 ? (c.col == 0 ? w->Text_PON_MSG_U : w->Text_PON_MSG_D)
                                : (c.col == 0 ? w->Text_info_0 : w->Text_info_1);
    click(line);
    click(w->Text_Freq_H[1]);
    EXPECT_EQ(std::vector<Cell>(st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col,
                                st.AdjTable[static_cast<std::size_t>(c.row)].begin() + c.col + 7),
              c.cells);
  }
}

// Showing page 5 and leaving each line on the factory table rewrites rows 13
// and 14 in their own form: nothing changes.
TEST_F(AdjLimits, Page5IsIdempotentOnTheFactoryLines) {
  const adj::Table factory = st.AdjTable;
  for (TextBox* b : {w->Text_PON_MSG_U, w->Text_PON_MSG_D, w->Text_info_0, w->Text_info_1}) {
    click(b);
    QTest::keyClick(b, Qt::Key_Tab);
  }
  clickTab(5);
  EXPECT_EQ(changes(factory), "");
  EXPECT_EQ(w->Text_PON_MSG_U->text(), QStringLiteral("RDA1846"));
  EXPECT_EQ(w->Text_PON_MSG_D->text(), QStringLiteral("SSSSS "));
  EXPECT_EQ(w->Text_info_0->text(), QStringLiteral("261210A"));
  EXPECT_EQ(w->Text_info_1->text(), QStringLiteral("B5R0001"));
  EXPECT_TRUE(prompt.calls.empty());
}

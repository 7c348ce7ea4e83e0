// The channel window as a whole: opening, captions, drawing from the image,
// Default, Clear, Close, the main window's commands and the language switch.
#include "chann_fixture.h"
#include "image/chann_defaults.h"
#include "platform/core/twips.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

const Bytes kAllFF(16, 0xFF);

// The factory channel 1 and weather channel 193, as the grid shows them.
const std::vector<std::string> kChannel1 = {"VHF/UHF ", "151.82000", "151.82000", "67.0", "67.0", "HIGH",
                                            "N",        "OFF",       "OFF",       "ON",   "1",    "Ostr1-1"};
const std::vector<std::string> kChannel193 = {"VHF/UHF ", "162.40000", "162.40000", "OFF", "OFF", "HIGH",
                                              "W",        "OFF",       "OFF",       "ON",  "1",   "NOAA01"};
const std::vector<std::string> kEmptyRow(12, "");

// A small editor of the main window that can take the activation away.
class OtherEditor : public RadioWindow {
 public:
  explicit OtherEditor(WindowContext& c) : RadioWindow(c) {}
  bool isMdiChild() const override { return true; }
  void Form_Load() override { setTwipsGeometry(0, 0, 3000, 2000); }
};

}  // namespace

using ChannWindow = ChannFixture;

TEST_F(ChannWindow, OpensLastAtStartUpAndShowsTheImage) {
  EXPECT_EQ(st.Flag_frm_chann, -1);
  EXPECT_TRUE(w->isMdiChild());
  EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(w->frame()));
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), w->frame());
  // Size and place from the main window, in its client area.
  const double width = main->Width() / 1.24, height = main->Height() / 1.26;
  EXPECT_NEAR(w->TwipsWidth(), width, 15);
  EXPECT_NEAR(w->TwipsHeight(), height, 15);
  const int d = svc.screen().dpi;
  EXPECT_NEAR(twips::FromPixels(w->frame()->x(), d), (main->ScaleWidth() - width) / 2, 15);
  EXPECT_NEAR(twips::FromPixels(w->frame()->y(), d), (main->ScaleHeight() - height) / 2, 15);
  EXPECT_NEAR(twips::FromPixels(grid().width(), d), w->ScaleWidth() / 1.02, 15);
  EXPECT_NEAR(twips::FromPixels(grid().height(), d), 7335, 15);
  EXPECT_NEAR(twips::FromPixels(w->Command_close->x(), d), 11040, 15);
  EXPECT_NEAR(twips::FromPixels(w->Command_close->y(), d), 7560, 15);
  // Every header whole (what the cells and editors need: ChannColumns).
  for (int c = 0; c < 13; ++c) EXPECT_GE(grid().columnWidth(c), grid().horizontalHeader()->sectionSizeHint(c)) << c;

  // 201 rows with the header; rows 1..200 labelled 0..199.
  EXPECT_EQ(grid().Rows(), 201);
  for (int r = 1; r <= 200; ++r) ASSERT_EQ(cell(r, 0), QString::number(r - 1));
  EXPECT_EQ(row(1), kEmptyRow);
  EXPECT_EQ(row(2), kChannel1);
  EXPECT_EQ(row(194), kChannel193);
  EXPECT_EQ(row(200), (std::vector<std::string>{"VHF/UHF ", "162.55000", "162.55000", "OFF", "OFF", "HIGH", "W", "OFF",
                                                "OFF", "ON", "1", "NOAA07"}));
  // After the drawing the current cell is column 0 of the last row; no editor is open.
  EXPECT_EQ(grid().Row(), 200);
  EXPECT_EQ(grid().Col(), 0);
  EXPECT_FALSE(w->Text_Edit->isVisible());
  EXPECT_FALSE(w->Combo_edit->isVisible());
  EXPECT_FALSE(w->Command_read->isVisible());
  EXPECT_FALSE(w->Command_Write->isVisible());
  EXPECT_FALSE(w->ProgressBar1->isVisible());
  EXPECT_EQ(w->Label_tr_count->text(), QString());
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(ChannWindow, CaptionsAndHeadersByLanguage) {
  struct Case {
    Int16 lang;
    const char* title;
    std::vector<const char*> headers;
    const char *def, *clear, *close, *read, *write;
  };
  const Case cases[] = {
      {0,
       "Channel Information",
       {"Channel", "  Band  ", "RX Frequency", "TX Frequency", "CTCSS/DCS Dec", "CTCSS/DCS Enc", "TX Power", " W/N ",
        "PTT-ID", "BusyLock", "Scan_Add", "SigCode", "CH-Name"},
       "Default",
       "Clear",
       "Close",
       "Read",
       "Write"},
      {-1,
       "信道参数编辑",
       {"信道号", " 工作频段 ", "接收频率(MHZ)", "发射频率(MHZ)", "QT/DQT 解码", "QT/DQT 编码", "发射功率", "信道带宽",
        "PTT-ID", "繁忙锁定", "扫描添加", "信令码", "信 道 名 称"},
       "出厂值",
       "清 除",
       "关 闭",
       "读 取",
       "写 入"},
  };
  for (const Case& c : cases) {
    st.Lang_chn = c.lang;
    w = main->host().reopen<frm_chann>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.title));
    ASSERT_EQ(grid().Cols(), 13);
    for (int col = 0; col < 13; ++col) EXPECT_EQ(cell(0, col), QString::fromUtf8(c.headers[col])) << col;
    EXPECT_EQ(w->Command_def->text(), QString::fromUtf8(c.def));
    EXPECT_EQ(w->Command_Clear->text(), QString::fromUtf8(c.clear));
    EXPECT_EQ(w->Command_close->text(), QString::fromUtf8(c.close));
    EXPECT_EQ(w->Command_read->text(), QString::fromUtf8(c.read));
    EXPECT_EQ(w->Command_Write->text(), QString::fromUtf8(c.write));
    EXPECT_EQ(row(2), kChannel1);
    settle();
  }
}

// Drawing an empty channel leaves its record and its name record all 0xFF,
// whatever they held; the image row after the channels is never shown.
TEST_F(ChannWindow, DrawingNormalisesEmptyChannels) {
  put(30, {0xFF, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15, 0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 0x44},
      {'J', 'U', 'N', 'K'});
  edit([&](img::Image& im) { PutBytes(im, 200, 0, Bytes{0x00, 0x20, 0x18, 0x15}); });
  w = main->host().reopen<frm_chann>();
  EXPECT_EQ(record(30), kAllFF);
  EXPECT_EQ(name(30), kAllFF);
  EXPECT_EQ(row(31), kEmptyRow);
  EXPECT_EQ(grid().Rows(), 201);
  EXPECT_EQ(image.image()(200, 0), 0x00);
}

TEST_F(ChannWindow, ClearEmptiesEveryChannelAndDefaultRestoresTheFactoryTable) {
  const img::Image factory = image.image();
  // Something in the way: a name on channel 20, a seventh name byte on 193.
  put(20, {0x00, 0x00, 0x45, 0x14, 0x00, 0x00, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}, {'N', '2', '0'});
  put(193, {}, {'A', 'B', 'C', 'D', 'E', 'F', 'G'});
  w->ProgressBar1->show();
  w->Label_tr_count->setText(QStringLiteral("busy"));

  QTest::mouseClick(w->Command_Clear, Qt::LeftButton);
  for (int n = 0; n < 200; ++n) {
    ASSERT_EQ(record(n), kAllFF) << n;
    ASSERT_EQ(name(n), kAllFF) << n;
    ASSERT_EQ(row(n + 1), kEmptyRow) << n;
    ASSERT_EQ(cell(n + 1, 0), QString::number(n));
  }
  EXPECT_FALSE(w->ProgressBar1->isVisible());
  EXPECT_EQ(w->Label_tr_count->text(), QString());

  // Default after Clear: the factory channels again, byte for byte.
  QTest::mouseClick(w->Command_def, Qt::LeftButton);
  EXPECT_TRUE(image.image() == factory) << ImageDiff(image.image(), factory);
  EXPECT_EQ(row(2), kChannel1);

  // Default over a named channel 20 and a seven-character name on 193.
  put(20, {0x00, 0x00, 0x45, 0x14, 0x00, 0x00, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}, {'N', '2', '0'});
  put(193, {}, {'A', 'B', 'C', 'D', 'E', 'F', 'G'});
  QTest::mouseClick(w->Command_def, Qt::LeftButton);
  EXPECT_EQ(record(20), kAllFF);
  EXPECT_EQ(name(20), kAllFF);
  EXPECT_EQ(cell(194, 12), QStringLiteral("NOAA01G"));
  const img::Image once = image.image();
  QTest::mouseClick(w->Command_def, Qt::LeftButton);
  EXPECT_TRUE(image.image() == once) << ImageDiff(image.image(), once);
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(ChannWindow, CloseButtonAndCloseBoxUnload) {
  const std::function<void()> ways[] = {
      [this] { QTest::mouseClick(w->Command_close, Qt::LeftButton); },
      [this] { w->frame()->close(); },
  };
  for (const auto& close : ways) {
    w = main->host().reopen<frm_chann>();
    ASSERT_TRUE(w);
    close();
    EXPECT_FALSE(main->host().isLoaded<frm_chann>());
    EXPECT_EQ(st.Flag_frm_chann, 0);
    settle();
  }
}

// The Edit menu and the toolbar button rebuild the window at its load size
// and place; the exit unloads it.
TEST_F(ChannWindow, MenuToolbarAndExit) {
  const QRect loadGeometry = w->frame()->geometry();
  const std::function<void()> commands[] = {
      [this] { main->menu(QStringLiteral("Channel_edit"))->trigger(); },
      [this] { main->toolButton(QStringLiteral("edit_chann"))->trigger(); },
  };
  for (const auto& command : commands) {
    frm_chann* before = w;
    w->frame()->move(5, 5);
    command();
    settle();
    w = main->host().find<frm_chann>();
    ASSERT_TRUE(w);
    EXPECT_NE(w, before);
    EXPECT_EQ(w->frame()->geometry(), loadGeometry);
    EXPECT_EQ(st.Flag_frm_chann, -1);
  }
  // Closed, the command opens it again.
  main->host().unload<frm_chann>();
  main->MDImain_Channel_edit_Click();
  EXPECT_TRUE(main->host().isLoaded<frm_chann>());
  main->MDImain_File_exit_Click();
  EXPECT_EQ(st.Flag_frm_chann, 0);
  EXPECT_FALSE(main->host().isLoaded<frm_chann>());
}

// A reload in Chinese gives Chinese headers over the same cells.
TEST_F(ChannWindow, LanguageSwitchReloadsWithTheSameCells) {
  put(40, {0x00, 0x50, 0x62, 0x14, 0x00, 0x00, 0x76, 0x14, 0x01, 0x00, 0x9E, 0x02, 0x03, 0, 1, 0x4B}, {'D', 'X'});
  redraw();
  std::vector<std::vector<std::string>> before;
  for (int r = 1; r <= 200; ++r) before.push_back(row(r));
  const img::Image held = image.image();
  main->MDImain_Language_chn_Click();
  settle();
  w = main->host().find<frm_chann>();
  ASSERT_TRUE(w);
  EXPECT_EQ(cell(0, 2), QStringLiteral("接收频率(MHZ)"));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("信道参数编辑"));
  for (int r = 1; r <= 200; ++r) ASSERT_EQ(row(r), before[static_cast<size_t>(r - 1)]) << r;
  EXPECT_TRUE(image.image() == held);
  // A closed window stays closed.
  main->host().unload<frm_chann>();
  main->MDImain_Language_eng_Click();
  EXPECT_FALSE(main->host().isLoaded<frm_chann>());
}

// The window draws the image again when it becomes the active child, and only then.
TEST_F(ChannWindow, ActivationRedrawsWhenTheActiveChildChanges) {
  OtherEditor* other = main->host().load<OtherEditor>();
  ASSERT_TRUE(other);
  // Meanwhile the image changes (as a read or a file load would change it):
  // the inactive window shows it at once.
  put(50, {0x00, 0x00, 0x45, 0x14, 0x00, 0x00, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}, {'R', 'D'});
  EXPECT_EQ(cell(51, 2), QStringLiteral("144.50000"));
  EXPECT_EQ(cell(51, 12), QStringLiteral("RD"));
  // Activation draws every row again from the image.
  grid().setTextMatrix(51, 12, QStringLiteral("stale"));
  main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->frame()));
  EXPECT_EQ(cell(51, 12), QStringLiteral("RD"));
  // The same child activated again draws nothing.
  grid().setTextMatrix(52, 2, QStringLiteral("stale"));
  main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->frame()));
  EXPECT_EQ(cell(52, 2), QStringLiteral("stale"));
}

// A click into the inactive window: its activation, and the redraw with it,
// come before the click is handled, so the editor opens on the redrawn text.
TEST_F(ChannWindow, ActivationComesBeforeTheClickThatActivates) {
  ASSERT_TRUE(main->host().load<OtherEditor>());
  ASSERT_NE(main->mdiArea()->activeSubWindow(), w->frame());
  const img::Image held = image.image();
  grid().setTextMatrix(2, 2, QStringLiteral("stale"));
  click(2, 2);
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), w->frame());
  ASSERT_TRUE(w->Text_Edit->isVisible());
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("151.82000"));
  click(2, 0);
  EXPECT_EQ(cell(2, 2), QStringLiteral("151.82000"));
  EXPECT_TRUE(image.image() == held) << ImageDiff(image.image(), held);
}

#include "app/main_captions.h"
#include "app_fixture.h"
#include "image/factory_startup.h"
#include "link/link_session.h"
#include "support/session_and_image.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using MainWindow = AppFixture;

TEST_F(MainWindow, StartUpCaptionsTitleAndPanels) {
  MDImain& m = start();
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Arvex Ostr Ver 2.0  Series Program Software. ( 200 channel )"));
  EXPECT_EQ(st.Lang_chn, 0);
  EXPECT_EQ(st.Chann_total, 200);
  const char* panels[] = {
      "State", "", "COM1", "Version", "V22.8.23", "Band", "VHF0: 130 -   179MHZ", "UHF0: 400 -   520MHZ", "", "", ""};
  for (int i = 0; i < 11; ++i) {
    if (panels[i]) {
      EXPECT_EQ(m.PanelText(i + 1).toStdString(), panels[i]) << "panel " << i + 1;
    }
  }
  // Visible menus read File, Edit, Program, Communication and Exit.
  QStringList visible;
  for (QAction* a : m.menuBar()->actions())
    if (a->isVisible()) visible << a->text();
  EXPECT_EQ(visible, (QStringList{"File", "Edit", "Program", "Communication", "Exit"}));
  EXPECT_EQ(m.menu("Channel_edit")->text(), QStringLiteral("Channel Information "));
  EXPECT_EQ(m.menu("Prog_read")->text(), QStringLiteral("Read from radio"));
  // Captions the start-up leaves as created.
  EXPECT_EQ(m.menu("Adj")->text(), QStringLiteral("调试"));
  EXPECT_EQ(m.menu("Adj_Online")->text(), QStringLiteral("在线测试"));
  EXPECT_EQ(m.menu("Language_chn")->text(), QStringLiteral("中文"));
  EXPECT_TRUE(m.menu("Language_eng")->isChecked());
  EXPECT_FALSE(m.menu("Language_chn")->isChecked());
  const char* tips[] = {"Open Parameter file",  "Save Parameter",      "Channel Information",
                        "Read Data From Radio", "Write Data to Radio", "Exit"};
  int i = 0;
  for (const ToolSpec& t : MainTools()) EXPECT_EQ(m.toolButton(t.key)->toolTip().toStdString(), tips[i++]);
}

TEST_F(MainWindow, StartUpStateFlagsAndImage) {
  st.Flag_comm_read = -1;  // whatever was there, the start-up clears the flags
  start();
  for (Int16 f : {st.Flag_frm_option, st.Flag_frm_dtmf, st.Flag_setup, st.Flag_save_chann, st.Flag_open_chann,
                  st.Flag_comm_read, st.Flag_comm_write})
    EXPECT_EQ(f, 0);
  EXPECT_EQ(st.Band220Selected, 0);
  // The tone lists exist before any editor opens.
  ASSERT_EQ(st.Tone_list.size(), 2301);
  EXPECT_EQ(st.Tone_list[1], QStringLiteral("   67.0    "));
  ASSERT_EQ(st.Tone_list_fine.size(), 2301);
  EXPECT_EQ(st.Tone_list_fine[2210], QStringLiteral("D754I"));
}

TEST_F(MainWindow, HiddenMenusCannotBeReached) {
  MDImain& m = start();
  for (const char* name : {"Band_Range", "Adj", "PC_PassWord", "Language_Setup", "about"}) {
    QAction* a = m.menu(name);
    ASSERT_TRUE(a) << name;
    EXPECT_FALSE(a->isVisible()) << name;
    EXPECT_FALSE(a->isEnabled()) << name;
    EXPECT_TRUE(a->shortcut().isEmpty()) << name;
  }
  for (const char* name : {"File", "Edit", "Program", "proc_setup", "Menu_Exit"})
    EXPECT_TRUE(m.menu(name)->isVisible());
  // A screen reader lists the items of the hidden menus and can press them
  // (QAction::trigger, as its press action does): nothing opens or changes.
  const int windows = static_cast<int>(m.host().loadedWindows().size());
  for (const char* name :
       {"Band_Range", "Adj_Edit", "Adj_Online", "PC_PassWord", "Language_chn", "Language_eng", "about"})
    m.menu(name)->trigger();
  EXPECT_EQ(static_cast<int>(m.host().loadedWindows().size()), windows);
  EXPECT_EQ(st.Lang_chn, 0);
  EXPECT_TRUE(m.menu("Language_eng")->isChecked());
  EXPECT_FALSE(m.menu("Language_chn")->isChecked());
  EXPECT_EQ(m.menu("File")->text(), QStringLiteral("File"));
}

TEST_F(MainWindow, ShortcutsAsCreated) {
  MDImain& m = start();
  struct {
    const char* menu;
    const char* keys;
  } cases[] = {
      {"File_New", "Ctrl+N"},   {"File_Open", "Ctrl+O"}, {"File_save", "Ctrl+S"}, {"Prog_read", "Ctrl+R"},
      {"Prog_write", "Ctrl+W"}, {"File_saveas", ""},     {"Channel_edit", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(m.menu(c.menu)->shortcut(), QKeySequence(c.keys)) << c.menu;
}

TEST_F(MainWindow, PanelWidthsAreSharesOfTheScreen) {
  screen = {1600, 1200, 96};
  MDImain& m = start();
  const int percents[] = {5, 15, 5, 6, 6, 6, 15, 15, 1, 1, 24};
  for (int i = 0; i < 11; ++i) {
    QLabel* l = m.StatusBar1->findChild<QLabel*>(QStringLiteral("Panel%1").arg(i + 1));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->minimumWidth(), 1600 * percents[i] / 100) << i + 1;
  }
}

// The screen check: strict comparisons against 11500 twips high and 15300 wide.
TEST_F(MainWindow, SmallScreenWarning) {
  struct {
    int w, h, dpi;
    bool warned;
  } cases[] = {
      {1024, 768, 96, false}, {800, 600, 96, true},  {1020, 767, 96, false},
      {1020, 766, 96, true},  {1019, 768, 96, true},
  };
  for (const auto& c : cases) {
    Session fresh;
    ImageStore freshImage;
    RecordingPrompt p;
    Services s = svc;
    s.prompt = &p;
    s.screen = [c] { return ScreenInfo{c.w, c.h, c.dpi}; };
    {
      MDImain m(fresh, freshImage, s);
      m.MDImain_MDIForm_Load();
    }
    settle();
    const bool warned = !p.calls.empty();
    EXPECT_EQ(warned, c.warned) << c.w << "x" << c.h;
    if (warned) {
      EXPECT_EQ(p.calls[0].text, QStringLiteral("建议将计算机的显示模式设置为 1024 X 768 "));
      EXPECT_EQ(p.calls[0].title, QStringLiteral("操作提示"));
      EXPECT_EQ(p.calls[0].icon, PromptIcon::Exclamation);
    }
  }
}

TEST_F(MainWindow, ScreenExactlyAtTheLimitsShowsNoWarning) {
  // 15300 x 11500 twips at 1440 dpi is 15300 x 11500 pixels of one twip each.
  screen = {15300, 11500, 1440};
  start();
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(MainWindow, PortScanKeepsTheHighestPortThatOpens) {
  ports.present = {3, 15};
  MDImain& m = start();
  EXPECT_EQ(st.Comm_port, 15);
  EXPECT_EQ(m.PanelText(3), QStringLiteral("COM15"));
  EXPECT_EQ(m.PanelText(2), QStringLiteral("Connecting with transceiver... "));
  EXPECT_TRUE(prompt.calls.empty());  // the scan is silent
  auto* port = ports.created.at(0);
  EXPECT_EQ(port->openedPorts.front(), 15);
}

TEST_F(MainWindow, PortScanWithNoPortFallsBackToPortOne) {
  MDImain& m = start();
  EXPECT_EQ(st.Comm_port, 1);
  EXPECT_EQ(st.Port_err, -1);
  EXPECT_EQ(m.PanelText(3), QStringLiteral("COM1"));
  EXPECT_EQ(m.PanelText(2), QString());
  EXPECT_FALSE(m.link->port().isOpen());
  const auto& tried = ports.created.at(0)->openedPorts;
  std::vector<int> expected;
  for (int n = 15; n >= 1; --n) expected.push_back(n);
  EXPECT_EQ(std::vector<int>(tried.begin(), tried.begin() + 15), expected);
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(MainWindow, ExitClosesTheMainWindow) {
  MDImain& m = start();
  EXPECT_TRUE(m.isVisible());
  m.MDImain_Toolbar1_ButtonClick(QStringLiteral("exit"));
  EXPECT_FALSE(m.isVisible());
}

TEST_F(MainWindow, ToolbarKeysAreExactAndCaseSensitive) {
  MDImain& m = start();
  for (const char* key : {"Exit", "EXIT", "exit ", "", "opened"}) {
    m.MDImain_Toolbar1_ButtonClick(QString::fromLatin1(key));
    EXPECT_TRUE(m.isVisible()) << key;
  }
  m.MDImain_Toolbar1_ButtonClick(QStringLiteral("exit"));
  EXPECT_FALSE(m.isVisible());
}

TEST_F(MainWindow, StartUpWritesTheFactoryImage) {
  start();
  SessionAndImage expected;
  Factory_startup(expected, expected.Image, svc.clock);
  EXPECT_TRUE(image.image() == expected.Image);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(st.AdjTable[r][c], st.AdjDefaults[r][c]);
  EXPECT_EQ(image.image()(480, 0), 0xFF);
  EXPECT_EQ(image.image()(495, 15), 0xFF);
}

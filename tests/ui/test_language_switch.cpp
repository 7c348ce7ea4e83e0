#include "app/ui/Form_type.h"
#include "app/ui/frmAbout.h"
#include "app_fixture.h"
#include "channels/ui/frm_chann.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "link/ui/Form_setup.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {

struct ExpectedCaption {
  const char* element;  // menu name, or "tip1".."tip6"
  const char* english;
  const char* chinese;
};

// The main window's captions in both languages, written out independently of
// the program's own table.
const ExpectedCaption kExpected[] = {
    {"tip1", "Open Parameter file", "打开参数文件"},
    {"tip2", "Save Parameter", "保存参数"},
    {"tip3", "Channel Information", "信道参数编辑"},
    {"tip4", "Read Data From Radio", "从对讲机读取数据"},
    {"tip5", "Write Data to Radio", "将参数写入对讲机"},
    {"tip6", "Exit", "退出"},
    {"about", "About", "关于"},
    {"Menu_Exit", "Exit", "退出"},
    {"Language_Setup", "Language", "语言"},
    {"proc_setup", "Communication", "端口"},
    {"Edit", "Edit", "编辑"},
    {"Channel_edit", "Channel Information ", "信道信息"},
    {"Optional_edit", "Optional Features", "可选功能"},
    {"Dtmf_edit", "DTMF", "DTMF(双音多频)"},
    {"Program", "Program", "编程"},
    {"Prog_read", "Read from radio", "从对讲机读取数据"},
    {"Prog_write", "Write to radio", "向对讲机写入数据"},
    {"PC_PassWord", "PassWord", "通行字"},
    {"File", "File", "文件"},
    {"File_New", "New", "新建"},
    {"File_Open", "Open", "打开"},
    {"File_save", "Save", "保存"},
    {"File_saveas", "Save As", "另存为"},
    {"File_exit", "Exit", "退出"},
    {"Band_Range", "Model", "机型"},
};
const char* const kToolKeys[] = {"open", "save", "edit_chann", "read", "write", "exit"};

}  // namespace

class LanguageSwitch : public AppFixture {
 protected:
  void expectLanguage(bool chinese) {
    MDImain& m = *main;
    for (const ExpectedCaption& c : kExpected) {
      const QString want = QString::fromUtf8(chinese ? c.chinese : c.english);
      const QString element = QString::fromLatin1(c.element);
      QString got;
      if (element.startsWith(QLatin1String("tip")))
        got = m.toolButton(QString::fromLatin1(kToolKeys[element.mid(3).toInt() - 1]))->toolTip();
      else
        got = m.menu(element)->text();
      EXPECT_EQ(got, want) << c.element << (chinese ? " (Chinese)" : " (English)");
    }
    const char* panels[] = {chinese ? "状态" : "State", chinese ? "版本" : "Version", "V22.8.23",
                            chinese ? "频段" : "Band"};
    const int numbers[] = {1, 4, 5, 6};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.PanelText(numbers[i]), QString::fromUtf8(panels[i])) << numbers[i];
    for (int p : {9, 10, 11}) EXPECT_EQ(m.PanelText(p), QString()) << p;
    EXPECT_EQ(m.windowTitle(), chinese
                                   ? QStringLiteral("ZQ-47  Velk 系列对讲机编程调试软件（本厂调试版，200信道版 )")
                                   : QStringLiteral("Arvex Ostr Ver 2.0  Series Program Software. ( 200 channel )"));
    EXPECT_EQ(m.menu("Language_chn")->isChecked(), chinese);
    EXPECT_EQ(m.menu("Language_eng")->isChecked(), !chinese);
    EXPECT_EQ(st.Lang_chn, chinese ? -1 : 0);
  }
};

TEST_F(LanguageSwitch, ToChineseAndBack) {
  MDImain& m = start();
  expectLanguage(false);
  m.MDImain_Language_chn_Click();
  expectLanguage(true);
  EXPECT_EQ(m.host().openAndShow<frmAbout>()->cmdOk->text(), QStringLiteral("确定"));
  m.host().unload<frmAbout>();
  m.MDImain_Language_eng_Click();
  expectLanguage(false);
  EXPECT_EQ(m.host().openAndShow<frmAbout>()->cmdOk->text(), QStringLiteral("Confirm"));
  m.host().unload<frmAbout>();
  settle();
}

TEST_F(LanguageSwitch, LeavesLinkPanelsAndTheFixedCaptionsAlone) {
  MDImain& m = start();
  const int kept[] = {2, 3, 7, 8};
  for (int p : kept) m.SetPanelText(p, QStringLiteral("kept %1").arg(p));
  for (int p : {9, 10, 11}) m.SetPanelText(p, QStringLiteral("stale"));
  m.MDImain_Language_chn_Click();
  for (int p : kept) EXPECT_EQ(m.PanelText(p), QStringLiteral("kept %1").arg(p));
  for (int p : {9, 10, 11}) EXPECT_EQ(m.PanelText(p), QString()) << p;
  EXPECT_EQ(m.menu("Adj")->text(), QStringLiteral("调试"));
  EXPECT_EQ(m.menu("Adj_Edit")->text(), QStringLiteral("参数编辑"));
  EXPECT_EQ(m.menu("Adj_Online")->text(), QStringLiteral("在线测试"));
  m.MDImain_Language_eng_Click();
  EXPECT_EQ(m.menu("Language_chn")->text(), QStringLiteral("中文"));
  EXPECT_EQ(m.menu("Language_eng")->text(), QStringLiteral("English"));
  EXPECT_EQ(m.menu("Adj")->text(), QStringLiteral("调试"));
}

// Choosing the current language keeps the language texts but re-captions the
// main window all the same.
TEST_F(LanguageSwitch, SameLanguageRecaptionsButKeepsTheTexts) {
  MDImain& m = start();
  for (bool chinese : {false, true}) {
    if (chinese) m.MDImain_Language_chn_Click();
    // An open About box is not rebuilt: it keeps its texts.
    frmAbout* about = m.host().openAndShow<frmAbout>();
    about->lblTitle->setText(QStringLiteral("untouched"));
    m.menu("File")->setText(QStringLiteral("stale"));
    m.SetPanelText(9, QStringLiteral("stale"));
    m.setWindowTitle(QStringLiteral("stale"));
    if (chinese)
      m.MDImain_Language_chn_Click();
    else
      m.MDImain_Language_eng_Click();
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("untouched"));
    m.host().unload<frmAbout>();
    settle();
    expectLanguage(chinese);
  }
}

// A checkable action unchecks itself when triggered while checked: the mark
// must still be on the chosen item afterwards, and only there.
// (The language menu is hidden: its items' handlers are the only way in.)
TEST_F(LanguageSwitch, ChoosingTheCheckedItemKeepsItsMark) {
  MDImain& m = start();
  QAction* eng = m.menu("Language_eng");
  QAction* chn = m.menu("Language_chn");
  m.MDImain_Language_eng_Click();
  EXPECT_TRUE(eng->isChecked());
  EXPECT_FALSE(chn->isChecked());
  m.MDImain_Language_chn_Click();
  EXPECT_TRUE(chn->isChecked());
  EXPECT_FALSE(eng->isChecked());
  m.MDImain_Language_chn_Click();
  EXPECT_TRUE(chn->isChecked());
  EXPECT_FALSE(eng->isChecked());
  EXPECT_EQ(st.Lang_chn, -1);
}

// The About box is not on the list: an open one keeps its captions; it shows
// the new language when it is opened again.
TEST_F(LanguageSwitch, WindowsOutsideTheListKeepTheirCaptions) {
  MDImain& m = start();
  m.MDImain_about_Click();
  frmAbout* about = m.host().find<frmAbout>();
  ASSERT_TRUE(about);
  m.MDImain_Band_Range_Click();
  Form_type* model = m.host().find<Form_type>();
  ASSERT_TRUE(model);
  m.MDImain_Language_chn_Click();
  settle();
  EXPECT_EQ(m.host().find<frmAbout>(), about);
  EXPECT_EQ(m.host().find<Form_type>(), model);
  EXPECT_EQ(about->cmdOk->text(), QStringLiteral("Confirm"));
  about->frmAbout_cmdOk_Click();
  settle();
  m.MDImain_about_Click();
  EXPECT_EQ(m.host().find<frmAbout>()->cmdOk->text(), QStringLiteral("确定"));
}

// The open windows of the list are rebuilt in their fixed order, whatever
// order they were opened in, each in the new language; a closed one stays
// closed.
TEST_F(LanguageSwitch, OpenWindowsAreRebuiltInTheirOrder) {
  MDImain& m = start();  // the channel window opens at start-up
  m.MDImain_Prog_write_Click();
  m.MDImain_File_Open_Click();
  m.MDImain_proc_setup_Click();
  m.MDImain_Prog_read_Click();
  m.MDImain_File_save_Click();
  settle();
  struct Expected {
    const char* name;
    QString chineseTitle;
    Int16 Session::*flag;
  };
  const std::vector<Expected> all = {
      {"frm_chann", QStringLiteral("信道参数编辑"), &Session::Flag_frm_chann},
      {"Form_setup", QStringLiteral("通讯端口设置"), &Session::Flag_setup},
      {"Form_save_chann", QStringLiteral("保存文件"), &Session::Flag_save_chann},
      {"Form_open_chann", QStringLiteral("打开文件"), &Session::Flag_open_chann},
      {"Form_Comm_Read", QStringLiteral("从对讲机读取数据"), &Session::Flag_comm_read},
      {"Form_Comm_Write", QStringLiteral("写数据到对讲机"), &Session::Flag_comm_write},
  };
  auto loaded = [&] {
    std::vector<std::pair<std::string, RadioWindow*>> out;
    for (RadioWindow* w : m.host().loadedWindows()) out.emplace_back(w->metaObject()->className(), w);
    return out;
  };
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {  // two of them closed: they stay closed
      m.host().unload<Form_setup>();
      m.host().unload<Form_Comm_Read>();
      settle();
    }
    const auto before = loaded();
    m.MDImain_Language_chn_Click();
    settle();
    const auto after = loaded();
    std::vector<std::string> names;
    for (const auto& [name, w] : after) names.push_back(name);
    std::vector<std::string> want;
    for (const Expected& e : all) {
      const bool closed =
          round == 1 && (std::string(e.name) == "Form_setup" || std::string(e.name) == "Form_Comm_Read");
      EXPECT_EQ(st.*e.flag, closed ? 0 : -1) << e.name << " round " << round;
      if (!closed) want.push_back(e.name);
    }
    EXPECT_EQ(names, want) << "round " << round;
    for (const auto& [name, w] : after) {
      for (const auto& [oldName, old] : before) EXPECT_NE(w, old) << name << " was not rebuilt";
      for (const Expected& e : all) {
        if (name == e.name) {
          EXPECT_EQ(w->windowTitle(), e.chineseTitle) << name;
        }
      }
    }
  }
}

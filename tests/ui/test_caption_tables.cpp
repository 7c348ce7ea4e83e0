// Caption tables: the window base puts each caption on the control of that
// name in the current language, and every table names controls its window
// has: every registered window is loaded in both languages, and no caption
// may draw the warning of a caption that names no control.
#include "app_fixture.h"
#include "platform/captions.h"
#include "platform/grid.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_warnings;
QtMessageHandler g_previous = nullptr;

void Record(QtMsgType type, const QMessageLogContext& where, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("No control"))) {
    g_warnings.push_back(text.toStdString());
    return;
  }
  if (g_previous) g_previous(type, where, text);
}

constexpr Caption kSample[] = {
    {"Sample", {"Sample window", "示例窗口"}}, {"Command_ok", {"OK", "确定"}},
    {"Label_name", {"Name:", "名称："}},       {"MSF_Sample", {"^One|^Two", "^一|^二"}},
    {"ProgressBar1", {"Transfer", "传输"}},
};

}  // namespace

class CaptionTables : public AppFixture {
 protected:
  void SetUp() override {
    g_warnings.clear();
    g_previous = qInstallMessageHandler(Record);
  }
  void TearDown() override { qInstallMessageHandler(g_previous); }
};

TEST_F(CaptionTables, EachCaptionLandsOnItsControlInTheLanguage) {
  QWidget root;
  root.setObjectName(QStringLiteral("Sample"));
  auto* ok = new QPushButton(&root);
  ok->setObjectName(QStringLiteral("Command_ok"));
  auto* label = new QLabel(&root);
  label->setObjectName(QStringLiteral("Label_name"));
  auto* grid = new Grid(&root);
  grid->setObjectName(QStringLiteral("MSF_Sample"));
  auto* bar = new QProgressBar(&root);
  bar->setObjectName(QStringLiteral("ProgressBar1"));
  for (bool chinese : {false, true}) {
    Apply_captions(&root, kSample, chinese);
    EXPECT_EQ(root.windowTitle(), chinese ? QStringLiteral("示例窗口") : QStringLiteral("Sample window"));
    EXPECT_EQ(ok->text(), chinese ? QStringLiteral("确定") : QStringLiteral("OK"));
    EXPECT_EQ(label->text(), chinese ? QStringLiteral("名称：") : QStringLiteral("Name:"));
    EXPECT_EQ(grid->FormatString(), chinese ? QStringLiteral("^一|^二") : QStringLiteral("^One|^Two"));
    EXPECT_EQ(grid->ColumnHeader(1), chinese ? QStringLiteral("二") : QStringLiteral("Two"));
    EXPECT_EQ(bar->accessibleName(), chinese ? QStringLiteral("传输") : QStringLiteral("Transfer"));
  }
  EXPECT_TRUE(g_warnings.empty());
  constexpr Caption kStray[] = {{"Command_gone", {"Gone", "无"}}};
  Apply_captions(&root, kStray, false);
  EXPECT_EQ(g_warnings.size(), 1u);
}

// Every window of the program, loaded in both languages: no caption of its
// tables misses its control.
TEST_F(CaptionTables, EveryTableNamesItsWindowsControls) {
  MDImain& m = start();
  for (bool chinese : {false, true}) {
    if (chinese) m.MDImain_Language_chn_Click();
    for (const WindowEntry& e : m.host().registry().entries()) {
      RadioWindow* w = m.host().reopen(e);
      ASSERT_TRUE(w) << e.name;
      EXPECT_FALSE(w->windowTitle().isEmpty()) << e.name;
      m.host().unload(e);
      settle();
    }
  }
  EXPECT_TRUE(g_warnings.empty()) << g_warnings.front();
}

#include "app/about_texts.h"
#include "app/ui/frmAbout.h"
#include "app_fixture.h"
#include "support/fake_system_info.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

class AboutBox : public AppFixture {
 protected:
  AboutBox() { svc.sysinfo = &sysinfo; }
  frmAbout* open() {
    main->MDImain_about_Click();
    return main->host().find<frmAbout>();
  }
  FakeSystemInfo sysinfo;
};

TEST_F(AboutBox, ShowsTheTextsOfTheCurrentLanguage) {
  start();
  for (Int16 lang : {Int16{0}, Int16{-1}}) {
    st.Lang_chn = lang;  // the box takes its texts from its table when it loads
    frmAbout* a = open();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->lblTitle->text(), kAboutTexts.title.in(lang));
    EXPECT_EQ(a->lblVersion->text(), kAboutTexts.version.in(lang));
    EXPECT_EQ(a->lblDescription->text(), kAboutTexts.desc.in(lang));
    EXPECT_EQ(a->lblDisclaimer->text(), kAboutTexts.warning.in(lang));
    EXPECT_FALSE(a->lblTitle->text().isEmpty());
    EXPECT_EQ(a->cmdOk->text(), lang ? QStringLiteral("确定") : QStringLiteral("Confirm"));
    EXPECT_EQ(a->cmdSysInfo->text(),
              lang ? QStringLiteral("系统信息(&S)...") : QStringLiteral("System Information(&S)..."));
    a->frmAbout_cmdOk_Click();
    EXPECT_FALSE(main->host().isLoaded<frmAbout>());
    settle();
  }
}

TEST_F(AboutBox, DesignedSizeCentredAndRaised500Twips) {
  MDImain& m = start();
  frmAbout* a = open();
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->TwipsWidth(), frmAbout::kWidth, 15);
  EXPECT_NEAR(a->TwipsHeight(), frmAbout::kHeight, 15);
  const QPoint topLeft = m.mdiArea()->mapFromGlobal(a->frame()->geometry().topLeft());
  const double left = (m.ScaleWidth() - frmAbout::kWidth) / 2;
  const double top = (m.ScaleHeight() - frmAbout::kHeight) / 2 - 500;
  EXPECT_NEAR(topLeft.x(), left / 15, 1);
  EXPECT_NEAR(topLeft.y(), top / 15, 1);
}

// Choosing About again brings the open box to the front without rebuilding it.
TEST_F(AboutBox, OpenAgainDoesNotRebuild) {
  start();
  frmAbout* a = open();
  a->lblTitle->setText(QStringLiteral("as it was"));
  a->hide();
  EXPECT_EQ(open(), a);
  EXPECT_EQ(a->lblTitle->text(), QStringLiteral("as it was"));
  EXPECT_TRUE(a->isVisible());
}

TEST_F(AboutBox, EscAndEnterCloseThroughOk) {
  start();
  frmAbout* a = open();
  EXPECT_EQ(a->focusWidget(), a->cmdOk);
  QTest::keyClick(a, Qt::Key_Escape);
  EXPECT_FALSE(main->host().isLoaded<frmAbout>());
  settle();
  a = open();
  QTest::keyClick(a->cmdOk, Qt::Key_Return);
  EXPECT_FALSE(main->host().isLoaded<frmAbout>());
  settle();
  // Enter on the system information button presses that button, not OK.
  a = open();
  QTest::keyClick(a->cmdSysInfo, Qt::Key_Return);
  EXPECT_TRUE(main->host().isLoaded<frmAbout>());
  EXPECT_EQ(prompt.calls.size(), 1u);
}

TEST_F(AboutBox, SystemInformation) {
  struct Case {
    const char* path;
    bool startWorks;
    bool started;
  } cases[] = {
      {"/usr/bin/hardinfo", true, true},
      {"/usr/bin/hardinfo", false, false},  // found, but the start fails
      {"", true, false},                    // nothing found: nothing is started
  };
  start();
  frmAbout* a = open();
  for (const Case& c : cases) {
    sysinfo.path = QString::fromLatin1(c.path);
    sysinfo.startWorks = c.startWorks;
    sysinfo.launched.clear();
    prompt.calls.clear();
    a->cmdSysInfo->click();
    EXPECT_EQ(sysinfo.launched.size(), *c.path ? 1u : 0u) << c.path;
    if (*c.path && !sysinfo.launched.empty()) {
      EXPECT_EQ(sysinfo.launched[0], sysinfo.path);
    }
    if (c.started) {
      EXPECT_TRUE(prompt.calls.empty());
    } else {
      ASSERT_EQ(prompt.calls.size(), 1u) << c.path;
      EXPECT_EQ(prompt.calls[0].text, QStringLiteral("此时系统信息不可用"));
      EXPECT_EQ(prompt.calls[0].title, QString());
      EXPECT_EQ(prompt.calls[0].icon, PromptIcon::None);
    }
    EXPECT_TRUE(main->host().isLoaded<frmAbout>());  // the box stays open
  }
}

TEST_F(AboutBox, SystemInformationInEnglishAndChineseAlike) {
  start();
  main->MDImain_Language_chn_Click();
  open()->StartSysInfo();
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("此时系统信息不可用"));
}

TEST_F(AboutBox, WithoutAToolTheMessageIsShown) {
  svc.sysinfo = nullptr;
  start();
  open()->StartSysInfo();
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("此时系统信息不可用"));
}

TEST_F(AboutBox, ExitUnloadsTheBox) {
  start();
  frmAbout* a = open();
  QPointer<frmAbout> guard(a);
  main->MDImain_Menu_Exit_Click();
  EXPECT_FALSE(main->host().isLoaded<frmAbout>());
  settle();
  EXPECT_TRUE(guard.isNull());
}

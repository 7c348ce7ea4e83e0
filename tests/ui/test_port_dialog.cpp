// The port dialog as a window: captions, choices, placement, how it opens,
// reloads and refuses. Its exchange runs end to end in test_link_e2e.cpp.
#include "app_fixture.h"
#include "link/ui/Form_setup.h"
#include "platform/core/twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class PortDialog : public AppFixture {
 protected:
  Form_setup* dialog() { return main->host().find<Form_setup>(); }
  std::vector<int> chosen() {
    std::vector<int> out;
    for (int i = 0; i < 16; ++i)
      if (dialog()->Option_Port[static_cast<std::size_t>(i)]->isChecked()) out.push_back(i + 1);
    return out;
  }
};

TEST_F(PortDialog, CaptionsChoicesAndPlace) {
  struct Case {
    Int16 lang;
    const char *title, *frame, *confirm, *cancel;
  };
  const Case cases[] = {
      {0, "Communication Port Setup", "Port Setup", "Confirm", "Cancel"},
      {-1, "通讯端口设置", "端口设置", "确 定", "取 消"},
  };
  start();
  for (const Case& c : cases) {
    st.Lang_chn = c.lang;
    st.Comm_port = 5;
    main->MDImain_proc_setup_Click();
    Form_setup* d = dialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(st.Flag_setup, -1);
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(d->Frame1->title(), QString::fromUtf8(c.frame));
    EXPECT_EQ(d->Command_ok->text(), QString::fromUtf8(c.confirm));
    EXPECT_EQ(d->Command1->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(d->Option_Port[0]->text(), QStringLiteral("COM 1"));
    EXPECT_EQ(d->Option_Port[15]->text(), QStringLiteral("COM 16"));
    EXPECT_EQ(chosen(), std::vector<int>{5});
    // A third of the main window's inner width by its inner height / 2.4,
    // centred, 500 twips above the centre.
    const double sw = main->ScaleWidth(), sh = main->ScaleHeight();
    EXPECT_NEAR(d->TwipsWidth(), sw / 2.9, 15);
    EXPECT_NEAR(d->TwipsHeight(), sh / 2.4, 15);
    const QPoint inArea = main->mdiArea()->mapFromGlobal(d->geometry().topLeft());
    EXPECT_NEAR(twips::FromPixels(inArea.x(), 96), (sw - sw / 2.9) / 2, 15);
    EXPECT_NEAR(twips::FromPixels(inArea.y(), 96), (sh - sh / 2.4) / 2 - 500, 15);
    QTest::mouseClick(d->Command1, Qt::LeftButton);
    EXPECT_FALSE(dialog());
    EXPECT_EQ(st.Flag_setup, 0);
    settle();
  }
}

TEST_F(PortDialog, TheMenuOpensItOnceAndLeavesAnOpenDialogAlone) {
  start();
  main->MDImain_proc_setup_Click();
  Form_setup* d = dialog();
  ASSERT_TRUE(d);
  d->Option_Port[8]->setChecked(true);
  main->MDImain_proc_setup_Click();
  EXPECT_EQ(dialog(), d);
  EXPECT_EQ(chosen(), std::vector<int>{9});
}

// The language switch reloads an open port dialog, third in its order; a
// closed one stays closed.
TEST_F(PortDialog, LanguageSwitchReloadsIt) {
  start();
  main->MDImain_Language_chn_Click();
  EXPECT_FALSE(dialog());
  main->MDImain_proc_setup_Click();
  Form_setup* before = dialog();
  before->Option_Port[2]->setChecked(true);  // not confirmed: lost with the reload
  main->MDImain_Language_eng_Click();
  Form_setup* after = dialog();
  ASSERT_TRUE(after);
  EXPECT_NE(after, before);
  EXPECT_EQ(after->windowTitle(), QStringLiteral("Communication Port Setup"));
  EXPECT_EQ(chosen(), std::vector<int>{1});
  EXPECT_EQ(st.Flag_setup, -1);
}

// While its identification runs (or its close is pending) Confirm refuses
// with the busy message and changes nothing.
TEST_F(PortDialog, ConfirmRefusesWhileItsIdentificationRuns) {
  ports.present = {3, 7};
  start();
  main->MDImain_proc_setup_Click();
  Form_setup* d = dialog();
  d->Option_Port[2]->setChecked(true);
  QTest::mouseClick(d->Command_ok, Qt::LeftButton);
  EXPECT_TRUE(d->engine().Busy());
  EXPECT_TRUE(prompt.calls.empty());
  d->Option_Port[6]->setChecked(true);
  main->SetPanelText(7, QStringLiteral("kept"));
  QTest::mouseClick(d->Command_ok, Qt::LeftButton);
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("Read-write operating with transceiver ."));
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(st.Comm_port, 3);
  EXPECT_EQ(main->PanelText(3), QStringLiteral("COM3"));
  EXPECT_EQ(main->PanelText(7), QStringLiteral("kept"));
  EXPECT_EQ(dialog(), d);
}

#include "app/ui/Form_type.h"
#include "app_fixture.h"
#include "image/band_table.h"
#include "platform/core/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace {

// The band edges an identification reply left behind, and its panel texts.
constexpr double kRadioLimits[4] = {136, 174, 420, 470};
const QString kRadioPanel7 = QStringLiteral("VHF: 136--174 MHZ");
const QString kRadioPanel8 = QStringLiteral("UHF: 420--470 MHZ");

}  // namespace

class ModelDialog : public AppFixture {
 protected:
  void SetUp() override {
    start();
    Band_startup(st);
    main->SetPanelText(7, Band_panel7_text(st));
    main->SetPanelText(8, Band_panel8_text(st));
  }
  // As after an identification: the radio's edges in the limits and panels.
  void radioIdentified() {
    st.Freq_vhf_low = kRadioLimits[0], st.Freq_vhf_high = kRadioLimits[1];
    st.Freq_uhf_low = kRadioLimits[2], st.Freq_uhf_high = kRadioLimits[3];
    main->SetPanelText(7, kRadioPanel7);
    main->SetPanelText(8, kRadioPanel8);
  }
  Form_type* open() { return main->host().reopen<Form_type>(); }
  void expectTableLimits() {
    EXPECT_EQ(st.Freq_vhf_low, 130);
    EXPECT_EQ(st.Freq_vhf_high, 179);
    EXPECT_EQ(st.Freq_uhf_low, 400);
    EXPECT_EQ(st.Freq_uhf_high, 520);
  }
};

TEST_F(ModelDialog, TextsInBothLanguages) {
  struct Case {
    Int16 lang;
    const char *title, *confirm, *cancel, *label;
  };
  const Case cases[] = {
      {0, "Model Select", "Confirm", "Cancel", "Model"},
      {-1, "机型选择", "确 定", "取 消", "机  型"},
  };
  for (const auto& c : cases) {
    st.Lang_chn = c.lang;
    Form_type* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(d->Command_enter->text(), QString::fromUtf8(c.confirm));
    EXPECT_EQ(d->Command_Cancel->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(d->Label1->text(), QString::fromUtf8(c.label));
    // The same list and ranges in both languages.
    ASSERT_EQ(d->Combo_type->count(), 1);
    EXPECT_EQ(d->Combo_type->itemText(0), QStringLiteral("VHF0/UHF0"));
    EXPECT_EQ(d->Combo_type->currentIndex(), 0);
    EXPECT_EQ(d->Label_VHF->text(), QStringLiteral("VHF0"));
    EXPECT_EQ(d->Label_UHF->text(), QStringLiteral("UHF0"));
    EXPECT_EQ(d->Text_VHF->text().toStdString(), " 130MHZ  -   179MHZ");
    EXPECT_EQ(d->Text_UHF->text().toStdString(), " 400MHZ  -   520MHZ");
    EXPECT_FALSE(d->Text_VHF->isEnabled());
    EXPECT_FALSE(d->Text_UHF->isEnabled());
    main->host().unload<Form_type>();
    settle();
  }
}

TEST_F(ModelDialog, ConfirmTakesTheEntryAndWritesThePanels) {
  radioIdentified();
  st.Model_index = 0;
  Form_type* d = open();
  ASSERT_TRUE(d);
  QTest::mouseClick(d->Command_enter, Qt::LeftButton);
  expectTableLimits();
  EXPECT_EQ(st.Model_index, 0);
  EXPECT_EQ(main->PanelText(7).toStdString(), "VHF0: 130 -   179MHZ");
  EXPECT_EQ(main->PanelText(8).toStdString(), "UHF0: 400 -   520MHZ");
  EXPECT_FALSE(main->host().isLoaded<Form_type>());
}

TEST_F(ModelDialog, CancelOrCloseKeepsPanelsButLoadHasResetTheLimits) {
  const std::function<void(Form_type*)> leave[] = {
      [](Form_type* d) { QTest::mouseClick(d->Command_Cancel, Qt::LeftButton); },
      [](Form_type* d) { d->frame()->close(); },
  };
  for (const auto& how : leave) {
    radioIdentified();
    Form_type* d = open();
    ASSERT_TRUE(d);
    // The load has already put the table entry into the limits.
    expectTableLimits();
    how(d);
    EXPECT_FALSE(main->host().isLoaded<Form_type>());
    expectTableLimits();
    EXPECT_EQ(st.Model_index, 0);
    EXPECT_EQ(main->PanelText(7), kRadioPanel7);
    EXPECT_EQ(main->PanelText(8), kRadioPanel8);
    settle();
  }
}

TEST_F(ModelDialog, SelectingByCodeShowsTheEntryButKeepsTheLimits) {
  Form_type* d = open();
  ASSERT_TRUE(d);
  // The table entry changes behind the dialog's back; choosing the entry again
  // by code shows the new ranges as a user's choice would.
  st.Band_table[0] = {136, 174, 400, 480};
  radioIdentified();
  d->Combo_type->setCurrentIndex(-1);
  d->Combo_type->setCurrentIndex(0);
  EXPECT_EQ(d->Text_VHF->text().toStdString(), " 136MHZ  -   174MHZ");
  EXPECT_EQ(d->Text_UHF->text().toStdString(), " 400MHZ  -   480MHZ");
  EXPECT_EQ(st.Freq_vhf_low, kRadioLimits[0]);
  EXPECT_EQ(st.Freq_uhf_high, kRadioLimits[3]);
}

TEST_F(ModelDialog, TypingIntoTheListChangesNothing) {
  Form_type* d = open();
  ASSERT_TRUE(d);
  d->activateWindow();
  d->Combo_type->setFocus();
  EXPECT_FALSE(d->Combo_type->isEditable());
  EXPECT_EQ(d->Combo_type->lineEdit(), nullptr);
  // A second item that a typed first letter would otherwise select.
  d->Combo_type->addItem(QStringLiteral("UHF1/VHF1"));
  QTest::keyClicks(d->Combo_type, QStringLiteral("UHF1 x"));
  QTest::keyClick(d->Combo_type, Qt::Key_Return);
  EXPECT_EQ(d->Combo_type->count(), 2);
  EXPECT_EQ(d->Combo_type->currentIndex(), 0);
  EXPECT_EQ(d->Combo_type->currentText(), QStringLiteral("VHF0/UHF0"));
  EXPECT_EQ(d->Text_VHF->text().toStdString(), " 130MHZ  -   179MHZ");
  EXPECT_TRUE(main->host().isLoaded<Form_type>());
}

TEST_F(ModelDialog, SizeAndPlaceFromTheMainWindow) {
  Form_type* d = open();
  ASSERT_TRUE(d);
  const double cw = main->ScaleWidth(), ch = main->ScaleHeight();
  EXPECT_NEAR(d->TwipsWidth(), cw / 2.5, 15);
  EXPECT_NEAR(d->TwipsHeight(), ch / 2.5, 15);
  const int dpi = screen.dpi;
  const QPoint expected = main->mdiArea()->mapToGlobal(
      QPoint(twips::ToPixels((cw - cw / 2.5) / 2, dpi), twips::ToPixels((ch - ch / 2.5) / 2 - 500, dpi)));
  EXPECT_NEAR(d->frame()->geometry().x(), expected.x(), 1);
  EXPECT_NEAR(d->frame()->geometry().y(), expected.y(), 1);
}

TEST_F(ModelDialog, ItsMenuCommandBuildsItAfreshAndExitClosesIt) {
  main->MDImain_Band_Range_Click();
  Form_type* first = main->host().find<Form_type>();
  ASSERT_TRUE(first);
  // The next opening builds a new dialog: nothing of the open one survives.
  first->Text_VHF->setText(QStringLiteral("typed"));
  main->MDImain_Band_Range_Click();
  Form_type* second = main->host().find<Form_type>();
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Text_VHF->text().toStdString(), " 130MHZ  -   179MHZ");
  main->MDImain_Menu_Exit_Click();
  EXPECT_FALSE(main->host().isLoaded<Form_type>());
}

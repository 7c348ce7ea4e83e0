// What assistive technology reads for each control (the name a screen reader
// announces, also the handle a test driving the program from outside uses),
// taken from Qt's accessibility interface as a screen reader takes it.
#include "app/main_captions.h"
#include "app/ui/Form_type.h"
#include "chann_fixture.h"
#include "channels/chann_codec.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace {

QString Name(QObject* o) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
  return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// A text box is named by its label; a drop-down list on the Linux desktop
// reads its current text as its name and is labelled through the label
// relation, which a screen reader announces with it.
QString Label(QObject* o) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
  if (!i) return QStringLiteral("<no interface>");
  const auto labels = i->relations(QAccessible::Label);
  return labels.isEmpty() ? i->text(QAccessible::Name) : labels.front().first->text(QAccessible::Name);
}

}  // namespace

using AccessibleNames = ChannFixture;

// Toolbar buttons are pictures: each is named by its tool tip, in the
// language of the moment.
TEST_F(AccessibleNames, ToolbarButtonsByTheirToolTips) {
  for (bool chinese : {false, true, false}) {
    if (chinese)
      main->MDImain_Language_chn_Click();
    else
      main->MDImain_Language_eng_Click();
    for (const ToolSpec& t : MainTools()) {
      QAction* a = main->toolButton(QString::fromLatin1(t.key));
      QWidget* button = main->Toolbar1->widgetForAction(a);
      ASSERT_TRUE(button) << t.key;
      EXPECT_FALSE(a->toolTip().isEmpty());
      EXPECT_EQ(Name(button), a->toolTip()) << t.key << (chinese ? " (Chinese)" : "");
    }
  }
}

// Menus and menu items are named by their captions.
TEST_F(AccessibleNames, MenuItemsByTheirCaptions) {
  QMenu* program = main->menuBar()->findChild<QMenu*>(QStringLiteral("Program"));
  ASSERT_TRUE(program);
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(program);
  ASSERT_TRUE(menu);
  ASSERT_EQ(menu->childCount(), 2);
  EXPECT_EQ(menu->child(0)->text(QAccessible::Name), QStringLiteral("Read from radio"));
  EXPECT_EQ(menu->child(1)->text(QAccessible::Name), QStringLiteral("Write to radio"));
}

// Buttons by their captions; the channel window's buttons as an example.
TEST_F(AccessibleNames, ButtonsByTheirCaptions) {
  EXPECT_EQ(Name(w->Command_def), QStringLiteral("Default"));
  EXPECT_EQ(Name(w->Command_Clear), QStringLiteral("Clear"));
  EXPECT_EQ(Name(w->Command_close), QStringLiteral("Close"));
}

// The grid's cell editors are named by the header of the column they edit.
TEST_F(AccessibleNames, CellEditorsByTheirColumnHeader) {
  struct Case {
    int col;
    QWidget* editor;
    const char* name;
  };
  const Case cases[] = {
      {chann::kColRx, w->Text_Edit, "RX Frequency"}, {chann::kColBand, w->Combo_edit, "Band"},
      {chann::kColTx, w->Text_Edit, "TX Frequency"}, {chann::kColRxTone, w->Combo_edit, "CTCSS/DCS Dec"},
      {chann::kColName, w->Text_Edit, "CH-Name"},
  };
  for (const Case& c : cases) {
    click(2, c.col);
    ASSERT_EQ(focus(), c.editor) << c.name;
    EXPECT_EQ(Label(c.editor), QString::fromLatin1(c.name));
  }
}

// Text boxes and lists by the caption of their label.
TEST_F(AccessibleNames, BoxesAndListsByTheirLabels) {
  Form_type* model = main->host().reopen<Form_type>();
  ASSERT_TRUE(model);
  EXPECT_EQ(Label(model->Combo_type), QStringLiteral("Model"));
  EXPECT_EQ(Label(model->Text_VHF), QStringLiteral("VHF0"));
  EXPECT_EQ(Label(model->Text_UHF), QStringLiteral("UHF0"));
  ParaFileDialog* open = main->host().reopen<Form_open_chann>();
  ASSERT_TRUE(open);
  EXPECT_EQ(Label(open->Text1), QStringLiteral("Open File:"));
  EXPECT_EQ(Label(open->Drive1), QStringLiteral("Drive:"));
  ParaFileDialog* save = main->host().reopen<Form_save_chann>();
  EXPECT_EQ(Label(save->Text1), QStringLiteral("Save File:"));
  main->MDImain_Language_chn_Click();
  EXPECT_EQ(Label(main->host().find<Form_save_chann>()->Text1), QStringLiteral("保存文件名："));
}

// The read and write dialogs' progress bars have a name in either language.
TEST_F(AccessibleNames, ProgressBarsOfTheReadAndWriteDialogs) {
  for (bool chinese : {false, true}) {
    if (chinese) main->MDImain_Language_chn_Click();
    main->MDImain_Prog_read_Click();
    main->MDImain_Prog_write_Click();
    const QString want = chinese ? QStringLiteral("进度") : QStringLiteral("Progress");
    for (RadioWindow* d : {static_cast<RadioWindow*>(main->host().find<Form_Comm_Read>()),
                           static_cast<RadioWindow*>(main->host().find<Form_Comm_Write>())}) {
      ASSERT_TRUE(d);
      auto* bar = d->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
      ASSERT_TRUE(bar);
      EXPECT_EQ(Name(bar), want) << d->objectName().toStdString();
    }
  }
}

// Labels and status panels whose text changes keep that text as their name,
// so a screen reader hears the progress and the link state.
TEST_F(AccessibleNames, ChangingLabelsAndPanelsReadTheirText) {
  main->SetPanelText(2, QStringLiteral("Connect well with radio."));
  QLabel* panel2 = main->StatusBar1->findChild<QLabel*>(QStringLiteral("Panel2"));
  ASSERT_TRUE(panel2);
  EXPECT_EQ(Name(panel2), QStringLiteral("Connect well with radio."));
  main->SetPanelText(2, QStringLiteral("Communication fault."));
  EXPECT_EQ(Name(panel2), QStringLiteral("Communication fault."));
  main->MDImain_Prog_read_Click();
  auto* label = main->host().find<Form_Comm_Read>()->findChild<QLabel*>(QStringLiteral("Label_tr_count"));
  ASSERT_TRUE(label);
  label->setText(QStringLiteral("40%"));
  EXPECT_EQ(Name(label), QStringLiteral("40%"));
}

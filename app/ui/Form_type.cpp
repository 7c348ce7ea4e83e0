#include "app/ui/Form_type.h"

#include "image/band_table.h"
#include "platform/window_host.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr Caption kCaptions[] = {
    {"Form_type", {"Model Select", "机型选择"}},
    {"Command_enter", {"Confirm", "确 定"}},
    {"Command_Cancel", {"Cancel", "取 消"}},
    {"Label1", {"Model", "机  型"}},
};

}  // namespace

Form_type::Form_type(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("Form_type"));
  Captions(kCaptions);
  auto* outer = new QVBoxLayout(this);

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(Frame1);
  Label1 = new QLabel(Frame1);
  Label1->setObjectName(QStringLiteral("Label1"));
  // A list without an edit field: nothing can be typed or pasted into it.
  Combo_type = new QComboBox(Frame1);
  Combo_type->setObjectName(QStringLiteral("Combo_type"));
  Combo_type->setEditable(false);
  Combo_type->installEventFilter(this);
  Label_VHF = new QLabel(Frame1);
  Label_VHF->setObjectName(QStringLiteral("Label_VHF"));
  Text_VHF = new QLineEdit(Frame1);
  Text_VHF->setObjectName(QStringLiteral("Text_VHF"));
  Text_VHF->setEnabled(false);
  Label_UHF = new QLabel(Frame1);
  Label_UHF->setObjectName(QStringLiteral("Label_UHF"));
  Text_UHF = new QLineEdit(Frame1);
  Text_UHF->setObjectName(QStringLiteral("Text_UHF"));
  Text_UHF->setEnabled(false);
  // The list and the two range boxes are named by their labels.
  Label1->setBuddy(Combo_type);
  Label_VHF->setBuddy(Text_VHF);
  Label_UHF->setBuddy(Text_UHF);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Combo_type, 0, 1);
  grid->addWidget(Label_VHF, 1, 0);
  grid->addWidget(Text_VHF, 1, 1);
  grid->addWidget(Label_UHF, 2, 0);
  grid->addWidget(Text_UHF, 2, 1);
  outer->addWidget(Frame1);

  auto* buttons = new QHBoxLayout;
  Command_enter = new QPushButton(this);
  Command_enter->setObjectName(QStringLiteral("Command_enter"));
  Command_Cancel = new QPushButton(this);
  Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
  buttons->addStretch();
  buttons->addWidget(Command_enter);
  buttons->addStretch();
  buttons->addWidget(Command_Cancel);
  buttons->addStretch();
  outer->addLayout(buttons);

  connect(Combo_type, &QComboBox::currentIndexChanged, this, On(&Form_type::Combo_type_Click));
  connect(Command_enter, &QPushButton::clicked, this, On(&Form_type::Command_enter_Click));
  connect(Command_Cancel, &QPushButton::clicked, this, On(&Form_type::Command_Cancel_Click));
}

void Form_type::Form_Load() {
  // 1. The host has applied the captions.
  if (ctx.main) {
    const double cw = ctx.main->ScaleWidth(), ch = ctx.main->ScaleHeight();
    const double w = cw / 2.5, h = ch / 2.5;
    setTwipsGeometry((cw - w) / 2, (ch - h) / 2 - 500, w, h);
  }

  {
    // Filling the list is not a choice; the selection below is.
    const QSignalBlocker quiet(Combo_type);
    Combo_type->clear();
    for (int i = 0; i < band::kOffered && i < ctx.st.Model_names.size(); ++i)
      Combo_type->addItem(ctx.st.Model_names[i]);
    Combo_type->setCurrentIndex(-1);
  }
  Combo_type->setCurrentIndex(ctx.st.Model_index);

  const int i = Combo_type->currentIndex();
  if (i >= 0) Band_limits_from_entry(ctx.st, i);
}

void Form_type::Combo_type_Click() {
  const int i = Combo_type->currentIndex();
  if (i < 0) return;
  Label_VHF->setText(Band_name(ctx.st, i, 0));
  Label_UHF->setText(Band_name(ctx.st, i, 1));
  Text_VHF->setText(Band_range_text(ctx.st, i, 0));
  Text_UHF->setText(Band_range_text(ctx.st, i, 1));
}

void Form_type::Command_enter_Click() {
  const int i = Combo_type->currentIndex();
  if (i >= 0) {
    Band_limits_from_entry(ctx.st, i);
    ctx.st.Model_index = static_cast<Int16>(i);
    if (ctx.main) {
      ctx.main->SetPanelText(7, Band_panel7_text(ctx.st));
      ctx.main->SetPanelText(8, Band_panel8_text(ctx.st));
    }
  }
  ctx.host.unloadWindow(this);
}

void Form_type::Command_Cancel_Click() { ctx.host.unloadWindow(this); }

bool Form_type::eventFilter(QObject* watched, QEvent* event) {
  // Typed characters never reach the list (no search by first letter);
  // Tab still moves the focus on.
  if (watched == Combo_type && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return true;
  }
  return RadioWindow::eventFilter(watched, event);
}

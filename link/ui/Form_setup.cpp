#include "link/ui/Form_setup.h"

#include "link/link_texts.h"
#include "link/ui/window_link.h"
#include "platform/window_host.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr Text kTitle{"Communication Port Setup", "通讯端口设置"};
constexpr Text kFrame1{"Port Setup", "端口设置"};
constexpr Text kCommand_ok{"Confirm", "确 定"};
constexpr Text kCommand1{"Cancel", "取 消"};
}  // namespace

Form_setup::Form_setup(AppContext& c)
    : RadioWindow(c), ctx(c), ident_(IdentCheck::Where::PortDialog, [this] { ctx.host.unloadWindow(this); }) {
  setObjectName(QStringLiteral("Form_setup"));
  // The dialog takes its size from the main window; the layout does not widen it.
  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetNoConstraint);
  outer->setContentsMargins(6, 6, 6, 6);

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout(Frame1);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setHorizontalSpacing(4);
  for (int i = 0; i < 16; ++i) {
    auto* o = new QRadioButton(Frame1);
    o->setObjectName(QStringLiteral("Option_Port_%1").arg(i));
    grid->addWidget(o, i / 4, i % 4);
    Option_Port[static_cast<std::size_t>(i)] = o;
  }
  outer->addWidget(Frame1);

  auto* buttons = new QHBoxLayout;
  Command_ok = new QPushButton(this);
  Command_ok->setObjectName(QStringLiteral("Command_ok"));
  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  buttons->addStretch();
  buttons->addWidget(Command_ok);
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addStretch();
  outer->addLayout(buttons);
  connect(Command_ok, &QPushButton::clicked, this, On(&Form_setup::Form_setup_Command_ok_Click));
  connect(Command1, &QPushButton::clicked, this, On(&Form_setup::Form_setup_Command1_Click));

  link = Window_link(ctx, link_profiles::kIdentSetup, this);
}

Form_setup::~Form_setup() = default;

void Form_setup::Form_Load() {
  // 1. Captions in the current language.
  const bool chinese = IsChinese(ctx.st.Lang_chn);
  setWindowTitle(kTitle.in(chinese));
  Frame1->setTitle(kFrame1.in(chinese));
  Command_ok->setText(kCommand_ok.in(chinese));
  Command1->setText(kCommand1.in(chinese));

  // 2. Size and place from the main window's inner area, 500 twips above its centre.
  if (ctx.main) {
    const double sw = ctx.main->ScaleWidth(), sh = ctx.main->ScaleHeight();
    const double w = sw / 2.9, h = sh / 2.4;
    setTwipsGeometry((sw - w) / 2, (sh - h) / 2 - 500, w, h);
  }

  // 4. Every choice cleared and captioned COM 1..COM 16; the current port chosen.
  for (int i = 0; i < 16; ++i) {
    QRadioButton* o = Option_Port[static_cast<std::size_t>(i)];
    o->setAutoExclusive(false);
    o->setChecked(false);
    o->setAutoExclusive(true);
    o->setText(QStringLiteral("COM ") + QString::number(i + 1));
  }
  for (int i = 0; i < 16; ++i)
    if (i + 1 == ctx.st.Comm_port) Option_Port[static_cast<std::size_t>(i)]->setChecked(true);
  // 5. The window host keeps the window-loaded flag.
}

void Form_setup::Form_Unload() {
  // The dialog's port and timers end with it.
  link->End();
}

void Form_setup::Form_setup_Command_ok_Click() {
  // No second identification while one runs or the dialog is about to close.
  if (link->Refused_while_busy()) return;
  for (int i = 0; i < 16; ++i) {
    if (Option_Port[static_cast<std::size_t>(i)]->isChecked()) {
      ctx.st.Comm_port = static_cast<Int16>(i + 1);
      break;
    }
  }
  for (StatusPanel panel : {StatusPanel::LinkState, StatusPanel::BandA, StatusPanel::BandB})
    link->Panel(panel, QString());
  link->Panel(StatusPanel::Port, QStringLiteral("COM") + QString::number(ctx.st.Comm_port));
  if (!link->Port_open()) {
    ctx.host.unloadWindow(this);
    return;
  }
  Ident_start();
}

void Form_setup::Form_setup_Command1_Click() {
  if (link->Close_request()) ctx.host.unloadWindow(this);
}

void Form_setup::Ident_start() { link->Start(ident_); }

#include "link/ui/Form_setup.h"

#include "link/link_texts.h"
#include "link/ui/window_engine.h"
#include "platform/window_host.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Form_setup::Form_setup(AppContext& c)
    : RadioWindow(c), ident_(IdentCheck::Where::PortDialog, [this] { ctx.host.unloadWindow(this); }) {
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
  connect(Command_ok, &QPushButton::clicked, this, [this] { Form_setup_Command_ok_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Form_setup_Command1_Click(); });

  engine_ = Window_engine(ctx, link_profiles::kIdentSetup, MSC, Timer1, Timer2, Timer3);
  MSC->onComm = [this](CommEvent e) { Form_setup_MSC_OnComm(e); };
  Timer1->onTick = [this] { Form_setup_Timer1_Timer(); };
  Timer2->onTick = [this] { Form_setup_Timer2_Timer(); };
  Timer3->onTick = [this] { Form_setup_Timer3_Timer(); };
}

Form_setup::~Form_setup() = default;

void Form_setup::Form_Load() {
  // 1. Captions in the current language.
  const bool chinese = ctx.st.Lang_chn == -1;
  setWindowTitle(chinese ? QStringLiteral("通讯端口设置") : QStringLiteral("Communication Port Setup"));
  Frame1->setTitle(chinese ? QStringLiteral("端口设置") : QStringLiteral("Port Setup"));
  Command_ok->setText(chinese ? QStringLiteral("确 定") : QStringLiteral("Confirm"));
  Command1->setText(chinese ? QStringLiteral("取 消") : QStringLiteral("Cancel"));

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

  // 5. Loaded.
  ctx.st.Flag_setup = -1;
}

void Form_setup::Form_Unload() {
  // The dialog's port and timers end with it.
  engine_->End();
  ctx.st.Flag_setup = 0;
}

void Form_setup::Form_setup_Command_ok_Click() {
  const bool chinese = ctx.st.Lang_chn != 0;
  // No second identification while one runs or the dialog is about to close.
  if (engine_->Busy()) {
    const LinkMessage m = Msg_busy(chinese);
    ctx.MsgBox(m.text, m.title);
    return;
  }
  for (int i = 0; i < 16; ++i) {
    if (Option_Port[static_cast<std::size_t>(i)]->isChecked()) {
      ctx.st.Comm_port = static_cast<Int16>(i + 1);
      break;
    }
  }
  if (ctx.main) {
    for (int panel : {2, 7, 8}) ctx.main->SetPanelText(panel, QString());
    ctx.main->SetPanelText(3, QStringLiteral("COM") + QString::number(ctx.st.Comm_port));
  }
  if (!engine_->Port_open()) {
    ctx.host.unloadWindow(this);
    return;
  }
  Ident_start();
}

void Form_setup::Form_setup_Command1_Click() { ctx.host.unloadWindow(this); }

void Form_setup::Ident_start() { engine_->Start(ident_); }

void Form_setup::Form_setup_MSC_OnComm(CommEvent event) { engine_->MSC_OnComm(event); }
void Form_setup::Form_setup_Timer1_Timer() { engine_->Timer1_Timer(); }
void Form_setup::Form_setup_Timer2_Timer() { engine_->Timer2_Timer(); }
void Form_setup::Form_setup_Timer3_Timer() { engine_->Timer3_Timer(); }

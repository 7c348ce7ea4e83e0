#include "link/ui/transfer_dialog.h"

#include "platform/core/twips.h"
#include "platform/window_host.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Design positions in twips; the controls keep them whatever the window's size.
struct Place {
  double left, top, width, height;
};
constexpr Place kProgress{120, 240, 5775, 495};
constexpr Place kLabel{120, 840, 5775, 375};
constexpr Place kStart{1320, 1320, 975, 495};
constexpr Place kCancel{2760, 1320, 975, 495};
constexpr Place kHelp{4200, 1320, 975, 495};

template <class W>
W* Control(QWidget* parent, const char* name, const Place& p, int dpi) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(twips::ToPixels(p.left, dpi), twips::ToPixels(p.top, dpi), twips::ToPixels(p.width, dpi),
                 twips::ToPixels(p.height, dpi));
  return w;
}

}  // namespace

TransferDialog::TransferDialog(AppContext& c, const Setup& setup) : RadioWindow(c), setup_(setup) {
  setObjectName(QString::fromLatin1(setup.name));
  const int dpi = c.dpi();
  ProgressBar1 = Control<QProgressBar>(this, "ProgressBar1", kProgress, dpi);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Label_tr_count = Control<QLabel>(this, "Label_tr_count", kLabel, dpi);
  start_ = Control<QPushButton>(this, setup.startName, kStart, dpi);
  Command_Cancel = Control<QPushButton>(this, "Command_Cancel", kCancel, dpi);
  Command_Help = Control<QPushButton>(this, "Command_Help", kHelp, dpi);
  // Tab order: start, Cancel, Help, progress bar, label.
  setTabOrder(start_, Command_Cancel);
  setTabOrder(Command_Cancel, Command_Help);
  setTabOrder(Command_Help, ProgressBar1);
  setTabOrder(ProgressBar1, Label_tr_count);

  MSC = c.svc.ports->create();
  Timer1 = c.svc.timers->create();
  Timer2 = c.svc.timers->create();
  Timer3 = c.svc.timers->create();
  engine = std::make_unique<LinkEngine>(
      *MSC, *Timer1, *Timer2, *Timer3,
      LinkEngine::Env{c.st, c.svc.prompt,
                      [this](int panel, const QString& text) {
                        if (ctx.main) ctx.main->SetPanelText(panel, text);
                      }},
      setup.profile);
}

TransferDialog::~TransferDialog() {
  // The engine goes before the port and timers it runs on.
  engine.reset();
}

void TransferDialog::Load() {
  ctx.st.*setup_.flag = -1;
  if (ctx.main) {
    const double mw = ctx.main->Width(), mh = ctx.main->Height();
    const double w = mw / 2.5, h = mh / 4;
    setTwipsGeometry((mw - w) / 2, (mh - h) / 1.45, w, h);
  }
  const TransferCaptions t = setup_.captions(ctx.st.Lang_chn != 0);
  setWindowTitle(t.window);
  start_->setText(t.start);
  Command_Cancel->setText(t.cancel);
  Command_Help->setText(t.help);
}

void TransferDialog::Unload() {
  ctx.st.*setup_.flag = 0;
  engine->End();
}

void TransferDialog::Start_click(const std::function<LinkStart()>& start) {
  const bool chinese = ctx.st.Lang_chn != 0;
  if (engine->Busy()) {
    const LinkMessage m = Msg_busy(chinese);
    ctx.MsgBox(m.text, m.title);
    return;
  }
  if (start() != LinkStart::Started) return;
  ProgressBar1->setValue(0);
  Label_tr_count->setText(Text_connecting(chinese));
}

void TransferDialog::Cancel_click() {
  if (engine->Busy()) {
    const LinkMessage m = Msg_busy_close(ctx.st.Lang_chn != 0);
    ctx.MsgBox(m.text, m.title);
    return;
  }
  engine->Close_port();
  ctx.host.unloadWindow(this);
}

void TransferDialog::Progress_show(int value) {
  ProgressBar1->setValue(value);
  ProgressBar1->setVisible(true);
}

void TransferDialog::Progress_hide() {
  ProgressBar1->setValue(0);
  ProgressBar1->setVisible(false);
}

void TransferDialog::Label_set(const QString& text) { Label_tr_count->setText(text); }

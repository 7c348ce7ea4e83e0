#include "link/ui/transfer_dialog.h"

#include "link/ui/window_link.h"
#include "platform/window_host.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Design positions in twips; the controls keep them whatever the window's size.
constexpr TwipsRect kProgress{120, 240, 5775, 495};
constexpr TwipsRect kLabel{120, 840, 5775, 375};
constexpr TwipsRect kStart{1320, 1320, 975, 495};
constexpr TwipsRect kCancel{2760, 1320, 975, 495};
constexpr TwipsRect kHelp{4200, 1320, 975, 495};

}  // namespace

template <class W>
W* TransferDialog::Control(const char* name, const TwipsRect& p) {
  W* w = RadioWindow::Control<W>(name);
  place(w, p);
  return w;
}

TransferDialog::TransferDialog(AppContext& c, const Setup& setup) : RadioWindow(c), ctx(c), setup_(setup) {
  setObjectName(QString::fromLatin1(setup.name));
  ProgressBar1 = Control<QProgressBar>("ProgressBar1", kProgress);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Label_tr_count = Control<QLabel>("Label_tr_count", kLabel);
  start_ = Control<QPushButton>(setup.startName, kStart);
  Command_Cancel = Control<QPushButton>("Command_Cancel", kCancel);
  Command_Help = Control<QPushButton>("Command_Help", kHelp);
  // Tab order: start, Cancel, Help, progress bar, label.
  setTabOrder(start_, Command_Cancel);
  setTabOrder(Command_Cancel, Command_Help);
  setTabOrder(Command_Help, ProgressBar1);
  setTabOrder(ProgressBar1, Label_tr_count);

  link = Window_link(c, setup.profile, this);
}

TransferDialog::~TransferDialog() = default;

void TransferDialog::Load() {
  if (ctx.main) {
    const double mw = ctx.main->Width(), mh = ctx.main->Height();
    const double w = mw / 2.5, h = mh / 4;
    setTwipsGeometry((mw - w) / 2, (mh - h) / 1.45, w, h);
  }
  const bool chinese = IsChinese(ctx.st.Lang_chn);
  const TransferCaptions& t = *setup_.captions;
  setWindowTitle(t.window.in(chinese));
  start_->setText(t.start.in(chinese));
  Command_Cancel->setText(t.cancel.in(chinese));
  Command_Help->setText(t.help.in(chinese));
}

void TransferDialog::Unload() { link->End(); }

void TransferDialog::Start_click(const std::function<LinkStart()>& start) {
  if (link->Refused_while_busy()) return;
  if (start() != LinkStart::Started) return;
  ProgressBar1->setValue(0);
  Label_tr_count->setText(Text_connecting.in(IsChinese(ctx.st.Lang_chn)));
}

void TransferDialog::Cancel_click() {
  if (link->Close_request()) ctx.host.unloadWindow(this);
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

#include "platform/radio_window.h"

#include "platform/captions.h"
#include "platform/core/twips.h"
#include "platform/focus_rules.h"
#include "platform/window_host.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

RadioWindow::RadioWindow(WindowContext& w)
    : QWidget(nullptr), wctx(w), focusRules_(new FocusRules(this, [this] { return unloading_; })) {}

RadioWindow::~RadioWindow() {
  // The controls go after this: their focus changes concern nobody any more.
  unloading_ = true;
  delete focusRules_;
}

QWidget* RadioWindow::frame() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
  return this;
}

void RadioWindow::setTwipsGeometry(double left, double top, double width, double height) {
  const int d = wctx.dpi();
  QWidget* f = frame();
  QPoint pos(twips::ToPixels(left, d), twips::ToPixels(top, d));
  if (!isMdiChild() && wctx.main) pos = wctx.main->mdiArea()->mapToGlobal(pos);
  f->setGeometry(QRect(pos, QSize(twips::ToPixels(width, d), twips::ToPixels(height, d))));
}

void RadioWindow::setTwipsSize(double width, double height) {
  const int d = wctx.dpi();
  frame()->resize(twips::ToPixels(width, d), twips::ToPixels(height, d));
}

double RadioWindow::TwipsWidth() const {
  return twips::FromPixels(const_cast<RadioWindow*>(this)->frame()->width(), wctx.dpi());
}

double RadioWindow::TwipsHeight() const {
  return twips::FromPixels(const_cast<RadioWindow*>(this)->frame()->height(), wctx.dpi());
}

double RadioWindow::ScaleWidth() const { return twips::FromPixels(width(), wctx.dpi()); }

double RadioWindow::ScaleHeight() const { return twips::FromPixels(height(), wctx.dpi()); }

void RadioWindow::centreInMain(double rise) {
  if (!wctx.main) return;
  const double w = TwipsWidth(), h = TwipsHeight();
  setTwipsGeometry((wctx.main->ScaleWidth() - w) / 2, (wctx.main->ScaleHeight() - h) / 2 - rise, w, h);
}

void RadioWindow::place(QWidget* control, double left, double top, double width, double height) {
  const int d = wctx.dpi();
  control->setGeometry(twips::ToPixels(left, d), twips::ToPixels(top, d), twips::ToPixels(width, d),
                       twips::ToPixels(height, d));
}

bool RadioWindow::widenFor(const FitResult& fit, double margin) {
  QWidget* f = frame();
  if (f->layout()) f->layout()->activate();
  const int extra = std::min(fit.right + twips::ToPixels(margin, wctx.dpi()) - width(), fit.grown());
  if (extra <= 0) return false;
  f->resize(f->width() + extra, f->height());
  if (f->layout()) f->layout()->activate();
  return true;
}

void RadioWindow::closeEvent(QCloseEvent* e) {
  if (unloading_) {
    e->accept();
    return;
  }
  // A user's close: ask the window (its answer may wait in a message box),
  // then unload it through the host.
  e->ignore();
  const HandlerScope closing(this);
  if (Form_QueryUnload() && !unloading_) wctx.host.unloadWindow(this);
}

void RadioWindow::Handler_end() {
  if (--handlers_ > 0 || !unloading_) return;
  // The last handler on the stack has returned: the unloaded window goes
  // once control is back in the event loop the handler was called from. The
  // delete is posted only now: Qt takes up a delete posted inside a nested
  // event loop (a message box's) in that loop, under the handler that waits.
  frame()->deleteLater();
}

void RadioWindow::MsgBox(const Message& m, PromptIcon icon) const {
  const bool zh = chinese();
  wctx.MsgBox(m.text.in(zh), m.title.in(zh), icon);
}

void RadioWindow::PressAlwaysActs(QAbstractButton* button) { focusRules_->pressAlwaysActs(button); }

void RadioWindow::Apply_captions() {
  for (std::span<const Caption> table : captions_) ::Apply_captions(this, table, chinese());
}

void RadioWindow::Name_controls() { ::Name_controls(this, chinese()); }

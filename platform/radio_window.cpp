#include "platform/radio_window.h"

#include "platform/captions.h"
#include "platform/core/twips.h"
#include "platform/window_host.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

RadioWindow::RadioWindow(AppContext& c) : QWidget(nullptr), ctx(c) {}

RadioWindow::~RadioWindow() = default;

QWidget* RadioWindow::frame() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
  return this;
}

void RadioWindow::setTwipsGeometry(double left, double top, double width, double height) {
  const int d = ctx.dpi();
  QWidget* f = frame();
  QPoint pos(twips::ToPixels(left, d), twips::ToPixels(top, d));
  if (!isMdiChild() && ctx.main) pos = ctx.main->mdiArea()->mapToGlobal(pos);
  f->setGeometry(QRect(pos, QSize(twips::ToPixels(width, d), twips::ToPixels(height, d))));
}

void RadioWindow::setTwipsSize(double width, double height) {
  const int d = ctx.dpi();
  frame()->resize(twips::ToPixels(width, d), twips::ToPixels(height, d));
}

double RadioWindow::TwipsWidth() const {
  return twips::FromPixels(const_cast<RadioWindow*>(this)->frame()->width(), ctx.dpi());
}

double RadioWindow::TwipsHeight() const {
  return twips::FromPixels(const_cast<RadioWindow*>(this)->frame()->height(), ctx.dpi());
}

double RadioWindow::ScaleWidth() const { return twips::FromPixels(width(), ctx.dpi()); }

double RadioWindow::ScaleHeight() const { return twips::FromPixels(height(), ctx.dpi()); }

void RadioWindow::centreInMain(double rise) {
  if (!ctx.main) return;
  const double w = TwipsWidth(), h = TwipsHeight();
  setTwipsGeometry((ctx.main->ScaleWidth() - w) / 2, (ctx.main->ScaleHeight() - h) / 2 - rise, w, h);
}

void RadioWindow::place(QWidget* control, double left, double top, double width, double height) {
  const int d = ctx.dpi();
  control->setGeometry(twips::ToPixels(left, d), twips::ToPixels(top, d), twips::ToPixels(width, d),
                       twips::ToPixels(height, d));
}

void RadioWindow::closeEvent(QCloseEvent* e) {
  if (unloading_) {
    e->accept();
    return;
  }
  // A user's close: ask the window, then unload it through the host.
  e->ignore();
  if (Form_QueryUnload()) ctx.host.unloadWindow(this);
}

void RadioWindow::MsgBox(const Message& m, PromptIcon icon) const {
  const bool zh = chinese();
  ctx.MsgBox(m.text.in(zh), m.title.in(zh), icon);
}

void RadioWindow::Apply_captions() {
  for (std::span<const Caption> table : captions_) ::Apply_captions(this, table, chinese());
}

void RadioWindow::Name_controls() { ::Name_controls(this, chinese()); }

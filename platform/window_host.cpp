#include "platform/window_host.h"

#include <QCoreApplication>
#include <QEvent>

void WindowHost::attach(AppContext* app, WindowContext* ctx) {
  app_ = app;
  ctx_ = ctx;
  if (ctx_->main && ctx_->main->mdiArea()) {
    connect(ctx_->main->mdiArea(), &QMdiArea::subWindowActivated, this, &WindowHost::onSubWindowActivated);
    // Qt delivers a press into an inactive child before the area reports the
    // child as active; the host activates it ahead of the press instead.
    if (QCoreApplication* qapp = QCoreApplication::instance()) qapp->installEventFilter(this);
  }
}

void WindowHost::adopt(std::type_index type, RadioWindow* w) {
  std::erase_if(order_, [](const QPointer<RadioWindow>& p) { return p.isNull(); });
  loaded_[type] = w;
  order_.push_back(w);
  if (w->isMdiChild() && ctx_->main) {
    auto* sub = ctx_->main->mdiArea()->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
  } else {
    QWidget* parent = ctx_->main ? ctx_->main->frameWidget() : nullptr;
    w->setParent(parent, Qt::Dialog);
  }
}

void WindowHost::runLoad(RadioWindow* w) {
  QPointer<RadioWindow> guard(w);
  w->Form_Load();
  if (!guard || guard->unloading_) return;
  guard->frame()->show();
  if (guard->isMdiChild() && ctx_->main) ctx_->main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(guard->frame()));
}

void WindowHost::unloadWindow(RadioWindow* w) {
  if (!w || w->unloading_) return;
  w->unloading_ = true;
  for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
    if (it->second == w) {
      loaded_.erase(it);
      break;
    }
  }
  w->Form_Unload();
  if (active_ == w) active_ = nullptr;
  QWidget* f = w->frame();
  f->hide();
  // Delete once control is back in the event loop: the unload may run inside
  // one of the window's own handlers.
  f->deleteLater();
}

std::vector<RadioWindow*> WindowHost::loadedWindows() const {
  std::vector<RadioWindow*> out;
  for (const auto& p : order_)
    if (p && !p->unloading_) out.push_back(p);
  return out;
}

void WindowHost::raiseWindow(RadioWindow* w) {
  QWidget* f = w->frame();
  f->show();
  f->raise();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(f)) ctx_->main->mdiArea()->setActiveSubWindow(sub);
  else f->activateWindow();
}

void WindowHost::onSubWindowActivated(QMdiSubWindow* sub) {
  // Activation counts only when the active child changes: closing a message
  // box over the same child does not activate it again.
  RadioWindow* w = sub ? qobject_cast<RadioWindow*>(sub->widget()) : nullptr;
  if (w == active_.data()) return;
  active_ = w;
  if (w && !w->unloading_) w->Form_Activate();
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() || !ctx_ || !ctx_->main) return false;
  QMdiArea* area = ctx_->main->mdiArea();
  if (!area) return false;
  for (QWidget* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
    auto* sub = qobject_cast<QMdiSubWindow*>(w);
    if (!sub) continue;
    if (sub->mdiArea() == area && area->activeSubWindow() != sub) area->setActiveSubWindow(sub);
    break;
  }
  return false;
}

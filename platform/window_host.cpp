#include "platform/window_host.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>

namespace {

// Every MDI frame has a system menu whose Close item takes the desktop's
// close keys: Ctrl+W on Linux desktops, Ctrl+F4 and Ctrl+W elsewhere. Ctrl+W
// belongs to the main window's Write command: with both, Qt finds the
// shortcut ambiguous and neither fires. The Close item takes Ctrl+F4 alone.
void Close_on_ctrl_f4_only(QMdiSubWindow* sub) {
  QMenu* menu = sub->systemMenu();
  if (!menu) return;
  const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
  const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
  for (QAction* a : menu->actions()) {
    const QList<QKeySequence> keys = a->shortcuts();
    if (keys.contains(ctrlW) || keys.contains(ctrlF4)) a->setShortcuts({ctrlF4});
  }
}

}  // namespace

void WindowHost::attach(WindowContext* ctx) {
  ctx_ = ctx;
  if (ctx_->main && ctx_->main->mdiArea()) {
    connect(ctx_->main->mdiArea(), &QMdiArea::subWindowActivated, this, &WindowHost::onSubWindowActivated);
    // Qt delivers a press into an inactive child before the area reports the
    // child as active; the host activates it ahead of the press instead.
    if (QCoreApplication* qapp = QCoreApplication::instance()) qapp->installEventFilter(this);
  }
}

RadioWindow* WindowHost::find(std::type_index type) const {
  auto it = loaded_.find(type);
  return it == loaded_.end() ? nullptr : it->second.data();
}

RadioWindow* WindowHost::load(std::type_index type, const std::function<RadioWindow*()>& unregistered) {
  if (RadioWindow* w = find(type)) return w;
  const WindowEntry* entry = registry_.find(type);
  const std::function<RadioWindow*()>& create = entry ? entry->create : unregistered;
  if (!create) {
    qWarning("WindowHost: %s is not in the window registry", type.name());
    return nullptr;
  }
  RadioWindow* w = create();
  adopt(type, w);
  runLoad(w);
  return find(type);  // the load handling may have unloaded the window again
}

void WindowHost::adopt(std::type_index type, RadioWindow* w) {
  std::erase_if(order_, [](const QPointer<RadioWindow>& p) { return p.isNull(); });
  loaded_[type] = w;
  order_.push_back(w);
  if (w->isMdiChild() && ctx_->main) {
    auto* sub = ctx_->main->mdiArea()->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    Close_on_ctrl_f4_only(sub);
  } else {
    QWidget* parent = ctx_->main ? ctx_->main->frameWidget() : nullptr;
    w->setParent(parent, Qt::Dialog);
  }
}

void WindowHost::runLoad(RadioWindow* w) {
  // The load handling, and the activation the show brings, are handlers of
  // the window: it stays until they have returned, also when they unload it.
  const HandlerScope loading(w);
  setFlag(std::type_index(typeid(*w)), -1);
  w->Apply_captions();
  w->Form_Load();
  if (w->unloading_) return;
  w->Name_controls();
  w->frame()->show();
  if (w->isMdiChild() && ctx_->main && !w->unloading_)
    ctx_->main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->frame()));
}

void WindowHost::setFlag(std::type_index type, std::int16_t value) {
  if (const WindowEntry* e = registry_.find(type); e && e->places.flag) *e->places.flag = value;
}

void WindowHost::unloadWindow(RadioWindow* w) {
  if (!w || w->unloading_) return;
  w->unloading_ = true;
  // The window is deleted once none of its handlers is on the stack: the
  // unload may run inside one of them, even inside a message box that one of
  // them waits in (its nested event loop runs timers, a screen reader's
  // presses). The unload handling below is the last when none waits.
  const HandlerScope unloading(w);
  std::type_index type = typeid(*w);
  for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
    if (it->second == w) {
      type = it->first;
      loaded_.erase(it);
      break;
    }
  }
  w->Form_Unload();
  setFlag(type, 0);
  if (active_ == w) active_ = nullptr;
  w->frame()->hide();
}

RadioWindow* WindowHost::reopen(const WindowEntry& e) {
  unload(e);
  return load(e);
}

bool WindowHost::isOpen(const WindowEntry& e) const {
  if (e.places.flag) return *e.places.flag == -1;
  return find(e) != nullptr;
}

void WindowHost::Reopen_open(int WindowPlaces::*order) {
  for (const WindowEntry* e : registry_.inOrder(order))
    if (isOpen(*e)) reopen(*e);
}

void WindowHost::Reopen_after_file_load() {
  for (const WindowEntry* e : registry_.inOrder(&WindowPlaces::fileLoad))
    if (e->places.fileLoadOpens || isOpen(*e)) reopen(*e);
}

void WindowHost::Unload_each(int WindowPlaces::*order) {
  for (const WindowEntry* e : registry_.inOrder(order)) unload(*e);
}

void WindowHost::Clear_loaded_flags() {
  for (const WindowEntry& e : registry_.entries())
    if (e.places.flag) *e.places.flag = 0;
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
  if (auto* sub = qobject_cast<QMdiSubWindow*>(f))
    ctx_->main->mdiArea()->setActiveSubWindow(sub);
  else
    f->activateWindow();
}

bool WindowHost::Command_begin() {
  // While an application-modal window (a message box) is open, the mouse
  // and the keys reach no menu, toolbar or shortcut: a command that arrives
  // all the same (a screen reader presses a menu item) does nothing either.
  if (QApplication::activeModalWidget()) return false;
  if (RadioWindow* w = active_.data(); w && !w->unloading_) {
    const HandlerScope leaving(w);
    w->Form_Deactivate();
  }
  return true;
}

void WindowHost::onSubWindowActivated(QMdiSubWindow* sub) {
  // Activation counts only when the active child changes: closing a message
  // box over the same child does not activate it again.
  const QPointer<RadioWindow> w = sub ? qobject_cast<RadioWindow*>(sub->widget()) : nullptr;
  if (w == active_) return;
  const QPointer<RadioWindow> left = active_;
  active_ = w;
  // The child arriving is held for the whole of it: Qt goes on with its
  // activation (and with a press that set it off) once this returns, so it
  // must not be deleted in a nested loop meanwhile.
  const HandlerScope arriving(w.data());
  // The child left behind commits first (its message box may run a nested
  // event loop, in which the new one may go), then the new one shows the image.
  if (left && !left->unloading_) {
    const HandlerScope leaving(left.data());
    left->Form_Deactivate();
  }
  if (w && !w->unloading_ && active_ == w) {
    const HandlerScope activating(w.data());
    w->Form_Activate();
  }
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

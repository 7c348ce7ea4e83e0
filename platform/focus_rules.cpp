#include "platform/focus_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QMdiSubWindow>
#include <QWidget>

FocusRules::FocusRules(QWidget* window, std::function<bool()> unloading)
    : QObject(window), window_(window), unloading_(std::move(unloading)) {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    connect(app, &QApplication::focusChanged, this, &FocusRules::onFocusChanged);
    // Qt tells the reason of a focus change only in the focus events, and a
    // press that moved the focus is delivered after the change: both are
    // seen here.
    app->installEventFilter(this);
  }
}

FocusRules::~FocusRules() = default;

bool FocusRules::inWindow(const QWidget* w) const {
  // isAncestorOf stops at window boundaries: a drop-down's popup, a message
  // box or another top-level window is not part of this window.
  return w && window_->isAncestorOf(w);
}

QWidget* FocusRules::controlOf(QWidget* w) const {
  // The part of a control that has the focus (a list's text field) counts as
  // the control.
  for (QWidget* p = w; p && p != window_; p = p->parentWidget())
    if (dynamic_cast<FocusEvents*>(p)) return p;
  return w;
}

void FocusRules::gotFocus(QWidget* control) {
  current_ = control;
  if (auto* c = dynamic_cast<FocusEvents*>(control)) c->Got_focus();
}

void FocusRules::onFocusChanged(QWidget* old, QWidget* now) {
  if (unloading_()) return;
  // Tab and Shift+Tab pass through an MDI child's frame on their way from
  // its last control to its first: a stop on the frame is no move, and the
  // move goes on from where it started.
  QWidget* frame = qobject_cast<QMdiSubWindow*>(window_->parentWidget());
  if (frame && now == frame && !moving_) {
    transit_ = inWindow(old) ? old : nullptr;
    return;
  }
  if (frame && old == frame) old = transit_;
  transit_ = nullptr;
  const bool oldIn = inWindow(old), nowIn = inWindow(now);
  if (!oldIn && !nowIn) return;
  if (moving_) {
    // Moves made while a lost-focus handler runs are not validated; the
    // handler's outcome is taken from where the focus is when it returns.
    if (!nowIn) leftWindow_ = true;
    return;
  }
  stopCancelling();
  if (!nowIn) return;  // to another window: the control keeps the window's focus
  QWidget* to = controlOf(now);
  if (!oldIn) {
    // Back from another window, a message box, a menu or a drop-down.
    if (to != current_) gotFocus(to);
    return;
  }
  QWidget* from = controlOf(old);
  if (from == to) {
    current_ = to;
    return;
  }
  if (!old->isVisible() || !old->isEnabled()) {
    // Qt moved the focus on because the control was hidden or disabled.
    current_ = to;
    return;
  }
  move(from, to, lastReason_ == Qt::MouseFocusReason);
}

void FocusRules::move(QWidget* from, QWidget* to, bool byMouse) {
  const QPointer<FocusRules> self(this);
  current_ = to;
  moving_ = true;
  leftWindow_ = false;
  if (auto* c = dynamic_cast<FocusEvents*>(from)) c->Lost_focus();
  if (!self) return;
  moving_ = false;
  if (unloading_()) return;
  QWidget* focus = window_->focusWidget();
  QWidget* now = inWindow(focus) ? controlOf(focus) : nullptr;
  if (now == from)
    current_ = from;  // given back: nobody got the focus
  else if (now)
    gotFocus(now);
  else
    current_ = nullptr;
  if (!byMouse || (now == to && !leftWindow_)) return;
  if (!actsAlways(to)) {
    cancelled_ = to;
  } else if (leftWindow_) {
    // A message box came up during the press: its release went to the box,
    // and the button would stay down. The press is dropped and the button
    // clicked once, when the press's handling is over.
    cancelled_ = to;
    QPointer<QAbstractButton> button = qobject_cast<QAbstractButton*>(to);
    QMetaObject::invokeMethod(
        button,
        [button] {
          if (button) button->click();
        },
        Qt::QueuedConnection);
  }
}

void FocusRules::stopCancelling() { cancelled_ = nullptr; }

void FocusRules::pressAlwaysActs(QAbstractButton* button) { alwaysActs_.emplace_back(button); }

bool FocusRules::actsAlways(const QWidget* control) const {
  for (const auto& b : alwaysActs_)
    if (b && b.data() == control) return true;
  return false;
}

bool FocusRules::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (watched->isWidgetType() && inWindow(static_cast<QWidget*>(watched)))
        lastReason_ = static_cast<QFocusEvent*>(event)->reason();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (cancelled_ && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const bool onTarget = w == cancelled_ || cancelled_->isAncestorOf(w);
        stopCancelling();
        return onTarget;
      }
      break;
    default: break;
  }
  return false;
}

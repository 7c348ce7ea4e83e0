#pragma once
// When a control of a window gets and loses the focus, as the program's
// handlers mean it: "the user left this box for another control of the same
// window". Qt reports every change of the keyboard focus; one FocusRules per
// window (owned by RadioWindow) decides which of them count:
//
// - Lost-focus runs for the control that had the focus when the focus moves
//   to another control of the same window (Tab, Shift+Tab, a click, a move by
//   code), after the move. Then got-focus runs for the control that has the
//   focus afterwards. A Tab that passes through the MDI frame (from the last
//   control to the first) is such a move.
// - Nothing runs when the focus goes to another window (another MDI child, a
//   dialog, a message box, the main window's menu or toolbar) or into the
//   control's own drop-down, nor when it comes back from there to the same
//   control. When it comes back from another window to a different control,
//   that control gets got-focus; the control left before gets no lost-focus.
// - Nothing runs when the focus moves because the focused control was hidden
//   or disabled, nor at all once the window is unloading.
// - Give-back: while a lost-focus handler runs, focus moves raise nothing. A
//   handler that rejects the value gives the focus back to its own control
//   (SetFocus(), before or after a message box); the control that had just
//   received the focus then gets neither got-focus nor lost-focus, so two
//   bad boxes cannot trade messages. A control that gets the focus back has
//   not "got the focus" anew.
// - The click that moved the focus reaches its control only when the focus is
//   still there after the lost-focus handler and no other window (a message
//   box) took the focus meanwhile: a rejected value cancels the button press
//   or tab click that tried to leave it. A button marked pressAlwaysActs()
//   is the exception: its press is never cancelled by a rejection, and when
//   a message box took the focus meanwhile (Qt then drops the press's
//   release) the button is clicked once the press's handling is over, so it
//   acts exactly once either way.
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAbstractButton;
class QWidget;

// The focus events of a control. A control class derives from it (after its
// Qt widget class); the window's FocusRules raise them.
class FocusEvents {
 public:
  virtual ~FocusEvents() = default;

  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;

 protected:
  friend class FocusRules;
  virtual void Got_focus() {
    if (onGotFocus) onGotFocus();
  }
  virtual void Lost_focus() {
    if (onLostFocus) onLostFocus();
  }
};

class FocusRules : public QObject {
  Q_OBJECT
 public:
  // `window` holds the controls; `unloading` says when its events are off.
  FocusRules(QWidget* window, std::function<bool()> unloading);
  ~FocusRules() override;

  // A press on `button` acts whatever the lost-focus handler it sets off does
  // (see above). For buttons whose action does not need the value left
  // behind, such as a window's Close.
  void pressAlwaysActs(QAbstractButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onFocusChanged(QWidget* old, QWidget* now);
  void move(QWidget* from, QWidget* to, bool byMouse);
  bool inWindow(const QWidget* w) const;
  QWidget* controlOf(QWidget* w) const;
  void gotFocus(QWidget* control);
  void stopCancelling();
  bool actsAlways(const QWidget* control) const;

  QWidget* window_;
  std::function<bool()> unloading_;
  QPointer<QWidget> current_;                          // the control that has the window's focus
  QPointer<QWidget> transit_;                          // the focus stopped on the MDI frame, coming from here
  bool moving_ = false;                                // a lost-focus handler runs
  bool leftWindow_ = false;                            // ...and the focus went to another window meanwhile
  QPointer<QWidget> cancelled_;                        // the press that moved the focus here is dropped
  Qt::FocusReason lastReason_ = Qt::OtherFocusReason;  // of the last focus change in the window
  std::vector<QPointer<QAbstractButton>> alwaysActs_;  // presses never cancelled
};

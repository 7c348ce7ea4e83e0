#pragma once
// Base of every window and dialog. A window is built by the window host,
// which then runs its load handling and shows it; unloading runs its unload
// handling and then hides it; it is deleted once none of its handlers is on
// the stack any more. Editors live in the main window's MDI area; dialogs are
// top-level windows over the main window.
//
// A window's controls are members whose objectName is the control's name
// (MSF_Chann, Command_read); its event handlers are methods named
// control_event (Command_read_Click). Its geometry is in twips, converted to
// pixels only in platform/core/twips.h.
#include "platform/core/handler_scope.h"
#include "platform/core/text.h"
#include "platform/core/twips.h"
#include "platform/text_fit.h"
#include "platform/window_context.h"

#include <QWidget>

#include <concepts>
#include <span>
#include <utility>
#include <vector>

class FocusRules;
class QAbstractButton;
class QCloseEvent;

class RadioWindow : public QWidget, public HandlerOwner {
  Q_OBJECT
 public:
  // Built with the platform's part of the program's context; each window
  // class keeps the program's whole context itself.
  explicit RadioWindow(WindowContext& wctx);
  ~RadioWindow() override;

  // Load handling: size and place, show data. The host has applied the
  // window's caption tables by then.
  virtual void Form_Load() {}
  // Unload handling: close the window's own port, stop its timers, clear its flag.
  virtual void Form_Unload() {}
  // The window became the active MDI child (editors only).
  virtual void Form_Activate() {}
  // The window stops being the one the user works in: another MDI child
  // becomes active, or a command of the main window is about to run while
  // this child is active (editors only). What the user typed and has not
  // committed yet is committed here, before anything else reads the image.
  virtual void Form_Deactivate() {}
  // A user's close (title-bar button): false keeps the window open.
  virtual bool Form_QueryUnload() { return true; }
  // Editors are MDI children of the main window; dialogs are not.
  virtual bool isMdiChild() const { return false; }

  // Geometry in twips. For MDI children the position is inside the main
  // window's client area; for dialogs it is relative to the main window.
  void setTwipsGeometry(double left, double top, double width, double height);
  void setTwipsSize(double width, double height);
  double TwipsWidth() const;
  double TwipsHeight() const;
  // The window's client area, in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;
  // Places the window centred in the main window's client area, `rise`
  // twips above the centre (small dialogs rise 500 twips).
  void centreInMain(double rise = 0);
  // Places a control of this window, in twips from the window's top left corner.
  void place(QWidget* control, double left, double top, double width, double height);
  void place(QWidget* control, const TwipsRect& r) { place(control, r.left, r.top, r.width, r.height); }
  // After FitTexts() over this window: widens the window by what the fit
  // moved past its right edge, keeping `margin` twips beside the controls,
  // and by no more than the fit added (what the design already puts beyond a
  // small window's edge stays cut off). True when the window was widened.
  bool widenFor(const FitResult& fit, double margin);
  // Makes a control of this window under its name, as a child of `parent`
  // (a frame of the window; by default the window itself).
  template <class W>
  W* Control(const QString& name, QWidget* parent = nullptr) {
    auto* w = new W(parent ? parent : this);
    w->setObjectName(name);
    return w;
  }
  template <class W>
  W* Control(const char* name, QWidget* parent = nullptr) {
    return Control<W>(QString::fromLatin1(name), parent);
  }
  // A press on this button acts exactly once even when the lost-focus
  // handler it sets off rejects a value or shows a message (focus_rules.h).
  void PressAlwaysActs(QAbstractButton* button);

  // The widget the host moves and shows: the MDI sub-window or this.
  QWidget* frame();

  // The one language test: true while the interface speaks Chinese.
  bool chinese() const { return wctx.chinese(); }
  // A message box in the current language, exclamation icon unless told otherwise.
  void MsgBox(const Message& m, PromptIcon icon = PromptIcon::Exclamation) const;

  // True from the start of the window's unload: its events are off. A
  // handler that waited in a message box checks it afterwards: the window
  // may have been unloaded meanwhile (it still exists until the handler has
  // returned, but its port is closed and its session ended), and the handler
  // then stops.
  bool Unloading() const { return unloading_; }
  // A handler of this window as an event (a control's, a button's clicked
  // signal, a timer's tick), dropped once the window is unloading, so that
  // no handler runs after the unload, and while the window shows its View
  // (ShowingView); while it runs the window is not deleted (HandlerScope):
  //   Text_BJ->onChange = On(&frm_dtmf::Text_BJ_Change);
  //   Text_BJ->onKeyPress = On(&frm_dtmf::Text_BJ_KeyPress);   // (int& key)
  //   connect(Command_close, &QPushButton::clicked, this, On(&frm_dtmf::Command_close_Click));
  // A member of a control array passes its index to the handler:
  //   Text1[i]->onChange = On(&frm_Adj_Txp::Text1_Change, i);  // (int index)
  // A step without arguments of its own: On([this] { Show_image(); }).
  template <class W, class... Args>
  auto On(void (W::*handler)(Args...)) {
    return [this, handler](Args... args) {
      if (Handlers_dropped()) return;
      const HandlerScope running(this);
      (static_cast<W*>(this)->*handler)(std::forward<Args>(args)...);
    };
  }
  template <class W, class... Args>
  auto On(void (W::*handler)(int, Args...), int index) {
    return [this, handler, index](Args... args) {
      if (Handlers_dropped()) return;
      const HandlerScope running(this);
      (static_cast<W*>(this)->*handler)(index, std::forward<Args>(args)...);
    };
  }
  template <std::invocable F>
  auto On(F step) {
    return [this, step = std::move(step)]() mutable {
      if (Handlers_dropped()) return;
      const HandlerScope running(this);
      step();
    };
  }

  // Held while the window sets its controls to what its rules computed (its
  // View): the events those controls raise are the window's own doing, and
  // no handler of On runs for them.
  class ShowingView {
   public:
    explicit ShowingView(RadioWindow& w) : w_(w) { ++w_.showingView_; }
    ~ShowingView() { --w_.showingView_; }
    ShowingView(const ShowingView&) = delete;
    ShowingView& operator=(const ShowingView&) = delete;

   private:
    RadioWindow& w_;
  };

  // HandlerOwner: the window's handlers on the stack. The window's delete,
  // once it is unloaded, waits for the last of them to return.
  bool Handlers_off() const override { return unloading_; }
  void Handler_begin() override { ++handlers_; }
  void Handler_end() override;

  // Caption tables, applied by object name on every load (a caption naming
  // the window itself is its title); see platform/captions.h.
  void Apply_captions();
  // Names for assistive technology, given by the host after the load.
  void Name_controls();

  // The platform's part of the context: services, host, main frame, language.
  WindowContext& wctx;

 protected:
  void closeEvent(QCloseEvent* e) override;
  // Adds a caption table (the window's constructor; tables are static).
  void Captions(std::span<const Caption> table) { captions_.push_back(table); }

 private:
  friend class WindowHost;
  bool Handlers_dropped() const { return unloading_ || showingView_ > 0; }
  bool unloading_ = false;
  int showingView_ = 0;  // ShowingView scopes held
  int handlers_ = 0;     // handlers of the window on the stack
  std::vector<std::span<const Caption>> captions_;
  // When the window's text boxes and lists get and lose the focus.
  FocusRules* focusRules_;
};

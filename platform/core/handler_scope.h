#pragma once
// Whose handler runs. A window is one owner: while any of its handlers is on
// the stack it is not deleted (a handler waiting in a message box runs a
// nested event loop, in which the window may be unloaded), and once it is
// unloading its events are dropped. Code below the windows that runs a
// window's handlers on its own events (the link session's port and timer
// events) enters them through a HandlerScope too.
//
// Every way into a window's handlers holds one: RadioWindow::On (controls'
// events, buttons' clicked, timers' ticks), the host's calls of Form_Load
// (with the show), Form_Unload, Form_Activate and Form_Deactivate, the close
// event with Form_QueryUnload, the link session's events (Window_link with
// the window as owner) and the image follower's redraws.
class HandlerOwner {
 public:
  // The owner is unloading: its events are dropped.
  virtual bool Handlers_off() const = 0;
  // One of the owner's handlers starts, and ends.
  virtual void Handler_begin() = 0;
  virtual void Handler_end() = 0;

 protected:
  ~HandlerOwner() = default;
};

// Held while a handler of `owner` runs (no owner: nothing to hold).
class HandlerScope {
 public:
  explicit HandlerScope(HandlerOwner* owner) : owner_(owner) {
    if (owner_) owner_->Handler_begin();
  }
  ~HandlerScope() {
    if (owner_) owner_->Handler_end();
  }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  HandlerOwner* owner_;
};

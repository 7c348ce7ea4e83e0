#pragma once
// One link session: what every window that talks to the radio (the main
// window's start-up identification, the port dialog, the read, write and
// password dialogs, the alignment editor) owns for it. The session makes the window's serial port
// and its sender, watchdog and failure timers, runs the exchange engine on
// them with the events wired, and applies the window's rules from its
// profile: a start refused while busy (with the busy message, or silently),
// Close or Cancel refused while busy (or allowed), and the exchange ended
// when the window unloads.
//
// The port's and timers' events run as handlers of the window that owns the
// session (its HandlerOwner): the window is not deleted while one of them
// waits in a message box (a read's completion, a failure report, the port
// error message), and once it unloads its events are dropped.
//
// It needs nothing but the platform's core interfaces, so tests build it on
// fake ports and the virtual clock. Nothing of one window's exchange is shared
// with another's; the Session holds only what every window shares (Comm_port,
// Port_err, Hand_code, the band limits and edges), and the one hand-over from a
// window to its exchange: the password dialog fills PassWord_old and
// PassWord_new, which the password change reads and clears.
#include "link/link_engine.h"
#include "link/status_panel.h"
#include "platform/core/handler_scope.h"
#include "platform/core/serial_port.h"
#include "platform/core/timer.h"

#include <memory>

class LinkSession {
 public:
  // `owner`: the window whose handlers the events are (null: nobody's).
  LinkSession(SerialPortFactory& ports, TimerFactory& timers, LinkEngine::Env env, LinkProfile profile,
              HandlerOwner* owner = nullptr);
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  // Starts an exchange of `kind`. While an exchange runs (or its failure
  // report is pending) nothing starts; the profile says whether the refusal
  // shows "Read-write operating with transceiver .". After End() nothing
  // starts, without a word (LinkStart::Ended).
  LinkStart Start(LinkExchangeKind& kind);
  // The same refusal on its own, for a window that prepares something before
  // it starts: true (and the message shown, by the profile) while busy; true
  // without a message after End().
  bool Refused_while_busy();
  // Whether the window may close now. While busy, when the profile refuses
  // it, its close message ("Read-write operating，don't close the window. ,")
  // is shown and the answer is no. When it may close, the port is closed.
  // After End() the window is closing already: no.
  bool Close_request();
  // The window unloads: the exchange ends at once and for good (timers
  // stopped, port closed, busy flags cleared; nothing starts any more).
  void End();
  bool Ended() const { return engine_->Ended(); }

  bool Busy() const { return engine_->Busy(); }
  // Opens the port with the profile's message; true on success.
  bool Port_open() { return engine_->Port_open(); }
  void Close_port() { engine_->Close_port(); }
  // Writes a status panel of the main window (when there is one).
  void Panel(StatusPanel panel, const QString& text) { engine_->Panel(panel, text); }

  LinkEngine& engine() { return *engine_; }
  const LinkEngine& engine() const { return *engine_; }
  SerialPort& port() { return *port_; }
  Timer& sender() { return *sender_; }
  Timer& watchdog() { return *watchdog_; }
  Timer& failureTimer() { return *failure_; }

 private:
  // Runs one of the port's or timers' events as a handler of the owner.
  template <class Step>
  void Event(Step&& step) {
    if (owner_ && owner_->Handlers_off()) return;
    const HandlerScope running(owner_);
    step();
  }

  HandlerOwner* owner_;
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<Timer> sender_, watchdog_, failure_;
  std::unique_ptr<LinkEngine> engine_;  // last: it goes before the port and timers it runs on
};

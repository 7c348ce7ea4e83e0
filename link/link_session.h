#pragma once
// One link session: what every window that talks to the radio (the main
// window's start-up identification, the port dialog, the read, write and
// password dialogs) owns for it. The session makes the window's serial port
// and its sender, watchdog and failure timers, runs the exchange engine on
// them with the events wired, and applies the window's rules from its
// profile: a start refused while busy (with the busy message, or silently),
// Close or Cancel refused while busy (or allowed), and the exchange ended
// when the window unloads.
//
// It needs nothing but the platform's core interfaces, so tests build it on
// fake ports and the virtual clock.
#include "link/link_engine.h"
#include "link/status_panel.h"
#include "platform/core/serial_port.h"
#include "platform/core/timer.h"

#include <memory>

class LinkSession {
 public:
  LinkSession(SerialPortFactory& ports, TimerFactory& timers, LinkEngine::Env env, LinkProfile profile);
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  // Starts an exchange of `kind`. While an exchange runs (or its failure
  // report is pending) nothing starts; the profile says whether the refusal
  // shows "Read-write operating with transceiver .".
  LinkStart Start(LinkExchangeKind& kind);
  // The same refusal on its own, for a window that prepares something before
  // it starts: true (and the message shown, by the profile) while busy.
  bool Refused_while_busy();
  // Whether the window may close now. While busy, when the profile refuses
  // it, its close message ("Read-write operating，don't close the window. ,")
  // is shown and the answer is no. When it may close, the port is closed.
  bool Close_request();
  // The window unloads: the exchange ends at once (timers stopped, port
  // closed, busy flags cleared).
  void End();

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
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<Timer> sender_, watchdog_, failure_;
  std::unique_ptr<LinkEngine> engine_;  // last: it goes before the port and timers it runs on
};

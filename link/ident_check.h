#pragma once
// The identification exchange: the handshake cut short after the radio's
// identification frame. It asks the attached radio for its bands and makes
// them the editors' limits. The main window runs it once at start-up; the port
// dialog runs it each time the user confirms a port.
#include "link/link_engine.h"

#include <functional>

class IdentCheck : public LinkExchangeKind {
 public:
  enum class Where {
    MainWindow,  // success and failure reported in status panel 2
    PortDialog,  // failure text at the watchdog; the dialog closes 50 ms after a
                 // success and at the failure tick after a failure
  };
  // `closeDialog` unloads the port dialog (PortDialog only).
  explicit IdentCheck(Where where, std::function<void()> closeDialog = {})
      : where_(where), closeDialog_(std::move(closeDialog)) {}

  // The frame is decoded; the port closes and the timers stop in the same
  // event, so the 0x06 the handshake queued is never sent.
  void identAccepted(LinkEngine& e) override;
  void watchdog(LinkEngine& e) override;
  void failureTick(LinkEngine& e) override;

  static constexpr int kDialogCloseMs = 50;

 private:
  Where where_;
  std::function<void()> closeDialog_;
};

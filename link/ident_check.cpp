#include "link/ident_check.h"

#include "link/link_texts.h"

void IdentCheck::identAccepted(LinkEngine& e) {
  e.Panel(StatusPanel::LinkState, link_panel::Connected);
  e.Close_port();
  if (where_ == Where::MainWindow) {
    e.Stop_timers();
    return;
  }
  e.Stop_sender();
  e.Stop_watchdog();
  e.Arm_failure(kDialogCloseMs);
}

void IdentCheck::watchdog(LinkEngine& e) {
  if (where_ == Where::PortDialog) e.Panel(StatusPanel::LinkState, link_panel::Fault);
}

void IdentCheck::failureTick(LinkEngine& e) {
  if (where_ == Where::MainWindow) {
    e.Panel(StatusPanel::LinkState, link_panel::Fault);
    return;
  }
  if (closeDialog_) closeDialog_();
}

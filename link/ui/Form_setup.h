#pragma once
// The port dialog: pick the serial port (COM 1..COM 16), confirm, and the
// dialog tests the port by identifying the radio on it; the result shows in
// the main window's status bar and the dialog closes.
#include "link/ident_check.h"
#include "link/link_session.h"
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;

class Form_setup : public RadioWindow {
  Q_OBJECT
 public:
  explicit Form_setup(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;
  ~Form_setup() override;

  void Form_Load() override;
  void Form_Unload() override;

  // Confirm: take the chosen port, open it and identify the radio.
  void Form_setup_Command_ok_Click();
  // Cancel: close the dialog, also while its identification runs.
  void Form_setup_Command1_Click();
  // The dialog's identification (the port is already open).
  void Ident_start();

  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 16> Option_Port{};  // option i stands for port i + 1
  QPushButton* Command_ok = nullptr;
  QPushButton* Command1 = nullptr;
  std::unique_ptr<LinkSession> link;  // its port, sender, watchdog and failure timer

  LinkEngine& engine() { return link->engine(); }

 private:
  IdentCheck ident_;
};

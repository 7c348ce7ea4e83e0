#pragma once
// Opening a window's serial port on `Comm_port`, 9600 8N1, raw bytes.
#include "platform/core/prompt.h"
#include "platform/core/serial_port.h"
#include "state/session.h"

// Sets Port_err to 0, opens the port and sets Port_err to -1 when that fails.
// Shows nothing (the main window's open, also used by the start-up scan).
void Port_open(SerialPort& MSC, Session& st);

// Which message a failed open shows.
enum class PortOpenMessage {
  None,       // the main window: nothing
  Dialog,     // the dialogs: "Communication port is error, ..."
  Alignment,  // the alignment editor: "Communication Port Open Error ！"
};

// As above; a failed open shows the chosen message (exclamation icon, in the
// current language) before Port_err becomes -1.
void Port_open(SerialPort& MSC, Session& st, Prompt* prompt, PortOpenMessage message);

#pragma once
// Opening a window's serial port on `Comm_port`, 9600 8N1, raw bytes.
#include "app/shared_state.h"
#include "platform/core/serial_port.h"

// Sets Port_err to 0, opens the port and sets Port_err to -1 when that fails.
// Shows nothing: the dialogs show the port error message themselves.
void Port_open(SerialPort& MSC, SharedState& st);

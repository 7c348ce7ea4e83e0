#pragma once
// What the program takes from its surroundings: message boxes, serial ports,
// timers, the clock and the screen. The application builds the production
// set; tests build their own so nothing real is touched.
#include "platform/core/clock.h"
#include "platform/core/prompt.h"
#include "platform/core/serial_port.h"
#include "platform/core/system_info.h"
#include "platform/core/timer.h"

#include <functional>

struct ScreenInfo {
  int widthPx = 1024;
  int heightPx = 768;
  int dpi = 96;  // logical dots per inch
};

struct Services {
  Prompt* prompt = nullptr;
  SerialPortFactory* ports = nullptr;
  TimerFactory* timers = nullptr;
  Clock clock = SystemNow;
  std::function<ScreenInfo()> screen = [] { return ScreenInfo{}; };
  // The About box's system information program; none when null.
  SystemInfoTool* sysinfo = nullptr;
};

#pragma once
// A dialog that talks to the radio makes its serial port `MSC`, its sender,
// watchdog and failure timers and its exchange engine here; the engine
// writes the main window's status panels.
#include "link/link_engine.h"
#include "state/app_context.h"

#include <memory>

std::unique_ptr<LinkEngine> Window_engine(AppContext& ctx, const LinkProfile& profile,
                                          std::unique_ptr<SerialPort>& MSC, std::unique_ptr<Timer>& Timer1,
                                          std::unique_ptr<Timer>& Timer2, std::unique_ptr<Timer>& Timer3);

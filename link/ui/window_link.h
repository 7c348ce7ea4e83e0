#pragma once
// A window that talks to the radio makes its link session here: its port and
// timers from the program's services, the prompt for its messages, and the
// main window's status panels as the panels it writes. The session's events
// are handlers of `owner` (the window; null for the main window, which is
// never unloaded under its own handlers).
#include "link/link_session.h"
#include "state/ui/app_context.h"

#include <memory>

std::unique_ptr<LinkSession> Window_link(AppContext& ctx, const LinkProfile& profile, HandlerOwner* owner);

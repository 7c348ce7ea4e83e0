#pragma once
// A window that talks to the radio makes its link session here: its port and
// timers from the program's services, the prompt for its messages, and the
// main window's status panels as the panels it writes. The session's events
// are handlers of `owner` (the window; null for the main window, which is
// never unloaded under its own handlers).
//
//   link = Window_link(ctx, link_profiles::kReadAll, this);
//   void Form_X::Command_read_Click() { link->Start(kind); }  // refused while busy
//   void Form_X::Command_Cancel_Click() { if (link->Close_request()) ctx.host.unloadWindow(this); }
//   void Form_X::Form_Unload() { link->End(); }
#include "link/link_session.h"
#include "state/ui/app_context.h"

#include <memory>

std::unique_ptr<LinkSession> Window_link(AppContext& ctx, const LinkProfile& profile, HandlerOwner* owner);

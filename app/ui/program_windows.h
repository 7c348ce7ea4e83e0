#pragma once
// The program's window registry: every window class with its historic name,
// its window-loaded flag and its places in the program's fixed orders. Each
// window is built with the program's context `ctx`.
#include "platform/window_registry.h"
#include "state/ui/app_context.h"

WindowRegistry Program_windows(AppContext& ctx);

#pragma once
// The program's window registry: every window class with its historic name,
// its window-loaded flag and its places in the program's fixed orders.
#include "state/session.h"
#include "platform/window_registry.h"

WindowRegistry Program_windows(Session& st);

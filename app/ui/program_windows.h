#pragma once
// The program's window registry: every window class with its historic name,
// its window-loaded flag and its places in the program's fixed orders.
#include "platform/window_registry.h"
#include "state/session.h"

WindowRegistry Program_windows(Session& st);

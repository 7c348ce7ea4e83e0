#pragma once
// What every window of the program is built with: the platform's part
// (services, window host, main frame) and the program's shared state, the
// session as ctx.st and the parameter image's owner as ctx.image. It belongs
// to the windows' layer: only windows (the ui/ folders) include it; the
// platform layer knows the WindowContext part alone.
#include "platform/window_context.h"
#include "state/image_store.h"
#include "state/session.h"

struct AppContext : WindowContext {
  Session& st;
  ImageStore& image;
};

#pragma once
// What every window is built with: the platform's part (services, window
// host, main frame) and the program's shared state, the session as ctx.st and
// the parameter image's owner as ctx.image.
#include "platform/window_context.h"
#include "state/image_store.h"
#include "state/session.h"

struct AppContext : WindowContext {
  Session& st;
  ImageStore& image;
};

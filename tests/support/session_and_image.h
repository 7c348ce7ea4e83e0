#pragma once
// A session and an image side by side, for core tests of routines that take
// one or both of them.
#include "state/image.h"
#include "state/session.h"

struct SessionAndImage : Session {
  img::Image Image;
};

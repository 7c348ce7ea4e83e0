#pragma once
// The factory part of the start-up, after the identification has been
// started: alignment band choice and defaults, the image fill and the
// factory contents of the image.
#include "platform/core/clock.h"

#include "state/image.h"

struct Session;

// In this order: Band220Selected := 0; AdjDefaults filled and its rows 0..15,
// columns 0..15 copied into AdjTable; image rows 0..495 := 0xFF; option block
// with VFOs and FM labels, DTMF block, service channels, weather channels.
// The option positions need no setting up before this (they are constants).
void Factory_startup(Session& s, img::Image& im, const Clock& clock);

#pragma once
// Captions of the options window frm_option in both languages, by the
// controls' object names. The window applies one language column when it
// loads; a control keeps its caption until the window is loaded again.
#include "platform/core/text.h"

#include <span>

// The window's title ("frm_option"), its two buttons and the general,
// work-mode, channel-mode and functions settings.
std::span<const Caption> Opt_captions_general();
// The backlight frame (Frame_band, untitled in both languages) and the alarm
// frame; "DB_PTT" reads the same in both languages.
std::span<const Caption> Opt_captions_band();
// The two VFO frames: Frame_A and its rows, then Frame_B and its rows.
std::span<const Caption> Opt_captions_vfo();

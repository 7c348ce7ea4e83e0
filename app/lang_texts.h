#pragma once
// The About box's texts in the current language.
#include "app/shared_state.h"
#include "state/text.h"

// Sets About_title, About_version, About_desc, About_warning, About_ok and
// About_sysinfo for the language that Lang_chn names (-1 Chinese, 0 English).
void Lang_texts_init(SharedState& st);

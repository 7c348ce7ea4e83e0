#pragma once
// The About box's texts, {English, Chinese}.
#include "platform/core/text.h"

struct AboutTexts {
  Text title, version, desc, warning, ok, sysinfo;
};

extern const AboutTexts kAboutTexts;

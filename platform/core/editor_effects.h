#pragma once
// What an editor's rule returns besides its edits and what the controls show:
// the messages to show, in the order they were raised, and the control that
// takes the focus. The rules run in the core, without a window, and finish
// every nested step before the window shows a message box (whose event loop
// lets other events in); the window then applies these.
#include "platform/core/prompt.h"
#include "platform/core/text.h"

#include <optional>
#include <string_view>
#include <vector>

namespace editor {

// A message box to show.
struct Notice {
  Message message;
  PromptIcon icon = PromptIcon::Exclamation;
};

// A control by its object name; `member` is its index in a control array
// (-1: not an array member).
struct Control {
  const char* name;
  int member = -1;
  bool operator==(const Control& o) const { return std::string_view(name) == o.name && member == o.member; }
};

struct Effects {
  std::vector<Notice> notices;   // in the order they were raised
  std::optional<Control> focus;  // the last focus request
};

}  // namespace editor

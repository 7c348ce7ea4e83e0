#pragma once
// A prompt that records every message box and returns at once.
#include "platform/core/prompt.h"

#include <QString>
#include <functional>
#include <vector>

struct PromptCall {
  QString text, title;
  PromptIcon icon;
};

class RecordingPrompt : public Prompt {
 public:
  void MsgBox(const QString& text, const QString& title, PromptIcon icon) override {
    calls.push_back({text, title, icon});
    if (onShow) onShow(calls.back());
  }
  std::vector<PromptCall> calls;
  // Runs while the "message box" is open (a test can act as the user would).
  std::function<void(const PromptCall&)> onShow;
};

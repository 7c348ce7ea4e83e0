#pragma once
// Every modal message box of the program goes through this interface.
// Production shows a QMessageBox; tests record the call and return at once.
#include <QString>

enum class PromptIcon { None, Exclamation, Information, Critical, Question };

class Prompt {
 public:
  virtual ~Prompt() = default;
  // Shows `text` with `title` (empty: the program's default title) and an OK button.
  virtual void MsgBox(const QString& text, const QString& title, PromptIcon icon) = 0;
};

#pragma once
// A one-line text box with the events the program's handlers are written for:
// - the change event runs on every real change of the text, typed or set by
//   code (setText), at once and nested in the setter; setting the text it
//   already has runs nothing, and a design text from a caption table is no
//   change;
// - character keys go through the key handler first (see key_press.h); Enter
//   reaches the handler only: the box itself does nothing with it; with a
//   key handler, pasted, dropped and input-method text, and text that
//   assistive technology puts in, is typed in through it one character at
//   a time (TypedField);
// - got-focus and lost-focus follow the window's focus rules (focus_rules.h);
// - ChangedByUser() says whether the user has changed the text (typing,
//   Delete, cut, paste, undo) since the box last got the focus; a give-back
//   does not count as getting the focus, text set by code not as a change.
#include "platform/focus_rules.h"
#include "platform/key_press.h"

#include <functional>

class TextBox : public TypedField, public FocusEvents {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  // Gives this box the focus (a handler's give-back).
  void SetFocus() { setFocus(Qt::OtherFocusReason); }
  bool ChangedByUser() const { return changedByUser_; }
  // The text is no longer the user's (the window showed other data in it):
  // ChangedByUser() is false until the user changes it again.
  void ForgetUserChange() { changedByUser_ = false; }
  // A text that is not a change: the design text of a caption table.
  void putText(const QString& text);

  std::function<void()> onChange;
  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void Got_focus() override;

 private:
  bool quiet_ = false;
  bool changedByUser_ = false;
};

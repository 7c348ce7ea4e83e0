#pragma once
// Character keys as the program's key handlers see them: each key that types
// one character is handed to the handler as its character code, which the
// handler may leave, replace, or set to 0 to drop the key. The characters are
// what the text field would insert (printable ones, whatever modifiers Qt
// lets through: Alt+5 types "5") and Backspace (8), Enter (13) and Esc (27).
// Keys without a character (arrows, function keys, Delete, other control
// keys) and commands held with Ctrl (Ctrl+C) do not reach the handler: they
// go on to the control as they are.
//
// Text that arrives any other way (Ctrl+V and the other paste keys, the
// context menu's Paste, the middle button's paste of the X selection, a drop,
// an input method's committed text, a key whose text is several characters)
// takes the same way in: each character, in order, goes through the handler
// as if it were typed at the cursor into the text as it then stands, and only
// what the handler keeps (with its replacement) is inserted. Characters no
// key types into a one-line box (line breaks, tabs, other control characters)
// are dropped. A field without a key handler keeps Qt's own paste and drop.
//
// Assistive technology (a screen reader, a dictation tool) edits a field
// through its accessibility interface (typed_field_access.h): with a key
// handler, its inserts and replacements take a paste's way in and its
// deletions the Delete key's; without one, Qt's own edit of the whole text.
#include <QClipboard>
#include <QLineEdit>

#include <functional>

class QKeyEvent;

using KeyPressHandler = std::function<void(int& key)>;

// The text field of a control with a key handler (a TextBox, the field of a
// ComboList): text that arrives by paste, drop or input method is typed in
// through the handler, one character at a time.
class TypedField : public QLineEdit {
  Q_OBJECT
 public:
  explicit TypedField(QWidget* parent = nullptr);

  // The handler typed-in text goes through (may be empty: Qt's own paste and
  // drop), and the control that must keep the keyboard focus while it is
  // typed in (this field, or the list it is the field of).
  void setTypedBy(const KeyPressHandler* handler, QWidget* owner);
  // Types `text` in at the cursor, replacing the selection with its first
  // character, as if each character were typed in order. Stops when the
  // control no longer takes typing: it was hidden, disabled, made read-only
  // or deleted, or another control took the focus (a handler's message).
  // Of a text longer than 1000 characters the first 1000 are typed in.
  void TypeIn(const QString& text);
  // An edit by assistive technology: the characters from `start` up to
  // `end` are replaced by `text` (offsets beyond the text are its ends). A
  // read-only field takes none of it. With a key handler the control takes
  // the focus first, as for a drop (the control left may keep it); then the
  // range is selected and the text typed in over it (TypeIn), and an empty
  // text deletes the range as the Delete key does. Without a handler the
  // whole text is set at once, as Qt's own line edit does it.
  void AssistedEdit(int start, int end, const QString& text);
  // Where the character at `offset` is drawn, in screen coordinates; empty
  // past the text and where the text is not shown as it is (passwords).
  QRect CharacterRect(int offset) const;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  bool filtered() const { return handler_ && *handler_; }
  bool takesTyping() const;
  // Gives the control the focus unless it has it; whether it then takes
  // typing. False also when the control was deleted meanwhile (a handler's
  // message box ran its event loop): the caller must not touch it then.
  bool focusForTyping();
  void pasteFrom(QClipboard::Mode mode);

  const KeyPressHandler* handler_ = nullptr;
  QWidget* owner_ = this;
};

// Runs the key of `e` through `handler` and then hands the event on to
// `forward`: the event itself, or a copy that carries the replacement
// character. A dropped key is accepted and not handed on; a key whose text is
// several characters is typed into `field` (TypedField::TypeIn).
void RouteKeyPress(QKeyEvent* e, const KeyPressHandler& handler, TypedField* field,
                   const std::function<void(QKeyEvent*)>& forward);

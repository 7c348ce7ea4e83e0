#pragma once
// A drop-down list with an editable text field, with the behaviour the
// program's windows are written for (a QComboBox does several of these
// things differently). Common to both modes:
// - AddItem() and AddItems() change neither the text nor the list position
//   and raise nothing; AddItems() fills many items in one step;
// - the user's choice from the list (or by the arrow keys) raises the click
//   event, also for the item already chosen; the field shows the item;
// - character keys go through the key handler first, which may drop or
//   replace them (see key_press.h); Enter reaches the handler only; pasted
//   text, and text that assistive technology puts in, goes through the
//   handler the same way (see key_press.h), and the field takes no drops;
// - typed text never chooses or adds an item (no completer, no inserting, no
//   matching on Enter or when the focus leaves), and the mouse wheel does
//   not change a closed list;
// - lost-focus follows the window's focus rules (focus_rules.h).
//
// Mode GridEditor (the default; the channel grid's cell editor):
// - Clear() empties the list and the text field, raising the change event
//   when there was text;
// - setText() raises the change event when the text changes; so does typing;
//   the list position stays;
// - setListIndex() puts the item's text into the field and raises the click
//   event, also for the item already chosen;
// - the got-focus event is raised whenever the box takes the focus, except
//   when its own drop-down part gives it back.
//
// Mode Setting (the lists of the options, DTMF and alignment windows):
// - setListIndex(i) shows item i; it raises the click event only when the
//   position changes, nested in the call (a handler may set the same list
//   again: to the position it holds, that raises nothing);
// - setListIndex(-1), or a position past the list, shows no item and an
//   empty field and raises nothing (what an unprogrammed 0xFF shows is the
//   caller's choice);
// - text put into the field by setText() or typed leaves no item chosen and
//   raises the change event (on a real change), never the click event;
// - Clear() raises nothing: filling a list runs no handler;
// - got-focus follows the window's focus rules;
// - while no item is chosen (typed text, a text put there, nothing), Up and
//   Down (and Page Up and Page Down) go on from the item the field names
//   (its text without the spaces around it), else from the item the list
//   last showed by setListIndex() or setText() or the user last chose; never
//   from before the first item, so a number typed into the squelch list and
//   then Down never chooses item 0 (typed 8, Down: 9). With neither, Qt's
//   own move chooses.
//
// setFieldReadOnly(true), for a list whose key handler drops every key:
// nothing the user types, deletes, cuts or pastes changes the field; the
// list is still chosen from with the mouse and the arrow keys. An item
// longer than the field shows its beginning.
#include "platform/focus_rules.h"
#include "platform/key_press.h"

#include <QComboBox>

#include <functional>

class ComboList : public QComboBox, public FocusEvents {
  Q_OBJECT
 public:
  enum class Mode { GridEditor, Setting };

  explicit ComboList(QWidget* parent = nullptr);

  void setMode(Mode mode) { mode_ = mode; }
  Mode mode() const { return mode_; }
  void setFieldReadOnly(bool readOnly);
  bool fieldReadOnly() const;

  void Clear();
  void AddItem(const QString& item);
  void AddItems(const QStringList& items);
  int ListCount() const { return count(); }
  QString List(int i) const { return itemText(i); }
  // -1: no item chosen.
  int ListIndex() const { return currentIndex(); }
  // GridEditor: i in 0..ListCount()-1 chooses item i and raises the click
  // event; -1 clears the choice and the text; other values are ignored.
  // Setting: see above.
  void setListIndex(int i);
  QString Text() const;
  void setText(const QString& text);
  // Puts the list's position on item i (-1: none) without any event and
  // without changing the text field: the drop-down part opens there and the
  // arrow keys go on from it. Other values are ignored.
  void PositionOn(int i);
  // Gives this list the focus (a handler's give-back).
  void SetFocus() { setFocus(Qt::OtherFocusReason); }

  std::function<void()> onClick;
  std::function<void()> onChange;
  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void Got_focus() override;

 private:
  void fire(const std::function<void()>& event) {
    if (event) event();
  }
  void putText(const QString& text);
  void setIndexQuietly(int i);
  void showStartIfReadOnly();
  void setSettingIndex(int i);
  void setSettingText(const QString& text);
  void typedIntoSetting();
  int ItemNamed(const QString& text) const;
  bool stepWithoutItem(QKeyEvent* e);

  Mode mode_ = Mode::GridEditor;
  TypedField* field_ = nullptr;
  // The item last shown by code or chosen by the user (-1: none).
  int settled_ = -1;
};

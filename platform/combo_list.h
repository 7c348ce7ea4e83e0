#pragma once
// A drop-down list with an editable text field, with the behaviour the
// program's windows are written for (a QComboBox does several of these
// things differently):
// - Clear() empties the list and the text field;
// - AddItem() changes neither the text nor the list position;
// - setText() raises the change event when the text changes; so does typing;
// - setListIndex() puts the item's text into the field and raises the click
//   event, as the user's choice from the list (or by the arrow keys) does;
// - character keys go through the key handler first, which may drop or
//   replace them (see key_press.h); Enter reaches the handler only;
// - typed text never chooses or adds an item (no completer, no inserting, no
//   matching on Enter or when the focus leaves), and the mouse wheel does
//   not change a closed list;
// - the got-focus event is raised when the box takes the focus, but not when
//   its own drop-down part gives it back.
#include "platform/key_press.h"

#include <QComboBox>

#include <functional>

class ComboList : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboList(QWidget* parent = nullptr);

  void Clear();
  void AddItem(const QString& item);
  int ListCount() const { return count(); }
  QString List(int i) const { return itemText(i); }
  // -1: no item chosen.
  int ListIndex() const { return currentIndex(); }
  // i in 0..ListCount()-1 chooses item i and raises the click event; -1
  // clears the choice and the text; other values are ignored.
  void setListIndex(int i);
  QString Text() const;
  void setText(const QString& text);
  // Puts the list's position on item i (-1: none) without any event and
  // without changing the text field: the drop-down part opens there and the
  // arrow keys go on from it. Other values are ignored.
  void PositionOn(int i);

  std::function<void()> onClick;
  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  void fire(const std::function<void()>& event) {
    if (event) event();
  }
  void putText(const QString& text);
};

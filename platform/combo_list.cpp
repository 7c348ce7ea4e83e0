#include "platform/combo_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

ComboList::ComboList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // Qt chooses the item that matches the typed text when the field loses the
  // focus; here only the user's choice or setListIndex() chooses.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  lineEdit()->setDragEnabled(false);
  lineEdit()->setAcceptDrops(false);
  // Input methods would bypass the key handler.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { fire(onChange); });
  connect(this, &QComboBox::activated, this, [this] { fire(onClick); });
}

void ComboList::putText(const QString& text) {
  const QSignalBlocker quiet(this);
  lineEdit()->setText(text);
}

QString ComboList::Text() const { return lineEdit()->text(); }

void ComboList::setText(const QString& text) {
  if (text == Text()) return;
  putText(text);
  fire(onChange);
}

void ComboList::Clear() {
  const bool hadText = !Text().isEmpty();
  {
    const QSignalBlocker quiet(this);
    clear();
    lineEdit()->clear();
  }
  if (hadText) fire(onChange);
}

void ComboList::AddItem(const QString& item) {
  const QString text = Text();
  const int index = currentIndex();
  const QSignalBlocker quiet(this);
  addItem(item);
  // Qt makes the first item of an empty list current and copies it into the field.
  if (currentIndex() != index) setCurrentIndex(index);
  lineEdit()->setText(text);
}

void ComboList::setListIndex(int i) {
  if (i < -1 || i >= count()) return;
  const QString before = Text();
  {
    const QSignalBlocker quiet(this);
    setCurrentIndex(i);
    lineEdit()->setText(i >= 0 ? itemText(i) : QString());
  }
  if (i >= 0) fire(onClick);
  else if (!before.isEmpty()) fire(onChange);
}

void ComboList::PositionOn(int i) {
  if (i < -1 || i >= count()) return;
  const QString text = Text();
  const QSignalBlocker quiet(this);
  setCurrentIndex(i);
  lineEdit()->setText(text);
}

void ComboList::keyPressEvent(QKeyEvent* e) {
  RouteKeyPress(e, onKeyPress, [this](QKeyEvent* k) {
    // Enter is the handler's alone: Qt would choose a matching item with it.
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) k->accept();
    else QComboBox::keyPressEvent(k);
  });
}

void ComboList::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  if (e->reason() != Qt::PopupFocusReason) fire(onGotFocus);
}

void ComboList::wheelEvent(QWheelEvent* e) { e->ignore(); }

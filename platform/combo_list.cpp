#include "platform/combo_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

ComboList::ComboList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // The field types pasted text in through the key handler.
  field_ = new TypedField(this);
  field_->setPalette(palette());
  setLineEdit(field_);
  field_->setTypedBy(&onKeyPress, this);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // Qt chooses the item that matches the typed text when the field loses the
  // focus; here only the user's choice or setListIndex() chooses.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  lineEdit()->setDragEnabled(false);
  lineEdit()->setAcceptDrops(false);
  // A list's field takes single characters (tone values, squelch digits):
  // no input method composes into it. (What one commits would go through the
  // key handler all the same, as in a TextBox.)
  setAttribute(Qt::WA_InputMethodEnabled, false);
  lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
    if (mode_ == Mode::Setting) typedIntoSetting();
    fire(onChange);
  });
  connect(this, &QComboBox::activated, this, [this] {
    settled_ = currentIndex();
    fire(onClick);
  });
  // Qt has put the chosen item into the field by now.
  connect(this, &QComboBox::currentIndexChanged, this, [this] { showStartIfReadOnly(); });
}

void ComboList::showStartIfReadOnly() {
  // Nobody types into a read-only field: an item longer than the field shows
  // its beginning, not its end.
  if (lineEdit()->isReadOnly()) lineEdit()->setCursorPosition(0);
}

void ComboList::putText(const QString& text) {
  const QSignalBlocker quiet(this);
  lineEdit()->setText(text);
}

QString ComboList::Text() const { return lineEdit()->text(); }

void ComboList::setText(const QString& text) {
  if (mode_ == Mode::Setting) return setSettingText(text);
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
  settled_ = -1;
  if (hadText && mode_ == Mode::GridEditor) fire(onChange);
}

void ComboList::AddItem(const QString& item) { AddItems({item}); }

void ComboList::AddItems(const QStringList& items) {
  const QString text = Text();
  const int index = currentIndex();
  const QSignalBlocker quiet(this);
  // One insertion into the model, one signal of its own, whatever the count.
  addItems(items);
  // Qt makes the first item of an empty list current and copies it into the field.
  if (currentIndex() != index) setCurrentIndex(index);
  lineEdit()->setText(text);
  showStartIfReadOnly();
}

void ComboList::setIndexQuietly(int i) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(i);
  lineEdit()->setText(i >= 0 ? itemText(i) : QString());
  showStartIfReadOnly();
}

void ComboList::setListIndex(int i) {
  if (mode_ == Mode::Setting) return setSettingIndex(i);
  if (i < -1 || i >= count()) return;
  const QString before = Text();
  setIndexQuietly(i);
  if (i >= 0)
    fire(onClick);
  else if (!before.isEmpty())
    fire(onChange);
}

void ComboList::PositionOn(int i) {
  if (i < -1 || i >= count()) return;
  const QString text = Text();
  const QSignalBlocker quiet(this);
  setCurrentIndex(i);
  lineEdit()->setText(text);
}

void ComboList::keyPressEvent(QKeyEvent* e) {
  if (mode_ == Mode::Setting && stepWithoutItem(e)) return;
  RouteKeyPress(e, onKeyPress, field_, [this](QKeyEvent* k) {
    // Enter is the handler's alone: Qt would choose a matching item with it.
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
      k->accept();
    else
      QComboBox::keyPressEvent(k);
  });
}

void ComboList::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  // Tab selects the whole field, which leaves it scrolled to its end; a
  // read-only field keeps the selection with its beginning in view.
  QLineEdit* field = lineEdit();
  if (field->isReadOnly() && field->hasSelectedText() && field->selectedText() == field->text())
    field->setSelection(static_cast<int>(field->text().size()), -static_cast<int>(field->text().size()));
  if (mode_ == Mode::GridEditor && e->reason() != Qt::PopupFocusReason) fire(onGotFocus);
}

void ComboList::Got_focus() {
  // The grid editor raises got-focus on Qt's focus-in (above).
  if (mode_ == Mode::Setting) FocusEvents::Got_focus();
}

void ComboList::wheelEvent(QWheelEvent* e) { e->ignore(); }

// ---- Setting mode ---------------------------------------------------------

void ComboList::setSettingIndex(int i) {
  if (i < 0 || i >= count()) {
    setIndexQuietly(-1);
    settled_ = -1;
    return;
  }
  const bool changed = i != currentIndex();
  setIndexQuietly(i);
  settled_ = i;
  // Last step: the handler may set this list again.
  if (changed) fire(onClick);
}

void ComboList::setSettingText(const QString& text) {
  const bool changed = text != Text();
  {
    const QSignalBlocker quiet(this);
    setCurrentIndex(-1);  // Qt empties the field with it
    lineEdit()->setText(text);
  }
  settled_ = ItemNamed(text);
  if (changed) fire(onChange);
}

int ComboList::ItemNamed(const QString& text) const {
  const QString t = text.trimmed();
  for (int i = 0; i < count(); ++i)
    if (itemText(i).trimmed() == t) return i;
  return -1;
}

bool ComboList::stepWithoutItem(QKeyEvent* e) {
  // The moves of a closed list (Alt+Down opens it; Ctrl with an arrow key is
  // the field's), when no item is chosen: Qt would go on from before the
  // first item, so Down would choose it.
  if (currentIndex() >= 0) return false;
  const Qt::KeyboardModifiers mods = e->modifiers();
  int step = 0;
  switch (e->key()) {
    case Qt::Key_Up:
      if (mods & Qt::ControlModifier) return false;
      step = -1;
      break;
    case Qt::Key_PageUp: step = -1; break;
    case Qt::Key_Down:
      if (mods & (Qt::ControlModifier | Qt::AltModifier)) return false;
      step = 1;
      break;
    case Qt::Key_PageDown: step = 1; break;
    default: return false;
  }
  // From the item the field names, else from the item last shown or chosen.
  int from = ItemNamed(Text());
  if (from < 0) from = settled_;
  if (from < 0) return false;  // nothing to go on from: Qt's own move
  e->accept();
  const int to = from + step;
  if (to < 0 || to >= count()) return true;  // nothing before the first item or after the last
  setIndexQuietly(to);
  settled_ = to;
  fire(onClick);  // the user's choice
  return true;
}

void ComboList::typedIntoSetting() {
  // The user's edit of the field leaves no item chosen; the text as edited stays.
  if (currentIndex() == -1) return;
  QLineEdit* field = lineEdit();
  const QString text = field->text();
  const int cursor = field->cursorPosition();
  const QSignalBlocker quiet(this);
  setCurrentIndex(-1);
  field->setText(text);
  field->setCursorPosition(cursor);
}

void ComboList::setFieldReadOnly(bool readOnly) {
  lineEdit()->setReadOnly(readOnly);
  showStartIfReadOnly();
}

bool ComboList::fieldReadOnly() const { return lineEdit()->isReadOnly(); }

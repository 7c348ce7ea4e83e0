#include "platform/text_box.h"

#include <QKeyEvent>

namespace {
bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}  // namespace

TextBox::TextBox(QWidget* parent) : TypedField(parent) {
  setTypedBy(&onKeyPress, this);
  // Qt emits textChanged only when the text really changes, for typing and
  // for setText alike; textEdited only for the user's edits.
  connect(this, &QLineEdit::textEdited, this, [this] { changedByUser_ = true; });
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!quiet_ && onChange) onChange();
  });
}

void TextBox::putText(const QString& text) {
  const bool was = quiet_;
  quiet_ = true;
  setText(text);
  quiet_ = was;
}

void TextBox::Got_focus() {
  changedByUser_ = false;
  FocusEvents::Got_focus();
}

void TextBox::keyPressEvent(QKeyEvent* e) {
  RouteKeyPress(e, onKeyPress, this, [this](QKeyEvent* k) {
    if (IsEnter(k))
      k->accept();
    else
      TypedField::keyPressEvent(k);
  });
}

#include "platform/text_box.h"

#include <QKeyEvent>

namespace {
bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* e) {
  RouteKeyPress(e, onKeyPress, [this](QKeyEvent* k) {
    if (IsEnter(k)) k->accept();
    else QLineEdit::keyPressEvent(k);
  });
}

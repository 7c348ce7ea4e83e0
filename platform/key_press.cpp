#include "platform/key_press.h"

#include <QKeyEvent>

int RouteKeyPress(QKeyEvent* e, const KeyPressHandler& handler, const std::function<void(QKeyEvent*)>& forward) {
  const QString text = e->text();
  if (text.size() != 1 || !handler) {
    forward(e);
    return -1;
  }
  const int original = text[0].unicode();
  int key = original;
  handler(key);
  if (key == 0) {
    e->accept();
    return 0;
  }
  if (key == original) {
    forward(e);
  } else {
    QKeyEvent replaced(e->type(), e->key(), e->modifiers(), QString(QChar(static_cast<char16_t>(key))),
                       e->isAutoRepeat(), static_cast<quint16>(e->count()));
    forward(&replaced);
    e->setAccepted(replaced.isAccepted());
  }
  return key;
}

#include "platform/key_press.h"

#include <QKeyEvent>

namespace {

// The character a key types, as the key handlers see it: a printable
// character, or one of Backspace (8), Enter (13) and Esc (27). Delete arrives
// from X with the text "\x7f" and other control keys with control characters:
// they type nothing. A key held with Ctrl, Alt or Meta is a command (Ctrl+C,
// Ctrl+V), not a typed character, even when its text is a plain letter.
int TypedCharacter(const QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  const QString text = e->text();
  if (text.size() != 1) return -1;
  const int c = text[0].unicode();
  if (c == 8 || c == 13 || c == 27) return c;
  if (c < 0x20 || c == 0x7F) return -1;
  return c;
}

}  // namespace

int RouteKeyPress(QKeyEvent* e, const KeyPressHandler& handler, const std::function<void(QKeyEvent*)>& forward) {
  const int original = TypedCharacter(e);
  if (original < 0 || !handler) {
    forward(e);
    return -1;
  }
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

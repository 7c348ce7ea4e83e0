#pragma once
// A one-line text box whose character keys go through the program's key
// handler first (see key_press.h). Enter reaches the handler only: the box
// itself does nothing with it.
#include "platform/key_press.h"

#include <QLineEdit>

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};

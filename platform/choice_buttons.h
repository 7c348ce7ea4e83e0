#pragma once
// Check boxes and option buttons whose click event runs on every change of
// their state, by the user or by code, at once and nested in the setter;
// setting the state a control already has runs nothing.
#include <QCheckBox>
#include <QRadioButton>

#include <functional>

// Value 0 not checked, 1 checked, 2 greyed. The click event runs on every
// change of Value. Only code greys a box; a user's click on a greyed box
// checks it.
class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit CheckBox(QWidget* parent = nullptr);

  int Value() const;
  // 1 checks, 2 greys, any other value clears.
  void setValue(int value);
  // Checked, not greyed: a greyed box counts as not checked.
  bool Checked() const { return Value() == 1; }

  std::function<void()> onClick;

 protected:
  void nextCheckState() override;
};

// One of the option buttons of a frame (the buttons that share a parent
// widget): choosing one deselects the others. The click event runs when the
// button becomes selected, by the user or by code; deselecting runs none, and
// neither does a click on the button already selected. Code may deselect
// every button of the frame.
class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent = nullptr);

  bool Value() const { return isChecked(); }
  void setValue(bool selected);

  std::function<void()> onClick;
};

#include "platform/choice_buttons.h"

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
  // Qt emits stateChanged only on a real change, for a click and for code.
  connect(this, &QCheckBox::stateChanged, this, [this] {
    if (onClick) onClick();
  });
}

int CheckBox::Value() const {
  switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void CheckBox::setValue(int value) {
  setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::nextCheckState() {
  // Greying a box makes Qt's box three-state, which a click would then cycle
  // through; the user only checks and clears.
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  // Qt deselects the frame's other button before it reports this one selected.
  connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
    if (selected && onClick) onClick();
  });
}

void OptionButton::setValue(bool selected) {
  if (selected) {
    setChecked(true);
    return;
  }
  if (!isChecked()) return;
  // Qt keeps one button of a frame selected; the program may select none.
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(true);
}

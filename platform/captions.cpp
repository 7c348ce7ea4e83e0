#include "platform/captions.h"

#include "platform/grid.h"
#include "platform/text_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QWidget>
#include <QtGlobal>

namespace {

constexpr Text kProgress{"Progress", "进度"};

// A caption as a screen reader says it: "&S" marks a mnemonic, "&&" is "&".
QString Without_mnemonic(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

}  // namespace

void Apply_captions(QWidget* root, std::span<const Caption> table, bool chinese) {
  for (const Caption& c : table) {
    const QString name = QString::fromLatin1(c.control);
    const QString text = c.text.in(chinese);
    if (name == root->objectName()) {
      root->setWindowTitle(text);
      continue;
    }
    QObject* control = root->findChild<QObject*>(name);
    if (auto* grid = qobject_cast<Grid*>(control))
      grid->setFormatString(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
      button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
      label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
      group->setTitle(text);
    else if (auto* textBox = qobject_cast<TextBox*>(control))
      textBox->putText(text);  // a design text, no change
    else if (auto* box = qobject_cast<QLineEdit*>(control))
      box->setText(text);
    else if (auto* bar = qobject_cast<QProgressBar*>(control))
      bar->setAccessibleName(text);
    else if (auto* action = qobject_cast<QAction*>(control))
      action->setText(text);
    else
      qWarning("No control \"%s\" in %s to caption", c.control, qPrintable(root->objectName()));
  }
}

void Name_controls(QWidget* root, bool chinese) {
  for (QToolButton* b : root->findChildren<QToolButton*>())
    if (b->text().isEmpty() && !b->toolTip().isEmpty()) b->setAccessibleName(Without_mnemonic(b->toolTip()));
  for (QProgressBar* bar : root->findChildren<QProgressBar*>())
    if (bar->accessibleName().isEmpty()) bar->setAccessibleName(kProgress.in(chinese));
}

void Name_control(QWidget* control, const QString& name) {
  control->setAccessibleName(name);
  QWidget* parent = control->parentWidget();
  if (!qobject_cast<QComboBox*>(control) || !parent) return;
  const QString labelName = control->objectName() + QStringLiteral("_label");
  auto* label = parent->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly);
  if (!label) {
    label = new QLabel(parent);
    label->setObjectName(labelName);
    label->hide();
    label->setBuddy(control);
  }
  label->setText(name);
}

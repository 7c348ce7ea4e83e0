#pragma once
// The ways text arrives in a box other than by its keys, each as a user
// brings it in with real events: Ctrl+V and Shift+Insert with the clipboard
// set, the context menu's Paste (the menu event of a right click, the item
// chosen by keys), the
// middle button with the X selection set (only where the platform has a
// selection: X, not offscreen), and a drop of text on the box. The middle
// button and a drop put the text at the end of the field's text.
#include "platform/combo_list.h"
#include "platform/text_box.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

namespace typed_in {

enum class Way { CtrlV, ShiftInsert, Menu, MiddleButton, Drop };

inline const char* Name(Way w) {
  switch (w) {
    case Way::CtrlV: return "Ctrl+V";
    case Way::ShiftInsert: return "Shift+Insert";
    case Way::Menu: return "context menu";
    case Way::MiddleButton: return "middle button";
    case Way::Drop: return "drop";
  }
  return "";
}

// Whether the platform the tests run on offers the way.
inline bool Offered(Way w) { return w != Way::MiddleButton || QGuiApplication::clipboard()->supportsSelection(); }

// Every way the platform offers.
inline std::vector<Way> Ways() {
  std::vector<Way> ways;
  for (Way w : {Way::CtrlV, Way::ShiftInsert, Way::Menu, Way::MiddleButton, Way::Drop})
    if (Offered(w)) ways.push_back(w);
  return ways;
}

// The control that takes the keys of `field`: the list it belongs to, or itself.
inline QWidget* KeyTarget(QLineEdit* field) { return field->focusProxy() ? field->focusProxy() : field; }

// A place right of the field's text: the middle button and a drop there put
// the text at its end.
inline QPoint EndPlace(QLineEdit* field) { return {field->width() - 4, field->height() / 2}; }

// The context menu's Paste, chosen with the keys.
inline void PasteFromMenu(QLineEdit* field) {
  // The event Qt makes of a right click: a list's field leaves it to the list.
  QWidget* target = field->contextMenuPolicy() == Qt::NoContextMenu ? field->parentWidget() : field;
  const QPoint at = field->mapTo(target, EndPlace(field));
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &click);
  QMenu* menu = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 2000))
      << "no context menu";
  QAction* paste = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLatin1String("&Paste"))) paste = a;
  if (field->isReadOnly()) {
    // A read-only field's menu offers no Paste.
    EXPECT_FALSE(paste && paste->isEnabled()) << "Paste offered in a read-only field";
    QTest::keyClick(menu, Qt::Key_Escape);
  } else if (paste && paste->isEnabled()) {
    menu->setActiveAction(paste);
    QTest::keyClick(menu, Qt::Key_Return);
  } else {
    ADD_FAILURE() << "no Paste in the context menu";
    QTest::keyClick(menu, Qt::Key_Escape);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activePopupWidget(); }, 2000));
}

inline void DropOn(QLineEdit* field, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPointF at = EndPlace(field);
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(field, &enter);
  QDragMoveEvent move(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(field, &move);
  QDropEvent drop(at, actions, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(field, &drop);
}

// Brings `text` into `field`, which has the keyboard focus, the way `w`.
inline void Bring(QLineEdit* field, Way w, const QString& text) {
  switch (w) {
    case Way::CtrlV:
      QApplication::clipboard()->setText(text);
      QTest::keyClick(KeyTarget(field), Qt::Key_V, Qt::ControlModifier);
      break;
    case Way::ShiftInsert:
      QApplication::clipboard()->setText(text);
      QTest::keyClick(KeyTarget(field), Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case Way::Menu:
      QApplication::clipboard()->setText(text);
      PasteFromMenu(field);
      break;
    case Way::MiddleButton:
      QApplication::clipboard()->setText(text, QClipboard::Selection);
      QTest::mouseClick(field, Qt::MiddleButton, {}, EndPlace(field));
      break;
    case Way::Drop: DropOn(field, text); break;
  }
}

// A window with controls whose key handlers are like the program's, shown
// and active: `box` takes digits and A (a typed as A), four characters at
// most, and records each key (`seen`) with the text it goes into (`texts`)
// and each change (`changes`); `list` is a tone list, `readOnly` a list with
// a read-only field; `plain` has no key handler; `other` holds the focus
// elsewhere.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    box = new TextBox(window.get());
    plain = new TextBox(window.get());
    list = new ComboList(window.get());
    readOnly = new ComboList(window.get());
    other = new QLineEdit(window.get());
    for (QWidget* w : std::initializer_list<QWidget*>{box, plain, list, readOnly, other}) layout->addWidget(w);
    // Digits and A (a typed as A), four characters at most in the text the
    // key goes into (a selection it replaces is not part of it).
    box->onKeyPress = [this](int& key) {
      seen.push_back(key);
      QString into = box->Text();
      if (box->hasSelectedText()) into.remove(box->selectionStart(), box->selectedText().size());
      texts.push_back(into.toStdString());
      if (key == 'a') key = 'A';
      if (!((key >= '0' && key <= '9') || key == 'A') || into.size() >= 4) key = 0;
    };
    box->onChange = [this] { changes.push_back(box->Text().toStdString()); };
    // A tone list: digits, the point, D, N and I, small letters as capitals.
    list->setMode(ComboList::Mode::Setting);
    list->AddItems({QStringLiteral("OFF"), QStringLiteral("D023N")});
    list->onKeyPress = [](int& key) {
      if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
      if (!((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I')) key = 0;
    };
    readOnly->setMode(ComboList::Mode::Setting);
    readOnly->AddItems({QStringLiteral("HIGH"), QStringLiteral("LOW")});
    readOnly->setListIndex(0);
    readOnly->onKeyPress = [](int& key) { key = 0; };
    readOnly->setFieldReadOnly(true);
    window->resize(400, 300);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  static void focusOn(QWidget* w) {
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w; }, 1000));
  }
  // Empties the box, gives it the focus with the cursor at the end.
  void start(QLineEdit* field, const QString& text = QString()) {
    field->setText(text);
    focusOn(typed_in::KeyTarget(field));
    field->end(false);
    seen.clear(), texts.clear(), changes.clear();
  }

  std::unique_ptr<QWidget> window;
  TextBox *box = nullptr, *plain = nullptr;
  ComboList *list = nullptr, *readOnly = nullptr;
  QLineEdit* other = nullptr;
  std::vector<int> seen;
  std::vector<std::string> texts, changes;
};

}  // namespace typed_in

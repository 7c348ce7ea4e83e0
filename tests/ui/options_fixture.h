#pragma once
// The options window in a real program: opened from the Edit menu of the
// real main window, shown and active, and driven with real key and mouse
// events. Helpers reach its controls by name and read the image's option
// block and VFO records.
#include "app_fixture.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/text_box.h"
#include "settings/opt_block.h"
#include "settings/ui/frm_option.h"
#include "support/image_diff.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionComboBox>
#include <QTest>

class OptionsFixture : public AppFixture {
 protected:
  void SetUp() override {
    screen = {1280, 1024, 96};
    start();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }

  // Edit > Optional Features, chosen with the mouse as the user does.
  frm_option* openFromMenu() {
    QMenuBar* bar = main->menuBar();
    QAction* edit = main->menu(QStringLiteral("Edit"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit).center());
    QMenu* menu = edit->menu();
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }, 2000)) return nullptr;
    QAction* item = main->menu(QStringLiteral("Optional_edit"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    settle();
    return current();
  }
  // Opens the window on `im` (the image before the window's first show).
  frm_option* openOn(const img::Image& im) {
    setImage(im);
    return open();
  }
  frm_option* open() {
    main->MDImain_Optional_edit_Click();
    settle();
    return current();
  }
  // The loaded options window, made the active child (a reload by the
  // language switch leaves the channel window active).
  frm_option* current() {
    w = main->host().find<frm_option>();
    if (!w) return nullptr;
    activate();
    return QTest::qWaitFor([&] { return main->mdiArea()->activeSubWindow() == w->frame(); }, 1000) ? w : nullptr;
  }
  // Brings the window back to the front, as a click on its title would.
  void activate() { main->mdiArea()->setActiveSubWindow(static_cast<QMdiSubWindow*>(w->frame())); }

  template <class T = QWidget>
  T* control(const char* name) const {
    return w->findChild<T*>(QString::fromLatin1(name));
  }
  ComboList* list(const char* name) const { return control<ComboList>(name); }
  CheckBox* check(const char* name) const { return control<CheckBox>(name); }
  TextBox* box(const char* name) const { return control<TextBox>(name); }

  // The option block's byte at `offset`; a VFO record's byte n.
  int opt(int offset) const { return image.image().at(img::OptionCell(offset)); }
  int vfoByte(int side, int n) const { return image.image()(img::kVfoAFirst + 2 * side + n / 16, n % 16); }
  std::vector<int> freqDigits(int side) const {
    std::vector<int> d;
    for (int n = 8; n < 16; ++n) d.push_back(vfoByte(side, n));
    return d;
  }

  // Gives a control the focus with a click, as the user does.
  void clickInto(QWidget* c) {
    QWidget* target = c;
    if (auto* l = qobject_cast<ComboList*>(c)) target = l->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusIn(c); }, 1000)) << c->objectName().toStdString();
  }
  static bool focusIn(QWidget* c) {
    QWidget* f = QApplication::focusWidget();
    return f && (f == c || c->isAncestorOf(f));
  }
  static QWidget* focus() { return QApplication::focusWidget(); }
  static void tab() { QTest::keyClick(focus(), Qt::Key_Tab); }
  // Replaces the text of a box or a list's field by typing: everything
  // selected, then the keys, each sent to the control that has the focus.
  static void retype(QWidget* e, const QString& text) {
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
  }
  // Picks item `index` from a list's drop-down: opened with a click on its
  // arrow, the item highlighted and Enter pressed.
  static void pick(ComboList* c, int index) {
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = true;
    const QRect arrow = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxArrow, c);
    QTest::mouseClick(c, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView* view = c->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 1000));
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
  }

  frm_option* w = nullptr;
};

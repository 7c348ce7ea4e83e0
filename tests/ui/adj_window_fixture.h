#pragma once
// The alignment window in a real program: opened as the main window's
// Adj_Edit opens it, driven by real key and mouse events on its controls
// with the main window active (offscreen, focus events reach only an active
// window). The same helpers over any program fixture (fake ports and hand
// fired timers, or the simulated radio on the virtual clock).
#include "alignment/adj_view.h"
#include "alignment/ui/frm_Adj_Txp.h"
#include "app_fixture.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/tab_strip.h"
#include "platform/text_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>

#include <string>

template <class Base>
class AdjWindowOn : public Base {
 protected:
  using Cell = adj::Cell;

  // The main window active, so that the window's controls get the focus.
  void activate() {
    this->main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(this->main.get()));
  }
  // As the Adj menu's item does: loads the window when it is not loaded.
  frm_Adj_Txp* open() {
    this->main->MDImain_Adj_Edit_Click();
    w = this->main->host().template find<frm_Adj_Txp>();
    return w;
  }
  bool loaded() const { return this->main->host().template isLoaded<frm_Adj_Txp>(); }

  Cell& at(int r, int c) { return this->st.AdjTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
  Cell def(int r, int c) const {
    return this->st.AdjDefaults[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
  }
  // Rows 0..19, columns 0..15 of the table.
  std::vector<Cell> rows() const {
    std::vector<Cell> out;
    for (std::size_t r = 0; r < 20; ++r)
      for (std::size_t c = 0; c < 16; ++c) out.push_back(this->st.AdjTable[r][c]);
    return out;
  }
  // The cells of the table that differ from `before`, as "(r,c)=v" texts.
  std::string changes(const adj::Table& before) const {
    std::string out;
    for (std::size_t r = 0; r < adj::kTableRows; ++r)
      for (std::size_t c = 0; c < adj::kTableCols; ++c)
        if (this->st.AdjTable[r][c] != before[r][c])
          out +=
              "(" + std::to_string(r) + "," + std::to_string(c) + ")=" + std::to_string(this->st.AdjTable[r][c]) + " ";
    return out;
  }

  static QWidget* focus() { return QApplication::focusWidget(); }
  // The control that has the focus (a list's field counts as the list).
  static QWidget* focusedControl() {
    QWidget* f = focus();
    if (f && qobject_cast<ComboList*>(f->parentWidget())) return f->parentWidget();
    return f;
  }
  static void click(QWidget* c, QPoint at = QPoint()) { QTest::mouseClick(c, Qt::LeftButton, {}, at); }
  // A click on the tab of a page.
  void clickTab(int page) { click(w->TabStrip1->bar(), w->TabStrip1->bar()->tabRect(page).center()); }
  // A click into a box, all its text selected: what is typed replaces it.
  static void clickInto(TextBox* b) {
    click(b);
    QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
  }
  // Replaces a box's text as a paste does: one change of the whole text.
  static void paste(TextBox* b, const QString& text) {
    clickInto(b);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
  }
  // Chooses an item from a list's drop-down: a click on its arrow, the arrow
  // keys to the item, Return.
  static void pick(ComboList* c, int item) {
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = true;
    const QRect arrow = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxArrow, c);
    click(c, arrow.center());
    QAbstractItemView* view = c->view();
    ASSERT_TRUE(view->isVisible()) << c->objectName().toStdString();
    int row = view->currentIndex().row();
    if (row < 0) {
      QTest::keyClick(view, Qt::Key_Down);
      row = view->currentIndex().row();
    }
    for (; row < item; ++row) QTest::keyClick(view, Qt::Key_Down);
    for (; row > item; --row) QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
  }
  // Whether only this group of the four is shown.
  QGroupBox* shownGroup() const {
    QGroupBox* shown = nullptr;
    for (QGroupBox* g : {w->Frame_Frame, w->Frame_Sql, w->Frame_Dev, w->Frame_Other}) {
      if (!g->isVisibleTo(w)) continue;
      if (shown) return nullptr;
      shown = g;
    }
    return shown;
  }
  // Messages shown so far, by text.
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const PromptCall& c : this->prompt.calls) out.push_back(c.text.toStdString());
    return out;
  }

  frm_Adj_Txp* w = nullptr;
};

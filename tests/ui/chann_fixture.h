#pragma once
// The program started offscreen with its channel window open and active, and
// the user's hands on it: clicks on grid cells, typing into the editor that
// has the focus, choices from the open list.
#include "app_fixture.h"
#include "channels/ui/frm_chann.h"
#include "platform/combo_list.h"
#include "platform/grid.h"
#include "platform/text_box.h"
#include "support/image_diff.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

using Bytes = std::vector<int>;

// Failed checks show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// On any program fixture (AppFixture, or one with the simulated radio whose
// startProgram plugs it in).
template <class Base>
class ChannFixtureOn : public Base {
 protected:
  using Base::edit;
  using Base::image;
  using Base::main;
  using Base::prompt;

  virtual void startProgram() { this->start(); }
  void SetUp() override {
    startProgram();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    w = main->host().template find<frm_chann>();
    ASSERT_TRUE(w);
  }

  Grid& grid() { return *w->MSF_Chann; }
  QString cell(int r, int c) { return grid().TextMatrix(r, c); }
  // Columns 1..12 of a grid row.
  std::vector<std::string> row(int r) {
    std::vector<std::string> out;
    for (int c = 1; c <= 12; ++c) out.push_back(cell(r, c).toStdString());
    return out;
  }

  // Brings the cell into view and clicks it.
  void click(int r, int c) {
    const QModelIndex index = grid().model()->index(r - 1, c);
    grid().scrollTo(index);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(index).center());
  }
  QWidget* focus() { return QApplication::focusWidget(); }
  // Types the text into the focused widget; characters beyond ASCII arrive
  // as keys that carry the character, as a keyboard layout sends them.
  void type(const QString& text) {
    for (const QChar ch : text) {
      if (ch.unicode() < 0x80) {
        QTest::keyClick(focus(), static_cast<char>(ch.unicode()));
      } else {
        const auto code = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, focus(), code, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, focus(), code, QString(ch), Qt::NoModifier);
      }
    }
  }
  void key(Qt::Key k) { QTest::keyClick(focus(), k); }
  void enter() { key(Qt::Key_Return); }
  // Opens the text editor on the cell and replaces its text as a user would.
  void retype(int r, int c, const QString& text) {
    click(r, c);
    ASSERT_TRUE(w->Text_Edit->isVisible());
    w->Text_Edit->selectAll();
    if (text.isEmpty())
      key(Qt::Key_Backspace);
    else
      type(text);
  }
  // Chooses an item of the open list editor from its drop-down part.
  void choose(const QString& item) {
    ComboList* combo = w->Combo_edit;
    ASSERT_TRUE(combo->isVisible());
    const int i = combo->findText(item);
    ASSERT_GE(i, 0) << item.toStdString();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(i, 0));
    QTest::keyClick(view, Qt::Key_Return);
  }

  // Channel n's record and name record in the image.
  Bytes record(int n) { return rowBytes(n); }
  Bytes name(int n) { return rowBytes(256 + n); }
  Bytes rowBytes(int row) {
    Bytes out;
    for (int c = 0; c < 16; ++c) out.push_back(image.image()(row, c));
    return out;
  }
  void put(int n, const Bytes& rec, const Bytes& nameBytes = {}) {
    edit([&](img::Image& im) { PutBytes(im, n, 0, rec); });
    edit([&](img::Image& im) { PutBytes(im, 256 + n, 0, nameBytes); });
  }
  // The window shows the image again, as when it is activated.
  void redraw() { w->Form_Activate(); }

  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const PromptCall& c : prompt.calls) out.push_back(c.text.toStdString());
    return out;
  }

  frm_chann* w = nullptr;
};

using ChannFixture = ChannFixtureOn<AppFixture>;

// The grid and the editable drop-down list of the platform layer: the
// behaviour the windows are written for, where Qt's own differs.
#include "platform/combo_list.h"
#include "platform/grid.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

namespace {

// A shown and active top-level window holding the control under test and a
// line edit that can take the focus away from it.
class ControlHost : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    other = new QLineEdit(window.get());
    other->setObjectName(QStringLiteral("other"));
    layout->addWidget(other);
  }
  void showAndActivate() {
    window->resize(700, 400);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  std::unique_ptr<QWidget> window;
  QLineEdit* other = nullptr;
};

class GridTest : public ControlHost {
 protected:
  void SetUp() override {
    ControlHost::SetUp();
    grid = new Grid(window.get());
    window->layout()->addWidget(grid);
    grid->setFormatString(QStringLiteral("^No|<Left|>  Right  |Plain"));
    grid->setRows(51);
    for (int r = 1; r <= 50; ++r) grid->setTextMatrix(r, 0, QString::number(r));
    grid->onLeaveCell = [this] { leaves.push_back({grid->Row(), grid->Col()}); };
    grid->onClick = [this] { clicks.push_back({grid->Row(), grid->Col()}); };
    grid->onScroll = [this] { ++scrolls; };
    showAndActivate();
  }
  QPoint centre(int row, int col) const { return grid->visualRect(grid->model()->index(row - 1, col)).center(); }
  void click(int row, int col, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(grid->viewport(), b, {}, centre(row, col));
  }
  std::pair<int, int> current() const { return {grid->Row(), grid->Col()}; }

  Grid* grid = nullptr;
  std::vector<std::pair<int, int>> leaves, clicks;
  int scrolls = 0;
};

}  // namespace

TEST_F(GridTest, FormatStringSetsColumnsHeadersAlignmentAndWidths) {
  ASSERT_EQ(grid->Cols(), 4);
  EXPECT_EQ(grid->Rows(), 51);
  const char* headers[] = {"No", "Left", "  Right  ", "Plain"};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->TextMatrix(0, c).toStdString(), headers[c]);
  EXPECT_EQ(grid->item(0, 0)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(grid->item(0, 1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(grid->item(0, 2)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  // Each column as wide as its header text: the blanks make room.
  const QFontMetrics fm(grid->horizontalHeader()->font());
  for (int c = 0; c < 4; ++c) {
    const int text = fm.horizontalAdvance(QString::fromLatin1(headers[c]));
    EXPECT_GE(grid->columnWidth(c), text) << c;
    EXPECT_LE(grid->columnWidth(c), text + 8) << c;
  }
  EXPECT_GT(grid->columnWidth(2), grid->columnWidth(3));
  // The header row is row 0; cells outside the grid read empty and ignore writes.
  grid->setTextMatrix(0, 3, QStringLiteral("Renamed"));
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("Renamed"));
  grid->setTextMatrix(51, 0, QStringLiteral("x"));
  grid->setTextMatrix(1, 4, QStringLiteral("x"));
  EXPECT_EQ(grid->TextMatrix(51, 0), QString());
  EXPECT_EQ(grid->TextMatrix(-1, 0), QString());
}

// Every move raises the leave event first, while Row and Col name the cell left.
TEST_F(GridTest, LeaveCellRunsBeforeEveryMove) {
  grid->setCol(2);
  grid->setRow(5);
  grid->setRow(5);  // no move, no event
  EXPECT_EQ(leaves, (std::vector<std::pair<int, int>>{{1, 0}, {1, 2}}));
  EXPECT_EQ(current(), std::make_pair(5, 2));
  EXPECT_EQ(grid->currentIndex(), grid->model()->index(4, 2));

  leaves.clear();
  grid->setFocus();
  click(3, 1);
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(leaves, (std::vector<std::pair<int, int>>{{5, 2}, {3, 1}, {4, 1}}));
  EXPECT_EQ(current(), std::make_pair(4, 2));
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{3, 1}}));

  // A click on the current cell: a click, no leave.
  leaves.clear();
  click(4, 2);
  EXPECT_TRUE(leaves.empty());
  EXPECT_EQ(clicks.back(), std::make_pair(4, 2));
}

TEST_F(GridTest, NothingElseMovesTheCurrentCell) {
  click(2, 1);
  leaves.clear();
  clicks.clear();
  const auto start = current();
  // Typing (Qt would search for the text), Tab, a right or middle click, a
  // click on the header, a drag over cells, a double click's editor.
  grid->setFocus();
  QTest::keyClicks(grid, QStringLiteral("17"));
  QTest::keyClick(grid, Qt::Key_Tab);
  grid->setFocus();
  click(6, 3, Qt::RightButton);
  click(6, 3, Qt::MiddleButton);
  QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                    QPoint(grid->columnViewportPosition(3) + 5, grid->horizontalHeader()->height() / 2));
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centre(2, 1));
  QMouseEvent drag(QEvent::MouseMove, QPointF(centre(4, 3)), grid->viewport()->mapToGlobal(QPointF(centre(4, 3))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &drag);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(4, 3));
  EXPECT_EQ(current(), start);
  EXPECT_TRUE(leaves.empty());
  EXPECT_TRUE(clicks.empty());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre(2, 1));
  EXPECT_EQ(current(), start);
  EXPECT_FALSE(grid->viewport()->findChild<QLineEdit*>());
  EXPECT_EQ(grid->item(1, 1)->flags() & Qt::ItemIsEditable, Qt::NoItemFlags);
}

TEST_F(GridTest, CodeMovesDoNotScrollKeyboardMovesDo) {
  const int top = grid->verticalScrollBar()->value();
  grid->setRow(45);
  EXPECT_EQ(grid->verticalScrollBar()->value(), top);
  EXPECT_EQ(scrolls, 0);
  grid->setRow(1);
  grid->setFocus();
  for (int i = 0; i < 40; ++i) QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->Row(), 41);
  EXPECT_GT(grid->verticalScrollBar()->value(), top);
  EXPECT_GT(scrolls, 0);
  // The cell's place is that of Qt's current cell, in the grid's coordinates.
  const QRect cell = grid->CellRect();
  const QRect inViewport = grid->visualRect(grid->currentIndex());
  EXPECT_EQ(cell.size(), inViewport.size());
  EXPECT_EQ(cell.topLeft(), grid->viewport()->mapTo(grid, inViewport.topLeft()));
  EXPECT_TRUE(grid->viewport()->geometry().contains(cell));
}

TEST_F(GridTest, SwitchedOffEventsAreNotRaised) {
  grid->setEventsEnabled(false);
  grid->setRow(7);
  click(3, 1);
  grid->verticalScrollBar()->setValue(5);
  EXPECT_TRUE(leaves.empty());
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(scrolls, 0);
  EXPECT_EQ(current(), std::make_pair(3, 1));
}

namespace {

class ComboTest : public ControlHost {
 protected:
  void SetUp() override {
    ControlHost::SetUp();
    combo = new ComboList(window.get());
    window->layout()->addWidget(combo);
    combo->onClick = [this] { events.push_back("click:" + combo->Text().toStdString()); };
    combo->onChange = [this] { events.push_back("change:" + combo->Text().toStdString()); };
    combo->onGotFocus = [this] { events.push_back("focus"); };
    showAndActivate();
  }
  void fill(std::initializer_list<const char*> items) {
    for (const char* i : items) combo->AddItem(QString::fromLatin1(i));
  }
  ComboList* combo = nullptr;
  std::vector<std::string> events;
};

}  // namespace

TEST_F(ComboTest, ListAndTextByCode) {
  combo->setText(QStringLiteral("HIGH"));
  combo->setText(QStringLiteral("HIGH"));  // no change, no event
  fill({"HIGH", "LOW"});
  // Adding items changes neither the text nor the position, and raises nothing.
  EXPECT_EQ(combo->Text(), QStringLiteral("HIGH"));
  EXPECT_EQ(combo->ListIndex(), -1);
  EXPECT_EQ(combo->ListCount(), 2);
  combo->setListIndex(1);
  combo->setListIndex(1);  // chosen again: a click again
  EXPECT_EQ(combo->Text(), QStringLiteral("LOW"));
  combo->AddItem(QStringLiteral("MID"));
  EXPECT_EQ(combo->ListIndex(), 1);
  EXPECT_EQ(combo->Text(), QStringLiteral("LOW"));
  combo->setListIndex(7);  // past the list: ignored
  // Emptying the list empties the text.
  combo->Clear();
  EXPECT_EQ(combo->ListCount(), 0);
  EXPECT_EQ(combo->Text(), QString());
  EXPECT_EQ(combo->ListIndex(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"change:HIGH", "click:LOW", "click:LOW", "change:"}));
}

TEST_F(ComboTest, KeysGoThroughTheHandler) {
  // Digits pass, 'a' becomes 'B', everything else is dropped; Enter is seen.
  std::vector<int> seen;
  combo->onKeyPress = [&](int& key) {
    seen.push_back(key);
    if (key == 'a')
      key = 'B';
    else if (!(key >= '0' && key <= '9') && key != 13)
      key = 0;
  };
  fill({"67.0", "B6"});
  combo->setFocus();
  events.clear();
  QTest::keyClicks(combo, QStringLiteral("6x"));
  QTest::keyClick(combo, Qt::Key_Backspace);
  QTest::keyClicks(combo, QStringLiteral("a"));
  EXPECT_EQ(combo->Text(), QStringLiteral("6B"));
  EXPECT_EQ(seen, (std::vector<int>{'6', 'x', 8, 'a'}));
  // No completion, no insertion: Enter reaches the handler and chooses nothing.
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(seen.back(), 13);
  EXPECT_EQ(combo->ListCount(), 2);
  EXPECT_EQ(combo->ListIndex(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"change:6", "change:6B"}));
}

// Typed text that matches an item chooses nothing: not on Enter, not when the
// focus leaves; the wheel does not turn a closed list.
TEST_F(ComboTest, TypedTextNeverChooses) {
  fill({"67.0", "69.3"});
  combo->setFocus();
  QTest::keyClicks(combo, QStringLiteral("69.3"));
  QTest::keyClick(combo, Qt::Key_Enter);
  other->setFocus();
  EXPECT_EQ(combo->ListIndex(), -1);
  EXPECT_EQ(combo->Text(), QStringLiteral("69.3"));
  QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(combo, &wheel);
  EXPECT_EQ(combo->ListIndex(), -1);
  for (const std::string& e : events) EXPECT_EQ(e.rfind("click", 0), std::string::npos) << e;
}

// The user's choice (from the list or by the arrow keys) raises the click
// event only; the field shows the item.
TEST_F(ComboTest, UserChoiceRaisesClick) {
  fill({"OFF", "67.0", "69.3"});
  combo->setFocus();
  events.clear();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->ListIndex(), 0);
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  const QModelIndex item = view->model()->index(2, 0);
  view->setCurrentIndex(item);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_EQ(combo->ListIndex(), 2);
  EXPECT_EQ(combo->Text(), QStringLiteral("69.3"));
  EXPECT_EQ(events, (std::vector<std::string>{"click:OFF", "click:69.3"}));
}

TEST_F(ComboTest, GotFocusWhenTheBoxTakesTheFocus) {
  combo->setFocus();
  other->setFocus();
  combo->setFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"focus", "focus"}));
}

// The keys a key handler sees, with the texts a real X server gives them:
// Delete carries "\x7f", Ctrl+C the plain letter with the Control modifier.
// Neither is a typed character: both go on to the field as they are, so
// Delete deletes and Ctrl+A / Ctrl+X select and cut, whatever the handler
// would do with a character.
TEST_F(ComboTest, OnlyTypedCharactersReachTheKeyHandler) {
  std::vector<int> seen;
  combo->onKeyPress = [&](int& key) {
    seen.push_back(key);
    key = 0;  // drops every character it sees
  };
  combo->setText(QStringLiteral("67.0"));
  combo->setFocus();
  combo->lineEdit()->setCursorPosition(0);
  const auto press = [&](int key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(combo, &down);
  };
  press(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
  EXPECT_EQ(combo->Text(), QStringLiteral("7.0"));
  press(Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
  press(Qt::Key_X, Qt::ControlModifier, QStringLiteral("x"));
  EXPECT_EQ(combo->Text(), QString());
  press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  press(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  press(Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  press(Qt::Key_Percent, Qt::ShiftModifier, QStringLiteral("%"));
  EXPECT_EQ(seen, (std::vector<int>{27, 8, 13, '5', '%'}));
}

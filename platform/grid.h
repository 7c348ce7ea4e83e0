#pragma once
// A grid of text cells with one fixed header row, with the behaviour the
// program's windows are written for:
// - a header format string sets the columns: "|" separates them, a leading
//   "^" centres a column ("<" left, ">" right), and each column is as wide as
//   its header text;
// - rows are counted with the header row: row 0 is the header, data rows are
//   1..Rows()-1; there is no fixed column;
// - the grid keeps the current row and column itself. Every move of the
//   current cell, by code (setRow, setCol), by a click or by the keyboard,
//   first raises the leave-cell event while Row() and Col() still name the
//   cell being left, and only then moves;
// - nothing moves the current cell behind the program's back: no in-place
//   editing, no search by typing, no Tab moves, no header clicks, no drag
//   over cells, no scrolling to the current cell when code moves it; only the
//   left mouse button acts on cells;
// - a click on a cell (left button down and up on the same cell) raises the
//   click event after the move, once the cell is in full view; scrolling
//   raises the scroll event.
#include <QTableWidget>

#include <functional>
#include <vector>

class Grid : public QTableWidget {
  Q_OBJECT
 public:
  explicit Grid(QWidget* parent = nullptr);
  ~Grid() override;

  void setFormatString(const QString& format);
  QString FormatString() const { return format_; }

  // Rows, the header row included.
  int Rows() const { return rowCount() + 1; }
  void setRows(int rows);
  int Cols() const { return columnCount(); }
  // Widens a column (never narrows it) so that `text` fits in its cells: for a
  // text the column must show whole although its header is shorter.
  void fitColumn(int col, const QString& text);
  // Widens a column (never narrows it) to at least `px` pixels: for an editor
  // laid over its cells that needs more room than the text.
  void widenColumn(int col, int px);
  // Height of every data row, in pixels.
  void setDefaultRowHeight(int px);

  // The current cell (data rows only).
  int Row() const { return row_; }
  int Col() const { return col_; }
  void setRow(int row);
  void setCol(int col);
  QString Text() const { return TextMatrix(row_, col_); }
  void setText(const QString& text) { setTextMatrix(row_, col_, text); }

  // The text of cell (row, col), row 0 the header; empty outside the grid.
  QString TextMatrix(int row, int col) const;
  // Sets the text of cell (row, col); ignored outside the grid.
  void setTextMatrix(int row, int col, const QString& text);

  // A column's header text without its surrounding blanks: the name of an
  // editor laid over one of the column's cells.
  QString ColumnHeader(int col) const;

  // The current cell's place inside the grid, in pixels.
  QRect CellRect() const;

  // Events. None is raised while events are switched off (a window that is
  // being unloaded) or while the grid is destroyed.
  std::function<void()> onLeaveCell;
  std::function<void()> onClick;
  std::function<void()> onScroll;
  void setEventsEnabled(bool on) { events_ = on; }

  // No search by typing.
  void keyboardSearch(const QString&) override {}

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void moveTo(int row, int col);
  void press(QMouseEvent* e, const std::function<void(QMouseEvent*)>& qtHandler);
  void clickPressed();
  void syncCurrent();
  void makeCells();
  void fire(const std::function<void()>& event) const {
    if (events_ && event) event();
  }
  QTableWidgetItem* cell(int row, int col) const;

  QPersistentModelIndex pressed_;  // the cell the left button went down on
  QString format_;
  std::vector<Qt::Alignment> align_;
  int row_ = 1;
  int col_ = 0;
  bool moving_ = false;   // inside a move made by code
  int userInput_ = 0;     // inside a mouse or key event
  bool blocked_ = false;  // a modal window opened while a press was handled
  bool events_ = true;
};

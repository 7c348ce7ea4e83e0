#include "platform/grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

namespace {
constexpr int kColumnPadding = 3;  // pixels beside the header text
}  // namespace

Grid::Grid(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setAutoScroll(false);
  setDragEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  // A cell wider than its column is cut at the edge, not shortened with "...".
  setTextElideMode(Qt::ElideNone);
  horizontalHeader()->setTextElideMode(Qt::ElideNone);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionsMovable(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { fire(onScroll); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { fire(onScroll); });
}

Grid::~Grid() { events_ = false; }

void Grid::setFormatString(const QString& format) {
  format_ = format;
  const QStringList columns = format.split(u'|');
  setColumnCount(static_cast<int>(columns.size()));
  align_.assign(static_cast<size_t>(columns.size()), Qt::AlignLeft | Qt::AlignVCenter);
  QHeaderView* header = horizontalHeader();
  const QFontMetrics fm(header->font());
  for (int c = 0; c < columns.size(); ++c) {
    QString text = columns[c];
    Qt::Alignment h = Qt::AlignLeft;
    if (text.startsWith(u'^'))
      h = Qt::AlignHCenter;
    else if (text.startsWith(u'>'))
      h = Qt::AlignRight;
    if (h != Qt::AlignLeft || text.startsWith(u'<')) text.remove(0, 1);
    align_[static_cast<size_t>(c)] = h | Qt::AlignVCenter;
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align_[static_cast<size_t>(c)]);
    setHorizontalHeaderItem(c, item);
    // The header texts carry blanks where a column needs more room than its title.
    setColumnWidth(c, fm.horizontalAdvance(text) + kColumnPadding);
  }
  makeCells();
  if (col_ >= columnCount()) col_ = 0;
  syncCurrent();
}

QString Grid::ColumnHeader(int col) const {
  const QTableWidgetItem* item = horizontalHeaderItem(col);
  return item ? item->text().trimmed() : QString();
}

void Grid::setRows(int rows) {
  const int dataRows = rows > 1 ? rows - 1 : 0;
  {
    const bool wasMoving = moving_;
    moving_ = true;
    setRowCount(dataRows);
    moving_ = wasMoving;
  }
  makeCells();
  if (row_ > dataRows) row_ = dataRows > 0 ? dataRows : 1;
  syncCurrent();
}

// Every cell holds an item, aligned as its column, that can be selected but
// not edited in place.
void Grid::makeCells() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c) {
      QTableWidgetItem* it = QTableWidget::item(r, c);
      if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(r, c, it);
      }
      const Qt::Alignment align = align_[static_cast<size_t>(c)];
      if (it->textAlignment() != static_cast<int>(align)) it->setTextAlignment(align);
    }
}

void Grid::fitColumn(int col, const QString& text) {
  if (col < 0 || col >= columnCount()) return;
  // The cells draw their text inside a margin on either side.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int needed = fontMetrics().horizontalAdvance(text) + 2 * margin;
  if (columnWidth(col) < needed) setColumnWidth(col, needed);
}

void Grid::widenColumn(int col, int px) {
  if (col >= 0 && col < columnCount() && columnWidth(col) < px) setColumnWidth(col, px);
}

void Grid::setDefaultRowHeight(int px) {
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(px);
}

// Puts Qt's current cell on the cell kept here, without any event.
void Grid::syncCurrent() {
  if (row_ < 1 || row_ > rowCount() || col_ < 0 || col_ >= columnCount()) return;
  const QModelIndex index = model()->index(row_ - 1, col_);
  if (selectionModel()->currentIndex() == index) return;
  const bool wasMoving = moving_;
  moving_ = true;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  moving_ = wasMoving;
}

void Grid::setRow(int row) {
  if (row >= 1 && row < Rows()) moveTo(row, col_);
}

void Grid::setCol(int col) {
  if (col >= 0 && col < Cols()) moveTo(row_, col);
}

void Grid::moveTo(int row, int col) {
  if (row == row_ && col == col_) return;
  fire(onLeaveCell);
  row_ = row;
  col_ = col;
  syncCurrent();
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!moving_ && current.isValid()) {
    // A move by the user: the leave event runs while Row() and Col() still
    // name the cell being left. Any other move (the model changed) only
    // follows Qt's current cell.
    if (userInput_ > 0 && (current.row() + 1 != row_ || current.column() != col_)) fire(onLeaveCell);
    row_ = current.row() + 1;
    col_ = current.column();
  }
  QTableWidget::currentChanged(current, previous);
}

void Grid::keyPressEvent(QKeyEvent* e) {
  const QModelIndex before = currentIndex();
  ++userInput_;
  QTableWidget::keyPressEvent(e);
  --userInput_;
  // A keyboard move keeps the new cell in sight.
  if (currentIndex() != before && currentIndex().isValid()) scrollTo(currentIndex());
}

// A press of the left button on a cell; other buttons do nothing here.
void Grid::press(QMouseEvent* e, const std::function<void(QMouseEvent*)>& qtHandler) {
  if (e->button() != Qt::LeftButton) {
    e->accept();
    return;
  }
  pressed_ = indexAt(e->position().toPoint());
  // A modal window that opens while the press is handled blocks the grid's
  // window: Qt then drops the release (the user releases over the message
  // box), so the click is raised here, once the window has closed again.
  QWidget* top = window();
  blocked_ = false;
  top->installEventFilter(this);
  ++userInput_;
  qtHandler(e);
  --userInput_;
  top->removeEventFilter(this);
  if (blocked_) {
    blocked_ = false;
    if (pressed_.isValid() && pressed_ == currentIndex()) clickPressed();
  }
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) blocked_ = true;
  return QTableWidget::eventFilter(watched, event);
}

// The click on the pressed cell: brought into full view first, so that
// whatever the click opens lies over the whole cell.
void Grid::clickPressed() {
  const QModelIndex index = pressed_;
  pressed_ = QPersistentModelIndex();
  scrollTo(index);
  fire(onClick);
}

void Grid::mousePressEvent(QMouseEvent* e) {
  press(e, [this](QMouseEvent* m) { QTableWidget::mousePressEvent(m); });
}

void Grid::mouseMoveEvent(QMouseEvent* e) {
  // Dragging over cells would move the current cell.
  if (e->buttons() != Qt::NoButton) {
    e->accept();
    return;
  }
  QTableWidget::mouseMoveEvent(e);
}

void Grid::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    e->accept();
    return;
  }
  const QModelIndex released = indexAt(e->position().toPoint());
  ++userInput_;
  QTableWidget::mouseReleaseEvent(e);
  --userInput_;
  // A click: pressed and released on the same cell.
  if (released.isValid() && pressed_ == released) clickPressed();
}

void Grid::mouseDoubleClickEvent(QMouseEvent* e) {
  press(e, [this](QMouseEvent* m) { QTableWidget::mouseDoubleClickEvent(m); });
}

QTableWidgetItem* Grid::cell(int row, int col) const {
  if (row < 1 || row > rowCount() || col < 0 || col >= columnCount()) return nullptr;
  return QTableWidget::item(row - 1, col);
}

QString Grid::TextMatrix(int row, int col) const {
  if (row == 0) {
    const QTableWidgetItem* h = col >= 0 && col < columnCount() ? horizontalHeaderItem(col) : nullptr;
    return h ? h->text() : QString();
  }
  const QTableWidgetItem* it = cell(row, col);
  return it ? it->text() : QString();
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
  if (row == 0) {
    if (QTableWidgetItem* h = col >= 0 && col < columnCount() ? horizontalHeaderItem(col) : nullptr) h->setText(text);
    return;
  }
  if (QTableWidgetItem* it = cell(row, col)) it->setText(text);
}

QRect Grid::CellRect() const {
  if (row_ < 1 || row_ > rowCount() || col_ < 0 || col_ >= columnCount()) return {};
  const QRect r = visualRect(model()->index(row_ - 1, col_));
  // visualRect is in viewport coordinates; the viewport sits below the header.
  return r.translated(viewport()->geometry().topLeft());
}

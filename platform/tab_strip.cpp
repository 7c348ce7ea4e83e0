#include "platform/tab_strip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWheelEvent>

#include <algorithm>

class TabStrip::Bar : public QTabBar {
 public:
  explicit Bar(TabStrip* strip) : QTabBar(strip), strip_(strip) {
    // A click takes the focus, so the control left raises its lost-focus.
    setFocusPolicy(Qt::StrongFocus);
    setDrawBase(false);
    // Tabs narrower than their captions rather than tabs out of reach.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    connect(this, &QTabBar::currentChanged, this, [this] {
      if (!strip_->selecting_) strip_->clicked();  // the arrow keys
    });
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    const int i = e->button() == Qt::LeftButton ? tabAt(e->position().toPoint()) : -1;
    if (i < 0) {
      QTabBar::mousePressEvent(e);
      return;
    }
    // Styles differ on whether a tab is selected on the press or the
    // release; here it is the press, and the press is the click.
    strip_->select(i);
    QTabBar::mousePressEvent(e);
    strip_->clicked();
  }
  void wheelEvent(QWheelEvent* e) override { e->ignore(); }

 private:
  TabStrip* strip_;
};

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), bar_(new Bar(this)) {}

QTabBar* TabStrip::bar() const { return bar_; }

void TabStrip::AddTab(const QString& key, const QString& caption) {
  selecting_ = true;  // Qt selects the first tab added
  const int i = bar_->addTab(caption);
  selecting_ = false;
  bar_->setTabData(i, key);
  layoutBar();
}

int TabStrip::Tabs() const { return bar_->count(); }

QString TabStrip::Key(int i) const { return i >= 0 && i < bar_->count() ? bar_->tabData(i).toString() : QString(); }

int TabStrip::SelectedIndex() const { return bar_->currentIndex(); }

void TabStrip::select(int i) {
  selecting_ = true;
  bar_->setCurrentIndex(i);
  selecting_ = false;
}

void TabStrip::setSelectedIndex(int i) {
  if (i < 0 || i >= bar_->count() || i == bar_->currentIndex()) return;
  select(i);
  clicked();
}

void TabStrip::clicked() {
  if (onClick) onClick();
}

void TabStrip::layoutBar() {
  const QSize hint = bar_->sizeHint();
  bar_->setGeometry(0, 0, std::min(hint.width(), width()), hint.height());
  update();
}

void TabStrip::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  layoutBar();
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = bar_->size();
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  const int top = std::max(0, bar_->height() - overlap);
  frame.rect = QRect(0, top, width(), height() - top);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);
}

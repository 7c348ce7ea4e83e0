#pragma once
// A strip of keyed tabs over a panel, the pages of a window. The panel is
// drawn only: the window lays the frames of its pages over it (made after the
// strip, or raised, so that they lie above it).
// - A user's click on a tab (left button, press) selects it, takes the focus
//   and raises the click event, also on the tab already selected; the arrow
//   keys move to the next tab and raise it too. The click event reads the
//   selected tab's key.
// - setSelectedIndex() selects a tab by code and raises the click event when
//   the selection changes.
// - The mouse wheel does not turn the pages.
#include <QString>
#include <QWidget>

#include <functional>

class QTabBar;

class TabStrip : public QWidget {
  Q_OBJECT
 public:
  explicit TabStrip(QWidget* parent = nullptr);

  void AddTab(const QString& key, const QString& caption);
  int Tabs() const;
  QString Key(int i) const;
  // -1 while the strip has no tab.
  int SelectedIndex() const;
  QString SelectedKey() const { return Key(SelectedIndex()); }
  void setSelectedIndex(int i);
  // The tabs themselves (their places, for tests and assistive technology).
  QTabBar* bar() const;

  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  class Bar;
  friend class Bar;
  void layoutBar();
  void select(int i);
  void clicked();

  Bar* bar_;
  bool selecting_ = false;  // the strip itself changes the selection
};

// FitTexts on a small window of design places: what is too narrow for its
// texts gets the width it needs, what stands beside it moves along, frames
// grow, and everything that fits stays where it was designed.
#include "platform/combo_list.h"
#include "platform/text_fit.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <class W>
W* Put(QWidget* parent, const QRect& r, const QString& text = QString()) {
  auto* w = new W(parent);
  w->setGeometry(r);
  if constexpr (std::is_base_of_v<QLabel, W> || std::is_base_of_v<QAbstractButton, W>) w->setText(text);
  return w;
}

}  // namespace

TEST(TextFit, WidensWhatIsTooNarrowAndMovesWhatStandsBesideIt) {
  QWidget window;
  window.resize(600, 300);
  // A frame of two rows, a label and a list each; a second frame to its
  // right on the same rows; a button under both.
  auto* left = Put<QGroupBox>(&window, {10, 10, 150, 100});
  auto* caption = Put<QLabel>(left, {5, 20, 40, 20}, QStringLiteral("A caption longer than its place"));
  auto* wide = Put<ComboList>(left, {50, 20, 60, 22});
  wide->AddItems({QStringLiteral("OFF"), QStringLiteral("An item far longer than the field")});
  auto* narrow = Put<ComboList>(left, {50, 50, 60, 22});
  narrow->AddItems({QStringLiteral("1"), QStringLiteral("2")});
  auto* hidden = Put<QLabel>(left, {120, 80, 10, 15}, QStringLiteral("Never shown, never widened"));
  hidden->hide();
  // A two-line label of a row tall enough for two lines keeps its width.
  auto* twoLines =
      Put<QLabel>(left, {5, 75, 42, 2 * QFontMetrics(window.font()).lineSpacing() + 4}, QStringLiteral("Two words"));
  twoLines->setWordWrap(true);
  auto* right = Put<QGroupBox>(&window, {170, 10, 100, 100});
  auto* check = Put<QCheckBox>(right, {10, 20, 80, 20}, QStringLiteral("Fits"));
  auto* button = Put<QPushButton>(&window, {10, 150, 80, 30}, QStringLiteral("OK"));
  window.show();

  const QRect checkDesign = check->geometry(), buttonDesign = button->geometry(), hiddenDesign = hidden->geometry();
  const int captionNeeds = CaptionWidthNeeded(caption), listNeeds = ListWidthNeeded(wide);
  ASSERT_GT(captionNeeds, 40);
  ASSERT_GT(listNeeds, 60);
  const int twoLinesWidth = twoLines->width();
  ASSERT_LE(CaptionWidthNeeded(twoLines), twoLinesWidth);

  const FitResult fit = FitTexts(&window);

  // The caption and the list as wide as they need; the list keeps its
  // distance from the caption, the other list of its column goes along.
  EXPECT_EQ(caption->geometry(), QRect(5, 20, captionNeeds, 20));
  EXPECT_EQ(wide->geometry(), QRect(5 + captionNeeds + 5, 20, listNeeds, 22));
  EXPECT_EQ(narrow->geometry(), QRect(wide->x(), 50, listNeeds, 22));
  EXPECT_EQ(twoLines->width(), twoLinesWidth);
  EXPECT_EQ(hidden->geometry(), hiddenDesign);
  // The frame holds its list with the margin it has on the left (5), less
  // than its design margin on the right.
  EXPECT_EQ(left->geometry(), QRect(10, 10, wide->x() + listNeeds + 5, 100));
  // The frame to its right keeps its distance, with what it holds as it was;
  // the button under them stays.
  EXPECT_EQ(right->geometry(), QRect(left->geometry().right() + 1 + 10, 10, 100, 100));
  EXPECT_EQ(check->geometry(), checkDesign);
  EXPECT_EQ(button->geometry(), buttonDesign);
  EXPECT_EQ(fit.designRight, 270);
  EXPECT_EQ(fit.right, right->geometry().right() + 1);
  EXPECT_EQ(fit.grown(), fit.right - 270);

  // What fits already is left where it is.
  const QRect leftNow = left->geometry(), rightNow = right->geometry();
  EXPECT_EQ(FitTexts(&window).grown(), 0);
  EXPECT_EQ(left->geometry(), leftNow);
  EXPECT_EQ(right->geometry(), rightNow);
}

#include "platform/text_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

// A line edit keeps 2 pixels beside its text on either side, and one more
// for the cursor at the end.
constexpr int kLineEditRoom = 2 * 2 + 1;
constexpr int kProbeWidth = 200;
// Wide enough for any caption on one line.
constexpr int kUnbounded = 1 << 20;

// The room a line edit keeps for glyphs that reach beyond their advance
// before it scrolls its text.
int Bearings(const QFontMetrics& fm) { return std::max(0, -fm.minLeftBearing()) + std::max(0, -fm.minRightBearing()); }

int LabelWidthNeeded(const QLabel* l) {
  const QString text = l->text();
  if (text.isEmpty()) return 0;
  const QFontMetrics fm(l->font());
  const QRect cr = l->contentsRect();
  const int frame = l->width() - cr.width();
  const int align = static_cast<int>(l->alignment());
  const int oneLine = fm.boundingRect(QRect(0, 0, kUnbounded, cr.height()), align, text).width();
  if (!l->wordWrap()) return frame + oneLine;
  // The narrowest width, from the present one up, at which the wrapped
  // lines fit the label's height; one line where no wrapping does.
  for (int width = std::max(1, cr.width()); width < oneLine; ++width) {
    const QRect br = fm.boundingRect(QRect(0, 0, width, cr.height()), align | Qt::TextWordWrap, text);
    if (br.width() <= width && br.height() <= cr.height()) return frame + width;
  }
  return frame + oneLine;
}

// A button's text in the rectangle its style draws the text in.
int ButtonWidthNeeded(const QAbstractButton* b, QStyle::SubElement contents) {
  if (b->text().isEmpty()) return 0;
  QStyleOptionButton o;
  o.initFrom(b);
  o.text = b->text();
  const QRect cr = b->style()->subElementRect(contents, &o, b);
  return b->width() - cr.width() + QFontMetrics(b->font()).size(Qt::TextShowMnemonic, b->text()).width();
}

// The right edges of a parent's shown children, as designed and as fitted,
// and the left edge of the leftmost.
struct Extents {
  int designLeft = kUnbounded, designRight = 0, right = 0;
  bool any() const { return designRight > 0 || right > 0; }
};

// What one pass has measured: lists of the same items in the same font
// need the same width (the options window's four tone lists).
class Measures {
 public:
  int list(const QComboBox* c) {
    QStringList items;
    items.reserve(c->count());
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    const auto key = std::make_pair(c->font().key(), items);
    auto it = lists_.find(key);
    if (it == lists_.end()) it = lists_.emplace(key, ListWidthNeeded(c)).first;
    return it->second;
  }

 private:
  std::map<std::pair<QString, QStringList>, int> lists_;
};

int FitGroup(QGroupBox* g, Measures& m);

// A shown control as designed and as fitted (left and width, pixels).
struct Placed {
  QWidget* w;
  QRect design;
  int left, width;
  int designRight() const { return design.left() + design.width(); }
};

bool SameRows(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

Extents FitChildren(QWidget* parent, Measures& m) {
  std::vector<Placed> items;
  for (QObject* o : parent->children()) {
    auto* c = qobject_cast<QWidget*>(o);
    if (!c || c->isWindow()) continue;
    const QRect design = c->geometry();
    int need = 0;
    if (auto* g = qobject_cast<QGroupBox*>(c)) {
      // A hidden frame (a page shown later) is fitted all the same.
      need = FitGroup(g, m);
      if (c->isHidden() && need > design.width()) c->resize(need, design.height());
    } else if (auto* l = qobject_cast<QComboBox*>(c)) {
      need = m.list(l);
    } else {
      need = CaptionWidthNeeded(c);
    }
    if (c->isHidden()) continue;
    items.push_back({c, design, design.left(), std::max(design.width(), need)});
  }

  // A design column (the same left and width) keeps one width.
  std::map<std::pair<int, int>, int> columnWidth;
  for (const Placed& p : items) {
    int& w = columnWidth[{p.design.left(), p.design.width()}];
    w = std::max(w, p.width);
  }
  for (Placed& p : items) p.width = columnWidth[{p.design.left(), p.design.width()}];

  // From left to right: what stands right of a control that grew, on the
  // same rows, keeps its design distance to it; controls that share a
  // design left edge move together.
  std::stable_sort(items.begin(), items.end(),
                   [](const Placed& a, const Placed& b) { return a.design.left() < b.design.left(); });
  for (std::size_t first = 0; first < items.size();) {
    const int designLeft = items[first].design.left();
    std::size_t end = first;
    while (end < items.size() && items[end].design.left() == designLeft) ++end;
    int left = designLeft;
    for (std::size_t k = first; k < end; ++k)
      for (std::size_t d = 0; d < first; ++d)
        if (items[d].designRight() <= designLeft && SameRows(items[d].design, items[k].design))
          left = std::max(left, items[d].left + items[d].width + designLeft - items[d].designRight());
    for (std::size_t k = first; k < end; ++k) items[k].left = left;
    first = end;
  }

  Extents e;
  for (const Placed& p : items) {
    if (p.left != p.design.left() || p.width != p.design.width())
      p.w->setGeometry(p.left, p.design.top(), p.width, p.design.height());
    e.designLeft = std::min(e.designLeft, p.design.left());
    e.designRight = std::max(e.designRight, p.designRight());
    e.right = std::max(e.right, p.left + p.width);
  }
  return e;
}

// Fits a frame's controls; the width the frame then needs.
int FitGroup(QGroupBox* g, Measures& m) {
  const Extents e = FitChildren(g, m);
  int need = std::max(g->width(), CaptionWidthNeeded(g));
  if (e.any()) {
    const int margin = std::max(0, std::min(g->width() - e.designRight, e.designLeft));
    need = std::max(need, e.right + margin);
  }
  return need;
}

}  // namespace

int ListTextExtra(const QComboBox* c) {
  QStyleOptionComboBox opt;
  opt.initFrom(c);
  opt.rect = QRect(0, 0, kProbeWidth, c->sizeHint().height());
  opt.editable = c->isEditable();
  opt.frame = c->hasFrame();
  const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
  return kProbeWidth - field.width() + kLineEditRoom;
}

int BoxTextExtra(const QLineEdit* e) {
  QStyleOptionFrame opt;
  opt.initFrom(e);
  opt.rect = QRect(0, 0, kProbeWidth, e->sizeHint().height());
  opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
  opt.state |= QStyle::State_Sunken;
  const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
  return kProbeWidth - contents.width() + kLineEditRoom;
}

int ListWidthNeeded(const QComboBox* c) {
  const QFontMetrics fieldFm(c->lineEdit() ? c->lineEdit()->font() : c->font()), fm(c->font());
  // The field's need from the advances; QComboBox's from the glyphs' ink,
  // which reaches past an advance by the bearings at most: only the items
  // that could be the widest are measured twice.
  std::vector<std::pair<int, int>> advances;  // (advance, item)
  advances.reserve(static_cast<std::size_t>(c->count()));
  for (int i = 0; i < c->count(); ++i) advances.emplace_back(fieldFm.horizontalAdvance(c->itemText(i)), i);
  std::sort(advances.rbegin(), advances.rend());
  const int advance = advances.empty() ? 0 : advances.front().first;
  int ink = 0;
  for (const auto& [a, i] : advances) {
    if (fieldFm == fm && a + Bearings(fm) < ink) break;
    ink = std::max(ink, fm.boundingRect(c->itemText(i)).width());
  }
  const int field = advance + ListTextExtra(c) + Bearings(fieldFm);
  // What QComboBox asks for under AdjustToContents.
  QStyleOptionComboBox opt;
  opt.initFrom(c);
  opt.editable = c->isEditable();
  opt.frame = c->hasFrame();
  const QSize text(ink, std::max(fm.height(), 14) + 2);
  return std::max(field, c->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, text, c).width());
}

int CaptionWidthNeeded(const QWidget* w) {
  if (const auto* l = qobject_cast<const QLabel*>(w)) return LabelWidthNeeded(l);
  if (const auto* b = qobject_cast<const QCheckBox*>(w)) return ButtonWidthNeeded(b, QStyle::SE_CheckBoxContents);
  if (const auto* b = qobject_cast<const QRadioButton*>(w)) return ButtonWidthNeeded(b, QStyle::SE_RadioButtonContents);
  if (const auto* b = qobject_cast<const QPushButton*>(w)) return ButtonWidthNeeded(b, QStyle::SE_PushButtonContents);
  if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title().isEmpty() ? 0 : g->minimumSizeHint().width();
  return 0;
}

FitResult FitTexts(QWidget* container) {
  Measures m;
  const Extents e = FitChildren(container, m);
  return {e.designRight, e.right};
}

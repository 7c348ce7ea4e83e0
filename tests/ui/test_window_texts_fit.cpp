// The options, DTMF and alignment windows show every text whole, in both
// languages, on the real loaded windows at 96 dpi: each list's field holds
// every item of its list beside the drop-down button, each caption fits its
// control, and no two shown controls of a frame (or of the window) lie over
// one another or over their frame's edge.
//
// What "fits" means is measured here with Qt's own rules for drawing the
// control, independently of how the windows size their controls:
// - a list: its text field (the line edit the combo box lays beside its
//   button) holds the item's advance, the line edit's 2-pixel margins, the
//   cursor and the font's bearings without scrolling; and the box is as wide
//   as the style asks for its widest item (QComboBox's AdjustToContents size
//   hint, from QStyle::sizeFromContents(CT_ComboBox));
// - a label: its text laid out in its contents rectangle, wrapped where the
//   label wraps, fits that rectangle;
// - a check box or an option button: its text fits the contents rectangle
//   beside the indicator;
// - a group box: its minimum size hint (the title with the style's margins);
// - a button: the text fits the button's contents rectangle.
#include "adj_window_fixture.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

#include <functional>
#include <string>
#include <vector>

namespace {

using Faults = std::vector<std::string>;

std::string Name(const QWidget* w) {
  std::string n = w->objectName().toStdString();
  const QVariant index = w->property("Index");
  if (index.isValid()) n += "(" + std::to_string(index.toInt()) + ")";
  return n.empty() ? w->metaObject()->className() : n;
}

std::string Px(int px) { return std::to_string(px) + " px"; }

// What a list's field needs for `text` to show whole: QLineEdit draws its
// text 2 pixels in from either side of its contents, with 1 pixel for the
// cursor behind it, and scrolls it once the bearings do not fit as well.
int FieldNeeds(const QLineEdit* e, const QString& text) {
  const QFontMetrics fm(e->font());
  return fm.horizontalAdvance(text) + 2 * 2 + 1 + std::max(0, -fm.minLeftBearing()) +
         std::max(0, -fm.minRightBearing());
}

// The width of the field that a line edit shows text in.
int FieldWidth(const QLineEdit* e) {
  QStyleOptionFrame o;
  o.initFrom(e);
  o.rect = e->rect();
  o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
  const QMargins m = e->textMargins();
  return e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e).width() - m.left() - m.right();
}

// QComboBox's size hint under AdjustToContents: the widest item's text and
// the style's frame, margins and drop-down button.
int AdjustToContentsWidth(const ComboList* c) {
  const QFontMetrics fm(c->font());
  int widest = 0;
  for (int i = 0; i < c->count(); ++i) widest = std::max(widest, fm.boundingRect(c->itemText(i)).width());
  QStyleOptionComboBox o;
  o.initFrom(c);
  o.editable = c->isEditable();
  o.frame = c->hasFrame();
  const QSize text(widest, std::max(fm.height(), 14) + 2);
  return c->style()->sizeFromContents(QStyle::CT_ComboBox, &o, text, c).width();
}

void CheckList(const ComboList* c, Faults& out) {
  const QLineEdit* e = c->lineEdit();
  const int field = FieldWidth(e);
  for (int i = 0; i < c->count(); ++i) {
    const QString item = c->itemText(i);
    const int needs = FieldNeeds(e, item);
    if (needs > field) {
      out.push_back(Name(c) + ": item \"" + item.toStdString() + "\" needs " + Px(needs) + ", the field is " +
                    Px(field));
      return;  // one item tells enough of a list
    }
  }
  const int hint = AdjustToContentsWidth(c);
  if (c->width() < hint) out.push_back(Name(c) + ": " + Px(c->width()) + " wide, the style asks " + Px(hint));
  const QFontMetrics fm(e->font());
  if (e->height() < fm.height())
    out.push_back(Name(c) + ": field " + Px(e->height()) + " high, its text " + Px(fm.height()));
}

void CheckCaption(const QWidget* w, Faults& out) {
  auto fault = [&](const QString& text, const QSize& needs) {
    out.push_back(Name(w) + ": \"" + text.toStdString() + "\" needs " + std::to_string(needs.width()) + " x " +
                  std::to_string(needs.height()) + ", has " + std::to_string(w->width()) + " x " +
                  std::to_string(w->height()));
  };
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->text().isEmpty()) return;
    const QRect cr = l->contentsRect();
    const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect br = QFontMetrics(l->font()).boundingRect(cr, flags, l->text());
    if (br.width() > cr.width() || br.height() > cr.height()) fault(l->text(), br.size());
  } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    const auto* b = static_cast<const QAbstractButton*>(w);
    if (b->text().isEmpty()) return;
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    const bool check = qobject_cast<const QCheckBox*>(w);
    const QRect cr =
        b->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &o, b);
    const QSize needs = QFontMetrics(b->font()).size(Qt::TextShowMnemonic, b->text());
    if (needs.width() > cr.width() || needs.height() > cr.height()) fault(b->text(), needs);
  } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
    const QSize hint = g->minimumSizeHint();
    if (!g->title().isEmpty() && hint.width() > g->width()) fault(g->title(), hint);
  } else if (const auto* p = qobject_cast<const QPushButton*>(w)) {
    QStyleOptionButton o;
    o.initFrom(p);
    o.text = p->text();
    const QRect cr = p->style()->subElementRect(QStyle::SE_PushButtonContents, &o, p);
    const QSize needs = QFontMetrics(p->font()).size(Qt::TextShowMnemonic, p->text());
    if (needs.width() > cr.width() || needs.height() > cr.height()) fault(p->text(), needs);
  }
}

// The controls a parent shows directly: its visible child widgets.
std::vector<QWidget*> Shown(const QWidget* parent) {
  std::vector<QWidget*> out;
  for (QObject* o : parent->children())
    if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow() && c->isVisible()) out.push_back(c);
  return out;
}

// A panel is a control that others lie over by design (the alignment
// window's tab strip and page groups): what counts of it is what it shows
// inside, its shown children.
using IsPanel = std::function<bool(const QWidget*)>;
QRect Area(const QWidget* w, const IsPanel& panel) {
  return panel(w) ? w->childrenRect().translated(w->pos()) : w->geometry();
}

// No two shown controls of one parent overlap, and a frame's controls lie
// inside it.
void CheckPlaces(const QWidget* parent, const IsPanel& panel, Faults& out) {
  const std::vector<QWidget*> shown = Shown(parent);
  for (std::size_t a = 0; a < shown.size(); ++a) {
    if (qobject_cast<const QGroupBox*>(parent) && !parent->rect().contains(shown[a]->geometry()))
      out.push_back(Name(shown[a]) + " goes over the edge of " + Name(parent));
    for (std::size_t b = a + 1; b < shown.size(); ++b)
      if (Area(shown[a], panel).intersects(Area(shown[b], panel)))
        out.push_back(Name(shown[a]) + " and " + Name(shown[b]) + " overlap in " + Name(parent));
  }
}

// Every check of a window as it shows now: every shown control, frame by frame.
void CheckShown(QWidget* window, const IsPanel& panel, Faults& out) {
  std::vector<QWidget*> parents{window};
  for (QGroupBox* g : window->findChildren<QGroupBox*>())
    if (g->isVisible()) parents.push_back(g);
  for (QWidget* p : parents) {
    CheckPlaces(p, panel, out);
    for (QWidget* c : Shown(p)) {
      if (auto* l = qobject_cast<ComboList*>(c))
        CheckList(l, out);
      else
        CheckCaption(c, out);
    }
  }
  // The whole window shows (a panel by what it shows: at 1024 x 768 the tab
  // strip's designed panel is wider than the window, its tabs are not).
  for (QWidget* c : Shown(window))
    if (!window->rect().contains(Area(c, panel))) out.push_back(Name(c) + " goes over the edge of the window");
}

std::string Lines(const Faults& faults) {
  std::string s;
  for (const std::string& f : faults) s += "  " + f + "\n";
  return s;
}

}  // namespace

// The three windows, each in both languages.
enum class Win { Options, Dtmf, Alignment };
struct FitCase {
  Win window;
  Int16 lang;
  int screenWidth, screenHeight;
};
std::ostream& operator<<(std::ostream& os, const FitCase& c) {
  static const char* const names[] = {"options", "DTMF", "alignment"};
  return os << names[static_cast<int>(c.window)] << (c.lang ? " in Chinese" : " in English") << " at " << c.screenWidth
            << " x " << c.screenHeight;
}

class WindowTextsFit : public AdjWindowOn<AppFixture>, public ::testing::WithParamInterface<FitCase> {
 protected:
  void SetUp() override {
    screen = {GetParam().screenWidth, GetParam().screenHeight, 96};
    start();
    activate();
    // The language as the user chooses it.
    if (GetParam().lang) main->MDImain_Language_chn_Click();
    ASSERT_EQ(st.Lang_chn, GetParam().lang);
  }
};

TEST_P(WindowTextsFit, EveryListAndCaptionShowsWhole) {
  Faults faults;
  auto none = [](const QWidget*) { return false; };
  switch (GetParam().window) {
    case Win::Options: {
      main->MDImain_Optional_edit_Click();
      auto* o = main->host().find<frm_option>();
      ASSERT_TRUE(o);
      CheckShown(o, none, faults);
      break;
    }
    case Win::Dtmf: {
      main->menu(QStringLiteral("Dtmf_edit"))->trigger();
      auto* d = main->host().find<frm_dtmf>();
      ASSERT_TRUE(d);
      CheckShown(d, none, faults);
      break;
    }
    case Win::Alignment: {
      ASSERT_TRUE(open());
      // The page groups lie over the tab strip's panel, and the controls
      // outside the groups over the groups.
      auto panels = [this](const QWidget* c) {
        return c == w->TabStrip1 || c == w->Frame_Frame || c == w->Frame_Sql || c == w->Frame_Dev ||
               c == w->Frame_Other;
      };
      // Every page, with the second band at 400..520 MHz and then, chosen
      // by its check box, at 200..270 MHz (other captions, the same room).
      for (const char* band : {"400", "200"}) {
        if (std::string(band) == "200") QTest::mouseClick(w->Check_Band, Qt::LeftButton, {}, QPoint(8, 10));
        ASSERT_EQ(w->Check_Band->isChecked(), std::string(band) == "200");
        for (int page = 0; page < 6; ++page) {
          clickTab(page);
          ASSERT_EQ(w->view().page, page);
          Faults onPage;
          CheckShown(w, panels, onPage);
          for (const std::string& f : onPage)
            faults.push_back(std::string(band) + " MHz, page " + std::to_string(page) + ": " + f);
        }
      }
      break;
    }
  }
  EXPECT_TRUE(faults.empty()) << Lines(faults);
}

std::string CaseName(const ::testing::TestParamInfo<FitCase>& info) {
  static const char* const names[] = {"Options", "Dtmf", "Alignment"};
  return std::string(names[static_cast<int>(info.param.window)]) + (info.param.lang ? "Chinese" : "English") +
         std::to_string(info.param.screenWidth);
}

// At 1280 x 1024 the windows have room to spare; at 1024 x 768 the options
// window is widened and the alignment window's frequency-range group grows.
INSTANTIATE_TEST_SUITE_P(BothLanguages, WindowTextsFit,
                         ::testing::Values(FitCase{Win::Options, 0, 1280, 1024}, FitCase{Win::Options, -1, 1280, 1024},
                                           FitCase{Win::Dtmf, 0, 1280, 1024}, FitCase{Win::Dtmf, -1, 1280, 1024},
                                           FitCase{Win::Alignment, 0, 1280, 1024},
                                           FitCase{Win::Alignment, -1, 1280, 1024}, FitCase{Win::Options, 0, 1024, 768},
                                           FitCase{Win::Options, -1, 1024, 768}, FitCase{Win::Dtmf, 0, 1024, 768},
                                           FitCase{Win::Dtmf, -1, 1024, 768}, FitCase{Win::Alignment, 0, 1024, 768},
                                           FitCase{Win::Alignment, -1, 1024, 768}),
                         CaseName);

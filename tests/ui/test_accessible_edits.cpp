// Text that assistive technology (a screen reader, a dictation tool) puts
// into a box through the box's accessibility interface, as such a tool does
// it: insertText, replaceText and deleteText of the editable-text interface,
// and setText of the value. A box with a key handler takes an insert or a
// replacement as it takes a paste (each character through the handler, as if
// typed), a deletion as the Delete key deletes, and nothing when it is
// read-only; a box without one keeps Qt's own edit of the whole text.
// Reading the text, the caret, the selection and the characters' places is
// the line edit's own.
#include "alignment/ui/frm_Adj_Txp.h"
#include "channels/ui/frm_chann.h"
#include "options_fixture.h"
#include "platform/combo_list.h"
#include "platform/grid.h"
#include "platform/tab_strip.h"
#include "platform/text_box.h"
#include "settings/dtmf_block.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"
#include "typed_in.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

enum class Edit { Insert, Replace, Delete, SetValue };

std::string Name(Edit e) {
  switch (e) {
    case Edit::Insert: return "insertText";
    case Edit::Replace: return "replaceText";
    case Edit::Delete: return "deleteText";
    case Edit::SetValue: return "setText(Value)";
  }
  return "";
}

// The interface assistive technology edits a control's text through: a
// box's own; for a list, its editable child (the field).
QAccessibleInterface* TextInterface(QWidget* control) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(control);
  if (!i || !qobject_cast<ComboList*>(control)) return i;
  for (int k = 0; k < i->childCount(); ++k)
    if (i->child(k)->role() == QAccessible::EditableText) return i->child(k);
  return nullptr;
}

// One edit through the interface: Insert puts `text` at `start`, Replace and
// Delete work on [start, end), SetValue sets the whole value.
void Apply(QWidget* control, Edit e, int start, int end, const QString& text) {
  QAccessibleInterface* i = TextInterface(control);
  ASSERT_TRUE(i && i->editableTextInterface()) << control->objectName().toStdString();
  QAccessibleEditableTextInterface* edit = i->editableTextInterface();
  switch (e) {
    case Edit::Insert: edit->insertText(start, text); break;
    case Edit::Replace: edit->replaceText(start, end, text); break;
    case Edit::Delete: edit->deleteText(start, end); break;
    case Edit::SetValue: i->setText(QAccessible::Value, text); break;
  }
}

// ---- the controls -------------------------------------------------------------------

// The controls of the paste tests, and beside them Qt's own line edit with
// Qt's own interface.
class AccessibleEditsTest : public typed_in::ControlsTest {
 protected:
  void SetUp() override {
    typed_in::ControlsTest::SetUp();
    qtEdit = new QLineEdit(window.get());
    window->layout()->addWidget(qtEdit);
    qtEdit->show();
  }

  QLineEdit* qtEdit = nullptr;
};

}  // namespace

// Each edit, made while another control has the focus: the box takes the
// focus, then an insert or a replacement goes in as a paste over the range
// would (each character to the handler with the text as it stands, the
// handler's replacement in, a dropped character out), a deletion as the
// Delete key deletes (no key reaches the handler); offsets beyond the text
// are its ends. Before, the text was set as it came: letters in a digit box.
TEST_F(AccessibleEditsTest, EditsOfABoxWithAKeyHandlerTakeThePastesWayIn) {
  struct Case {
    const char* what;
    const char* before;
    Edit edit;
    int start, end;
    const char* text;
    std::vector<int> seen;
    std::vector<std::string> texts;
    const char* after;
  };
  const Case cases[] = {
      {"insert: a letter dropped, one replaced, then full",
       "12",
       Edit::Insert,
       1,
       1,
       "x5a9",
       {'x', '5', 'a', '9'},
       {"12", "12", "152", "15A2"},
       "15A2"},
      {"insert beyond the end", "12", Edit::Insert, 9, 9, "5", {'5'}, {"12"}, "125"},
      {"insert of letters only", "12", Edit::Insert, 0, 0, "ab", {'a', 'b'}, {"12", "A12"}, "A12"},
      {"replace: into the text without the range", "1234", Edit::Replace, 1, 3, "7", {'7'}, {"14"}, "174"},
      {"replace by what the handler drops", "1234", Edit::Replace, 0, 4, "xy", {'x', 'y'}, {"", ""}, "1234"},
      {"replace, the range backwards", "1234", Edit::Replace, 3, 1, "7", {'7'}, {"14"}, "174"},
      {"replace by nothing deletes", "1234", Edit::Replace, 0, 2, "", {}, {}, "34"},
      {"delete as the Delete key", "1234", Edit::Delete, 1, 3, "", {}, {}, "14"},
      {"delete to beyond the end", "1234", Edit::Delete, 2, 99, "", {}, {}, "12"},
      {"delete of nothing", "1234", Edit::Delete, 2, 2, "", {}, {}, "1234"},
      {"set the value",
       "99",
       Edit::SetValue,
       0,
       0,
       "a1b\n2c3",
       {'a', '1', 'b', '2', 'c', '3'},
       {"", "A", "A1", "A1", "A12", "A12"},
       "A123"},
      {"set an empty value", "99", Edit::SetValue, 0, 0, "", {}, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box->setText(QString::fromLatin1(c.before));
    focusOn(other);
    box->ForgetUserChange();
    seen.clear(), texts.clear();
    QSignalSpy edited(box, &QLineEdit::textEdited);
    Apply(box, c.edit, c.start, c.end, QString::fromLatin1(c.text));
    EXPECT_EQ(box->Text().toStdString(), c.after);
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(texts, c.texts);
    // An edit of nothing does nothing at all.
    const bool nothing = c.start == c.end && !*c.text && c.edit != Edit::SetValue;
    EXPECT_EQ(QApplication::focusWidget(), nothing ? other : box);
    // The user's change, as typing is.
    EXPECT_EQ(box->ChangedByUser(), std::string(c.after) != c.before);
    EXPECT_EQ(edited.isEmpty(), std::string(c.after) == c.before);
  }
}

// An edit stops when the box goes away while a handler's message box runs
// its event loop; nothing touches the box after that.
TEST_F(AccessibleEditsTest, StopsWhenTheBoxGoesAway) {
  QPointer<TextBox> gone(box);
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
  box->onKeyPress = [&](int& key) {
    if (key != '#') return;
    gone->deleteLater();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
  };
  focusOn(box);
  i->editableTextInterface()->insertText(0, QStringLiteral("1#23"));
  EXPECT_TRUE(gone.isNull());
  box = nullptr;
}

// A list's field the same way, reached as the list's editable child: what
// goes in leaves no item chosen. A read-only field takes none of the edits.
TEST_F(AccessibleEditsTest, ListFieldsAndReadOnlyFields) {
  list->setListIndex(0);
  focusOn(other);
  Apply(list, Edit::SetValue, 0, 0, QStringLiteral("d0x23n"));
  EXPECT_EQ(list->Text(), QStringLiteral("D023N"));
  EXPECT_EQ(list->ListIndex(), -1);
  EXPECT_EQ(QApplication::focusWidget(), list);
  Apply(list, Edit::Insert, 0, 0, QStringLiteral("i"));
  EXPECT_EQ(list->Text(), QStringLiteral("ID023N"));
  Apply(list, Edit::Delete, 0, 1, QString());
  EXPECT_EQ(list->Text(), QStringLiteral("D023N"));

  QAccessibleInterface* field = TextInterface(readOnly);
  ASSERT_TRUE(field);
  EXPECT_TRUE(field->state().readOnly);
  for (Edit e : {Edit::Insert, Edit::Replace, Edit::Delete, Edit::SetValue}) {
    SCOPED_TRACE(Name(e));
    focusOn(other);
    Apply(readOnly, e, 0, 2, QStringLiteral("LOW"));
    EXPECT_EQ(readOnly->Text(), QStringLiteral("HIGH"));
    EXPECT_EQ(readOnly->ListIndex(), 0);
  }
}

// A box without a key handler keeps Qt's own edit: the same text as Qt's
// line edit makes of the same edit, in one change of the whole text, and the
// focus stays where it was.
TEST_F(AccessibleEditsTest, WithoutAKeyHandlerQtsOwnEdit) {
  struct Case {
    Edit edit;
    int start, end;
    const char* text;
  };
  const Case cases[] = {
      {Edit::Insert, 2, 2, "x\ty"},
      {Edit::Replace, 1, 3, "Q"},
      {Edit::Delete, 0, 2, ""},
      {Edit::SetValue, 0, 0, "z z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Name(c.edit));
    for (QLineEdit* e : {static_cast<QLineEdit*>(plain), qtEdit}) e->setText(QStringLiteral("ab12"));
    focusOn(other);
    QSignalSpy plainChanges(plain, &QLineEdit::textChanged);
    Apply(plain, c.edit, c.start, c.end, QString::fromLatin1(c.text));
    Apply(qtEdit, c.edit, c.start, c.end, QString::fromLatin1(c.text));
    EXPECT_EQ(plain->text(), qtEdit->text());
    EXPECT_EQ(plainChanges.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), other);
  }
}

// What assistive technology reads of a box is what Qt's line edit gives:
// the role, the state, the value (a password as stars), text ranges and the
// text around an offset (none of a password), the caret and the selection.
TEST_F(AccessibleEditsTest, ReadingIsTheLineEdits) {
  for (QLineEdit::EchoMode echo : {QLineEdit::Normal, QLineEdit::Password}) {
    SCOPED_TRACE(echo == QLineEdit::Normal ? "normal" : "password");
    for (QLineEdit* e : {static_cast<QLineEdit*>(box), qtEdit}) {
      e->setEchoMode(echo);
      e->setText(QStringLiteral("ab 12. cd ef"));
      e->setSelection(3, 4);
      e->setPlaceholderText(QStringLiteral("frequency"));
      e->setAccessibleName(QStringLiteral("Box"));
    }
    focusOn(box);
    QAccessibleInterface* ours = QAccessible::queryAccessibleInterface(box);
    QAccessibleInterface* qts = QAccessible::queryAccessibleInterface(qtEdit);
    ASSERT_TRUE(ours && qts);
    EXPECT_EQ(ours->role(), qts->role());
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
      EXPECT_EQ(ours->text(t), qts->text(t)) << t;
    const QAccessible::State s = ours->state(), q = qts->state();
    EXPECT_TRUE(s.editable && q.editable);
    EXPECT_EQ(s.readOnly, q.readOnly);
    EXPECT_EQ(s.passwordEdit, q.passwordEdit);
    EXPECT_EQ(s.selectableText, q.selectableText);
    EXPECT_EQ(s.focusable, q.focusable);
    EXPECT_TRUE(s.focused);
    QAccessibleTextInterface* a = ours->textInterface();
    QAccessibleTextInterface* b = qts->textInterface();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->characterCount(), b->characterCount());
    EXPECT_EQ(a->cursorPosition(), b->cursorPosition());
    EXPECT_EQ(a->selectionCount(), b->selectionCount());
    int s0 = 0, e0 = 0, s1 = 0, e1 = 0;
    a->selection(0, &s0, &e0);
    b->selection(0, &s1, &e1);
    EXPECT_EQ(std::make_pair(s0, e0), std::make_pair(s1, e1));
    EXPECT_EQ(a->text(2, 7), b->text(2, 7));
    using Around = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;
    for (Around around : {static_cast<Around>(&QAccessibleTextInterface::textAtOffset),
                          static_cast<Around>(&QAccessibleTextInterface::textBeforeOffset),
                          static_cast<Around>(&QAccessibleTextInterface::textAfterOffset)}) {
      for (QAccessible::TextBoundaryType kind : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                                 QAccessible::SentenceBoundary, QAccessible::LineBoundary}) {
        for (int offset : {-2, 0, 4, 7, 11}) {
          SCOPED_TRACE("offset " + std::to_string(offset) + ", boundary " + std::to_string(kind));
          s0 = e0 = s1 = e1 = -7;
          EXPECT_EQ((a->*around)(offset, kind, &s0, &e0), (b->*around)(offset, kind, &s1, &e1));
          EXPECT_EQ(std::make_pair(s0, e0), std::make_pair(s1, e1));
        }
      }
    }
    // The caret and the selection set through the interface.
    a->setCursorPosition(5);
    EXPECT_EQ(box->cursorPosition(), 5);
    a->setSelection(0, 1, 4);
    EXPECT_EQ(box->selectedText(), echo == QLineEdit::Normal ? QStringLiteral("b 1") : box->selectedText());
    EXPECT_EQ(box->selectionStart(), 1);
    a->removeSelection(0);
    EXPECT_FALSE(box->hasSelectedText());
  }
}

// Each character's place is where the box draws it: inside the box on the
// screen, one after the other, and the interface's own offset at a point
// just inside a character's left edge names that character.
TEST_F(AccessibleEditsTest, CharacterPlaces) {
  box->setText(QStringLiteral("1A2345"));
  box->setCursorPosition(2);
  QAccessibleTextInterface* t = QAccessible::queryAccessibleInterface(box)->textInterface();
  ASSERT_TRUE(t);
  const QRect onScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
  int previous = onScreen.left() - 1;
  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE(k);
    const QRect r = t->characterRect(k);
    ASSERT_FALSE(r.isEmpty());
    EXPECT_TRUE(onScreen.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    EXPECT_GT(r.left(), previous);
    previous = r.right();
    EXPECT_EQ(t->offsetAtPoint(QPoint(r.left() + r.width() / 4, r.center().y())), k);
  }
  EXPECT_TRUE(t->characterRect(6).isEmpty());
  box->setEchoMode(QLineEdit::Password);
  EXPECT_TRUE(t->characterRect(0).isEmpty());
}

// ---- the program's windows ----------------------------------------------------------

namespace {

// The boxes of the real windows the table below edits.
enum class Box {
  VfoFreq,    // options window, VFO A's frequency: digits and the point
  VfoTone,    // VFO A's receive tone list: digits, the point, D, N, I
  VfoBand,    // VFO A's band list: a read-only field
  DtmfAni,    // DTMF window, the ANI code: digits
  DtmfGroup,  // the second code group: the DTMF characters
  Info0,      // alignment window, first information line: digits
  ChannRx,    // the channel grid's editor over channel 1's RX frequency
  AdjPower,   // alignment window, a power box: no key handler
};

}  // namespace

// The options window's fixture (the real program on a 1280 x 1024 screen,
// the main window active), with the other windows beside it.
class AccessibleEdits : public OptionsFixture {
 protected:
  void bringUp(RadioWindow* window) {
    main->mdiArea()->setActiveSubWindow(static_cast<QMdiSubWindow*>(window->frame()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->mdiArea()->activeSubWindow() == window->frame(); }, 1000));
  }
  // Each window is loaded once (the menu would build it anew) and brought to
  // the front.
  frm_option* options() {
    if (!main->host().find<frm_option>()) return open();
    return current();
  }
  frm_dtmf* dtmf() {
    if (!main->host().find<frm_dtmf>()) main->menu(QStringLiteral("Dtmf_edit"))->trigger();
    auto* d = main->host().find<frm_dtmf>();
    if (d) bringUp(d);
    return d;
  }
  frm_Adj_Txp* adj(int page) {
    main->MDImain_Adj_Edit_Click();
    auto* a = main->host().find<frm_Adj_Txp>();
    if (!a) return nullptr;
    bringUp(a);
    QTabBar* bar = a->TabStrip1->bar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    return a;
  }
  frm_chann* chann() {
    auto* c = main->host().find<frm_chann>();
    if (c) bringUp(c);
    return c;
  }
  // Clicks on a cell of the channel grid.
  void clickCell(int r, int c) {
    Grid& grid = *chann()->MSF_Chann;
    const QModelIndex index = grid.model()->index(r - 1, c);
    grid.scrollTo(index);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
  }

  QWidget* control(Box b) {
    switch (b) {
      case Box::VfoFreq: return options()->vfo[0].Text_Freq;
      case Box::VfoTone: return options()->vfo[0].tones[0];
      case Box::VfoBand: return options()->vfo[0].Combo_Band;
      case Box::DtmfAni: return dtmf()->Text_Ani;
      case Box::DtmfGroup: return dtmf()->Text_tx_Encode[1];
      case Box::Info0: return adj(5)->Text_info_0;
      case Box::ChannRx: return chann()->Text_Edit;
      case Box::AdjPower: return adj(0)->Text1[3];
    }
    return nullptr;
  }
  static QLineEdit* field(QWidget* c) {
    auto* l = qobject_cast<ComboList*>(c);
    return l ? l->lineEdit() : qobject_cast<QLineEdit*>(c);
  }
  // The user clicks into the box and types `text` over what it shows (a
  // read-only field keeps what it shows).
  QWidget* into(Box b, const QString& text) {
    if (b == Box::ChannRx) clickCell(2, 2);
    QWidget* c = control(b);
    QLineEdit* f = field(c);
    if (b != Box::ChannRx) QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(6, f->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return focus() == c || focus() == f; }, 1000)) << c->objectName().toStdString();
    if (!f->isReadOnly()) {
      f->selectAll();
      QTest::keyClick(focus(), Qt::Key_Delete);
      QTest::keyClicks(focus(), text);
    }
    return c;
  }
  // The user leaves the box: Tab, or a click on the channel number.
  void leave(Box b) {
    if (b == Box::ChannRx)
      clickCell(2, 0);
    else
      tab();
  }
  int vfoA(int n) const { return image.image()(img::kVfoAFirst + n / 16, n % 16); }
  std::vector<int> bytes(int row, int first, int count) const {
    std::vector<int> out;
    for (int c = first; c < first + count; ++c) out.push_back(image.image()(row, c));
    return out;
  }
  // What the box's value is stored as, after it was left.
  std::vector<int> stored(Box b) {
    std::vector<int> out;
    switch (b) {
      case Box::VfoFreq:
        for (int n = 8; n < 16; ++n) out.push_back(vfoA(n));
        break;
      case Box::VfoTone: out = {vfoA(22), vfoA(23)}; break;
      case Box::VfoBand: out = {vfoA(26)}; break;
      case Box::DtmfAni: out = bytes(img::kDtmfSettingsRow, dtmf::kAniFirst, 5); break;
      case Box::DtmfGroup: out = bytes(dtmf::GroupRow(1), 0, 5); break;
      case Box::Info0: out.assign(st.AdjTable[14].begin(), st.AdjTable[14].begin() + 7); break;
      case Box::ChannRx: break;  // the grid's cell is compared
      case Box::AdjPower: out = {st.AdjTable[0][3]}; break;
    }
    return out;
  }
};

// A table over boxes of the real windows: the box is clicked into and typed
// into, then assistive technology edits it through its interface; what the
// box holds then, and what it stores (or the grid shows) once the user has
// left it. Each filtered box takes what its keys could have typed; the power
// box, which has no key handler, takes the whole text as Qt sets it. Before,
// every box took the text as it came ("ab" in the digits-only line, letters
// in a frequency, a lower-case tone, a band text in the read-only field).
TEST_F(AccessibleEdits, BoxesOfTheWindowsTakeWhatTheirKeysCouldHaveTyped) {
  struct Case {
    Box box;
    const char* typed;  // by the user first
    Edit edit;
    int start, end;
    const char* text;
    const char* held;  // in the box after the edit
    const char* left;  // ... and after leaving it
    std::vector<int> stored;
  };
  const Case cases[] = {
      {Box::VfoFreq, "", Edit::SetValue, 0, 0, "1a4b6.5x2 MHz", "146.52", "146.52000", {1, 4, 6, 5, 2, 0, 0, 0}},
      {Box::VfoFreq, "145", Edit::Insert, 3, 3, "ab.5", "145.5", "145.50000", {1, 4, 5, 5, 0, 0, 0, 0}},
      {Box::VfoFreq, "146.52", Edit::Delete, 3, 6, "", "146", "146.00000", {1, 4, 6, 0, 0, 0, 0, 0}},
      {Box::VfoTone, "", Edit::Replace, 0, 0, "d023n", "D023N", "D023N", {1, 0}},
      {Box::VfoBand, "", Edit::SetValue, 0, 0, "UHF", "VHF", "VHF", {0}},
      {Box::VfoBand, "", Edit::Delete, 0, 3, "", "VHF", "VHF", {0}},
      {Box::DtmfAni, "", Edit::Insert, 0, 0, "98 76", "9876", "9876", {9, 8, 7, 6, 0xFF}},
      {Box::DtmfAni, "123", Edit::Replace, 0, 1, "x7y", "723", "723", {7, 2, 3, 0xFF, 0xFF}},
      {Box::DtmfGroup, "12", Edit::Insert, 1, 1, "a\n", "1a2", "1A2", {1, 13, 2, 0xFF, 0xFF}},
      {Box::Info0, "12", Edit::Insert, 0, 0, "ab", "12", "12 ", {32, 32, 49, 50, 32, 32, 32}},
      {Box::Info0, "", Edit::SetValue, 0, 0, "12ab34\n", "1234", "1234 ", {32, 49, 50, 51, 52, 32, 32}},
      {Box::ChannRx, "", Edit::SetValue, 0, 0, "146.52\n", "146.52", "146.52000", {}},
      {Box::AdjPower, "", Edit::SetValue, 0, 0, "77", "77", "77", {77}},
  };
  for (const Case& c : cases) {
    QWidget* box = into(c.box, QString::fromLatin1(c.typed));
    SCOPED_TRACE(box->objectName().toStdString() + ": " + Name(c.edit) + " \"" + c.text + "\"");
    Apply(box, c.edit, c.start, c.end, QString::fromLatin1(c.text));
    EXPECT_EQ(field(box)->text().toStdString(), c.held);
    leave(c.box);
    const QString left = c.box == Box::ChannRx ? chann()->MSF_Chann->TextMatrix(2, 2).trimmed() : field(box)->text();
    EXPECT_EQ(left.toStdString(), c.left);
    EXPECT_EQ(stored(c.box), c.stored);
    EXPECT_TRUE(prompt.calls.empty()) << prompt.calls.front().text.toStdString();
    prompt.calls.clear();
  }
}

// An edit of a box that does not have the focus is an edit by the user
// there: the box takes the focus first, so the box left commits what it
// holds; a box left that refuses its value (its message, the focus given
// back) keeps the focus, and the edit goes nowhere.
TEST_F(AccessibleEdits, AnEditTakesTheFocusFirst) {
  ASSERT_TRUE(options());
  TextBox* freq = w->vfo[0].Text_Freq;
  TextBox* offset = w->vfo[0].Text_Offset;
  into(Box::VfoFreq, QStringLiteral("145"));
  Apply(offset, Edit::SetValue, 0, 0, QStringLiteral("0.6 MHz"));
  EXPECT_EQ(focus(), offset);
  EXPECT_EQ(freq->Text(), QStringLiteral("145.00000"));
  EXPECT_EQ(vfoA(8), 1);
  EXPECT_EQ(vfoA(10), 5);
  EXPECT_EQ(offset->Text(), QStringLiteral("0.6"));
  EXPECT_TRUE(prompt.calls.empty());

  into(Box::VfoFreq, QStringLiteral("12"));  // out of every band
  const QString shown = offset->Text();
  Apply(offset, Edit::Insert, 0, 0, QStringLiteral("1"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(focus(), freq);
  EXPECT_EQ(offset->Text(), shown);
}

// A cell editor that is not open (hidden) takes nothing; the cell it was
// last open on shows what it showed.
TEST_F(AccessibleEdits, AHiddenCellEditorTakesNothing) {
  frm_chann* c = chann();
  ASSERT_TRUE(c);
  into(Box::ChannRx, QStringLiteral("146.52"));
  leave(Box::ChannRx);
  ASSERT_FALSE(c->Text_Edit->isVisible());
  const QString before = c->Text_Edit->text();
  for (Edit e : {Edit::Insert, Edit::Replace, Edit::Delete, Edit::SetValue}) {
    SCOPED_TRACE(Name(e));
    Apply(c->Text_Edit, e, 0, 3, QStringLiteral("999"));
    EXPECT_EQ(c->Text_Edit->text(), before);
  }
  EXPECT_EQ(c->MSF_Chann->TextMatrix(2, 2).trimmed(), QStringLiteral("146.52000"));
}

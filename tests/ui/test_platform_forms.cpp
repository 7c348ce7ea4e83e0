// The controls of the settings windows on a real window: a small editor
// loaded by the program's window host as an MDI child of the real main
// window (beside the channel window of the start-up), driven by real key and
// mouse events. What is tested is what the handlers see: which events run,
// in which order, and where the focus is afterwards. The message boxes run a
// real nested event loop. They pass offscreen and on Xvfb
// (QT_QPA_PLATFORM=xcb).
#include "alignment/adj_texts.h"
#include "app_fixture.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/qt_services.h"
#include "platform/tab_strip.h"
#include "platform/text_box.h"
#include "typed_in.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr Caption kFormCaptions[] = {
    {"FormWindow", {"Form", "表"}},    {"Label_A", {"Alarm", "报 警 码"}},
    {"Check_1", {"Beep", "哔声"}},     {"Option_a", {"Frequency ", "频率"}},
    {"Option_b", {"Channel", "信道"}}, {"Frame_Mode", {"Work Mode", "当前工作模式"}},
    {"Text_C", {"KELMOR", "KELMOR"}},
};
constexpr Message kBad{{"Bad value.", "错误"}, {"Operate prompt", "操作提示"}};

// A window with one control of each kind. Every handler notes itself in
// `log`; a text box rejects its value on lost-focus while `reject` names it.
class FormWindow : public RadioWindow {
 public:
  explicit FormWindow(WindowContext& context) : RadioWindow(context) {
    setObjectName(QStringLiteral("FormWindow"));
    Captions(kFormCaptions);
    Label_A = Control<QLabel>("Label_A");
    Text_A = Control<TextBox>("Text_A");
    Text_B = Control<TextBox>("Text_B");
    Combo_set = Control<ComboList>("Combo_set");
    Combo_typed = Control<ComboList>("Combo_typed");
    Check_1 = Control<CheckBox>("Check_1");
    Check_2 = Control<CheckBox>("Check_2");
    Frame_Mode = Control<QGroupBox>("Frame_Mode");
    Option_a = new OptionButton(Frame_Mode);
    Option_a->setObjectName(QStringLiteral("Option_a"));
    Option_b = new OptionButton(Frame_Mode);
    Option_b->setObjectName(QStringLiteral("Option_b"));
    TabStrip1 = Control<TabStrip>("TabStrip1");
    Text_C = Control<TextBox>("Text_C");
    Command_close = Control<QPushButton>("Command_close");
    Command_def = Control<QPushButton>("Command_def");
    Label_A->setBuddy(Text_A);

    place(Label_A, 120, 120, 900, 300);
    place(Text_A, 1080, 120, 1500, 300);
    place(Text_B, 1080, 480, 1500, 300);
    place(Combo_set, 1080, 840, 1500, 315);
    place(Combo_typed, 1080, 1200, 1500, 315);
    place(Check_1, 2700, 120, 1500, 300);
    place(Check_2, 2700, 480, 1500, 300);
    place(Frame_Mode, 2700, 840, 2400, 855);
    place(Option_a, 120, 300, 1000, 300);
    place(Option_b, 1200, 300, 1000, 300);
    place(TabStrip1, 120, 1800, 9000, 1200);
    place(Text_C, 1080, 3100, 1500, 300);
    place(Command_close, 4500, 3100, 900, 400);
    place(Command_def, 5580, 3100, 900, 400);

    for (ComboList* c : {Combo_set, Combo_typed}) {
      c->setMode(ComboList::Mode::Setting);
      c->AddItems({QStringLiteral("OFF"), QStringLiteral("67.0"), QStringLiteral("69.3")});
    }
    Combo_set->setFieldReadOnly(true);
    for (const adj::PageSpec& p : adj::kPageSpecs) TabStrip1->AddTab(QString::fromLatin1(p.key), p.tab.in(true));

    for (TextBox* t : {Text_A, Text_B, Text_C}) {
      t->onChange = On(&FormWindow::Text_Change, index(t));
      t->onGotFocus = On(&FormWindow::Text_GotFocus, index(t));
      t->onLostFocus = On(&FormWindow::Text_LostFocus, index(t));
    }
    Combo_set->onClick = On(&FormWindow::Combo_set_Click);
    Combo_set->onChange = [this] { note("change:Combo_set"); };
    Combo_set->onKeyPress = On(&FormWindow::Combo_set_KeyPress);
    Combo_set->onLostFocus = [this] { note("lost:Combo_set"); };
    Combo_typed->onClick = [this] { note("click:Combo_typed:" + Combo_typed->Text()); };
    Combo_typed->onChange = [this] { note("change:Combo_typed:" + Combo_typed->Text()); };
    Combo_typed->onLostFocus = [this] { note("lost:Combo_typed"); };
    Combo_typed->onGotFocus = [this] { note("got:Combo_typed"); };
    Check_1->onClick = On(&FormWindow::Check_1_Click);
    Check_2->onClick = [this] { note("click:Check_2=" + QString::number(Check_2->Value())); };
    Option_a->onClick = [this] { note("click:Option_a"); };
    Option_b->onClick = [this] { note("click:Option_b"); };
    TabStrip1->onClick = [this] { note("tab:" + TabStrip1->SelectedKey()); };
    connect(Command_close, &QPushButton::clicked, this, On(&FormWindow::Command_close_Click));
    connect(Command_def, &QPushButton::clicked, this, [this] { note("click:Command_def"); });
    PressAlwaysActs(Command_def);
  }
  bool isMdiChild() const override { return true; }
  void Form_Load() override { setTwipsGeometry(0, 0, 9600, 4500); }

  void Text_Change(int i) { note("change:" + box(i)->objectName() + "=" + box(i)->Text()); }
  void Text_GotFocus(int i) { note("got:" + box(i)->objectName()); }
  void Text_LostFocus(int i) {
    note("lost:" + box(i)->objectName());
    if (!reject.contains(box(i)->objectName())) return;
    if (giveBackFirst) box(i)->SetFocus();
    MsgBox(kBad);
    if (!giveBackFirst) box(i)->SetFocus();
  }
  void Combo_set_Click() {
    note("click:Combo_set:" + Combo_set->Text());
    if (onSetClick) onSetClick();
  }
  void Combo_set_KeyPress(int& key) {
    keys.push_back(key);
    key = 0;
  }
  void Check_1_Click() {
    note("click:Check_1=" + QString::number(Check_1->Value()));
    if (onCheck1Click) onCheck1Click();
  }
  void Command_close_Click() {
    note("click:Command_close");
    wctx.host.unloadWindow(this);
  }

  int index(TextBox* t) const { return t == Text_A ? 0 : t == Text_B ? 1 : 2; }
  TextBox* box(int i) const { return i == 0 ? Text_A : i == 1 ? Text_B : Text_C; }
  void note(const QString& s) { log.push_back(s.toStdString()); }

  QLabel* Label_A;
  TextBox *Text_A, *Text_B, *Text_C;
  ComboList *Combo_set, *Combo_typed;
  CheckBox *Check_1, *Check_2;
  QGroupBox* Frame_Mode;
  OptionButton *Option_a, *Option_b;
  TabStrip* TabStrip1;
  QPushButton* Command_close;
  QPushButton* Command_def;  // its press always acts

  std::vector<std::string> log;
  std::vector<int> keys;
  QStringList reject;
  bool giveBackFirst = false;
  std::function<void()> onSetClick, onCheck1Click;
};

using Log = std::vector<std::string>;

}  // namespace

class FormsTest : public AppFixture {
 protected:
  void SetUp() override {
    start();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    w = main->host().load<FormWindow>();
    ASSERT_TRUE(w);
    ASSERT_EQ(main->mdiArea()->activeSubWindow(), w->frame());
    focusOn(w->Text_A);
    w->log.clear();
  }
  void focusOn(QWidget* c) {
    c->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == c; }, 1000))
        << c->objectName().toStdString();
  }
  static QWidget* focus() { return QApplication::focusWidget(); }
  static void tab() { QTest::keyClick(focus(), Qt::Key_Tab); }
  static void backTab() { QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier); }
  static void click(QWidget* c, QPoint at = QPoint()) { QTest::mouseClick(c, Qt::LeftButton, {}, at); }
  QPoint tabCentre(int i) const { return w->TabStrip1->bar()->tabRect(i).center(); }
  QWidget* otherChild() const {
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
      if (sub->widget() != w) return sub->widget();
    return nullptr;
  }
  // Lets a deferred deletion happen, so that a test can see a window gone.
  bool loaded() const { return main->host().isLoaded<FormWindow>(); }

  FormWindow* w = nullptr;
};

// ---- lists -------------------------------------------------------------------

// A settings list: a click only for a change of position, by code or by the
// user's choice (which always counts); text in the field chooses nothing.
TEST_F(FormsTest, SettingListModeTable) {
  ComboList* c = w->Combo_typed;
  const auto pickFromDropDown = [&](int item) {
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = true;
    const QRect arrow = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxArrow, c);
    click(c, arrow.center());
    QAbstractItemView* view = c->view();
    ASSERT_TRUE(view->isVisible());
    // Qt ignores a release too soon after the drop-down opened: keys choose.
    for (int i = view->currentIndex().row(); i > item; --i) QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->isVisible());
  };
  struct Case {
    const char* what;
    std::function<void()> act;
    Log events;
    int index;
    const char* text;
  };
  const Case cases[] = {
      {"same index by code", [&] { c->setListIndex(1); }, {}, 1, "67.0"},
      {"new index by code", [&] { c->setListIndex(2); }, {"click:Combo_typed:69.3"}, 2, "69.3"},
      {"user picks the current item", [&] { pickFromDropDown(1); }, {"click:Combo_typed:67.0"}, 1, "67.0"},
      {"user picks another item", [&] { pickFromDropDown(0); }, {"click:Combo_typed:OFF"}, 0, "OFF"},
      {"user moves by arrow key", [&] { QTest::keyClick(c, Qt::Key_Down); }, {"click:Combo_typed:69.3"}, 2, "69.3"},
      {"text by code", [&] { c->setText(QStringLiteral("88.5")); }, {"change:Combo_typed:88.5"}, -1, "88.5"},
      {"an item's text by code", [&] { c->setText(QStringLiteral("69.3")); }, {"change:Combo_typed:69.3"}, -1, "69.3"},
      {"the shown text by code", [&] { c->setText(QStringLiteral("67.0")); }, {}, -1, "67.0"},
      {"typed text", [&] { QTest::keyClick(c, Qt::Key_5); }, {"change:Combo_typed:67.05"}, -1, "67.05"},
      {"typed, then the same index by code",
       [&] {
         QTest::keyClick(c, Qt::Key_5);
         c->setListIndex(1);
       },
       {"change:Combo_typed:67.05", "click:Combo_typed:67.0"},
       1,
       "67.0"},
      {"-1 by code", [&] { c->setListIndex(-1); }, {}, -1, ""},
      {"past the end by code", [&] { c->setListIndex(3); }, {}, -1, ""},
      {"fill",
       [&] {
         c->Clear(), c->AddItems({QStringLiteral("A"), QStringLiteral("B")});
       },
       {},
       -1,
       ""},
      {"more items", [&] { c->AddItems({QStringLiteral("D023N")}); }, {}, 1, "67.0"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    c->Clear();
    c->AddItems({QStringLiteral("OFF"), QStringLiteral("67.0"), QStringLiteral("69.3")});
    c->setListIndex(1);
    focusOn(c);
    w->log.clear();
    k.act();
    EXPECT_EQ(w->log, k.events);
    EXPECT_EQ(c->ListIndex(), k.index);
    EXPECT_EQ(c->Text().toStdString(), k.text);
  }
  EXPECT_EQ(c->ListCount(), 4);
}

// A show sets lists and boxes while their handlers run nested: a handler
// that runs the show again, setting the same list to the position it holds,
// raises nothing, and every control's handler runs once.
TEST_F(FormsTest, NestedShowRaisesEachHandlerOnce) {
  const auto show = [&] {
    w->Combo_set->setListIndex(2);
    w->Check_1->setValue(1);
  };
  w->onSetClick = show;
  show();
  EXPECT_EQ(w->log, (Log{"click:Combo_set:69.3", "click:Check_1=1"}));
  // A handler that moves another control runs that control's handler inside its own.
  w->log.clear();
  w->onSetClick = [&] { w->Check_2->setValue(1); };
  w->onCheck1Click = [&] { w->Combo_set->setListIndex(0); };
  w->Check_1->setValue(0);
  EXPECT_EQ(w->log, (Log{"click:Check_1=0", "click:Combo_set:OFF", "click:Check_2=1"}));
}

// A list whose key handler drops every key: nothing typed, deleted, cut or
// pasted changes its field; the arrow keys still choose.
TEST_F(FormsTest, ReadOnlyListFieldKeepsItsText) {
  ComboList* c = w->Combo_set;
  c->setListIndex(1);
  focusOn(c);
  w->log.clear();
  QApplication::clipboard()->setText(QStringLiteral("99"));
  const auto press = [&](int key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(c, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(c, &up);
  };
  c->lineEdit()->setCursorPosition(0);
  press(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));  // as X sends it
  QTest::keyClick(c, Qt::Key_Delete);                             // as QTest sends it
  QTest::keyClick(c, Qt::Key_End);
  QTest::keyClick(c, Qt::Key_Backspace);
  QTest::keyClicks(c, QStringLiteral("x7"));
  QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(c, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(c, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::keyClick(c, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(c->Text(), QStringLiteral("67.0"));
  EXPECT_EQ(c->ListIndex(), 1);
  EXPECT_EQ(w->keys, (std::vector<int>{8, 'x', '7'}));
  EXPECT_TRUE(w->log.empty()) << w->log.front();
  QTest::keyClick(c, Qt::Key_Down);
  EXPECT_EQ(w->log, (Log{"click:Combo_set:69.3"}));
  EXPECT_EQ(c->Text(), QStringLiteral("69.3"));
}

// A read-only field shows the beginning of an item longer than the field,
// whether code or the user chose it; a field that takes typing keeps the
// cursor at the end of its text.
TEST_F(FormsTest, ReadOnlyListFieldShowsTheStartOfItsItem) {
  const QString longItem = QStringLiteral("KB DTMFST + Send ANI DTMFST, longer than any field");
  for (ComboList* c : {w->Combo_set, w->Combo_typed}) {
    c->AddItems({longItem});
    c->setListIndex(3);
    ASSERT_EQ(c->Text(), longItem);
    const int expected = c->fieldReadOnly() ? 0 : static_cast<int>(longItem.size());
    EXPECT_EQ(c->lineEdit()->cursorPosition(), expected) << c->objectName().toStdString();
    c->setListIndex(0);
    focusOn(c);
    QTest::keyClick(c, Qt::Key_Up);  // stays on the first item
    c->setListIndex(2);
    QTest::keyClick(c, Qt::Key_Down);  // the user's choice
    ASSERT_EQ(c->ListIndex(), 3);
    EXPECT_EQ(c->lineEdit()->cursorPosition(), expected) << c->objectName().toStdString();
  }
  // Tab into the read-only field selects it all with its beginning in view,
  // and leaving it keeps the beginning in view.
  focusOn(w->Text_B);
  tab();
  ASSERT_EQ(focus(), w->Combo_set);
  EXPECT_EQ(w->Combo_set->lineEdit()->selectedText(), longItem);
  EXPECT_EQ(w->Combo_set->lineEdit()->cursorPosition(), 0);
  tab();
  EXPECT_EQ(w->Combo_set->lineEdit()->cursorPosition(), 0);
}

// ---- text boxes ----------------------------------------------------------------

TEST_F(FormsTest, TextBoxChangeAndChangedByUser) {
  TextBox* b = w->Text_B;
  // The caption table's design text is no change.
  EXPECT_EQ(w->Text_C->Text(), QStringLiteral("KELMOR"));
  b->setText(QStringLiteral("12"));
  b->setText(QStringLiteral("12"));  // the text it has: nothing
  EXPECT_EQ(w->log, (Log{"change:Text_B=12"}));
  tab();
  ASSERT_EQ(focus(), b);
  EXPECT_FALSE(b->ChangedByUser());
  b->setText(QStringLiteral("123"));
  EXPECT_FALSE(b->ChangedByUser());
  QTest::keyClick(b, Qt::Key_4);
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_TRUE(b->ChangedByUser());
  EXPECT_EQ(w->log, (Log{"change:Text_B=12", "lost:Text_A", "got:Text_B", "change:Text_B=123", "change:Text_B=1234",
                         "change:Text_B=123"}));
  // A change handler that replaces the text runs again inside the setter.
  w->log.clear();
  b->onChange = [&] {
    w->Text_Change(1);
    if (b->Text().size() > 3) b->setText(QString());
  };
  QTest::keyClick(b, Qt::Key_9);
  EXPECT_EQ(w->log, (Log{"change:Text_B=1239", "change:Text_B="}));
  EXPECT_EQ(b->Text(), QString());
  // Leaving and coming back: a new visit, nothing changed yet.
  backTab();
  tab();
  EXPECT_FALSE(b->ChangedByUser());
  // The window may take the text as its own again (it showed other data).
  QTest::keyClick(b, Qt::Key_5);
  EXPECT_TRUE(b->ChangedByUser());
  b->ForgetUserChange();
  EXPECT_FALSE(b->ChangedByUser());
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_TRUE(b->ChangedByUser());
}

// Keys with Ctrl are commands, not characters for the handler. Alt and Meta
// with a letter type the letter (Qt's line edit inserts it): the handler
// judges them like any typed character, so a digits-only box stays digits.
TEST_F(FormsTest, TextBoxKeyHandlerSeesTypedCharactersOnly) {
  std::vector<int> seen;
  w->Text_A->onKeyPress = [&](int& key) {
    seen.push_back(key);
    if (key != 13 && !(key >= '0' && key <= '9')) key = 0;
  };
  QTest::keyClick(w->Text_A, Qt::Key_1);
  QTest::keyClick(w->Text_A, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w->Text_A, Qt::Key_F, Qt::AltModifier);
  QTest::keyClick(w->Text_A, Qt::Key_M, Qt::MetaModifier);
  QTest::keyClick(w->Text_A, Qt::Key_2, Qt::AltModifier);
  QTest::keyClick(w->Text_A, Qt::Key_Delete);
  QTest::keyClick(w->Text_A, Qt::Key_Return);
  EXPECT_EQ(seen, (std::vector<int>{'1', 'f', 'm', '2', 13}));
  EXPECT_EQ(w->Text_A->Text(), QStringLiteral("2"));  // Ctrl+A selected the 1, Alt+2 typed over it
}

// ---- focus ------------------------------------------------------------------------

// Lost-focus runs after a move to another control of the window, then
// got-focus for the control that has the focus.
TEST_F(FormsTest, LostFocusOnMovesInsideTheWindow) {
  tab();
  backTab();
  click(w->Text_B);
  click(w->Check_2);  // a control without focus events takes the focus too
  click(w->Text_A);
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "got:Text_B", "lost:Text_B", "got:Text_A", "lost:Text_A", "got:Text_B",
                         "lost:Text_B", "got:Text_A"}));
  // Into a list and out: the list raises its own.
  w->log.clear();
  click(w->Combo_typed);
  tab();
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "got:Combo_typed", "lost:Combo_typed"}));
}

// Leaving for another window, a message box, a menu or the list's own
// drop-down raises nothing, and coming back to the same control neither.
TEST_F(FormsTest, NoLostFocusForOtherWindowsMenusMessageBoxesAndDropDowns) {
  // Another MDI child, and back by a click on the same box.
  QWidget* other = otherChild();
  ASSERT_TRUE(other);
  QWidget* grid = other->findChild<QTableWidget*>();
  ASSERT_TRUE(grid);
  click(static_cast<QTableWidget*>(grid)->viewport(), QPoint(60, 40));
  ASSERT_FALSE(w->isAncestorOf(focus()));
  click(w->Text_A);
  ASSERT_EQ(focus(), w->Text_A);
  // A message box over the window, closed by the user.
  QMessageBox* box =
      new QMessageBox(QMessageBox::Warning, QStringLiteral("t"), QStringLiteral("m"), QMessageBox::Ok, main.get());
  box->setAttribute(Qt::WA_DeleteOnClose);
  QTimer::singleShot(0, box, [box] {
    if (QTest::qWaitForWindowActive(box))
      QTest::keyClick(box, Qt::Key_Return);
    else
      box->accept();
  });
  box->exec();
  main->activateWindow();  // what the window manager does when the box has gone
  ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == w->Text_A; }, 2000));
  // The main window's menu, opened and closed.
  QMenuBar* bar = main->menuBar();
  QAction* first = bar->actions().front();
  click(bar, bar->actionGeometry(first).center());
  ASSERT_TRUE(QApplication::activePopupWidget());
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  EXPECT_FALSE(QApplication::activePopupWidget());
  if (focus() == bar) QTest::keyClick(bar, Qt::Key_Escape);  // the bar lets the focus go
  EXPECT_EQ(focus(), w->Text_A);
  EXPECT_TRUE(w->log.empty()) << w->log.front();

  // The drop-down of a list: opened, an item picked, closed.
  w->Combo_typed->setListIndex(0);
  click(w->Combo_typed);
  w->log.clear();
  w->Combo_typed->showPopup();
  QAbstractItemView* view = w->Combo_typed->view();
  ASSERT_TRUE(view->isVisible());
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(focus(), w->Combo_typed);
  EXPECT_EQ(w->log, (Log{"click:Combo_typed:67.0"}));
}

// Back from another window to another control of this one: that control got
// the focus; the control left before raises no lost-focus.
TEST_F(FormsTest, BackFromAnotherWindowToAnotherControl) {
  QTableWidget* grid = otherChild()->findChild<QTableWidget*>();
  click(grid->viewport(), QPoint(60, 40));
  click(w->Text_B);
  EXPECT_EQ(w->log, (Log{"got:Text_B"}));
}

// Hiding or disabling the control that has the focus moves the focus on
// without a lost-focus; unloading the window raises none and no handler runs
// after the unload.
TEST_F(FormsTest, NoLostFocusForHideDisableOrUnload) {
  w->reject = {QStringLiteral("Text_A"), QStringLiteral("Text_B")};
  w->Text_A->hide();
  EXPECT_NE(focus(), w->Text_A);
  w->Text_A->show();
  focusOn(w->Text_B);
  w->log.clear();
  w->Text_B->setEnabled(false);
  EXPECT_NE(focus(), w->Text_B);
  w->Text_B->setEnabled(true);
  focusOn(w->Text_B);
  w->log.clear();
  QTest::keyClick(w->Text_B, Qt::Key_7);
  main->host().unload<FormWindow>();
  EXPECT_FALSE(loaded());
  // Still there until the event loop deletes it: its events are off.
  w->Text_B->setText(QStringLiteral("late"));
  w->Check_1->setValue(1);
  EXPECT_EQ(w->log, (Log{"change:Text_B=7"}));
  EXPECT_TRUE(prompt.calls.empty());
  settle();
}

// A lost-focus handler that rejects the value gives the focus back: the box
// that had just received the focus raises nothing, on either side; exactly
// one message for one mistake, also between two bad boxes.
TEST_F(FormsTest, GiveBackIsNotValidated) {
  w->reject = {QStringLiteral("Text_A"), QStringLiteral("Text_B")};
  for (bool giveBackFirst : {false, true}) {
    SCOPED_TRACE(giveBackFirst ? "focus back, then the message" : "message, then focus back");
    w->giveBackFirst = giveBackFirst;
    prompt.calls.clear();
    w->log.clear();
    tab();
    EXPECT_EQ(focus(), w->Text_A);
    click(w->Text_B);
    EXPECT_EQ(focus(), w->Text_A);
    backTab();
    EXPECT_EQ(focus(), w->Text_A);
    EXPECT_EQ(w->log, (Log{"lost:Text_A", "lost:Text_A", "lost:Text_A"}));
    EXPECT_EQ(prompt.calls.size(), 3u);
  }
  // Accepted at last: the move goes on.
  w->reject.clear();
  w->log.clear();
  tab();
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "got:Text_B"}));
}

// The message box of a rejection runs a nested event loop: a real one (the
// recording prompt running an event loop, and a real QMessageBox) changes
// nothing of the above.
TEST_F(FormsTest, GiveBackAroundANestedEventLoop) {
  w->reject = {QStringLiteral("Text_A"), QStringLiteral("Text_B")};
  prompt.onShow = [](const PromptCall&) {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
  };
  tab();
  EXPECT_EQ(focus(), w->Text_A);
  EXPECT_EQ(w->log, (Log{"lost:Text_A"}));

  prompt.onShow = [&](const PromptCall& call) {
    QMessageBox box(QMessageBox::Warning, call.title, call.text, QMessageBox::Ok, main.get());
    QTimer::singleShot(0, &box, [&box] {
      if (QTest::qWaitForWindowActive(&box))
        QTest::keyClick(&box, Qt::Key_Return);
      else
        box.accept();
    });
    box.exec();
  };
  w->log.clear();
  click(w->Text_B);
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == w->Text_A; }, 2000));
  // The focus is back with the activation: what that queued runs now.
  QCoreApplication::processEvents();
  EXPECT_EQ(w->log, (Log{"lost:Text_A"}));
  EXPECT_EQ(prompt.calls.size(), 2u);
}

// The program's own message box gives the window it interrupted the focus
// back when it closes, also where no window manager would: the box that the
// handler gave the focus back to has it.
TEST_F(FormsTest, ProgramMessageBoxGivesTheFocusBack) {
  QtPrompt real;
  real.setParent(main.get());
  svc.prompt = &real;
  w->reject = {QStringLiteral("Text_A")};
  int boxes = 0;
  std::function<void()> closeBox = [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++boxes;
      box->accept();
    } else {
      QTimer::singleShot(5, closeBox);
    }
  };
  QTimer::singleShot(0, closeBox);
  tab();
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return focus() == w->Text_A; }, 1000));
  EXPECT_EQ(QApplication::activeWindow(), main.get());
  EXPECT_EQ(w->log, (Log{"lost:Text_A"}));
  svc.prompt = &prompt;
}

// A rejected value cancels the click that tried to leave its box: the button
// does not act, the tab does not turn. Accepted, the click goes through.
TEST_F(FormsTest, RejectedValueCancelsTheClick) {
  w->reject = {QStringLiteral("Text_A")};
  click(w->Command_close);
  click(w->TabStrip1->bar(), tabCentre(3));
  click(w->Check_1);
  EXPECT_TRUE(loaded());
  EXPECT_EQ(w->TabStrip1->SelectedIndex(), 0);
  EXPECT_EQ(w->Check_1->Value(), 0);
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "lost:Text_A", "lost:Text_A"}));
  EXPECT_EQ(focus(), w->Text_A);
  // The next click on the button is the user's own again.
  w->reject.clear();
  w->log.clear();
  click(w->Check_1);
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "click:Check_1=1"}));
  click(w->Text_A);
  w->log.clear();
  click(w->Command_close);
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "click:Command_close"}));
  EXPECT_FALSE(loaded());
  settle();
}

// A drop on another box is a click there and typing: the box left runs its
// lost-focus first, and a rejection that gives the focus back keeps the
// dropped text out; accepted, the box dropped on has the focus and the text
// goes in through its key handler. The next click is the user's own.
TEST_F(FormsTest, DropMovesTheFocusFirst) {
  w->Text_B->onKeyPress = [](int& key) {
    if (!(key >= '0' && key <= '9')) key = 0;
  };
  w->Text_B->setText(QString());
  w->reject = {QStringLiteral("Text_A")};
  typed_in::DropOn(w->Text_B, QStringLiteral("1x2"));
  EXPECT_EQ(w->Text_B->Text(), QString());
  EXPECT_EQ(focus(), w->Text_A);
  EXPECT_EQ(w->log, (Log{"lost:Text_A"}));
  w->reject.clear();
  w->log.clear();
  typed_in::DropOn(w->Text_B, QStringLiteral("1x2"));
  EXPECT_EQ(w->Text_B->Text(), QStringLiteral("12"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return focus() == w->Text_B; }, 1000));
  EXPECT_TRUE(w->Text_B->ChangedByUser());
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "got:Text_B", "change:Text_B=1", "change:Text_B=12"}));
  w->log.clear();
  click(w->Check_1);
  EXPECT_EQ(w->log, (Log{"lost:Text_B", "click:Check_1=1"}));
}

// A button whose press always acts (a window's Close or Default) acts exactly
// once when the box it leaves rejects its value and gives the focus back:
// with a message that takes no focus the press goes on; with a real message
// box, which takes the press's release, the button is clicked once after the
// press. The focus stays in the box.
TEST_F(FormsTest, PressAlwaysActsOnceAfterARejection) {
  w->reject = {QStringLiteral("Text_A")};
  for (bool realBox : {false, true}) {
    SCOPED_TRACE(realBox ? "real message box" : "recorded message");
    prompt.onShow = nullptr;
    if (realBox) {
      prompt.onShow = [&](const PromptCall& call) {
        QMessageBox box(QMessageBox::Warning, call.title, call.text, QMessageBox::Ok, main.get());
        QTimer::singleShot(20, &box, [&box] { QTest::keyClick(&box, Qt::Key_Return); });
        box.exec();
      };
    }
    w->log.clear();
    prompt.calls.clear();
    int clicked = 0;
    const QMetaObject::Connection counting =
        QObject::connect(w->Command_def, &QPushButton::clicked, [&] { ++clicked; });
    click(w->Command_def);
    // The real box's click comes queued after the press: wait for it, then
    // let what it queued run (a second click would come from there).
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked > 0; }, 2000));
    QCoreApplication::processEvents();
    QObject::disconnect(counting);
    EXPECT_EQ(w->log, (Log{"lost:Text_A", "click:Command_def"}));
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(prompt.calls.size(), 1u);
    EXPECT_FALSE(w->Command_def->isDown());
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return focus() == w->Text_A; }, 1000));
  }
  // Other buttons keep the rule: the rejection cancels their press.
  w->log.clear();
  prompt.onShow = nullptr;
  click(w->Command_close);
  EXPECT_EQ(w->log, (Log{"lost:Text_A"}));
  EXPECT_TRUE(loaded());
}

// ---- check boxes, option buttons ---------------------------------------------------

TEST_F(FormsTest, CheckBoxClickOnEveryChangeOfState) {
  CheckBox* b = w->Check_1;
  click(b);                           // the user checks it
  QTest::keyClick(b, Qt::Key_Space);  // and clears it
  b->setValue(0);                     // already clear: nothing
  b->setValue(1);
  b->setValue(2);  // greyed: not checked
  EXPECT_FALSE(b->Checked());
  click(b);  // a click on a greyed box checks it
  b->setValue(1);
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "click:Check_1=1", "click:Check_1=0", "click:Check_1=1", "click:Check_1=2",
                         "click:Check_1=1"}));
}

TEST_F(FormsTest, OptionButtonClickWhenItBecomesSelected) {
  w->Option_a->setValue(true);
  click(w->Option_b);
  click(w->Option_b);  // already selected: nothing
  EXPECT_FALSE(w->Option_a->Value());
  w->Option_a->setValue(true);
  w->Option_a->setValue(true);
  w->Option_a->setValue(false);  // deselected by code: nothing, and none is selected
  w->Option_b->setValue(false);
  EXPECT_FALSE(w->Option_a->Value());
  EXPECT_FALSE(w->Option_b->Value());
  click(w->Option_a);
  EXPECT_EQ(w->log, (Log{"click:Option_a", "lost:Text_A", "click:Option_b", "click:Option_a", "click:Option_a"}));
}

// ---- tab strip ------------------------------------------------------------------

TEST_F(FormsTest, TabStripClickRunsTheHandlerAndTakesTheFocus) {
  TabStrip* s = w->TabStrip1;
  ASSERT_EQ(s->Tabs(), 6);
  EXPECT_EQ(s->SelectedKey(), QStringLiteral("Adj_Txp_High"));
  EXPECT_EQ(s->bar()->tabText(4), QStringLiteral("调制、音量、滤波"));
  QTabBar* bar = s->bar();
  click(bar, tabCentre(5));
  EXPECT_EQ(focus(), bar);
  click(bar, tabCentre(5));  // the tab already selected: the click runs again
  QTest::keyClick(bar, Qt::Key_Left);
  QWheelEvent wheel(QPointF(tabCentre(1)), bar->mapToGlobal(QPointF(tabCentre(1))), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &wheel);
  s->setSelectedIndex(1);
  s->setSelectedIndex(1);  // already selected: nothing
  EXPECT_EQ(w->log, (Log{"lost:Text_A", "tab:Adj_Other", "tab:Adj_Other", "tab:Adj_Dev_Leve", "tab:Adj_Txp_Mid"}));
}

// ---- captions and names -------------------------------------------------------------

TEST_F(FormsTest, CaptionsAndNamesOfTheNewControls) {
  const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
  for (bool chinese : {false, true}) {
    st.Lang_chn = chinese ? -1 : 0;
    w = main->host().reopen<FormWindow>();
    EXPECT_EQ(w->Check_1->text(), kFormCaptions[2].text.in(chinese));
    EXPECT_EQ(w->Option_b->text(), kFormCaptions[4].text.in(chinese));
    EXPECT_EQ(w->Frame_Mode->title(), kFormCaptions[5].text.in(chinese));
    EXPECT_EQ(name(w->Check_1), w->Check_1->text());
    EXPECT_EQ(name(w->Option_a), w->Option_a->text());
    EXPECT_EQ(name(w->Text_A), kFormCaptions[1].text.in(chinese));
    for (const std::string& e : w->log)
      EXPECT_EQ(e.rfind("change", 0), std::string::npos) << e;  // captions are no changes
  }
  settle();
}

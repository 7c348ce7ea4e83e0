// Text that arrives in a text box or a list's field other than by its keys
// (paste, the middle button, a drop, an input method, a key with several
// characters) takes the keys' way in: each character through the control's
// key handler as if typed, in order, into the text as it then stands.
// Each window's own table of pasted texts is beside its other tests
// (PastedText... in the options, DTMF, alignment, channel and password
// tests). These run offscreen and on Xvfb (QT_QPA_PLATFORM=xcb), where the
// middle button's X selection exists.
#include "platform/combo_list.h"
#include "platform/text_box.h"
#include "typed_in.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

using typed_in::Way;

using TypedInTest = typed_in::ControlsTest;

// Every way in, the same outcome as the keys: each character reaches the
// handler in order with the text as it stands after the one before, the
// handler's replacement goes in, a dropped character stays out, and
// characters no key types (line breaks, tabs, other control characters)
// never reach it. A pair of surrogates is one character.
TEST_F(TypedInTest, EveryWayTakesWhatTheKeysCouldHaveTyped) {
  struct Case {
    const char* what;
    QString pasted;
    std::vector<int> seen;
    std::vector<std::string> texts;
    const char* result;
  };
  const Case cases[] = {
      {"digits, a letter dropped, one replaced, then full",
       QStringLiteral("12x3a45"),
       {'1', '2', 'x', '3', 'a', '4', '5'},
       {"", "1", "12", "12", "123", "123A", "123A"},
       "123A"},
      {"control characters", QStringLiteral("1\n2\t3\r\x7f\x1b"), {'1', '2', '3'}, {"", "1", "12"}, "123"},
      {"a character beyond 16 bits", QString::fromUtf8("7\xF0\x9F\x98\x80"), {'7', 0x1F600}, {"", "7"}, "7"},
  };
  for (Way way : typed_in::Ways()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": " + c.what);
      start(box);
      typed_in::Bring(box, way, c.pasted);
      EXPECT_EQ(seen, c.seen);
      EXPECT_EQ(texts, c.texts);
      EXPECT_EQ(box->Text().toStdString(), c.result);
      // One change event for each character that went in.
      EXPECT_EQ(changes.size(), std::string(c.result).size());
      EXPECT_TRUE(box->ChangedByUser());
    }
  }
}

// A list's field the same way (it takes no drops); a read-only field takes
// nothing; a box without a key handler keeps Qt's own paste and drop.
TEST_F(TypedInTest, ListsReadOnlyFieldsAndUnfilteredBoxes) {
  for (Way way : typed_in::Ways()) {
    SCOPED_TRACE(typed_in::Name(way));
    start(list->lineEdit());
    typed_in::Bring(list->lineEdit(), way, QStringLiteral("d0x23n"));
    // A list's field takes no drops.
    EXPECT_EQ(list->Text(), way == Way::Drop ? QString() : QStringLiteral("D023N"));
    EXPECT_EQ(list->ListIndex(), -1);  // typed text chooses nothing

    start(readOnly->lineEdit(), QStringLiteral("HIGH"));
    typed_in::Bring(readOnly->lineEdit(), way, QStringLiteral("LOW"));
    EXPECT_EQ(readOnly->Text(), QStringLiteral("HIGH"));

    start(plain, QStringLiteral("a"));
    typed_in::Bring(plain, way, QStringLiteral("x1y"));
    EXPECT_EQ(plain->Text(), QStringLiteral("ax1y"));
  }
}

// Ctrl+V and the menu's Paste replace the selection, as typing does: the
// first character that goes in takes its place.
TEST_F(TypedInTest, PasteReplacesTheSelection) {
  for (Way way : {Way::CtrlV, Way::Menu}) {
    SCOPED_TRACE(typed_in::Name(way));
    start(box, QStringLiteral("9999"));
    box->selectAll();
    typed_in::Bring(box, way, QStringLiteral("x12"));
    EXPECT_EQ(box->Text(), QStringLiteral("12"));
    EXPECT_EQ(texts, (std::vector<std::string>{"", "", "1"}));
  }
}

// The rest of a paste goes nowhere once the box no longer takes typing: a
// handler moved the focus on, hid the box, or the box went away while a
// handler's message box ran its event loop.
TEST_F(TypedInTest, StopsWhenTheBoxNoLongerTakesTyping) {
  const auto handler = box->onKeyPress;
  box->onKeyPress = [&](int& key) {
    handler(key);
    if (key == 0 && seen.back() == '#') other->setFocus(Qt::OtherFocusReason);
  };
  start(box);
  typed_in::Bring(box, Way::CtrlV, QStringLiteral("1#23"));
  EXPECT_EQ(box->Text(), QStringLiteral("1"));
  EXPECT_EQ(seen, (std::vector<int>{'1', '#'}));

  box->onKeyPress = [&](int& key) {
    handler(key);
    if (key == 0 && seen.back() == '#') box->hide();
  };
  start(box);
  typed_in::Bring(box, Way::CtrlV, QStringLiteral("1#23"));
  EXPECT_EQ(box->Text(), QStringLiteral("1"));
  box->show();

  QPointer<TextBox> gone(box);
  box->onKeyPress = [&](int& key) {
    handler(key);
    if (key != 0 || seen.back() != '#') return;
    // A message box's event loop, in which the box is deleted.
    gone->deleteLater();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
  };
  start(box);
  typed_in::Bring(box, Way::CtrlV, QStringLiteral("1#23"));
  EXPECT_TRUE(gone.isNull());
  EXPECT_EQ(seen, (std::vector<int>{'1', '#'}));
  box = nullptr;
}

// Text committed by an input method, and a key that carries several
// characters, are typed in the same way; the composition itself is shown as
// Qt shows it.
TEST_F(TypedInTest, InputMethodAndSeveralCharactersInOneKey) {
  start(box);
  QInputMethodEvent compose(QStringLiteral("x"), {});
  QApplication::sendEvent(box, &compose);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("1x2a"));
  QApplication::sendEvent(box, &commit);
  EXPECT_EQ(box->Text(), QStringLiteral("12A"));
  EXPECT_EQ(seen, (std::vector<int>{'1', 'x', '2', 'a'}));

  start(box);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("3z4"));
  QApplication::sendEvent(box, &key);
  EXPECT_EQ(box->Text(), QStringLiteral("34"));
  EXPECT_EQ(seen, (std::vector<int>{'3', 'z', '4'}));
}

// ---- Up and Down in a settings list that shows no item ---------------------------

// Typed text (or text put there by code) leaves a settings list without an
// item; Up and Down then go on from the item the field names, else from the
// item last shown or chosen, never from before the first item.
TEST_F(TypedInTest, UpAndDownWithoutAnItem) {
  auto* c = new ComboList(window.get());
  window->layout()->addWidget(c);
  c->setMode(ComboList::Mode::Setting);
  QStringList items;
  for (int i = 0; i <= 9; ++i) items << QString::number(i);
  c->AddItems(items);
  std::vector<std::string> clicks;
  c->onClick = [&] { clicks.push_back(c->Text().toStdString()); };
  c->show();
  struct Case {
    const char* what;
    int shown;         // the item the list shows first (-1: none)
    const char* text;  // then typed over the whole field ("" types nothing)
    Qt::Key key;
    int index;
    const char* field;
    std::vector<std::string> clicks;
  };
  const Case cases[] = {
      {"typed 8, Down", 3, "8", Qt::Key_Down, 9, "9", {"9"}},
      {"typed 8, Up", 3, "8", Qt::Key_Up, 7, "7", {"7"}},
      {"typed 8, Page Down", 3, "8", Qt::Key_PageDown, 9, "9", {"9"}},
      {"typed 8, Page Up", 3, "8", Qt::Key_PageUp, 7, "7", {"7"}},
      {"a text with spaces names the item", 3, " 8 ", Qt::Key_Down, 9, "9", {"9"}},
      {"typed x, Down: from the item shown", 3, "x", Qt::Key_Down, 4, "4", {"4"}},
      {"typed 12, Up: from the item shown", 3, "12", Qt::Key_Up, 2, "2", {"2"}},
      {"typed 9, Down: nothing after the last item", 3, "9", Qt::Key_Down, -1, "9", {}},
      {"typed 0, Up: nothing before the first item", 3, "0", Qt::Key_Up, -1, "0", {}},
      {"typed x on the first item, Up", 0, "x", Qt::Key_Up, -1, "x", {}},
      {"nothing shown, nothing named: Down takes the first item", -1, "", Qt::Key_Down, 0, "0", {"0"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    c->setListIndex(k.shown);
    focusOn(c);
    clicks.clear();
    if (*k.text) {
      c->lineEdit()->selectAll();
      QTest::keyClicks(c, QString::fromLatin1(k.text));
      ASSERT_EQ(c->ListIndex(), -1);
    }
    QTest::keyClick(c, k.key);
    EXPECT_EQ(c->ListIndex(), k.index);
    EXPECT_EQ(c->Text().toStdString(), k.field);
    EXPECT_EQ(clicks, k.clicks);
  }
  // Text put into the field by code: from the item it names.
  c->setListIndex(2);
  c->setText(QStringLiteral("6"));
  clicks.clear();
  QTest::keyClick(c, Qt::Key_Down);
  EXPECT_EQ(c->ListIndex(), 7);
  EXPECT_EQ(clicks, (std::vector<std::string>{"7"}));
  // With an item chosen, Qt's own move.
  QTest::keyClick(c, Qt::Key_Up);
  EXPECT_EQ(c->ListIndex(), 6);
}

// Of a long text only the first 1000 characters are typed in (each one lays
// the box's text out again); characters no key types do not count.
TEST_F(TypedInTest, LongTextTypesInItsFirstThousandCharacters) {
  plain->onKeyPress = [](int&) {};  // takes every character
  start(plain);
  QString text = QString(10, u'\n') + QString(999, u'x') + QStringLiteral("yz") + QString(5000, u'w');
  typed_in::Bring(plain, Way::CtrlV, text);
  EXPECT_EQ(plain->Text(), QString(999, u'x') + QStringLiteral("y"));
}

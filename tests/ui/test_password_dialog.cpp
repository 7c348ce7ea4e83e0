// The password dialog end to end: the real dialog with its own engine, the
// simulated radio on a fake port, all on the virtual clock.
#include "app_fixture.h"
#include "link/ui/Form_Write_PassWord.h"
#include "platform/core/twips.h"
#include "support/radio_sim.h"
#include "support/sim_line.h"
#include "support/virtual_clock.h"
#include "typed_in.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}
Bytes Padded(std::string_view s) {
  Bytes b(6, ' ');
  std::copy_n(s.begin(), std::min<std::size_t>(6, s.size()), b.begin());
  return b;
}

const Bytes kEntry(kHandCode.begin(), kHandCode.end());  // all 8 entry bytes
const Bytes kIdentAndConfirm{0x02, 0x06};
const Bytes kReadRequest{0x06, 0x53, 0x1F, 0xF0, 0x10};
const Bytes kRecordAck{0x06};
const Bytes kDetection{0x81, 0x12, 0x34, 0x5A};  // record bytes 12..15

const char* const kFail = "Fail connect with transceiver.";

}  // namespace

class PassWordDialog : public AppFixture {
 protected:
  static constexpr int kPort = 3;

  PassWordDialog() {
    svc.timers = &clock;
    ports.present = {kPort};
  }
  ~PassWordDialog() override {
    main.reset();
    settle();
  }

  // The program started with the radio on its port; the start-up's
  // identification is over before the test goes on.
  MDImain& begin() {
    ports.onCreate = [this](FakePort& p) {
      line.attach(p);
      port = &p;
    };
    start();
    clock.advance(3000);
    sim.received.clear();
    return *main;
  }
  // Opens the dialog from the main window's command.
  Form_Write_PassWord* open() {
    if (!main) begin();
    main->MDImain_PC_PassWord_Click();
    return main->host().find<Form_Write_PassWord>();
  }
  void radioPasswords(std::string_view user, std::string_view super) {
    sim.setPasswords(user, super);
    std::copy(kDetection.begin(), kDetection.end(), sim.memory.begin() + 0x1FFC);
  }
  Bytes radioRecord() const { return Bytes(sim.memory.begin() + 0x1FF0, sim.memory.end()); }
  static void fill(Form_Write_PassWord* d, const QString& old, const QString& now, const QString& again) {
    d->Text_Old_PassWord->setText(old);
    d->Text_New_Password_1->setText(now);
    d->Text_New_PassWord_2->setText(again);
  }
  VirtualTimer& timer(const std::unique_ptr<Timer>& t) { return static_cast<VirtualTimer&>(*t); }
  QStringList texts() const {
    QStringList out;
    for (const PromptCall& c : prompt.calls) out << c.text;
    return out;
  }

  VirtualClock clock;
  RadioSim sim;
  SimLine line{sim, clock};
  FakePort* port = nullptr;
};

// ---- the dialog as it opens -------------------------------------------------------------

TEST_F(PassWordDialog, CaptionsPlacesAndBoxes) {
  struct Control {
    const char* name;
    double left, top, width, height;
    const char* english;
    const char* chinese;
  };
  const Control controls[] = {
      {"Label_old_PassWord", 120, 480, 1935, 255, "Old PassWord", "原密码"},
      {"Text_Old_PassWord", 2160, 480, 1215, 285, "", ""},
      {"Label_New_Password_1", 240, 960, 1815, 255, "New PassWord", "新密码"},
      {"Text_New_Password_1", 2160, 960, 1215, 285, "", ""},
      {"Label_New_PassWord_2", 120, 1440, 1935, 255, "Confirm PassWord", "确认新密码"},
      {"Text_New_PassWord_2", 2160, 1440, 1215, 285, "", ""},
      {"Command_Write", 1200, 2040, 975, 375, "Modify", "修改"},
      {"Command_Cancel", 2880, 2040, 975, 375, "Close", "关闭"},
  };
  begin();
  auto px = [](double tw) { return twips::ToPixels(tw, 96); };
  for (Int16 lang : {Int16{0}, Int16{-1}}) {
    st.Lang_chn = lang;
    Form_Write_PassWord* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), lang ? QStringLiteral("修改密码") : QStringLiteral("Modify PassWord"));
    for (const Control& c : controls) {
      auto* w = d->findChild<QWidget*>(QString::fromLatin1(c.name));
      ASSERT_TRUE(w) << c.name;
      EXPECT_EQ(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height))) << c.name;
      const QString want = QString::fromUtf8(lang ? c.chinese : c.english);
      if (auto* l = qobject_cast<QLabel*>(w)) {
        EXPECT_EQ(l->text(), want) << c.name;
        EXPECT_TRUE(l->alignment() & Qt::AlignRight) << c.name;
      } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        EXPECT_EQ(b->text(), want) << c.name;
      } else if (auto* t = qobject_cast<QLineEdit*>(w)) {
        EXPECT_EQ(t->text(), QString()) << c.name;
        EXPECT_EQ(t->echoMode(), QLineEdit::Password) << c.name;
        EXPECT_EQ(t->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, t), int('*')) << c.name;
      }
    }
  }
  // A third of the client width, the client height / 2.5, centred, 500 twips up.
  Form_Write_PassWord* d = main->host().find<Form_Write_PassWord>();
  const double w = main->ScaleWidth() / 3, h = main->ScaleHeight() / 2.5;
  EXPECT_NEAR(d->TwipsWidth(), w, 15);
  EXPECT_NEAR(d->TwipsHeight(), h, 15);
  const QPoint topLeft = main->mdiArea()->mapFromGlobal(d->frame()->geometry().topLeft());
  EXPECT_NEAR(topLeft.x(), (main->ScaleWidth() - w) / 2 / 15, 1);
  EXPECT_NEAR(topLeft.y(), ((main->ScaleHeight() - h) / 2 - 500) / 15, 1);
  // Focus on Modify; tab order Modify, Close, old, new, confirmation.
  EXPECT_EQ(d->focusWidget(), d->Command_Write);
  QWidget* order[] = {d->Command_Write, d->Command_Cancel, d->Text_Old_PassWord, d->Text_New_Password_1,
                      d->Text_New_PassWord_2};
  auto nextStop = [](QWidget* from) {
    QWidget* next = from;
    do next = next->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus);
    return next;
  };
  for (int i = 0; i + 1 < 5; ++i) EXPECT_EQ(nextStop(order[i]), order[i + 1]) << i;
  EXPECT_FALSE(d->Timer4->enabled());
  // Its menu is still created disabled and hidden.
  EXPECT_FALSE(main->menu("PC_PassWord")->isVisible());
  EXPECT_FALSE(main->menu("PC_PassWord")->isEnabled());
}

TEST_F(PassWordDialog, MenuCommandRebuildsTheDialog) {
  Form_Write_PassWord* first = open();
  fill(first, QStringLiteral("abc"), QStringLiteral("x"), QStringLiteral("x"));
  Form_Write_PassWord* second = open();
  EXPECT_NE(first, second);
  for (QLineEdit* box : {second->Text_Old_PassWord, second->Text_New_Password_1, second->Text_New_PassWord_2})
    EXPECT_EQ(box->text(), QString());
}

namespace {
// Ctrl+V into a box, which takes the keyboard focus first.
void Paste(QLineEdit* box, const QString& text) {
  box->setFocus(Qt::OtherFocusReason);
  typed_in::Bring(box, typed_in::Way::CtrlV, text);
}
}  // namespace

// With six characters (outer spaces not counted) every key but Backspace is
// dropped; the boxes take printable ASCII only, typed or pasted.
TEST_F(PassWordDialog, BoxesFilterKeysAndCharacters) {
  Form_Write_PassWord* d = open();
  struct Case {
    const char* name;
    QString before;
    std::function<void(QLineEdit*)> act;
    QString after;
  };
  const Case cases[] = {
      {"sixth character", QStringLiteral("abcde"), [](QLineEdit* t) { QTest::keyClick(t, Qt::Key_F); },
       QStringLiteral("abcdef")},
      {"seventh character", QStringLiteral("abcdef"), [](QLineEdit* t) { QTest::keyClick(t, Qt::Key_G); },
       QStringLiteral("abcdef")},
      {"seventh is a space", QStringLiteral("abcdef"), [](QLineEdit* t) { QTest::keyClick(t, Qt::Key_Space); },
       QStringLiteral("abcdef")},
      {"outer spaces do not count", QStringLiteral("  abcde "), [](QLineEdit* t) { QTest::keyClick(t, Qt::Key_F); },
       QStringLiteral("  abcde f")},
      {"Backspace with six", QStringLiteral("abcdef"), [](QLineEdit* t) { QTest::keyClick(t, Qt::Key_Backspace); },
       QStringLiteral("abcde")},
      {"a letter keeps its case", QString(), [](QLineEdit* t) { QTest::keyClicks(t, QStringLiteral("aB")); },
       QStringLiteral("aB")},
      {"not ASCII typed", QStringLiteral("ab"),
       [](QLineEdit* t) {
         QKeyEvent key(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
         QApplication::sendEvent(t, &key);
       },
       QStringLiteral("ab")},
      // A paste takes what the keys could have typed.
      {"long paste", QStringLiteral("ab"), [](QLineEdit* t) { Paste(t, QStringLiteral("cdefgh")); },
       QStringLiteral("abcdef")},
      {"paste with a character not ASCII", QStringLiteral("ab"),
       [](QLineEdit* t) { Paste(t, QStringLiteral("c\u4E2Dd")); }, QStringLiteral("abcd")},
      {"paste with a tab", QString(), [](QLineEdit* t) { Paste(t, QStringLiteral("a\tb")); }, QStringLiteral("ab")},
      {"paste beside outer spaces", QStringLiteral("  abcde "), [](QLineEdit* t) { Paste(t, QStringLiteral("fg")); },
       QStringLiteral("  abcde f")},
  };
  for (QLineEdit* box : {d->Text_Old_PassWord, d->Text_New_Password_1, d->Text_New_PassWord_2}) {
    for (const Case& c : cases) {
      box->setText(c.before);
      box->end(false);
      c.act(box);
      EXPECT_EQ(box->text(), c.after) << box->objectName().toStdString() << ": " << c.name;
    }
  }
}

// Every way text arrives in a box (paste keys, the context menu, the middle
// button, a drop) takes six characters at most, printable ASCII only, as the
// keys do.
TEST_F(PassWordDialog, PastedTextTakesWhatTheKeysCouldHaveTyped) {
  Form_Write_PassWord* d = open();
  d->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(d));
  for (typed_in::Way way : typed_in::Ways()) {
    for (QLineEdit* box : {d->Text_Old_PassWord, d->Text_New_Password_1, d->Text_New_PassWord_2}) {
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": " + box->objectName().toStdString());
      box->setText(QStringLiteral("a"));
      box->setFocus(Qt::OtherFocusReason);
      ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, 1000));
      box->end(false);
      typed_in::Bring(box, way, QStringLiteral("Bc\u00E9d\ne fgh"));
      // A space still goes in after five characters (the outer spaces do not
      // count), an f too; then nothing. The é is no ASCII, the line break no key.
      EXPECT_EQ(box->text(), QStringLiteral("aBcde f"));
    }
  }
  EXPECT_EQ(std::string(st.PassWord_old.begin(), st.PassWord_old.begin() + 6), "aBcde ");
}

TEST_F(PassWordDialog, OldBoxFillsPassWordOld) {
  Form_Write_PassWord* d = open();
  struct Case {
    QString text;
    std::string cells;
  } cases[] = {
      {QStringLiteral(" Ab1 "), "Ab1   "},
      {QStringLiteral("abcdefgh"), "abcdef"},
      {QString(), "      "},
  };
  for (const Case& c : cases) {
    d->Text_Old_PassWord->setText(c.text);
    EXPECT_EQ(std::string(st.PassWord_old.begin(), st.PassWord_old.begin() + 6), c.cells) << c.cells;
  }
}

TEST_F(PassWordDialog, InconsistentPasswordsStartNothing) {
  struct Case {
    const char* now;
    const char* again;
    bool consistent;
  } cases[] = {
      {"abc", "ABC", false},                                    // letter case counts
      {"abc", "abcd", false}, {"abcdefgh", "abcdefXY", false},  // the whole texts are compared
      {"abc ", " abc", true},                                   // outer spaces are not
      {"", "", true},
  };
  for (const Case& c : cases) {
    Form_Write_PassWord* d = open();
    prompt.calls.clear();
    const int opens = port->openCalls;
    fill(d, QString(), QString::fromLatin1(c.now), QString::fromLatin1(c.again));
    d->Command_Write->click();
    EXPECT_EQ(port->openCalls, opens + (c.consistent ? 1 : 0)) << c.now << "/" << c.again;
    if (!c.consistent) {
      ASSERT_EQ(prompt.calls.size(), 1u);
      EXPECT_EQ(prompt.calls[0].text, QStringLiteral("Password is not consistent ."));
      EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
      EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    }
    clock.advance(10000);
  }
}

// ---- the change on the radio ------------------------------------------------------------

TEST_F(PassWordDialog, ChangesThePassword) {
  struct Case {
    const char* name;
    const char* user;
    const char* super;
    bool echoing;
    const char* old;
    const char* now;
    bool leadingAck;
    const char* written;
  };
  const Case cases[] = {
      {"no password set", "", "", false, "whatever", "Ab1", false, "Ab1"},
      {"only a super password set", "", "SUPER1", false, "", "new", false, "new"},
      {"the user password typed", "USER1", "SUPER1", false, "USER1", "NeW", true, "NeW"},
      {"the super password typed", "USER1", "SUPER1", false, " SUPER1 ", "x", true, "x"},
      {"six-character password", "ABCDEF", "", false, "ABCDEF", "GHIJKL", true, "GHIJKL"},
      {"password removed", "USER1", "", false, "USER1", "", true, ""},
      {"long paste: the first six", "USER1", "", false, "USER1", "abcdefgh", true, "abcdef"},
      {"echoing radio", "USER1", "SUPER1", true, "USER1", "neu", true, "neu"},
      {"echoing radio without a password", "", "", true, "", "neu", false, "neu"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    radioPasswords(c.user, c.super);
    sim.answerEveryAck = c.echoing;
    sim.received.clear();
    sim.writes.clear();
    prompt.calls.clear();
    Form_Write_PassWord* d = open();
    main->SetPanelText(7, QStringLiteral("panel 7"));
    st.Freq_vhf_low = 150;
    fill(d, QString::fromLatin1(c.old), QString::fromLatin1(c.now), QString::fromLatin1(c.now));
    // While the success message is open the close timer does not run.
    bool timerDuringMessage = true;
    QString panelDuringMessage;
    prompt.onShow = [&](const PromptCall&) {
      timerDuringMessage = d->Timer4->enabled();
      panelDuringMessage = main->PanelText(2);
    };
    d->Command_Write->click();
    EXPECT_EQ(main->PanelText(2), QStringLiteral("Connecting with transceiver... "));
    ASSERT_TRUE(clock.runUntil([&] { return !prompt.calls.empty(); }, 10000));
    prompt.onShow = nullptr;

    ASSERT_EQ(texts(), QStringList{QStringLiteral("PassWord Modify Success ! ")});
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate Prompt"));
    EXPECT_FALSE(timerDuringMessage);
    EXPECT_EQ(panelDuringMessage, QStringLiteral("Connect well with radio."));
    // The new user password, the rest of the record as it was.
    Bytes want = Padded(c.written);
    const Bytes super = Padded(c.super);
    want.insert(want.end(), super.begin(), super.end());
    want.insert(want.end(), kDetection.begin(), kDetection.end());
    EXPECT_EQ(radioRecord(), want);
    EXPECT_EQ(sim.writes, (std::vector<std::pair<int, int>>{{0x1FF0, 16}}));
    const Bytes write = Cat({c.leadingAck ? Bytes{0x06} : Bytes{}, {0x58, 0x1F, 0xF0, 0x10}, want});
    EXPECT_EQ(sim.received, Cat({kEntry, kIdentAndConfirm, kReadRequest, kRecordAck, write}));
    // The identification is not decoded.
    EXPECT_EQ(main->PanelText(7), QStringLiteral("panel 7"));
    EXPECT_EQ(st.Freq_vhf_low, 150);
    // Passwords and boxes emptied; the dialog closes 500 ms later.
    EXPECT_EQ(std::string(st.PassWord_old.begin(), st.PassWord_old.begin() + 6), "      ");
    EXPECT_EQ(std::string(st.PassWord_new.begin(), st.PassWord_new.begin() + 6), "      ");
    EXPECT_EQ(d->Text_Old_PassWord->text(), QString());
    EXPECT_EQ(d->Text_New_Password_1->text(), QString());
    EXPECT_EQ(d->Text_New_PassWord_2->text(), QString());
    EXPECT_FALSE(d->engine().Busy());
    EXPECT_TRUE(port->isOpen());
    // Modify before the close starts nothing the close would cut short.
    const std::size_t sent = sim.received.size();
    d->Command_Write->click();
    clock.advance(499);
    EXPECT_EQ(sim.received.size(), sent);
    EXPECT_TRUE(main->host().isLoaded<Form_Write_PassWord>());
    clock.advance(1);
    EXPECT_FALSE(main->host().isLoaded<Form_Write_PassWord>());
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(main->PanelText(2), QStringLiteral("Connect well with radio."));
    EXPECT_EQ(prompt.calls.size(), 1u);
    settle();
  }
}

// Record layouts that an offset search took for a known password, and a
// plainly wrong one: each is refused, and nothing is written.
TEST_F(PassWordDialog, RefusesAWrongOldPassword) {
  struct Case {
    const char* name;
    const char* user;
    const char* super;
    const char* old;
  };
  const Case cases[] = {
      {"a wrong password", "USER1", "SUPER1", "WRONG"},
      {"one-character user password, super password beginning with a space", "A", " BCDEF", "WRONG"},
      {"six-character user password, blank super password, empty old box", "ABCDEF", "", ""},
      {"the super password's first five characters", "USER1", "SUPERX", "SUPERY"},
      {"a match one byte into the record", "ABCDEF", "GHIJKL", "BCDEFG"},
      {"the blank super password", "USER1", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    radioPasswords(c.user, c.super);
    const Bytes before = radioRecord();
    sim.writes.clear();
    prompt.calls.clear();
    Form_Write_PassWord* d = open();
    fill(d, QString::fromLatin1(c.old), QStringLiteral("hacked"), QStringLiteral("hacked"));
    d->Command_Write->click();
    clock.advance(10000);
    ASSERT_EQ(texts(), QStringList{QStringLiteral("Old PassWord Error, Writeing Stop")});
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate Prompt"));
    EXPECT_TRUE(sim.writes.empty());
    EXPECT_EQ(radioRecord(), before);
    EXPECT_FALSE(port->isOpen());
    EXPECT_FALSE(d->engine().Busy());
    EXPECT_TRUE(main->host().isLoaded<Form_Write_PassWord>());
    EXPECT_EQ(d->Text_New_Password_1->text(), QStringLiteral("hacked"));
    EXPECT_EQ(main->PanelText(2), QStringLiteral("Connect well with radio."));
  }
}

// No answer, too few bytes, a reply in neither form, or an answer to the write
// other than its acknowledgement: "Fail connect with transceiver.", then
// "Communication fault." in panel 2; nothing else is written.
TEST_F(PassWordDialog, FailedExchanges) {
  using F = SimFault;
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    bool echoing;
    bool acked;       // the PC acknowledged the record
    bool written;     // the radio stored the write
    bool byWatchdog;  // reported 1000 ms after the watchdog expired
  };
  const Case cases[] = {
      {"no record", {{SimReply::Block, -1, F::Silence, 0, 0, {}}}, false, false, false, true},
      {"record one byte short", {{SimReply::Block, -1, F::Short, 1, 0, {}}}, false, false, false, true},
      {"reply does not start with 'X'", {{SimReply::Block, -1, F::Wrong, 0, 0x59, {}}}, false, false, false, true},
      {"reply for another address", {{SimReply::Block, -1, F::Wrong, 2, 0xE0, {}}}, false, false, false, true},
      {"no answer to the acknowledgement", {{SimReply::BlockAck, -1, F::Silence, 0, 0, {}}}, false, true, false, true},
      {"no acknowledgement of the write", {{SimReply::WriteAck, -1, F::Silence, 0, 0, {}}}, false, true, true, true},
      {"write answered 0x15", {{SimReply::WriteAck, -1, F::Wrong, 0, 0x15, {}}}, false, true, true, false},
      {"echoing radio, write not acknowledged",
       {{SimReply::WriteAck, -1, F::Silence, 0, 0, {}}},
       true,
       true,
       true,
       true},
      {"echoing radio, write answered 0x15",
       {{SimReply::WriteAck, -1, F::Wrong, 0, 0x15, {}}},
       true,
       true,
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    radioPasswords("USER1", "");
    sim.faults = c.faults;
    sim.answerEveryAck = c.echoing;
    sim.received.clear();
    sim.writes.clear();
    prompt.calls.clear();
    Form_Write_PassWord* d = open();
    fill(d, QStringLiteral("USER1"), QStringLiteral("new"), QStringLiteral("new"));
    long shownAt = -1;
    QString panelDuringMessage;
    prompt.onShow = [&](const PromptCall&) {
      shownAt = clock.now();
      panelDuringMessage = main->PanelText(2);
    };
    d->Command_Write->click();
    clock.advance(10000);
    prompt.onShow = nullptr;
    ASSERT_EQ(texts(), QStringList{QString::fromLatin1(kFail)});
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
    EXPECT_EQ(panelDuringMessage, QStringLiteral("Connect well with radio."));
    EXPECT_EQ(main->PanelText(2), QStringLiteral("Communication fault."));
    const VirtualTimer& watchdog = static_cast<VirtualTimer&>(d->link->watchdog());
    if (c.byWatchdog) {
      EXPECT_EQ(shownAt, watchdog.armTimes.back() + 1000 + 1000);
    } else {
      EXPECT_LT(shownAt, watchdog.armTimes.back() + 1000);
    }
    const Bytes sent = Cat({kEntry, kIdentAndConfirm, kReadRequest});
    if (!c.acked) {
      EXPECT_EQ(sim.received, sent);
    }
    EXPECT_EQ(sim.writes.size(), c.written ? 1u : 0u);
    // The dialog stays, with its boxes as they were; the port is closed.
    EXPECT_TRUE(main->host().isLoaded<Form_Write_PassWord>());
    EXPECT_FALSE(port->isOpen());
    EXPECT_FALSE(d->engine().Busy());
    EXPECT_FALSE(d->Timer4->enabled());
    EXPECT_EQ(d->Text_New_Password_1->text(), QStringLiteral("new"));
    EXPECT_EQ(std::string(st.PassWord_new.begin(), st.PassWord_new.begin() + 6), "new   ");
    sim.faults.clear();
  }
}

// A silent radio: the 8 entry bytes go out in one tick, the watchdog is armed
// at 2000 ms after each and at 1000 ms after the last, and the failure is
// reported 1000 ms after it expired. Modify then starts again from the entry.
TEST_F(PassWordDialog, SilentRadioAndAFreshStart) {
  Form_Write_PassWord* d = open();
  sim.silent = true;
  const int entries = sim.entries;
  const long t0 = clock.now();
  d->Command_Write->click();
  long shownAt = -1;
  prompt.onShow = [&](const PromptCall&) { shownAt = clock.now(); };
  clock.advance(10000);
  EXPECT_EQ(sim.received, kEntry);
  const VirtualTimer& watchdog = static_cast<VirtualTimer&>(d->link->watchdog());
  EXPECT_EQ(watchdog.armIntervals, (std::vector<int>{2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 1000}));
  EXPECT_EQ(watchdog.armTimes.back(), t0 + LinkEngine::kSendDelayMs);
  EXPECT_EQ(shownAt, t0 + LinkEngine::kSendDelayMs + 1000 + 1000);
  ASSERT_EQ(texts(), QStringList{QString::fromLatin1(kFail)});

  sim.silent = false;
  prompt.calls.clear();
  d->Command_Write->click();
  clock.advance(10000);
  EXPECT_EQ(texts(), QStringList{QStringLiteral("PassWord Modify Success ! ")});
  EXPECT_EQ(sim.entries, entries + 2);
}

// The passwords are taken when Modify starts the exchange: typing and Modify
// during it change neither the check nor the write, and start nothing.
TEST_F(PassWordDialog, TypingDuringTheExchangeChangesNothing) {
  struct Case {
    const char* name;
    const char* oldAtStart;
    const char* oldLater;
    bool succeeds;
  } cases[] = {
      {"right at the start, wrong later", "USER1", "WRONG", true},
      {"wrong at the start, right later", "WRONG", "USER1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    radioPasswords("USER1", "");
    prompt.calls.clear();
    Form_Write_PassWord* d = open();
    fill(d, QString::fromLatin1(c.oldAtStart), QStringLiteral("first"), QStringLiteral("first"));
    d->Command_Write->click();
    ASSERT_TRUE(clock.runUntil([&] { return d->engine().State() == PassWordChange::Wait_record; }, 5000));
    const int entries = sim.entries;
    fill(d, QString::fromLatin1(c.oldLater), QStringLiteral("second"), QStringLiteral("second"));
    d->Command_Write->click();  // consistent boxes, but an exchange runs
    clock.advance(10000);
    EXPECT_EQ(sim.entries, entries);
    EXPECT_EQ(texts(), QStringList{c.succeeds ? QStringLiteral("PassWord Modify Success ! ")
                                              : QStringLiteral("Old PassWord Error, Writeing Stop")});
    const Bytes record = radioRecord();
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 6), Padded(c.succeeds ? "first" : "USER1"));
    settle();
  }
}

TEST_F(PassWordDialog, ClosingDuringAndAfterTheExchange) {
  Form_Write_PassWord* d = open();
  sim.silent = true;
  d->Command_Write->click();
  clock.advance(100);
  // Close refuses while the exchange runs...
  d->Command_Cancel->click();
  ASSERT_EQ(texts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_TRUE(main->host().isLoaded<Form_Write_PassWord>());
  // ...the window frame does not: the exchange ends with the dialog.
  d->close();
  EXPECT_FALSE(main->host().isLoaded<Form_Write_PassWord>());
  EXPECT_FALSE(port->isOpen());
  clock.advance(10000);
  EXPECT_EQ(prompt.calls.size(), 1u);
  settle();

  // Idle, Close closes the dialog.
  d = open();
  d->Command_Cancel->click();
  EXPECT_FALSE(main->host().isLoaded<Form_Write_PassWord>());
}

TEST_F(PassWordDialog, PortThatDoesNotOpen) {
  Form_Write_PassWord* d = open();
  ports.present.clear();
  d->Command_Write->click();
  ASSERT_EQ(texts(),
            QStringList{QStringLiteral("Communication port is error, please setting right communication port . ！")});
  EXPECT_EQ(st.Port_err, -1);
  EXPECT_FALSE(d->engine().Busy());
  clock.advance(10000);
  EXPECT_EQ(prompt.calls.size(), 1u);
  EXPECT_TRUE(sim.received.empty());
}

// The dialog's texts follow the language it was opened in; the language switch
// leaves an open dialog as it is, and its messages follow the flag when they
// are shown.
TEST_F(PassWordDialog, ChineseMessages) {
  Form_Write_PassWord* english = open();
  main->MDImain_Language_chn_Click();
  ASSERT_EQ(main->host().find<Form_Write_PassWord>(), english);
  EXPECT_EQ(english->Command_Write->text(), QStringLiteral("Modify"));
  fill(english, QString(), QStringLiteral("a"), QStringLiteral("b"));
  english->Command_Write->click();
  ASSERT_EQ(texts(), QStringList{QStringLiteral("密码不一致")});
  radioPasswords("USER1", "");
  struct Case {
    const char* old;
    const char* now;
    const char* again;
    bool silent;
    const char* text;
    const char* panel;
  } cases[] = {
      {"USER1", "a", "b", false, "密码不一致", nullptr},
      {"WRONG", "a", "a", false, "原密码错误，禁止写入", "与对讲机连接正常"},
      {"USER1", "a", "a", true, "与对讲机联络失败 ！", "联机故障 ！"},
      {"USER1", "a", "a", false, "密码修改成功 ", "与对讲机连接正常"},
  };
  for (const Case& c : cases) {
    sim.silent = c.silent;
    prompt.calls.clear();
    Form_Write_PassWord* d = open();
    fill(d, QString::fromLatin1(c.old), QString::fromLatin1(c.now), QString::fromLatin1(c.again));
    d->Command_Write->click();
    clock.advance(10000);
    ASSERT_EQ(prompt.calls.size(), 1u) << c.text;
    EXPECT_EQ(prompt.calls[0].text, QString::fromUtf8(c.text));
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("操作提示"));
    if (c.panel) {
      EXPECT_EQ(main->PanelText(2), QString::fromUtf8(c.panel)) << c.text;
    }
    settle();
  }
}

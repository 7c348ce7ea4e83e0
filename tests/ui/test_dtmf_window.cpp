// The DTMF window in the real program: opened from the Edit menu, driven by
// real key and mouse events, with its messages as real modal boxes where the
// focus matters (on an event loop that is left to settle). What is checked is
// what the user sees and what lands in the image (rows 208..223), also
// through a .dat load and save, the menu's rebuild and the language switch.
#include "channels/ui/frm_chann.h"
#include "file_dialog_fixture.h"
#include "image/para_file.h"
#include "image/settings_defaults.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "link/ui/Form_Comm_Write.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/core/twips.h"
#include "platform/grid.h"
#include "platform/qt_services.h"
#include "platform/text_box.h"
#include "settings/ui/frm_dtmf.h"
#include "support/image_diff.h"
#include "typed_in.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using Bytes = std::vector<int>;

namespace {

constexpr int kSet = img::kDtmfSettingsRow;
constexpr int kAlarm = dtmf::kAlarmFirst, kAni = dtmf::kAniFirst;

Bytes Row(const img::Image& im, int row, int first, int count) {
  Bytes out;
  for (int c = first; c < first + count; ++c) out.push_back(im(row, c));
  return out;
}

img::Image Factory() {
  img::Image im;
  Dtmf_defaults_init(im);
  return im;
}

Bytes Codes(const QString& text) {
  const auto codes = dtmf::DtmfTextToCodes(text);
  return Bytes(codes.begin(), codes.end());
}

// The DTMF rows of two images differ in the cells described; other rows are not compared.
std::string BlockDiff(const img::Image& got, const img::Image& want) {
  img::Image a, b;
  for (int r = img::kDtmfFirst; r <= img::kDtmfLast; ++r)
    for (int c = 0; c < img::kCols; ++c) a(r, c) = got(r, c), b(r, c) = want(r, c);
  return ImageDiff(a, b);
}

}  // namespace

class DtmfWindow : public FileDialogFixture {
 protected:
  void SetUp() override {
    FileDialogFixture::SetUp();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    w = open();
    ASSERT_TRUE(w);
  }
  void TearDown() override {
    svc.prompt = &prompt;
    FileDialogFixture::TearDown();
  }
  // Edit > DTMF, as the menu item runs it; the window is active with the
  // focus in its first box.
  frm_dtmf* open() {
    main->menu(QStringLiteral("Dtmf_edit"))->trigger();
    frm_dtmf* d = main->host().find<frm_dtmf>();
    if (!d) return nullptr;
    const bool focused = QTest::qWaitFor([&] { return d->isAncestorOf(focus()); }, 2000);
    EXPECT_TRUE(focused);
    return d;
  }
  static QWidget* focus() { return QApplication::focusWidget(); }
  static void tab() { QTest::keyClick(focus(), Qt::Key_Tab); }
  static void click(QWidget* c) { QTest::mouseClick(c, Qt::LeftButton); }
  // A check box takes a click on its box or caption only.
  static void tick(CheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
  // Clicks into a box and puts the cursor at its end, as the user does.
  static void into(TextBox* box) {
    click(box);
    QTest::keyClick(box, Qt::Key_End);
  }
  TextBox* group(int i) const { return w->Text_tx_Encode[static_cast<std::size_t>(i)]; }
  const img::Image& im() const { return image.image(); }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const PromptCall& c : prompt.calls) out.push_back(c.text.toStdString());
    return out;
  }
  // Every message from here on is a real modal box over the main window
  // (with its own event loop), which the user closes with Enter a moment
  // after it came up. The prompt still records each.
  void realMessageBoxes() {
    real.setParent(main.get());
    prompt.onShow = [this](const PromptCall& c) {
      QTimer closer;
      closer.setInterval(30);
      QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
          QTest::keyClick(box, Qt::Key_Return);
      });
      closer.start();
      real.MsgBox(c.text, c.title, c.icon);
    };
  }
  // Lets the event loop run until nothing more can happen: a box has closed
  // and the main window is active again (any further focus event would come
  // with that activation), then one pass over the events queued meanwhile
  // (a button press that a box interrupted is clicked from there).
  void settleLoop() {
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !QApplication::activeModalWidget() && QApplication::activeWindow() == main.get(); }, 2000));
    QCoreApplication::processEvents();
  }

  frm_dtmf* w = nullptr;
  QtPrompt real;
};

// ---- opening ----------------------------------------------------------------------

// The Edit menu's DTMF item, clicked: the window opens as an MDI child, sized
// from the main window and centred in its client area, the group frame
// shown; each array member has its own name. Clicked again, a new window
// replaces it; Close unloads it.
TEST_F(DtmfWindow, OpensFromTheEditMenu) {
  main->host().unload<frm_dtmf>();
  settle();
  EXPECT_EQ(st.Flag_frm_dtmf, 0);
  QMenuBar* bar = main->menuBar();
  QMenu* edit = bar->findChild<QMenu*>(QStringLiteral("Edit"));
  ASSERT_TRUE(edit);
  const auto choose = [&] {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->isVisible(); }, 1000));
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(main->menu(QStringLiteral("Dtmf_edit"))).center());
  };
  choose();
  frm_dtmf* first = main->host().find<frm_dtmf>();
  ASSERT_TRUE(first);
  EXPECT_EQ(st.Flag_frm_dtmf, -1);
  EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(first->frame()));
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), first->frame());
  EXPECT_EQ(first->windowTitle(), QStringLiteral("DTMF Encode/Decode "));
  const double width = main->Width() / 1.3, height = main->Height() / 1.7;
  EXPECT_NEAR(first->TwipsWidth(), width, 15);
  EXPECT_NEAR(first->TwipsHeight(), height, 15);
  const int d = svc.screen().dpi;
  EXPECT_NEAR(twips::FromPixels(first->frame()->x(), d), (main->ScaleWidth() - width) / 2, 15);
  EXPECT_NEAR(twips::FromPixels(first->frame()->y(), d), (main->ScaleHeight() - height) / 2, 15);
  EXPECT_TRUE(first->Frame_encode->isVisible());
  // Every control inside the client area.
  for (QWidget* c : first->findChildren<QWidget*>()) {
    if (!c->isVisible() || c->isWindow()) continue;
    const QRect r(c->mapTo(first, QPoint(0, 0)), c->size());
    EXPECT_TRUE(first->rect().contains(r)) << c->objectName().toStdString();
  }
  for (int i = 0; i < dtmf::kGroups; ++i) {
    const QString n = QString::number(i);
    EXPECT_EQ(first->findChild<TextBox*>("Text_tx_Encode(" + n + ")"),
              first->Text_tx_Encode[static_cast<std::size_t>(i)]);
    auto* label = first->findChild<QLabel*>("Label_xh(" + n + ")");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QString::number(i + 1));
  }
  EXPECT_EQ(focus(), first->Text_tx_Encode[0]);

  choose();
  frm_dtmf* second = main->host().find<frm_dtmf>();
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(st.Flag_frm_dtmf, -1);
  click(second->Command_close);
  EXPECT_FALSE(main->host().isLoaded<frm_dtmf>());
  EXPECT_EQ(st.Flag_frm_dtmf, 0);
  EXPECT_TRUE(prompt.calls.empty());
  settle();
}

// What a screen reader announces: boxes and lists by their labels (a group
// box by its number, the ANI box by its frame), buttons and check boxes by
// their captions.
TEST_F(DtmfWindow, NamesForAssistiveTechnology) {
  const auto label = [](QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    if (!i) return QStringLiteral("<no interface>");
    const auto labels = i->relations(QAccessible::Label);
    return labels.isEmpty() ? i->text(QAccessible::Name) : labels.front().first->text(QAccessible::Name);
  };
  EXPECT_EQ(label(group(0)), QStringLiteral("1"));
  EXPECT_EQ(label(group(14)), QStringLiteral("15"));
  EXPECT_EQ(label(w->Combo_Enc_ys1), QStringLiteral("DTMF Speed (On Time)"));
  EXPECT_EQ(label(w->Combo_Enc_ys2), QStringLiteral("DTMF Speed (Off Time)"));
  EXPECT_EQ(label(w->Combo_Enc_qh), QStringLiteral("Group Code"));
  EXPECT_EQ(label(w->Text_BJ), QStringLiteral("Alarm"));
  EXPECT_EQ(label(w->Text_Ani), QStringLiteral("ANI Code"));
  const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
  EXPECT_EQ(name(w->Check_Ptt_P), QStringLiteral("Press PTT to Send"));
  EXPECT_EQ(name(w->Command_def), QStringLiteral("Default"));
  main->MDImain_Language_chn_Click();
  w = main->host().find<frm_dtmf>();
  ASSERT_TRUE(w);
  EXPECT_EQ(label(w->Text_Ani), QStringLiteral("本机 ID 码"));
  EXPECT_EQ(label(w->Text_BJ), QStringLiteral("报 警 码"));
}

// The factory block as the window shows it; showing it changes no byte.
TEST_F(DtmfWindow, ShowsTheFactoryBlockAsItIs) {
  EXPECT_EQ(BlockDiff(im(), Factory()), "");
  EXPECT_EQ(group(0)->Text(), QStringLiteral("20202"));
  for (int i = 1; i < 14; ++i) EXPECT_EQ(group(i)->Text(), QString()) << i;
  EXPECT_EQ(group(14)->Text(), QStringLiteral("30303"));
  for (ComboList* list : {w->Combo_Enc_ys1, w->Combo_Enc_ys2}) {
    ASSERT_EQ(list->ListCount(), 196);
    EXPECT_EQ(list->List(0), QStringLiteral("50"));
    EXPECT_EQ(list->List(195), QStringLiteral("2000"));
    EXPECT_EQ(list->ListIndex(), 5);
    EXPECT_EQ(list->Text(), QStringLiteral("100"));
  }
  EXPECT_EQ(w->Check_Ptt_P->Value(), 0);
  EXPECT_EQ(w->Check_Ptt_S->Value(), 1);
  EXPECT_EQ(w->Text_BJ->Text(), QStringLiteral("119"));
  EXPECT_EQ(w->Text_Ani->Text(), QStringLiteral("80808"));
  EXPECT_EQ(w->Combo_Enc_qh->Text(), QStringLiteral("*"));
  EXPECT_FALSE(w->Combo_Enc_qh->isEnabled());
  ASSERT_EQ(w->Combo_Enc_qh->ListCount(), 5);
  EXPECT_EQ(w->Combo_Enc_qh->List(4), QStringLiteral("C"));
}

// A block with oddities: a window opened on it shows them as it can and
// stores what it shows, exactly as the block's own rules say (FirstShow).
TEST_F(DtmfWindow, ShowStoresWhatItShows) {
  main->host().unload<frm_dtmf>();
  edit([](img::Image& im) {
    PutBytes(im, img::kDtmfFirst + 3, 0, Bytes(16, 0));                // group 4: codes, then zeros
    PutBytes(im, img::kDtmfFirst + 4, 0, Bytes{0xFF, 1, 2, 3, 0xFF});  // group 5: empty although 1, 2, 3 follow
    im(kSet, dtmf::kOnTime) = 200;
    im(kSet, dtmf::kOffTime) = 196;
    im(kSet, dtmf::kPttFlags) = 0xF1;
    PutBytes(im, kSet, kAlarm, Bytes{1, 0xFF, 9, 0xFF, 0xFF});
    PutBytes(im, kSet, kAni, Bytes{0xFF, 4, 5, 6, 7});
    im(kSet, dtmf::kGroupCall) = 16;
    PutBytes(im, kSet, 14, Bytes{0x12, 0x34});
  });
  img::Image want = im();
  dtmf::FirstShow(want);
  w = open();
  ASSERT_TRUE(w);
  EXPECT_EQ(BlockDiff(im(), want), "");
  EXPECT_EQ(Row(im(), kSet, 0, 2), (Bytes{195, 195}));
  EXPECT_EQ(Row(im(), kSet, kAlarm, 5), (Bytes{1, 9, 0xFF, 0xFF, 0xFF}));         // the gap closed
  EXPECT_EQ(Row(im(), kSet, kAni, 5), (Bytes(5, 0xFF)));                          // shown empty, stored empty
  EXPECT_EQ(Row(im(), img::kDtmfFirst + 4, 0, 5), (Bytes{0xFF, 1, 2, 3, 0xFF}));  // stored when left
  EXPECT_EQ(group(3)->Text(), QStringLiteral("00000"));
  EXPECT_EQ(group(4)->Text(), QString());
  EXPECT_EQ(w->Combo_Enc_ys1->Text(), QStringLiteral("2000"));
  EXPECT_EQ(w->Combo_Enc_ys2->Text(), QStringLiteral("2000"));
  EXPECT_EQ(w->Check_Ptt_P->Value(), 1);
  EXPECT_EQ(w->Check_Ptt_S->Value(), 0);
  EXPECT_EQ(w->Text_BJ->Text(), QStringLiteral("19"));
  EXPECT_EQ(w->Text_Ani->Text(), QString());
  // The group call shows the stored code's character, "D" too, which is not
  // one of its items; the window never writes it.
  for (const auto& [code, shown] : std::vector<std::pair<int, QString>>{{16, "D"}, {11, "*"}, {0xFF, ""}, {12, "#"}}) {
    image.set(kSet, dtmf::kGroupCall, static_cast<std::int16_t>(code), nullptr);
    EXPECT_EQ(w->Combo_Enc_qh->Text(), shown) << code;
    EXPECT_EQ(w->Combo_Enc_qh->ListIndex(), -1);
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// A show of a block that its controls show differently (times above 195, an
// alarm code with a gap, an ANI code that shows empty) stores all of it as
// one change of the window's; a show of a block that already holds what it
// shows changes nothing.
TEST_F(DtmfWindow, AShowIsOneChange) {
  std::vector<RowRuns> heard;
  QObject::connect(&image, &ImageStore::rowsChanged, w, [&](const RowRuns& runs, const void* origin) {
    if (origin == w) heard.push_back(runs);
  });
  img::Image want = im();
  const auto oddities = [](img::Image& i) {
    i(kSet, dtmf::kOnTime) = 200;
    i(kSet, dtmf::kOffTime) = 250;
    PutBytes(i, kSet, kAlarm, Bytes{1, 0xFF, 9, 0xFF, 0xFF});
    PutBytes(i, kSet, kAni, Bytes{0xFF, 4, 5, 6, 7});
  };
  oddities(want);
  dtmf::FirstShow(want);
  edit(oddities);  // someone else's change: the window shows it at once
  EXPECT_EQ(heard, (std::vector<RowRuns>{{{kSet, kSet}}}));
  EXPECT_EQ(BlockDiff(im(), want), "");
  EXPECT_EQ(w->Text_BJ->Text(), QStringLiteral("19"));
  EXPECT_EQ(w->Combo_Enc_ys2->Text(), QStringLiteral("2000"));

  heard.clear();
  image.set(kSet, dtmf::kGroupCall, 12, nullptr);  // shown again
  EXPECT_EQ(w->Combo_Enc_qh->Text(), QStringLiteral("#"));
  EXPECT_TRUE(heard.empty());
}

// ---- lists and check boxes -----------------------------------------------------------

// A time list stores the index of the item chosen (by the arrow keys or from
// its drop-down); its field takes no typing.
TEST_F(DtmfWindow, TimeListsStoreTheChosenIndex) {
  ComboList* on = w->Combo_Enc_ys1;
  click(on);
  QTest::keyClick(on, Qt::Key_Down);
  EXPECT_EQ(im()(kSet, dtmf::kOnTime), 6);
  on->showPopup();
  QAbstractItemView* view = on->view();
  ASSERT_TRUE(view->isVisible());
  QTest::keyClick(view, Qt::Key_End);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_EQ(on->Text(), QStringLiteral("2000"));
  EXPECT_EQ(im()(kSet, dtmf::kOnTime), 195);
  // Typed text would never be stored: the field keeps the item.
  QTest::keyClicks(on, QStringLiteral("150"));
  QTest::keyClick(on, Qt::Key_Backspace);
  EXPECT_EQ(on->Text(), QStringLiteral("2000"));
  ComboList* off = w->Combo_Enc_ys2;
  click(off);
  QTest::keyClick(off, Qt::Key_Up);
  EXPECT_EQ(im()(kSet, dtmf::kOffTime), 4);
  EXPECT_EQ(off->Text(), QStringLiteral("90"));
  EXPECT_EQ(Row(im(), kSet, 2, 14), Row(Factory(), kSet, 2, 14));
}

// Each check box sets or clears its bit of byte 2; the other bits stay.
TEST_F(DtmfWindow, PttCheckBoxesKeepTheOtherBits) {
  image.set(kSet, dtmf::kPttFlags, 0xF2, nullptr);
  EXPECT_EQ(w->Check_Ptt_S->Value(), 1);
  tick(w->Check_Ptt_P);
  EXPECT_EQ(im()(kSet, dtmf::kPttFlags), 0xF3);
  tick(w->Check_Ptt_S);
  EXPECT_EQ(im()(kSet, dtmf::kPttFlags), 0xF1);
  QTest::keyClick(w->Check_Ptt_P, Qt::Key_Space);
  EXPECT_EQ(im()(kSet, dtmf::kPttFlags), 0xF0);
}

// ---- code groups -----------------------------------------------------------------

// A group is stored when its box is left, never refused: the whole row 0xFF,
// then the codes of the first five characters; the box then shows what was
// stored. The key rule empties a box that holds five characters.
TEST_F(DtmfWindow, GroupsAreStoredWhenLeft) {
  struct Case {
    int group;
    const char* typed;
    Bytes codes;
    const char* shown;
  };
  const Case cases[] = {
      {1, "A1", {13, 1, 0xFF, 0xFF, 0xFF}, "A1"},     {2, "a1b", {13, 1, 14, 0xFF, 0xFF}, "A1B"},
      {3, "x12", {0xFF, 1, 2, 0xFF, 0xFF}, ""},       {4, " *#D ", {11, 12, 16, 0xFF, 0xFF}, "*#D"},
      {5, "1234567", {6, 7, 0xFF, 0xFF, 0xFF}, "67"},  // the sixth key emptied the box
      {6, "12E45", {1, 2, 0xFF, 4, 5}, "1245"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const int row = dtmf::GroupRow(c.group);
    edit([&](img::Image& im) { PutBytes(im, row, 0, Bytes(16, 0)); });
    into(group(c.group));
    QTest::keyClick(group(c.group), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(group(c.group), Qt::Key_Delete);
    QTest::keyClicks(group(c.group), QString::fromLatin1(c.typed));
    tab();
    Bytes want = c.codes;
    want.resize(16, 0xFF);
    EXPECT_EQ(Row(im(), row, 0, 16), want);
    EXPECT_EQ(group(c.group)->Text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(focus(), group(c.group + 1));
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// ---- keys ------------------------------------------------------------------------

// Keys typed into a box that holds five characters: only a key that is then
// inserted empties it. In the alarm box a digit is ignored; in the ANI box
// only a digit is inserted; Enter, Esc and Ctrl+C change no box.
TEST_F(DtmfWindow, KeysOnAFullBox) {
  enum class Which { Group, Ani, Alarm };
  struct Case {
    const char* what;
    Which which;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* text;
  };
  const Case cases[] = {
      {"group, digit", Which::Group, Qt::Key_6, {}, "6"},
      {"group, letter", Which::Group, Qt::Key_X, {}, "x"},
      {"group, Enter", Which::Group, Qt::Key_Return, {}, "20202"},
      {"group, Esc", Which::Group, Qt::Key_Escape, {}, "20202"},
      {"group, Ctrl+C", Which::Group, Qt::Key_C, Qt::ControlModifier, "20202"},
      {"group, Backspace", Which::Group, Qt::Key_Backspace, {}, "2020"},
      {"ANI, digit", Which::Ani, Qt::Key_6, {}, "6"},
      {"ANI, letter", Which::Ani, Qt::Key_X, {}, "80808"},
      {"ANI, star", Which::Ani, Qt::Key_Asterisk, {}, "80808"},
      {"ANI, Enter", Which::Ani, Qt::Key_Return, {}, "80808"},
      {"ANI, Esc", Which::Ani, Qt::Key_Escape, {}, "80808"},
      {"ANI, Ctrl+C", Which::Ani, Qt::Key_C, Qt::ControlModifier, "80808"},
      {"ANI, Backspace", Which::Ani, Qt::Key_Backspace, {}, "8080"},
      {"alarm, digit", Which::Alarm, Qt::Key_6, {}, "12345"},
      {"alarm, Enter", Which::Alarm, Qt::Key_Return, {}, "12345"},
      {"alarm, Backspace", Which::Alarm, Qt::Key_Backspace, {}, "1234"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case starts in a new window on the factory block with the alarm
    // code 12345 (a change from elsewhere: nothing typed is left to check).
    w = open();
    ASSERT_TRUE(w);
    edit([](img::Image& im) {
      Dtmf_defaults_init(im);
      PutBytes(im, kSet, kAlarm, Bytes{1, 2, 3, 4, 5});
    });
    TextBox* box = c.which == Which::Group ? group(0) : c.which == Which::Ani ? w->Text_Ani : w->Text_BJ;
    into(box);
    QTest::keyClick(box, c.key, c.mods);
    EXPECT_EQ(box->Text().toStdString(), c.text);
    // The alarm and ANI boxes hold in the image what they show at every moment.
    EXPECT_EQ(Row(im(), kSet, kAni, 5), Codes(w->Text_Ani->Text()));
    EXPECT_EQ(Row(im(), kSet, kAlarm, 5), Codes(w->Text_BJ->Text()));
  }
  EXPECT_TRUE(prompt.calls.empty()) << messages().front();
}

// ---- the alarm and ANI check ---------------------------------------------------------

// Leaving the alarm or ANI box with a code the check refuses: the message of
// the case, in the language of the window, with the exclamation icon; a
// refused code is emptied (five 0xFF), a short one kept; the focus stays in
// the box. An emptied box keeps the focus without a message.
TEST_F(DtmfWindow, AlarmAndAniCheck) {
  struct Case {
    const char* what;
    bool ani;
    const char* input;
    bool paste;
    const Message* message;
    const char* left;
  };
  const Case cases[] = {
      {"alarm 12", false, "12", false, &dtmf::kShortMessage, "12"},
      // A paste takes what the keys could have typed: five digits, no letter, no space.
      {"alarm, seven digits pasted", false, "1234567", true, nullptr, "12345"},
      {"ANI, lower case pasted", true, "12a", true, &dtmf::kShortMessage, "12"},
      {"ANI, a space pasted", true, "1 23", true, nullptr, "123"},
      {"ANI emptied", true, "", false, nullptr, ""},
  };
  for (bool chinese : {false, true}) {
    if (chinese) {
      main->MDImain_Language_chn_Click();
      w = main->host().find<frm_dtmf>();
      ASSERT_TRUE(w);
    }
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (chinese ? " (Chinese)" : ""));
      edit([](img::Image& im) { Dtmf_defaults_init(im); });
      prompt.calls.clear();
      TextBox* box = c.ani ? w->Text_Ani : w->Text_BJ;
      into(box);
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      if (c.paste) {
        QApplication::clipboard()->setText(QString::fromLatin1(c.input));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      } else {
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromLatin1(c.input));
      }
      tab();
      if (c.message) {
        ASSERT_EQ(prompt.calls.size(), 1u);
        EXPECT_EQ(prompt.calls[0].text, c.message->text.in(chinese));
        EXPECT_EQ(prompt.calls[0].title, c.message->title.in(chinese));
        EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
      } else {
        EXPECT_TRUE(prompt.calls.empty());
      }
      EXPECT_EQ(focus() == box, c.message || !*c.left) << "the focus stays only on a refusal";
      EXPECT_EQ(box->Text().toStdString(), c.left);
      const int first = c.ani ? kAni : kAlarm, other = c.ani ? kAlarm : kAni;
      EXPECT_EQ(Row(im(), kSet, first, 5), Codes(QString::fromLatin1(c.left)));
      EXPECT_EQ(Row(im(), kSet, other, 5), Row(Factory(), kSet, other, 5));
    }
  }
  // The English titles, written out.
  EXPECT_EQ(dtmf::kShortMessage.title.in(false), QStringLiteral("Operate Prompt"));
  EXPECT_EQ(dtmf::kLongMessage.title.in(false), QStringLiteral("Operate Prompt\""));
  EXPECT_EQ(dtmf::kCharMessage.title.in(false).size(), 15);
}

// ---- focus, on a real event loop ---------------------------------------------------------

// Both codes short, the ANI's as read from the radio: the alarm code the user
// typed gives one message for each attempt to leave it, the untouched ANI
// none; nothing goes on once the loop has settled.
TEST_F(DtmfWindow, BothCodesShort) {
  realMessageBoxes();
  image.change(kSet, kSet, nullptr, [](img::Image& im) { PutBytes(im, kSet, kAni, Bytes{3, 4, 0xFF, 0xFF, 0xFF}); });
  into(w->Text_BJ);
  QTest::keyClick(w->Text_BJ, Qt::Key_Backspace);  // "11"
  tab();
  settleLoop();
  const std::string shortText = dtmf::kShortMessage.text.in(false).toStdString();
  EXPECT_EQ(messages(), std::vector<std::string>{shortText});
  EXPECT_EQ(focus(), w->Text_BJ);
  click(w->Text_Ani);
  settleLoop();
  EXPECT_EQ(messages(), (std::vector<std::string>{shortText, shortText}));
  EXPECT_EQ(focus(), w->Text_BJ);
  // Mended: on to the ANI box, and on past it.
  QTest::keyClick(w->Text_BJ, Qt::Key_9);
  tab();
  settleLoop();
  EXPECT_EQ(focus(), w->Text_Ani);
  tab();
  settleLoop();
  EXPECT_EQ(focus(), w->Check_Ptt_P);
  EXPECT_EQ(prompt.calls.size(), 2u);
  EXPECT_EQ(Row(im(), kSet, kAlarm, 5), (Bytes{1, 1, 9, 0xFF, 0xFF}));
  EXPECT_EQ(Row(im(), kSet, kAni, 5), (Bytes{3, 4, 0xFF, 0xFF, 0xFF}));
}

// Both codes empty (a radio whose ANI and alarm bytes are 0xFF): untouched,
// they let the user through; emptied by the user, a box keeps the focus,
// silently, once per attempt.
TEST_F(DtmfWindow, BothCodesEmpty) {
  realMessageBoxes();
  image.change(kSet, kSet, nullptr, [](img::Image& im) {
    PutBytes(im, kSet, kAlarm, Bytes(5, 0xFF));
    PutBytes(im, kSet, kAni, Bytes(5, 0xFF));
  });
  into(w->Text_BJ);
  tab();
  settleLoop();
  EXPECT_EQ(focus(), w->Text_Ani);
  tab();
  settleLoop();
  EXPECT_EQ(focus(), w->Check_Ptt_P);
  into(w->Text_Ani);
  QTest::keyClick(w->Text_Ani, Qt::Key_1);
  QTest::keyClick(w->Text_Ani, Qt::Key_Backspace);
  tab();
  settleLoop();
  EXPECT_EQ(focus(), w->Text_Ani);
  click(w->Text_BJ);
  settleLoop();
  EXPECT_EQ(focus(), w->Text_Ani);
  EXPECT_TRUE(prompt.calls.empty()) << messages().front();
  EXPECT_EQ(Row(im(), kSet, kAlarm, 10), Bytes(10, 0xFF));
}

// A short code, then a click on Close or Default: the message once, and the
// button acts exactly once (the code is stored already). With real message
// boxes and with messages that take no focus.
TEST_F(DtmfWindow, ShortCodeThenCloseOrDefaultActsOnce) {
  for (bool realBoxes : {true, false}) {
    for (bool close : {true, false}) {
      SCOPED_TRACE(std::string(close ? "Close" : "Default") + (realBoxes ? ", real boxes" : ""));
      prompt.onShow = nullptr;
      if (realBoxes) realMessageBoxes();
      prompt.calls.clear();
      w = open();
      ASSERT_TRUE(w);
      edit([](img::Image& im) { Dtmf_defaults_init(im); });
      into(group(2));
      QTest::keyClicks(group(2), QStringLiteral("55"));
      into(w->Text_BJ);
      QTest::keyClick(w->Text_BJ, Qt::Key_Backspace);  // "11"
      QPushButton* button = close ? w->Command_close : w->Command_def;
      int clicks = 0;
      QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
      click(button);
      settleLoop();
      EXPECT_EQ(messages(), std::vector<std::string>{dtmf::kShortMessage.text.in(false).toStdString()});
      EXPECT_EQ(clicks, 1);
      if (close) {
        EXPECT_FALSE(main->host().isLoaded<frm_dtmf>());
        EXPECT_EQ(st.Flag_frm_dtmf, 0);
        EXPECT_EQ(Row(im(), kSet, kAlarm, 5), (Bytes{1, 1, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(Row(im(), dtmf::GroupRow(2), 0, 2), (Bytes{5, 5}));
        settle();
        continue;
      }
      EXPECT_EQ(BlockDiff(im(), Factory()), "");
      EXPECT_EQ(w->Text_BJ->Text(), QStringLiteral("119"));
      EXPECT_EQ(group(2)->Text(), QString());
      ASSERT_EQ(focus(), w->Text_BJ);
      tab();
      settleLoop();
      EXPECT_EQ(focus(), w->Text_Ani);
      EXPECT_EQ(prompt.calls.size(), 1u);
    }
  }
}

// A change of the image that arrives while a message box is open (a read
// completing) is what the window shows afterwards; the check stores nothing
// over it.
TEST_F(DtmfWindow, ChangeDuringTheMessageIsKept) {
  prompt.onShow = [&](const PromptCall&) {
    edit([](img::Image& im) { PutBytes(im, kSet, kAlarm, Bytes{9, 9, 0xFF, 0xFF, 0xFF}); });
  };
  into(w->Text_BJ);
  QTest::keyClick(w->Text_BJ, Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText(QStringLiteral("1a"));  // "1": too short
  QTest::keyClick(w->Text_BJ, Qt::Key_V, Qt::ControlModifier);
  tab();
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(Row(im(), kSet, kAlarm, 5), (Bytes{9, 9, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(w->Text_BJ->Text(), QStringLiteral("99"));
  EXPECT_EQ(focus(), w->Text_BJ);
  // What the box shows came from elsewhere: leaving it checks nothing, short
  // as it is.
  tab();
  EXPECT_EQ(focus(), w->Text_Ani);
  EXPECT_EQ(prompt.calls.size(), 1u);
}

// ---- pasted and dropped codes ------------------------------------------------------

// A code pasted or dropped into a box takes what its keys could have typed:
// each character through the box's key rule, into the text as it then
// stands (a group box empties at a sixth character, the ANI box at a sixth
// digit, the alarm box takes no sixth; both take digits only); characters
// no key types (a line break) never count. The box is then left with Tab.
TEST_F(DtmfWindow, PastedCodesTakeWhatTheKeysCouldHaveTyped) {
  struct Case {
    const char* what;
    TextBox* box;
    const char* pasted;
    const char* typedIn;  // in the box before it is left
    int row, first;
    Bytes stored;  // after leaving
    const char* shown;
  };
  const Case cases[] = {
      {"group, a letter and a line break",
       group(1),
       "a1\n2",
       "a12",
       dtmf::GroupRow(1),
       0,
       {13, 1, 2, 0xFF, 0xFF},
       "A12"},
      {"group, seven characters", group(1), "12345*#", "*#", dtmf::GroupRow(1), 0, {11, 12, 0xFF, 0xFF, 0xFF}, "*#"},
      {"alarm, a letter", w->Text_BJ, "12a3x", "123", kSet, kAlarm, {1, 2, 3, 0xFF, 0xFF}, "123"},
      {"alarm, seven digits", w->Text_BJ, "1234567", "12345", kSet, kAlarm, {1, 2, 3, 4, 5}, "12345"},
      {"ANI, a space", w->Text_Ani, "98 76", "9876", kSet, kAni, {9, 8, 7, 6, 0xFF}, "9876"},
      {"ANI, eight digits", w->Text_Ani, "12345678", "678", kSet, kAni, {6, 7, 8, 0xFF, 0xFF}, "678"},
  };
  for (typed_in::Way way : typed_in::Ways()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": " + c.what);
      edit([](img::Image& im) { Dtmf_defaults_init(im); });
      prompt.calls.clear();
      into(c.box);
      QTest::keyClick(c.box, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(c.box, Qt::Key_Delete);
      typed_in::Bring(c.box, way, QString::fromLatin1(c.pasted));
      EXPECT_EQ(c.box->Text().toStdString(), c.typedIn);
      tab();
      EXPECT_NE(focus(), c.box);
      EXPECT_EQ(Row(im(), c.row, c.first, 5), c.stored);
      EXPECT_EQ(c.box->Text().toStdString(), c.shown);
      EXPECT_TRUE(prompt.calls.empty());
    }
  }
}

// ---- following the image --------------------------------------------------------

// A change of the block made elsewhere shows at once; text typed into a group
// box on the old data is dropped, not stored. A change of other rows leaves
// the window alone, and the window's own stores do not redraw it.
TEST_F(DtmfWindow, FollowsTheImage) {
  into(group(1));
  QTest::keyClicks(group(1), QStringLiteral("99"));
  edit([](img::Image& im) {
    PutBytes(im, dtmf::GroupRow(1), 0, Bytes{5, 5, 5});
    PutBytes(im, kSet, kAni, Bytes{1, 2, 3, 0xFF, 0xFF});
    im(kSet, dtmf::kOnTime) = 9;
  });
  EXPECT_EQ(group(1)->Text(), QStringLiteral("555"));
  EXPECT_EQ(w->Text_Ani->Text(), QStringLiteral("123"));
  EXPECT_EQ(w->Combo_Enc_ys1->Text(), QStringLiteral("140"));
  tab();
  EXPECT_EQ(Row(im(), dtmf::GroupRow(1), 0, 5), (Bytes{5, 5, 5, 0xFF, 0xFF}));

  into(group(3));
  QTest::keyClicks(group(3), QStringLiteral("44"));
  edit([](img::Image& im) { im(5, 0) = 0x12; });
  EXPECT_EQ(group(3)->Text(), QStringLiteral("44"));

  into(w->Text_Ani);
  QTest::keyClick(w->Text_Ani, Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText(QStringLiteral("12a"));  // the letter is dropped as a typed one
  QTest::keyClick(w->Text_Ani, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Row(im(), kSet, kAni, 5), (Bytes{1, 2, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(w->Text_Ani->Text(), QStringLiteral("12"));
  EXPECT_EQ(Row(im(), dtmf::GroupRow(3), 0, 3), (Bytes{4, 4, 0xFF}));
}

// Text typed into a group box is stored when the user goes to another window
// (a click into the channel window, a command of the main window) or closes
// the window by its title bar.
TEST_F(DtmfWindow, TypedGroupIsStoredWhenTheWindowIsLeft) {
  into(group(4));
  QTest::keyClicks(group(4), QStringLiteral("123"));
  auto* chann = main->host().find<frm_chann>();
  ASSERT_TRUE(chann);
  QTest::mouseClick(chann->MSF_Chann->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), chann->frame());
  EXPECT_EQ(Row(im(), dtmf::GroupRow(4), 0, 4), (Bytes{1, 2, 3, 0xFF}));

  into(group(6));
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), w->frame());
  QTest::keyClicks(group(6), QStringLiteral("45"));
  main->menu(QStringLiteral("File_save"))->trigger();
  EXPECT_EQ(Row(im(), dtmf::GroupRow(6), 0, 3), (Bytes{4, 5, 0xFF}));
  main->host().unload<Form_save_chann>();

  // Another window made active by code, after the focus has already left
  // this one (as Ctrl+Tab between the children does).
  into(group(5));
  QTest::keyClicks(group(5), QStringLiteral("9"));
  into(group(8));
  QTest::keyClicks(group(8), QStringLiteral("78"));
  main->mdiArea()->setActiveSubWindow(static_cast<QMdiSubWindow*>(chann->frame()));
  EXPECT_EQ(Row(im(), dtmf::GroupRow(5), 0, 2), (Bytes{9, 0xFF}));
  EXPECT_EQ(Row(im(), dtmf::GroupRow(8), 0, 3), (Bytes{7, 8, 0xFF}));

  into(group(7));
  QTest::keyClicks(group(7), QStringLiteral("*"));
  w->frame()->close();
  EXPECT_FALSE(main->host().isLoaded<frm_dtmf>());
  EXPECT_EQ(Row(im(), dtmf::GroupRow(7), 0, 2), (Bytes{11, 0xFF}));
  EXPECT_TRUE(prompt.calls.empty());
  settle();
}

// ---- reloads ----------------------------------------------------------------------

// Edit > DTMF on an open window rebuilds it; what was typed into a group box
// is stored first (the command's deactivation) and shown again.
TEST_F(DtmfWindow, MenuReopenRebuilds) {
  into(group(2));
  QTest::keyClicks(group(2), QStringLiteral("321"));
  frm_dtmf* before = w;
  w = open();
  ASSERT_TRUE(w);
  EXPECT_NE(w, before);
  EXPECT_EQ(group(2)->Text(), QStringLiteral("321"));
  EXPECT_EQ(Row(im(), dtmf::GroupRow(2), 0, 4), (Bytes{3, 2, 1, 0xFF}));
}

// A parameter file's load rebuilds an open window after the channel window,
// showing the file's block; a closed one stays closed.
TEST_F(DtmfWindow, ParameterFileLoadRebuildsAnOpenWindow) {
  img::Image file = im();
  PutBytes(file, dtmf::GroupRow(0), 0, Bytes{9, 8, 7, 0xFF, 0xFF});
  PutBytes(file, kSet, kAni, Bytes{1, 2, 3, 0xFF, 0xFF});
  file(kSet, dtmf::kOnTime) = 200;
  WriteFile(inCwd("radio.dat"), Para_file_text(file));
  for (bool openBefore : {true, false}) {
    SCOPED_TRACE(openBefore ? "open" : "closed");
    if (!openBefore) main->host().unload<frm_dtmf>();
    settle();
    frm_dtmf* before = main->host().find<frm_dtmf>();
    main->MDImain_File_Open_Click();
    confirm(main->host().find<Form_open_chann>(), QStringLiteral("radio.dat"));
    frm_dtmf* after = main->host().find<frm_dtmf>();
    if (!openBefore) {
      EXPECT_FALSE(after);
      EXPECT_EQ(st.Flag_frm_dtmf, 0);
      continue;
    }
    ASSERT_TRUE(after);
    EXPECT_NE(after, before);
    EXPECT_EQ(after->Text_tx_Encode[0]->Text(), QStringLiteral("987"));
    EXPECT_EQ(after->Text_Ani->Text(), QStringLiteral("123"));
    EXPECT_EQ(after->Combo_Enc_ys1->Text(), QStringLiteral("2000"));
    EXPECT_EQ(im()(kSet, dtmf::kOnTime), 195);
    const std::vector<RadioWindow*> order = main->host().loadedWindows();
    const auto chann = std::find(order.begin(), order.end(), main->host().find<frm_chann>());
    const auto dtmfAt = std::find(order.begin(), order.end(), after);
    EXPECT_LT(chann, dtmfAt);
  }
}

// The language switch rebuilds the window last, after the write dialog, in
// the new language and on the image as it is.
TEST_F(DtmfWindow, LanguageSwitchRebuildsItLast) {
  image.set(dtmf::GroupRow(5), 0, 12, nullptr);
  main->MDImain_Prog_write_Click();
  main->MDImain_Language_chn_Click();
  settle();
  frm_dtmf* d = main->host().find<frm_dtmf>();
  ASSERT_TRUE(d);
  EXPECT_NE(d, w);
  const std::vector<RadioWindow*> order = main->host().loadedWindows();
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.back(), d);
  EXPECT_TRUE(main->host().isLoaded<Form_Comm_Write>());
  EXPECT_EQ(d->windowTitle(), QStringLiteral("DTMF 编解码参数编辑"));
  EXPECT_EQ(d->Frame_encode->title(), QStringLiteral("DTMF 编码"));
  EXPECT_EQ(d->Frame_ANI_Code->title(), QStringLiteral("本机 ID 码"));
  EXPECT_EQ(d->Label_dtmf_ontime->text(), QStringLiteral("发送DTMF码时码持续时间（MS）"));
  EXPECT_EQ(d->Check_Ptt_S->text(), QStringLiteral("PTT松开发送"));
  EXPECT_EQ(d->Command_close->text(), QStringLiteral("关  闭"));
  EXPECT_EQ(d->Command_def->text(), QStringLiteral("默 认"));
  EXPECT_EQ(d->Text_tx_Encode[5]->Text(), QStringLiteral("#"));
  main->MDImain_Language_eng_Click();
  settle();
  ASSERT_TRUE(main->host().find<frm_dtmf>());
  EXPECT_EQ(main->host().find<frm_dtmf>()->Command_close->text(), QStringLiteral("Close"));
}

// What the window stored reaches the parameter file: rows 208..223 are lines
// 209..224 of a saved .dat.
TEST_F(DtmfWindow, SavedFileHoldsTheBlock) {
  into(group(9));
  QTest::keyClicks(group(9), QStringLiteral("b12"));
  into(w->Text_BJ);
  QTest::keyClick(w->Text_BJ, Qt::Key_3);
  tick(w->Check_Ptt_P);
  main->MDImain_File_save_Click();
  confirm(main->host().find<Form_save_chann>(), QStringLiteral("saved.dat"));
  const QList<QByteArray> lines = ReadFile(inCwd("saved.dat")).split('\n');
  ASSERT_GT(lines.size(), img::kDtmfLast);
  const auto numbers = [&](int row) {
    Bytes out;
    for (const QByteArray& f : lines[row].simplified().split(' ')) out.push_back(f.toInt());
    return out;
  };
  Bytes g = {14, 1, 2};
  g.resize(16, 0xFF);
  EXPECT_EQ(numbers(dtmf::GroupRow(9)), g);
  EXPECT_EQ(numbers(kSet), (Bytes{5, 5, 3, 1, 1, 9, 3, 0xFF, 8, 0, 8, 0, 8, 11, 0xFF, 0xFF}));
}

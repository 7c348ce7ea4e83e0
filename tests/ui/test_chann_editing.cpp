// Editing channels in the grid as a user does: clicks, typing, list choices,
// Enter and leaving cells, checked against the bytes of the parameter image.
#include "chann_fixture.h"
#include "typed_in.h"

#include <QPushButton>
#include <QScrollBar>

#include <functional>

namespace {

const Bytes kAllFF(16, 0xFF);
const Bytes k130 = {0x00, 0x00, 0x00, 0x13};
const Bytes k145 = {0x00, 0x00, 0x50, 0x14};

// Factory channel 1 (grid row 2) and its name.
const Bytes kFactory1 = {0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15,
                         0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04};
const Bytes kName1 = {'O', 's', 't', 'r', '1', '-', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

Bytes Cat(const Bytes& a, const Bytes& b) {
  Bytes out = a;
  out.insert(out.end(), b.begin(), b.end());
  return out;
}
Bytes Slice(const Bytes& b, int first, int count) { return Bytes(b.begin() + first, b.begin() + first + count); }

const char* const kRxMessage = "Over the range of receive frequency .";
const char* const kTxMessage = "Over the range of transmit frequency .";
const char* const kTxFirstMessage = "Please input the receive frequency in advance.";
const char* const kNameMessage = "The letter of channel name max 6 bit . ";

}  // namespace

class ChannEditing : public ChannFixture {
 protected:
  // Channel 1 as the factory left it, drawn again; no messages yet. An
  // editor still open is committed first, on the cell it was opened for.
  void freshChannel1() {
    click(1, 0);
    put(1, kFactory1, kName1);
    redraw();
    prompt.calls.clear();
  }
  void leave(int r) { click(r, 0); }
  bool editorOver(QWidget* editor, int r, int c) {
    if (!editor->isVisible() || grid().Row() != r || grid().Col() != c) return false;
    const QRect cellRect = grid().CellRect().translated(grid().pos());
    return editor->x() == cellRect.x() && editor->y() == cellRect.y() && editor->width() == cellRect.width() &&
           editor->height() == cellRect.height();
  }
};

// A first RX frequency and Enter: a new channel with its default settings,
// TX = RX, and the TX editor open on the same row.
TEST_F(ChannEditing, NewChannelByEnter) {
  click(21, 2);
  EXPECT_TRUE(editorOver(w->Text_Edit, 21, 2));
  type(QStringLiteral("145"));
  enter();
  EXPECT_EQ(record(20), Cat(Cat(k145, k145), {0, 0, 0, 0, 0, 0, 0, 0x44}));
  EXPECT_EQ(name(20), kAllFF);
  EXPECT_EQ(row(21), (std::vector<std::string>{"VHF/UHF ", "145.00000", "145.00000", "OFF", "OFF", "HIGH", "W", "OFF",
                                               "OFF", "ON", "1", ""}));
  EXPECT_TRUE(editorOver(w->Text_Edit, 21, 3));
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("145.00000"));
  EXPECT_EQ(focus(), w->Text_Edit);
  EXPECT_TRUE(prompt.calls.empty());
}

// RX limits 130..179 and 400..520: leaving the cell accepts up to 180
// (exclusive), Enter only up to 179. A refused RX becomes 130.00000; on a
// programmed channel leaving keeps TX, while Enter's commit makes TX follow.
TEST_F(ChannEditing, RxLimitsByLeavingAndByEnter) {
  enum How { Leave, Enter };
  struct Case {
    const char* typed;
    How how;
    Bytes rx, tx;
    bool message;
    double uhfHigh = 520;
  };
  const Bytes k151 = Slice(kFactory1, 0, 4);
  const Bytes k179 = {0x00, 0x90, 0x99, 0x17}, k400 = {0x00, 0x00, 0x00, 0x40}, k520 = {0x00, 0x00, 0x00, 0x52};
  const Case cases[] = {
      {"130", Leave, k130, k130, false},       {"130", Enter, k130, k130, false},
      {"129.99", Leave, k130, k151, true},     {"129.99", Enter, k130, k130, true},
      {"179.99", Leave, k179, k179, false},    {"179.99", Enter, k130, k130, true},
      {"180", Leave, k130, k151, true},        {"399.99", Leave, k130, k151, true},
      {"400", Leave, k400, k400, false},       {"520", Enter, k520, k520, false},
      {"520.01", Leave, k130, k151, true},     {"abc", Leave, k130, k151, true},
      {"1000", Leave, k130, k151, true, 1200}, {"1000", Enter, k130, k130, true, 1200},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.typed) + (c.how == Leave ? " (leave)" : " (Enter)");
    st.Freq_uhf_high = c.uhfHigh;
    freshChannel1();
    retype(2, 2, QString::fromLatin1(c.typed));
    if (c.how == Leave)
      leave(2);
    else
      enter();
    EXPECT_EQ(Slice(record(1), 0, 4), c.rx) << what;
    EXPECT_EQ(Slice(record(1), 4, 4), c.tx) << what;
    EXPECT_EQ(Slice(record(1), 8, 8), Slice(kFactory1, 8, 8)) << what;
    EXPECT_EQ(name(1), kName1) << what;
    EXPECT_EQ(messages(), c.message ? std::vector<std::string>{kRxMessage} : std::vector<std::string>{}) << what;
    if (c.message) {
      EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
      EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    }
    if (c.how == Enter) {
      EXPECT_TRUE(editorOver(w->Text_Edit, 2, 3)) << what;
    }
  }
}

// A split channel keeps its TX when its RX cell is only passed through (by a
// click or by Enter); a changed RX resets TX to it.
TEST_F(ChannEditing, RxChangeResetsTxButPassingThroughKeepsIt) {
  const Bytes split = {0x00, 0x20, 0x65, 0x14, 0x00, 0x00, 0x76, 0x14, 0x01, 0x00, 0x9E, 0x02, 0x03, 0x00, 0x01, 0x4B};
  put(60, split, {'S', 'P'});
  redraw();
  click(61, 2);
  leave(61);
  EXPECT_EQ(record(60), split);
  click(61, 2);
  enter();
  EXPECT_EQ(record(60), split);
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("147.60000"));
  retype(61, 2, QStringLiteral("147"));
  leave(61);
  EXPECT_EQ(record(60), Cat(Bytes{0x00, 0x00, 0x70, 0x14, 0x00, 0x00, 0x70, 0x14}, Slice(split, 8, 8)));
  EXPECT_EQ(cell(61, 3), QStringLiteral("147.00000"));
  EXPECT_EQ(name(60)[0], 'S');
  EXPECT_TRUE(prompt.calls.empty());
}

// Deleting the RX frequency empties the channel and its name; with Enter the
// TX editor then opens on the same row.
TEST_F(ChannEditing, RxDeletedEmptiesTheChannel) {
  retype(2, 2, QString());
  leave(2);
  EXPECT_EQ(record(1), kAllFF);
  EXPECT_EQ(name(1), kAllFF);
  EXPECT_EQ(row(2), std::vector<std::string>(12, ""));
  retype(3, 2, QString());
  enter();
  EXPECT_EQ(record(2), kAllFF);
  EXPECT_EQ(name(2), kAllFF);
  EXPECT_TRUE(editorOver(w->Text_Edit, 3, 3));
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(ChannEditing, TxCommits) {
  // Typed before any RX frequency: the message, nothing stored.
  click(71, 3);
  type(QStringLiteral("145"));
  leave(71);
  EXPECT_EQ(messages(), std::vector<std::string>{kTxFirstMessage});
  EXPECT_EQ(record(70), kAllFF);
  EXPECT_EQ(cell(71, 3), QString());

  // Deleted: a receive-only channel, TX tone off.
  freshChannel1();
  retype(2, 3, QString());
  leave(2);
  EXPECT_EQ(record(1), Cat(Cat(Slice(kFactory1, 0, 4), {0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xFF, 0xFF}),
                           Slice(kFactory1, 12, 4)));
  EXPECT_EQ(cell(2, 3), QString());
  EXPECT_EQ(cell(2, 5), QString());
  EXPECT_TRUE(prompt.calls.empty());

  // Out of range, by leaving and by Enter: 130.00000 and the TX tone off.
  for (bool byEnter : {false, true}) {
    freshChannel1();
    retype(2, 3, QStringLiteral("600"));
    if (byEnter)
      enter();
    else
      leave(2);
    EXPECT_EQ(messages(), std::vector<std::string>{kTxMessage}) << byEnter;
    EXPECT_EQ(record(1), Cat(Cat(Slice(kFactory1, 0, 4), k130), {0x9E, 0x02, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04}))
        << byEnter;
    EXPECT_EQ(cell(2, 3), QStringLiteral("130.00000"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("OFF"));
    if (byEnter) {
      EXPECT_TRUE(editorOver(w->Combo_edit, 2, 4));
    }
  }
}

// Tones typed into the tone lists: CTCSS values 60..259.9 stored as tenths
// (the RX tone also sets the TX tone), DCS names through their list item,
// anything else dropped without a message.
TEST_F(ChannEditing, TonesTyped) {
  struct Case {
    int col;
    const char* typed;
    Bytes tones;  // bytes 8..11 afterwards
    const char* shown;
  };
  const Case cases[] = {
      {4, "60", {0x58, 0x02, 0x58, 0x02}, "60.0"},      {4, "259.9", {0x27, 0x0A, 0x27, 0x0A}, "259.9"},
      {4, "59.9", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},    {4, "260", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
      {4, "100.55", {0xEE, 0x03, 0xEE, 0x03}, "100.6"}, {5, "88.5", {0x9E, 0x02, 0x75, 0x03}, "88.5"},
      {5, "d023n", {0x9E, 0x02, 0x01, 0x00}, "D023N"},  {5, "D999N", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
      {4, "d754i", {0xD2, 0x00, 0xD2, 0x00}, "D754I"},  {5, "off", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
  };
  for (const Case& c : cases) {
    freshChannel1();
    click(2, c.col);
    ASSERT_TRUE(editorOver(w->Combo_edit, 2, c.col));
    EXPECT_EQ(w->Combo_edit->Text(), QString()) << c.typed;
    type(QString::fromLatin1(c.typed));
    leave(2);
    EXPECT_EQ(Slice(record(1), 8, 4), c.tones) << c.typed;
    EXPECT_EQ(Cat(Slice(record(1), 0, 8), Slice(record(1), 12, 4)),
              Cat(Slice(kFactory1, 0, 8), Slice(kFactory1, 12, 4)))
        << c.typed;
    EXPECT_EQ(cell(2, c.col).trimmed().toStdString(), c.shown) << c.typed;
    EXPECT_TRUE(prompt.calls.empty()) << c.typed;
  }
}

// The tone lists take digits, the point and D, N, I (small letters as
// capitals); other keys, Backspace included, do nothing there.
TEST_F(ChannEditing, ToneKeyFilter) {
  click(2, 5);
  type(QStringLiteral("d0a2b3!n"));
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("D023N"));
  key(Qt::Key_Backspace);
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("D023N"));
  // In the other lists the text returns at once to the current setting.
  click(2, 6);
  type(QStringLiteral("xyz"));
  key(Qt::Key_Backspace);
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("HIGH"));
  leave(2);
  Bytes want = kFactory1;
  want[10] = 0x01;  // the TX tone typed before
  want[11] = 0x00;
  EXPECT_EQ(record(1), want);
  EXPECT_EQ(cell(2, 6), QStringLiteral("HIGH"));
}

// Tones and settings chosen from the lists are written at once and change
// only their own bytes and bits.
TEST_F(ChannEditing, ChoicesFromTheLists) {
  struct Case {
    int col;
    const char* item;
    int byte, after;
  };
  const Case settings[] = {
      {6, "LOW", 14, 0x01}, {7, "W", 15, 0x44},    {8, "BOTH", 15, 0x07},
      {9, "ON", 15, 0x0C},  {10, "OFF", 15, 0x00}, {11, "15", 12, 0x0E},
  };
  for (const Case& c : settings) {
    freshChannel1();
    click(2, c.col);
    choose(QString::fromLatin1(c.item));
    Bytes want = kFactory1;
    want[static_cast<size_t>(c.byte)] = c.after;
    EXPECT_EQ(record(1), want) << c.item;
    leave(2);
    EXPECT_EQ(record(1), want) << c.item;
    EXPECT_EQ(cell(2, c.col), QString::fromLatin1(c.item));
  }

  // Tones on a weather channel (both off): an RX choice sets both and shows
  // at once; a TX choice only the TX tone.
  const int r = 194, n = 193;
  const Bytes wx = record(n);
  click(r, 4);
  choose(QStringLiteral("67.0"));
  EXPECT_EQ(Slice(record(n), 8, 4), (Bytes{0x9E, 0x02, 0x9E, 0x02}));
  EXPECT_EQ(cell(r, 5), QStringLiteral("67.0"));
  click(r, 5);
  choose(QStringLiteral("D023N"));
  EXPECT_EQ(Slice(record(n), 8, 4), (Bytes{0x9E, 0x02, 0x01, 0x00}));
  choose(QStringLiteral("D754I"));
  choose(QStringLiteral("OFF"));
  EXPECT_EQ(Slice(record(n), 8, 4), (Bytes{0x9E, 0x02, 0x00, 0x00}));
  choose(QStringLiteral("D754I"));
  leave(r);
  EXPECT_EQ(record(n), Cat(Cat(Slice(wx, 0, 8), {0x9E, 0x02, 0xD2, 0x00}), Slice(wx, 12, 4)));
  EXPECT_EQ(cell(r, 5), QStringLiteral("D754I"));
  EXPECT_TRUE(prompt.calls.empty());
}

// Enter in a list moves on along the row; in the band list it does nothing.
TEST_F(ChannEditing, EnterInTheLists) {
  click(2, 7);
  enter();
  EXPECT_TRUE(editorOver(w->Combo_edit, 2, 8));
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("OFF"));
  EXPECT_EQ(w->Combo_edit->ListCount(), 4);
  click(2, 11);
  enter();
  EXPECT_TRUE(editorOver(w->Text_Edit, 2, 12));
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("Ostr1-1"));
  click(2, 1);
  enter();
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_TRUE(w->Combo_edit->isVisible());
  leave(2);
  EXPECT_EQ(record(1), kFactory1);
  EXPECT_EQ(name(1), kName1);
}

// The band list: on an empty channel it starts the channel (the settings
// lists then open, the TX tone list not before an RX frequency); a tone
// chosen before any RX frequency is undone with the band.
TEST_F(ChannEditing, BandChoice) {
  const int r = 81;
  click(r, 1);
  choose(QStringLiteral("VHF/UHF"));
  EXPECT_EQ(cell(r, 1), QStringLiteral("VHF/UHF"));
  EXPECT_EQ(record(80), kAllFF);
  click(r, 5);
  EXPECT_FALSE(w->Combo_edit->isVisible());
  EXPECT_FALSE(w->Text_Edit->isVisible());
  click(r, 6);
  EXPECT_TRUE(w->Combo_edit->isVisible());
  EXPECT_EQ(w->Combo_edit->ListCount(), 2);
  click(r, 4);
  choose(QStringLiteral("67.0"));
  EXPECT_EQ(row(r), std::vector<std::string>(12, ""));
  EXPECT_EQ(record(80), kAllFF);
  // On a programmed channel only the band text changes (its trailing blank goes).
  click(2, 1);
  choose(QStringLiteral("VHF/UHF"));
  leave(2);
  EXPECT_EQ(cell(2, 1), QStringLiteral("VHF/UHF"));
  EXPECT_EQ(record(1), kFactory1);
  EXPECT_EQ(name(1), kName1);
}

// Names: up to seven printable ASCII characters in bytes 0..6; the warning
// above six; the cell shows what was stored.
TEST_F(ChannEditing, Names) {
  struct Case {
    QString typed;
    Bytes bytes;  // name bytes 0..6
    const char* shown;
    bool warned;
  };
  const Case cases[] = {
      {"ABCDEF", {'A', 'B', 'C', 'D', 'E', 'F', 0xFF}, "ABCDEF", false},
      {"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F', 'G'}, "ABCDEFG", true},
      {QString::fromUtf8("Zürich"), {'Z', 'r', 'i', 'c', 'h', 0xFF, 0xFF}, "Zrich", false},
      {"  cq 1 ", {'c', 'q', ' ', '1', 0xFF, 0xFF, 0xFF}, "cq1", false},
  };
  const Bytes tail = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};
  for (const Case& c : cases) {
    put(1, kFactory1, Cat(Slice(kName1, 0, 7), tail));
    redraw();
    prompt.calls.clear();
    retype(2, 12, c.typed);
    leave(2);
    EXPECT_EQ(name(1), Cat(c.bytes, tail)) << c.typed.toStdString();
    EXPECT_EQ(cell(2, 12).toStdString(), c.shown);
    EXPECT_EQ(record(1), kFactory1);
    EXPECT_EQ(messages(), c.warned ? std::vector<std::string>{kNameMessage} : std::vector<std::string>{});
    if (c.warned) {
      EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate Prompt"));
    }
  }
  // Enter in the name stores it and shows it at once; the editor closes, so
  // leaving the cell afterwards changes nothing more.
  retype(3, 12, QStringLiteral("NEW"));
  enter();
  EXPECT_FALSE(w->Text_Edit->isVisible());
  EXPECT_EQ(focus(), &grid());
  EXPECT_EQ(Slice(name(2), 0, 4), (Bytes{'N', 'E', 'W', 0xFF}));
  EXPECT_EQ(cell(3, 12), QStringLiteral("NEW"));
  retype(3, 12, QStringLiteral("ABCDEFGH"));
  prompt.calls.clear();
  enter();
  EXPECT_EQ(messages(), std::vector<std::string>{kNameMessage});
  EXPECT_EQ(Slice(name(2), 0, 7), (Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G'}));
  EXPECT_EQ(cell(3, 12), QStringLiteral("ABCDEFG"));
  leave(3);
  EXPECT_EQ(messages(), std::vector<std::string>{kNameMessage});
  prompt.calls.clear();
  // A channel without band gets no name.
  retype(91, 12, QStringLiteral("HELLO"));
  leave(91);
  EXPECT_EQ(name(90), kAllFF);
  EXPECT_EQ(cell(91, 12), QString());
  // A name with blanks, only passed through, keeps its bytes.
  const Bytes spaced = {' ', 'A', ' ', 'B', 0xFF, 0xFF, 0xFF, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};
  put(1, kFactory1, spaced);
  redraw();
  EXPECT_EQ(cell(2, 12), QStringLiteral("AB"));
  click(2, 12);
  leave(2);
  EXPECT_EQ(name(1), spaced);
}

// Moving through the grid with the keyboard opens no editor and changes no channel.
TEST_F(ChannEditing, KeyboardMovesChangeNothing) {
  click(81, 1);
  choose(QStringLiteral("VHF/UHF"));  // a band just chosen, nothing else yet
  const img::Image before = image.image();
  click(2, 0);
  ASSERT_EQ(focus(), &grid());
  for (int i = 0; i < 12; ++i) key(Qt::Key_Right);
  key(Qt::Key_Down);
  for (int i = 0; i < 12; ++i) key(Qt::Key_Left);
  for (int i = 0; i < 78; ++i) key(Qt::Key_Down);
  EXPECT_EQ(grid().Row(), 81);
  for (int i = 0; i < 12; ++i) key(Qt::Key_Right);
  key(Qt::Key_PageDown);
  key(Qt::Key_End);
  key(Qt::Key_Home);
  EXPECT_TRUE(image.image() == before) << ImageDiff(image.image(), before);
  EXPECT_EQ(cell(81, 1), QStringLiteral("VHF/UHF"));
  EXPECT_EQ(row(2)[0], "VHF/UHF ");
  EXPECT_EQ(row(2)[11], "Ostr1-1");
  EXPECT_FALSE(w->Text_Edit->isVisible());
  EXPECT_TRUE(prompt.calls.empty());
}

// Enter in the TX cell of a channel without frequencies goes to the band of
// the next channel; on the last channel it stays on that channel's band.
TEST_F(ChannEditing, EnterJumpsToTheNextChannelsBand) {
  click(31, 3);
  enter();
  EXPECT_EQ(grid().Row(), 32);
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(w->Owner_row(), 32);
  EXPECT_TRUE(w->Combo_edit->isVisible());
  // A TX frequency without RX: the message, nothing stored, on to the next band.
  click(41, 3);
  type(QStringLiteral("145"));
  enter();
  EXPECT_EQ(messages(), std::vector<std::string>{kTxFirstMessage});
  EXPECT_EQ(record(40), kAllFF);
  EXPECT_EQ(grid().Row(), 42);
  EXPECT_EQ(grid().Col(), 1);
  // The last channel.
  retype(200, 2, QString());
  leave(200);
  click(200, 3);
  enter();
  EXPECT_EQ(grid().Row(), 200);
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_TRUE(w->Combo_edit->isVisible());
  EXPECT_EQ(record(198)[0], 0x00);  // channel 198 untouched
}

// An editor still open when Default or Clear rewrites the table is committed
// when its cell is left; a channel it creates gets the new-channel settings.
TEST_F(ChannEditing, StaleEditorAfterDefaultOrClear) {
  struct Case {
    const char* button;
    std::function<void()> after;  // how the cell is left
  };
  const Case cases[] = {
      {"Command_def", [] {}},  // Default's redraw leaves the cell itself
      {"Command_Clear", [this] { leave(21); }},
  };
  for (const Case& c : cases) {
    retype(21, 2, QStringLiteral("145"));
    enter();
    click(21, 2);
    w->Text_Edit->selectAll();
    type(QStringLiteral("146"));
    QTest::mouseClick(w->findChild<QPushButton*>(QString::fromLatin1(c.button)), Qt::LeftButton);
    c.after();
    EXPECT_EQ(record(20), (Bytes{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}))
        << c.button;
    EXPECT_EQ(name(20), kAllFF) << c.button;
    EXPECT_EQ(cell(21, 11), QStringLiteral("1")) << c.button;
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// A click that opens no editor leaves none open over another cell.
TEST_F(ChannEditing, NoLeftoverListEditor) {
  const std::function<void()> clicks[] = {
      [this] { click(5, 0); },
      [this] { click(81, 6); },  // a setting of a channel without band
      [this] { click(81, 5); },
  };
  for (const auto& opensNothing : clicks) {
    click(2, 1);
    ASSERT_TRUE(w->Combo_edit->isVisible());
    opensNothing();
    EXPECT_FALSE(w->Combo_edit->isVisible());
    EXPECT_FALSE(w->Text_Edit->isVisible());
    EXPECT_EQ(w->Owner_row(), -1);
  }
  EXPECT_EQ(record(1), kFactory1);
}

// A scroll commits the open editor as leaving its cell does and closes it:
// neither editor stays at its old place over another channel, and the text
// typed is stored at once, not later and unseen.
TEST_F(ChannEditing, ScrollingCommitsAndClosesTheEditors) {
  retype(2, 2, QStringLiteral("150"));
  grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->value() + 5);
  EXPECT_FALSE(w->Text_Edit->isVisible());
  EXPECT_EQ(Slice(record(1), 0, 4), (Bytes{0x00, 0x00, 0x00, 0x15}));
  EXPECT_EQ(focus(), &grid());
  const img::Image after = image.image();
  leave(2);
  EXPECT_TRUE(image.image() == after) << ImageDiff(image.image(), after);
  click(8, 6);
  grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->value() + 5);
  EXPECT_FALSE(w->Combo_edit->isVisible());
  EXPECT_EQ(w->Owner_row(), -1);
  EXPECT_TRUE(image.image() == after) << ImageDiff(image.image(), after);
  EXPECT_TRUE(prompt.calls.empty());
}

// A focus change alone commits nothing; a reload, a language switch and the
// exit unload the window, which commits the typed text first.
TEST_F(ChannEditing, UnloadCommitsButAFocusChangeDoesNot) {
  const img::Image before = image.image();
  retype(2, 2, QStringLiteral("150"));
  grid().setFocus();
  EXPECT_TRUE(image.image() == before) << ImageDiff(image.image(), before);
  const std::function<void()> unloads[] = {
      [this] { main->MDImain_Channel_edit_Click(); },
      [this] { main->MDImain_Language_chn_Click(); },
      [this] { main->MDImain_Menu_Exit_Click(); },
  };
  const char* const typed[] = {"146", "147", "148"};
  int i = 0;
  for (const auto& unload : unloads) {
    w = main->host().find<frm_chann>();
    ASSERT_TRUE(w);
    retype(2, 2, QString::fromLatin1(typed[i]));
    unload();
    settle();
    EXPECT_EQ(Slice(record(1), 0, 8), (Bytes{0x00, 0x00, static_cast<int>(0x60 + 0x10 * i), 0x14, 0x00, 0x00,
                                             static_cast<int>(0x60 + 0x10 * i), 0x14}))
        << typed[i];
    ++i;
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// An activation while a commit shows its message does not redraw the grid.
TEST_F(ChannEditing, NoRedrawWhileACommitRuns) {
  const Bytes junk = {0xFF, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15, 0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 0x44};
  int shown = 0;
  Bytes duringCommit;
  prompt.onShow = [&](const PromptCall&) {
    ++shown;
    // The image changes behind the running commit, and the window is activated.
    put(100, junk, {'J'});
    w->Form_Activate();
    duringCommit = record(100);
  };
  retype(2, 2, QStringLiteral("abc"));
  leave(2);  // a click on the channel number: its leave-cell commits
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(duringCommit, junk);  // not drawn during the commit, so not normalised either
  // The image changed while the message was open: the commit stores nothing
  // into it (the replacement was meant for the image the text was typed on).
  EXPECT_EQ(record(1), kFactory1);
  // The click that left the cell is handled after the drawing (which
  // normalises the empty record), and on the cell clicked.
  EXPECT_EQ(record(100), kAllFF);
  EXPECT_EQ(grid().Row(), 2);
  EXPECT_EQ(grid().Col(), 0);
  prompt.onShow = nullptr;
}

// Text pasted or dropped into a cell editor takes what its keys could have
// typed: the tone lists digits, the point and D, N, I (capitals), the other
// lists nothing that stays (their field returns to the setting), the text
// editor every character a key types but no line break or tab. The cell is
// then left, which commits it.
TEST_F(ChannEditing, PastedTextTakesWhatTheKeysCouldHaveTyped) {
  struct Case {
    int col;
    const char* pasted;
    const char* typedIn;  // in the editor before the cell is left
    int first, count;     // record bytes compared (name bytes for column 12)
    Bytes bytes;
    const char* shown;
  };
  const Case cases[] = {
      {2, "146.52\n", "146.52", 0, 8, {0x00, 0x20, 0x65, 0x14, 0x00, 0x20, 0x65, 0x14}, "146.52000"},
      {12, "AB\tC\nD", "ABCD", 0, 7, {'A', 'B', 'C', 'D', 0xFF, 0xFF, 0xFF}, "ABCD"},
      {5, "d0a23n", "D023N", 10, 2, {0x01, 0x00}, "D023N"},
      {4, "88.5 Hz", "88.5", 8, 4, {0x75, 0x03, 0x75, 0x03}, "88.5"},
      {6, "LOW", "HIGH", 14, 1, {0x00}, "HIGH"},
  };
  for (typed_in::Way way : typed_in::Ways()) {
    for (const Case& c : cases) {
      const bool list = c.col != 2 && c.col != 12;
      if (list && way == typed_in::Way::Drop) continue;  // lists take no drops
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": column " + std::to_string(c.col) + " <- " + c.pasted);
      freshChannel1();
      click(2, c.col);
      QLineEdit* field = list ? w->Combo_edit->lineEdit() : w->Text_Edit;
      ASSERT_TRUE(field->isVisible());
      if (!list) {
        field->selectAll();
        key(Qt::Key_Delete);
      }
      typed_in::Bring(field, way, QString::fromLatin1(c.pasted));
      EXPECT_EQ(field->text().toStdString(), c.typedIn);
      leave(2);
      const Bytes got = c.col == 12 ? name(1) : record(1);
      EXPECT_EQ(Slice(got, c.first, c.count), c.bytes);
      EXPECT_EQ(cell(2, c.col).trimmed().toStdString(), c.shown);
      EXPECT_TRUE(prompt.calls.empty());
    }
  }
}

// The channel window's rules without the window: the View of the grid and
// its editors, what each user action stores in the image, and the messages
// and the focus it asks for, with the nested steps of the controls (a move of
// the current cell commits the cell left, setting the list's position
// chooses its item) played out in the core.
#include "channels/chann_view.h"
#include "image/chann_defaults.h"
#include "image/tone_table.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace chann;

namespace {

using Bytes = std::vector<int>;
const Bytes kAllFF(16, 0xFF);
// Factory channel 1 (grid row 2) and its name.
const Bytes kFactory1 = {0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15,
                         0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04};
const Bytes kName1 = {'O', 's', 't', 'r', '1', '-', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const Bytes k130 = {0x00, 0x00, 0x00, 0x13};

Bytes Slice(const Bytes& b, int first, int count) { return Bytes(b.begin() + first, b.begin() + first + count); }

const std::string kRx = kRxRange.text.english, kTx = kTxRange.text.english, kTxFirst = kTxBeforeRx.text.english,
                  kName = kNameTooLong.text.english;

// The window's part played by hand: the image stored edit by edit (as the
// image's owner would store them once their messages were shown), the user's
// moves of the grid's current cell, typing and choices.
class ChannView : public ::testing::Test {
 protected:
  void SetUp() override {
    Tone_table_init(st);
    st.Freq_vhf_low = 130, st.Freq_vhf_high = 179, st.Freq_uhf_low = 400, st.Freq_uhf_high = 520;
    st.Chann_total = 200;
    image.clear(0xFF);
    Chann_defaults_init(image);
    Wx_chann_init(image);
    run(Form_Load);
    shown.clear();
  }

  Editor editor() { return {st, image, v}; }
  // Runs one action and stores its edits; the messages in `shown`.
  Outcome run(const std::function<Outcome(const Editor&)>& action) {
    Outcome out = action(editor());
    for (const Edit& e : out.edits) CopyRuns(e.image, e.runs(), image);
    for (const editor::Notice& n : out.fx.notices) shown.push_back(n.message.text.english);
    last = out;
    return out;
  }
  // A click on cell (r, c) as the grid raises it: the cell left is
  // committed, the current cell moves, then the click opens the editor.
  void click(int r, int c) {
    if (r != v.row || c != v.col) {
      run(MSF_Chann_LeaveCell);
      v.row = r, v.col = c;
    }
    run(MSF_Chann_Click);
  }
  void leave(int r) { click(r, kColNumber); }
  // Typing into the open text editor replaces its text.
  void retype(int r, int c, const QString& text) {
    click(r, c);
    ASSERT_TRUE(v.textEdit.visible);
    v.textEdit.text = text;
    Typed_into(v, Focus::Text_Edit);
  }
  // Typing into the open list editor: each key through its key filter, each
  // character kept goes into the field and raises the change event.
  void typeList(const QString& text) {
    for (const QChar ch : text) {
      int key = ch.unicode();
      run([&](const Editor& e) { return Combo_edit_KeyPress(e, key); });
      if (key == 0 || key == 13) continue;
      v.comboEdit.text += QChar(key);
      Typed_into(v, Focus::Combo_edit);
      run(Combo_edit_Change);
    }
  }
  // The user's choice from the open list.
  void choose(const QString& item) {
    const int i = static_cast<int>(v.comboEdit.items.indexOf(item));
    ASSERT_GE(i, 0) << item.toStdString();
    v.comboEdit.index = i;
    v.comboEdit.text = item;
    run(Combo_edit_Click);
  }
  void enter() {
    run([](const Editor& e) { return Text_Edit_KeyPress(e, 13); });
  }
  void tab(bool next = true) {
    run([next](const Editor& e) { return Tab_move(e, next); });
  }
  // Channel 1 as the factory left it, drawn again; no messages yet.
  void freshChannel1() {
    leave(2);
    PutBytes(image, 1, 0, kFactory1);
    PutBytes(image, 257, 0, kName1);
    run(Form_Activate);
    shown.clear();
  }

  Bytes record(int n) const { return rowBytes(n); }
  Bytes name(int n) const { return rowBytes(256 + n); }
  Bytes rowBytes(int row) const {
    Bytes out;
    for (int c = 0; c < 16; ++c) out.push_back(image(row, c));
    return out;
  }
  std::vector<std::string> row(int r) const {
    std::vector<std::string> out;
    for (int c = 1; c <= 12; ++c) out.push_back(v.cell(r, c).toStdString());
    return out;
  }
  bool textOpenOn(int r, int c) const { return v.textEdit.visible && v.ownerRow == r && v.ownerCol == c; }
  bool listOpenOn(int r, int c) const { return v.comboEdit.visible && v.ownerRow == r && v.ownerCol == c; }

  Session st;
  img::Image image;
  View v;
  Outcome last;
  std::vector<std::string> shown;
};

}  // namespace

// ---- showing the image -------------------------------------------------------

// The load labels and draws 200 rows from the image; the empty channels whose
// bytes say otherwise become all 0xFF in one edit of their own, and drawing
// itself reads the image only.
TEST_F(ChannView, ShowingNormalisesTheEmptyChannelsInOneEdit) {
  EXPECT_EQ(v.rows, 201);
  for (int r = 1; r <= 200; ++r) ASSERT_EQ(v.cell(r, kColNumber), QString::number(r - 1));
  EXPECT_EQ(row(2), (std::vector<std::string>{"VHF/UHF ", "151.82000", "151.82000", "67.0", "67.0", "HIGH", "N", "OFF",
                                              "OFF", "ON", "1", "Ostr1-1"}));
  EXPECT_EQ(v.row, 200);
  EXPECT_EQ(v.col, kColNumber);
  EXPECT_FALSE(v.textEdit.visible || v.comboEdit.visible);
  EXPECT_TRUE(last.edits.empty());  // nothing to normalise in the factory table

  PutBytes(image, 30, 0, Bytes{0xFF, 0x20, 0x18, 0x15});
  PutBytes(image, 286, 0, Bytes{'J', 'U', 'N', 'K'});
  PutBytes(image, 90, 0, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E});
  PutBytes(image, 200, 0, Bytes{0x00, 0x20, 0x18, 0x15});  // after the channels: never shown
  const std::function<Outcome(const Editor&)> shows[] = {Form_Load, Form_Activate, Image_redraw};
  for (const auto& show : shows) {
    const img::Image before = image;
    const Outcome out = show(editor());
    ASSERT_EQ(out.edits.size(), 1u);
    const Edit& e = out.edits[0];
    EXPECT_EQ(e.afterNotices, 0u);
    img::Image want = before;
    want.fillRows(30, 30, 0xFF), want.fillRows(286, 286, 0xFF), want.fillRows(90, 90, 0xFF);
    img::Image got = before;
    CopyRuns(e.image, e.runs(), got);
    EXPECT_EQ(ImageDiff(got, want), "");
    EXPECT_EQ(row(31), std::vector<std::string>(12, ""));
    EXPECT_EQ(row(91), std::vector<std::string>(12, ""));
  }
}

// Clear: every channel and name all 0xFF in one edit, the labels kept, the
// progress display emptied and hidden.
TEST_F(ChannView, ClearIsOneEdit) {
  v.progressVisible = true;
  v.trCount = QStringLiteral("busy");
  const Outcome out = run(Command_Clear_Click);
  ASSERT_EQ(out.edits.size(), 1u);
  EXPECT_EQ(out.edits[0].first, 1);
  EXPECT_EQ(out.edits[0].last, 200);
  for (int n = 0; n < 200; ++n) {
    ASSERT_EQ(record(n), kAllFF) << n;
    ASSERT_EQ(name(n), kAllFF) << n;
    ASSERT_EQ(row(n + 1), std::vector<std::string>(12, "")) << n;
    ASSERT_EQ(v.cell(n + 1, kColNumber), QString::number(n));
  }
  EXPECT_FALSE(v.progressVisible);
  EXPECT_EQ(v.trCount, QString());
  EXPECT_TRUE(out.fx.notices.empty());
}

// Default with an editor holding an out-of-range RX: the factory table is
// stored first, then the redraw's first move commits the editor, whose
// message comes before its store and before the normalisation.
TEST_F(ChannView, DefaultStoresTheTableBeforeTheCommitsMessage) {
  PutBytes(image, 20, 0, Bytes{0x00, 0x00, 0x45, 0x14, 0x00, 0x00, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44});
  PutBytes(image, 276, 0, Bytes{'N', '2', '0'});
  run(Form_Activate);
  retype(2, kColRx, QStringLiteral("abc"));
  const Outcome table = run(Chann_para_init_VHF_bf);
  EXPECT_TRUE(shown.empty());
  ASSERT_EQ(table.edits.size(), 1u);  // the factory table, with no message before it
  EXPECT_EQ(table.edits[0].afterNotices, 0u);
  const Outcome out = run(Command_def_Click);
  EXPECT_EQ(shown, std::vector<std::string>{kRx});
  ASSERT_EQ(out.edits.size(), 3u);
  EXPECT_EQ(out.edits[0].afterNotices, 0u);  // the weather channels
  EXPECT_EQ(out.edits[1].afterNotices, 1u);  // the commit's replacement
  EXPECT_EQ(out.edits[2].afterNotices, 1u);  // the empty channels normalised
  EXPECT_EQ(Slice(record(1), 0, 4), k130);
  EXPECT_EQ(Slice(record(1), 4, 12), Slice(kFactory1, 4, 12));
  EXPECT_EQ(record(20), kAllFF);
  EXPECT_EQ(name(20), kAllFF);
}

// ---- opening an editor ----------------------------------------------------------

// Which editor opens where; a cell without one closes what was open.
TEST_F(ChannView, WhichEditorOpens) {
  PutBytes(image, 80, 0, kAllFF);
  run(Form_Activate);
  enum Opens { None, TextEditor, List };
  struct Case {
    int r, c;
    Opens opens;
    int items;
    const char* field;
  };
  const Case cases[] = {
      {2, kColNumber, None, 0, ""},
      {2, kColBand, List, 1, "VHF/UHF "},
      {2, kColRx, TextEditor, 0, "151.82000"},
      {2, kColRxTone, List, 261, ""},
      {2, kColTxTone, List, 261, ""},
      {2, kColPower, List, 2, "HIGH"},
      {2, kColSigCode, List, 15, "1"},
      {2, kColName, TextEditor, 0, "Ostr1-1"},
      {81, kColBand, List, 1, ""},
      {81, kColRxTone, None, 0, ""},
      {81, kColPower, None, 0, ""},
      {81, kColTxTone, None, 0, ""},
      {81, kColTx, TextEditor, 0, ""},
  };
  for (const Case& c : cases) {
    click(2, kColBand);  // a list open elsewhere
    click(c.r, c.c);
    const std::string what = std::to_string(c.r) + "," + std::to_string(c.c);
    EXPECT_EQ(v.textEdit.visible, c.opens == TextEditor) << what;
    EXPECT_EQ(v.comboEdit.visible, c.opens == List) << what;
    EXPECT_EQ(v.ownerRow, c.opens == None ? -1 : c.r) << what;
    if (c.opens == List) {
      EXPECT_EQ(v.comboEdit.items.size(), c.items) << what;
      EXPECT_EQ(v.comboEdit.text.toStdString(), c.field) << what;
      // The list stands on the item the cell shows, without choosing it.
      EXPECT_EQ(v.comboEdit.index, v.comboEdit.items.indexOf(v.cell(c.r, c.c).trimmed())) << what;
      EXPECT_EQ(last.fx.focus, (editor::Control{"Combo_edit"})) << what;
    } else if (c.opens == TextEditor) {
      EXPECT_EQ(v.textEdit.text.toStdString(), c.field) << what;
      EXPECT_EQ(last.fx.focus, (editor::Control{"Text_Edit"})) << what;
    }
  }
  // Only the factory name of seven characters, passed through, warns.
  EXPECT_EQ(shown, std::vector<std::string>{kName});
}

// ---- the commit --------------------------------------------------------------------

// The RX commit by leaving the cell and by Enter: the commit's first band
// reaches 180 (exclusive), Enter's 179; a refused RX becomes 130.00000, and
// the message comes before that is stored.
TEST_F(ChannView, RxByLeavingAndByEnter) {
  enum How { Leave, Enter };
  struct Case {
    const char* typed;
    How how;
    Bytes rx, tx;
    bool message;
  };
  const Bytes k151 = Slice(kFactory1, 0, 4);
  const Bytes k179 = {0x00, 0x90, 0x99, 0x17}, k520 = {0x00, 0x00, 0x00, 0x52};
  const Case cases[] = {
      {"130", Leave, k130, k130, false},    {"129.99", Leave, k130, k151, true}, {"129.99", Enter, k130, k130, true},
      {"179.99", Leave, k179, k179, false}, {"179.99", Enter, k130, k130, true}, {"399.99", Leave, k130, k151, true},
      {"520", Enter, k520, k520, false},    {"abc", Leave, k130, k151, true},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.typed) + (c.how == Leave ? " (leave)" : " (Enter)");
    freshChannel1();
    retype(2, kColRx, QString::fromLatin1(c.typed));
    if (c.how == Leave)
      leave(2);
    else
      enter();
    EXPECT_EQ(Slice(record(1), 0, 4), c.rx) << what;
    EXPECT_EQ(Slice(record(1), 4, 4), c.tx) << what;
    EXPECT_EQ(Slice(record(1), 8, 8), Slice(kFactory1, 8, 8)) << what;
    EXPECT_EQ(name(1), kName1) << what;
    EXPECT_EQ(shown, c.message ? std::vector<std::string>{kRx} : std::vector<std::string>{}) << what;
    if (c.message) {
      // Enter's own store (none here) and the commit's come after the message.
      for (const Edit& e : last.edits) EXPECT_EQ(e.afterNotices, 1u) << what;
    }
    if (c.how == Enter) {
      EXPECT_TRUE(textOpenOn(2, kColTx)) << what;
    }
  }
}

// The TX commit: before any RX the message and nothing stored; deleted, a
// receive-only channel; out of range, 130.00000 and the TX tone off.
TEST_F(ChannView, TxCommits) {
  struct Case {
    int r;
    const char* typed;
    Bytes record;  // the record afterwards
    const char *txCell, *txToneCell;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {71, "145", kAllFF, "", "", {kTxFirst}},
      {2,
       "",
       {0x00, 0x20, 0x18, 0x15, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04},
       "",
       "",
       {}},
      {2,
       "600",
       {0x00, 0x20, 0x18, 0x15, 0x00, 0x00, 0x00, 0x13, 0x9E, 0x02, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04},
       "130.00000",
       "OFF",
       {kTx}},
      {2,
       "146",
       {0x00, 0x20, 0x18, 0x15, 0x00, 0x00, 0x60, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04},
       "146.00000",
       "67.0",
       {}},
  };
  for (const Case& c : cases) {
    freshChannel1();
    retype(c.r, kColTx, QString::fromLatin1(c.typed));
    leave(c.r);
    EXPECT_EQ(record(c.r - 1), c.record) << c.typed;
    EXPECT_EQ(v.cell(c.r, kColTx).toStdString(), c.txCell) << c.typed;
    EXPECT_EQ(v.cell(c.r, kColTxTone).toStdString(), c.txToneCell) << c.typed;
    EXPECT_EQ(shown, c.messages) << c.typed;
  }
}

// Typed tones: 60..259.9 Hz stored as tenths (the RX tone sets both), DCS
// names through their list item (which the commit chooses, running the
// list's click), anything else dropped without a message.
TEST_F(ChannView, TonesTyped) {
  struct Case {
    int col;
    const char* typed;
    const char* field;  // what the key filter let into the field
    Bytes tones;        // bytes 8..11 afterwards
    const char* shown;
  };
  const Case cases[] = {
      {kColRxTone, "60", "60", {0x58, 0x02, 0x58, 0x02}, "60.0"},
      {kColRxTone, "259.9", "259.9", {0x27, 0x0A, 0x27, 0x0A}, "259.9"},
      {kColRxTone, "59.9", "59.9", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
      {kColRxTone, "100.55", "100.55", {0xEE, 0x03, 0xEE, 0x03}, "100.6"},
      {kColTxTone, "88.5", "88.5", {0x9E, 0x02, 0x75, 0x03}, "88.5"},
      {kColTxTone, "d0a2b3!n", "D023N", {0x9E, 0x02, 0x01, 0x00}, "D023N"},
      {kColTxTone, "D999N", "D999N", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
      {kColRxTone, "d754i", "D754I", {0xD2, 0x00, 0xD2, 0x00}, "D754I"},
      {kColTxTone, "off", "", {0x9E, 0x02, 0x9E, 0x02}, "67.0"},
  };
  for (const Case& c : cases) {
    freshChannel1();
    click(2, c.col);
    ASSERT_TRUE(listOpenOn(2, c.col));
    typeList(QString::fromLatin1(c.typed));
    EXPECT_EQ(v.comboEdit.text.toStdString(), c.field) << c.typed;
    EXPECT_EQ(v.typed, !v.comboEdit.text.isEmpty()) << c.typed;
    leave(2);
    EXPECT_EQ(Slice(record(1), 8, 4), c.tones) << c.typed;
    EXPECT_EQ(v.cell(2, c.col).trimmed().toStdString(), c.shown) << c.typed;
    EXPECT_TRUE(shown.empty()) << c.typed;
  }
}

// Typing into a list that takes no typing puts its text back at once.
TEST_F(ChannView, TypingIntoASettingListIsUndone) {
  click(2, kColPower);
  typeList(QStringLiteral("xyz"));
  EXPECT_EQ(v.comboEdit.text, QStringLiteral("HIGH"));
  EXPECT_FALSE(v.typed);
  leave(2);
  EXPECT_EQ(record(1), kFactory1);
}

// A choice is stored at once and changes only its own bits; the cell shows it
// once the cell is left.
TEST_F(ChannView, ChoicesFromTheLists) {
  struct Case {
    int col;
    const char* item;
    int byte, after;
  };
  const Case cases[] = {
      {kColPower, "LOW", 14, 0x01},   {kColWidth, "W", 15, 0x44},     {kColPttId, "BOTH", 15, 0x07},
      {kColBusyLock, "ON", 15, 0x0C}, {kColScanAdd, "OFF", 15, 0x00}, {kColSigCode, "15", 12, 0x0E},
  };
  for (const Case& c : cases) {
    freshChannel1();
    click(2, c.col);
    choose(QString::fromLatin1(c.item));
    Bytes want = kFactory1;
    want[static_cast<std::size_t>(c.byte)] = c.after;
    EXPECT_EQ(record(1), want) << c.item;
    leave(2);
    EXPECT_EQ(record(1), want) << c.item;
    EXPECT_EQ(v.cell(2, c.col), QString::fromLatin1(c.item));
  }
  // An RX tone sets both and the row shows it at once.
  click(194, kColRxTone);
  choose(QStringLiteral("67.0"));
  EXPECT_EQ(Slice(record(193), 8, 4), (Bytes{0x9E, 0x02, 0x9E, 0x02}));
  EXPECT_EQ(v.cell(194, kColTxTone), QStringLiteral("67.0"));
}

// The band list starts an empty channel (its cell is then the View's alone:
// the image holds no band); a tone chosen before any RX frequency is undone
// with it, since the row drawn again is empty.
TEST_F(ChannView, BandChoice) {
  click(81, kColBand);
  choose(QStringLiteral("VHF/UHF"));
  EXPECT_EQ(v.cell(81, kColBand), QStringLiteral("VHF/UHF"));
  EXPECT_EQ(record(80), kAllFF);
  click(81, kColTxTone);
  EXPECT_FALSE(v.comboEdit.visible);
  click(81, kColPower);
  EXPECT_TRUE(listOpenOn(81, kColPower));
  click(81, kColRxTone);
  choose(QStringLiteral("67.0"));
  EXPECT_EQ(row(81), std::vector<std::string>(12, ""));
  EXPECT_EQ(record(80), kAllFF);
}

// Names: up to seven printable ASCII characters; the warning above six comes
// before the store; no band, no name.
TEST_F(ChannView, Names) {
  struct Case {
    int r;
    QString typed;
    Bytes bytes;  // name bytes 0..6
    const char* cell;
    bool warned;
  };
  const Case cases[] = {
      {2, "ABCDEF", {'A', 'B', 'C', 'D', 'E', 'F', 0xFF}, "ABCDEF", false},
      {2, "ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F', 'G'}, "ABCDEFG", true},
      {2, QString::fromUtf8("Zürich"), {'Z', 'r', 'i', 'c', 'h', 0xFF, 0xFF}, "Zrich", false},
      {91, "HELLO", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", false},
  };
  for (const Case& c : cases) {
    freshChannel1();
    retype(c.r, kColName, c.typed);
    leave(c.r);
    EXPECT_EQ(Slice(name(c.r - 1), 0, 7), c.bytes) << c.typed.toStdString();
    EXPECT_EQ(v.cell(c.r, kColName).toStdString(), c.cell);
    EXPECT_EQ(shown, c.warned ? std::vector<std::string>{kName} : std::vector<std::string>{});
    if (c.warned) {
      for (const Edit& e : last.edits) EXPECT_EQ(e.afterNotices, 1u);
    }
  }
}

// ---- moving on ---------------------------------------------------------------------

// Enter in the TX cell of a channel without frequencies moves twice (the
// column, then the row), committing both cells left, and opens the next
// channel's band; on the last channel it stays on its band.
TEST_F(ChannView, EnterJumpsToTheNextChannelsBand) {
  struct Case {
    int r;
    const char* typed;
    int toRow;
    std::vector<std::string> messages;
  };
  const Case cases[] = {{31, "", 32, {}}, {41, "145", 42, {kTxFirst}}, {200, "", 200, {}}};
  for (const Case& c : cases) {
    shown.clear();
    if (c.r == 200) {
      retype(200, kColRx, QString());
      leave(200);
    }
    retype(c.r, kColTx, QString::fromLatin1(c.typed));
    enter();
    EXPECT_EQ(v.row, c.toRow) << c.r;
    EXPECT_EQ(v.col, kColBand) << c.r;
    EXPECT_TRUE(listOpenOn(c.toRow, kColBand)) << c.r;
    EXPECT_EQ(shown, c.messages) << c.r;
    EXPECT_EQ(record(c.r - 1), kAllFF) << c.r;
  }
  EXPECT_EQ(record(198)[0], 0x00);
}

// Enter in a list moves along the row; in the band list nothing more.
TEST_F(ChannView, EnterInTheLists) {
  struct Case {
    int from, to;
    bool toText;
  };
  const Case cases[] = {{kColWidth, kColPttId, false}, {kColSigCode, kColName, true}, {kColBand, kColBand, false}};
  for (const Case& c : cases) {
    click(2, c.from);
    int key = 13;
    run([&](const Editor& e) { return Combo_edit_KeyPress(e, key); });
    EXPECT_EQ(v.col, c.to) << c.from;
    EXPECT_EQ(c.toText ? textOpenOn(2, c.to) : listOpenOn(2, c.to), true) << c.from;
  }
  leave(2);
  EXPECT_EQ(record(1), kFactory1);
  EXPECT_EQ(name(1), kName1);
}

// Tab and Shift+Tab commit the cell as leaving it does and open the next or
// previous cell with an editor; a channel without band has none for its tones
// and settings; the first and the last cell stay, committed all the same.
TEST_F(ChannView, TabMoves) {
  retype(2, kColRx, QStringLiteral("146"));
  tab();
  EXPECT_EQ(Slice(record(1), 0, 8), (Bytes{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14}));
  EXPECT_TRUE(textOpenOn(2, kColTx));
  EXPECT_EQ(v.textEdit.text, QStringLiteral("146.00000"));
  tab(false);
  EXPECT_TRUE(textOpenOn(2, kColRx));
  click(2, kColSigCode);
  tab();
  EXPECT_TRUE(textOpenOn(2, kColName));
  tab();
  EXPECT_TRUE(listOpenOn(3, kColBand));
  click(31, kColTx);
  tab();
  EXPECT_TRUE(textOpenOn(31, kColName));
  tab(false);
  EXPECT_TRUE(textOpenOn(31, kColTx));
  retype(200, kColName, QStringLiteral("LAST"));
  tab();
  EXPECT_TRUE(textOpenOn(200, kColName));
  EXPECT_EQ(Slice(name(199), 0, 5), (Bytes{'L', 'A', 'S', 'T', 0xFF}));
  click(1, kColBand);
  tab(false);
  EXPECT_TRUE(listOpenOn(1, kColBand));
  // The factory name of seven characters, committed by Tab, warns.
  EXPECT_EQ(shown, std::vector<std::string>{kName});
}

// A cell left that the editor was not opened for changes nothing (keyboard
// moves, a redraw's moves); a scroll commits the open editor and closes it;
// a deactivation commits only typed text.
TEST_F(ChannView, OnlyTheEditorsOwnCellIsCommitted) {
  click(81, kColBand);
  choose(QStringLiteral("VHF/UHF"));
  const img::Image before = image;
  for (const auto& [r, c] : {std::pair{81, kColRx}, {81, kColTx}, {81, kColName}, {2, kColRx}, {2, kColName}}) {
    run(MSF_Chann_LeaveCell);  // a keyboard move: no click follows
    v.row = r, v.col = c;
  }
  run(MSF_Chann_LeaveCell);
  EXPECT_EQ(ImageDiff(image, before), "");
  EXPECT_EQ(v.cell(81, kColBand), QStringLiteral("VHF/UHF"));
  EXPECT_EQ(v.cell(2, kColName), QStringLiteral("Ostr1-1"));

  // Deactivation: an editor only clicked through is not committed, typed text is.
  click(2, kColRx);
  v.textEdit.text = QStringLiteral("146");  // put there, not typed
  run(Commit_typed);
  EXPECT_TRUE(textOpenOn(2, kColRx));
  Typed_into(v, Focus::Text_Edit);
  run(Commit_typed);
  EXPECT_FALSE(v.textEdit.visible);
  EXPECT_EQ(Slice(record(1), 0, 4), (Bytes{0x00, 0x00, 0x60, 0x14}));

  // A scroll commits and closes.
  retype(5, kColTx, QStringLiteral("abc"));
  run(MSF_Chann_Scroll);
  EXPECT_FALSE(v.textEdit.visible);
  EXPECT_EQ(v.ownerRow, -1);
  EXPECT_EQ(shown, std::vector<std::string>{kTx});
  EXPECT_EQ(Slice(record(4), 4, 4), k130);
}

// A redraw after someone else's change closes the editor without storing
// its text and keeps the current cell.
TEST_F(ChannView, RedrawClosesTheEditorWithoutStoring) {
  retype(2, kColRx, QStringLiteral("150"));
  PutBytes(image, 1, 0, Bytes{0x00, 0x00, 0x60, 0x14});
  const img::Image before = image;
  const Outcome out = run(Image_redraw);
  EXPECT_TRUE(out.edits.empty());
  EXPECT_EQ(ImageDiff(image, before), "");
  EXPECT_FALSE(v.textEdit.visible);
  EXPECT_EQ(v.ownerRow, -1);
  EXPECT_EQ(v.row, 2);
  EXPECT_EQ(v.col, kColRx);
  EXPECT_EQ(v.cell(2, kColRx), QStringLiteral("146.00000"));
}

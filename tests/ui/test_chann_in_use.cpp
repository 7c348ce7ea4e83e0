// The channel editor used as a user uses it in a real window: the list
// editors' positions, Tab, typed text that must reach the image before a
// save, a write or a close, scrolling, Delete, a click that raises a message,
// and columns and editors wide enough for what they show. Every step is a
// real key or mouse event sent to the real widgets.
#include "chann_fixture.h"
#include "channels/chann_codec.h"
#include "channels/chann_edit.h"
#include "image/para_file.h"
#include "image/ui/Form_save_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "radio_virtual_fixture.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWheelEvent>

#include <functional>

using namespace chann;

namespace {

// Factory channel 1 (grid row 2).
const Bytes kFactory1 = {0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15,
                         0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04};
const Bytes kName1 = {'O', 's', 't', 'r', '1', '-', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
// 146.00000 MHz and 130.00000 MHz as RX and TX frequency (bytes 0..7).
const Bytes k146Twice = {0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14};
const Bytes k130Rx = {0x00, 0x00, 0x00, 0x13};

const char* const kRxMessage = "Over the range of receive frequency .";

Bytes Slice(const Bytes& b, int first, int count) { return Bytes(b.begin() + first, b.begin() + first + count); }

// Whether the line edit shows `text` whole: with the cursor at the end the
// text has not been scrolled, so the end lies the text's width right of
// the start. (A line edit too narrow scrolls and cuts the text.)
bool ShowsWhole(QLineEdit* le, const QString& text) {
  le->setText(text);
  le->end(false);
  le->repaint();
  const int endX = le->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  le->home(false);
  le->repaint();
  const int homeX = le->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  return endX - homeX >= le->fontMetrics().horizontalAdvance(text) - 1;
}

}  // namespace

template <class Base>
class ChannInUseOn : public ChannFixtureOn<Base> {
 protected:
  using F = ChannFixtureOn<Base>;
  using F::cell;
  using F::click;
  using F::focus;
  using F::grid;
  using F::image;
  using F::key;
  using F::main;
  using F::messages;
  using F::name;
  using F::prompt;
  using F::record;
  using F::retype;
  using F::type;
  using F::w;

  bool editorOver(QWidget* editor, int r, int c) {
    if (!editor->isVisible() || grid().Row() != r || grid().Col() != c) return false;
    const QRect cellRect = grid().CellRect();
    // The cell is in full view, and the editor lies exactly on it.
    return grid().viewport()->geometry().contains(cellRect) && editor->geometry() == cellRect.translated(grid().pos());
  }
  void tab() { QTest::keyClick(focus(), Qt::Key_Tab); }
  void backtab() { QTest::keyClick(focus(), Qt::Key_Tab, Qt::ShiftModifier); }
  void press(QKeyCombination k) { QTest::keyClick(focus(), k.key(), k.keyboardModifiers()); }
  QPoint cellCentre(int r, int c) { return grid().visualRect(grid().model()->index(r - 1, c)).center(); }
};

using ChannInUse = ChannInUseOn<AppFixture>;

// ---- list editors open on the cell's item ---------------------------------------

// The list stands on the item the cell shows: opening it chooses nothing, the
// drop-down part opens there, and the arrow keys go on from it.
TEST_F(ChannInUse, ListEditorOpensOnTheCellsItem) {
  struct Case {
    const char* what;
    int col;
    int byte, value;  // the setting as the record holds it
    int index;        // the item the cell shows
    Qt::Key key;
    Bytes after;  // bytes `byte`.. after the key (one byte; four for a tone)
  };
  const Case cases[] = {
      {"power LOW, Down", kColPower, 14, 0x01, 1, Qt::Key_Down, {0x01}},
      {"power LOW, Up", kColPower, 14, 0x01, 1, Qt::Key_Up, {0x00}},
      {"signal code 4, Down", kColSigCode, 12, 0x03, 3, Qt::Key_Down, {0x04}},
      {"PTT-ID EOT, Up", kColPttId, 15, 0x06, 2, Qt::Key_Up, {0x05}},
      {"RX tone 67.0, Down", kColRxTone, 8, 0x9E, 1, Qt::Key_Down, {0xB5, 0x02, 0xB5, 0x02}},
      {"TX tone 67.0, Down", kColTxTone, 8, 0x9E, 1, Qt::Key_Down, {0x9E, 0x02, 0xB5, 0x02}},
      {"band, Down", kColBand, 0, 0x00, 0, Qt::Key_Down, {0x00}},
  };
  for (const Case& c : cases) {
    Bytes rec = kFactory1;
    rec[static_cast<size_t>(c.byte)] = c.value;
    click(2, 0);
    this->put(1, rec, kName1);
    this->redraw();
    click(2, c.col);
    ASSERT_TRUE(editorOver(w->Combo_edit, 2, c.col)) << c.what;
    EXPECT_EQ(w->Combo_edit->ListIndex(), c.index) << c.what;
    EXPECT_EQ(record(1), rec) << c.what;
    w->Combo_edit->showPopup();
    EXPECT_EQ(w->Combo_edit->view()->currentIndex().row(), c.index) << c.what;
    w->Combo_edit->hidePopup();
    key(c.key);
    EXPECT_EQ(Slice(record(1), c.byte, static_cast<int>(c.after.size())), c.after) << c.what;
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// ---- Tab ------------------------------------------------------------------------

// Tab and Shift+Tab commit the cell as leaving it does and open the editor of
// the next or previous cell; the focus stays in the grid's editors, so a
// following Space never presses a button.
TEST_F(ChannInUse, TabCommitsAndMovesToTheNextCell) {
  retype(2, kColRx, QStringLiteral("146"));
  tab();
  EXPECT_EQ(Slice(record(1), 0, 8), k146Twice);
  EXPECT_TRUE(editorOver(w->Text_Edit, 2, kColTx));
  EXPECT_EQ(focus(), w->Text_Edit);
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("146.00000"));
  // The editor opens with its text selected; after End, Space lands in the
  // editor: Default is not pressed (it would put channel 1 back on 151.82 MHz).
  EXPECT_EQ(w->Text_Edit->selectedText(), QStringLiteral("146.00000"));
  key(Qt::Key_End);
  key(Qt::Key_Space);
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("146.00000 "));
  backtab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 2, kColRx));
  EXPECT_EQ(Slice(record(1), 0, 8), k146Twice);

  // Along the row through the lists, into the name (out of sight at this
  // screen size: it comes into view), and on to the next row's band.
  click(2, kColPower);
  const int order[] = {kColWidth, kColPttId, kColBusyLock, kColScanAdd, kColSigCode};
  for (int c : order) {
    tab();
    EXPECT_TRUE(editorOver(w->Combo_edit, 2, c)) << c;
    EXPECT_EQ(focus(), w->Combo_edit) << c;
  }
  tab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 2, kColName));
  w->Text_Edit->selectAll();
  type(QStringLiteral("XY"));
  tab();
  EXPECT_EQ(Slice(name(1), 0, 3), (Bytes{'X', 'Y', 0xFF}));
  EXPECT_EQ(cell(2, kColName), QStringLiteral("XY"));
  EXPECT_TRUE(editorOver(w->Combo_edit, 3, kColBand));
  backtab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 2, kColName));
  for (QPushButton* b : w->findChildren<QPushButton*>()) EXPECT_NE(focus(), b);

  // A channel without band has no editors for its tones and settings: Tab
  // goes past them to the name, Shift+Tab back to the TX frequency.
  click(31, kColTx);
  tab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 31, kColName));
  backtab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 31, kColTx));

  // The last cell stays where it is, committed all the same; so does the first.
  retype(200, kColName, QStringLiteral("LAST"));
  tab();
  EXPECT_TRUE(editorOver(w->Text_Edit, 200, kColName));
  EXPECT_EQ(Slice(name(199), 0, 5), (Bytes{'L', 'A', 'S', 'T', 0xFF}));
  click(1, kColBand);
  backtab();
  EXPECT_TRUE(editorOver(w->Combo_edit, 1, kColBand));
}

// ---- typed text reaches the image before a command reads it -----------------------

// Saving while an editor holds typed text saves the typed text, by the
// shortcut and by the toolbar; the window shows what the file holds.
TEST_F(ChannInUse, SaveTakesTheTypedText) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString oldCwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tmp.path()));
  const std::function<void()> saves[] = {
      [this] { press(Qt::CTRL | Qt::Key_S); },
      [this] {
        QTest::mouseClick(main->Toolbar1->widgetForAction(main->toolButton(QStringLiteral("save"))), Qt::LeftButton);
      },
  };
  const char* const typed[] = {"146", "147"};
  for (int i = 0; i < 2; ++i) {
    retype(2, kColRx, QString::fromLatin1(typed[i]));
    saves[i]();
    EXPECT_EQ(cell(2, kColRx), QStringLiteral("14%1.00000").arg(6 + i));
    auto* d = main->host().find<Form_save_chann>();
    ASSERT_TRUE(d);
    d->Text1->setText(QStringLiteral("typed.dat"));
    d->Command_enter->click();
    QFile f(tmp.path() + QStringLiteral("/typed.dat"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    img::Image saved;
    ASSERT_TRUE(Para_file_read(f.readAll(), saved).ok());
    const Bytes want = {0x00, 0x00, 0x60 + 0x10 * i, 0x14};
    for (int b = 0; b < 4; ++b) EXPECT_EQ(saved(1, b), want[static_cast<size_t>(b)]) << typed[i] << " byte " << b;
    main->activateWindow();
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->frame()));
  }
  QDir::setCurrent(oldCwd);
}

// Close, the close box and Ctrl+F4 commit the typed text first, with the
// commit's own message.
TEST_F(ChannInUse, ClosingCommitsTheTypedText) {
  const std::function<void(frm_chann*)> closes[] = {
      [](frm_chann* c) { QTest::mouseClick(c->Command_close, Qt::LeftButton); },
      [](frm_chann* c) { c->frame()->close(); },
      [this](frm_chann*) { press(Qt::CTRL | Qt::Key_F4); },
  };
  for (const auto& close : closes) {
    main->MDImain_Channel_edit_Click();
    w = main->host().find<frm_chann>();
    ASSERT_TRUE(w);
    this->edit([](img::Image& im) { PutBytes(im, 1, 0, kFactory1); });
    prompt.calls.clear();
    retype(2, kColRx, QStringLiteral("abc"));
    close(w);
    EXPECT_FALSE(main->host().isLoaded<frm_chann>());
    EXPECT_EQ(messages(), std::vector<std::string>{kRxMessage});
    EXPECT_EQ(Slice(record(1), 0, 4), k130Rx);
    EXPECT_EQ(Slice(record(1), 4, 12), Slice(kFactory1, 4, 12));
    this->settle();
  }
  // An editor that a change of the image closed holds nothing to commit.
  main->MDImain_Channel_edit_Click();
  w = main->host().find<frm_chann>();
  retype(2, kColRx, QStringLiteral("abc"));
  this->edit([](img::Image& im) { PutBytes(im, 1, 0, kFactory1); });
  prompt.calls.clear();
  QTest::mouseClick(w->Command_close, Qt::LeftButton);
  EXPECT_EQ(record(1), kFactory1);
  EXPECT_TRUE(prompt.calls.empty());
}

// Activating another editor window with a click commits the typed text; the
// commit's message box starts no second commit, whatever activations it lets
// through.
TEST_F(ChannInUse, ActivatingAnotherWindowCommitsTheTypedText) {
  main->MDImain_Prog_read_Click();
  auto* read = main->host().find<Form_Comm_Read>();
  ASSERT_TRUE(read);
  auto* chann = qobject_cast<QMdiSubWindow*>(w->frame());
  for (const char* typed : {"146", "abc"}) {
    retype(2, kColRx, QString::fromLatin1(typed));
    ASSERT_EQ(main->mdiArea()->activeSubWindow(), chann);
    prompt.onShow = [&](const PromptCall&) {
      main->mdiArea()->setActiveSubWindow(chann);
      main->host().Command_begin();
      main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(read->frame()));
    };
    QTest::mouseClick(read, Qt::LeftButton, {}, QPoint(5, 5));
    prompt.onShow = nullptr;
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), read->frame()) << typed;
    EXPECT_FALSE(w->Text_Edit->isVisible()) << typed;
  }
  EXPECT_EQ(messages(), std::vector<std::string>{kRxMessage});
  EXPECT_EQ(Slice(record(1), 0, 4), k130Rx);
  EXPECT_EQ(Slice(record(1), 4, 4), Slice(k146Twice, 4, 4));  // the first commit's TX
}

// Enter in the name stores the name and shows it (see also ChannEditing.Names).
TEST_F(ChannInUse, EnterInTheNameStoresAndShowsIt) {
  retype(2, kColName, QStringLiteral("CQ"));
  this->enter();
  EXPECT_EQ(Slice(this->name(1), 0, 3), (Bytes{'C', 'Q', 0xFF}));
  EXPECT_EQ(cell(2, kColName), QStringLiteral("CQ"));
  EXPECT_FALSE(w->Text_Edit->isVisible());
}

// ---- scrolling ---------------------------------------------------------------------

// The wheel over the grid commits the open editor and closes it: nothing is
// left over another channel for a choice or a commit to land on.
TEST_F(ChannInUse, WheelCommitsAndClosesTheEditor) {
  auto wheel = [this] {
    const QPoint at = grid().viewport()->rect().center();
    QWheelEvent e(at, grid().viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid().viewport(), &e);
  };
  click(2, kColPower);
  wheel();
  EXPECT_FALSE(w->Combo_edit->isVisible());
  EXPECT_EQ(focus(), &grid());
  const img::Image before = image.image();
  key(Qt::Key_Down);  // moves the grid's cell; chooses nothing
  EXPECT_TRUE(image.image() == before) << ImageDiff(image.image(), before);

  retype(5, kColTx, QStringLiteral("abc"));
  wheel();
  EXPECT_FALSE(w->Text_Edit->isVisible());
  EXPECT_EQ(messages(), std::vector<std::string>{"Over the range of transmit frequency ."});
  EXPECT_EQ(Slice(record(4), 4, 4), (Bytes{0x00, 0x00, 0x00, 0x13}));
}

// ---- Delete -------------------------------------------------------------------------

// Delete in the tone editor deletes, with the key event X sends (its text is
// "\x7f"); the tone that is left is stored when the cell is left.
TEST_F(ChannInUse, DeleteInTheToneEditor) {
  click(2, kColTxTone);
  type(QStringLiteral("D023NN"));
  key(Qt::Key_Left);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
  QApplication::sendEvent(focus(), &down);
  QApplication::sendEvent(focus(), &up);
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("D023N"));
  click(2, 0);
  EXPECT_EQ(Slice(record(1), 10, 2), (Bytes{0x01, 0x00}));
  EXPECT_EQ(cell(2, kColTxTone), QStringLiteral("D023N"));
}

// ---- a click whose commit shows a message -------------------------------------------

// The message box is modal: the button's release goes to it and never to the
// grid. The click goes on to its cell once the message is closed.
TEST_F(ChannInUse, ClickGoesOnAfterTheCommitsMessage) {
  retype(2, kColRx, QStringLiteral("abc"));
  prompt.onShow = [this](const PromptCall&) {
    QDialog box(main.get());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    box.hide();
  };
  grid().scrollTo(grid().model()->index(3, kColTxTone));
  QTest::mousePress(grid().viewport(), Qt::LeftButton, {}, cellCentre(4, kColTxTone));
  prompt.onShow = nullptr;
  EXPECT_EQ(messages(), std::vector<std::string>{kRxMessage});
  EXPECT_EQ(Slice(record(1), 0, 4), k130Rx);
  EXPECT_TRUE(editorOver(w->Combo_edit, 4, kColTxTone));
  EXPECT_EQ(focus(), w->Combo_edit);
  // A release that arrives after all is no second click.
  w->Combo_edit->setText(QStringLiteral("D023N"));
  QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, cellCentre(4, kColTxTone));
  EXPECT_EQ(w->Combo_edit->Text(), QStringLiteral("D023N"));
}

// ---- widths -------------------------------------------------------------------------

// A screen on which the grid has room for every column.
class ChannColumns : public ChannInUse {
 protected:
  ChannColumns() { screen = {1280, 1024, 96}; }

  void checkWidths(const char* language) {
    const int margin = grid().style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid()) + 1;
    int total = 0;
    for (int c = 0; c < kColumns; ++c) {
      total += grid().columnWidth(c);
      EXPECT_GE(grid().columnWidth(c), grid().horizontalHeader()->sectionSizeHint(c)) << language << " header " << c;
      for (const QString& t : Chann_column_texts(st, c))
        ASSERT_GE(grid().columnWidth(c), grid().fontMetrics().horizontalAdvance(t) + 2 * margin)
            << language << " column " << c << " " << t.toStdString();
    }
    EXPECT_LE(total, grid().viewport()->width()) << language;

    // Each editor shows every text of its column whole, the list editors
    // beside their drop-down button; the drop-down part is as wide as its items.
    for (int c = kColBand; c <= kColName; ++c) {
      click(2, c);
      QLineEdit* le = c == kColRx || c == kColTx || c == kColName ? w->Text_Edit : w->Combo_edit->lineEdit();
      ASSERT_TRUE(le->isVisible()) << c;
      const QString shown = le->text();
      EXPECT_FALSE(ShowsWhole(le, QString(30, u'W'))) << "the check itself";
      for (const QString& t : Chann_column_texts(st, c))
        ASSERT_TRUE(ShowsWhole(le, t)) << language << " column " << c << " " << t.toStdString();
      le->setText(shown);
      if (le != w->Text_Edit) {
        w->Combo_edit->showPopup();
        QAbstractItemView* view = w->Combo_edit->view();
        EXPECT_GE(view->viewport()->width(), view->sizeHintForColumn(0)) << language << " drop-down " << c;
        w->Combo_edit->hidePopup();
      }
    }
    click(2, 0);
  }
};

TEST_F(ChannColumns, WideEnoughForEveryTextInBothLanguages) {
  const img::Image before = image.image();
  checkWidths("English");
  main->MDImain_Language_chn_Click();
  w = main->host().find<frm_chann>();
  ASSERT_TRUE(w);
  main->activateWindow();
  checkWidths("Chinese");
  EXPECT_TRUE(image.image() == before) << ImageDiff(image.image(), before);
}

// ---- the write -----------------------------------------------------------------------

// Writing while an editor holds typed text sends the typed text: Ctrl+W
// opens the write dialog, its Write button sends the image.
class ChannInUseWithRadio : public ChannInUseOn<RadioOnVirtualLine> {
 protected:
  void startProgram() override { this->startWithRadio(); }
};

TEST_F(ChannInUseWithRadio, WriteSendsTheTypedText) {
  retype(2, kColRx, QStringLiteral("146"));
  press(Qt::CTRL | Qt::Key_W);
  auto* d = main->host().find<Form_Comm_Write>();
  ASSERT_TRUE(d);
  EXPECT_EQ(cell(2, kColRx), QStringLiteral("146.00000"));
  QTest::mouseClick(d->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(this->waitFor(
      [&] { return this->shown(QStringLiteral("Complete writing parameters to the transceiver.")); }, 30000));
  for (int b = 0; b < 8; ++b)
    EXPECT_EQ(this->sim.memory[static_cast<size_t>(16 + b)], k146Twice[static_cast<size_t>(b)]) << b;
}

// A click opens the text editor with the cell's text selected, so what the
// user types replaces it: typed after it, "151.82000146" would be read as
// 151.82 MHz and the typing lost without a word.
TEST_F(ChannInUse, TypingIntoANewlyOpenedEditorReplacesTheCellsText) {
  click(2, kColRx);
  ASSERT_TRUE(w->Text_Edit->isVisible());
  QTest::keyClicks(focus(), QStringLiteral("146"));
  EXPECT_EQ(w->Text_Edit->text(), QStringLiteral("146"));
  enter();
  EXPECT_EQ(Slice(record(1), 0, 8), k146Twice);
}

// Another editor's commit into rows the grid does not show (the DTMF block,
// the option block) is no change of the channels: an editor open over a
// channel keeps what the user typed, and Enter stores it.
TEST_F(ChannInUse, ChangesOutsideTheChannelsLeaveTheEditorOpen) {
  click(2, kColRx);
  QTest::keyClicks(focus(), QStringLiteral("146"));
  image.set(223, 0, 7, nullptr);
  ASSERT_TRUE(editorOver(w->Text_Edit, 2, kColRx));
  enter();
  EXPECT_EQ(Slice(record(1), 0, 8), k146Twice);
}

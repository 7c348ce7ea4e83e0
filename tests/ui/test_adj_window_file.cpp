// The alignment window and its file: the Open and Save buttons raise the
// .adj dialogs, whose Confirm records a request; the window's Timer4 serves
// it with Adj_File_Load or Adj_File_Save. Real clicks and keys on the real
// window and dialogs; Timer4 fired by hand.
#include "adj_window_fixture.h"
#include "alignment/adj_file.h"
#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "alignment/ui/adj_file_dialog.h"
#include "file_dialog_fixture.h"
#include "image/para_file.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "support/file_size_limit.h"
#include "support/image_diff.h"
#include "support/manual_timer.h"
#include "support/without_root_rights.h"

#include <QDir>
#include <QFile>
#include <QPointer>

#include <string>
#include <vector>

namespace {

using adj::Cell;

const QString kSaved = QStringLiteral("Complete storing optional parameters.");
const QString kLoaded = QStringLiteral("Succeed fold the optional parameters from file.");
const QString kLoadFailed = QStringLiteral("The adjust parameter file could not be read.");
const QString kSaveFailed = QStringLiteral("The adjust parameter file could not be saved.");

// The file as it must be written: the band line, then rows 0..15, each number
// a space, its digits and a space, lines ending in CR LF.
QByteArray Expected(const adj::Table& t, bool band) {
  QByteArray out = band ? " 1 \r\n" : " 0 \r\n";
  for (std::size_t r = 0; r < 16; ++r) {
    for (std::size_t c = 0; c < 16; ++c) out += ' ' + QByteArray::number(t[r][c]) + ' ';
    out += "\r\n";
  }
  return out;
}

// 257 numbers from a table, joined by `sep` (the line structure plays no part).
QByteArray Numbers(const adj::Table& t, bool band, const QByteArray& sep) {
  QByteArray out = band ? "1" : "0";
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) out += sep + QByteArray::number(t[r][c]);
  return out;
}

}  // namespace

class AdjWindowFile : public AdjWindowOn<FileDialogFixture> {
 protected:
  void SetUp() override {
    FileDialogFixture::SetUp();
    activate();
    ASSERT_TRUE(open());
  }
  ManualTimer& timer4() const { return *static_cast<ManualTimer*>(w->Timer4.get()); }
  // The user: Open or Save, then the name typed and Confirm clicked.
  void choose(bool save, const QString& name) {
    click(save ? w->Command_save : w->Command_open);
    ParaFileDialog* d =
        save ? static_cast<ParaFileDialog*>(main->host().find<Form_save_adj>()) : main->host().find<Form_open_adj>();
    ASSERT_TRUE(d);
    click(d->Text1);
    QTest::keyClick(d->Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d->Text1, name);
    click(d->Command_enter);
    settle();
    ASSERT_FALSE(save ? main->host().isLoaded<Form_save_adj>() : main->host().isLoaded<Form_open_adj>());
  }
  void save(const QString& name) {
    choose(true, name);
    timer4().fire();
  }
  void load(const QString& name) {
    choose(false, name);
    timer4().fire();
  }
  // A table unlike the factory one in every row 0..15.
  static adj::Table Distinct() {
    adj::Table t{};
    for (std::size_t r = 0; r < 16; ++r)
      for (std::size_t c = 0; c < 16; ++c) t[r][c] = static_cast<Cell>((r * 16 + c * 7 + 3) % 21);
    return t;
  }
  void putRows(const adj::Table& t) {
    for (std::size_t r = 0; r < 16; ++r)
      for (std::size_t c = 0; c < 16; ++c) st.AdjTable[r][c] = t[r][c];
  }
  bool sameRows(const adj::Table& t) const {
    for (std::size_t r = 0; r < 16; ++r)
      for (std::size_t c = 0; c < 16; ++c)
        if (st.AdjTable[r][c] != t[r][c]) return false;
    return true;
  }
};

// The factory table saved exactly: 17 lines, the band line " 0 ".
TEST_F(AdjWindowFile, SavesTheFactoryTableExactly) {
  const adj::Table before = st.AdjTable;
  save(QStringLiteral("factory.adj"));
  EXPECT_EQ(st.File_save_req, 0);
  ASSERT_EQ(messages(), std::vector<std::string>{kSaved.toStdString()});
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate Prompt"));
  EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
  const QByteArray text = ReadFile(inCwd("factory.adj"));
  EXPECT_EQ(text, Expected(before, false));
  EXPECT_EQ(text.count("\r\n"), 17);
  EXPECT_TRUE(text.startsWith(" 0 \r\n 211  212  213 "));
  EXPECT_EQ(changes(before), "");
  // Saving touches neither the display nor the progress display.
  EXPECT_TRUE(w->ProgressBar1->isHidden());
  EXPECT_EQ(w->Text1[0]->text(), QStringLiteral("211"));
}

// Save, change, load: rows 0..15 and the band check box come back, rows
// 16..19 keep what they hold; the page shows the file's values.
TEST_F(AdjWindowFile, RoundTrip) {
  putRows(Distinct());
  click(w->Check_Band, QPoint(6, w->Check_Band->height() / 2));  // writes row 12, columns 6..9
  ASSERT_EQ(st.Band220Selected, 1);
  const adj::Table saved = st.AdjTable;
  save(QStringLiteral("round.adj"));
  EXPECT_TRUE(ReadFile(inCwd("round.adj")).startsWith(" 1 \r\n"));

  click(w->Check_Band, QPoint(6, w->Check_Band->height() / 2));
  ASSERT_EQ(st.Band220Selected, 0);
  putRows(AdjWindowFile::Distinct());
  for (std::size_t r = 0; r < 16; ++r) st.AdjTable[r][0] = 1;
  for (std::size_t r = 16; r < 20; ++r)
    for (std::size_t c = 0; c < 16; ++c) st.AdjTable[r][c] = static_cast<Cell>(100 + r);
  const adj::Table high = st.AdjTable;
  w->ProgressBar1->show();
  w->Label_tr_count->setText(QStringLiteral("Reading 3 Data Block"));
  prompt.calls.clear();
  load(QStringLiteral("round.adj"));
  EXPECT_EQ(st.File_load_req, 0);
  EXPECT_EQ(messages(), std::vector<std::string>{kLoaded.toStdString()});
  EXPECT_TRUE(sameRows(saved));
  for (std::size_t r = 16; r < 20; ++r)
    for (std::size_t c = 0; c < 16; ++c) EXPECT_EQ(st.AdjTable[r][c], high[r][c]) << r << "," << c;
  EXPECT_TRUE(w->Check_Band->Checked());
  EXPECT_EQ(st.Band220Selected, 1);
  EXPECT_EQ(w->Text1[0]->text(), QString::number(saved[0][0]));
  EXPECT_EQ(w->Label_UHF[0]->text(), QStringLiteral("200MHZ"));
  EXPECT_TRUE(w->ProgressBar1->isHidden());
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  EXPECT_EQ(w->Label_tr_count->text(), QString());
}

// Commas or one line read like the written layout; a band line of 1 while the
// box is unchecked switches the band first, and row 12 is then the file's.
TEST_F(AdjWindowFile, OtherLayoutsAndTheBandLine) {
  adj::Table t = Distinct();
  t[12][6] = 0x04, t[12][7] = 0x00, t[12][8] = 0x05, t[12][9] = 0x20;
  struct Case {
    const char* what;
    QByteArray text;
    bool band;
  } cases[] = {
      {"commas", Numbers(t, false, ","), false},
      {"one line", Numbers(t, false, " "), false},
      {"band line 1, row 12 from the file", Numbers(t, true, "  "), true},
      {"written layout, trailing numbers ignored", Expected(t, false) + " 7  8 \r\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(inCwd("other.adj"), c.text);
    putRows(st.AdjDefaults);
    prompt.calls.clear();
    load(QStringLiteral("other.adj"));
    EXPECT_EQ(messages(), std::vector<std::string>{kLoaded.toStdString()});
    EXPECT_TRUE(sameRows(t));
    EXPECT_EQ(w->Check_Band->Checked(), c.band);
    EXPECT_EQ(st.Band220Selected, c.band ? 1 : 0);
  }
}

// A bad file is refused as a whole: one message, the table and the band box
// as they were.
TEST_F(AdjWindowFile, BadFilesChangeNothing) {
  const adj::Table good = Distinct();
  QByteArray shortFile = "0";
  for (int i = 0; i < 199; ++i) shortFile += " 1";
  QByteArray notANumber = Expected(good, false);
  notANumber.replace(" 3 ", " 1x ");
  QByteArray tooLarge = Expected(good, false);
  tooLarge.replace(" 3 ", " 300 ");
  QByteArray negative = Expected(good, false);
  negative.replace(" 3 ", " -1 ");
  QByteArray badBand = Expected(good, false);
  badBand[1] = '2';
  ASSERT_TRUE(QDir(cwd).mkdir(QStringLiteral("dir.adj")));
  struct Case {
    const char* name;
    QByteArray text;  // empty: as it is on disk
  } cases[] = {
      {"missing.adj", {}},         {"dir.adj", {}},         {"short.adj", shortFile},
      {"letters.adj", notANumber}, {"large.adj", tooLarge}, {"negative.adj", negative},
      {"band.adj", badBand},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.text.isEmpty()) WriteFile(inCwd(QString::fromLatin1(c.name)), c.text);
    const adj::Table before = st.AdjTable;
    prompt.calls.clear();
    load(QString::fromLatin1(c.name));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_TRUE(prompt.calls[0].text.startsWith(kLoadFailed)) << prompt.calls[0].text.toStdString();
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(changes(before), "");
    EXPECT_FALSE(w->Check_Band->Checked());
    EXPECT_EQ(st.File_load_req, 0);
  }
}

// A save that cannot be written reports it; nothing claims success, and what
// stands at the path stays as it was.
TEST_F(AdjWindowFile, UnwritableSave) {
  ASSERT_TRUE(QDir(cwd).mkdir(QStringLiteral("taken.adj")));
  save(QStringLiteral("taken.adj"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_TRUE(prompt.calls[0].text.startsWith(kSaveFailed)) << prompt.calls[0].text.toStdString();
  EXPECT_TRUE(QFileInfo(inCwd("taken.adj")).isDir());
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList());

  // A path whose folder has gone since the Confirm.
  prompt.calls.clear();
  Adj_dialog_request_save(st, cwd + QStringLiteral("/gone/x.adj"));
  timer4().fire();
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_TRUE(prompt.calls[0].text.startsWith(kSaveFailed));
}

// A write that fails only when the file's buffer is flushed (the 1,128 bytes
// fit it, as on a full disk): the failure is reported, never the completion,
// and the old file keeps its bytes.
TEST_F(AdjWindowFile, SaveThatFailsAtTheFlushKeepsTheOldFile) {
  const QByteArray old = Expected(Distinct(), true);
  WriteFile(inCwd("table.adj"), old);
  choose(true, QStringLiteral("table.adj"));
  ASSERT_EQ(st.File_save_req, -1);
  {
    FileSizeLimit limit(200);
    ASSERT_TRUE(limit.ok());
    timer4().fire();
  }
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(
      prompt.calls[0].text,
      kSaveFailed +
          QStringLiteral("\nOnly a part of the file could be written (the disk may be full); nothing was changed."));
  EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(ReadFile(inCwd("table.adj")), old);
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("table.adj")});
}

// A writable file in a folder that takes no new file (the temporary one): the
// message names the folder, and the old file stays.
TEST_F(AdjWindowFile, SaveIntoAWriteProtectedFolderNamesIt) {
  const QString folder = inCwd("locked");
  ASSERT_TRUE(QDir(cwd).mkdir(QStringLiteral("locked")));
  const QString path = folder + QStringLiteral("/table.adj");
  WriteFile(path, "old contents");
  const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                  QFile::WriteOther;
  const auto rx =
      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(path, rw));
  ASSERT_TRUE(QFile::setPermissions(folder, rx));
  ASSERT_TRUE(QFile::setPermissions(cwd, rx | QFile::WriteOwner));
  Adj_dialog_request_save(st, path);
  {
    WithoutRootRights user;
    if (!user.ok()) GTEST_SKIP() << "cannot drop root's rights here";
    timer4().fire();
  }
  QFile::setPermissions(folder, rx | QFile::WriteOwner);
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(
      prompt.calls[0].text,
      kSaveFailed + QStringLiteral("\nThe folder \"%1\" is not writable; nothing in it was changed.").arg(folder));
  EXPECT_EQ(ReadFile(path), QByteArray("old contents"));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("table.adj")});
}

// Open and Save each raise their one dialog; pressed again, the same dialog
// comes forward. Close unloads both with the window.
TEST_F(AdjWindowFile, OpenAndSaveRaiseOneDialogEach) {
  click(w->Command_open);
  QPointer<Form_open_adj> first = main->host().find<Form_open_adj>();
  ASSERT_TRUE(first);
  click(w->Command_save);
  QPointer<Form_save_adj> saveDialog = main->host().find<Form_save_adj>();
  ASSERT_TRUE(saveDialog);
  click(w->Command_open);
  settle();
  EXPECT_EQ(main->host().find<Form_open_adj>(), first.data());
  EXPECT_EQ(main->host().loadedWindows().size(), 4u);  // channels, window, two dialogs
  EXPECT_EQ(first->Text1->text(), QStringLiteral("*.adj"));
  click(w->Command_close);
  settle();
  EXPECT_FALSE(loaded());
  EXPECT_FALSE(first);
  EXPECT_FALSE(saveDialog);
  EXPECT_TRUE(prompt.calls.empty());
}

// One tick serves a load before a save, each flag cleared first, each with
// the path it was asked with.
TEST_F(AdjWindowFile, LoadBeforeSaveInOneTick) {
  const adj::Table t = Distinct();
  WriteFile(inCwd("in.adj"), Expected(t, false));
  choose(true, QStringLiteral("out.adj"));
  choose(false, QStringLiteral("in.adj"));
  EXPECT_EQ(st.File_load_req, -1);
  EXPECT_EQ(st.File_save_req, -1);
  EXPECT_EQ(st.File_path, inCwd("in.adj"));
  std::vector<std::pair<Int16, Int16>> flagsAtMessages;
  prompt.onShow = [&](const PromptCall&) { flagsAtMessages.push_back({st.File_load_req, st.File_save_req}); };
  timer4().fire();
  EXPECT_EQ(messages(), (std::vector<std::string>{kLoaded.toStdString(), kSaved.toStdString()}));
  EXPECT_EQ(flagsAtMessages, (std::vector<std::pair<Int16, Int16>>{{0, 0}, {0, 0}}));
  EXPECT_EQ(ReadFile(inCwd("out.adj")), Expected(t, false));
  prompt.calls.clear();
  timer4().fire();
  EXPECT_TRUE(prompt.calls.empty());
}

// A .dat Confirm while an .adj save is pending: the parameter file stays
// as the .dat dialog left it; the alignment table goes to its own file.
TEST_F(AdjWindowFile, ParameterFileConfirmWhileASaveIsPending) {
  const QByteArray dat = Para_file_text(image.image());
  WriteFile(inCwd("radio.dat"), dat);
  choose(true, QStringLiteral("table.adj"));
  ParaFileDialog* open = main->host().reopen<Form_open_chann>();
  ASSERT_TRUE(open);
  click(open->Text1);
  QTest::keyClick(open->Text1, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(open->Text1, QStringLiteral("radio.dat"));
  click(open->Command_enter);
  settle();
  EXPECT_EQ(st.File_path, inCwd("radio.dat"));
  EXPECT_EQ(st.File_save_req, -1);
  prompt.calls.clear();
  timer4().fire();
  EXPECT_EQ(messages(), std::vector<std::string>{kSaved.toStdString()});
  EXPECT_EQ(ReadFile(inCwd("radio.dat")), dat);
  EXPECT_EQ(ReadFile(inCwd("table.adj")), Expected(st.AdjTable, false));
}

// A request made while the window is closed stays pending through the
// window's load and is served at the first tick after it.
TEST_F(AdjWindowFile, RequestPendingWhileClosedIsServedAfterTheNextLoad) {
  const adj::Table t = Distinct();
  WriteFile(inCwd("later.adj"), Expected(t, false));
  click(w->Command_close);
  settle();
  ASSERT_FALSE(loaded());
  ParaFileDialog* d = main->host().openAndShow<Form_open_adj>();
  click(d->Text1);
  QTest::keyClick(d->Text1, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(d->Text1, QStringLiteral("later.adj"));
  click(d->Command_enter);
  settle();
  ASSERT_EQ(st.File_load_req, -1);
  ASSERT_TRUE(open());
  EXPECT_EQ(st.File_load_req, -1);
  EXPECT_FALSE(sameRows(t));
  EXPECT_EQ(timer4().interval(), 500);
  timer4().fire();
  EXPECT_TRUE(sameRows(t));
  EXPECT_EQ(w->Text1[0]->text(), QString::number(t[0][0]));
}

// The poll waits while a handler runs (its message box open) and never
// nests: a tick inside a message box serves nothing; the next one does.
TEST_F(AdjWindowFile, PollWaitsForHandlersAndNeverNests) {
  const adj::Table t = Distinct();
  WriteFile(inCwd("wait.adj"), Expected(t, false));
  choose(false, QStringLiteral("wait.adj"));
  int ticksInside = 0;
  prompt.onShow = [&](const PromptCall&) {
    ++ticksInside;
    timer4().fire();
  };
  // A rejected value: its message box is open while the tick comes.
  paste(w->Text1[2], QStringLiteral("300"));
  EXPECT_EQ(ticksInside, 1);
  EXPECT_EQ(st.File_load_req, -1);
  EXPECT_FALSE(sameRows(t));
  EXPECT_EQ(at(0, 2), def(0, 2));

  // The load's own message box: a save requested meanwhile waits too.
  prompt.onShow = [&](const PromptCall& c) {
    if (c.text != kLoaded) return;
    Adj_dialog_request_save(st, inCwd("nested.adj"));
    timer4().fire();
  };
  prompt.calls.clear();
  timer4().fire();
  EXPECT_TRUE(sameRows(t));
  EXPECT_EQ(messages(), std::vector<std::string>{kLoaded.toStdString()});
  EXPECT_FALSE(QFile::exists(inCwd("nested.adj")));
  EXPECT_EQ(st.File_save_req, -1);
  prompt.onShow = nullptr;
  timer4().fire();
  EXPECT_EQ(ReadFile(inCwd("nested.adj")), Expected(t, false));
}

// Close stops the poll with the window.
TEST_F(AdjWindowFile, CloseStopsThePoll) {
  ManualTimer& t4 = timer4();
  Adj_dialog_request_save(st, inCwd("none.adj"));
  click(w->Command_close);
  EXPECT_FALSE(t4.enabled());
  t4.fire();
  EXPECT_FALSE(QFile::exists(inCwd("none.adj")));
  EXPECT_EQ(st.File_save_req, -1);
}

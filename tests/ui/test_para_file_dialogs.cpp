// The parameter-file dialogs as a user meets them: texts in both languages,
// placing, the drive, directory and file lists, the name checks, a load into
// rows 0..480 that rebuilds the channel window, bad files that change
// nothing, and a save that fails (a folder that is not writable, a write the
// system refuses at the flush) keeping the old file and the dialog.
#include "channels/ui/frm_chann.h"
#include "file_dialog_fixture.h"
#include "image/para_file.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "platform/grid.h"
#include "support/file_size_limit.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

// Every test runs in a temporary directory that is the process's current
// directory for the test's duration.
using ParaFileDialogs = FileDialogFixture;

// Captions and messages of the dialogs of both formats in both languages.
// The alignment-file dialogs keep no window-loaded flag, and their Confirm
// of a good name only records a request (test_adj_dialogs.cpp).
TEST_F(ParaFileDialogs, TextsInBothLanguages) {
  struct Case {
    Format format;
    Kind kind;
    Int16 lang;
    const char *object, *title, *drive, *name, *confirm, *cancel, *invalid, *suffix;
    const char* done;  // the .dat dialogs' completion
  } cases[] = {
      {Format::Dat, Kind::Open, 0, "Form_open_chann", "Open File", "Drive:", "Open File:", "Confirm", "Cancel",
       "Open the file name is nullity ", "Nullity file suffix name.", "Succeed fold the parameter from file."},
      {Format::Dat, Kind::Open, -1, "Form_open_chann", "打开文件", "驱动器：", "打开文件名：", "确  定", "取  消",
       "打开文件名无效 ", "无效的文件后缀名！", "参数从文件调入成功 ！"},
      {Format::Dat, Kind::Save, 0, "Form_save_chann", "Save File", "Drive:", "Save File:", "Confirm", "Cancel",
       "Store the file name is nullity. ", "Advice don't modify file suffix name of system default ！",
       "Complete storing  parameter."},
      {Format::Dat, Kind::Save, -1, "Form_save_chann", "保存文件", "驱动器：", "保存文件名：", "确  定", "取  消",
       "保存文件所需要的文件名无效 ", "建议不要修改系统默认的文件后缀名！", "参数保存完毕 ！"},
      {Format::Adj, Kind::Open, 0, "Form_open_adj", "Open Adjust File", "Drive:", "Open File:", "Confirm", "Cancel",
       "Open the file name of channel parameter is nullity ", "Nullity file suffix name of adjust parameter.", nullptr},
      {Format::Adj, Kind::Open, -1, "Form_open_adj", "打开调整参数文件", "驱动器：", "打开文件名：", "确  定", "取  消",
       "打开信道参数文件名无效 ", "无效的调整参数文件后缀名！", nullptr},
      {Format::Adj, Kind::Save, 0, "Form_save_adj", "Save Adjust File", "Drive:", "Save File:", "Confirm", "Cancel",
       "Store the file name of adjust parameter need is nullity. ",
       "Advice don't modify file suffix name of system default ！", nullptr},
      {Format::Adj, Kind::Save, -1, "Form_save_adj", "保存调整参数文件", "驱动器：", "保存文件名：", "确  定", "取  消",
       "保存调整参数所需要的文件名无效 ", "建议不要修改系统默认的文件后缀名！", nullptr},
  };
  WriteFile(inCwd("radio.dat"), Para_file_text(RandomImage(1)));
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Name(c.format)) + " " + Name(c.kind) + (c.lang ? " Chinese" : " English"));
    const QString suffix = c.format == Format::Dat ? QStringLiteral(".dat") : QStringLiteral(".adj");
    st.Lang_chn = c.lang;
    ParaFileDialog* d = open(c.format, c.kind);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->objectName(), QString::fromLatin1(c.object));
    EXPECT_FALSE(d->isMdiChild());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(d->Label_drive->text(), QString::fromUtf8(c.drive));
    EXPECT_EQ(d->Label_name->text(), QString::fromUtf8(c.name));
    EXPECT_EQ(d->Command_enter->text(), QString::fromUtf8(c.confirm));
    EXPECT_EQ(d->Command_close->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(d->Text1->text(), "*" + suffix);
    for (const char* control :
         {"Label_drive", "Drive1", "Dir1", "File1", "Label_name", "Text1", "Command_enter", "Command_close"})
      EXPECT_TRUE(d->findChild<QWidget*>(QString::fromLatin1(control))) << control;
    if (c.format == Format::Adj) {
      EXPECT_EQ(st.Flag_open_chann, 0);
      EXPECT_EQ(st.Flag_save_chann, 0);
    }

    prompt.calls.clear();
    d->Command_enter->click();  // the pattern as the dialog starts
    confirm(d, QStringLiteral("radio.txt"));
    if (c.done) confirm(d, "radio" + suffix);
    std::vector<const char*> texts{c.invalid, c.suffix};
    if (c.done) texts.push_back(c.done);
    ASSERT_EQ(prompt.calls.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(prompt.calls[i].text, QString::fromUtf8(texts[i]));
      EXPECT_EQ(prompt.calls[i].title, c.lang ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
      EXPECT_EQ(prompt.calls[i].icon, PromptIcon::Exclamation);
    }
    if (c.done) {
      EXPECT_FALSE(loaded(c.format, c.kind));
    } else {
      EXPECT_EQ(loaded(c.format, c.kind), d);
      main->host().unloadWindow(d);
    }
    settle();
  }
}

TEST_F(ParaFileDialogs, DesignedSizeCentredAndRaised500Twips) {
  for (Kind k : {Kind::Open, Kind::Save}) {
    ParaFileDialog* d = open(k);
    ASSERT_TRUE(d);
    EXPECT_NEAR(d->TwipsWidth(), kParaFileLayout.width, 15);
    EXPECT_NEAR(d->TwipsHeight(), kParaFileLayout.height, 15);
    const QPoint topLeft = main->mdiArea()->mapFromGlobal(d->frame()->geometry().topLeft());
    EXPECT_NEAR(topLeft.x(), (main->ScaleWidth() - kParaFileLayout.width) / 2 / 15, 1) << Name(k);
    EXPECT_NEAR(topLeft.y(), ((main->ScaleHeight() - kParaFileLayout.height) / 2 - 500) / 15, 1) << Name(k);
  }
}

// The lists start at the current directory and its volume; the file list
// holds the .dat files in any case of the suffix, and nothing else.
TEST_F(ParaFileDialogs, StartAtTheCurrentDirectory) {
  for (const char* f : {"b.dat", "A.DAT", "c.Dat", "notes.txt", "old.dat.bak", "dat", ".hidden.dat"})
    WriteFile(inCwd(QString::fromLatin1(f)), "x");
  for (const char* sub : {"zeta.dat", "Alpha", ".config"}) QDir(cwd).mkdir(QString::fromLatin1(sub));

  ParaFileDialog* d = open(Kind::Save);
  ASSERT_TRUE(d);
  const QString volume = QStorageInfo(cwd).rootPath();
  EXPECT_EQ(d->Dir1_Path(), cwd);
  EXPECT_EQ(d->Drive1_Drive(), volume);
  EXPECT_EQ(d->Drive1->currentData().toString(), volume);
  EXPECT_EQ(Items(d->File1), (QStringList{"A.DAT", "b.dat", "c.Dat"}));

  // The directory list: the volume's root, each directory down to the
  // current one, and the directories in it.
  ASSERT_EQ(d->Dir1->topLevelItemCount(), 1);
  EXPECT_EQ(d->Dir1->topLevelItem(0)->text(0), volume);
  QTreeWidgetItem* here = d->Dir1->currentItem();
  ASSERT_TRUE(here);
  EXPECT_EQ(here->data(0, Qt::UserRole).toString(), cwd);
  EXPECT_EQ(here->text(0), QFileInfo(cwd).fileName());
  EXPECT_EQ(Children(here), (QStringList{"Alpha", "zeta.dat"}));
  EXPECT_EQ(st.Flag_save_chann, -1);
}

// Walking the directory list moves the file list but never the process's
// current directory; a file chosen in the list goes into the name box.
TEST_F(ParaFileDialogs, DirectoryListMovesTheFileListOnly) {
  QDir(cwd).mkpath(QStringLiteral("radios/spare"));
  const QString radios = inCwd("radios");
  WriteFile(radios + "/home.dat", "x");
  WriteFile(radios + "/car.DAT", "x");
  WriteFile(inCwd("top.dat"), "x");

  ParaFileDialog* d = open(Kind::Save);
  ASSERT_TRUE(d);
  QTreeWidgetItem* here = d->Dir1->currentItem();
  ASSERT_EQ(Children(here), QStringList{"radios"});
  emit d->Dir1->itemActivated(here->child(0), 0);  // a double click
  EXPECT_EQ(d->Dir1_Path(), radios);
  EXPECT_EQ(Items(d->File1), (QStringList{"car.DAT", "home.dat"}));
  EXPECT_EQ(Children(d->Dir1->currentItem()), QStringList{"spare"});
  EXPECT_EQ(QDir::currentPath(), cwd);

  d->File1->setCurrentRow(1);
  EXPECT_EQ(d->Text1->text(), QStringLiteral("home.dat"));
  d->Text1->setText(QStringLiteral("typed.dat"));
  emit d->File1->itemClicked(d->File1->item(1));  // the same file clicked again
  EXPECT_EQ(d->Text1->text(), QStringLiteral("home.dat"));

  // Saving goes to the directory the list shows.
  edit([&](img::Image& im) { im = RandomImage(2); });
  confirm(d, QStringLiteral("new.dat"));
  EXPECT_EQ(st.File_path, radios + "/new.dat");
  EXPECT_EQ(ReadFile(radios + "/new.dat"), Para_file_text(image.image()));
  EXPECT_FALSE(QFile::exists(inCwd("new.dat")));
  EXPECT_EQ(QDir::currentPath(), cwd);

  // Up again by the entry of a directory above.
  d = open(Kind::Open);
  d->Dir1_Open(radios);
  emit d->Dir1->itemActivated(d->Dir1->currentItem()->parent(), 0);
  EXPECT_EQ(d->Dir1_Path(), cwd);
  EXPECT_EQ(Items(d->File1), QStringList{"top.dat"});

  // A directory that went away meanwhile is reported; the lists stay.
  prompt.calls.clear();
  d->Dir1_Open(inCwd("gone"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, "\"" + inCwd("gone") + "\" cannot be read.");
  EXPECT_EQ(d->Dir1_Path(), cwd);
}

// Another drive: its root, or the current directory when it is on that
// drive. A drive that cannot be read is reported and the list goes back.
TEST_F(ParaFileDialogs, DriveChoice) {
  QDir(cwd).mkpath(QStringLiteral("stick/backup"));
  WriteFile(inCwd("stick/radio.dat"), "x");
  ParaFileDialog* d = open(Kind::Open);
  ASSERT_TRUE(d);
  const QString volume = d->Drive1_Drive();
  // Stand-ins for two more volumes: one mounted at a directory of ours, one gone.
  const QString stick = inCwd("stick"), gone = inCwd("unplugged");
  d->Drive1->addItem(stick, stick);
  d->Drive1->addItem(gone, gone);

  d->Drive1->setCurrentIndex(d->Drive1->findData(stick));
  EXPECT_EQ(d->Drive1_Drive(), stick);
  EXPECT_EQ(d->Dir1_Path(), stick);
  EXPECT_EQ(d->Dir1->topLevelItem(0)->text(0), stick);
  EXPECT_EQ(Children(d->Dir1->currentItem()), QStringList{"backup"});
  EXPECT_EQ(Items(d->File1), QStringList{"radio.dat"});

  d->Drive1->setCurrentIndex(d->Drive1->findData(gone));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, "\"" + gone + "\" cannot be read.");
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(d->Drive1->currentData().toString(), stick);
  EXPECT_EQ(d->Drive1_Drive(), stick);
  EXPECT_EQ(d->Dir1_Path(), stick);

  // Back on the drive of the current directory: the current directory.
  d->Drive1->setCurrentIndex(d->Drive1->findData(volume));
  EXPECT_EQ(d->Dir1_Path(), cwd);
  EXPECT_EQ(QDir::currentPath(), cwd);
}

// The name checks run in order on the trimmed name and stop at the first
// failure; a refused name changes nothing and the dialog stays open.
TEST_F(ParaFileDialogs, NameChecks) {
  enum Outcome { Ok, Invalid, Suffix };
  struct Case {
    const char* typed;
    Outcome outcome;
  } cases[] = {
      {"*.dat", Invalid},  {"a$.dat", Invalid}, {"a\\b.dat", Invalid}, {"sub/a.dat", Invalid},
      {"#1.dat", Invalid}, {"x#.txt", Invalid}, {"a.Dat", Suffix},     {"a.dAT", Suffix},
      {"a.txt", Suffix},   {"a.dat.", Suffix},  {"", Suffix},          {"   ", Suffix},
      {"dat", Suffix},     {"a.dat", Ok},       {"B.DAT", Ok},         {"  my radio.dat  ", Ok},
      {"radio-2.dat", Ok},
  };
  for (Kind k : {Kind::Open, Kind::Save}) {
    for (const Case& c : cases) {
      const QString typed = QString::fromUtf8(c.typed);
      SCOPED_TRACE(std::string(Name(k)) + " \"" + c.typed + "\"");
      const QString trimmed = typed.trimmed();
      if (c.outcome == Ok && k == Kind::Open) WriteFile(inCwd(trimmed), Para_file_text(RandomImage(3)));
      st.File_path = QStringLiteral("before");
      st.File_load_req = st.File_save_req = -1;
      prompt.calls.clear();
      ParaFileDialog* d = open(k);
      ASSERT_TRUE(d);
      confirm(d, typed);
      ASSERT_EQ(prompt.calls.size(), 1u);
      const QString msg = prompt.calls[0].text;
      if (c.outcome == Ok) {
        EXPECT_EQ(msg, k == Kind::Open ? "Succeed fold the parameter from file." : "Complete storing  parameter.");
        EXPECT_EQ(st.File_path, inCwd(trimmed));
        EXPECT_EQ(st.File_load_req, k == Kind::Open ? 0 : -1);
        EXPECT_EQ(st.File_save_req, k == Kind::Save ? 0 : -1);
        EXPECT_TRUE(QFile::exists(inCwd(trimmed)));
        EXPECT_FALSE(loaded(k));
      } else {
        const bool invalid = c.outcome == Invalid;
        EXPECT_EQ(msg, k == Kind::Open ? (invalid ? "Open the file name is nullity " : "Nullity file suffix name.")
                                       : (invalid ? "Store the file name is nullity. "
                                                  : "Advice don't modify file suffix name of system default ！"));
        EXPECT_EQ(st.File_path, QStringLiteral("before"));
        EXPECT_EQ(st.File_load_req, -1);
        EXPECT_EQ(st.File_save_req, -1);
        EXPECT_EQ(loaded(k), d);
        EXPECT_EQ(d->Text1->text(), typed);
      }
      settle();
    }
  }
  // Nothing was written for a refused name.
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// A load replaces rows 0..480 and leaves rows 481..495 alone; the editors are
// rebuilt only after the completion message was closed, then the dialog goes.
TEST_F(ParaFileDialogs, LoadTakesRows0To480) {
  const img::Image file = RandomImage(4);
  WriteFile(inCwd("radio.dat"), Para_file_text(file));
  edit([&](img::Image& im) { im = RandomImage(5); });
  const img::Image before = image.image();
  ParaFileDialog* d = open(Kind::Open);
  ASSERT_TRUE(d);
  bool openDuringMessage = false;
  prompt.onShow = [&](const PromptCall&) { openDuringMessage = main->host().isLoaded<Form_open_chann>(); };
  confirm(d, QStringLiteral("radio.dat"));
  EXPECT_TRUE(openDuringMessage);
  img::Image want = before;
  for (int r = 0; r <= img::kFileLastRow; ++r)
    for (int c = 0; c < img::kCols; ++c) want(r, c) = file(r, c);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  EXPECT_FALSE(main->host().isLoaded<Form_open_chann>());
  EXPECT_EQ(st.Flag_open_chann, 0);
}

// After a load the channel window is built afresh from the loaded image,
// and opened when it was closed.
TEST_F(ParaFileDialogs, LoadRebuildsTheChannelWindow) {
  SessionAndImage other;
  other.Image = image.image();
  // Channel 0 programmed at 146.52 MHz in the file.
  const std::array<int, 16> rec{0x00, 0x20, 0x65, 0x14, 0x00, 0x20, 0x65, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44};
  for (int c = 0; c < 16; ++c) other.Image(0, c) = static_cast<Int16>(rec[static_cast<size_t>(c)]);
  WriteFile(inCwd("radio.dat"), Para_file_text(other.Image));
  for (bool openBefore : {true, false}) {
    if (!openBefore) main->host().unload<frm_chann>();
    settle();
    const frm_chann* before = main->host().find<frm_chann>();
    ASSERT_EQ(before != nullptr, openBefore);
    confirm(open(Kind::Open), QStringLiteral("radio.dat"));
    const frm_chann* after = main->host().find<frm_chann>();
    ASSERT_TRUE(after) << openBefore;
    EXPECT_NE(after, before);
    EXPECT_EQ(st.Flag_frm_chann, -1);
    EXPECT_EQ(after->MSF_Chann->TextMatrix(1, 2), QStringLiteral("146.52000"));
  }
}

// The channel window's Close button takes the parameter-file dialogs with
// it; its close box leaves them open.
TEST_F(ParaFileDialogs, ChannelWindowCloseTakesTheDialogs) {
  for (bool button : {true, false}) {
    main->MDImain_Channel_edit_Click();
    open(Kind::Save);
    open(Kind::Open);
    frm_chann* w = main->host().find<frm_chann>();
    ASSERT_TRUE(w);
    if (button)
      w->Command_close->click();
    else
      w->frame()->close();
    EXPECT_FALSE(main->host().isLoaded<frm_chann>());
    EXPECT_EQ(main->host().isLoaded<Form_open_chann>(), !button) << button;
    EXPECT_EQ(main->host().isLoaded<Form_save_chann>(), !button) << button;
    EXPECT_EQ(st.Flag_open_chann, button ? 0 : -1);
    EXPECT_EQ(st.Flag_save_chann, button ? 0 : -1);
    settle();
  }
}

// A file that cannot be read whole changes nothing: the image stays, no
// window is rebuilt and the dialog stays open with the reason shown.
TEST_F(ParaFileDialogs, BadFilesChangeNothing) {
  const QByteArray good = Para_file_text(RandomImage(6));
  QList<QByteArray> lines = good.split('\n');
  auto withLine = [&](int index, const QByteArray& text) {
    QList<QByteArray> l = lines;
    l[index] = text;
    return l.join('\n');
  };
  QDir(cwd).mkdir(QStringLiteral("folder.dat"));
  struct Case {
    const char* name;
    QByteArray contents;  // empty: not written
    const char* detail;
  } cases[] = {
      {"missing.dat", {}, "The file does not exist."},
      {"folder.dat", {}, "The file cannot be opened."},
      {"short.dat", lines.mid(0, 240).join('\n') + '\n', "The file holds only 3840 of the 7696 values."},
      {"letter.dat", withLine(9, " 1  2  x3 \r"), "Line 10: \"x3\" is not a whole number from 0 to 255."},
      {"range.dat", withLine(480, " 256 \r"), "Line 481: \"256\" is not a whole number from 0 to 255."},
      {"commas.dat", withLine(2, " 1 ,, 2 \r"), "Line 3: a value is missing next to a comma."},
      {"more.dat", good + " 1 \r\n", "Line 482: \"1\" follows the last of the 7696 values."},
  };
  ParaFileDialog* d = open(Kind::Open);
  ASSERT_TRUE(d);
  const std::vector<RadioWindow*> windows = main->host().loadedWindows();
  edit([&](img::Image& im) { im = RandomImage(7); });
  const img::Image before = image.image();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.contents.isEmpty()) WriteFile(inCwd(QString::fromLatin1(c.name)), c.contents);
    prompt.calls.clear();
    st.File_load_req = -1;
    confirm(d, QString::fromLatin1(c.name));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text, "The parameter file could not be read.\n" + QString::fromLatin1(c.detail));
    EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(ImageDiff(image.image(), before), "");
    EXPECT_EQ(main->host().loadedWindows(), windows);
    EXPECT_EQ(loaded(Kind::Open), d);
    EXPECT_EQ(st.Flag_open_chann, -1);
    // The path was taken before the file was read.
    EXPECT_EQ(st.File_path, inCwd(QString::fromLatin1(c.name)));
    EXPECT_EQ(st.File_load_req, 0);
  }
  st.Lang_chn = -1;
  prompt.calls.clear();
  confirm(d, QStringLiteral("letter.dat"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("参数文件读取失败 ！\n第 10 行：“x3”不是 0 至 255 的整数。"));
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("操作提示"));
}

// Saving replaces an existing file without asking and writes rows 0..480.
TEST_F(ParaFileDialogs, SaveReplacesWithoutAsking) {
  WriteFile(inCwd("radio.dat"), "old contents");
  edit([&](img::Image& im) { im = RandomImage(8); });
  const img::Image held = image.image();
  ParaFileDialog* d = open(Kind::Save);
  ASSERT_TRUE(d);
  confirm(d, QStringLiteral("radio.dat"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("Complete storing  parameter."));
  EXPECT_EQ(ReadFile(inCwd("radio.dat")), Para_file_text(held));
  EXPECT_TRUE(image.image() == held);
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.dat"});
  EXPECT_FALSE(loaded(Kind::Save));
}

// A save that fails says so, keeps the old file and the dialog.
TEST_F(ParaFileDialogs, FailedSaveKeepsTheOldFileAndTheDialog) {
  // The file system takes this name but not the longer name of a temporary file beside it.
  const QString longName = QString(251, u'a') + QStringLiteral(".dat");
  WriteFile(inCwd(longName), "old contents");
  QDir(cwd).mkdir(QStringLiteral("away"));
  ParaFileDialog* d = open(Kind::Save);
  ASSERT_TRUE(d);
  for (Int16 lang : {Int16{0}, Int16{-1}}) {
    st.Lang_chn = lang;
    prompt.calls.clear();
    confirm(d, longName);
    ASSERT_EQ(prompt.calls.size(), 1u);
    const QString first = prompt.calls[0].text.section(u'\n', 0, 0);
    EXPECT_EQ(first,
              lang ? QStringLiteral("参数文件保存失败 ！") : QStringLiteral("The parameter file could not be saved."));
    EXPECT_FALSE(prompt.calls[0].text.section(u'\n', 1).isEmpty());  // the reason
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(ReadFile(inCwd(longName)), QByteArray("old contents"));
    EXPECT_EQ(loaded(Kind::Save), d);
  }
  // The directory the list shows was removed meanwhile.
  d->Dir1_Open(inCwd("away"));
  ASSERT_TRUE(QDir(inCwd("away")).removeRecursively());
  prompt.calls.clear();
  confirm(d, QStringLiteral("radio.dat"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_TRUE(prompt.calls[0].text.startsWith(QStringLiteral("参数文件保存失败 ！")));
  EXPECT_EQ(loaded(Kind::Save), d);
  EXPECT_EQ(st.Flag_save_chann, -1);
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList{longName});
}

// A write the system refuses (here: a file-size limit, as a full disk would)
// is reported through the save dialog opened from the File menu, never the
// completion; the old file keeps its bytes and the dialog stays.
TEST_F(ParaFileDialogs, SaveThatTheSystemRefusesKeepsTheOldFile) {
  const QByteArray old = Para_file_text(RandomImage(12));
  WriteFile(inCwd("radio.dat"), old);
  edit([&](img::Image& im) { im = RandomImage(13); });
  main->menu(QStringLiteral("File_save"))->trigger();
  ParaFileDialog* d = loaded(Kind::Save);
  ASSERT_TRUE(d);
  d->Text1->setText(QStringLiteral("radio.dat"));
  {
    FileSizeLimit limit(200);
    ASSERT_TRUE(limit.ok());
    QTest::mouseClick(d->Command_enter, Qt::LeftButton);
  }
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text,
            QStringLiteral("The parameter file could not be saved.\nOnly a part of the file could be written (the disk "
                           "may be full); nothing was changed."));
  EXPECT_EQ(ReadFile(inCwd("radio.dat")), old);
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("radio.dat")});
  EXPECT_EQ(loaded(Kind::Save), d);
}

// At the root the path already ends with a separator; File_path gets one more.
TEST_F(ParaFileDialogs, PathAtTheRoot) {
  ParaFileDialog* d = open(Kind::Open);
  ASSERT_TRUE(d);
  d->Dir1_Open(QStringLiteral("/"));
  EXPECT_EQ(d->Dir1_Path(), QStringLiteral("/"));
  const QString name = QFileInfo(cwd).fileName() + QStringLiteral("-absent.dat");
  confirm(d, name);
  EXPECT_EQ(st.File_path, "//" + name);
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("The parameter file could not be read.\nThe file does not exist."));
}

TEST_F(ParaFileDialogs, CancelAndCloseBoxUnload) {
  for (Kind k : {Kind::Open, Kind::Save}) {
    for (bool closeBox : {false, true}) {
      st.File_path = QStringLiteral("kept");
      st.File_load_req = st.File_save_req = -1;
      ParaFileDialog* d = open(k);
      ASSERT_TRUE(d);
      Int16& flag = k == Kind::Open ? st.Flag_open_chann : st.Flag_save_chann;
      EXPECT_EQ(flag, -1);
      if (closeBox)
        d->frame()->close();
      else
        d->Command_close->click();
      EXPECT_FALSE(loaded(k)) << Name(k) << closeBox;
      EXPECT_EQ(flag, 0);
      EXPECT_EQ(st.File_path, QStringLiteral("kept"));
      EXPECT_EQ(st.File_load_req, -1);
      EXPECT_EQ(st.File_save_req, -1);
      settle();
    }
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// The File menu items and the toolbar keys reopen the dialogs: a fresh one
// replaces an open one, with its typing gone.
TEST_F(ParaFileDialogs, MenuAndToolbarReopen) {
  struct Case {
    Kind kind;
    const char* action;
    bool toolbar;
  } cases[] = {
      {Kind::Open, "File_Open", false},
      {Kind::Open, "open", true},
      {Kind::Save, "File_save", false},
      {Kind::Save, "save", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    QAction* a =
        c.toolbar ? main->toolButton(QString::fromLatin1(c.action)) : main->menu(QString::fromLatin1(c.action));
    ASSERT_TRUE(a);
    a->trigger();
    ParaFileDialog* first = loaded(c.kind);
    ASSERT_TRUE(first);
    first->Text1->setText(QStringLiteral("typed.dat"));
    a->trigger();
    ParaFileDialog* second = loaded(c.kind);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Text1->text(), QStringLiteral("*.dat"));
    settle();
  }
  EXPECT_EQ(main->menu(QStringLiteral("File_Open"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(main->menu(QStringLiteral("File_save"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

// The language switch rebuilds the open dialogs, the save dialog before the
// open dialog; a closed one stays closed.
TEST_F(ParaFileDialogs, LanguageSwitchRebuildsOpenDialogsInOrder) {
  ParaFileDialog* openDialog = open(Kind::Open);
  ParaFileDialog* saveDialog = open(Kind::Save);
  main->MDImain_Language_chn_Click();
  ParaFileDialog* newOpen = loaded(Kind::Open);
  ParaFileDialog* newSave = loaded(Kind::Save);
  ASSERT_TRUE(newOpen && newSave);
  EXPECT_NE(newOpen, openDialog);
  EXPECT_NE(newSave, saveDialog);
  EXPECT_EQ(newOpen->windowTitle(), QStringLiteral("打开文件"));
  EXPECT_EQ(newSave->windowTitle(), QStringLiteral("保存文件"));
  const std::vector<RadioWindow*> order = main->host().loadedWindows();
  const auto posSave = std::find(order.begin(), order.end(), newSave);
  const auto posOpen = std::find(order.begin(), order.end(), newOpen);
  EXPECT_LT(posSave, posOpen);

  main->host().unload<Form_save_chann>();
  settle();
  main->MDImain_Language_eng_Click();
  EXPECT_FALSE(loaded(Kind::Save));
  EXPECT_EQ(st.Flag_save_chann, 0);
  ASSERT_TRUE(loaded(Kind::Open));
  EXPECT_EQ(loaded(Kind::Open)->windowTitle(), QStringLiteral("Open File"));
}

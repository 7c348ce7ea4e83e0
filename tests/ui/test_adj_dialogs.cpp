// The alignment-file dialogs: the parameter-file dialog's lists with their own
// layout, texts and name rule, and a Confirm that only records the request
// for the alignment editor's poll.
#include "alignment/adj_file.h"
#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "alignment/ui/adj_file_dialog.h"
#include "file_dialog_fixture.h"
#include "image/para_file.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "support/image_diff.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Twips to pixels at the fixture's 96 dpi.
int Px(double tw) { return static_cast<int>(std::lround(tw / 15)); }

}  // namespace

class AdjDialogs : public FileDialogFixture {
 protected:
  AdjDialogs() { format = Format::Adj; }
  // The request state a Confirm may change.
  struct Requests {
    QString path;
    Int16 load, save;
    QString loadPath, savePath;
    bool operator==(const Requests&) const = default;
  };
  Requests requests() const {
    return {st.File_path, st.File_load_req, st.File_save_req, st.Adj_file_requests.loadPath,
            st.Adj_file_requests.savePath};
  }
  // A dialog counts as active with the main window (shared activation), so
  // wait for the application's active window itself.
  static void activate(QWidget* w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }));
  }
};

// Client area 6195 x 5145 twips with the controls at their design places;
// the dialog stands at its design position whatever the main window's size,
// where the parameter-file dialog centres itself.
TEST_F(AdjDialogs, DesignedLayoutAndPosition) {
  const struct {
    const char* control;
    TwipsRect place;
  } places[] = {
      {"Label_drive", {240, 240, 975, 255}},     {"Drive1", {1320, 240, 1695, 300}},
      {"Dir1", {240, 720, 5775, 1770}},          {"File1", {240, 2520, 5775, 1650}},
      {"Label_name", {240, 4560, 1095, 255}},    {"Text1", {1440, 4560, 1695, 270}},
      {"Command_enter", {3480, 4440, 975, 495}}, {"Command_close", {4920, 4440, 975, 495}},
  };
  QPoint first[2];
  for (int round = 0; round < 2; ++round) {
    if (round == 1) main->resize(main->size() - QSize(200, 150));  // a smaller main window
    for (Kind k : {Kind::Open, Kind::Save}) {
      SCOPED_TRACE(std::string(Name(k)) + (round ? " after the resize" : ""));
      ParaFileDialog* d = open(k);
      ASSERT_TRUE(d);
      EXPECT_EQ(d->size(), QSize(Px(6195), Px(5145)));
      for (const auto& p : places) {
        const QWidget* w = d->findChild<QWidget*>(QString::fromLatin1(p.control));
        ASSERT_TRUE(w) << p.control;
        EXPECT_EQ(w->geometry(), QRect(Px(p.place.left), Px(p.place.top), Px(p.place.width), Px(p.place.height)))
            << p.control;
      }
      const QPoint at = main->mdiArea()->mapFromGlobal(d->frame()->geometry().topLeft());
      EXPECT_EQ(at, QPoint(Px(kAdjFileLayout.left), Px(kAdjFileLayout.top)));
      if (round == 0)
        first[static_cast<int>(k)] = at;
      else
        EXPECT_EQ(at, first[static_cast<int>(k)]);
      main->host().unloadWindow(d);
      settle();
    }
  }
}

// The name rule on the trimmed name: the refused characters, then ".adj" or
// ".ADJ" exactly. An accepted name only records the request: File_path and
// the dialog's flag, the path in the request record, no file touched, no
// message; the dialog goes. A refused one changes nothing and stays.
TEST_F(AdjDialogs, ConfirmNames) {
  enum Outcome { Ok, Invalid, Suffix };
  struct Case {
    const char* typed;
    Outcome outcome;
  } cases[] = {
      {"*.adj", Invalid},     {"data.ADJ", Ok},        {"data.adj", Ok},     {"data.Adj", Suffix}, {"", Suffix},
      {"dir/a.adj", Invalid}, {"dir\\a.adj", Invalid}, {"  x.adj  ", Ok},    {"a$.adj", Invalid},  {"#.adj", Invalid},
      {"adj", Suffix},        {"a.adj.", Suffix},      {"data.dat", Suffix}, {"my table.adj", Ok},
  };
  WriteFile(inCwd("data.adj"), "old contents");
  for (Kind k : {Kind::Open, Kind::Save}) {
    for (const Case& c : cases) {
      const QString typed = QString::fromUtf8(c.typed);
      SCOPED_TRACE(std::string(Name(k)) + " \"" + c.typed + "\"");
      st.File_path = QStringLiteral("before");
      st.File_load_req = st.File_save_req = 0;
      st.Adj_file_requests = {QStringLiteral("old load"), QStringLiteral("old save")};
      const Requests before = requests();
      prompt.calls.clear();
      ParaFileDialog* d = open(k);
      ASSERT_TRUE(d);
      confirm(d, typed);
      if (c.outcome == Ok) {
        const QString path = inCwd(typed.trimmed());
        Requests want = before;
        want.path = path;
        (k == Kind::Open ? want.load : want.save) = -1;
        (k == Kind::Open ? want.loadPath : want.savePath) = path;
        EXPECT_TRUE(requests() == want) << requests().path.toStdString();
        EXPECT_TRUE(prompt.calls.empty());
        EXPECT_FALSE(loaded(k));
      } else {
        ASSERT_EQ(prompt.calls.size(), 1u);
        const bool invalid = c.outcome == Invalid;
        EXPECT_EQ(prompt.calls[0].text, k == Kind::Open
                                            ? (invalid ? "Open the file name of channel parameter is nullity "
                                                       : "Nullity file suffix name of adjust parameter.")
                                            : (invalid ? "Store the file name of adjust parameter need is nullity. "
                                                       : "Advice don't modify file suffix name of system default ！"));
        EXPECT_TRUE(requests() == before);
        EXPECT_EQ(loaded(k), d);
        EXPECT_EQ(d->Text1->text(), typed);
        main->host().unloadWindow(d);
      }
      settle();
    }
  }
  EXPECT_EQ(ReadFile(inCwd("data.adj")), QByteArray("old contents"));
  EXPECT_EQ(QDir(cwd).entryList(QDir::Files | QDir::Hidden), QStringList{"data.adj"});
}

// A .dat Confirm sets File_path to the parameter file and clears only its
// own flag. A pending alignment request of the other kind stays pending with
// the path it was made with, so the alignment editor's poll never turns it
// onto the parameter file; one of the same kind is cancelled.
TEST_F(AdjDialogs, ParameterFileConfirmKeepsThePendingRequestsPath) {
  struct Case {
    Kind adj;     // the alignment request made first
    Kind dat;     // then the parameter-file dialog confirmed
    bool served;  // the alignment request is still served
  } cases[] = {
      {Kind::Save, Kind::Open, true},
      {Kind::Open, Kind::Save, true},
      {Kind::Save, Kind::Save, false},
      {Kind::Open, Kind::Open, false},
  };
  const img::Image held = image.image();
  const QByteArray datText = Para_file_text(held);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("adj ") + Name(c.adj) + ", dat " + Name(c.dat));
    WriteFile(inCwd("radio.dat"), datText);
    confirm(open(c.adj), QStringLiteral("table.adj"));
    ASSERT_FALSE(loaded(c.adj));
    settle();

    prompt.calls.clear();
    ParaFileDialog* dat = c.dat == Kind::Open ? static_cast<ParaFileDialog*>(main->host().reopen<Form_open_chann>())
                                              : main->host().reopen<Form_save_chann>();
    ASSERT_TRUE(dat);
    confirm(dat, QStringLiteral("radio.dat"));
    ASSERT_EQ(prompt.calls.size(), 1u);  // the .dat dialog's completion
    EXPECT_EQ(st.File_path, inCwd("radio.dat"));
    EXPECT_EQ(ImageDiff(image.image(), held), "");

    const std::vector<adj::AdjRequest> work =
        adj::Adj_file_poll(st.File_load_req, st.File_save_req, st.Adj_file_requests);
    if (c.served) {
      const adj::AdjFileOp op = c.adj == Kind::Open ? adj::AdjFileOp::Load : adj::AdjFileOp::Save;
      EXPECT_EQ(work, (std::vector<adj::AdjRequest>{{op, inCwd("table.adj")}}));
    } else {
      EXPECT_TRUE(work.empty());
    }
    EXPECT_EQ(ReadFile(inCwd("radio.dat")), datText);
    EXPECT_FALSE(QFile::exists(inCwd("table.adj")));
    settle();
  }
}

// Cancel and the close box unload the dialog and change no request.
TEST_F(AdjDialogs, CancelAndCloseBoxChangeNothing) {
  for (Kind k : {Kind::Open, Kind::Save}) {
    for (bool closeBox : {false, true}) {
      SCOPED_TRACE(std::string(Name(k)) + (closeBox ? " close box" : " Cancel"));
      st.File_path = QStringLiteral("kept");
      st.File_load_req = st.File_save_req = -1;
      st.Adj_file_requests = {QStringLiteral("load"), QStringLiteral("save")};
      const Requests before = requests();
      ParaFileDialog* d = open(k);
      ASSERT_TRUE(d);
      d->Text1->setText(QStringLiteral("typed.adj"));
      if (closeBox)
        d->frame()->close();
      else
        d->Command_close->click();
      EXPECT_FALSE(loaded(k));
      EXPECT_TRUE(requests() == before);
      settle();
    }
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// Opening a dialog that is open brings the same dialog forward, as it is:
// one dialog, its typing and its place kept.
TEST_F(AdjDialogs, OpeningAnOpenDialogBringsItForward) {
  main->show();
  for (Kind k : {Kind::Open, Kind::Save}) {
    SCOPED_TRACE(Name(k));
    ParaFileDialog* d = open(k);
    ASSERT_TRUE(d);
    d->Text1->setText(QStringLiteral("typed.adj"));
    d->move(d->pos() + QPoint(40, 30));  // the user moved it
    const QPoint at = d->pos();
    activate(main.get());
    EXPECT_EQ(open(k), d);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == d; }));
    EXPECT_EQ(d->Text1->text(), QStringLiteral("typed.adj"));
    EXPECT_EQ(d->pos(), at);
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == d->objectName() && w->isVisible()) ++dialogs;
    EXPECT_EQ(dialogs, 1);
  }
  // Both open at once, each its own dialog.
  EXPECT_NE(loaded(Kind::Open), loaded(Kind::Save));
}

// The parameter-file dialog's lists: the .adj files of the directory in any
// case of the suffix; a real click on a file puts its name into the box, a
// real click on Confirm requests it from the directory the list shows.
TEST_F(AdjDialogs, ListsByRealClicks) {
  QDir(cwd).mkpath(QStringLiteral("tables"));
  for (const char* f : {"b.adj", "A.ADJ", "c.Adj", "radio.dat", "notes.txt"})
    WriteFile(inCwd(QString::fromLatin1(f)), "x");
  WriteFile(inCwd("tables/set1.adj"), "x");
  main->show();
  ParaFileDialog* d = open(Kind::Open);
  ASSERT_TRUE(d);
  activate(d);
  EXPECT_EQ(d->Dir1_Path(), cwd);
  EXPECT_EQ(Items(d->File1), (QStringList{"A.ADJ", "b.adj", "c.Adj"}));

  // Into the subdirectory by a double click on its entry.
  QTreeWidgetItem* sub = d->Dir1->currentItem()->child(0);
  ASSERT_TRUE(sub);
  ASSERT_EQ(sub->text(0), QStringLiteral("tables"));
  const QRect r = d->Dir1->visualItemRect(sub);
  QTest::mouseClick(d->Dir1->viewport(), Qt::LeftButton, {}, r.center());
  QTest::mouseDClick(d->Dir1->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(d->Dir1_Path(), inCwd("tables"));
  ASSERT_EQ(Items(d->File1), QStringList{"set1.adj"});

  QTest::mouseClick(d->File1->viewport(), Qt::LeftButton, {}, d->File1->visualItemRect(d->File1->item(0)).center());
  EXPECT_EQ(d->Text1->text(), QStringLiteral("set1.adj"));
  QTest::mouseClick(d->Command_enter, Qt::LeftButton);
  EXPECT_FALSE(loaded(Kind::Open));
  EXPECT_EQ(st.File_path, inCwd("tables/set1.adj"));
  EXPECT_EQ(st.File_load_req, -1);
  EXPECT_EQ(st.Adj_file_requests.loadPath, inCwd("tables/set1.adj"));
  EXPECT_EQ(QDir::currentPath(), cwd);
}

// The current directory is the directory list's current and only selected
// entry when the dialog opens; the keys walk from it: Down to the first
// directory in it, Enter opens that one (whose entry is then current and
// selected), Up and Enter go back.
TEST_F(AdjDialogs, DirectoryListByKeysFromTheCurrentDirectory) {
  QDir(cwd).mkpath(QStringLiteral("tables/old"));
  main->show();
  ParaFileDialog* d = open(Kind::Save);
  ASSERT_TRUE(d);
  activate(d);
  ASSERT_EQ(QApplication::focusWidget(), d->Dir1);
  auto currentPath = [d] { return d->Dir1->currentItem()->data(0, Qt::UserRole).toString(); };
  auto selectedPaths = [d] {
    QStringList out;
    for (const QTreeWidgetItem* item : d->Dir1->selectedItems()) out << item->data(0, Qt::UserRole).toString();
    return out;
  };
  EXPECT_EQ(currentPath(), cwd);
  EXPECT_EQ(selectedPaths(), QStringList{cwd});
  EXPECT_TRUE(d->Dir1->currentItem()->isSelected());

  QTest::keyClick(d->Dir1, Qt::Key_Down);
  EXPECT_EQ(currentPath(), inCwd("tables"));
  QTest::keyClick(d->Dir1, Qt::Key_Return);
  EXPECT_EQ(d->Dir1_Path(), inCwd("tables"));
  EXPECT_EQ(currentPath(), inCwd("tables"));
  EXPECT_EQ(selectedPaths(), QStringList{inCwd("tables")});
  QTest::keyClick(d->Dir1, Qt::Key_Up);
  EXPECT_EQ(currentPath(), cwd);
  QTest::keyClick(d->Dir1, Qt::Key_Return);
  EXPECT_EQ(d->Dir1_Path(), cwd);
  EXPECT_EQ(selectedPaths(), QStringList{cwd});
}

// The directory list has the focus when a dialog opens and comes first in
// the tab order; Tab goes down the dialog, the drive list last.
TEST_F(AdjDialogs, DirectoryListFirstInTheTabOrder) {
  main->show();
  for (Kind k : {Kind::Open, Kind::Save}) {
    SCOPED_TRACE(Name(k));
    ParaFileDialog* d = open(k);
    ASSERT_TRUE(d);
    activate(d);
    EXPECT_EQ(QApplication::focusWidget(), d->Dir1);
    const QWidget* order[] = {d->File1, d->Text1, d->Command_enter, d->Command_close, d->Drive1, d->Dir1};
    for (const QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    main->host().unloadWindow(d);
    settle();
  }
}

// The language switch leaves the dialogs as they are (they take the new
// language at their next load); the exit unloads them with the rest.
TEST_F(AdjDialogs, LanguageSwitchLeavesThemAndExitUnloadsThem) {
  ParaFileDialog* o = open(Kind::Open);
  ParaFileDialog* s = open(Kind::Save);
  o->Text1->setText(QStringLiteral("typed.adj"));
  main->MDImain_Language_chn_Click();
  EXPECT_EQ(loaded(Kind::Open), o);
  EXPECT_EQ(loaded(Kind::Save), s);
  EXPECT_EQ(o->windowTitle(), QStringLiteral("Open Adjust File"));
  EXPECT_EQ(o->Text1->text(), QStringLiteral("typed.adj"));
  main->host().unloadWindow(s);
  settle();
  EXPECT_EQ(open(Kind::Save)->windowTitle(), QStringLiteral("保存调整参数文件"));

  main->MDImain_File_exit_Click();
  EXPECT_FALSE(loaded(Kind::Open));
  EXPECT_FALSE(loaded(Kind::Save));
}

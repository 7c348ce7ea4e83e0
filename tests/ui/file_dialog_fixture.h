#pragma once
// What the tests of the file dialogs share: a fresh program whose current
// directory is a temporary directory for the test's duration, the dialogs of
// both formats opened as the program opens them, and helpers for files and
// the dialogs' lists.
#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "app_fixture.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "image/ui/para_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

enum class Kind { Open, Save };
// The parameter-file (.dat) dialogs or the alignment-file (.adj) dialogs.
enum class Format { Dat, Adj };

inline const char* Name(Kind k) { return k == Kind::Open ? "open" : "save"; }
inline const char* Name(Format f) { return f == Format::Dat ? "dat" : "adj"; }

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline QStringList Items(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

inline QStringList Children(const QTreeWidgetItem* item) {
  QStringList out;
  for (int i = 0; i < item->childCount(); ++i) out << item->child(i)->text(0);
  return out;
}

class FileDialogFixture : public AppFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    oldCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    cwd = QDir::currentPath();
    start();
  }
  void TearDown() override { QDir::setCurrent(oldCwd); }

  // Opens a dialog as the program does: a parameter-file dialog from the File
  // menu; an alignment-file dialog as the alignment window's Open and Save
  // buttons do (loaded when not loaded, shown and brought forward).
  ParaFileDialog* open(Format f, Kind k) {
    if (f == Format::Adj) {
      if (k == Kind::Open) return main->host().openAndShow<Form_open_adj>();
      return main->host().openAndShow<Form_save_adj>();
    }
    if (k == Kind::Open)
      main->MDImain_File_Open_Click();
    else
      main->MDImain_File_save_Click();
    return loaded(f, k);
  }
  ParaFileDialog* loaded(Format f, Kind k) const {
    if (f == Format::Adj) {
      if (k == Kind::Open) return main->host().find<Form_open_adj>();
      return main->host().find<Form_save_adj>();
    }
    if (k == Kind::Open) return main->host().find<Form_open_chann>();
    return main->host().find<Form_save_chann>();
  }
  // The same for the format the test is about.
  ParaFileDialog* open(Kind k) { return open(format, k); }
  ParaFileDialog* loaded(Kind k) const { return loaded(format, k); }

  static void confirm(ParaFileDialog* d, const QString& name) {
    d->Text1->setText(name);
    d->Command_enter->click();
  }
  QString inCwd(const QString& name) const { return cwd + u'/' + name; }

  Format format = Format::Dat;  // what open(Kind) and loaded(Kind) open and find
  QTemporaryDir tmp;
  QString oldCwd, cwd;
};

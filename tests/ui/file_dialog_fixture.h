#pragma once
// What the tests of the file dialogs share: a fresh program whose current
// directory is a temporary directory for the test's duration, and helpers
// for files and the dialogs' lists.
#include "app_fixture.h"
#include "image/ui/para_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

enum class Kind { Open, Save };

inline const char* Name(Kind k) { return k == Kind::Open ? "open" : "save"; }

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

  static void confirm(ParaFileDialog* d, const QString& name) {
    d->Text1->setText(name);
    d->Command_enter->click();
  }
  QString inCwd(const QString& name) const { return cwd + u'/' + name; }

  QTemporaryDir tmp;
  QString oldCwd, cwd;
};

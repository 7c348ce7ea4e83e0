// The production locator looks for the programs on the PATH; nothing is started.
#include "platform/qt_system_info.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class PathOverride {
 public:
  explicit PathOverride(const QString& path) : old_(qgetenv("PATH")) { qputenv("PATH", path.toLocal8Bit()); }
  ~PathOverride() { qputenv("PATH", old_); }

 private:
  QByteArray old_;
};

void MakeProgram(const QString& dir, const QString& name) {
  QFile f(QDir(dir).filePath(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\nexit 0\n");
  f.close();
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

TEST(SystemInfoTool, FindsTheFirstCandidateOnThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  PathOverride path(dir.path());
  QtSystemInfoTool tool;
  EXPECT_EQ(tool.locate(), QString());
  MakeProgram(dir.path(), QStringLiteral("kinfocenter"));
  EXPECT_EQ(tool.locate(), QDir(dir.path()).filePath(QStringLiteral("kinfocenter")));
  MakeProgram(dir.path(), QStringLiteral("hardinfo"));
  EXPECT_EQ(tool.locate(), QDir(dir.path()).filePath(QStringLiteral("hardinfo")));
}

TEST(SystemInfoTool, EmptyPathDoesNotStart) {
  QtSystemInfoTool tool;
  EXPECT_FALSE(tool.launch(QString()));
}

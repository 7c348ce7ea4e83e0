#include "platform/qt_system_info.h"

#include <QProcess>
#include <QStandardPaths>

QStringList QtSystemInfoTool::Candidates() {
#ifdef Q_OS_WIN
  return {QStringLiteral("msinfo32")};
#else
  return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
          QStringLiteral("lshw-gtk")};
#endif
}

QString QtSystemInfoTool::locate() {
  for (const QString& name : Candidates()) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return QString();
}

bool QtSystemInfoTool::launch(const QString& path) {
  if (path.isEmpty()) return false;
  return QProcess::startDetached(path, {});
}

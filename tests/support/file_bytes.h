#pragma once
// A file's bytes, written and read whole, for the tests of the file formats.
#include <QByteArray>
#include <QFile>
#include <QString>

// True when the file now holds exactly `bytes`.
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

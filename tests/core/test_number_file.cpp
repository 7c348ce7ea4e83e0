// What the two number files (.dat and .adj) share, checked on both formats
// alike, one table over both: the characters no file name may hold, the
// marks editors add around the text, a save that the system refuses only
// when the file's buffer is flushed, and the message for a folder that is not
// writable. Each format keeps its own messages.
#include "alignment/adj_file.h"
#include "image/number_file.h"
#include "image/para_file.h"
#include "support/adj_factory.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/image_diff.h"
#include "support/without_root_rights.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A format as the program uses it: the text it writes, its reader, its save
// and its messages.
struct FileFormat {
  const char* name;
  const char* suffix;
  QByteArray written;  // the text of a known content
  // Reads a text: empty when it was taken with exactly the known content,
  // else the user's message.
  std::function<QString(QByteArrayView)> read;
  std::function<bool(const QString& path, NumberSaveFailure*)> save;
  std::function<QString(const NumberSaveFailure&, bool chinese)> saveMessage;
  QString loadHeadline, saveHeadline;
  NumberFileSuffixes suffixes;  // the ones its name check takes
};

std::vector<FileFormat> Formats() {
  const img::Image image = RandomImage(21);
  const adj::Table table = AdjFactoryTable();
  return {
      {"dat", ".dat", Para_file_text(image),
       [image](QByteArrayView text) {
         img::Image got = RandomImage(22);
         const ParaFileResult r = Para_file_read(text, got);
         if (!r.ok()) return Para_file_error_text(r, false);
         for (int row = 0; row <= img::kFileLastRow; ++row)
           for (int c = 0; c < img::kCols; ++c)
             if (got(row, c) != image(row, c)) return QStringLiteral("taken with other values");
         return QString();
       },
       [image](const QString& path, NumberSaveFailure* why) { return Para_file_save(path, image, why); },
       [](const NumberSaveFailure& why, bool zh) { return Para_file_save_error_text(why, zh); },
       QStringLiteral("The parameter file could not be read."),
       QStringLiteral("The parameter file could not be saved."), kParaFileSuffixes},
      {"adj", ".adj", adj::Adj_file_text(table, true),
       [table](QByteArrayView text) {
         adj::AdjFileData got;
         const adj::AdjFileResult r = adj::Adj_file_read(text, got);
         if (!r.ok()) return adj::Adj_file_error_text(r, false);
         if (!got.bandChecked) return QStringLiteral("taken with the other band");
         for (std::size_t row = 0; row < 16; ++row)
           for (std::size_t c = 0; c < 16; ++c)
             if (got.rows[row][c] != table[row][c]) return QStringLiteral("taken with other values");
         return QString();
       },
       [table](const QString& path, NumberSaveFailure* why) { return adj::Adj_file_save(path, table, true, why); },
       [](const NumberSaveFailure& why, bool zh) { return adj::Adj_file_save_error_text(why, zh); },
       QStringLiteral("The adjust parameter file could not be read."),
       QStringLiteral("The adjust parameter file could not be saved."), adj::kAdjFileSuffixes},
  };
}

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kEof = "\x1A";

}  // namespace

// A name the user typed: the characters neither file's name may have are
// refused, wherever they stand, before the suffix is looked at; each format
// then takes only its own suffix, in lower or in upper case.
TEST(NumberFile, NamesInBothFormats) {
  for (const FileFormat& f : Formats()) {
    SCOPED_TRACE(f.name);
    const QString suffix = QString::fromLatin1(f.suffix);
    for (const char* refused : {"*", "$", "\\", "/", "#"}) {
      const QString c = QString::fromLatin1(refused);
      for (const QString& name : {c + suffix, "a" + c + "b" + suffix, "name" + suffix + c, c})
        EXPECT_EQ(Number_file_name_check(name, f.suffixes), NumberFileNameCheck::InvalidChar) << name.toStdString();
    }
    EXPECT_EQ(Number_file_name_check("radio" + suffix, f.suffixes), NumberFileNameCheck::Ok);
    EXPECT_EQ(Number_file_name_check("radio 1-2_(3)" + suffix.toUpper(), f.suffixes), NumberFileNameCheck::Ok);
    EXPECT_EQ(Number_file_name_check("radio" + suffix.left(2) + suffix.mid(2).toUpper(), f.suffixes),
              NumberFileNameCheck::WrongSuffix);
    EXPECT_EQ(Number_file_name_check(QStringLiteral("radio.txt"), f.suffixes), NumberFileNameCheck::WrongSuffix);
    EXPECT_EQ(Number_file_name_check(QString(), f.suffixes), NumberFileNameCheck::WrongSuffix);
  }
  EXPECT_EQ(Number_file_name_check(QStringLiteral("radio.adj"), kParaFileSuffixes), NumberFileNameCheck::WrongSuffix);
  EXPECT_EQ(Number_file_name_check(QStringLiteral("radio.dat"), adj::kAdjFileSuffixes),
            NumberFileNameCheck::WrongSuffix);
}

// A UTF-8 byte-order mark before the text and a DOS end-of-file mark after it
// are no part of either file; anywhere else they are text and refused with
// the format's message, naming the line.
TEST(NumberFile, MarksAroundTheTextInBothFormats) {
  struct Case {
    const char* name;
    std::function<QByteArray(const QByteArray& written)> text;
    const char* refusedAt;  // nullptr: taken; else the message's detail starts so
  } cases[] = {
      {"as written", [](const QByteArray& w) { return w; }, nullptr},
      {"byte-order mark", [](const QByteArray& w) { return kBom + w; }, nullptr},
      {"end-of-file mark", [](const QByteArray& w) { return w + kEof; }, nullptr},
      {"end-of-file mark padded", [](const QByteArray& w) { return w + kEof + kEof + "\r\n \x1A\t"; }, nullptr},
      {"end-of-file mark right after the last number", [](const QByteArray& w) { return w.chopped(3) + kEof; },
       nullptr},
      {"both marks, LF lines", [](const QByteArray& w) { return kBom + QByteArray(w).replace("\r\n", "\n") + kEof; },
       nullptr},
      {"byte-order mark after a blank", [](const QByteArray& w) { return " " + kBom + w; }, "Line 1: "},
      {"byte-order mark twice", [](const QByteArray& w) { return kBom + kBom + w; }, "Line 1: "},
      {"end-of-file mark before the text", [](const QByteArray& w) { return kEof + w; }, "Line 1: "},
      {"end-of-file mark on line 2 of the numbers",
       [](const QByteArray& w) { return w.first(w.indexOf('\n') + 1) + kEof; }, "The file holds only "},
  };
  for (const FileFormat& f : Formats()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(f.name) + ": " + c.name);
      const QString message = f.read(c.text(f.written));
      if (!c.refusedAt) {
        EXPECT_EQ(message, QString());
        continue;
      }
      EXPECT_EQ(message.section(u'\n', 0, 0), f.loadHeadline);
      EXPECT_TRUE(message.section(u'\n', 1).startsWith(QString::fromLatin1(c.refusedAt))) << message.toStdString();
    }
  }
}

// The text fits the file's write buffer, so the system refuses it only when
// the buffer is flushed (a full disk; here a file-size limit, which takes the
// first bytes and then no more): the save fails, saying that only a part
// could be written. A file that may not grow at all is refused at the first
// byte, with the system's reason. Either way the old file keeps its bytes and
// no temporary file is left.
TEST(NumberFile, SaveRefusedBySystemKeepsTheOldFile) {
  const QString cutShort =
      QStringLiteral("Only a part of the file could be written (the disk may be full); nothing was changed.");
  struct Target {
    const char* name;
    std::function<bool(const QString& path, NumberSaveFailure*)> save;
    std::function<QString(const NumberSaveFailure&, bool chinese)> message;
    QString headline;
  };
  std::vector<Target> targets;
  for (const FileFormat& f : Formats()) targets.push_back({f.name, f.save, f.saveMessage, f.saveHeadline});
  constexpr Text kHeadline{"Not saved.", "未保存。"};
  targets.push_back(
      {"a short text",
       [](const QString& path, NumberSaveFailure* why) {
         return Number_file_save(path, QByteArray(" 1 ").repeated(100), why);
       },
       [&](const NumberSaveFailure& why, bool zh) { return Number_file_save_error_text(kHeadline, why, zh); },
       QStringLiteral("Not saved.")});
  for (const rlim_t limitBytes : {rlim_t{64}, rlim_t{0}}) {
    for (const Target& t : targets) {
      SCOPED_TRACE(std::string(t.name) + ", limit " + std::to_string(limitBytes));
      QTemporaryDir dir;
      ASSERT_TRUE(dir.isValid());
      const QString path = dir.filePath(QStringLiteral("old.txt"));
      ASSERT_TRUE(WriteBytes(path, "old contents"));
      NumberSaveFailure why;
      bool saved = true;
      {
        FileSizeLimit limit(limitBytes);
        ASSERT_TRUE(limit.ok());
        saved = t.save(path, &why);
      }
      EXPECT_FALSE(saved);
      EXPECT_FALSE(why.folderNotWritable);
      EXPECT_EQ(why.cutShort, limitBytes > 0);
      if (why.cutShort) {
        EXPECT_EQ(t.message(why, false), t.headline + u'\n' + cutShort);
        EXPECT_TRUE(
            t.message(why, true).endsWith(QStringLiteral("\n文件只写入了一部分（磁盘可能已满），未作任何改动。")));
      } else {
        EXPECT_NE(why.reason, QFile().errorString());  // the system said why
        EXPECT_EQ(t.message(why, false), t.headline + u'\n' + why.reason);
      }
      EXPECT_EQ(ReadBytes(path), QByteArray("old contents"));
      EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.txt")});
    }
  }
}

// A writable file in a folder that the user may not write: the temporary file
// cannot be made; each format's message names the folder, and the old file
// stays.
TEST(NumberFile, WriteProtectedFolderIsNamedByBothFormats) {
  const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup |
                   QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
  const auto readOnly =
      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  for (const FileFormat& f : Formats()) {
    SCOPED_TRACE(f.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all));
    const QString folder = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString name = QStringLiteral("radio") + QString::fromLatin1(f.suffix);
    const QString path = folder + u'/' + name;
    ASSERT_TRUE(WriteBytes(path, "old contents"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
    NumberSaveFailure why;
    bool saved = true;
    {
      WithoutRootRights user;
      if (!user.ok()) GTEST_SKIP() << "cannot drop root's rights here";
      ASSERT_TRUE(QFileInfo(path).isWritable());
      saved = f.save(path, &why);
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(why.folderNotWritable);
    EXPECT_EQ(
        f.saveMessage(why, false),
        f.saveHeadline + QStringLiteral("\nThe folder \"%1\" is not writable; nothing in it was changed.").arg(folder));
    EXPECT_TRUE(
        f.saveMessage(why, true).endsWith(QStringLiteral("\n文件夹“%1”不可写入，其中的文件均未改动。").arg(folder)));
    EXPECT_EQ(ReadBytes(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    QFile::setPermissions(folder, all);
  }
}

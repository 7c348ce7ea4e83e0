#include "image/para_file.h"
#include "support/image_diff.h"
#include "support/without_root_rights.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The values of rows 0..480 joined by `sep`, with `lineEnd` after every `perLine` values.
QByteArray Layout(const img::Image& im, const char* sep, const char* lineEnd, int perLine) {
  QByteArray out;
  for (int k = 0; k < kParaFileValues; ++k) {
    out += QByteArray::number(im(k / 16, k % 16));
    out += ((k + 1) % perLine == 0) ? lineEnd : sep;
  }
  return out;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(ParaFile, TextOfTheStartUpImageIsExact) {
  img::Image im;
  im.clear(img::kEmpty);
  QByteArray line;
  for (int c = 0; c < 16; ++c) line += " 255 ";
  line += "\r\n";
  EXPECT_EQ(Para_file_text(im), line.repeated(481));
}

TEST(ParaFile, TextLinesOfAKnownImage) {
  img::Image im;
  for (int r = 0; r < img::kRows; ++r)
    for (int c = 0; c < img::kCols; ++c) im(r, c) = static_cast<std::int16_t>((r * 16 + c) % 256);
  const QByteArray text = Para_file_text(im);
  const QList<QByteArray> lines = text.split('\n');
  ASSERT_EQ(lines.size(), 482);  // 481 lines, each ending in CR LF, nothing after the last
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_EQ(lines[0], " 0  1  2  3  4  5  6  7  8  9  10  11  12  13  14  15 \r");
  EXPECT_EQ(lines[6], " 96  97  98  99  100  101  102  103  104  105  106  107  108  109  110  111 \r");
  EXPECT_EQ(lines[15], " 240  241  242  243  244  245  246  247  248  249  250  251  252  253  254  255 \r");
  EXPECT_EQ(lines[480], lines[0]);  // row 480 holds addresses 0x1E00.. = 0..15 mod 256
  EXPECT_EQ(text.count("\r\n"), 481);
  EXPECT_EQ(text.count('\r'), 481);
}

TEST(ParaFile, SaveAndLoadRoundTripRowsZeroTo480Only) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("radio.dat"));
  const img::Image saved = RandomImage(1);
  ASSERT_TRUE(Para_file_save(path, saved));
  EXPECT_EQ(ReadFile(path), Para_file_text(saved));

  img::Image loaded = RandomImage(2);
  const img::Image before = loaded;
  const ParaFileResult r = Para_file_load(path, loaded);
  ASSERT_TRUE(r.ok());
  for (int row = 0; row < img::kRows; ++row)
    for (int c = 0; c < img::kCols; ++c) {
      const auto expected = row <= img::kFileLastRow ? saved(row, c) : before(row, c);
      ASSERT_EQ(loaded(row, c), expected) << row << "," << c;
    }
}

TEST(ParaFile, SaveReplacesAnExistingFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.dat"));
  WriteFile(path, QByteArray(100000, 'x'));
  const img::Image im = RandomImage(3);
  ASSERT_TRUE(Para_file_save(path, im));
  EXPECT_EQ(ReadFile(path), Para_file_text(im));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.dat")});
}

// Hand-made layouts hold the same values: they load to the same image.
TEST(ParaFile, OtherLayoutsLoadTheSame) {
  const img::Image src = RandomImage(4);
  const QByteArray ragged = [&] {  // 7 values on odd lines, 9 on even ones, mixed separators
    QByteArray out;
    for (int k = 0, onLine = 0, lineNo = 0; k < kParaFileValues; ++k) {
      out += "  " + QByteArray::number(src(k / 16, k % 16));
      if (++onLine == (lineNo % 2 ? 7 : 9)) {
        out += lineNo % 3 ? "\n" : "\r\n";
        onLine = 0;
        ++lineNo;
      } else {
        out += (k % 5 == 0) ? " , " : "\t";
      }
    }
    return out;
  }();
  const QByteArray leadingZeros = [&] {
    QByteArray out;
    for (int k = 0; k < kParaFileValues; ++k)
      out += QByteArray::number(src(k / 16, k % 16)).rightJustified(3, '0') + ' ';
    return out;
  }();
  struct Case {
    const char* name;
    QByteArray text;
  } cases[] = {
      {"as written", Para_file_text(src)},
      {"one line", Layout(src, " ", "", kParaFileValues)},
      {"commas", Layout(src, ",", "\r\n", 16)},
      {"commas, one line", Layout(src, ",", "", kParaFileValues)},
      {"comma and blanks", Layout(src, " ,  ", "\r\n", 16)},
      {"LF only", Layout(src, " ", "\n", 16)},
      {"CR only", Layout(src, " ", "\r", 16)},
      {"tabs", Layout(src, "\t", "\t\r\n", 16)},
      {"one value per line", Layout(src, "", "\r\n", 1)},
      {"blank lines and trailing blanks", "\r\n\r\n  " + Layout(src, "  ", " \r\n\r\n", 16) + "\t \n\n"},
      {"ragged lines", ragged},
      {"leading zeros", leadingZeros},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + Para_file_text(src)},
      {"DOS end-of-file mark", Para_file_text(src) + "\x1A"},
      {"end-of-file mark right after the last value", Layout(src, " ", "\r\n", 16).chopped(2) + "\x1A"},
      {"end-of-file mark padded", Para_file_text(src) + "\x1A\x1A\x1A\r\n \x1A"},
      {"byte-order mark and end-of-file mark", "\xEF\xBB\xBF" + Layout(src, ",", "\n", 16) + "\x1A"},
  };
  for (const Case& c : cases) {
    img::Image im = RandomImage(5);
    const ParaFileResult r = Para_file_read(c.text, im);
    EXPECT_TRUE(r.ok()) << c.name << ": error " << static_cast<int>(r.error) << " line " << r.line;
    for (int row = 0; row <= img::kFileLastRow; ++row)
      for (int col = 0; col < img::kCols; ++col) ASSERT_EQ(im(row, col), src(row, col)) << c.name;
  }
}

// Each kind of bad file leaves the whole image as it was.
TEST(ParaFile, BadTextsChangeNothing) {
  const img::Image src = RandomImage(6);
  const QByteArray good = Para_file_text(src);
  auto withLine = [&](int line, const QByteArray& text) {  // replaces 0-based line `line`
    QList<QByteArray> lines = good.split('\n');
    lines[line] = text;
    return lines.join('\n');
  };
  auto firstLines = [&](int n) { return good.first(good.split('\n').mid(0, n).join('\n').size() + 1); };
  const QByteArray allButLast = Layout(src, " ", "\r\n", 16).chopped(QByteArray::number(src(480, 15)).size() + 2);
  struct Case {
    const char* name;
    QByteArray text;
    NumberFileError error;
    int line;
    QByteArray field;
  } cases[] = {
      {"empty", "", NumberFileError::TooFew, 0, ""},
      {"only blanks", " \r\n\t\r\n", NumberFileError::TooFew, 0, ""},
      {"one value short", allButLast, NumberFileError::TooFew, 0, ""},
      {"rows 0..479 only", firstLines(480), NumberFileError::TooFew, 0, ""},
      {"letter", withLine(2, " 1  2  3  x4  5 \r"), NumberFileError::NotANumber, 3, "x4"},
      {"fraction", withLine(0, " 1.5 \r"), NumberFileError::NotANumber, 1, "1.5"},
      {"negative", withLine(9, " -1 \r"), NumberFileError::NotANumber, 10, "-1"},
      {"plus sign", withLine(9, " +1 \r"), NumberFileError::NotANumber, 10, "+1"},
      {"hexadecimal", withLine(9, " 0x1F \r"), NumberFileError::NotANumber, 10, "0x1F"},
      {"NUL byte", withLine(4, QByteArray(" 12\0003 \r", 7)), NumberFileError::NotANumber, 5, QByteArray("12\0003", 4)},
      {"non-ASCII", withLine(4, " 12\xC2\xA0 \r"), NumberFileError::NotANumber, 5, "12\xC2\xA0"},
      {"256", withLine(480, " 256 \r"), NumberFileError::OutOfRange, 481, "256"},
      {"huge", withLine(0, " 99999999999999999999999 \r"), NumberFileError::OutOfRange, 1, "99999999999999999999999"},
      {"two commas", withLine(1, " 1 ,, 2 \r"), NumberFileError::EmptyField, 2, ""},
      {"comma blank comma", withLine(1, " 1 , , 2 \r"), NumberFileError::EmptyField, 2, ""},
      {"comma at line end", withLine(7, " 1, \r"), NumberFileError::EmptyField, 8, ""},
      {"leading comma", "," + good, NumberFileError::EmptyField, 1, ""},
      {"comma after the last value", good.chopped(2) + ",\r\n", NumberFileError::EmptyField, 481, ""},
      {"comma on a line of its own", good + ",", NumberFileError::EmptyField, 482, ""},
      {"one value more", good + " 7 \r\n", NumberFileError::TooMany, 482, "7"},
      {"text after the values", good + "end", NumberFileError::TooMany, 482, "end"},
      {"text after an end-of-file mark",
       good + "\x1A"
              "end",
       NumberFileError::TooMany, 482,
       "\x1A"
       "end"},
      {"end-of-file mark before a value", withLine(480, " \x1A 7 \r"), NumberFileError::NotANumber, 481, "\x1A"},
      {"byte-order mark not at the start", " \xEF\xBB\xBF" + good, NumberFileError::NotANumber, 1, "\xEF\xBB\xBF"},
      {"byte-order mark twice", "\xEF\xBB\xBF\xEF\xBB\xBF" + good, NumberFileError::NotANumber, 1, "\xEF\xBB\xBF"},
      {"end-of-file mark too early", firstLines(480) + "\x1A", NumberFileError::TooFew, 0, ""},
  };
  for (const Case& c : cases) {
    img::Image im = RandomImage(7);
    const img::Image before = im;
    const ParaFileResult r = Para_file_read(c.text, im);
    EXPECT_EQ(r.error, c.error) << c.name;
    EXPECT_EQ(r.line, c.line) << c.name;
    EXPECT_EQ(r.field, c.field) << c.name;
    EXPECT_TRUE(im == before) << c.name;
  }
}

TEST(ParaFile, TooFewValuesCountsWhatIsThere) {
  img::Image im;
  const ParaFileResult r = Para_file_read(" 1  2  3 \r\n", im);
  EXPECT_EQ(r.error, NumberFileError::TooFew);
  EXPECT_EQ(r.numbers, 3);
  EXPECT_EQ(Para_file_error_text(r, false),
            QStringLiteral("The parameter file could not be read.\nThe file holds only 3 of the 7696 values."));
  EXPECT_EQ(Para_file_error_text(r, true), QStringLiteral("参数文件读取失败 ！\n文件只有 3 个数值，应有 7696 个。"));
}

TEST(ParaFile, MessageNamesTheLineAndShowsTheFieldSafely) {
  img::Image im;
  const QByteArray good = Para_file_text(im);
  const ParaFileResult r = Para_file_read(good.first(good.indexOf('\n') + 1) +
                                              " 1\x01"
                                              "2 \r\n" +
                                              good,
                                          im);
  EXPECT_EQ(
      Para_file_error_text(r, false),
      QStringLiteral("The parameter file could not be read.\nLine 2: \"1?2\" is not a whole number from 0 to 255."));
  EXPECT_EQ(Para_file_error_text(r, true), QStringLiteral("参数文件读取失败 ！\n第 2 行：“1?2”不是 0 至 255 的整数。"));
  const ParaFileResult longField = Para_file_read(QByteArray(100, '9'), im);
  EXPECT_EQ(longField.field, QByteArray(24, '9'));
}

TEST(ParaFile, TextAfterTheLastValueIsNamedWithItsLine) {
  img::Image im;
  const QByteArray good = Para_file_text(im);
  const ParaFileResult r = Para_file_read(good + "\r\n  ; saved 2024\r\n", im);
  EXPECT_EQ(r.error, NumberFileError::TooMany);
  EXPECT_EQ(
      Para_file_error_text(r, false),
      QStringLiteral("The parameter file could not be read.\nLine 483: \";\" follows the last of the 7696 values."));
  EXPECT_EQ(Para_file_error_text(r, true),
            QStringLiteral("参数文件读取失败 ！\n第 483 行：第 7696 个数值之后还有“;”。"));
}

TEST(ParaFile, LoadOfAMissingOrUnreadablePathChangesNothing) {
  QTemporaryDir dir;
  img::Image im = RandomImage(8);
  const img::Image before = im;
  EXPECT_EQ(Para_file_load(dir.filePath(QStringLiteral("none.dat")), im).error, NumberFileError::Missing);
  QDir(dir.path()).mkdir(QStringLiteral("folder.dat"));
  EXPECT_EQ(Para_file_load(dir.filePath(QStringLiteral("folder.dat")), im).error, NumberFileError::CannotOpen);
  const QString big = dir.filePath(QStringLiteral("big.dat"));
  WriteFile(big, QByteArray(kParaFileMaxBytes + 1, ' '));
  EXPECT_EQ(Para_file_load(big, im).error, NumberFileError::TooLarge);
  const QString bad = dir.filePath(QStringLiteral("bad.dat"));
  WriteFile(bad, " 1  2  3 \r\n");
  EXPECT_EQ(Para_file_load(bad, im).error, NumberFileError::TooFew);
  EXPECT_TRUE(im == before);
  EXPECT_EQ(Para_file_error_text(Para_file_load(dir.filePath(QStringLiteral("none.dat")), im), false),
            QStringLiteral("The parameter file could not be read.\nThe file does not exist."));
}

TEST(ParaFile, FailedSaveKeepsTheOldFile) {
  QTemporaryDir dir;
  // The file system takes this name, but not the longer name of a temporary file beside it.
  const QString path = dir.filePath(QString(251, u'a') + QStringLiteral(".dat"));
  WriteFile(path, "old contents");
  ParaSaveFailure why;
  EXPECT_FALSE(Para_file_save(path, RandomImage(9), &why));
  EXPECT_FALSE(why.reason.isEmpty());
  EXPECT_EQ(ReadFile(path), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
  // A folder that does not exist.
  EXPECT_FALSE(Para_file_save(dir.filePath(QStringLiteral("no/such/folder/x.dat")), RandomImage(9)));
}

// A writable file in a folder that the user may not write: the temporary file
// cannot be made, the message names the folder, and the old file stays.
TEST(ParaFile, SaveIntoAWriteProtectedFolderSaysSoAndKeepsTheFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup |
                   QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
  const auto readOnly =
      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(dir.path(), all));
  const QString folder = dir.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
  const QString path = folder + QStringLiteral("/radio.dat");
  WriteFile(path, "old contents");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                              QFile::ReadOther | QFile::WriteOther));
  ASSERT_TRUE(QFile::setPermissions(folder, readOnly));

  ParaSaveFailure failure;
  bool saved = true;
  {
    WithoutRootRights user;
    if (!user.ok()) GTEST_SKIP() << "cannot drop root's rights here";
    ASSERT_TRUE(QFileInfo(path).isWritable());
    saved = Para_file_save(path, RandomImage(10), &failure);
  }
  EXPECT_FALSE(saved);
  EXPECT_TRUE(failure.folderNotWritable);
  EXPECT_EQ(Para_file_save_error_text(failure, false),
            QStringLiteral("The parameter file could not be saved.\nThe folder \"%1\" is not writable; nothing in it "
                           "was changed.")
                .arg(folder));
  EXPECT_EQ(Para_file_save_error_text(failure, true),
            QStringLiteral("参数文件保存失败 ！\n文件夹“%1”不可写入，其中的文件均未改动。").arg(folder));
  EXPECT_EQ(ReadFile(path), QByteArray("old contents"));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("radio.dat")});
  QFile::setPermissions(folder, all);
}

// Other failures keep the platform's reason.
TEST(ParaFile, OtherSaveFailuresGiveThePlatformsReason) {
  QTemporaryDir dir;
  ParaSaveFailure failure;
  EXPECT_FALSE(Para_file_save(dir.filePath(QStringLiteral("no/such/folder/x.dat")), RandomImage(11), &failure));
  EXPECT_FALSE(failure.folderNotWritable);
  EXPECT_FALSE(failure.reason.isEmpty());
  EXPECT_EQ(Para_file_save_error_text(failure, false),
            QStringLiteral("The parameter file could not be saved.\n") + failure.reason);
}

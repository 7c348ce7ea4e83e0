// The .adj file: the text as written, the all-or-nothing reader, the save
// through a temporary file, the dialogs' name check and the request record.
#include "alignment/adj_file.h"
#include "alignment/adj_view.h"
#include "support/adj_factory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace {

using namespace adj;

// Every value differs from its neighbours, so a shifted or misplaced value shows.
Table Pattern() {
  Table t{};
  for (std::size_t r = 0; r < 20; ++r)
    for (std::size_t c = 0; c < 16; ++c) t[r][c] = static_cast<Cell>((r * 16 + c) * 7 % 256);
  return t;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The numbers of a text joined by `sep`, for the reader's other layouts.
QByteArray Joined(bool band, const Table& t, const char* sep, const char* eol) {
  QByteArray out = band ? "1" : "0";
  out += eol;
  for (std::size_t r = 0; r < 16; ++r) {
    for (std::size_t c = 0; c < 16; ++c) {
      out += QByteArray::number(t[r][c]);
      out += (c == 15) ? eol : sep;
    }
  }
  return out;
}

TEST(AdjFile, FactoryTableAsWritten) {
  const Table t = AdjFactoryTable();
  const QByteArray text = Adj_file_text(t, false);
  const QList<QByteArray> lines = text.split('\n');
  ASSERT_EQ(lines.size(), 18);  // 17 lines, each ending in CR LF
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_EQ(lines[0], QByteArray(" 0 \r"));
  for (int r = 0; r < 16; ++r) {
    QByteArray expected;
    for (int c = 0; c < 16; ++c)
      expected += ' ' + QByteArray::number(t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) + ' ';
    EXPECT_EQ(lines[r + 1], expected + '\r') << "row " << r;
  }
  EXPECT_TRUE(Adj_file_text(t, true).startsWith(" 1 \r\n"));
  Table zeros{};
  const QByteArray zeroText = Adj_file_text(zeros, false);
  EXPECT_EQ(zeroText.split('\n')[1], QByteArray(" 0 ").repeated(16) + '\r');
  EXPECT_EQ(zeroText.size(), 5 + 16 * (16 * 3 + 2));
}

struct LayoutCase {
  const char* name;
  const char* sep;
  const char* eol;
};
class AdjFileLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(AdjFileLayouts, ReadLikeTheWrittenLayout) {
  const Table t = Pattern();
  AdjFileData d;
  ASSERT_TRUE(Adj_file_read(Joined(true, t, GetParam().sep, GetParam().eol), d).ok());
  EXPECT_TRUE(d.bandChecked);
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) EXPECT_EQ(d.rows[r][c], t[r][c]) << r << "," << c;
}

INSTANTIATE_TEST_SUITE_P(Layouts, AdjFileLayouts,
                         ::testing::Values(LayoutCase{"AsWritten", "  ", "\r\n"}, LayoutCase{"Commas", ",", ",\r\n"},
                                           LayoutCase{"CommasOneLine", ",", ","}, LayoutCase{"SpacesOneLine", " ", " "},
                                           LayoutCase{"TabsAndLf", "\t", "\n"},
                                           LayoutCase{"CommaWithSpaces", " , ", "\n"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(AdjFile, NumbersAfterThe257thAreIgnored) {
  AdjFileData d;
  EXPECT_TRUE(Adj_file_read(Adj_file_text(Pattern(), false) + " 9  x  -1 ,, \r\n", d).ok());
  EXPECT_EQ(d.rows[15][15], Pattern()[15][15]);
}

struct BadCase {
  const char* name;
  QByteArray text;
  NumberFileError error;
  const char* detail;  // the message's line after the headline
};
class AdjFileBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(AdjFileBad, RefusedAndNothingHandedOn) {
  AdjFileData d;
  d.bandChecked = true;
  d.rows[3][4] = 99;
  const AdjFileResult r = Adj_file_read(GetParam().text, d);
  EXPECT_EQ(r.error, GetParam().error);
  EXPECT_TRUE(d.bandChecked);
  EXPECT_EQ(d.rows[3][4], 99);
  EXPECT_EQ(d.rows[0][0], 0);
  EXPECT_EQ(Adj_file_error_text(r, false),
            QStringLiteral("The adjust parameter file could not be read.\n") + QString::fromUtf8(GetParam().detail));
}

QByteArray WithField(int n, const QByteArray& field) {
  // The written text of the pattern with number n (0: the band line) replaced.
  QList<QByteArray> nums = Joined(false, Pattern(), " ", " ").split(' ');
  nums[n] = field;
  return nums.join(' ');
}

// An empty field is no number, and a band choice out of range is named as
// such: each in the message, as the module reports them apart.
INSTANTIATE_TEST_SUITE_P(
    Bad, AdjFileBad,
    ::testing::Values(
        BadCase{"Empty", QByteArray(), NumberFileError::TooFew, "The file holds only 0 of the 257 numbers."},
        BadCase{"TwoHundredNumbers", QByteArray(" 1 ").repeated(200), NumberFileError::TooFew,
                "The file holds only 200 of the 257 numbers."},
        BadCase{"TrailingCommaShort", QByteArray("1,").repeated(100), NumberFileError::TooFew,
                "The file holds only 100 of the 257 numbers."},
        BadCase{"LetterInNumber", WithField(20, "1x"), NumberFileError::NotANumber,
                "Line 1: \"1x\" is not a whole number."},
        BadCase{"Decimal", WithField(5, "1.5"), NumberFileError::NotANumber, "Line 1: \"1.5\" is not a whole number."},
        BadCase{"EmptyBetweenCommas", "0,1,,2", NumberFileError::EmptyField, "Line 1: \"\" is not a whole number."},
        BadCase{"LeadingComma", ",0", NumberFileError::EmptyField, "Line 1: \"\" is not a whole number."},
        BadCase{"Above255", WithField(30, "300"), NumberFileError::OutOfRange,
                "Line 1: \"300\" is not a whole number from 0 to 255."},
        BadCase{"Negative", WithField(256, "-1"), NumberFileError::OutOfRange,
                "Line 1: \"-1\" is not a whole number from 0 to 255."},
        BadCase{"Huge", WithField(1, "99999999999999999999"), NumberFileError::OutOfRange,
                "Line 1: \"99999999999999999999\" is not a whole number from 0 to 255."},
        BadCase{"BandTwo", WithField(0, "2"), NumberFileError::OutOfRange,
                "Line 1: the band choice \"2\" must be 0 or 1."},
        BadCase{"BandMinusOne", WithField(0, "-1"), NumberFileError::OutOfRange,
                "Line 1: the band choice \"-1\" must be 0 or 1."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdjFile, ErrorTextNamesLineAndField) {
  AdjFileData d;
  const AdjFileResult r = Adj_file_read(" 0 \r\n 1  2x \r\n", d);
  EXPECT_EQ(Adj_file_error_text(r, false),
            QStringLiteral("The adjust parameter file could not be read.\nLine 2: \"2x\" is not a whole number."));
  EXPECT_EQ(Adj_file_error_text(r, true), QStringLiteral("调整参数文件读取失败 ！\n第 2 行：“2x”不是整数。"));
}

class AdjFileOnDisk : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
};

TEST_F(AdjFileOnDisk, BadPathsChangeNothing) {
  AdjFileData d;
  d.rows[1][1] = 5;
  EXPECT_EQ(Adj_file_load(path("none.adj"), d).error, NumberFileError::Missing);
  QDir(dir.path()).mkdir(QStringLiteral("folder.adj"));
  EXPECT_EQ(Adj_file_load(path("folder.adj"), d).error, NumberFileError::CannotOpen);
  ASSERT_EQ(mkfifo(path("pipe.adj").toLocal8Bit().constData(), 0600), 0);
  EXPECT_EQ(Adj_file_load(path("pipe.adj"), d).error, NumberFileError::CannotOpen);  // and does not block
  WriteFile(path("big.adj"), QByteArray(kAdjFileMaxBytes + 1, ' '));
  EXPECT_EQ(Adj_file_load(path("big.adj"), d).error, NumberFileError::TooLarge);
  EXPECT_EQ(d.rows[1][1], 5);
}

TEST_F(AdjFileOnDisk, SaveAndLoadRestoreRowsAndBandBox) {
  // A window over a table; saved, edited, loaded again.
  Table table = Pattern();
  const Table defaults = AdjFactoryDefaults();
  std::int16_t band220 = 0;
  View view;
  Editor e{table, defaults, band220, view};
  Adj_Form_Load(e);
  SetCheckBand(e, true);
  const Table saved = table;
  ASSERT_TRUE(Adj_file_save(path("a.adj"), table, view.checkBand));

  SetCheckBand(e, false);
  for (std::size_t r = 0; r < 20; ++r) table[r].fill(1);
  AdjFileData d;
  ASSERT_TRUE(Adj_file_load(path("a.adj"), d).ok());
  ApplyLoadedTable(e, d.bandChecked, d.rows);
  EXPECT_TRUE(view.checkBand);
  EXPECT_EQ(band220, 1);
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) EXPECT_EQ(table[r][c], saved[r][c]) << r << "," << c;
  for (std::size_t r = 16; r < 20; ++r) EXPECT_EQ(table[r][0], 1) << r;  // rows 16..19 kept
}

TEST_F(AdjFileOnDisk, FailedSaveKeepsTheOldFile) {
  // The file system takes this name, but not the longer name of a temporary file beside it.
  const QString p = dir.filePath(QString(251, u'a') + QStringLiteral(".adj"));
  WriteFile(p, "old contents");
  NumberSaveFailure why;
  EXPECT_FALSE(Adj_file_save(p, Pattern(), false, &why));
  EXPECT_FALSE(why.reason.isEmpty());
  EXPECT_EQ(ReadFile(p), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
  EXPECT_FALSE(Adj_file_save(path("no/such/folder/x.adj"), Pattern(), false));
  EXPECT_TRUE(Adj_file_save_error_text(why, false)
                  .startsWith(QStringLiteral("The adjust parameter file could not be saved.\n")));
}

struct NameCase {
  const char* name;
  QString text;
  NumberFileNameCheck check;
};
class AdjFileNames : public ::testing::TestWithParam<NameCase> {};
TEST_P(AdjFileNames, Confirm) {
  EXPECT_EQ(Number_file_name_check(GetParam().text.trimmed(), kAdjFileSuffixes), GetParam().check);
}
INSTANTIATE_TEST_SUITE_P(
    Names, AdjFileNames,
    ::testing::Values(NameCase{"InitialPattern", QStringLiteral("*.adj"), NumberFileNameCheck::InvalidChar},
                      NameCase{"UpperSuffix", QStringLiteral("data.ADJ"), NumberFileNameCheck::Ok},
                      NameCase{"LowerSuffix", QStringLiteral("data.adj"), NumberFileNameCheck::Ok},
                      NameCase{"MixedSuffix", QStringLiteral("data.Adj"), NumberFileNameCheck::WrongSuffix},
                      NameCase{"OtherSuffix", QStringLiteral("data.txt"), NumberFileNameCheck::WrongSuffix},
                      NameCase{"Empty", QString(), NumberFileNameCheck::WrongSuffix},
                      NameCase{"PathPart", QStringLiteral("dir/a.adj"), NumberFileNameCheck::InvalidChar},
                      NameCase{"BackslashPathPart", QStringLiteral("dir\\a.adj"), NumberFileNameCheck::InvalidChar},
                      NameCase{"SpacesAround", QStringLiteral("  x.adj  "), NumberFileNameCheck::Ok}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdjFileRequests, LoadBeforeSaveInOnePoll) {
  QString File_path;
  std::int16_t load = 0, save = 0;
  AdjFileRequests rec;
  Adj_file_request(AdjFileOp::Save, QStringLiteral("/d/out.adj"), File_path, load, save, rec);
  Adj_file_request(AdjFileOp::Load, QStringLiteral("/d/in.adj"), File_path, load, save, rec);
  EXPECT_EQ(File_path, QStringLiteral("/d/in.adj"));
  EXPECT_EQ(load, -1);
  EXPECT_EQ(save, -1);
  const auto work = Adj_file_poll(load, save, rec);
  EXPECT_EQ(work, (std::vector<AdjRequest>{{AdjFileOp::Load, QStringLiteral("/d/in.adj")},
                                           {AdjFileOp::Save, QStringLiteral("/d/out.adj")}}));
  EXPECT_EQ(load, 0);
  EXPECT_EQ(save, 0);
  EXPECT_TRUE(Adj_file_poll(load, save, rec).empty());
}

TEST(AdjFileRequests, ParameterFileConfirmNeitherRedirectsNorRaisesARequest) {
  QString File_path;
  std::int16_t load = 0, save = 0;
  AdjFileRequests rec;
  Adj_file_request(AdjFileOp::Save, QStringLiteral("/d/table.adj"), File_path, load, save, rec);
  // The .dat open dialog's Confirm: its own path, only its own flag cleared.
  File_path = QStringLiteral("/d/radio.dat");
  load = 0;
  const auto work = Adj_file_poll(load, save, rec);
  EXPECT_EQ(work, (std::vector<AdjRequest>{{AdjFileOp::Save, QStringLiteral("/d/table.adj")}}));
  // The .dat save dialog's Confirm clears a pending save.
  Adj_file_request(AdjFileOp::Save, QStringLiteral("/d/table.adj"), File_path, load, save, rec);
  File_path = QStringLiteral("/d/radio.dat");
  save = 0;
  EXPECT_TRUE(Adj_file_poll(load, save, rec).empty());
}

}  // namespace

#pragma once
// The number-text files: the .dat parameter file (image/para_file.*) and the
// .adj alignment file (alignment/adj_file.*) are plain decimal text, a fixed
// count of whole numbers separated by blanks, line ends and single commas.
// What both share is here; each format gives its ranges and rules as a
// NumberFileFormat, its count as the size of its buffer, and keeps its own
// messages.
//
// Reading: a UTF-8 byte-order mark before the text and a DOS end-of-file mark
// (0x1A, with nothing but more marks, blanks and line ends after it) are not
// part of the text. Blanks (spaces, tabs) and line ends before a number are
// skipped; a number ends at a blank, a comma or a line end. Line ends count
// lines (CR LF, LF and a lone CR each end one), so a fault names its line.
// The numbers go to a buffer of the caller's: the format hands them on only
// when the whole text was good, so a bad file changes nothing.
//
// Saving goes through a temporary file beside the target, which replaces the
// target only once every byte has reached the system; on any failure the old
// file stays as it was.
#include "platform/core/text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <span>

struct NumberRange {
  int min, max;
  bool operator==(const NumberRange&) const = default;
};

struct NumberFileFormat {
  NumberRange first;  // the range of the first number
  NumberRange rest;   // the range of every other number
  bool signs;         // a + or - may stand before the digits (else such a field is no number)
  enum class Commas {
    SameLine,  // a comma follows a number on its line, and a number follows it on the same line
    Between,   // a comma may stand between two numbers, with blanks and line ends around it
  } commas;
  enum class After {
    Refused,  // only blanks and line ends may follow the last number
    Ignored,  // whatever follows the last number is no part of the file
  } after;
  qint64 maxBytes;  // a larger file is no such file
};

enum class NumberFileError {
  None,
  Missing,     // no file at the path
  CannotOpen,  // not a regular file, or it cannot be opened or read
  TooLarge,    // larger than the format's maxBytes
  TooFew,      // the text ends before the last number
  NotANumber,  // a field that is not a whole decimal number
  OutOfRange,  // a whole number outside its range (`numbers` 0: the first number)
  EmptyField,  // no number where a comma or the text's start wants one
  TooMany,     // text after the last number (`field` is what was found there)
};

struct NumberFileResult {
  NumberFileError error = NumberFileError::None;
  int line = 0;      // 1-based line of the fault (0: not about one line)
  int numbers = 0;   // numbers read before the fault (TooFew: all there are)
  QByteArray field;  // the offending field, at most 24 bytes of it
  bool ok() const { return error == NumberFileError::None; }
};

// Reads a text into `values`: a file holds exactly values.size() numbers. On a
// fault `values` may hold a part of the text: the caller hands it on only when
// the result is ok.
NumberFileResult Number_file_read(QByteArrayView text, const NumberFileFormat& format, std::span<std::int16_t> values);

// Reads the file at `path` the same way, at most format.maxBytes of it.
NumberFileResult Number_file_load(const QString& path, const NumberFileFormat& format, std::span<std::int16_t> values);

// Appends one number as written: a space, its digits and a space.
void Number_file_put(QByteArray& out, int value);

// Why a save failed.
struct NumberSaveFailure {
  QString reason;                  // the platform's reason
  QString folder;                  // the target's folder, as the system writes paths
  bool folderNotWritable = false;  // the folder takes no new file (the temporary one)
  bool cutShort = false;           // the system took only a part of the text and gave no reason
                                   // (a disk that filled up, a file-size limit)
};

// Creates or replaces the file at `path` with `text`, through a temporary file
// beside it; false (and why, if `failure` is given) when any step failed, the
// old file then being as it was.
bool Number_file_save(const QString& path, QByteArrayView text, NumberSaveFailure* failure = nullptr);

// A failed save's message: the format's headline, then on a line of its own
// that the folder is not writable (folderNotWritable), or that only a part of
// the file could be written (cutShort), or else the platform's reason when
// there is one.
QString Number_file_save_error_text(const Text& headline, const NumberSaveFailure& failure, bool chinese);

// A failed load's message: the format's headline, then the detail.
QString Number_file_error_text(const Text& headline, const QString& detail, bool chinese);

// The details both formats give in the same words.
inline constexpr Text kNumberFileMissing{"The file does not exist.", "文件不存在。"};
inline constexpr Text kNumberFileCannotOpen{"The file cannot be opened.", "文件无法打开。"};

// The dialogs' check of a file name the user typed, after trimming the blanks
// around it: first for a character that neither file's name may have
// (* $ \ / or #, wherever it stands), then for the format's suffix, in one of
// the two ways the format accepts it (".dat" or ".DAT"; ".Dat" is refused).
enum class NumberFileNameCheck { Ok, InvalidChar, WrongSuffix };
struct NumberFileSuffixes {
  QLatin1String lower, upper;
};
NumberFileNameCheck Number_file_name_check(const QString& trimmedName, const NumberFileSuffixes& suffixes);

// A field as a user can read it in a message: printable ASCII kept, the rest as "?".
QString Number_file_shown(const QByteArray& field);

#pragma once
// The .dat parameter file: image rows 0..480 as plain decimal text.
//
// Writing: 481 lines, one per image row; each of the 16 values of a row is
// written as a blank, the value and a blank, so a line begins with a blank,
// values are two blanks apart and the line ends with a blank and CR LF.
//
// Reading takes the 481 x 16 values in order, row by row, as every number
// file is read (image/number_file.h: blanks, line ends, a byte-order mark and
// an end-of-file mark); line boundaries carry no meaning. A file is taken
// only as a whole: every value must be a whole decimal number 0..255 without
// a sign, there must be exactly 7696 of them, a comma stands between two
// values of one line, and nothing but blanks and line ends may follow the
// last value. Until all of them have been checked the image is not touched,
// so a bad file changes nothing.
// Rows 481..495 of the image are neither written nor read.
#include "image/number_file.h"
#include "state/image.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

constexpr int kParaFileRows = img::kFileLastRow + 1;         // 481
constexpr int kParaFileValues = kParaFileRows * img::kCols;  // 7696
// A file larger than this is no parameter file (a written one is about 40 kB).
constexpr qint64 kParaFileMaxBytes = qint64{4} * 1024 * 1024;

// What a read or a load found: the module's result (image/number_file.h);
// `numbers` counts the values read before the fault.
using ParaFileResult = NumberFileResult;

// The file text of image rows 0..480.
QByteArray Para_file_text(const img::Image& image);

// Reads a file text into image rows 0..480, all or nothing.
ParaFileResult Para_file_read(QByteArrayView text, img::Image& image);

// Reads the file at `path` into image rows 0..480, all or nothing.
ParaFileResult Para_file_load(const QString& path, img::Image& image);

// Why a save failed.
using ParaSaveFailure = NumberSaveFailure;

// Creates or replaces the file at `path` with the text of rows 0..480. The
// text goes to a temporary file beside the target, which replaces the target
// only once everything was written and flushed; on failure the old file stays
// as it was, and `failure` (if given) says why.
bool Para_file_save(const QString& path, const img::Image& image, ParaSaveFailure* failure = nullptr);

// The user's message for a failed load, in Chinese or English.
QString Para_file_error_text(const ParaFileResult& result, bool chinese);

// The user's message for a failed save, in Chinese or English: a folder that
// is not writable, or a file only a part of which could be written, is named
// as such; otherwise the platform's reason follows on a line of its own.
QString Para_file_save_error_text(const ParaSaveFailure& failure, bool chinese);

// The suffixes the dialogs' name check takes (Number_file_name_check).
inline constexpr NumberFileSuffixes kParaFileSuffixes{QLatin1String(".dat"), QLatin1String(".DAT")};

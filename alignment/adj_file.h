#pragma once
// The .adj alignment file: the band choice and alignment table rows 0..15 as
// plain decimal text.
//
// Writing: 17 lines ending in CR LF. Line 1 is the band choice (1 while the
// 200..270 MHz second band is chosen, else 0), lines 2..17 rows 0..15, columns
// 0..15. Every number is written as a space, its digits and a space, so
// neighbours are two spaces apart and a line begins and ends with a space.
//
// Reading takes a stream of numbers as every number file is read
// (image/number_file.h: blanks, line ends, a byte-order mark and an
// end-of-file mark), with single commas between them anywhere; the line
// structure plays no part. The first number is the band choice (0 or 1), the
// next 256 fill rows 0..15 (each a whole number 0..255, a sign allowed), and
// whatever follows the 257th number is ignored. A file is taken only as a
// whole: until every number has been checked nothing is handed on, so a bad
// file changes nothing. Rows 16..19 are neither written nor read.
#include "alignment/adj_table.h"
#include "image/number_file.h"
#include "state/session.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace adj {

constexpr int kAdjFileNumbers = 1 + kFileRows * kRowCols;  // 257
// A file larger than this is no alignment file (a written one is about 1.3 kB).
constexpr qint64 kAdjFileMaxBytes = qint64{1024} * 1024;

struct AdjFileData {
  bool bandChecked = false;
  FileRows rows{};
};

// What a read or a load found: the module's result (image/number_file.h). A
// band choice other than 0 or 1 is an OutOfRange with `numbers` 0; an empty
// field is no number; the message says which. Nothing follows the 257th
// number as far as the reader is concerned, so it never reports TooMany.
using AdjFileResult = NumberFileResult;

// The file text of the band choice and rows 0..15.
QByteArray Adj_file_text(const Table& table, bool bandChecked);

// Reads a file text; `out` is written only when the whole text is good.
AdjFileResult Adj_file_read(QByteArrayView text, AdjFileData& out);

// Reads the file at `path`; `out` is written only when the whole file is good.
AdjFileResult Adj_file_load(const QString& path, AdjFileData& out);

// Creates or replaces the file at `path` through a temporary file beside it,
// which replaces the target only once everything was written and flushed; on
// failure the old file stays as it was, and `failure` (if given) says why.
bool Adj_file_save(const QString& path, const Table& table, bool bandChecked, NumberSaveFailure* failure = nullptr);

// The user's messages for a failed load and a failed save (a folder that is
// not writable, or a file only a part of which could be written, is named as
// such instead of the platform's bare reason).
QString Adj_file_error_text(const AdjFileResult& result, bool chinese);
QString Adj_file_save_error_text(const NumberSaveFailure& failure, bool chinese);

// The suffixes the dialogs' name check takes (Number_file_name_check).
inline constexpr NumberFileSuffixes kAdjFileSuffixes{QLatin1String(".adj"), QLatin1String(".ADJ")};

// Load and save requests of the .adj dialogs. A Confirm sets File_path and
// its request flag as always, and the record keeps the path of this request,
// so a later Confirm of a .dat dialog (which sets File_path to its own file)
// cannot redirect a pending alignment load or save to the parameter file.
// The record lives in the shared state (Session::Adj_file_requests).
enum class AdjFileOp { Load, Save };
using ::AdjFileRequests;
struct AdjRequest {
  AdjFileOp op;
  QString path;
  bool operator==(const AdjRequest&) const = default;
};
void Adj_file_request(AdjFileOp op, const QString& path, QString& File_path, std::int16_t& File_load_req,
                      std::int16_t& File_save_req, AdjFileRequests& record);
// One poll: each raised flag is cleared first; a load comes before a save,
// each with the path its request was made with.
std::vector<AdjRequest> Adj_file_poll(std::int16_t& File_load_req, std::int16_t& File_save_req,
                                      const AdjFileRequests& record);

}  // namespace adj

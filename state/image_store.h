#pragma once
// The one owner of the parameter image. Everything that changes the image
// goes through change(), which runs the edit and then announces exactly the
// rows that changed, as runs of consecutive rows, with the changer (`origin`:
// the window or exchange that made the change, or null), so every open editor
// can show what the image holds. An edit that changes nothing announces
// nothing. A channel edit (record row r and name row r + 256) announces two
// runs and touches no option, VFO or DTMF row.
//
// Every path that writes the image comes here: the start-up's factory image
// (the main window), read-all's store (the read dialog, once its last block
// has arrived), the write preparation (the write dialog), a .dat load (the
// open dialog), and the editors' own edits, Default and Clear included.
#include "state/image.h"

#include <QObject>

#include <cstdint>
#include <utility>
#include <vector>

// Rows first..last of the image, both included.
struct RowRun {
  int first, last;
  bool operator==(const RowRun&) const = default;
};
using RowRuns = std::vector<RowRun>;

// True when one of the runs holds a row of first..last.
bool Touches(const RowRuns& runs, int first, int last);
// The rows of the runs of `from` copied into `to`, every column.
void CopyRuns(const img::Image& from, const RowRuns& runs, img::Image& to);

class ImageStore : public QObject {
  Q_OBJECT
 public:
  ImageStore() = default;

  const img::Image& image() const { return image_; }

  // Runs edit(img::Image&) on the image; the edit should change only rows
  // firstRow..lastRow, which say so at the call and are not read: afterwards
  // rowsChanged names the runs of rows that differ from before (any row,
  // should the edit stray).
  template <class Edit>
  void change([[maybe_unused]] int firstRow, [[maybe_unused]] int lastRow, const void* origin, Edit&& edit) {
    const img::Image before = image_;
    std::forward<Edit>(edit)(image_);
    announce(before, origin);
  }
  // One cell.
  void set(int row, int col, std::int16_t value, const void* origin) {
    change(row, row, origin, [&](img::Image& im) { im(row, col) = value; });
  }
  // The rows of the runs of `from` (an editor's working image) replace the image's.
  void replaceRuns(const img::Image& from, const RowRuns& runs, const void* origin);
  // Rows first..last of `from` replace the image's.
  void replaceRows(const img::Image& from, int firstRow, int lastRow, const void* origin) {
    replaceRuns(from, {{firstRow, lastRow}}, origin);
  }

 signals:
  // The rows of the runs (in ascending order, none touching the next) hold
  // new values; `origin` made the change.
  void rowsChanged(const RowRuns& runs, const void* origin);

 private:
  void announce(const img::Image& before, const void* origin);

  img::Image image_;
};

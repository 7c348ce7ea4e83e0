#include "state/image_store.h"

#include <algorithm>

bool Touches(const RowRuns& runs, int first, int last) {
  return std::any_of(runs.begin(), runs.end(), [&](RowRun r) { return r.first <= last && r.last >= first; });
}

void CopyRuns(const img::Image& from, const RowRuns& runs, img::Image& to) {
  for (const RowRun& run : runs)
    for (int r = run.first; r <= run.last; ++r)
      for (int c = 0; c < img::kCols; ++c) to(r, c) = from(r, c);
}

void ImageStore::replaceRuns(const img::Image& from, const RowRuns& runs, const void* origin) {
  const img::Image before = image_;
  CopyRuns(from, runs, image_);
  announce(before, origin);
}

void ImageStore::announce(const img::Image& before, const void* origin) {
  RowRuns runs;
  for (int r = 0; r < img::kRows; ++r) {
    bool changed = false;
    for (int c = 0; c < img::kCols && !changed; ++c) changed = before(r, c) != image_(r, c);
    if (!changed) continue;
    if (!runs.empty() && runs.back().last == r - 1)
      runs.back().last = r;
    else
      runs.push_back({r, r});
  }
  if (!runs.empty()) emit rowsChanged(runs, origin);
}

#include "state/image_store.h"

void ImageStore::announce(const img::Image& before, int firstRow, int lastRow, const void* origin) {
  (void)firstRow;
  (void)lastRow;
  int first = -1, last = -1;
  for (int r = 0; r < img::kRows; ++r) {
    for (int c = 0; c < img::kCols; ++c) {
      if (before(r, c) != image_(r, c)) {
        if (first < 0) first = r;
        last = r;
        break;
      }
    }
  }
  if (first >= 0) emit rowsChanged(first, last, origin);
}

#include "state/image_store.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

struct Announcement {
  RowRuns runs;
  const void* origin;
  bool operator==(const Announcement&) const = default;
};

struct Listener {
  explicit Listener(ImageStore& s) {
    QObject::connect(&s, &ImageStore::rowsChanged, [this](const RowRuns& r, const void* o) {
      heard.push_back({r, o});
    });
  }
  std::vector<Announcement> heard;
};

}  // namespace

// Each change announces afterwards the runs of rows that differ, with its
// origin; the listener already sees the new values.
TEST(ImageStore, AnnouncesTheRowsThatChangedAndWhoChangedThem) {
  ImageStore store;
  Listener l(store);
  const int me = 0;
  int seen = -1;
  QObject::connect(&store, &ImageStore::rowsChanged, [&](const RowRuns&, const void*) {
    if (seen < 0) seen = store.image()(7, 3);
  });
  store.change(0, img::kRows - 1, &me, [](img::Image& im) {
    im(7, 3) = 0x12;
    im(300, 0) = 0x34;
  });
  store.set(480, 15, 0x56, nullptr);
  img::Image from;
  from.fillRows(10, 11, 0xFF);
  store.replaceRows(from, 0, 20, &me);
  EXPECT_EQ(seen, 0x12);
  EXPECT_EQ(l.heard, (std::vector<Announcement>{
                         {{{7, 7}, {300, 300}}, &me}, {{{480, 480}}, nullptr}, {{{7, 7}, {10, 11}}, &me}}));
  EXPECT_EQ(store.image()(7, 3), 0);  // row 7 came from `from` again
  EXPECT_EQ(store.image()(11, 15), 0xFF);
}

// An editor's working image replaces the rows of its runs, every column, and
// nothing else: the rows between and beyond the runs keep what they hold.
TEST(ImageStore, ReplaceRunsTakesOnlyTheRowsOfItsRuns) {
  ImageStore store;
  Listener l(store);
  const int me = 0;
  img::Image from;
  from.clear(0x33);
  store.replaceRuns(from, {{2, 3}, {300, 300}}, &me);
  EXPECT_EQ(l.heard, (std::vector<Announcement>{{{{2, 3}, {300, 300}}, &me}}));
  for (int r = 0; r < img::kRows; ++r) {
    const bool replaced = r == 2 || r == 3 || r == 300;
    for (int c = 0; c < img::kCols; ++c) ASSERT_EQ(store.image()(r, c), replaced ? 0x33 : 0) << r << ", " << c;
  }
}

// An edit that leaves every byte as it was announces nothing.
TEST(ImageStore, NoChangeNoAnnouncement) {
  ImageStore store;
  store.set(5, 5, 0x20, nullptr);
  Listener l(store);
  store.set(5, 5, 0x20, nullptr);
  store.change(0, img::kRows - 1, nullptr, [](img::Image& im) { im(9, 9) = im(9, 9); });
  EXPECT_TRUE(l.heard.empty());
}

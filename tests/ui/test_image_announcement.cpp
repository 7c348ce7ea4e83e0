// The image announces exactly the rows an edit changed, and only the editors
// that show one of them draw the image again.
#include "chann_fixture.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"
#include "state/image_follower.h"

#include <QAction>
#include <QPushButton>

using ImageAnnouncement = ChannFixture;

void PrintTo(const RowRun& r, std::ostream* os) { *os << "rows " << r.first << ".." << r.last; }

// A channel edit changes the channel's record and its name record: two runs,
// far apart. The options and DTMF windows, whose rows lie between them, are
// not drawn again.
TEST_F(ImageAnnouncement, ChannelEditAnnouncesItsTwoRunsAndRedrawsNoSettingsWindow) {
  main->menu("Optional_edit")->trigger();
  main->menu("Dtmf_edit")->trigger();
  auto* options = main->host().find<frm_option>();
  auto* dtmf = main->host().find<frm_dtmf>();
  ASSERT_TRUE(options && dtmf);
  ImageFollower* optionsFollows = options->findChild<ImageFollower*>();
  ImageFollower* dtmfFollows = dtmf->findChild<ImageFollower*>();
  ASSERT_TRUE(optionsFollows && dtmfFollows);
  const int optionsBefore = optionsFollows->foreignChanges(), dtmfBefore = dtmfFollows->foreignChanges();

  main->host().raiseWindow(w);
  std::vector<RowRuns> heard;
  QObject::connect(&image, &ImageStore::rowsChanged, w,
                   [&](const RowRuns& runs, const void*) { heard.push_back(runs); });
  // Channel 1 has a name: deleting its RX frequency empties record and name.
  retype(2, 2, QString());
  click(2, 0);  // leaving the cell commits it
  const Bytes allFF(16, 0xFF);
  ASSERT_EQ(record(1), allFF);
  ASSERT_EQ(name(1), allFF);

  EXPECT_EQ(heard, (std::vector<RowRuns>{{{1, 1}, {257, 257}}}));
  EXPECT_EQ(optionsFollows->foreignChanges(), optionsBefore);
  EXPECT_EQ(dtmfFollows->foreignChanges(), dtmfBefore);
}

// Showing the image draws every row from it and changes nothing by drawing:
// the empty channels whose bytes say otherwise are made all 0xFF by one
// change of the window's, announced with their rows; Clear is one change too.
TEST_F(ImageAnnouncement, ShowingAndClearAreOneChangeEach) {
  std::vector<std::pair<RowRuns, const void*>> heard;
  QObject::connect(&image, &ImageStore::rowsChanged, w,
                   [&](const RowRuns& runs, const void* origin) { heard.emplace_back(runs, origin); });
  // Empty channels with bytes in them, as a read or a file brings them; made
  // here in the window's name, so it does not follow at once.
  image.change(0, img::kRows - 1, w, [](img::Image& im) {
    PutBytes(im, 30, 0, Bytes{0xFF, 0x20, 0x18, 0x15});
    PutBytes(im, 286, 0, Bytes{'J', 'U', 'N', 'K'});
    PutBytes(im, 90, 0, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E});
  });
  heard.clear();
  redraw();
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].first, (RowRuns{{30, 30}, {90, 90}, {286, 286}}));
  EXPECT_EQ(heard[0].second, w);
  EXPECT_EQ(record(30), Bytes(16, 0xFF));
  EXPECT_EQ(name(30), Bytes(16, 0xFF));
  heard.clear();
  redraw();
  EXPECT_TRUE(heard.empty());

  QTest::mouseClick(w->Command_Clear, Qt::LeftButton);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].second, w);
  for (int n = 0; n < 200; ++n) ASSERT_EQ(record(n), Bytes(16, 0xFF)) << n;
}

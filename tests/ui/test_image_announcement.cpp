// The image announces exactly the rows an edit changed, and only the editors
// that show one of them draw the image again.
#include "chann_fixture.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"
#include "state/image_follower.h"

#include <QAction>

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

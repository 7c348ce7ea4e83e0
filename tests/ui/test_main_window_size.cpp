// The main window, frame included, is as large as the screen; the other
// windows take their sizes from that outer size.
#include "app_fixture.h"

using MainWindowSize = AppFixture;

TEST_F(MainWindowSize, OuterSizeIsTheScreen) {
  for (ScreenInfo s : {ScreenInfo{1024, 768, 96}, ScreenInfo{1280, 1024, 96}}) {
    screen = s;
    MDImain& m = start();
    EXPECT_EQ(m.frameGeometry().size(), QSize(s.widthPx, s.heightPx)) << s.widthPx;
    EXPECT_NEAR(m.Width(), s.widthPx * 15.0, 1);
    EXPECT_NEAR(m.Height(), s.heightPx * 15.0, 1);
    main.reset();
    settle();
  }
}

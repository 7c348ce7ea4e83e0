#include "image/adj_defaults.h"
#include "image/chann_defaults.h"
#include "image/factory_startup.h"
#include "image/settings_defaults.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int16_t kMarker = 0x3C;
const DateTime kNow{2026, 12, 8, 18, 44, 0};

class FactoryStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Image.clear(kMarker);
    for (auto& row : s.AdjTable) row.fill(kMarker);
    s.Band220Selected = 1;
    Factory_startup(s, s.Image, [] { return kNow; });
  }
  SessionAndImage s;
};

TEST_F(FactoryStartup, ImageIsTheFillFollowedByTheFourWritersInOrder) {
  SessionAndImage ref;
  ref.Image.fillRows(0, 495, 0xFF);
  Opt_defaults_init(ref.Image);
  Dtmf_defaults_init(ref.Image);
  Chann_defaults_init(ref.Image);
  Wx_chann_init(ref.Image);
  EXPECT_EQ(ImageDiff(s.Image, ref.Image), "");
}

TEST_F(FactoryStartup, EveryByteNoDefaultSetsIsUnprogrammed) {
  for (int r = 0; r <= 495; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_NE(s.Image(r, c), kMarker) << "(" << r << "," << c << ")";
  // Carried regions and untouched bytes.
  for (int r : {200, 207, 224, 225, 230, 231, 239, 246, 255, 456, 479, 480, 481, 495}) {
    for (int c = 0; c < 16; ++c) EXPECT_EQ(s.Image(r, c), 0xFF) << "(" << r << "," << c << ")";
  }
  EXPECT_EQ(s.Image(240, 0), 0xFF);   // VFO A +0
  EXPECT_EQ(s.Image(241, 11), 0xFF);  // VFO A +27
  EXPECT_EQ(s.Image(244, 14), 0xFF);  // label bytes 14, 15
  EXPECT_EQ(s.Image(256, 0), 0xFF);   // channel 0 has no name
  EXPECT_EQ(s.Image(257, 7), 0xFF);   // after "Ostr1-1"
  EXPECT_EQ(s.Image(449, 6), 0xFF);   // after "NOAA01"
}

TEST_F(FactoryStartup, OptionBlockOnAFreshStart) {
  for (int k : {46, 47, 48, 49, 50, 51, 52, 53, 58, 59, 60, 61, 62, 63})
    EXPECT_EQ(s.Image.at(img::OptionCell(k)), 0x00) << "offset " << k;
  EXPECT_EQ(s.Image.at(img::OptionCell(54)), 0x1F);
}

TEST_F(FactoryStartup, WeatherChannelsSurviveTheServiceTable) {
  EXPECT_EQ(s.Image(193, 15), 0x44);
  EXPECT_EQ(s.Image(199, 2), 0x25);
  EXPECT_EQ(s.Image(192, 0), 0xFF);
  EXPECT_EQ(s.Image(15, 15), 0x04);
}

TEST_F(FactoryStartup, AlignmentTableGetsTheDefaultsRows0To15Only) {
  EXPECT_EQ(s.Band220Selected, 0);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(s.AdjTable[r][c], s.AdjDefaults[r][c]) << "(" << r << "," << c << ")";
  for (int r = 0; r <= 32; ++r) EXPECT_EQ(s.AdjTable[r][16], kMarker) << "row " << r;
  for (int r = 16; r <= 32; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(s.AdjTable[r][c], kMarker) << "(" << r << "," << c << ")";
  EXPECT_EQ(s.AdjTable[14][6], 'N');
  EXPECT_EQ(s.AdjTable[0][0], 211);
}

}  // namespace

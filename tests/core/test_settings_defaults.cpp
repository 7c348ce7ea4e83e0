#include "image/opt_positions.h"
#include "image/settings_defaults.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::int16_t kMarker = 0x3C;
using Row = std::vector<int>;

// The option block as the radio gets it from a fresh start, rows 226..229.
const std::array<Row, 4> kOptRows{{
    {0x05, 0x01, 0x00, 0x03, 0x00, 0x00, 0x05, 0x00, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00},
    {0x03, 0x00, 0x00, 0x00, 0x05, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x01, 0x02},
    {0x02, 0x01, 0x00, 0x01, 0x05, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1F, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
}};

// Offsets of the block that have no named position.
const std::vector<int> kUnnamed{46, 47, 48, 49, 50, 51, 52, 53, 58, 59, 60, 61, 62, 63};

img::Image WithLabels(img::Image im) {
  PutBytes(im, 244, 0, Row{0x20, 0x20, 0x20, 0x46, 0x4D, 0x20, 0x20, 0x20, 0x36, 0x35, 0x2D, 0x37, 0x35, 0x4D});
  PutBytes(im, 245, 0, Row{0x20, 0x20, 0x20, 0x46, 0x4D, 0x20, 0x20, 0x37, 0x36, 0x2D, 0x31, 0x30, 0x38, 0x4D});
  return im;
}

img::Image WithVfos(img::Image im) {
  // VFO A: 136.02500 MHz, no offset, tones 00 00, first band, step 0x50.
  PutBytes(im, 240, 8, Row{1, 3, 6, 0, 2, 5, 0, 0});
  PutBytes(im, 241, 0, Row{0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0});
  PutBytes(im, 241, 12, Row{0x00, 0x00, 0x50, 0x00});
  // VFO B: 470.62500 MHz, no offset, tones FF FF, second band, step 0x50.
  PutBytes(im, 242, 8, Row{4, 7, 0, 6, 2, 5, 0, 0});
  PutBytes(im, 243, 0, Row{0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1});
  PutBytes(im, 243, 12, Row{0x00, 0x00, 0x50, 0x00});
  return im;
}

class SettingsDefaults : public ::testing::Test {
 protected:
  void SetUp() override { s.Image.clear(kMarker); }
  SessionAndImage s;
};

TEST_F(SettingsDefaults, OptionDefaultsOnAFreshStartWriteBlockVfosAndLabelsOnly) {
  img::Image want = WithLabels(WithVfos(s.Image));
  for (int i = 0; i < 4; ++i) PutBytes(want, 226 + i, 0, kOptRows[i]);
  Opt_defaults_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
  // Untouched VFO bytes +0..+7 and +27, label bytes 14 and 15.
  EXPECT_EQ(s.Image(240, 0), kMarker);
  EXPECT_EQ(s.Image(241, 11), kMarker);
  EXPECT_EQ(s.Image(243, 11), kMarker);
  EXPECT_EQ(s.Image(245, 15), kMarker);
}

TEST_F(SettingsDefaults, OptionDefaultsCarryUnnamedEntriesAsTheyStand) {
  // The options window loaded a radio's block: every entry non-default.
  std::array<Int16, 257> Opt_para{};
  for (int k = 0; k < 64; ++k) Opt_para[k] = static_cast<Int16>(0x80 + k);
  for (int k = 64; k <= 256; ++k) Opt_para[k] = 0x7777;
  Opt_defaults_init(s.Image, std::span<Int16, kOptBlockSize>(Opt_para.data(), kOptBlockSize));
  for (int k = 0; k < 64; ++k) {
    const bool unnamed = std::find(kUnnamed.begin(), kUnnamed.end(), k) != kUnnamed.end();
    const int want = unnamed ? 0x80 + k : kOptRows[k / 16][k % 16];
    EXPECT_EQ(s.Image(226 + k / 16, k % 16), want) << "offset " << k;
    EXPECT_EQ(Opt_para[k], want) << "entry " << k;
  }
  for (int k = 64; k <= 256; ++k) ASSERT_EQ(Opt_para[k], 0x7777) << "entry " << k;
}

TEST_F(SettingsDefaults, NamedPositionsAreTheBlockOffsets) {
  // A few anchors of the table the options window relies on.
  EXPECT_EQ(Pos_sql, 0);
  EXPECT_EQ(Pos_spare44, 44);
  EXPECT_EQ(Pos_spare45, 45);
  EXPECT_EQ(Pos_flags, 54);
  EXPECT_EQ(Pos_spare55, 55);
  EXPECT_EQ(Pos_work_mode, 56);
  EXPECT_EQ(Pos_lock, 57);
  std::array<Int16, kOptBlockSize> Opt_para{};
  Opt_defaults_init(s.Image, Opt_para);
  EXPECT_EQ(Opt_para[Pos_flags], 0x1F);
  EXPECT_EQ(Opt_para[Pos_work_mode], 1);
  EXPECT_EQ(Opt_para[Pos_spare40], 2);
}

TEST_F(SettingsDefaults, FmLabelsWriteTwentyEightBytesAndRepeatTheSame) {
  const img::Image want = WithLabels(s.Image);
  Fm_band_labels_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
  Fm_band_labels_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

TEST_F(SettingsDefaults, DtmfDefaultsClearEveryGroupAndWriteTheFactoryBlock) {
  for (int r = 208; r <= 223; ++r) PutBytes(s.Image, r, 0, Row{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7});
  img::Image want = s.Image;
  want.fillRows(208, 223, 0xFF);
  PutBytes(want, 208, 0, Row{0x02, 0x00, 0x02, 0x00, 0x02});
  PutBytes(want, 222, 0, Row{0x03, 0x00, 0x03, 0x00, 0x03});
  PutBytes(want, 223, 0,
           Row{0x05, 0x05, 0x02, 0x01, 0x01, 0x09, 0xFF, 0xFF, 0x08, 0x00, 0x08, 0x00, 0x08, 0x0B, 0xFF, 0xFF});
  Dtmf_defaults_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
  EXPECT_EQ(s.Image(207, 0), kMarker);
  EXPECT_EQ(s.Image(224, 0), kMarker);
}

}  // namespace

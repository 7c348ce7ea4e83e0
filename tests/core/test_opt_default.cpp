// The options window's Default, and the carried bytes of the option block
// through shows, edits and Default.
#include "image/opt_positions.h"
#include "image/settings_defaults.h"
#include "settings/opt_block.h"
#include "settings/opt_default.h"
#include "state/image.h"
#include "state/session.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::int16_t kCarried = 0xAA;
// Offsets without a name, which no default sets.
const std::vector<int> kUnnamed{46, 47, 48, 49, 50, 51, 52, 53, 58, 59, 60, 61, 62, 63};
// Offsets with a name that no control edits.
const std::vector<int> kSpares{1, 2, 5, 10, 11, 12, 13, 15, 17, 25, 26, 27, 28, 40, 41, 43, 44, 45, 55};

using Block = std::array<std::int16_t, kOptBlockSize>;

// The image the start-up's factory step makes of `im`.
img::Image Factory(img::Image im) {
  std::array<std::int16_t, kOptBlockSize> copy{};
  for (int k = 0; k < kOptBlockSize; ++k) copy[std::size_t(k)] = im.at(img::OptionCell(k));
  Opt_defaults_init(im, copy);
  return im;
}

img::Image Marked() {
  img::Image im;
  im.clear(0x5A);
  for (int k = 0; k < kOptBlockSize; ++k) im.at(img::OptionCell(k)) = std::int16_t(k);
  for (int k : kUnnamed) im.at(img::OptionCell(k)) = kCarried;
  for (int k : kSpares) im.at(img::OptionCell(k)) = kCarried;
  return im;
}

}  // namespace

// Default writes the factory values over the block as the image holds it, so
// the bytes without a factory value keep what the image holds now.
TEST(OptDefault, BytesWithoutAFactoryValueKeepWhatTheImageHolds) {
  img::Image im = Marked();
  std::int16_t Chann_total = 150;
  const img::Image want = Factory(im);

  Opt_default(im, Chann_total);
  EXPECT_EQ(ImageDiff(im, want), "");
  EXPECT_EQ(Chann_total, 200);
  for (int k : kUnnamed) EXPECT_EQ(im.at(img::OptionCell(k)), kCarried) << k;
}

// Default writes the factory block, VFO fields and FM labels; nothing else.
TEST(OptDefault, WritesWhatTheStartUpWritesAndNothingElse) {
  img::Image image;
  image = Marked();
  img::Image im = image;
  Opt_defaults_init(image);  // the start-up's step, with a working copy of zeros
  std::int16_t Chann_total = 0;
  Opt_default(im, Chann_total);
  // The start-up's working copy held zeros at the unnamed offsets; put them back for the comparison.
  for (int k : kUnnamed) image.at(img::OptionCell(k)) = kCarried;
  EXPECT_EQ(ImageDiff(im, image), "");
  EXPECT_EQ(im.at(img::OptionCell(Pos_sql)), 5);
  EXPECT_EQ(im.at(img::OptionCell(Pos_flags)), 0x1F);
  EXPECT_EQ(im(244, 3), 'F');
  EXPECT_EQ(im(240, 8), 1);
}

// The carried bytes keep 0xAA through shows and every edit; Default gives the
// named ones their factory values and keeps the unnamed ones.
TEST(OptCarried, ThroughShowsEditsAndDefault) {
  img::Image im = Marked();
  OptControls controls = Opt_controls_created();
  auto carriedHold = [&](const std::vector<int>& offsets, const char* when) {
    for (int k : offsets) EXPECT_EQ(im.at(img::OptionCell(k)), kCarried) << when << " offset " << k;
  };
  Opt_show(im, controls);
  carriedHold(kUnnamed, "first show");
  carriedHold(kSpares, "first show");
  for (const OptControl& k : Opt_controls()) {
    Opt_commit(im, k.id, 1);
    Opt_commit(im, k.id, 0);
  }
  Opt_show(im, controls);
  carriedHold(kUnnamed, "edits");
  carriedHold(kSpares, "edits");

  std::int16_t Chann_total = 200;
  Opt_default(im, Chann_total);
  Opt_show(im, controls);
  carriedHold(kUnnamed, "Default");
  EXPECT_EQ(im.at(img::OptionCell(Pos_spare1)), 1);  // factory values
  EXPECT_EQ(im.at(img::OptionCell(Pos_spare40)), 2);
  EXPECT_EQ(im.at(img::OptionCell(Pos_spare44)), 0);
  // The defaults shown: channel mode, the factory squelch and flags.
  EXPECT_EQ(controls[OptCtl::Option_chann], 1);
  EXPECT_EQ(controls[OptCtl::Combo_sql], 5);
  EXPECT_EQ(controls[OptCtl::Check_radio], 1);
}

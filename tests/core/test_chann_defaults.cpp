#include "image/chann_defaults.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::int16_t kMarker = 0x3C;  // a byte no routine here writes

using Row = std::vector<int>;

// The service channels' frequencies by position in the group, and tones by group.
const std::array<Row, 5> kServiceFreq{{
    {0x00, 0x20, 0x18, 0x15},  // 151.82000
    {0x00, 0x80, 0x18, 0x15},  // 151.88000
    {0x00, 0x40, 0x19, 0x15},  // 151.94000
    {0x00, 0x70, 0x45, 0x15},  // 154.57000
    {0x00, 0x00, 0x46, 0x15},  // 154.60000
}};
const std::array<Row, 3> kServiceTone{{{0x9E, 0x02}, {0xED, 0x09}, {0x01, 0x00}}};

const std::array<Row, 7> kWxFreq{{
    {0x00, 0x00, 0x24, 0x16},  // 162.40000
    {0x00, 0x25, 0x24, 0x16},  // 162.42500
    {0x00, 0x50, 0x24, 0x16},  // 162.45000
    {0x00, 0x75, 0x24, 0x16},  // 162.47500
    {0x00, 0x00, 0x25, 0x16},  // 162.50000
    {0x00, 0x25, 0x25, 0x16},  // 162.52500
    {0x00, 0x50, 0x25, 0x16},  // 162.55000
}};

Row Ascii(const std::string& text) { return Row(text.begin(), text.end()); }

// What Chann_defaults_init leaves on an image that held only the marker.
img::Image ExpectedServiceTable(img::Image im) {
  im.fillRows(0, 199, 0xFF);
  for (int n = 1; n <= 15; ++n) {
    const int g = (n - 1) / 5, p = (n - 1) % 5;
    PutBytes(im, n, 0, kServiceFreq[p]);
    PutBytes(im, n, 4, kServiceFreq[p]);
    PutBytes(im, n, 8, kServiceTone[g]);
    PutBytes(im, n, 10, kServiceTone[g]);
    PutBytes(im, n, 12, Row{0x00, 0x00, 0x00, 0x04});
    PutBytes(im, 256 + n, 0, Ascii("Ostr" + std::to_string(g + 1) + "-" + std::to_string(p + 1)));
  }
  return im;
}

img::Image ExpectedWeather(img::Image im) {
  for (int i = 0; i < 7; ++i) {
    const int n = 193 + i;
    PutBytes(im, n, 0, kWxFreq[i]);
    PutBytes(im, n, 4, kWxFreq[i]);
    PutBytes(im, n, 8, Row{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x44});
    PutBytes(im, 256 + n, 0, Ascii("NOAA0" + std::to_string(i + 1)));
  }
  return im;
}

Row RowBytes(const img::Image& im, int row) {
  Row out;
  for (int c = 0; c < 16; ++c) out.push_back(im(row, c));
  return out;
}

class ChannDefaults : public ::testing::Test {
 protected:
  void SetUp() override { s.Image.clear(kMarker); }
  SessionAndImage s;
};

TEST_F(ChannDefaults, ServiceTableWritesChannelRowsAndSevenNameBytesOnly) {
  const img::Image want = ExpectedServiceTable(s.Image);
  Chann_defaults_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

TEST_F(ChannDefaults, ServiceChannelRecordsAsTheRadioStoresThem) {
  Chann_defaults_init(s.Image);
  EXPECT_EQ(RowBytes(s.Image, 1),
            (Row{0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15, 0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04}));
  EXPECT_EQ(RowBytes(s.Image, 8),
            (Row{0x00, 0x40, 0x19, 0x15, 0x00, 0x40, 0x19, 0x15, 0xED, 0x09, 0xED, 0x09, 0x00, 0x00, 0x00, 0x04}));
  EXPECT_EQ(RowBytes(s.Image, 15),
            (Row{0x00, 0x00, 0x46, 0x15, 0x00, 0x00, 0x46, 0x15, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x04}));
  EXPECT_EQ(s.Image(0, 0), 0xFF);
  EXPECT_EQ(s.Image(16, 0), 0xFF);
  EXPECT_EQ(s.Image(199, 0), 0xFF);
  // Names: "Ostr1-1", "Ostr3-5"; the byte after the name is not written.
  EXPECT_EQ(RowBytes(s.Image, 257), (Row{'O', 's', 't', 'r', '1', '-', '1', kMarker, kMarker, kMarker, kMarker, kMarker,
                                         kMarker, kMarker, kMarker, kMarker}));
  EXPECT_EQ(s.Image(271, 4), '3');
  EXPECT_EQ(s.Image(271, 6), '5');
}

TEST_F(ChannDefaults, WeatherChannelsWriteTheirRowsAndSixNameBytesOnly) {
  const img::Image want = ExpectedWeather(s.Image);
  Wx_chann_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

TEST_F(ChannDefaults, WeatherNameKeepsAnOldSeventhCharacter) {
  PutBytes(s.Image, 449, 0, Ascii("ABCDEFG"));
  Wx_chann_init(s.Image);
  EXPECT_EQ(RowBytes(s.Image, 449), (Row{'N', 'O', 'A', 'A', '0', '1', 'G', kMarker, kMarker, kMarker, kMarker, kMarker,
                                         kMarker, kMarker, kMarker, kMarker}));
}

TEST_F(ChannDefaults, BothInOrderGiveTheFactoryChannelTable) {
  // A programmed radio's channel area, as the channel window's Default finds it.
  for (int r = 0; r <= 199; ++r) PutBytes(s.Image, r, 0, Row(16, 0x11));
  const img::Image before = s.Image;
  const img::Image want = ExpectedWeather(ExpectedServiceTable(before));
  Chann_defaults_init(s.Image);
  Wx_chann_init(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
  for (int n : {0, 16, 100, 192}) EXPECT_EQ(RowBytes(s.Image, n), Row(16, 0xFF)) << "channel " << n;
}

}  // namespace

#include "image/freq_codec.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::array<int, 4>;  // image bytes k..k+3, least significant first

Bytes Stored(const SessionAndImage& st, int row, int byte) {
  return {st.Image(row, byte), st.Image(row, byte + 1), st.Image(row, byte + 2), st.Image(row, byte + 3)};
}

struct EncodeCase {
  const char* text;
  const char* normalised;
  Bytes bytes;
};

}  // namespace

TEST(FreqCodec, EncodesSnapsAndNormalises) {
  const EncodeCase cases[] = {
      {"151.82", "151.82000", {0x00, 0x20, 0x18, 0x15}},
      {"151.80625", "151.80625", {0x25, 0x06, 0x18, 0x15}},
      {"150", "150.00000", {0x00, 0x00, 0x00, 0x15}},
      // Down onto 2.5 kHz: 145.0037 is 1.2 kHz past 145.0025 and 3.7 past 145.000 (6.25).
      {"145.0037", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      // Down onto 6.25 kHz: 1.24 kHz past 145.00625 beats 2.49 kHz past 145.005.
      {"145.00749", "145.00625", {0x25, 0x06, 0x50, 0x14}},
      // On both rasters: stays.
      {"145.0125", "145.01250", {0x50, 0x12, 0x50, 0x14}},
      // Always downwards, never up to the next point.
      {"439.99999", "439.99750", {0x50, 0x97, 0x99, 0x43}},
      {"999.99999", "999.99750", {0x50, 0x97, 0x99, 0x99}},
      // Up to 1 Hz below a point counts as the point; 1.1 Hz below does not.
      {"145.004999", "145.00500", {0x00, 0x05, 0x50, 0x14}},
      {"145.0049989", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      // 1 Hz below a point of both rasters.
      {"145.012499", "145.01250", {0x50, 0x12, 0x50, 0x14}},
      // Blanks and trailing text are ignored; a text that is no number is 0 MHz.
      {" 1 36.025 MHz", "136.02500", {0x00, 0x25, 0x60, 0x13}},
      {"abc", "0.0000000", {0x00, 0x00, 0x00, 0x00}},
      {"", "0.0000000", {0x00, 0x00, 0x00, 0x00}},
      // Below 100 MHz the entered text is still padded to nine characters.
      {"44.8625", "44.862500", {0x50, 0x62, 0x48, 0x04}},
      {"0.0025", "0.0025000", {0x50, 0x02, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    SessionAndImage st;
    QString text = QString::fromUtf8(c.text);
    text = Freq_to_image(st.Image, text, 7, 4);
    EXPECT_EQ(text.toStdString(), c.normalised) << c.text;
    EXPECT_EQ(Stored(st, 7, 4), c.bytes) << c.text;
    // Neighbouring cells stay untouched.
    EXPECT_EQ(st.Image(7, 3), 0) << c.text;
    EXPECT_EQ(st.Image(7, 8), 0) << c.text;
  }
}

TEST(FreqCodec, FrequencyOutsideTheFormStoresNothing) {
  struct Case {
    const char* text;
    const char* normalised;
  };
  const Case cases[] = {
      {"-5", "-5.000000"},     {"-0.0025", "-0.002500"},   {"1000", "1000.0000"},
      {"1600.5", "1600.5000"}, {"1e12", "1000000000000."},
  };
  for (const auto& c : cases) {
    SessionAndImage st;
    st.Image.fillRows(0, img::kFillLastRow, img::kEmpty);
    QString text = QString::fromUtf8(c.text);
    text = Freq_to_image(st.Image, text, 3, 0);
    EXPECT_EQ(text.toStdString(), c.normalised) << c.text;
    EXPECT_EQ(Stored(st, 3, 0), (Bytes{0xFF, 0xFF, 0xFF, 0xFF})) << c.text;
  }
}

TEST(FreqCodec, PlaceOutsideTheImageStoresNothing) {
  SessionAndImage st;
  const img::Image before = st.Image;
  for (const auto& [row, byte] : {std::pair{-1, 0}, {img::kRows, 0}, {0, 13}, {0, -1}}) {
    QString text = "151.82";
    text = Freq_to_image(st.Image, text, row, byte);
    EXPECT_EQ(text, "151.82000");
  }
  EXPECT_EQ(st.Image, before);
}

TEST(FreqCodec, BcdDigitsMostSignificantFirst) {
  using Out = std::array<std::uint8_t, 4>;
  EXPECT_EQ(Freq_to_bcd("151.82"), (Out{0x15, 0x18, 0x20, 0x00}));
  EXPECT_EQ(Freq_to_bcd("151.82000"), (Out{0x15, 0x18, 0x20, 0x00}));
  // Digits below 10 Hz are dropped, not rounded.
  EXPECT_EQ(Freq_to_bcd("151.823459"), (Out{0x15, 0x18, 0x23, 0x45}));
  EXPECT_EQ(Freq_to_bcd("0.0000000"), (Out{0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(Freq_to_bcd("999.99999"), (Out{0x99, 0x99, 0x99, 0x99}));
  EXPECT_FALSE(Freq_to_bcd("1000"));
  EXPECT_FALSE(Freq_to_bcd("-0.01"));
}

TEST(FreqCodec, DecodesStoredBytes) {
  struct Case {
    Bytes bytes;
    const char* text;
  };
  const Case cases[] = {
      {{0x00, 0x20, 0x18, 0x15}, "151.82000"},
      {{0x00, 0x00, 0x00, 0x15}, "150.00000"},
      {{0x05, 0x00, 0x00, 0x10}, "100.00005"},
      {{0x50, 0x62, 0x48, 0x04}, "44.86250"},
      {{0x09, 0x00, 0x00, 0x01}, "10.00009"},
      {{0x00, 0x00, 0x05, 0x00}, "0.500000"},
      {{0x00, 0x00, 0x50, 0x00}, "5.000000"},
      {{0x00, 0x00, 0x00, 0x00}, "0.000000"},
      // Nibbles of 10..15 count with their face value.
      {{0x0A, 0x00, 0x00, 0x15}, "150.00010"},
      {{0x00, 0x00, 0x00, 0xF0}, "1500.0000"},
      {{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},
  };
  for (const auto& c : cases) {
    const auto b = [&](int i) { return static_cast<std::uint8_t>(c.bytes[static_cast<std::size_t>(i)]); };
    EXPECT_EQ(Bcd_to_freq(b(0), b(1), b(2), b(3)).toStdString(), c.text);
  }
}

TEST(FreqCodec, EveryRasterPointComesBackAsEntered) {
  // All 2.5 kHz and 6.25 kHz points of both bands: a point snaps onto itself
  // and decodes to the text it was entered as.
  SessionAndImage st;
  const auto stored = [&](int i) { return static_cast<std::uint8_t>(st.Image(0, i)); };
  for (const auto& [first, last] : {std::pair{13000000LL, 18000000LL}, {40000000LL, 52000000LL}}) {
    for (long long hz10 = first; hz10 <= last; hz10 += 25) {  // 10 Hz units, 250 Hz apart
      if (hz10 % 250 != 0 && hz10 % 625 != 0) continue;
      const QString entered =
          QString::number(hz10 / 100000) + u'.' + QString::number(hz10 % 100000).rightJustified(5, u'0');
      QString text = entered;
      text = Freq_to_image(st.Image, text, 0, 0);
      ASSERT_EQ(text, entered);
      ASSERT_EQ(Bcd_to_freq(stored(0), stored(1), stored(2), stored(3)), entered);
    }
  }
}

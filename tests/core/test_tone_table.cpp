#include "image/tone_table.h"
#include "support/session_and_image.h"

#include "platform/core/numbers.h"

#include <gtest/gtest.h>

namespace {

struct Entry {
  int index;
  const char* text;
};

SessionAndImage WithTables() {
  SessionAndImage st;
  Tone_table_init(st);
  return st;
}

}  // namespace

TEST(ToneTable, ToneListEntriesKeepTheirPadding) {
  const SessionAndImage st = WithTables();
  ASSERT_EQ(st.Tone_list.size(), 2301);
  const Entry cases[] = {
      {0, "   OFF      "}, {1, "   67.0    "}, {9, "   88.5    "}, {10, "  91.5    "},
      {12, "  97.4    "},  {13, "  100.0   "}, {50, "  254.1   "}, {51, "  D023N   "},
      {99, "  D266N   "},  {100, " D271N   "}, {155, " D754N   "}, {156, " D023I   "},
      {204, " D266I   "},  {260, " D754I   "}, {261, ""},          {2300, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(st.Tone_list[c.index].toStdString(), c.text) << c.index;
}

TEST(ToneTable, FineListEntriesAreUnpadded) {
  const SessionAndImage st = WithTables();
  ASSERT_EQ(st.Tone_list_fine.size(), 2301);
  const Entry cases[] = {
      {0, "OFF"},      {1, "60.0"},     {2, "60.1"},     {10, "60.9"},    {11, "61.0"},
      {41, "64.0"},    {71, "67.0"},    {401, "100.0"},  {2000, "259.9"}, {2001, "D023N"},
      {2105, "D754N"}, {2106, "D023I"}, {2210, "D754I"}, {2211, ""},      {2300, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(st.Tone_list_fine[c.index].toStdString(), c.text) << c.index;
}

TEST(ToneTable, CodesMatchBetweenTheLists) {
  const SessionAndImage st = WithTables();
  // CTCSS entry i of the grid list is code tone x 10, which is fine entry code - 599.
  for (int i = tone::kCtcssFirst; i < tone::kDcsFirst; ++i) {
    const int code = tone::kCtcssTenths[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(st.Tone_list_fine[code - 599], st.Tone_list[i].trimmed()) << i;
    EXPECT_EQ(static_cast<int>(num::RoundHalfEven(num::Val(st.Tone_list[i]) * 10)), code) << i;
  }
  // DCS code d is grid entry d + 50 and fine entry d + 2000.
  for (int d = 1; d <= 210; ++d) EXPECT_EQ(st.Tone_list_fine[d + 2000], st.Tone_list[d + 50].trimmed()) << d;
  EXPECT_EQ(tone::kCtcssTenths[0], 0x029E);
}

TEST(ToneTable, CtcssTextToToneCode) {
  struct Case {
    const char* text;
    int low, high;  // expected cells; -1 -1 means unchanged
  };
  const Case cases[] = {
      {"67.0", 0x9E, 0x02},
      {"254.1", 0xED, 0x09},
      {"100", 0xE8, 0x03},
      {"  88.5    ", 0x75, 0x03},
      {"FF", 0xFF, 0xFF},
      // One code, rounded once: 255.9 tenths is 256 = 0x0100, not a low byte of 256.
      {"25.59", 0x00, 0x01},
      {"51.19", 0x00, 0x02},
      {"254.99", 0xF6, 0x09},
      // Halves go to the even neighbour.
      {"67.05", 0x9E, 0x02},
      {"67.15", 0xA0, 0x02},
      {"67.25", 0xA0, 0x02},
      // Below 25.6 Hz the high byte is 0 (readers take it for DCS); kept as it is.
      {"10", 0x64, 0x00},
      // Outside 0 < v < 255, and a lower-case ff: nothing is written.
      {"0", -1, -1},
      {"255", -1, -1},
      {"ff", -1, -1},
      {"-67", -1, -1},
      {"abc", -1, -1},
      {"", -1, -1},
      {"FF ", -1, -1},
  };
  for (const auto& c : cases) {
    SessionAndImage st;
    st.Image(20, 8) = 0x55;
    st.Image(20, 9) = 0x66;
    Ctcss_to_image(st.Image, QString::fromUtf8(c.text), 20, 8);
    const int low = c.low < 0 ? 0x55 : c.low, high = c.high < 0 ? 0x66 : c.high;
    EXPECT_EQ(st.Image(20, 8), low) << c.text;
    EXPECT_EQ(st.Image(20, 9), high) << c.text;
    EXPECT_EQ(st.Image(20, 7), 0) << c.text;
    EXPECT_EQ(st.Image(20, 10), 0) << c.text;
  }
}

TEST(ToneTable, CtcssPlaceOutsideTheImageWritesNothing) {
  SessionAndImage st;
  const img::Image before = st.Image;
  Ctcss_to_image(st.Image, "67.0", img::kRows, 0);
  Ctcss_to_image(st.Image, "67.0", 0, 15);
  Ctcss_to_image(st.Image, "FF", -1, 0);
  EXPECT_EQ(st.Image, before);
}

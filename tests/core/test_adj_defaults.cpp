#include "image/adj_defaults.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int16_t kMarker = 0x3C;
constexpr int K = kMarker;  // a cell the factory table leaves alone
using Row = std::vector<int>;

Clock FixedClock(DateTime t) {
  return [t] { return t; };
}

Row AdjRow(const SessionAndImage& s, int r, int cols = 16) {
  Row out;
  for (int c = 0; c < cols; ++c) out.push_back(s.AdjDefaults[r][c]);
  return out;
}

std::string Stamp(const SessionAndImage& s) {
  std::string out;
  for (int c = 0; c < 14; ++c) out += static_cast<char>(s.AdjDefaults[14][c]);
  return out;
}

class AdjDefaults : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& row : s.AdjDefaults) row.fill(kMarker);
  }
  SessionAndImage s;
};

TEST_F(AdjDefaults, FactoryTableRowByRow) {
  Adj_defaults_init(s, FixedClock({2026, 12, 8, 18, 44, 0}));
  const std::vector<Row> want{
      {211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226},
      {231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246},
      {151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166},
      {171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186},
      {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116},
      {121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136},
      {0, 24, 24, 24, 24, 25, 26, 27, 28, 29, K, K, K, K, K, K},
      {3, 4, 4, 4, 4, 4, 4, 4, 3, 2, 1, 0, 0, 0, 0, 0},
      {0, 16, 17, 18, 19, 20, 21, 22, 23, 24, K, K, K, K, K, K},
      {3, 4, 4, 4, 4, 3, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0},
      {48, 13, 8, 60, 191, 255, 0, 0, K, K, 110, 115, 118, 125, 135, 160},
      {127, 20, 32, 42, 52, 62, 72, 84, 95, 106, 117, K, K, K, 132, 5},
      {1, 1, 0x30, 1, 0x79, 1, 4, 0x00, 5, 0x20, 1, 4, 0x00, 5, 0x20, 1},
      {0x52, 0x44, 0x41, 0x31, 0x38, 0x34, 0x36, 0x20, 0x53, 0x53, 0x53, 0x53, 0x53, 0x20, K, K},
      {'2', '6', '1', '2', '0', '8', 'N', 'B', '5', 'R', '0', '0', '0', '1', K, K},
      // Both password fields blank (no password), then 3, 0x49 0x35, 15.
      {0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 3, 0x49, 0x35, 15},
  };
  for (int r = 0; r < 16; ++r) EXPECT_EQ(AdjRow(s, r), want[r]) << "row " << r;
  for (int r = 0; r <= 32; ++r) EXPECT_EQ(s.AdjDefaults[r][16], kMarker) << "row " << r << " column 16";
  for (int r = 16; r <= 32; ++r) EXPECT_EQ(AdjRow(s, r, 17), Row(17, kMarker)) << "row " << r;
}

TEST_F(AdjDefaults, StampHourLetterAtTheBoundaries) {
  struct Case {
    int hour, minute;
    char letter;
  };
  for (const Case c : {Case{0, 30, 'A'}, Case{12, 59, 'A'}, Case{13, 0, 'P'}, Case{17, 59, 'P'}, Case{18, 0, 'N'},
                       Case{23, 59, 'N'}}) {
    Adj_defaults_init(s, FixedClock({2026, 6, 15, c.hour, c.minute, 0}));
    EXPECT_EQ(Stamp(s), std::string("260615") + c.letter + "B5R0001") << c.hour << ":" << c.minute;
  }
}

TEST_F(AdjDefaults, StampPadsMonthAndDayAndTakesTheYearsLastTwoDigits) {
  Adj_defaults_init(s, FixedClock({2031, 3, 5, 9, 0, 0}));
  EXPECT_EQ(Stamp(s), "310305AB5R0001");
  Adj_defaults_init(s, FixedClock({2100, 10, 31, 13, 0, 0}));
  EXPECT_EQ(Stamp(s), "001031PB5R0001");
}

TEST_F(AdjDefaults, StampComesFromOneClockReading) {
  // The clock moves on at every reading: the stamp must still be one moment.
  struct Case {
    DateTime first, later;
    const char* stamp;
  };
  const Case cases[] = {
      {{2026, 12, 31, 23, 59, 59}, {2027, 1, 1, 0, 0, 0}, "261231NB5R0001"},   // new year
      {{2027, 3, 14, 23, 59, 59}, {2027, 3, 15, 0, 0, 0}, "270314NB5R0001"},   // midnight
      {{2027, 3, 14, 12, 59, 59}, {2027, 3, 14, 13, 0, 0}, "270314AB5R0001"},  // 13:00
      {{2027, 3, 14, 17, 59, 59}, {2027, 3, 14, 18, 0, 0}, "270314PB5R0001"},  // 18:00
  };
  for (const Case& c : cases) {
    int readings = 0;
    const Clock moving = [&] { return readings++ == 0 ? c.first : c.later; };
    Adj_defaults_init(s, moving);
    EXPECT_EQ(Stamp(s), c.stamp);
    EXPECT_EQ(readings, 1);
  }
}

TEST_F(AdjDefaults, TwoCallsWithinAnHourGiveTheSameTable) {
  Adj_defaults_init(s, FixedClock({2026, 12, 8, 14, 0, 0}));
  const SessionAndImage::AdjGrid first = s.AdjDefaults;
  Adj_defaults_init(s, FixedClock({2026, 12, 8, 14, 59, 59}));
  EXPECT_EQ(s.AdjDefaults, first);
}

}  // namespace

#include "platform/core/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

struct ValCase {
  const char* text;
  double value;
};

TEST(Numbers, ValReadsTheLeadingNumber) {
  const ValCase cases[] = {
      {"151.82", 151.82},
      {"  151.82MHz", 151.82},
      {"1 5 1.8 2", 151.82},
      {"-3.5", -3.5},
      {"+7", 7},
      {"abc", 0},
      {"", 0},
      {".5", 0.5},
      {"12abc", 12},
      {"1e3", 1000},
      {"1e", 1},
      {"4.", 4},
      {"-", 0},
      {"00012", 12},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(num::Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, ValBeyondTheRangeOfADouble) {
  // Too small reads as 0, too large as infinity, with its sign.
  const std::string tiny = "0." + std::string(400, '0') + "1";
  const std::string huge = "1" + std::string(400, '0');
  const double inf = std::numeric_limits<double>::infinity();
  const ValCase cases[] = {
      {"1e-400", 0},
      {"-1e-400", 0},
      {tiny.c_str(), 0},
      {"12.5e-330", 0},
      {"1e400", inf},
      {"-1e400", -inf},
      {huge.c_str(), inf},
      {"0.001e312", inf},
      {"1e99999999999999999999", inf},
      {"1e-99999999999999999999", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(num::Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

struct PlainCase {
  double value;
  const char* plain;
  const char* sign;
};

TEST(Numbers, PlainAndSignedForms) {
  const PlainCase cases[] = {
      {151.82, "151.82", " 151.82"},
      {130, "130", " 130"},
      {0, "0", " 0"},
      {-3, "-3", "-3"},
      {0.00001, "0.00001", " 0.00001"},
      {136.025, "136.025", " 136.025"},
      {1e15, "1000000000000000", " 1000000000000000"},
      {0.1 + 0.2, "0.3", " 0.3"},
      {-0.5, "-0.5", "-0.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(num::Plain(c.value).toStdString(), c.plain);
    EXPECT_EQ(num::Signed(c.value).toStdString(), c.sign);
  }
}

TEST(Numbers, RoundHalfEven) {
  EXPECT_EQ(num::RoundHalfEven(2.5), 2);
  EXPECT_EQ(num::RoundHalfEven(3.5), 4);
  EXPECT_EQ(num::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(num::RoundHalfEven(2.4), 2);
}

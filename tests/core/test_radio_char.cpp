#include "image/radio_char.h"

#include <gtest/gtest.h>

TEST(RadioChar, TextToByte) {
  struct Case {
    const char* text;
    int byte;
  };
  const Case cases[] = {
      {"0", 48},
      {"9", 57},
      {"A", 65},
      {"a", 65},
      {"Z", 90},
      {"z", 90},
      {"+", 43},
      {"-", 45},
      {" ", 32},
      {"*", 11},
      {"", 11},
      {"AB", 11},
      {"a ", 11},
      {"/", 11},
      {":", 11},
      {"@", 11},
      {"[", 11},
      {"`", 11},
      {"{", 11},
      {"\xC3\xA9", 11} /* e acute */,
      {"\xEF\xBD\x81", 11} /* full-width a */,
  };
  for (const auto& c : cases) EXPECT_EQ(Char_to_byte(QString::fromUtf8(c.text)), c.byte) << c.text;
}

TEST(RadioChar, ByteToText) {
  struct Case {
    int byte;
    const char* text;
  };
  const Case cases[] = {
      {65, "A"}, {90, "Z"}, {48, "0"}, {57, "9"}, {32, " "}, {43, "+"}, {45, "-"}, {11, ""},  {97, ""},       {122, ""},
      {255, ""}, {0, ""},   {47, ""},  {58, ""},  {64, ""},  {91, ""},  {-1, ""},  {256, ""}, {256 + 65, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Byte_to_char(c.byte).toStdString(), c.text) << c.byte;
}

TEST(RadioChar, EveryByteOfTheSetRoundTrips) {
  int inSet = 0;
  for (int b = 0; b <= 255; ++b) {
    const QString ch = Byte_to_char(b);
    if (ch.isEmpty()) continue;
    ++inSet;
    EXPECT_EQ(Char_to_byte(ch), b) << b;
  }
  EXPECT_EQ(inSet, 10 + 26 + 3);
}

TEST(RadioChar, TextComesBackInCapitalsWithoutForeignCharacters) {
  const QString text = "Ab c*9+-!z";
  QString back;
  for (const QChar ch : text) back += Byte_to_char(Char_to_byte(QString(ch)));
  EXPECT_EQ(back, "AB C9+-Z");
}

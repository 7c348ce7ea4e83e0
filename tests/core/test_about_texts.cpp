#include "app/about_texts.h"

#include <gtest/gtest.h>
#include <QStringList>

#include <cstdint>

TEST(AboutTexts, ButtonTextsFollowTheFlag) {
  const AboutTexts& t = kAboutTexts;
  EXPECT_EQ(t.ok.in(std::int16_t{0}), QStringLiteral("Confirm"));
  EXPECT_EQ(t.sysinfo.in(std::int16_t{0}), QStringLiteral("System Information(&S)..."));
  const QStringList english{t.title.in(false), t.version.in(false), t.desc.in(false), t.warning.in(false)};

  EXPECT_EQ(t.ok.in(std::int16_t{-1}), QStringLiteral("确定"));
  EXPECT_EQ(t.sysinfo.in(std::int16_t{-1}), QStringLiteral("系统信息(&S)..."));
  const QStringList chinese{t.title.in(true), t.version.in(true), t.desc.in(true), t.warning.in(true)};

  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(english[i].isEmpty()) << i;
    EXPECT_FALSE(chinese[i].isEmpty()) << i;
    EXPECT_NE(english[i], chinese[i]) << i;
  }
}

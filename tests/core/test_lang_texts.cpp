#include "app/lang_texts.h"

#include <gtest/gtest.h>

TEST(LangTexts, ButtonTextsFollowTheFlag) {
  SharedState st;
  st.Lang_chn = 0;
  Lang_texts_init(st);
  EXPECT_EQ(st.About_ok, QStringLiteral("Confirm"));
  EXPECT_EQ(st.About_sysinfo, QStringLiteral("System Information(&S)..."));
  const QStringList english{st.About_title, st.About_version, st.About_desc, st.About_warning};

  st.Lang_chn = -1;
  Lang_texts_init(st);
  EXPECT_EQ(st.About_ok, QStringLiteral("确定"));
  EXPECT_EQ(st.About_sysinfo, QStringLiteral("系统信息(&S)..."));
  const QStringList chinese{st.About_title, st.About_version, st.About_desc, st.About_warning};

  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(english[i].isEmpty()) << i;
    EXPECT_FALSE(chinese[i].isEmpty()) << i;
    EXPECT_NE(english[i], chinese[i]) << i;
  }

  // Back to English: the same texts as the first time.
  st.Lang_chn = 0;
  Lang_texts_init(st);
  EXPECT_EQ((QStringList{st.About_title, st.About_version, st.About_desc, st.About_warning}), english);
}

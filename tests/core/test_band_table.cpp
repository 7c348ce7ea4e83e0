#include "image/band_table.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

TEST(BandTable, StartupTakesEntryZero) {
  SessionAndImage st;
  // Left over from somewhere else: all of it is replaced.
  st.Model_index = 0;
  st.Freq_vhf_low = 136, st.Freq_vhf_high = 174, st.Freq_uhf_low = 420, st.Freq_uhf_high = 470;
  Band_startup(st);
  ASSERT_EQ(st.Model_names.size(), 11);
  EXPECT_EQ(st.Model_names[0], "VHF0/UHF0");
  for (int i = 1; i < 11; ++i) EXPECT_TRUE(st.Model_names[i].isEmpty()) << i;
  EXPECT_EQ(st.Band_table[0], (std::array<Int16, 4>{130, 179, 400, 520}));
  EXPECT_EQ(st.Model_index, 0);
  EXPECT_EQ(st.Freq_vhf_low, 130);
  EXPECT_EQ(st.Freq_vhf_high, 179);
  EXPECT_EQ(st.Freq_uhf_low, 400);
  EXPECT_EQ(st.Freq_uhf_high, 520);
  EXPECT_EQ(Band_panel7_text(st).toStdString(), "VHF0: 130 -   179MHZ");
  EXPECT_EQ(Band_panel8_text(st).toStdString(), "UHF0: 400 -   520MHZ");
}

TEST(BandTable, InitAloneLeavesTheSecondBand) {
  SessionAndImage st;
  st.Freq_vhf_low = 1, st.Freq_vhf_high = 2, st.Freq_uhf_low = 420, st.Freq_uhf_high = 470;
  Band_table_init(st);
  EXPECT_EQ(st.Freq_vhf_low, 130);
  EXPECT_EQ(st.Freq_vhf_high, 179);
  EXPECT_EQ(st.Freq_uhf_low, 420);
  EXPECT_EQ(st.Freq_uhf_high, 470);
}

TEST(BandTable, PanelsShowTheCurrentLimits) {
  SessionAndImage st;
  Band_startup(st);
  st.Freq_vhf_low = 136, st.Freq_vhf_high = 174, st.Freq_uhf_low = 400, st.Freq_uhf_high = 1000;
  EXPECT_EQ(Band_panel7_text(st).toStdString(), "VHF0: 136 -   174MHZ");
  EXPECT_EQ(Band_panel8_text(st).toStdString(), "UHF0: 400 -   1000MHZ");
  st.Freq_vhf_low = -5;
  EXPECT_EQ(Band_panel7_text(st).toStdString(), "VHF0:-5 -   174MHZ");
}

TEST(BandTable, DialogTextsOfAnEntry) {
  SessionAndImage st;
  Band_startup(st);
  EXPECT_EQ(Band_name(st, 0, 0).toStdString(), "VHF0");
  EXPECT_EQ(Band_name(st, 0, 1).toStdString(), "UHF0");
  EXPECT_EQ(Band_range_text(st, 0, 0).toStdString(), " 130MHZ  -   179MHZ");
  EXPECT_EQ(Band_range_text(st, 0, 1).toStdString(), " 400MHZ  -   520MHZ");
  // A name with outer blanks is trimmed before it is cut.
  st.Model_names[0] = "  VHF0/UHF0 ";
  EXPECT_EQ(Band_name(st, 0, 0).toStdString(), "VHF0");
  EXPECT_EQ(Band_name(st, 0, 1).toStdString(), "UHF0");
}

TEST(BandTable, LimitsFromAnEntry) {
  SessionAndImage st;
  Band_startup(st);
  st.Band_table[3] = {136, 174, 400, 480};
  Band_limits_from_entry(st, 3);
  EXPECT_EQ(st.Freq_vhf_low, 136);
  EXPECT_EQ(st.Freq_vhf_high, 174);
  EXPECT_EQ(st.Freq_uhf_low, 400);
  EXPECT_EQ(st.Freq_uhf_high, 480);
}

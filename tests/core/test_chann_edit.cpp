// The channel editor's rules that need no window: frequency limits and texts,
// list items, and how choices, tones and names land in the records.
#include "channels/chann_codec.h"
#include "channels/chann_edit.h"
#include "image/tone_table.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

using namespace chann;

namespace {

class ChannEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    st.Image.clear(0xFF);
    Tone_table_init(st);
    limits(130, 179, 400, 520);
  }
  void limits(double vl, double vh, double ul, double uh) {
    st.Freq_vhf_low = vl, st.Freq_vhf_high = vh, st.Freq_uhf_low = ul, st.Freq_uhf_high = uh;
  }
  SessionAndImage st;
};

}  // namespace

// The commit's first band reaches up to (not including) one MHz above its
// limit; Enter's ends at the limit. 1000 MHz and more never fit.
TEST_F(ChannEdit, FrequencyLimits) {
  struct Case {
    double f;
    bool commitOut, enterOut;
  };
  const Case cases[] = {
      {130, false, false},   {129.99, true, true}, {179, false, false},  {179.5, false, true},
      {179.99, false, true}, {180, true, true},    {399.99, true, true}, {400, false, false},
      {520, false, false},   {520.01, true, true}, {0, true, true},      {-145, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Freq_out_of_range(st, c.f), c.commitOut) << c.f;
    EXPECT_EQ(Freq_out_of_range_enter(st, c.f), c.enterOut) << c.f;
  }
  // Limits that reach past the form: the ceiling still holds.
  limits(130, 179, 400, 1200);
  for (double f : {999.99, 1000.0, 1100.0}) {
    EXPECT_EQ(Freq_out_of_range(st, f), f >= 1000) << f;
    EXPECT_EQ(Freq_out_of_range_enter(st, f), f >= 1000) << f;
  }
}

TEST_F(ChannEdit, FrequencyTexts) {
  EXPECT_EQ(Freq_replacement(st).toStdString(), "130.00000");
  EXPECT_EQ(Freq_low_text(st).toStdString(), "130.0");
  limits(88, 108, 400, 520);
  EXPECT_EQ(Freq_replacement(st).toStdString(), "88.00000");
  EXPECT_EQ(Freq_low_text(st).toStdString(), "88");
  limits(1000, 1100, 1200, 1300);
  EXPECT_EQ(Freq_replacement(st).toStdString(), "1000");

  struct Case {
    const char *typed, *shown;
  };
  const Case forms[] = {
      {"145.5", "145.50000"},  {"145", "145.00000"}, {"145.123456", "145.12345"},
      {"44.8625", "44.86250"}, {"", ".0000000"},     {"146.52000", "146.52000"},
  };
  for (const Case& c : forms)
    EXPECT_EQ(Freq_display_form(QString::fromLatin1(c.typed)).toStdString(), c.shown) << c.typed;
}

TEST_F(ChannEdit, ListItems) {
  EXPECT_EQ(Chann_list_items(st, kColBand), QStringList{"VHF/UHF"});
  const QStringList tones = Chann_list_items(st, kColRxTone);
  ASSERT_EQ(tones.size(), 261);
  EXPECT_EQ(tones[0], QStringLiteral("OFF"));
  EXPECT_EQ(tones[1], QStringLiteral("67.0"));
  EXPECT_EQ(tones[50], QStringLiteral("254.1"));
  EXPECT_EQ(tones[51], QStringLiteral("D023N"));
  EXPECT_EQ(tones[260], QStringLiteral("D754I"));
  EXPECT_EQ(Chann_list_items(st, kColTxTone), tones);
  EXPECT_EQ(Chann_list_items(st, kColSigCode).size(), 15);
  EXPECT_EQ(Chann_list_items(st, kColSigCode).back(), QStringLiteral("15"));
  for (int c : {kColNumber, kColRx, kColTx, kColName}) EXPECT_TRUE(Chann_list_items(st, c).isEmpty()) << c;
}

TEST_F(ChannEdit, ToneCodes) {
  EXPECT_EQ(Tone_code_of_choice(0, "OFF"), 0);
  EXPECT_EQ(Tone_code_of_choice(1, "67.0"), 670);
  EXPECT_EQ(Tone_code_of_choice(50, "254.1"), 2541);
  EXPECT_EQ(Tone_code_of_choice(51, "D023N"), 1);
  EXPECT_EQ(Tone_code_of_choice(260, "D754I"), 210);
  EXPECT_EQ(Tone_code_of_choice(261, ""), std::nullopt);
  EXPECT_EQ(Tone_code_of_choice(-1, "67.0"), std::nullopt);

  struct Case {
    const char* typed;
    std::optional<int> code;
  };
  const Case typed[] = {
      {"60", 600},      {"259.9", 2599}, {"59.9", std::nullopt},  {"260", std::nullopt}, {"100.55", 1006},
      {"100.45", 1004}, {"88.5", 885},   {"D023N", std::nullopt}, {"", std::nullopt},    {"67.", 670},
  };
  for (const Case& c : typed) EXPECT_EQ(Ctcss_code_of_text(QString::fromLatin1(c.typed)), c.code) << c.typed;
}

TEST_F(ChannEdit, ToneStore) {
  const int r = 11, row = 10;
  for (int c = 0; c < 16; ++c) st.Image(row, c) = static_cast<std::int16_t>(0x10 + c);
  Chann_tone_store(st.Image, r, kColRxTone, 0x0258);
  EXPECT_EQ((std::vector<int>{st.Image(row, 8), st.Image(row, 9), st.Image(row, 10), st.Image(row, 11)}),
            (std::vector<int>{0x58, 0x02, 0x58, 0x02}));
  Chann_tone_store(st.Image, r, kColTxTone, 0x0375);
  EXPECT_EQ((std::vector<int>{st.Image(row, 8), st.Image(row, 9), st.Image(row, 10), st.Image(row, 11)}),
            (std::vector<int>{0x58, 0x02, 0x75, 0x03}));
  EXPECT_EQ(st.Image(row, 12), 0x1C);
  EXPECT_EQ(st.Image(row, 13), 0x1D);
}

// A setting changes only its own bits.
TEST_F(ChannEdit, SettingChoices) {
  struct Case {
    int col, item, byte, before, after;
  };
  const Case cases[] = {
      {kColPower, 1, 14, 0xF2, 0xF1},    {kColPower, 0, 14, 0x01, 0x00},    {kColWidth, 0, 15, 0x0B, 0x4B},
      {kColWidth, 1, 15, 0xFF, 0xBF},    {kColPttId, 3, 15, 0x44, 0x47},    {kColPttId, 1, 15, 0xFF, 0xFD},
      {kColBusyLock, 1, 15, 0x00, 0x08}, {kColBusyLock, 0, 15, 0xFF, 0xF7}, {kColScanAdd, 0, 15, 0x44, 0x40},
      {kColScanAdd, 1, 15, 0x00, 0x04},  {kColSigCode, 14, 12, 0xA0, 0xAE}, {kColSigCode, 0, 12, 0x5F, 0x50},
  };
  const int r = 31, row = 30;
  for (const Case& c : cases) {
    for (int b = 0; b < 16; ++b) st.Image(row, b) = 0x33;
    st.Image(row, c.byte) = static_cast<std::int16_t>(c.before);
    Chann_setting_store(st.Image, r, c.col, c.item);
    EXPECT_EQ(st.Image(row, c.byte), c.after) << "column " << c.col << " item " << c.item;
    for (int b = 0; b < 16; ++b) {
      if (b != c.byte) {
        EXPECT_EQ(st.Image(row, b), 0x33) << "column " << c.col << " byte " << b;
      }
    }
  }
  // A position past the column's list, or a cell outside a byte, never leaves a non-byte.
  st.Image(row, 15) = 0x44;
  Chann_setting_store(st.Image, r, kColPttId, 4);
  Chann_setting_store(st.Image, r, kColSigCode, 15);
  EXPECT_EQ(st.Image(row, 15), 0x44);
  st.Image(row, 15) = 300;
  Chann_setting_store(st.Image, r, kColWidth, 0);
  EXPECT_EQ(st.Image(row, 15), (300 & 0xFF) | 0x40);
}

// Names: up to seven printable ASCII characters, 0xFF after them; bytes 7..15 kept.
TEST_F(ChannEdit, NameStore) {
  struct Case {
    QString name;
    std::vector<int> bytes;  // bytes 0..6
  };
  const Case cases[] = {
      {"ABCDEF", {'A', 'B', 'C', 'D', 'E', 'F', 0xFF}},
      {"ABCDEFGHI", {'A', 'B', 'C', 'D', 'E', 'F', 'G'}},
      {"ab c", {'a', 'b', ' ', 'c', 0xFF, 0xFF, 0xFF}},
      {QString::fromUtf8("Zürich信道\tX"), {'Z', 'r', 'i', 'c', 'h', 'X', 0xFF}},
      {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  const int r = 6, row = 256 + 5;
  for (const Case& c : cases) {
    for (int b = 0; b < 16; ++b) st.Image(row, b) = static_cast<std::int16_t>(0x20 + b);
    Chann_name_store(st.Image, r, c.name);
    std::vector<int> got;
    for (int b = 0; b < 7; ++b) got.push_back(st.Image(row, b));
    EXPECT_EQ(got, c.bytes) << c.name.toStdString();
    for (int b = 7; b < 16; ++b) EXPECT_EQ(st.Image(row, b), 0x20 + b);
  }
}

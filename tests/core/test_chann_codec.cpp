// The channel record as grid texts, read from a const image, and the routines
// that create, empty and normalise a channel.
#include "channels/chann_codec.h"
#include "image/tone_table.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace chann;

namespace {

// Columns 1..12 of a row's texts.
std::vector<std::string> Columns(const RowTexts& row) {
  std::vector<std::string> out;
  for (int c = 1; c <= 12; ++c) out.push_back(row[static_cast<std::size_t>(c)].toStdString());
  return out;
}
// Every cell of a row holding `text`.
RowTexts Filled(const char* text) {
  RowTexts row;
  row.fill(QString::fromLatin1(text));
  return row;
}

using Bytes = std::vector<int>;

class ChannCodec : public ::testing::Test {
 protected:
  void SetUp() override {
    st.Image.clear(0xFF);
    Tone_table_init(st);
  }
  // Channel n's record and name record.
  void put(int n, const Bytes& record, const Bytes& name = {}) {
    PutBytes(st.Image, n, 0, record);
    PutBytes(st.Image, 256 + n, 0, name);
  }
  Bytes record(int n) const { return rowBytes(n); }
  Bytes name(int n) const { return rowBytes(256 + n); }
  Bytes rowBytes(int row) const {
    Bytes out;
    for (int c = 0; c < 16; ++c) out.push_back(st.Image(row, c));
    return out;
  }
  SessionAndImage st;
};

const Bytes kAllFF(16, 0xFF);

// A programmed record: 146.52000 RX, 147.60000 TX, the given tones and settings.
Bytes Record(int rxLo, int rxHi, int txLo, int txHi, int b12, int b14, int b15) {
  return {0x00, 0x20, 0x65, 0x14, 0x00, 0x00, 0x76, 0x14, rxLo, rxHi, txLo, txHi, b12, 0x00, b14, b15};
}

}  // namespace

// One record and name record to the 12 texts of a row.
TEST_F(ChannCodec, RecordsToRowTexts) {
  struct Case {
    const char* what;
    Bytes record;
    Bytes name;
    std::array<const char*, 12> texts;  // columns 1..12
  };
  const Case cases[] = {
      {"CTCSS tones, factory-like settings",
       Record(0x9E, 0x02, 0xFD, 0x09, 0x00, 0x00, 0x44),
       {'A', 'B', 0xFF},
       {"VHF/UHF ", "146.52000", "147.60000", "67.0", "255.7", "HIGH", "W", "OFF", "OFF", "ON", "1", "AB"}},
      {"DCS normal: padded in RX, trimmed in TX",
       Record(0x01, 0x00, 0x01, 0x00, 0xF3, 0x01, 0x0B),
       {' ', 'A', ' ', 'B', 0xFF},
       {"VHF/UHF ", "146.52000", "147.60000", "  D023N   ", "D023N", "LOW", "N", "BOTH", "ON", "OFF", "4", "AB"}},
      {"DCS inverted, signal code 15",
       Record(0xD2, 0x00, 0xD2, 0x00, 0x0E, 0xFE, 0x45),
       {'O', 's', 't', 'r', '1', '-', '1'},
       {"VHF/UHF ", "146.52000", "147.60000", " D754I   ", "D754I", "HIGH", "W", "BOT", "OFF", "ON", "15", "Ostr1-1"}},
      {"OFF pairs; signal nibble 15 is empty; PTT-ID EOT",
       Record(0x00, 0x00, 0xFF, 0xFF, 0x0F, 0x00, 0x02),
       {0xFF, 'X'},
       {"VHF/UHF ", "146.52000", "147.60000", "OFF", "OFF", "HIGH", "N", "EOT", "OFF", "OFF", "", ""}},
      {"DCS index without list entry, foreign high bytes",
       Record(0xFF, 0x00, 0x10, 0x80, 0x00, 0x00, 0x00),
       {},
       {"VHF/UHF ", "146.52000", "147.60000", "", "", "HIGH", "N", "OFF", "OFF", "OFF", "1", ""}},
      {"smallest CTCSS code and a whole tone",
       Record(0x00, 0x01, 0xE8, 0x03, 0x00, 0x00, 0x00),
       {},
       {"VHF/UHF ", "146.52000", "147.60000", "25.6", "100.0", "HIGH", "N", "OFF", "OFF", "OFF", "1", ""}},
      {"no TX frequency: TX and TX tone empty",
       {0x50, 0x62, 0x48, 0x04, 0xFF, 0x00, 0x00, 0x00, 0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 0x44},
       {},
       {"VHF/UHF ", "44.86250", "", "67.0", "", "HIGH", "W", "OFF", "OFF", "ON", "1", ""}},
      {"name bytes beyond the printable set",
       Record(0, 0, 0, 0, 0, 0, 0),
       {0x41, 0x09, 0xE9, 0x7F, 0x42, 0x20, 0x43, 0x44},
       {"VHF/UHF ", "146.52000", "147.60000", "OFF", "OFF", "HIGH", "N", "OFF", "OFF", "OFF", "1", "A?\xC3\xA9?BC"}},
  };
  for (const Case& c : cases) {
    SetUp();
    put(7, c.record, c.name);
    const img::Image& image = st.Image;
    const RowTexts row = Chann_show(st, image, 8);
    std::vector<std::string> want(c.texts.begin(), c.texts.end());
    EXPECT_EQ(Columns(row), want) << c.what;
    EXPECT_EQ(row[kColNumber], QString()) << c.what;  // the window's
  }
}

// Cells outside 0..255 (only a hand-edited file brings them) never index past
// a list and never fail.
TEST_F(ChannCodec, CellsOutsideAByteShowEmptyTones) {
  put(3, Record(300, 0, 5, -1, 0x00, 0x00, 0x44), {'A', 400, 'B'});
  const RowTexts row = Chann_show(st, st.Image, 4);
  EXPECT_EQ(row[kColRxTone], QString());
  EXPECT_EQ(row[kColTxTone], QString());
  EXPECT_EQ(row[kColName], QStringLiteral("A?B"));
}

TEST_F(ChannCodec, ToneTexts) {
  struct Case {
    int low, high;
    const char *rx, *tx;
  };
  const Case cases[] = {
      {0x00, 0x00, "OFF", "OFF"},
      {0xFF, 0xFF, "OFF", "OFF"},
      {0xFF, 0x00, "", ""},
      {0x9E, 0x02, "67.0", "67.0"},
      {0xFD, 0x09, "255.7", "255.7"},
      {0x01, 0x00, "  D023N   ", "D023N"},
      {0xD2, 0x00, " D754I   ", "D754I"},
      {0xD3, 0x00, "", ""},
      {0x00, 0x7F, "3251.2", "3251.2"},
      {0x00, 0x80, "", ""},
      {0x12, 0xFE, "", ""},
      {0xFF, 0x0A, "281.5", "281.5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tone_text(st, c.low, c.high, false).toStdString(), c.rx) << c.low << "/" << c.high;
    EXPECT_EQ(Tone_text(st, c.low, c.high, true).toStdString(), c.tx) << c.low << "/" << c.high;
  }
}

// An empty record (byte 0 = 0xFF) shows an empty row, whatever the other
// bytes and its name record hold; only byte 0 decides. Normalising it makes
// both records all 0xFF and touches no other channel.
TEST_F(ChannCodec, EmptyRecordShowsEmptyAndIsNormalised) {
  Bytes junk = Record(0x9E, 0x02, 0x9E, 0x02, 0x31, 0x01, 0x4F);
  junk[0] = 0xFF;
  put(20, junk, {'N', 'A', 'M', 'E'});
  put(21, Record(0, 0, 0, 0, 0, 0, 0x44), {'K'});
  EXPECT_EQ(Columns(Chann_show(st, st.Image, 21)), std::vector<std::string>(12, ""));
  EXPECT_FALSE(Chann_is_normal(st.Image, 21));
  EXPECT_TRUE(Chann_is_normal(st.Image, 22));

  EXPECT_TRUE(Chann_normalise(st.Image, 21));
  EXPECT_EQ(record(20), kAllFF);
  EXPECT_EQ(name(20), kAllFF);
  EXPECT_TRUE(Chann_is_normal(st.Image, 21));
  EXPECT_FALSE(Chann_normalise(st.Image, 21));  // nothing more to do
  // Its neighbours are not touched, and a programmed channel is left as it is.
  EXPECT_FALSE(Chann_normalise(st.Image, 22));
  EXPECT_EQ(record(21)[15], 0x44);
  EXPECT_EQ(name(21)[0], 'K');
}

TEST_F(ChannCodec, NewClearParaAndClear) {
  const Bytes programmed = {0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15,
                            0x9E, 0x02, 0x9E, 0x02, 0xA3, 0x77, 0xF1, 0xBB};
  const Bytes named = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};

  // Chann_new: bytes 0..7 are the caller's; the row then shows the settings.
  put(4, programmed, named);
  Chann_new(st.Image, 5);
  EXPECT_EQ(record(4), (Bytes{0x00, 0x20, 0x18, 0x15, 0x00, 0x20, 0x18, 0x15, 0, 0, 0, 0, 0, 0, 0, 0x44}));
  EXPECT_EQ(name(4), kAllFF);
  const std::vector<std::string> shown = Columns(Chann_show(st, st.Image, 5));
  EXPECT_EQ(std::vector<std::string>(shown.begin() + (kColRxTone - 1), shown.end()),
            (std::vector<std::string>{"OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "1", ""}));

  // Both empty the records; Chann_clear also empties the row but its band.
  put(4, programmed, named);
  Chann_clear_para(st.Image, 5);
  EXPECT_EQ(record(4), kAllFF);
  EXPECT_EQ(name(4), kAllFF);
  put(4, programmed, named);
  RowTexts row = Filled("x");
  Chann_clear(st.Image, row, 5);
  EXPECT_EQ(Columns(row), (std::vector<std::string>{"x", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(row[kColNumber], QStringLiteral("x"));
  EXPECT_EQ(record(4), kAllFF);
  EXPECT_EQ(name(4), kAllFF);
}

TEST_F(ChannCodec, RowsOutsideTheChannelsAreIgnored) {
  const img::Image before = st.Image;
  const RowTexts untouched = Filled("x");
  for (int r : {0, 201, -1, 600}) {
    EXPECT_EQ(Columns(Chann_show(st, st.Image, r)), std::vector<std::string>(12, "")) << r;
    RowTexts row = untouched;
    Chann_new(st.Image, r);
    Chann_clear_para(st.Image, r);
    Chann_clear(st.Image, row, r);
    EXPECT_FALSE(Chann_normalise(st.Image, r));
    EXPECT_EQ(row, untouched) << r;
  }
  EXPECT_TRUE(st.Image == before);
}

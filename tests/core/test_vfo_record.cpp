// The VFO records: what the options window shows of a record, the nibble and
// bit lists, the tones, and what the first show writes back.
#include "image/settings_defaults.h"
#include "image/tone_table.h"
#include "settings/opt_lists.h"
#include "settings/vfo_freq.h"
#include "settings/vfo_record.h"
#include "settings/vfo_tone.h"
#include "state/image.h"
#include "state/session.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vfo;

namespace {

constexpr Bands kStartBands{{130, 179}, {400, 520}};

std::string Str(const QString& s) { return s.toStdString(); }

void Put(img::Image& im, Side s, int n, int v) { im.at(ByteCell(s, n)) = static_cast<std::int16_t>(v); }

TEST(VfoRecord, CellsOfBothRecords) {
  EXPECT_EQ(ByteCell(Side::A, 0), (img::Cell{240, 0}));
  EXPECT_EQ(ByteCell(Side::A, 26), (img::Cell{241, 10}));
  EXPECT_EQ(ByteCell(Side::B, 22), (img::Cell{243, 6}));
  EXPECT_EQ(ByteCell(Side::B, 31), (img::Cell{243, 15}));
}

TEST(VfoRecord, FrequencyTexts) {
  struct Case {
    std::vector<int> digits;
    std::string shown;
  };
  const Case cases[] = {
      {{1, 3, 6, 0, 2, 5, 0, 0}, "136.02500"},
      {{0, 4, 5, 0, 0, 0, 0, 0}, "45.00000"},  // a leading 0 is left out
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "."},
      {{4, 0xFF, 6, 0, 10, 5, 0, 0}, "46.0500"},  // bytes that are not digits add nothing
  };
  for (const Case& c : cases) {
    img::Image im;
    PutBytes(im, img::kVfoAFirst, kFreqFirst, c.digits);
    EXPECT_EQ(Str(FreqText(im, Side::A)), c.shown);
  }
}

TEST(VfoRecord, NibbleAndBitListsShow) {
  struct Case {
    int byte, value;
    List list;
    int shown;
  };
  const Case cases[] = {
      {kShiftSignal, 0x09, List::Shift, 0},
      {kShiftSignal, 0x09, List::SignalCode, 9},
      {kShiftSignal, 0x18, List::Shift, 1},
      {kShiftSignal, 0x18, List::SignalCode, 8},
      {kShiftSignal, 0x2E, List::Shift, 2},
      {kShiftSignal, 0x2E, List::SignalCode, 14},
      {kShiftSignal, 0xFF, List::Shift, 2},
      {kShiftSignal, 0xFF, List::SignalCode, 14},
      {kMuteOptSig, 0xFF, List::SpeakerMute, 2},
      {kMuteOptSig, 0xFF, List::OptSignal, 1},
      {kMuteOptSig, 0x11, List::SpeakerMute, 1},
      {kMuteOptSig, 0x11, List::OptSignal, 1},
      {kStep, 0x50, List::Step, 5},
      {kStep, 0x5F, List::Step, 5},
      {kStep, 0xF0, List::Step, 7},
      {kPowerWidth, 0x80, List::Power, 1},
      {kPowerWidth, 0x80, List::Bandwidth, 0},
      {kPowerWidth, 0x40, List::Power, 0},
      {kPowerWidth, 0x40, List::Bandwidth, 1},
      {kPowerWidth, 0xC0, List::Power, 1},
      {kPowerWidth, 0xC0, List::Bandwidth, 1},
      {kPowerWidth, 0x3F, List::Power, 0},
      {kPowerWidth, 0x3F, List::Bandwidth, 0},
      {kBand, 0, List::Band, 0},
      {kBand, 1, List::Band, 1},
      {kBand, 0xFF, List::Band, 1},
  };
  for (const Case& c : cases) {
    img::Image im;
    Put(im, Side::B, c.byte, c.value);
    EXPECT_EQ(ListShown(im, Side::B, c.list), c.shown) << "byte " << c.byte << " = " << c.value;
  }
}

TEST(VfoRecord, NibbleAndBitListsStoreKeepOtherBits) {
  img::Image im;
  im.clear(0x3C);
  const img::Image before = im;
  Put(im, Side::A, kShiftSignal, 0x0A);
  ListStore(im, Side::A, List::Shift, 2);
  EXPECT_EQ(Byte(im, Side::A, kShiftSignal), 0x2A);
  ListStore(im, Side::A, List::SignalCode, 2);
  EXPECT_EQ(Byte(im, Side::A, kShiftSignal), 0x22);

  Put(im, Side::A, kPowerWidth, 0x7F);
  ListStore(im, Side::A, List::Power, 1);  // LOW
  EXPECT_EQ(Byte(im, Side::A, kPowerWidth), 0xFF);
  ListStore(im, Side::A, List::Power, 0);  // HIGH
  EXPECT_EQ(Byte(im, Side::A, kPowerWidth), 0x7F);
  Put(im, Side::A, kPowerWidth, 0x80);
  ListStore(im, Side::A, List::Bandwidth, 1);  // NARROR
  EXPECT_EQ(Byte(im, Side::A, kPowerWidth), 0xC0);
  ListStore(im, Side::A, List::Bandwidth, 0);
  EXPECT_EQ(Byte(im, Side::A, kPowerWidth), 0x80);

  Put(im, Side::A, kStep, 0x5F);
  ListStore(im, Side::A, List::Step, 3);
  EXPECT_EQ(Byte(im, Side::A, kStep), 0x3F);
  Put(im, Side::A, kMuteOptSig, 0x21);
  ListStore(im, Side::A, List::SpeakerMute, 0);
  ListStore(im, Side::A, List::OptSignal, 0);
  EXPECT_EQ(Byte(im, Side::A, kMuteOptSig), 0x00);

  // An index outside the list and the band list store nothing.
  const img::Image kept = im;
  ListStore(im, Side::A, List::Shift, 3);
  ListStore(im, Side::A, List::SignalCode, -1);
  ListStore(im, Side::A, List::Step, 8);
  ListStore(im, Side::A, List::Band, 0);
  EXPECT_EQ(ImageDiff(im, kept), "");

  // Nothing outside VFO A's bytes 28..31 changed.
  img::Image want = before;
  for (int n : {kShiftSignal, kMuteOptSig, kStep, kPowerWidth})
    want.at(ByteCell(Side::A, n)) = im.at(ByteCell(Side::A, n));
  EXPECT_EQ(ImageDiff(im, want), "");
}

// The items the options window's list of VFO A shows for a record list.
QStringList ListItems(List l, bool chinese) {
  const char* names[] = {"Combo_Band_A",   "Combo_sft_d_a", "Combo_S_info_a", "Combo_Spmute_a",
                         "Combo_Optsig_a", "Combo_step_a",  "Combo_txp_a",    "Combo_wn_a"};
  return Opt_list_items(*Opt_list(names[static_cast<int>(l)]), chinese, {});
}

TEST(VfoRecord, ListItemsInBothLanguages) {
  const List all[] = {List::Band,      List::Shift, List::SignalCode, List::SpeakerMute,
                      List::OptSignal, List::Step,  List::Power,      List::Bandwidth};
  const int counts[] = {2, 3, 15, 3, 2, 8, 2, 2};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(ListCount(all[i]), counts[i]);
    EXPECT_EQ(ListItems(all[i], false).size(), counts[i]);
    EXPECT_EQ(ListItems(all[i], true).size(), counts[i]);
  }
  EXPECT_EQ(ListItems(List::Band, true), (QStringList{"VHF", "UHF"}));
  EXPECT_EQ(ListItems(List::Shift, false), (QStringList{"OFF", "+", "-"}));
  EXPECT_EQ(ListItems(List::Shift, true), (QStringList{"关", "加频", "减频"}));
  EXPECT_EQ(ListItems(List::SignalCode, false).first(), "1");
  EXPECT_EQ(ListItems(List::SignalCode, true).last(), "15");
  EXPECT_EQ(ListItems(List::SpeakerMute, false), (QStringList{"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"}));
  EXPECT_EQ(ListItems(List::SpeakerMute, true), (QStringList{"哑音", "哑音与可选信令", "哑音或可选信令"}));
  EXPECT_EQ(ListItems(List::OptSignal, true), (QStringList{"关", "DTMF"}));
  EXPECT_EQ(ListItems(List::Step, false), (QStringList{"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ",
                                                       "20.00 KHZ", "25.00 KHZ", "50.00 KHZ"}));
  EXPECT_EQ(ListItems(List::Step, true), ListItems(List::Step, false));
  EXPECT_EQ(ListItems(List::Power, false), (QStringList{"HIGH", "LOW"}));
  EXPECT_EQ(ListItems(List::Power, true), (QStringList{"高功率", "低功率"}));
  EXPECT_EQ(ListItems(List::Bandwidth, false), (QStringList{"WIDE", "NARROR"}));
  EXPECT_EQ(ListItems(List::Bandwidth, true), (QStringList{"宽带", "窄带"}));
}

TEST(VfoRecord, UnprogrammedRecordShows) {
  img::Image im;
  im.clear(0xFF);
  const Shown sh = ShowRecord(im, Side::A);
  EXPECT_EQ(Str(sh.freq), ".");
  EXPECT_EQ(Str(sh.offset), "00.000");
  EXPECT_EQ(sh.rxTone, (ToneShown{0, {}}));
  EXPECT_EQ(sh.txTone, (ToneShown{0, {}}));
  EXPECT_EQ(sh.band, 1);
  EXPECT_EQ(sh.shift, 2);
  EXPECT_EQ(sh.signalCode, 14);
  EXPECT_EQ(sh.speakerMute, 2);
  EXPECT_EQ(sh.optSignal, 1);
  EXPECT_EQ(sh.step, 7);
  EXPECT_EQ(sh.power, 1);
  EXPECT_EQ(sh.bandwidth, 1);
}

TEST(VfoFirstShow, UnprogrammedRecordIsNormalised) {
  img::Image im;
  im.clear(0xFF);
  img::Image want = im;
  FirstShow(im, Side::B, kStartBands);
  PutBytes(want, img::kVfoBFirst, kFreqFirst, std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0});
  // The offset shown as 00.000; tones 0, 0; band 1; 0x2E shift "-" code "15";
  // 0x21; step 7 with the low nibble kept; both bits set. Bytes 0..7 and 27
  // untouched.
  PutBytes(want, img::kVfoBLast, 0, std::vector<int>{0, 0, 0, 0, 0, 0});
  PutBytes(want, img::kVfoBLast, 6, std::vector<int>{0, 0, 0, 0, 1, 0xFF, 0x2E, 0x21, 0x7F, 0xFF});
  EXPECT_EQ(ImageDiff(im, want), "");
}

// A DCS byte without an item, and a CTCSS tone: the first show writes neither.
TEST(VfoFirstShow, TonesWithoutAnItemAreNotWritten) {
  img::Image image;
  image.clear(0xFF);
  Opt_defaults_init(image);
  PutBytes(image, img::kVfoALast, 6, std::vector<int>{230, 0, 0x75, 0x03});
  const img::Image before = image;
  FirstShow(image, Side::A, kStartBands);
  EXPECT_EQ(ImageDiff(image, before), "");
  EXPECT_EQ(ShowRecord(image, Side::A).rxTone, (ToneShown{-1, {}}));
  EXPECT_EQ(ShowRecord(image, Side::A).txTone, (ToneShown{-1, "88.5"}));
}

// The factory records: only VFO B's four tone bytes change (0xFF to 0).
TEST(VfoFirstShow, FactoryImageOnlyVfoBTonesChange) {
  img::Image image;
  image.clear(0xFF);
  Opt_defaults_init(image);
  img::Image want = image;
  PutBytes(want, img::kVfoBLast, 6, std::vector<int>{0, 0, 0, 0});
  FirstShow(image, Side::A, kStartBands);
  FirstShow(image, Side::B, kStartBands);
  EXPECT_EQ(ImageDiff(image, want), "");
}

// VFO A stored on the second band: the window opens and the user tabs through
// its boxes; nothing changes.
TEST(VfoFirstShow, RecordOnTheOtherBandIsLeftAlone) {
  img::Image image;
  image.clear(0xFF);
  Opt_defaults_init(image);
  PutBytes(image, img::kVfoAFirst, kFreqFirst, std::vector<int>{4, 4, 6, 0, 0, 6, 2, 5});
  PutBytes(image, img::kVfoALast, 0, std::vector<int>{0, 0, 5, 0, 0, 0});
  image.at(ByteCell(Side::A, kBand)) = 1;
  PutBytes(image, img::kVfoBFirst, kFreqFirst, std::vector<int>{1, 4, 5, 5, 0, 0, 0, 0});
  image.at(ByteCell(Side::B, kBand)) = 0;
  FirstShow(image, Side::B, kStartBands);  // B's tones become 0, 0
  const img::Image opened = image;
  FirstShow(image, Side::A, kStartBands);
  for (Side s : {Side::A, Side::B}) {
    const Shown sh = ShowRecord(image, s);
    const Commit f = FreqCommit(image, s, sh.freq, LimitsOf(kStartBands, sh.band));
    const Commit o = OffsetCommit(image, s, sh.offset);
    EXPECT_FALSE(f.message);
    EXPECT_FALSE(o.message);
    EXPECT_EQ(f.text, sh.freq);
    EXPECT_EQ(o.text, sh.offset);
  }
  EXPECT_EQ(Str(ShowRecord(image, Side::A).freq), "446.00625");
  EXPECT_EQ(Str(ShowRecord(image, Side::B).freq), "145.50000");
  EXPECT_EQ(ImageDiff(image, opened), "");
}

// A record whose frequency fails its band's range gets the band's replacement
// without a message; one stored with an odd two-digit frequency too.
TEST(VfoFirstShow, FrequencyOutsideItsBandIsReplaced) {
  img::Image im;
  im.clear(0);
  PutBytes(im, img::kVfoAFirst, kFreqFirst, std::vector<int>{0, 4, 5, 0, 0, 0, 0, 0});
  FirstShow(im, Side::A, kStartBands);
  EXPECT_EQ(Str(FreqText(im, Side::A)), "130.02500");
  // Band limits of an odd identification: still only digits in the record.
  im.clear(0);
  PutBytes(im, img::kVfoAFirst, kFreqFirst, std::vector<int>{0, 4, 5, 0, 0, 0, 0, 0});
  FirstShow(im, Side::A, Bands{{0, 165}, {1000, 1200}});
  EXPECT_EQ(Str(FreqText(im, Side::A)), "100.02500");
  im.at(ByteCell(Side::A, kBand)) = 1;
  const img::Image before = im;
  FirstShow(im, Side::A, Bands{{0, 165}, {1000, 1200}});
  EXPECT_EQ(ImageDiff(im, before), "");  // nothing of that band fits the record
}

// ---- tones ----

class VfoTone : public ::testing::Test {
 protected:
  void SetUp() override { Tone_table_init(st); }
  Session st;
  img::Image image;
};

TEST_F(VfoTone, Items) {
  const QStringList en = Opt_list_items(*Opt_list("Combo_r_ctdcs_a"), false, st.Tone_list_fine);
  const QStringList cn = Opt_list_items(*Opt_list("Combo_t_ctdcs_b"), true, st.Tone_list_fine);
  ASSERT_EQ(en.size(), kToneItems);
  ASSERT_EQ(cn.size(), kToneItems);
  EXPECT_EQ(en[0], "OFF");
  EXPECT_EQ(cn[0], "关");
  EXPECT_EQ(en[1], "60.0");
  EXPECT_EQ(en[2000], "259.9");
  EXPECT_EQ(en[2001], "D023N");
  EXPECT_EQ(en[2105], "D754N");
  EXPECT_EQ(en[2106], "D023I");
  EXPECT_EQ(cn[2210], "D754I");
}

TEST_F(VfoTone, Shown) {
  struct Case {
    int low, high;
    ToneShown shown;
  };
  const Case cases[] = {
      {0x75, 0x03, {-1, "88.5"}}, {0xE8, 0x03, {-1, "100.0"}},  {0x13, 0x00, {2019, {}}}, {0x01, 0x00, {2001, {}}},
      {210, 0x00, {2210, {}}},    {0x00, 0x00, {0, {}}},        {0xFF, 0xFF, {0, {}}},    {0x20, 0xFF, {0, {}}},
      {0xFF, 0x20, {0, {}}},      {0x00, 0x80, {-1, "3276.8"}}, {211, 0x00, {-1, {}}},    {254, 0x00, {-1, {}}},
  };
  for (const Case& c : cases) {
    img::Image im;
    Put(im, Side::A, kTxToneLow, c.low);
    Put(im, Side::A, kTxToneLow + 1, c.high);
    const ToneShown got = ToneShow(im, Side::A, Tone::Tx);
    EXPECT_EQ(got.index, c.shown.index) << c.low << "," << c.high;
    EXPECT_EQ(Str(got.text), Str(c.shown.text)) << c.low << "," << c.high;
  }
}

TEST_F(VfoTone, ChoiceStoresCode) {
  struct Case {
    int index;
    int low, high;  // -1: nothing written
  };
  const Case cases[] = {
      {0, 0, 0},       // OFF
      {1, 88, 2},      // 60.0 Hz = 600
      {71, 158, 2},    // 67.0 Hz = 670
      {2000, 39, 10},  // 259.9 Hz = 2599
      {2001, 1, 0},    // D023N
      {2210, 210, 0},  // D754I
      {-1, -1, -1},    // no item: nothing, never 0, 0
      {2211, -1, -1},
  };
  for (const Case& c : cases) {
    img::Image im;
    im.clear(0x3C);
    img::Image want = im;
    if (c.low >= 0) PutBytes(want, img::kVfoALast, 6, std::vector<int>{c.low, c.high});
    ToneStore(im, Side::A, Tone::Rx, c.index);
    EXPECT_EQ(ImageDiff(im, want), "") << "index " << c.index;
  }
}

TEST_F(VfoTone, FourListsWriteOnlyTheirOwnCells) {
  const img::Cell lows[] = {{241, 6}, {241, 8}, {243, 6}, {243, 8}};
  int k = 0;
  for (Side s : {Side::A, Side::B})
    for (Tone t : {Tone::Rx, Tone::Tx}) {
      img::Image im = RandomImage(7);
      img::Image want = im;
      want.at(lows[k]) = 0x13;
      want(lows[k].row, lows[k].col + 1) = 0;
      ToneStore(im, s, t, 2019);
      EXPECT_EQ(ImageDiff(im, want), "") << "list " << k;
      ++k;
    }
}

TEST_F(VfoTone, KeyFilter) {
  const std::pair<int, int> cases[] = {{'0', '0'}, {'9', '9'}, {'.', '.'}, {'D', 'D'}, {'d', 'D'},
                                       {'n', 'N'}, {'i', 'I'}, {'N', 'N'}, {8, 0},     {'x', 0},
                                       {' ', 0},   {'-', 0},   {13, 0},    {'e', 0}};
  for (const auto& [key, want] : cases) EXPECT_EQ(ToneKey(key), want) << key;
}

TEST_F(VfoTone, TypedEntry) {
  struct Case {
    QString typed;
    int index;  // -1: nothing found
  };
  const Case cases[] = {
      {"67", 71},
      {"100.50", 406},
      {"067.50", 76},
      {"100.", 401},
      {"D023N", 2001},
      {" D754I ", 2210},
      {"OFF", 0},
      {"60", 1},
      {"259.9", 2000},
      {"67.05", -1},
      {"59.9", -1},
      {"260", -1},
      {"", -1},
      {"关", -1},
      {"D999N", -1},
      {"d023n", -1},
      {"67.0.1", -1},
      {"67D", -1},
      // Long forms of a tone are the tone: the number is looked up, not its text.
      {"67.000000000000001", 71},
      {"0067.0000", 71},
      {"+67", 71},
      {"259.90000000000001", 2000},
      {"100.500000000000000001", 406},
      {"67.0000001", -1},
      {"259.9000001", -1},
  };
  for (const Case& c : cases) {
    const auto got = ToneLookup(c.typed, st.Tone_list_fine);
    EXPECT_EQ(got.value_or(-1), c.index) << Str(c.typed);
  }
  // What the key filter leaves of a lower-case DCS name is found.
  QString typed;
  for (QChar ch : QStringLiteral("d023n")) typed += QChar(ToneKey(ch.unicode()));
  EXPECT_EQ(ToneLookup(typed, st.Tone_list_fine).value_or(-1), 2001);
}

}  // namespace

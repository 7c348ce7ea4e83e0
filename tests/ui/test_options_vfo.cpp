// The VFO frames of the options window: the first show of a record, the band
// choice, the frequency and offset commits with their messages, the key
// filters, the setting lists and the tone lists, driven by typing, Tab and
// picks in the real window; the give-back, nothing committed into a new
// image, the commits on leaving and closing the window, and handlers that run
// while a message is open.
#include "image/ui/Form_save_chann.h"
#include "options_fixture.h"
#include "settings/vfo_record.h"
#include "typed_in.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QPushButton>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kRange = QStringLiteral("当前工作频率超出范围 ！");
const QString kRangeTitle = QStringLiteral("操作提示");
const QString kLength = QStringLiteral("Over the range of  frequency .");

// A VFO record's 32 bytes put into an image (A: rows 240..241, B: 242..243).
void PutRecord(img::Image& im, int side, const std::vector<int>& bytes) {
  for (int n = 0; n < 32 && n < static_cast<int>(bytes.size()); ++n)
    im(img::kVfoAFirst + 2 * side + n / 16, n % 16) = static_cast<std::int16_t>(bytes[static_cast<std::size_t>(n)]);
}

// A record on frequency digits `freq`, band `band`, tones off, offset 0.
std::vector<int> Record(const std::vector<int>& freq, int band) {
  std::vector<int> r(32, 0);
  for (int n = 0; n < 8; ++n) r[8 + static_cast<std::size_t>(n)] = freq[static_cast<std::size_t>(n)];
  r[26] = band;
  r[30] = 0x50;
  return r;
}

}  // namespace

class OptionsVfo : public OptionsFixture {
 protected:
  // Opens the window on the factory image with VFO A's record replaced.
  frm_option* openWithA(const std::vector<int>& record) {
    img::Image im = image.image();
    PutRecord(im, 0, record);
    return openOn(im);
  }
  const frm_option::Vfo& a() const { return w->vfo[0]; }
  const frm_option::Vfo& b() const { return w->vfo[1]; }
  // Types into the frequency box of VFO A and leaves it with Tab.
  void commitFreqA(const QString& text) {
    clickInto(a().Text_Freq);
    retype(a().Text_Freq, text);
    tab();
  }
  std::vector<QString> messages() const {
    std::vector<QString> out;
    for (const PromptCall& c : prompt.calls) out.push_back(c.text);
    return out;
  }
};

// ---- the first show -------------------------------------------------------------

// Opening the window on the factory image changes only VFO B's four tone
// bytes, stored as 0xFF (off) and written back as 0.
TEST_F(OptionsVfo, FirstShowOfTheFactoryImageChangesOnlyVfoBsTones) {
  img::Image want = image.image();
  for (int c : {6, 7, 8, 9}) want(img::kVfoBFirst + 1, c) = 0;
  ASSERT_TRUE(open());
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("136.02500"));
  EXPECT_EQ(b().Text_Freq->Text(), QStringLiteral("470.62500"));
  EXPECT_EQ(a().Text_Range->Text(), QStringLiteral("130 - 179.99750"));
  EXPECT_EQ(b().Text_Range->Text(), QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(b().tones[0]->Text(), QStringLiteral("OFF"));
  EXPECT_EQ(st.Freq_a_low, 130);
  EXPECT_EQ(st.Freq_b_high, 520);
  EXPECT_TRUE(prompt.calls.empty());
}

// A record of 32 x 0xFF shows the second band's first frequency, tones off,
// "-", signal code 15, the last speaker mute, DTMF, 50 kHz, LOW and NARROR,
// and offset 00.000; the show stores what it shows.
TEST_F(OptionsVfo, UnprogrammedRecordShowsAndIsNormalised) {
  ASSERT_TRUE(openWithA(std::vector<int>(32, 0xFF)));
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("400.02500"));
  EXPECT_EQ(a().Combo_Band->Text(), QStringLiteral("UHF"));
  EXPECT_EQ(a().Text_Offset->Text(), QStringLiteral("00.000"));
  EXPECT_EQ(a().tones[0]->ListIndex(), 0);
  EXPECT_EQ(a().tones[1]->ListIndex(), 0);
  const std::vector<std::pair<const char*, const char*>> lists{
      {"Combo_sft_d_a", "-"},     {"Combo_S_info_a", "15"},      {"Combo_Spmute_a", "QT/DQT OR OPTSIG"},
      {"Combo_Optsig_a", "DTMF"}, {"Combo_step_a", "50.00 KHZ"}, {"Combo_txp_a", "LOW"},
      {"Combo_wn_a", "NARROR"}};
  for (auto [name, text] : lists) EXPECT_EQ(list(name)->Text(), QString::fromUtf8(text)) << name;
  EXPECT_EQ(freqDigits(0), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(vfoByte(0, 26), 1);
  EXPECT_EQ(vfoByte(0, 22), 0);
  EXPECT_EQ(vfoByte(0, 25), 0);
  EXPECT_EQ(vfoByte(0, 28), 0x2E);
  EXPECT_EQ(vfoByte(0, 29), 0x21);
  EXPECT_EQ(vfoByte(0, 30), 0x7F);
  EXPECT_EQ(vfoByte(0, 31), 0xFF);
  for (int n = 16; n < 22; ++n) EXPECT_EQ(vfoByte(0, n), 0) << n;  // the offset as shown
  EXPECT_TRUE(prompt.calls.empty());
  // Tabbing through the offset box changes nothing more.
  const img::Image shown = image.image();
  clickInto(a().Text_Offset);
  tab();
  EXPECT_EQ(ImageDiff(image.image(), shown), "");
}

// A VFO stored on the other band keeps its frequency: opening the window and
// tabbing through every control changes nothing.
TEST_F(OptionsVfo, RecordOnTheOtherBandTabbedThroughChangesNothing) {
  img::Image im = image.image();
  PutRecord(im, 0, Record({4, 4, 6, 0, 0, 6, 2, 5}, 1));  // VFO A on UHF, 446.00625
  PutRecord(im, 1, Record({1, 4, 5, 5, 0, 0, 0, 0}, 0));  // VFO B on VHF, 145.50000
  ASSERT_TRUE(openOn(im));
  const img::Image opened = image.image();
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("446.00625"));
  EXPECT_EQ(b().Text_Freq->Text(), QStringLiteral("145.50000"));
  EXPECT_EQ(a().Text_Range->Text(), QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(b().Text_Range->Text(), QStringLiteral("130 - 179.99750"));
  // An activation resets the VFO limits to the first and second band; the
  // commits still take the band each VFO is on.
  main->MDImain_Channel_edit_Click();
  activate();
  clickInto(a().Text_Freq);
  for (int i = 0; i < 40; ++i) tab();
  EXPECT_TRUE(prompt.calls.empty()) << prompt.calls.front().text.toStdString();
  EXPECT_EQ(ImageDiff(image.image(), opened), "");
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("446.00625"));
}

// ---- frequency commits -------------------------------------------------------------

struct FreqCase {
  const char* name;
  const char* typed;
  const char* shown;
  std::vector<int> digits;
  bool message;
};
void PrintTo(const FreqCase& c, std::ostream* os) { *os << c.name; }

class OptionsFreq : public OptionsVfo, public ::testing::WithParamInterface<FreqCase> {};

// Typed, then left with Tab, with the first band's limits 130/179.
TEST_P(OptionsFreq, CommitSnapsChecksAndStores) {
  const FreqCase& c = GetParam();
  ASSERT_TRUE(open());
  commitFreqA(QString::fromLatin1(c.typed));
  EXPECT_EQ(a().Text_Freq->Text(), QString::fromLatin1(c.shown));
  EXPECT_EQ(freqDigits(0), c.digits);
  if (c.message) {
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text, kRange);
    EXPECT_EQ(prompt.calls[0].title, kRangeTitle);
    EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
    // The focus is given back to the box.
    EXPECT_EQ(focus(), a().Text_Freq);
  } else {
    EXPECT_TRUE(prompt.calls.empty());
    EXPECT_TRUE(focusIn(a().Combo_Band));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsFreq,
    ::testing::Values(FreqCase{"Snap625", "146.0070", "146.00625", {1, 4, 6, 0, 0, 6, 2, 5}, false},
                      FreqCase{"OnBoth", "146.01", "146.01000", {1, 4, 6, 0, 1, 0, 0, 0}, false},
                      FreqCase{"Snap25", "146.0085", "146.00750", {1, 4, 6, 0, 0, 7, 5, 0}, false},
                      FreqCase{"Digits", "145.1234", "145.12250", {1, 4, 5, 1, 2, 2, 5, 0}, false},
                      FreqCase{"Whole", "136", "136.00000", {1, 3, 6, 0, 0, 0, 0, 0}, false},
                      FreqCase{"LastMhz", "179.5", "179.50000", {1, 7, 9, 5, 0, 0, 0, 0}, false},
                      FreqCase{"Empty", "", "130.02500", {1, 3, 0, 0, 2, 5, 0, 0}, true},
                      FreqCase{"Below", "129.99", "130.02500", {1, 3, 0, 0, 2, 5, 0, 0}, true},
                      FreqCase{"Above", "180", "178.62500", {1, 7, 8, 6, 2, 5, 0, 0}, true}),
    [](const ::testing::TestParamInfo<FreqCase>& i) { return std::string(i.param.name); });

// Band limits that the record's digits cannot hold (an odd identification):
// only a frequency from 100 MHz to below 1000 MHz is stored, never a point
// or a shifted digit.
TEST_F(OptionsVfo, LimitsBeyondTheRecordStoreOnlyDigits) {
  ASSERT_TRUE(open());
  st.Freq_vhf_low = 0;
  st.Freq_vhf_high = 165;
  commitFreqA(QStringLiteral("45"));
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("100.02500"));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 0, 0, 0, 2, 5, 0, 0}));
  prompt.calls.clear();
  st.Freq_vhf_low = 1000;
  st.Freq_vhf_high = 1200;
  const std::vector<int> before = freqDigits(0);
  commitFreqA(QStringLiteral("1000"));
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(freqDigits(0), before);
  for (int d : freqDigits(0)) EXPECT_TRUE(d >= 0 && d <= 9);
}

// Switching VFO A's band to UHF replaces a frequency outside the band without
// a message; back on VHF the same happens the other way.
TEST_F(OptionsVfo, BandSwitchAndBack) {
  ASSERT_TRUE(openWithA(Record({1, 4, 6, 5, 2, 0, 0, 0}, 0)));
  ASSERT_EQ(a().Text_Freq->Text(), QStringLiteral("146.52000"));
  pick(a().Combo_Band, 1);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("400.02500"));
  EXPECT_EQ(a().Text_Range->Text(), QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(vfoByte(0, 26), 1);
  EXPECT_EQ(freqDigits(0), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(st.Freq_a_low, 400);
  // A frequency typed on UHF, then back to VHF.
  commitFreqA(QStringLiteral("439.5"));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{4, 3, 9, 5, 0, 0, 0, 0}));
  pick(a().Combo_Band, 0);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("130.02500"));
  EXPECT_EQ(a().Text_Range->Text(), QStringLiteral("130 - 179.99750"));
  EXPECT_EQ(vfoByte(0, 26), 0);
  // A frequency in the band's last MHz stays when the band is chosen again.
  commitFreqA(QStringLiteral("179.5"));
  pick(a().Combo_Band, 0);
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("179.50000"));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 7, 9, 5, 0, 0, 0, 0}));
  // Picking VFO B's band leaves VFO A alone.
  pick(b().Combo_Band, 0);
  EXPECT_EQ(b().Text_Freq->Text(), QStringLiteral("130.02500"));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 7, 9, 5, 0, 0, 0, 0}));
}

// The band limits change while the window is open (an identification of a
// radio with other band edges): the next show displays the range that the
// frequency commit checks.
TEST_F(OptionsVfo, RangeDisplayFollowsTheBandLimits) {
  ASSERT_TRUE(open());
  st.Freq_uhf_low = 430;
  st.Freq_uhf_high = 440;
  main->MDImain_Channel_edit_Click();
  activate();
  EXPECT_EQ(b().Text_Range->Text(), QStringLiteral("430 - 440.99750"));
  EXPECT_EQ(a().Text_Range->Text(), QStringLiteral("130 - 179.99750"));
  clickInto(b().Text_Freq);
  retype(b().Text_Freq, QStringLiteral("445"));
  tab();
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(b().Text_Freq->Text(), QStringLiteral("439.62500"));
}

// The band lists take no text: Delete, cut or paste do not move a VFO.
TEST_F(OptionsVfo, BandListFieldTakesNoText) {
  ASSERT_TRUE(open());
  const img::Image before = image.image();
  QApplication::clipboard()->setText(QStringLiteral("VHF"));
  ComboList* band = b().Combo_Band;
  clickInto(band);
  band->lineEdit()->setCursorPosition(0);
  QTest::keyClick(band, Qt::Key_Delete);
  QTest::keyClick(band, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(band, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(band, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(band, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::keyClicks(band, QStringLiteral("V"));
  EXPECT_EQ(band->Text(), QStringLiteral("UHF"));
  EXPECT_EQ(ImageDiff(image.image(), before), "");
}

// ---- offsets -------------------------------------------------------------------------

struct OffsetCase {
  const char* typed;
  const char* shown;
  std::vector<int> digits;
  bool message;
};
void PrintTo(const OffsetCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class OptionsOffset : public OptionsVfo, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(OptionsOffset, CommitSnapsTo5kHz) {
  const OffsetCase& c = GetParam();
  ASSERT_TRUE(open());
  TextBox* offset = b().Text_Offset;
  clickInto(offset);
  retype(offset, QString::fromLatin1(c.typed));
  tab();
  EXPECT_EQ(offset->Text(), QString::fromLatin1(c.shown));
  std::vector<int> digits;
  for (int n = 16; n < 22; ++n) digits.push_back(vfoByte(1, n));
  EXPECT_EQ(digits, c.digits);
  EXPECT_EQ(messages(), c.message ? std::vector<QString>{kRange} : std::vector<QString>{});
  if (c.message) {
    EXPECT_EQ(focus(), offset);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionsOffset,
                         ::testing::Values(OffsetCase{"", "00.000", {0, 0, 0, 0, 0, 0}, false},
                                           OffsetCase{"0.6", "00.600", {0, 0, 0, 6, 0, 0}, false},
                                           OffsetCase{"5", "05.000", {0, 0, 5, 0, 0, 0}, false},
                                           OffsetCase{"1.2349", "01.230", {0, 0, 1, 2, 3, 0}, false},
                                           OffsetCase{"0.004", "00.000", {0, 0, 0, 0, 0, 0}, false},
                                           OffsetCase{"60", "59.950", {0, 5, 9, 9, 5, 0}, true}));

// ---- typing into the boxes ----------------------------------------------------------

TEST_F(OptionsVfo, KeyFiltersAndTheLengthMessage) {
  ASSERT_TRUE(open());
  TextBox* freq = a().Text_Freq;
  clickInto(freq);
  QTest::keyClick(freq, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(freq, Qt::Key_Delete);
  // A point into an empty box, letters, Enter: dropped.
  QTest::keyClicks(freq, QStringLiteral(".a-"));
  QTest::keyClick(freq, Qt::Key_Return);
  EXPECT_EQ(freq->Text(), QString());
  // Digits up to nine characters; the tenth digit is dropped.
  QTest::keyClicks(freq, QStringLiteral("146.52000"));
  QTest::keyClicks(freq, QStringLiteral("7"));
  EXPECT_EQ(freq->Text(), QStringLiteral("146.52000"));
  EXPECT_TRUE(prompt.calls.empty());
  // A point as the tenth character: the length message and an empty box.
  QTest::keyClicks(freq, QStringLiteral("."));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, kLength);
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(prompt.calls[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(freq->Text(), QString());
  EXPECT_EQ(focus(), freq);
  // Backspace edits.
  QTest::keyClicks(freq, QStringLiteral("1467"));
  QTest::keyClick(freq, Qt::Key_Backspace);
  EXPECT_EQ(freq->Text(), QStringLiteral("146"));

  // The offset box: the seventh character brings the message.
  prompt.calls.clear();
  TextBox* offset = a().Text_Offset;
  clickInto(offset);
  retype(offset, QStringLiteral("00.6000"));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, kLength);
  EXPECT_EQ(offset->Text(), QString());
}

// Typing over selected text: the key replaces the selection, so the rules
// judge what is left of the text, not the nine characters shown.
TEST_F(OptionsVfo, TypingOverASelection) {
  ASSERT_TRUE(open());
  TextBox* freq = a().Text_Freq;
  clickInto(freq);
  QTest::keyClick(freq, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(freq, QStringLiteral(".145.1234"));  // a leading point into what becomes empty: dropped
  EXPECT_EQ(freq->Text(), QStringLiteral("145.1234"));
  tab();
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(freq->Text(), QStringLiteral("145.12250"));
  // The last two digits selected and typed over.
  clickInto(freq);
  QTest::keyClick(freq, Qt::Key_End);
  QTest::keyClick(freq, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(freq, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClicks(freq, QStringLiteral("75"));
  EXPECT_EQ(freq->Text(), QStringLiteral("145.12275"));
  // Without a selection a tenth digit is still dropped.
  QTest::keyClicks(freq, QStringLiteral("1"));
  EXPECT_EQ(freq->Text(), QStringLiteral("145.12275"));
  TextBox* offset = a().Text_Offset;
  clickInto(offset);
  QTest::keyClick(offset, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(offset, QStringLiteral("5"));
  tab();
  EXPECT_EQ(offset->Text(), QStringLiteral("05.000"));
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(OptionsVfo, LengthMessageInChinese) {
  main->MDImain_Language_chn_Click();
  ASSERT_TRUE(open());
  TextBox* freq = b().Text_Freq;
  clickInto(freq);
  QTest::keyClick(freq, Qt::Key_End);
  QTest::keyClicks(freq, QStringLiteral("."));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("频率超出范围 ！"));
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("操作提示"));
  // The range message is the same Chinese text in both languages.
  prompt.calls.clear();
  retype(freq, QStringLiteral("600"));
  tab();
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, kRange);
  EXPECT_EQ(prompt.calls[0].title, kRangeTitle);
  EXPECT_EQ(freq->Text(), QStringLiteral("519.62500"));
}

// ---- the setting lists ------------------------------------------------------------

// Each list writes its nibble or bit and keeps the rest of the byte.
TEST_F(OptionsVfo, NibbleAndBitLists) {
  std::vector<int> r = Record({1, 4, 6, 0, 0, 0, 0, 0}, 0);
  r[28] = 0x0A;
  r[30] = 0x5F;
  r[31] = 0x15;
  ASSERT_TRUE(openWithA(r));
  ASSERT_EQ(list("Combo_S_info_a")->Text(), QStringLiteral("11"));
  pick(list("Combo_sft_d_a"), 2);
  EXPECT_EQ(vfoByte(0, 28), 0x2A);
  pick(list("Combo_S_info_a"), 2);
  EXPECT_EQ(vfoByte(0, 28), 0x22);
  pick(list("Combo_step_a"), 7);
  EXPECT_EQ(vfoByte(0, 30), 0x7F);
  pick(list("Combo_txp_a"), 1);
  EXPECT_EQ(vfoByte(0, 31), 0x95);
  pick(list("Combo_wn_a"), 1);
  EXPECT_EQ(vfoByte(0, 31), 0xD5);
  pick(list("Combo_txp_a"), 0);
  EXPECT_EQ(vfoByte(0, 31), 0x55);
  // Arrow keys choose too; typed keys do nothing.
  ComboList* shift = list("Combo_sft_d_a");
  clickInto(shift);
  QTest::keyClick(shift, Qt::Key_Up);
  EXPECT_EQ(vfoByte(0, 28), 0x12);
  QTest::keyClicks(shift, QStringLiteral("2-"));
  EXPECT_EQ(shift->Text(), QStringLiteral("+"));
  EXPECT_EQ(vfoByte(0, 28), 0x12);
}

// ---- tones -------------------------------------------------------------------------------

class OptionsTone : public OptionsVfo {
 protected:
  // Bytes 22, 23 (receive) of VFO A.
  std::pair<int, int> rx() const { return {vfoByte(0, 22), vfoByte(0, 23)}; }
};

// Every kind of choice and of typed entry, on VFO A's receive tone, stored
// 88.5 Hz (0x0375) to begin with.
TEST_F(OptionsTone, ChoicesAndTypedTones) {
  std::vector<int> r = Record({1, 4, 6, 0, 0, 0, 0, 0}, 0);
  r[22] = 0x75;
  r[23] = 0x03;
  r[24] = 0x13;  // DCS 19
  ASSERT_TRUE(openWithA(r));
  ComboList* rxl = a().tones[0];
  EXPECT_EQ(rxl->ListIndex(), -1);
  EXPECT_EQ(rxl->Text(), QStringLiteral("88.5"));
  EXPECT_EQ(a().tones[1]->ListIndex(), 2019);
  EXPECT_EQ(rx(), std::make_pair(0x75, 0x03));  // a CTCSS tone shown as text writes nothing

  auto typeAndLeave = [&](const QString& text) {
    clickInto(rxl);
    retype(rxl, text);
    tab();
  };
  struct Case {
    const char* name;
    std::function<void()> act;
    int low, high;
    const char* shown;
  };
  const Case cases[] = {
      {"OFF", [&] { pick(rxl, 0); }, 0, 0, "OFF"},
      {"60.0", [&] { pick(rxl, 1); }, 88, 2, "60.0"},
      {"259.9", [&] { pick(rxl, 2000); }, 39, 10, "259.9"},
      {"D023N", [&] { pick(rxl, 2001); }, 1, 0, "D023N"},
      {"D754I", [&] { pick(rxl, 2210); }, 210, 0, "D754I"},
      {"typed 67", [&] { typeAndLeave(QStringLiteral("67")); }, 158, 2, "67.0"},
      {"typed 100.50", [&] { typeAndLeave(QStringLiteral("100.50")); }, 237, 3, "100.5"},
      {"typed 67.000000000000001", [&] { typeAndLeave(QStringLiteral("67.000000000000001")); }, 158, 2, "67.0"},
      {"typed d023n", [&] { typeAndLeave(QStringLiteral("d023n")); }, 1, 0, "D023N"},
      {"typed 67.05", [&] { typeAndLeave(QStringLiteral("67.05")); }, 1, 0, "D023N"},
      {"typed 59.9", [&] { typeAndLeave(QStringLiteral("59.9")); }, 1, 0, "D023N"},
      {"typed 260", [&] { typeAndLeave(QStringLiteral("260")); }, 1, 0, "D023N"},
      {"emptied", [&] { typeAndLeave(QString()); }, 1, 0, "D023N"},
      {"tabbed through", [&] { clickInto(rxl), tab(); }, 1, 0, "D023N"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::pair<int, int> tx{vfoByte(0, 24), vfoByte(0, 25)};
    c.act();
    EXPECT_EQ(rx(), std::make_pair(c.low, c.high));
    EXPECT_EQ(rxl->Text(), QString::fromUtf8(c.shown));
    EXPECT_GE(rxl->ListIndex(), 0);
    // The transmit tone is its own.
    EXPECT_EQ(std::make_pair(vfoByte(0, 24), vfoByte(0, 25)), tx);
  }
  EXPECT_TRUE(prompt.calls.empty());
}

// Opening the list's own drop-down is not leaving it: the typed text stays
// until the list is left, then it is looked up and stored.
TEST_F(OptionsTone, TypedTextSurvivesItsOwnDropDown) {
  ASSERT_TRUE(open());
  ComboList* t = a().tones[0];
  clickInto(t);
  retype(t, QStringLiteral("67"));
  QStyleOptionComboBox o;
  o.initFrom(t);
  o.editable = true;
  const QRect arrow = t->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxArrow, t);
  QTest::mouseClick(t, Qt::LeftButton, {}, arrow.center());
  ASSERT_TRUE(QTest::qWaitFor([&] { return t->view()->isVisible(); }, 1000));
  QTest::keyClick(t->view(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !t->view()->isVisible(); }, 1000));
  EXPECT_EQ(t->Text(), QStringLiteral("67"));
  EXPECT_EQ(rx(), std::make_pair(0, 0));
  tab();
  EXPECT_EQ(t->Text(), QStringLiteral("67.0"));
  EXPECT_EQ(rx(), std::make_pair(158, 2));
}

// The key filter of a tone field: digits, the point and D, N, I (turned into
// capitals); Backspace and everything else dropped.
TEST_F(OptionsTone, KeyFilter) {
  ASSERT_TRUE(open());
  ComboList* t = b().tones[1];
  clickInto(t);
  QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(t, Qt::Key_Delete);
  QTest::keyClicks(t, QStringLiteral("d0x2n3i-"));
  QTest::keyClick(t, Qt::Key_Backspace);
  EXPECT_EQ(t->Text(), QStringLiteral("D02N3I"));
}

// In Chinese item 0 reads "关", which the lookup does not find: leaving the
// list keeps item 0 and the stored bytes.
TEST_F(OptionsTone, ChineseOffTabbedThrough) {
  main->MDImain_Language_chn_Click();
  ASSERT_TRUE(open());
  ComboList* t = a().tones[1];
  EXPECT_EQ(t->Text(), QStringLiteral("关"));
  const img::Image before = image.image();
  clickInto(t);
  tab();
  EXPECT_EQ(t->ListIndex(), 0);
  EXPECT_EQ(t->Text(), QStringLiteral("关"));
  EXPECT_EQ(ImageDiff(image.image(), before), "");
}

// The four lists write only their own two cells.
TEST_F(OptionsTone, FourListsWriteOnlyTheirOwnCells) {
  ASSERT_TRUE(open());
  const std::array<std::pair<int, int>, 4> cells{
      {{img::kVfoAFirst + 1, 6}, {img::kVfoAFirst + 1, 8}, {img::kVfoBFirst + 1, 6}, {img::kVfoBFirst + 1, 8}}};
  for (int t = 0; t < 4; ++t) {
    img::Image want = image.image();
    // Item 71 is 67.0 Hz, stored as 0x029E.
    want(cells[std::size_t(t)].first, cells[std::size_t(t)].second) = 0x9E;
    want(cells[std::size_t(t)].first, cells[std::size_t(t)].second + 1) = 0x02;
    pick(w->vfo[std::size_t(t / 2)].tones[std::size_t(t % 2)], 71);
    EXPECT_EQ(ImageDiff(image.image(), want), "") << t;
  }
}

// A DCS byte without an item (211..254, high byte 0): nothing selected, an
// empty field, nothing written until the user picks a tone.
TEST_F(OptionsTone, DcsCodeWithoutAnItem) {
  std::vector<int> r = Record({1, 4, 6, 0, 0, 0, 0, 0}, 0);
  r[22] = 230;
  r[23] = 0;
  ASSERT_TRUE(openWithA(r));
  ComboList* rxl = a().tones[0];
  EXPECT_EQ(rxl->ListIndex(), -1);
  EXPECT_EQ(rxl->Text(), QString());
  EXPECT_EQ(rx(), std::make_pair(230, 0));
  // Left without a choice: the redraw shows the same, still nothing written.
  clickInto(rxl);
  tab();
  EXPECT_EQ(rx(), std::make_pair(230, 0));
  pick(rxl, 2002);
  EXPECT_EQ(rx(), std::make_pair(2, 0));
}

// ---- focus and the image ------------------------------------------------------------

// A rejected frequency gives the focus back: the box the user clicked into
// raises nothing, so one mistake gives one message.
TEST_F(OptionsVfo, GiveBackStartsNoChainOfMessages) {
  ASSERT_TRUE(open());
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("12"));
  TextBox* other = b().Text_Freq;
  const std::vector<int> otherDigits = freqDigits(1);
  QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(focus(), a().Text_Freq);
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("130.02500"));
  EXPECT_EQ(freqDigits(1), otherDigits);
  // Leaving again for the other box, which then commits its own value once.
  QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(focus(), other);
  tab();
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(freqDigits(1), otherDigits);
}

// A frequency typed into a box is committed when the window is left (another
// window, a main-window command) or unloaded, as leaving the box does; a
// change of the image while the range message is open ends the commit: the
// new image stays as it came.
TEST_F(OptionsVfo, TypedTextIsCommittedOnLeavingButNeverIntoANewImage) {
  ASSERT_TRUE(open());
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("150"));
  // Another window: stored as the box's lost focus would.
  main->MDImain_Channel_edit_Click();
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 5, 0, 0, 0, 0, 0, 0}));
  // The menu's reload unloads the window: stored first.
  ASSERT_TRUE(current());
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("151"));
  ASSERT_TRUE(open());
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 5, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("151.00000"));
  // File > Save by its shortcut: the image holds the typed frequency before
  // the save dialog opens.
  ASSERT_TRUE(current());
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("153"));
  QTest::keyClick(focus(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 5, 3, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(main->host().find<Form_save_chann>());
  main->host().unload<Form_save_chann>();
  settle();
  // Typed over by a change of the image: nothing typed is left to store.
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("152"));
  edit([](img::Image& im) { PutRecord(im, 0, Record({1, 4, 3, 0, 0, 0, 0, 0}, 0)); });
  main->MDImain_Channel_edit_Click();
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 4, 3, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(messages().empty());
  ASSERT_TRUE(current());

  // A read completing while the range message is open.
  img::Image read = image.image();
  PutRecord(read, 0, Record({1, 4, 4, 0, 0, 0, 0, 0}, 0));
  prompt.onShow = [&](const PromptCall&) { image.replaceRows(read, img::kVfoAFirst, img::kVfoBLast, nullptr); };
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("99"));
  tab();
  prompt.onShow = nullptr;
  settle();
  QApplication::processEvents();
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 4, 4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("144.00000"));
}

// A read that brings only the FM band labels, which Default writes too,
// completing while a range message is open: the window's rows from before the
// box do not go back over them.
TEST_F(OptionsVfo, ReadOfTheFmLabelsUnderAMessageIsKept) {
  ASSERT_TRUE(open());
  img::Image read = image.image();
  read.fillRows(img::kFmLabelsFirst, img::kFmLabelsLast, 'R');
  prompt.onShow = [&](const PromptCall&) { image.replaceRows(read, img::kFmLabelsFirst, img::kFmLabelsLast, nullptr); };
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("99"));
  tab();
  prompt.onShow = nullptr;
  settle();
  QApplication::processEvents();
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  bool kept = true;
  for (int r = img::kFmLabelsFirst; r <= img::kFmLabelsLast; ++r)
    for (int c = 0; c < img::kCols; ++c) kept = kept && image.image()(r, c) == 'R';
  EXPECT_TRUE(kept);
}

// An offset typed into its box is committed when the window is left (another
// window, a main-window command), as leaving the box does.
TEST_F(OptionsVfo, TypedOffsetIsCommittedOnLeavingTheWindow) {
  const std::vector<std::pair<const char*, std::function<void()>>> leaves{
      {"another window", [&] { main->MDImain_Channel_edit_Click(); }},
      {"File > Save by its shortcut", [&] { QTest::keyClick(focus(), Qt::Key_S, Qt::ControlModifier); }},
  };
  int k = 1;
  for (const auto& [name, leave] : leaves) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(open());
    clickInto(b().Text_Offset);
    retype(b().Text_Offset, QString::number(k));
    leave();
    for (int n = 16; n < 22; ++n) EXPECT_EQ(vfoByte(1, n), n == 18 ? k : 0) << n;
    if (main->host().find<Form_save_chann>()) main->host().unload<Form_save_chann>();
    settle();
    ++k;
  }
  EXPECT_TRUE(messages().empty());
}

// Closing the window while a frequency or offset box holds a value out of
// range commits it as leaving the box does: the range message, then the
// replacement it announces is stored. The close box, Ctrl+F4, and Close
// pressed by an accessibility action (the focus stays in the box).
TEST_F(OptionsVfo, ClosingCommitsAnOutOfRangeValueWithItsReplacement) {
  const std::vector<std::pair<const char*, std::function<void()>>> closes{
      {"close box", [&] { w->frame()->close(); }},
      {"Ctrl+F4", [&] { QTest::keyClick(focus(), Qt::Key_F4, Qt::ControlModifier); }},
      {"Close by accessibility",
       [&] {
         QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w->Command_close);
         ASSERT_TRUE(i && i->actionInterface());
         i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
       }},
  };
  struct Box {
    const char* name;
    TextBox* frm_option::Vfo::*box;
    const char* typed;
    int first;                // the record byte of the first digit
    std::vector<int> digits;  // stored from there
  };
  const Box boxes[] = {
      {"frequency", &frm_option::Vfo::Text_Freq, "12", 8, {1, 3, 0, 0, 2, 5, 0, 0}},
      {"offset", &frm_option::Vfo::Text_Offset, "60", 16, {0, 5, 9, 9, 5, 0}},
  };
  for (const Box& box : boxes) {
    for (const auto& [name, close] : closes) {
      SCOPED_TRACE(std::string(box.name) + ", " + name);
      ASSERT_TRUE(open());
      prompt.calls.clear();
      TextBox* t = a().*box.box;
      clickInto(t);
      retype(t, QString::fromLatin1(box.typed));
      close();
      ASSERT_TRUE(QTest::qWaitFor([&] { return !main->host().isLoaded<frm_option>(); }, 2000));
      EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
      for (std::size_t n = 0; n < box.digits.size(); ++n)
        EXPECT_EQ(vfoByte(0, box.first + static_cast<int>(n)), box.digits[n]) << n;
      settle();
    }
  }
}

// While the range message of a commit is open, the image changes behind the
// window (a read completing, a file load: a byte of the option block that no
// control edits) and a screen reader presses a check box and then Default.
// Each works on the image as it is: the changed byte survives both, and
// Default stores the factory values around it.
TEST_F(OptionsVfo, HandlersDuringAMessageWorkOnTheImageAsItIs) {
  ASSERT_TRUE(open());
  const img::Image factory = image.image();
  auto press = [](QWidget* c, const QString& action) {
    QAccessible::queryAccessibleInterface(c)->actionInterface()->doAction(action);
  };
  bool once = false;
  prompt.onShow = [&](const PromptCall&) {
    if (std::exchange(once, true)) return;
    edit([](img::Image& im) {
      im.at(img::OptionCell(50)) = 0x33;
      im.at(img::OptionCell(Pos_sql)) = 2;
    });
    press(w->Check_tdr, QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(opt(Pos_tdr), 1);
    EXPECT_EQ(opt(50), 0x33);
    EXPECT_EQ(opt(Pos_sql), 2);
    // The button acts a moment later, while the message is still open.
    press(w->Command_def, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return opt(Pos_tdr) == factory.at(img::OptionCell(Pos_tdr)); }, 2000));
  };
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("12"));
  tab();
  prompt.onShow = nullptr;
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(opt(50), 0x33);
  EXPECT_EQ(opt(Pos_sql), factory.at(img::OptionCell(Pos_sql)));
  // The commit whose image changed stored nothing; the window shows the image.
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 3, 6, 0, 2, 5, 0, 0}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return a().Text_Freq->Text() == QStringLiteral("136.02500"); }, 1000));
  EXPECT_EQ(list("Combo_sql")->Text(), QStringLiteral("5"));
}

// While the range message of a commit is open, a screen reader presses a
// check box of the window: nobody else changed the image, so the commit
// stores its replacement afterwards, on the image as the press left it, and
// the window shows both.
TEST_F(OptionsVfo, OwnHandlerDuringAMessageKeepsItsChangeAndTheCommitStores) {
  ASSERT_TRUE(open());
  const int tdr = opt(Pos_tdr);
  bool once = false;
  prompt.onShow = [&](const PromptCall&) {
    if (std::exchange(once, true)) return;
    QAccessible::queryAccessibleInterface(w->Check_tdr)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(opt(Pos_tdr), 1 - tdr);
  };
  clickInto(a().Text_Freq);
  retype(a().Text_Freq, QStringLiteral("12"));
  tab();
  prompt.onShow = nullptr;
  EXPECT_EQ(messages(), (std::vector<QString>{kRange}));
  EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 3, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(a().Text_Freq->Text(), QStringLiteral("130.02500"));
  EXPECT_EQ(focus(), a().Text_Freq);
  EXPECT_EQ(opt(Pos_tdr), 1 - tdr);
  EXPECT_EQ(w->Check_tdr->Value(), 1 - tdr);
  EXPECT_EQ(w->Combo_Tdr_ab->isEnabled(), tdr == 0);
}

// A change of the VFO rows by someone else is shown at once.
TEST_F(OptionsVfo, ChangeBehindTheWindowIsShown) {
  ASSERT_TRUE(open());
  main->MDImain_Channel_edit_Click();
  edit([](img::Image& im) {
    PutRecord(im, 1, Record({4, 3, 8, 5, 0, 0, 0, 0}, 1));
    im(img::kVfoBFirst + 1, 6) = 0xE8;  // 100.0 Hz
    im(img::kVfoBFirst + 1, 7) = 0x03;
  });
  EXPECT_EQ(b().Text_Freq->Text(), QStringLiteral("438.50000"));
  EXPECT_EQ(b().tones[0]->Text(), QStringLiteral("100.0"));
}

// ---- pasted and dropped text --------------------------------------------------------

// Text pasted or dropped into a VFO box or list takes what its keys could
// have typed: the frequency and offset boxes digits and points, the tone
// lists digits, the point and D, N, I (capitals); the band list nothing (its
// field is read-only); the squelch list, which has no key filter, anything,
// storing nothing. Every way in, then the box is left with Tab.
TEST_F(OptionsVfo, PastedTextTakesWhatTheKeysCouldHaveTyped) {
  ASSERT_TRUE(open());
  struct Case {
    const char* control;
    const char* pasted;
    const char* typedIn;  // what the field holds before it is left
    const char* left;     // ... and after
    std::vector<int> bytes;
    std::vector<int> at;  // VFO A record bytes, or option block offsets below
    bool option = false;
  };
  const Case cases[] = {
      {"Text_Freq_a", "1a4b6.5x2 MHz", "146.52", "146.52000", {1, 4, 6, 5, 2, 0, 0, 0}, {8, 9, 10, 11, 12, 13, 14, 15}},
      {"Text_Freq_a", ".14\n5\t", "145", "145.00000", {1, 4, 5, 0, 0, 0, 0, 0}, {8, 9, 10, 11, 12, 13, 14, 15}},
      {"Text_Offset_A", "0.6MHz", "0.6", "00.600", {0, 0, 0, 6, 0, 0}, {16, 17, 18, 19, 20, 21}},
      {"Combo_r_ctdcs_a", "d023n", "D023N", "D023N", {1, 0}, {22, 23}},
      {"Combo_t_ctdcs_a", "67.0 Hz", "67.0", "67.0", {158, 2}, {24, 25}},
      {"Combo_Band_A", "UHF", "VHF", "VHF", {0}, {26}},
      {"Combo_sql", "8x", "8x", "8x", {5}, {Pos_sql}, true},
  };
  for (typed_in::Way way : typed_in::Ways()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(typed_in::Name(way)) + ": " + c.control + " <- " + c.pasted);
      QWidget* control = this->control(c.control);
      auto* l = qobject_cast<ComboList*>(control);
      QLineEdit* field = l ? l->lineEdit() : box(c.control);
      // Lists take no drops.
      if (l && way == typed_in::Way::Drop) continue;
      clickInto(control);
      if (!field->isReadOnly()) {
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(control, Qt::Key_Delete);
      }
      typed_in::Bring(field, way, QString::fromUtf8(c.pasted));
      EXPECT_EQ(field->text().toStdString(), c.typedIn);
      tab();
      EXPECT_EQ(field->text().toStdString(), c.left);
      std::vector<int> bytes;
      for (int n : c.at) bytes.push_back(c.option ? opt(n) : vfoByte(0, n));
      EXPECT_EQ(bytes, c.bytes);
    }
  }
  EXPECT_TRUE(prompt.calls.empty());
}

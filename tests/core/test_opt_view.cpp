// The options window's rules on its View, without a window: the show with its
// nested band choices, the VFO commits with their messages, focus requests
// and length checks, the tone lookup, the option handlers and Default.
#include "image/settings_defaults.h"
#include "image/tone_table.h"
#include "settings/opt_view.h"
#include "state/session.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace {

using vfo::List;
using vfo::Tone;

const QString kRange = QString::fromUtf8(vfo::kRangeMessage.text.chinese);

// A VFO record's bytes n.. put into an image.
void PutVfo(img::Image& im, int side, int n, const std::vector<int>& bytes) {
  for (int v : bytes) {
    im(img::kVfoAFirst + 2 * side + n / 16, n % 16) = static_cast<std::int16_t>(v);
    ++n;
  }
}
int VfoByte(const img::Image& im, int side, int n) { return im(img::kVfoAFirst + 2 * side + n / 16, n % 16); }
std::vector<int> FreqDigits(const img::Image& im, int side) {
  std::vector<int> d;
  for (int n = 8; n < 16; ++n) d.push_back(VfoByte(im, side, n));
  return d;
}

class OptView : public ::testing::Test {
 protected:
  void SetUp() override {
    Tone_table_init(st);
    image.clear(0xFF);
    Opt_defaults_init(image);
  }
  opt::Editor editor() { return {image, limits, view, Chann_total, st.Tone_list_fine, unloading}; }
  template <class Rule>
  opt::Effects run(Rule&& rule) {
    opt::Editor e = editor();
    return rule(e);
  }
  // The window as it stands after its load.
  void load() {
    const opt::Effects fx = run(opt::Form_Load);
    ASSERT_TRUE(fx.notices.empty());
  }
  std::vector<QString> messages(const opt::Effects& fx) const {
    std::vector<QString> out;
    for (const opt::Notice& n : fx.notices) out.push_back(QString::fromUtf8(n.message.text.chinese));
    return out;
  }

  Session st;
  img::Image image;
  opt::Limits limits{{{130, 179}, {400, 520}}, {}};
  opt::View view;
  std::int16_t Chann_total = 150;
  bool unloading = false;
};

// The first show of a new window: every band list moves from no item to its
// band, which runs the band choice and, nested, a whole show; the factory
// image then changes only in VFO B's four tone bytes (0xFF stored as 0).
TEST_F(OptView, FirstShowRunsTheNestedBandChoicesAndStoresWhatItShows) {
  img::Image want = image;
  PutVfo(want, 1, 22, {0, 0, 0, 0});
  load();
  EXPECT_EQ(ImageDiff(image, want), "");
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("136.02500"));
  EXPECT_EQ(view.vfo[1].freq, QStringLiteral("470.62500"));
  EXPECT_EQ(view.vfo[0].range, QStringLiteral("130 - 179.99750"));
  EXPECT_EQ(view.vfo[1].range, QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(view.vfo[0].index(List::Band), 0);
  EXPECT_EQ(view.vfo[1].index(List::Band), 1);
  EXPECT_EQ(view.vfo[1].tone[0].index, 0);
  EXPECT_EQ(limits.vfo[0].low, 130);
  EXPECT_EQ(limits.vfo[1].high, 520);
  EXPECT_EQ(view.controls[OptCtl::Combo_sql], 5);
  EXPECT_EQ(view.controls[OptCtl::Option_chann], 1);
  EXPECT_EQ(view.controls[OptCtl::Option_freq], 0);
  // The channel count shows only from the activation on.
  EXPECT_EQ(view.channTotal, QString());
  run(opt::Form_Activate);
  EXPECT_EQ(view.channTotal, QStringLiteral("150"));
  EXPECT_EQ(ImageDiff(image, want), "");
}

// An unprogrammed record: the nested band choice's commit replaces the
// frequency by the second band's first one, and the show stores every list as
// it shows it.
TEST_F(OptView, UnprogrammedRecordIsNormalisedByTheShow) {
  PutVfo(image, 0, 0, std::vector<int>(32, 0xFF));
  load();
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("400.02500"));
  EXPECT_EQ(FreqDigits(image, 0), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(VfoByte(image, 0, 26), 1);
  EXPECT_EQ(VfoByte(image, 0, 28), 0x2E);
  EXPECT_EQ(VfoByte(image, 0, 30), 0x7F);
  EXPECT_EQ(view.vfo[0].offset, QStringLiteral("00.000"));
  EXPECT_EQ(limits.vfo[0].low, 400);
}

// A later show of an open window whose band lists already hold their band:
// no band choice runs, so a VFO on the other band keeps the limits that the
// activation reset.
TEST_F(OptView, LaterShowRunsNoBandChoice) {
  PutVfo(image, 0, 8, {4, 4, 6, 0, 0, 6, 2, 5});
  PutVfo(image, 0, 26, {1});
  load();
  ASSERT_EQ(limits.vfo[0].low, 400);  // the band choice of the first show
  const img::Image shown = image;
  run(opt::Form_Activate);
  EXPECT_EQ(limits.vfo[0].low, 130);
  EXPECT_EQ(view.vfo[0].range, QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(ImageDiff(image, shown), "");
}

struct FreqCase {
  const char* name;
  const char* typed;
  const char* shown;
  std::vector<int> digits;
  bool message;
};
void PrintTo(const FreqCase& c, std::ostream* os) { *os << c.name; }

class OptViewFreq : public OptView, public ::testing::WithParamInterface<FreqCase> {};

// Leaving the frequency box: the commit, its message and focus request, then
// the whole show.
TEST_P(OptViewFreq, CommitMessageFocusAndShow) {
  const FreqCase& c = GetParam();
  load();
  view.controls[OptCtl::Combo_tot] = -1;  // the show that ends the commit sets it again
  const opt::Effects fx =
      run([&](opt::Editor& e) { return opt::Text_Freq_LostFocus(e, 0, QString::fromLatin1(c.typed)); });
  EXPECT_EQ(view.vfo[0].freq, QString::fromLatin1(c.shown));
  EXPECT_EQ(FreqDigits(image, 0), c.digits);
  EXPECT_EQ(messages(fx), c.message ? std::vector<QString>{kRange} : std::vector<QString>{});
  if (c.message) {
    ASSERT_TRUE(fx.focus);
    EXPECT_EQ(*fx.focus, opt::FreqBox(0));
  } else {
    EXPECT_FALSE(fx.focus);
  }
  EXPECT_EQ(view.controls[OptCtl::Combo_tot], 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptViewFreq,
    ::testing::Values(FreqCase{"Snap625", "146.0070", "146.00625", {1, 4, 6, 0, 0, 6, 2, 5}, false},
                      FreqCase{"Whole", "136", "136.00000", {1, 3, 6, 0, 0, 0, 0, 0}, false},
                      FreqCase{"Empty", "", "130.02500", {1, 3, 0, 0, 2, 5, 0, 0}, true},
                      FreqCase{"Above", "180", "178.62500", {1, 7, 8, 6, 2, 5, 0, 0}, true}),
    [](const ::testing::TestParamInfo<FreqCase>& i) { return std::string(i.param.name); });

// A commit that the unload runs stores, and no show follows.
TEST_F(OptView, CommitDuringTheUnloadStoresWithoutAShow) {
  load();
  view.controls[OptCtl::Combo_tot] = -1;
  unloading = true;
  const opt::Effects fx = run([](opt::Editor& e) { return opt::Text_Freq_LostFocus(e, 0, QStringLiteral("12")); });
  EXPECT_EQ(messages(fx), std::vector<QString>{kRange});
  EXPECT_EQ(FreqDigits(image, 0), (std::vector<int>{1, 3, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(view.controls[OptCtl::Combo_tot], -1);
}

// Typing into a box: more than nine (frequency) or six (offset) characters
// draw the length message, empty the box and give it the focus; the commit
// that follows has nothing typed left.
TEST_F(OptView, LengthChecks) {
  load();
  struct Case {
    std::function<opt::Effects(opt::Editor&)> type;
    int side;
    QString opt::VfoView::*text;
    opt::Control focus;
    bool tooLong;
  };
  const Case cases[] = {
      {[](opt::Editor& e) { return opt::Text_Freq_Change(e, 1, QStringLiteral("145.12345")); }, 1, &opt::VfoView::freq,
       opt::FreqBox(1), false},
      {[](opt::Editor& e) { return opt::Text_Freq_Change(e, 1, QStringLiteral("145.123456")); }, 1, &opt::VfoView::freq,
       opt::FreqBox(1), true},
      {[](opt::Editor& e) { return opt::Text_Offset_Change(e, 0, QStringLiteral("00.600")); }, 0, &opt::VfoView::offset,
       opt::OffsetBox(0), false},
      {[](opt::Editor& e) { return opt::Text_Offset_Change(e, 0, QStringLiteral("00.6000")); }, 0,
       &opt::VfoView::offset, opt::OffsetBox(0), true},
  };
  const img::Image before = image;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.focus.name);
    const opt::Effects fx = run(c.type);
    const QString& text = view.vfo[std::size_t(c.side)].*c.text;
    if (c.tooLong) {
      ASSERT_EQ(fx.notices.size(), 1u);
      EXPECT_EQ(QString::fromUtf8(fx.notices[0].message.text.english),
                QStringLiteral("Over the range of  frequency ."));
      ASSERT_TRUE(fx.focus);
      EXPECT_EQ(*fx.focus, c.focus);
      EXPECT_EQ(text, QString());
    } else {
      EXPECT_TRUE(fx.notices.empty());
      EXPECT_FALSE(fx.focus);
      EXPECT_FALSE(text.isEmpty());
    }
  }
  EXPECT_EQ(ImageDiff(image, before), "");
}

// The band choice: the VFO's limits become the band's, a frequency outside
// it becomes the band's first one without a message, byte 26 is stored, and
// the commit ends with a whole show.
TEST_F(OptView, BandChoiceSetsTheLimitsAndShowsAgain) {
  load();
  view.controls[OptCtl::Combo_sql] = -1;
  const opt::Effects fx = run([](opt::Editor& e) { return opt::Combo_Band_Click(e, 0, 1); });
  EXPECT_TRUE(fx.notices.empty());
  EXPECT_EQ(limits.vfo[0].low, 400);
  EXPECT_EQ(limits.vfo[0].high, 520);
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("400.02500"));
  EXPECT_EQ(view.vfo[0].range, QStringLiteral("400 - 520.99750"));
  EXPECT_EQ(VfoByte(image, 0, 26), 1);
  EXPECT_EQ(FreqDigits(image, 0), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(view.controls[OptCtl::Combo_sql], 5);
  // A field change that leaves no item chooses the first band.
  run([](opt::Editor& e) { return opt::Combo_Band_Change(e, 0, -1); });
  EXPECT_EQ(view.vfo[0].index(List::Band), 0);
  EXPECT_EQ(limits.vfo[0].low, 130);
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("130.02500"));
}

// Leaving a tone list: a typed text that names a tone selects and stores it;
// one that names none leaves no item, stores nothing and the show puts the
// stored tone back.
TEST_F(OptView, ToneLookupOnLeaving) {
  load();
  struct Case {
    const char* typed;
    int index;
    std::pair<int, int> bytes;
  };
  const Case cases[] = {{"67", 71, {158, 2}}, {"D023N", 2001, {1, 0}}, {"xyz", 2001, {1, 0}}, {"OFF", 0, {0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    view.vfo[0].tone[0] = {-1, QString::fromLatin1(c.typed)};
    const opt::Effects fx = run([](opt::Editor& e) { return opt::Combo_ctdcs_LostFocus(e, 0, Tone::Rx); });
    EXPECT_TRUE(fx.notices.empty());
    EXPECT_EQ(view.vfo[0].tone[0].index, c.index);
    EXPECT_EQ(std::make_pair(VfoByte(image, 0, 22), VfoByte(image, 0, 23)), c.bytes);
  }
}

// The work-mode buttons: the one chosen deselects the other; the dual watch
// enables its transmit band list.
TEST_F(OptView, OptionHandlersAndTheirDependentControls) {
  load();
  run([](opt::Editor& e) { return opt::Opt_setting_Click(e, OptCtl::Option_freq, 1); });
  EXPECT_EQ(view.controls[OptCtl::Option_freq], 1);
  EXPECT_EQ(view.controls[OptCtl::Option_chann], 0);
  EXPECT_EQ(image.at(img::OptionCell(Pos_work_mode)), 0);
  run([](opt::Editor& e) { return opt::Opt_setting_Click(e, OptCtl::Check_tdr, 0); });
  EXPECT_FALSE(view.controls.Combo_Tdr_ab_enabled);
  EXPECT_EQ(image.at(img::OptionCell(Pos_tdr)), 0);
  run([](opt::Editor& e) { return opt::Opt_setting_Click(e, OptCtl::Combo_AL_Mode, 0); });
  EXPECT_FALSE(view.controls.Check_Alarm_Sound_enabled);
}

// Default: the channel count 200, the factory block (the bytes without a
// factory value keep the image's), VFO records and labels, then the show.
TEST_F(OptView, DefaultWritesTheFactoryValuesAndShowsThem) {
  const img::Image factory = image;
  load();
  for (int k : {46, 53, 58, 63}) image.at(img::OptionCell(k)) = 0x33;
  image.at(img::OptionCell(Pos_tot)) = 7;
  PutVfo(image, 0, 8, {1, 4, 4, 0, 0, 0, 0, 0});
  run(opt::Command_def_Click);
  EXPECT_EQ(Chann_total, 200);
  for (int k = 0; k < kOptBlockSize; ++k) {
    const bool kept = k == 46 || k == 53 || k == 58 || k == 63;
    EXPECT_EQ(image.at(img::OptionCell(k)), kept ? 0x33 : factory.at(img::OptionCell(k))) << k;
  }
  EXPECT_EQ(FreqDigits(image, 0), FreqDigits(factory, 0));
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("136.02500"));
  EXPECT_EQ(view.controls[OptCtl::Combo_tot], 3);
}

// A change of the image by someone else replaces what the user typed: no
// box holds a change to commit afterwards.
TEST_F(OptView, ImageChangedForgetsTheTypedText) {
  load();
  view.vfo[0].freq = QStringLiteral("15");
  view.vfo[0].freqTyped = true;
  view.vfo[1].offsetTyped = true;
  run(opt::Image_changed);
  EXPECT_FALSE(view.vfo[0].freqTyped);
  EXPECT_FALSE(view.vfo[1].offsetTyped);
  EXPECT_EQ(view.vfo[0].freq, QStringLiteral("136.02500"));
}

}  // namespace

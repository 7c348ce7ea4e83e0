// The options window's list items and captions in both languages.
#include "image/tone_table.h"
#include "settings/opt_captions.h"
#include "settings/opt_lists.h"
#include "state/image.h"
#include "state/session.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

QStringList Items(const char* control, bool chinese) {
  static const QStringList tones = [] {
    Session st;
    img::Image image;
    Tone_table_init(st);
    return st.Tone_list_fine;
  }();
  const OptList* list = Opt_list(control);
  return list ? Opt_list_items(*list, chinese, tones) : QStringList();
}

struct ListCase {
  const char* control;
  int count;
  std::vector<const char*> english;  // the first items (all of a short list)
  std::vector<const char*> chinese;
  const char* lastEnglish;
  const char* lastChinese;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.control; }

class OptListItems : public ::testing::TestWithParam<ListCase> {};

TEST_P(OptListItems, SameCountInBothLanguagesAndTheItemsInOrder) {
  const ListCase& c = GetParam();
  const QStringList en = Items(c.control, false), zh = Items(c.control, true);
  ASSERT_EQ(en.size(), c.count);
  ASSERT_EQ(zh.size(), c.count);
  ASSERT_EQ(Opt_list(c.control)->size(), c.count);
  for (std::size_t i = 0; i < c.english.size(); ++i) EXPECT_EQ(en[int(i)], QString::fromUtf8(c.english[i])) << i;
  for (std::size_t i = 0; i < c.chinese.size(); ++i) EXPECT_EQ(zh[int(i)], QString::fromUtf8(c.chinese[i])) << i;
  EXPECT_EQ(en.last(), QString::fromUtf8(c.lastEnglish));
  EXPECT_EQ(zh.last(), QString::fromUtf8(c.lastChinese));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, OptListItems,
    ::testing::Values(
        ListCase{"Combo_sql", 10, {"0", "1", "2"}, {"0", "1"}, "9", "9"},
        ListCase{
            "Combo_save", 5, {"OFF", "1:1", "1:2", "1:3", "1:4"}, {"关", "1:1", "1:2", "1:3", "1:4"}, "1:4", "1:4"},
        ListCase{"Combo_vox", 11, {"OFF", "1", "2"}, {"关", "1"}, "10", "10"},
        ListCase{"Combo_abr", 11, {"OFF", "1", "2"}, {"关", "1"}, "10", "10"},
        ListCase{"Combo_tot", 40, {"15", "30", "45", "60"}, {"15", "30"}, "600", "600"},
        ListCase{"Combo_voice", 3, {"OFF", "English", "Chinese"}, {"关闭", "英文", "中文"}, "Chinese", "中文"},
        ListCase{"Combo_dtmfst",
                 4,
                 {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"},
                 {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"},
                 "KB DTMFST + Send ANI DTMFST",
                 "按键侧音+发身份码侧音"},
        ListCase{"Combo_sc_rev", 3, {"TO", "CO", "SE"}, {"时间", "载波", "搜索"}, "SE", "搜索"},
        ListCase{"Combo_ptt_id",
                 4,
                 {"OFF", "BOT", "EOT", "BOTH"},
                 {"关", "按下发码", "松开发码", "两者均发"},
                 "BOTH",
                 "两者均发"},
        ListCase{"Combo_ptt_lt", 31, {"0", "1"}, {"0"}, "30", "30"},
        ListCase{"Combo_MDF_A",
                 3,
                 {"Channel", "Channel+Name", "Channel+Frequency"},
                 {"信道号", "信道名称+信道号", "频率+信道号"},
                 "Channel+Frequency",
                 "频率+信道号"},
        ListCase{"Combo_MDF_B",
                 3,
                 {"Channel", "Channel+Name", "Channel+Frequency"},
                 {"信道号", "信道名称+信道号", "频率+信道号"},
                 "Channel+Frequency",
                 "频率+信道号"},
        ListCase{
            "Combo_wt_led", 4, {"OFF", "Blue", "Orange", "Purple"}, {"关", "蓝色", "橙色", "紫色"}, "Purple", "紫色"},
        ListCase{
            "Combo_rx_led", 4, {"OFF", "Blue", "Orange", "Purple"}, {"关", "蓝色", "橙色", "紫色"}, "Purple", "紫色"},
        ListCase{
            "Combo_tx_led", 4, {"OFF", "Blue", "Orange", "Purple"}, {"关", "蓝色", "橙色", "紫色"}, "Purple", "紫色"},
        ListCase{"Combo_AL_Mode",
                 4,
                 {"OFF", "SITE", "TONE", "CODE"},
                 {"关闭", "现场", "发射报警音", "发射报警码"},
                 "CODE",
                 "发射报警码"},
        ListCase{"Combo_Tdr_ab", 3, {"OFF", "A Band", "B Band"}, {"关", "A 段", "B 段"}, "B Band", "B 段"},
        ListCase{"Combo_ste", 2, {"OFF", "ON"}, {"关闭", "开启"}, "ON", "开启"},
        ListCase{"Combo_Rp_Ste", 11, {"OFF", "100", "200"}, {"关闭", "100"}, "1000", "1000"},
        ListCase{"Combo_RPT_RL", 11, {"OFF", "100", "200"}, {"关闭", "100"}, "1000", "1000"},
        ListCase{"Combo_ponmsg", 2, {"Full", "MSG"}, {"满屏", "显示字符"}, "MSG", "显示字符"},
        ListCase{"Combo_roger", 2, {"OFF", "ON"}, {"关闭", "开启"}, "ON", "开启"},
        ListCase{"Combo_ab_Beep", 3, {"OFF", "A Band", "B Band"}, {"关", "A 段", "B 段"}, "B Band", "B 段"},
        ListCase{"Combo_txp_a", 2, {"HIGH", "LOW"}, {"高功率", "低功率"}, "LOW", "低功率"},
        ListCase{"Combo_Band_B", 2, {"VHF", "UHF"}, {"VHF", "UHF"}, "UHF", "UHF"},
        ListCase{"Combo_wn_a", 2, {"WIDE", "NARROR"}, {"宽带", "窄带"}, "NARROR", "窄带"},
        ListCase{"Combo_sft_d_b", 3, {"OFF", "+", "-"}, {"关", "加频", "减频"}, "-", "减频"},
        ListCase{"Combo_step_a",
                 8,
                 {"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "20.00 KHZ"},
                 {"2.50 KHZ"},
                 "50.00 KHZ",
                 "50.00 KHZ"},
        ListCase{"Combo_OptSig_b", 2, {"OFF", "DTMF"}, {"关", "DTMF"}, "DTMF", "DTMF"},
        ListCase{"Combo_Spmute_a",
                 3,
                 {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"},
                 {"哑音", "哑音与可选信令", "哑音或可选信令"},
                 "QT/DQT OR OPTSIG",
                 "哑音或可选信令"},
        ListCase{"Combo_S_info_b", 15, {"1", "2"}, {"1"}, "15", "15"},
        ListCase{"Combo_r_ctdcs_a", 2211, {"OFF", "60.0", "60.1"}, {"关", "60.0"}, "D754I", "D754I"},
        ListCase{"Combo_t_ctdcs_b", 2211, {"OFF", "60.0"}, {"关"}, "D754I", "D754I"}),
    [](const ::testing::TestParamInfo<ListCase>& i) { return std::string(i.param.control); });

// Items that a stored value selects, in both languages where they differ.
TEST(OptListItem, StoredValuesShowTheirItems) {
  struct Case {
    const char* control;
    int index;
    const char* english;
    const char* chinese;
  } cases[] = {
      {"Combo_AL_Mode", 3, "CODE", "发射报警码"},
      {"Combo_tot", 3, "60", "60"},
      {"Combo_tot", 39, "600", "600"},
      {"Combo_sql", 9, "9", "9"},
      {"Combo_ptt_lt", 30, "30", "30"},
      {"Combo_Rp_Ste", 1, "100", "100"},
      {"Combo_RPT_RL", 10, "1000", "1000"},
      {"Combo_S_info_a", 0, "1", "1"},
      {"Combo_S_info_a", 14, "15", "15"},
      {"Combo_r_ctdcs_b", 1, "60.0", "60.0"},
      {"Combo_r_ctdcs_b", 2000, "259.9", "259.9"},
      {"Combo_t_ctdcs_a", 2001, "D023N", "D023N"},
      {"Combo_t_ctdcs_a", 2105, "D754N", "D754N"},
      {"Combo_t_ctdcs_a", 2106, "D023I", "D023I"},
      {"Combo_t_ctdcs_a", 2210, "D754I", "D754I"},
      {"Combo_r_ctdcs_a", 400, "99.9", "99.9"},
      {"Combo_r_ctdcs_a", 401, "100.0", "100.0"},
      {"Combo_vox", 0, "OFF", "关"},
      {"Combo_roger", 2, "", ""},
      {"Combo_roger", -1, "", ""},
  };
  Session st;
  img::Image image;
  Tone_table_init(st);
  for (const Case& c : cases) {
    const OptList& list = *Opt_list(c.control);
    EXPECT_EQ(Opt_list_item(list, c.index, false, st.Tone_list_fine), QString::fromUtf8(c.english))
        << c.control << " " << c.index;
    EXPECT_EQ(Opt_list_item(list, c.index, true, st.Tone_list_fine), QString::fromUtf8(c.chinese))
        << c.control << " " << c.index;
  }
}

// The tone texts of the start-up table are shown without the blanks around them.
TEST(OptListItem, ToneTextsAreTrimmedAndAMissingEntryIsEmpty) {
  QStringList tones(2301);
  tones[1] = QStringLiteral(" 60.0 ");
  tones[2001] = QStringLiteral(" D023N ");
  const OptList& list = *Opt_list("Combo_r_ctdcs_a");
  EXPECT_EQ(Opt_list_item(list, 1, false, tones), QStringLiteral("60.0"));
  EXPECT_EQ(Opt_list_item(list, 2001, false, tones), QStringLiteral("D023N"));
  EXPECT_EQ(Opt_list_items(list, false, QStringList()).size(), 2211);
  EXPECT_EQ(Opt_list_items(list, false, QStringList()).last(), QString());
}

TEST(OptLists, AllFortyThreeInTheOrderTheWindowFillsThem) {
  std::vector<std::string> names;
  for (const OptList& l : Opt_lists()) names.emplace_back(l.control);
  const std::vector<std::string> want{
      "Combo_txp_a",     "Combo_Band_A",    "Combo_r_ctdcs_a", "Combo_t_ctdcs_a", "Combo_wn_a",   "Combo_sft_d_a",
      "Combo_step_a",    "Combo_Optsig_a",  "Combo_Spmute_a",  "Combo_S_info_a",  "Combo_txp_b",  "Combo_Band_B",
      "Combo_r_ctdcs_b", "Combo_t_ctdcs_b", "Combo_wn_b",      "Combo_sft_d_b",   "Combo_step_b", "Combo_OptSig_b",
      "Combo_Spmute_b",  "Combo_S_info_b",  "Combo_tot",       "Combo_sql",       "Combo_voice",  "Combo_MDF_A",
      "Combo_MDF_B",     "Combo_dtmfst",    "Combo_ponmsg",    "Combo_roger",     "Combo_vox",    "Combo_abr",
      "Combo_sc_rev",    "Combo_ptt_id",    "Combo_ptt_lt",    "Combo_save",      "Combo_wt_led", "Combo_rx_led",
      "Combo_tx_led",    "Combo_ste",       "Combo_Rp_Ste",    "Combo_RPT_RL",    "Combo_Tdr_ab", "Combo_ab_Beep",
      "Combo_AL_Mode"};
  EXPECT_EQ(names, want);
  EXPECT_EQ(Opt_list("Combo_nothing"), nullptr);
}

// Captions are compared byte for byte: the spaces are part of the texts.
TEST(OptCaptions, TextsAreExactInBothLanguages) {
  struct Case {
    const char* control;
    const char* english;
    const char* chinese;
  } cases[] = {
      {"frm_option", "Optional Features", "可选参数编辑"},
      {"Command_def", "Default", "默 认"},
      {"Command_close", "Close", "关  闭"},
      {"Label_Tot", "Time Out Timer(TOT)[S]", "发射超时定时器（秒）"},
      {"Option_freq", "Frequency ", "频率"},
      {"Label_Cht", "CHT", "信道数"},
      {"Check_chann_syn", "Synchr", "同步显示"},
      {"Label_MDF_A", "A Channel Disp Way", "A 段信道显示方式"},
      {"Label_ptt_id", "PTT_ID", "PTT_ID"},
      {"Check_Autolk", "SYNC", "信道同步"},
      {"Frame_band", "", ""},
      {"Label_wt_led", "Wait Back Light", "守侯背光"},
      {"Label_ste", "Tail noise Clear ", "尾音消除"},
      {"Label_rp_ste", "Pass Repert noise Clear(ms)", "过中继尾音消除(ms)"},
      {"Label_ab_Beep", " Reced A/B Beep", "A/B 接收到信号提醒"},
      {"Check_db_PTT", "DB_PTT", "DB_PTT"},
      {"Frame_A", "A Band Frequency Mode", "Ａ段频率模式"},
      {"Frame_B", "B Band Frequency Mode", "Ｂ段频率模式"},
      {"Label_txp_b", "TX Power", "发射功率"},
      {"Label_OptSig_b", "Optional Signal", "可选信令"},
      {"Label_Spmute_a", "Speak Mute", "信令关系"},
  };
  auto find = [](const char* control) -> const Caption* {
    for (auto table : {Opt_captions_general(), Opt_captions_band(), Opt_captions_vfo()})
      for (const Caption& c : table)
        if (std::string(c.control) == control) return &c;
    return nullptr;
  };
  for (const Case& c : cases) {
    const Caption* cap = find(c.control);
    ASSERT_NE(cap, nullptr) << c.control;
    EXPECT_EQ(std::string(cap->text.english), c.english) << c.control;
    EXPECT_EQ(std::string(cap->text.chinese), c.chinese) << c.control;
  }
}

TEST(OptCaptions, EveryCaptionedControlOnceAndTheFramesInOrder) {
  std::set<std::string> seen;
  int total = 0;
  for (auto table : {Opt_captions_general(), Opt_captions_band(), Opt_captions_vfo()})
    for (const Caption& c : table) {
      EXPECT_TRUE(seen.insert(c.control).second) << c.control;
      ++total;
    }
  EXPECT_EQ(Opt_captions_general().size(), 27u);
  EXPECT_EQ(Opt_captions_band().size(), 16u);
  EXPECT_EQ(Opt_captions_vfo().size(), 28u);
  EXPECT_EQ(std::string(Opt_captions_general().front().control), "frm_option");
  EXPECT_EQ(std::string(Opt_captions_band().front().control), "Frame_band");
  EXPECT_EQ(std::string(Opt_captions_vfo()[0].control), "Frame_A");
  EXPECT_EQ(std::string(Opt_captions_vfo()[14].control), "Frame_B");
  EXPECT_EQ(total, 71);
}

}  // namespace

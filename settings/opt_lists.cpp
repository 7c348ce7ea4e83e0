#include "settings/opt_lists.h"

#include "settings/vfo_record.h"
#include "settings/vfo_tone.h"

#include <array>

namespace {

// The one item "OFF" of the lists that then count from 1.
constexpr std::span<const Text> kOff = vfo::kToneOffItem;
constexpr std::array<Text, 1> kOffClosed{{{"OFF", "关闭"}}};
constexpr std::array<Text, 5> kSave{{{"OFF", "关"}, {"1:1", "1:1"}, {"1:2", "1:2"}, {"1:3", "1:3"}, {"1:4", "1:4"}}};
constexpr std::array<Text, 3> kVoice{{{"OFF", "关闭"}, {"English", "英文"}, {"Chinese", "中文"}}};
constexpr std::array<Text, 4> kDtmfSt{{{"OFF All ", "关闭"},
                                       {"KB DTMF Side Tone", "按键侧音"},
                                       {"Send ANI DTMF Side Tone", "发身份码侧音"},
                                       {"KB DTMFST + Send ANI DTMFST", "按键侧音+发身份码侧音"}}};
constexpr std::array<Text, 3> kScanRev{{{"TO", "时间"}, {"CO", "载波"}, {"SE", "搜索"}}};
constexpr std::array<Text, 4> kPttId{{{"OFF", "关"}, {"BOT", "按下发码"}, {"EOT", "松开发码"}, {"BOTH", "两者均发"}}};
constexpr std::array<Text, 3> kMdf{
    {{"Channel", "信道号"}, {"Channel+Name", "信道名称+信道号"}, {"Channel+Frequency", "频率+信道号"}}};
constexpr std::array<Text, 4> kLed{{{"OFF", "关"}, {"Blue", "蓝色"}, {"Orange", "橙色"}, {"Purple", "紫色"}}};
constexpr std::array<Text, 4> kAlarmMode{
    {{"OFF", "关闭"}, {"SITE", "现场"}, {"TONE", "发射报警音"}, {"CODE", "发射报警码"}}};
constexpr std::array<Text, 3> kAbBand{{{"OFF", "关"}, {"A Band", "A 段"}, {"B Band", "B 段"}}};
constexpr std::array<Text, 2> kOnOff{{{"OFF", "关闭"}, {"ON", "开启"}}};
constexpr std::array<Text, 2> kPonMsg{{{"Full", "满屏"}, {"MSG", "显示字符"}}};

constexpr std::span<const Text> kNone{};

// A list of fixed items only, of numbers only, or of fixed items and numbers.
constexpr OptList Fixed(const char* control, std::span<const Text> items) { return {control, items}; }
constexpr OptList Numbers(const char* control, std::span<const Text> items, int first, int count, int step = 1) {
  return {control, items, first, count, step};
}
constexpr OptList Tones(const char* control) { return {control, vfo::kToneOffItem, 0, 0, 1, true}; }

const std::array<OptList, 43> kLists{{
    Fixed("Combo_txp_a", vfo::kPowerItems),
    Fixed("Combo_Band_A", vfo::kBandItems),
    Tones("Combo_r_ctdcs_a"),
    Tones("Combo_t_ctdcs_a"),
    Fixed("Combo_wn_a", vfo::kBandwidthItems),
    Fixed("Combo_sft_d_a", vfo::kShiftItems),
    Fixed("Combo_step_a", vfo::kStepItems),
    Fixed("Combo_Optsig_a", vfo::kOptSignalItems),
    Fixed("Combo_Spmute_a", vfo::kSpeakerMuteItems),
    Numbers("Combo_S_info_a", kNone, 1, vfo::kSignalCodes),
    Fixed("Combo_txp_b", vfo::kPowerItems),
    Fixed("Combo_Band_B", vfo::kBandItems),
    Tones("Combo_r_ctdcs_b"),
    Tones("Combo_t_ctdcs_b"),
    Fixed("Combo_wn_b", vfo::kBandwidthItems),
    Fixed("Combo_sft_d_b", vfo::kShiftItems),
    Fixed("Combo_step_b", vfo::kStepItems),
    Fixed("Combo_OptSig_b", vfo::kOptSignalItems),
    Fixed("Combo_Spmute_b", vfo::kSpeakerMuteItems),
    Numbers("Combo_S_info_b", kNone, 1, vfo::kSignalCodes),
    Numbers("Combo_tot", kNone, 15, 40, 15),
    Numbers("Combo_sql", kNone, 0, 10),
    Fixed("Combo_voice", kVoice),
    Fixed("Combo_MDF_A", kMdf),
    Fixed("Combo_MDF_B", kMdf),
    Fixed("Combo_dtmfst", kDtmfSt),
    Fixed("Combo_ponmsg", kPonMsg),
    Fixed("Combo_roger", kOnOff),
    Numbers("Combo_vox", kOff, 1, 10),
    Numbers("Combo_abr", kOff, 1, 10),
    Fixed("Combo_sc_rev", kScanRev),
    Fixed("Combo_ptt_id", kPttId),
    Numbers("Combo_ptt_lt", kNone, 0, 31),
    Fixed("Combo_save", kSave),
    Fixed("Combo_wt_led", kLed),
    Fixed("Combo_rx_led", kLed),
    Fixed("Combo_tx_led", kLed),
    Fixed("Combo_ste", kOnOff),
    Numbers("Combo_Rp_Ste", kOffClosed, 100, 10, 100),
    Numbers("Combo_RPT_RL", kOffClosed, 100, 10, 100),
    Fixed("Combo_Tdr_ab", kAbBand),
    Fixed("Combo_ab_Beep", kAbBand),
    Fixed("Combo_AL_Mode", kAlarmMode),
}};

}  // namespace

int OptList::size() const { return static_cast<int>(fixed.size()) + count + (tones ? kOptToneItems : 0); }

std::span<const OptList> Opt_lists() { return kLists; }

bool Opt_list_typed(const OptList& list) { return list.tones || std::string_view(list.control) == "Combo_sql"; }

const OptList* Opt_list(std::string_view control) {
  for (const OptList& l : kLists)
    if (control == l.control) return &l;
  return nullptr;
}

QString Opt_list_item(const OptList& list, int index, bool chinese, const QStringList& Tone_list_fine) {
  if (index < 0 || index >= list.size()) return QString();
  const int fixed = static_cast<int>(list.fixed.size());
  if (index < fixed) return list.fixed[static_cast<std::size_t>(index)].in(chinese);
  index -= fixed;
  if (index < list.count) return QString::number(list.first + index * list.step);
  // Tone entry 1 + (index - count); the table's DCS names carry blanks around them.
  return Tone_list_fine.value(1 + index - list.count).trimmed();
}

QStringList Opt_list_items(const OptList& list, bool chinese, const QStringList& Tone_list_fine) {
  QStringList items;
  items.reserve(list.size());
  for (int i = 0; i < list.size(); ++i) items += Opt_list_item(list, i, chinese, Tone_list_fine);
  return items;
}

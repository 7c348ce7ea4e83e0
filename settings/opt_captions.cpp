#include "settings/opt_captions.h"

#include <array>

namespace {

// Texts are the radio's own, spaces included ("Frequency ", " Reced A/B Beep").
constexpr std::array kGeneral{
    Caption{"frm_option", {"Optional Features", "可选参数编辑"}},
    Caption{"Command_def", {"Default", "默 认"}},
    Caption{"Command_close", {"Close", "关  闭"}},
    Caption{"Label_Tot", {"Time Out Timer(TOT)[S]", "发射超时定时器（秒）"}},
    Caption{"Label_Sql", {"Squelch Level", "静噪电平"}},
    Caption{"Label_Vox", {"VOX", "声控发射"}},
    Caption{"Label_voice", {"Voice Annunciation", "操作提示语音"}},
    Caption{"Label_Abr", {"ABR", "自动背光"}},
    Caption{"Frame_Mode", {"Work Mode", "当前工作模式"}},
    Caption{"Option_freq", {"Frequency ", "频率"}},
    Caption{"Option_chann", {"Channel", "信道"}},
    Caption{"Label_Cht", {"CHT", "信道数"}},
    Caption{"Frame_Chann", {"Channel Mode", "信道模式下"}},
    Caption{"Check_chann_menu", {"Menu", "菜单设置"}},
    Caption{"Check_chann_init", {"Reset", "复位操作"}},
    Caption{"Check_chann_syn", {"Synchr", "同步显示"}},
    Caption{"Label_MDF_A", {"A Channel Disp Way", "A 段信道显示方式"}},
    Caption{"Label_MDF_B", {"B Channel Disp Way", "B 段信道显示方式"}},
    Caption{"Label_Stdtmf", {"DTMF-ST", "DTMF侧音"}},
    Caption{"Label_save", {"Save", "省电模式"}},
    Caption{"Label_Scan_rev", {"Scan_Rev", "扫描方式"}},
    Caption{"Label_ptt_id", {"PTT_ID", "PTT_ID"}},
    Caption{"Label_Ptt_Lt", {"PTT_Delay", "发ID延迟"}},
    Caption{"Check_Lock", {"K_Lock", "键盘锁"}},
    Caption{"Check_Autolk", {"SYNC", "信道同步"}},
    Caption{"Check_bcl", {"BCL", "遇忙禁发"}},
    Caption{"Check_Beep", {"Beep", "哔声"}},
};

constexpr std::array kBand{
    Caption{"Frame_band", {"", ""}},
    Caption{"Label_wt_led", {"Wait Back Light", "守侯背光"}},
    Caption{"Label_rx_led", {"RX Back Light", "接收背光"}},
    Caption{"Label_tx_led", {"TX Back Light", "发射背光"}},
    Caption{"Label_ste", {"Tail noise Clear ", "尾音消除"}},
    Caption{"Label_rp_ste", {"Pass Repert noise Clear(ms)", "过中继尾音消除(ms)"}},
    Caption{"Label_Rpt_RL", {"Pass Repert noise(ms)", "过中继尾音检测(ms)"}},
    Caption{"Label_ponmsg", {"Power On Disp", "开机显示方式"}},
    Caption{"Check_radio", {"FM Radio Enabled", "FM 调频收音机允许使用"}},
    Caption{"Check_Alarm_Sound", {"Alarm Sound", "报警时本机是否发出报警声"}},
    Caption{"Label_Alarm_mode", {"Alarm Mode", "报警模式"}},
    Caption{"Label_roger", {"Roger", "发射结束提示音"}},
    Caption{"Label_ab_Beep", {" Reced A/B Beep", "A/B 接收到信号提醒"}},
    Caption{"Label_TX_Band", {"TX Under TDR Star", "双守启动后发射选择"}},
    Caption{"Check_tdr", {"TDR", "启动双守"}},
    Caption{"Check_db_PTT", {"DB_PTT", "DB_PTT"}},
};

constexpr std::array kVfo{
    Caption{"Frame_A", {"A Band Frequency Mode", "Ａ段频率模式"}},
    Caption{"Label_Freq_a", {"Frequency", "当前频率"}},
    Caption{"Label_Band_A", {"Band", "频段"}},
    Caption{"Label_Range_A", {"Freq Range", "频率范围"}},
    Caption{"Label_Txp_a", {"TX Power", "发射功率"}},
    Caption{"Label_r_ctdcs_a", {"RX QT/DQT", "接收哑音"}},
    Caption{"Label_t_ctdcs_a", {"TX QT/DQT", "发射哑音"}},
    Caption{"Label_wn_a", {"W/N", "信道带宽"}},
    Caption{"Label_step_a", {"Step Frequency", "步进频率"}},
    Caption{"Label_sft_d_a", {"SFT_D", "频差方向"}},
    Caption{"Label_Offset_A", {"Offset", "频差频率"}},
    Caption{"Label_S_info_a", {"Signal Code", "信令编码"}},
    Caption{"Label_Optsig_a", {"Optional Signal", "可选信令"}},
    Caption{"Label_Spmute_a", {"Speak Mute", "信令关系"}},
    Caption{"Frame_B", {"B Band Frequency Mode", "Ｂ段频率模式"}},
    Caption{"Label_Freq_b", {"Frequency", "当前频率"}},
    Caption{"Label_Band_B", {"Band", "频段"}},
    Caption{"Label_Range_B", {"Freq Range", "频率范围"}},
    Caption{"Label_txp_b", {"TX Power", "发射功率"}},
    Caption{"Label_r_ctdcs_b", {"RX QT/DQT", "接收哑音"}},
    Caption{"Label_t_ctdcs_b", {"TX QT/DQT", "发射哑音"}},
    Caption{"Label_wn_b", {"W/N", "信道带宽"}},
    Caption{"Label_step_b", {"Step Frequency", "步进频率"}},
    Caption{"Label_sft_d_b", {"SFT_D", "频差方向"}},
    Caption{"Label_Offset_B", {"Offset", "频差频率"}},
    Caption{"Label_S_info_b", {"Signal Code", "信令编码"}},
    Caption{"Label_OptSig_b", {"Optional Signal", "可选信令"}},
    Caption{"Label_Spmute_b", {"Speak Mute", "信令关系"}},
};

}  // namespace

std::span<const Caption> Opt_captions_general() { return kGeneral; }
std::span<const Caption> Opt_captions_band() { return kBand; }
std::span<const Caption> Opt_captions_vfo() { return kVfo; }

#include "alignment/adj_texts.h"

namespace adj {

const char* GroupName(Group g) {
  switch (g) {
    case Group::Frame_Frame: return "Frame_Frame";
    case Group::Frame_Sql: return "Frame_Sql";
    case Group::Frame_Dev: return "Frame_Dev";
    case Group::Frame_Other: return "Frame_Other";
  }
  return "";
}

const std::array<PageSpec, kPages> kPageSpecs{{
    {"Adj_Txp_High", Same("发射功率（高）"), Same("发射功率调整（高功率）"), Group::Frame_Frame,
     Same("发射功率调整（高功率）")},
    {"Adj_Txp_Mid", Same("发射功率（中）"), Same("发射功率调整（中功率）"), Group::Frame_Frame,
     Same("发射功率调整（中功率）")},
    {"Adj_Txp_Low", Same("发射功率（低）"), Same("发射功率调整（低功率）"), Group::Frame_Frame,
     Same("发射功率调整（低功率）")},
    {"Adj_Sql_Leve", Same("静噪等级"), Same("静噪等级调整"), Group::Frame_Sql, Same("静噪等级")},
    {"Adj_Dev_Leve", Same("调制、音量、滤波"), Same("调制、音量、滤波"), Group::Frame_Dev, Same("调制、音量、滤波")},
    {"Adj_Other", Same("频率范围"), Same("频率范围"), Group::Frame_Other, Same("频率范围限制")},
}};

const Text kWindowTitle = Same("发射功率调整（高功率）");
const Text kFirstBandCaption = Same(" 130 - 179  MHZ ");

Text SecondBandCaption(bool band220) { return Same(band220 ? " 200 - 270  MHZ " : " 400 - 520  MHZ "); }

Text CheckBandCaption(bool band220) {
  return Same(band220 ? "工作频段: 130 - 179 MHZ / 200 - 270 MHZ " : "工作频段: 130 - 179 MHZ / 400 - 520 MHZ ");
}

Text LabelF1Caption(bool band220) {
  return Same(band220 ? "UHF0                     200 - 270 " : "UHF0                     400 - 520 ");
}

const std::array<Caption, 18> kFixedCaptions{{
    {"Frame_Frame", Same("发射功率调整（高功率）")},
    {"Frame_Sql", Same("静噪等级")},
    {"Frame_Dev", Same("调制、音量、滤波")},
    {"Frame_Other", Same("频率范围限制")},
    {"Frame1", Same(" 136 - 174 MHZ")},
    {"Frame9", Same("SQ 相关寄存器设置")},
    {"Frame_Dev_1", Same("调制度、灵敏度")},
    {"Frame_Dev_2", Same(" RDA1846S 音频音量")},
    {"Frame_vox", Same("声控各等级起控值")},
    {"Frame3", Same("开机自定显示字符")},
    {"Frame4", Same("开机按 6 显示信息")},
    {"Frame5", Same("读写频密码设置")},
    {"Label_F0", Same("VHF0                     130 - 179 ")},
    {"Command_read", Same("读  取")},
    {"Command_Write", Same("写  入")},
    {"Command_save", Same("保  存")},
    {"Command_open", Same("打  开")},
    {"Command_close", Same("关  闭")},
}};

QString FirstPowerPointLabel(int bandLow0, int point) {
  return QString::number(bandLow0 + 3 * point) + QStringLiteral("MHZ");
}
QString SecondPowerPointLabel(int bandLow1, int point) {
  return QString::number(bandLow1 + 5 * point) + QStringLiteral("MHZ");
}
bool SecondPointVisible(bool band220, int point) { return !(band220 && point == 15); }
QString SqLevelLabel(int level) { return QString::number(level); }
QString SqOffsetLabelVhf(int point) { return QString::number(130 + 5 * point); }
QString SqOffsetLabelUhf(bool band220, int point) {
  return QString::number(band220 ? 200 + 5 * point : 400 + 10 * point);
}
QString VoxLevelLabel(int level) { return QLatin1Char(' ') + QString::number(level); }
QString ListItem(int k) { return QLatin1Char(' ') + QString::number(k); }

const Message kRangeMsg255{Same(" 输入数字范围为 0 - 255 ！"), Same("操作提示")};
const Message kRangeMsg20{Same(" 输入数字范围为 0 - 20 ！"), Same("操作提示")};

const Text kFileTitle{"Operate Prompt", "操作提示"};

const Message kLowerBelowBandMsg{{"Receive frequency of lower limit can't less than the lowest of work frequency. ",
                                  "下限频率不可小于该频段最低工作频率"},
                                 kFileTitle};
const Message kLowerAboveUpperMsg{{"Receive frequency of lower limit can't more than receive frequency of upper limit.",
                                   "下限频率不可大于该频段上限频率"},
                                  kFileTitle};
const Message kUpperAboveBandMsg{{"Receive frequency of upper limit can't more than the highest of work frequency. ",
                                  "上限频率不可大于该频段最大工作频率"},
                                 kFileTitle};
const Message kUpperBelowLowerMsg{{"Receive frequency of lower limit can't more than receive frequency of upper limit.",
                                   "上限频率不可小于该频段下限频率"},
                                  kFileTitle};
const Message kLowerTooLargeMsg{{"Receive frequency of lower limit can't more than the highest of work frequency. ",
                                 "下限频率不可大于该频段最大工作频率"},
                                kFileTitle};

const Message kFileLoadedMsg{{"Succeed fold the optional parameters from file.", "调整参数从文件调入成功 ！"},
                             kFileTitle};
const Message kFileSavedMsg{{"Complete storing optional parameters.", "调整参数保存完毕 ！"}, kFileTitle};

}  // namespace adj

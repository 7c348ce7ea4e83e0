#include "settings/dtmf_block.h"

#include <algorithm>

namespace dtmf {

const Message kShortMessage{{" The Group Digits range is 3 - 5 Bits.", "该码组位数的有效范围为 3 - 5 位 ！"},
                            {"Operate Prompt", "操作提示"}};
const Message kLongMessage{{"Group Digits Max 5 Bits.", "码组位数最大为 5 位 ！"}, {"Operate Prompt\"", "操作提示"}};
const Message kCharMessage{{"Groupdigits only by 0 to 9 and* # A B C D.", "码组字符只能是 0 - 9 或 * # A B C D  ！"},
                           {"Operate Prompt\"", "操作提示"}};

namespace {

constexpr int kTimeLast = kTimeItems - 1;
constexpr char16_t kCodeChars[] = u"*#ABCD";  // codes 11..16

constexpr Caption kCaptions[] = {
    {"frm_dtmf", {"DTMF Encode/Decode ", "DTMF 编解码参数编辑"}},
    {"Frame_encode", {"DTMF Encode", "DTMF 编码"}},
    {"Label_encode_xh", {"Number", "编码码组"}},
    {"Label_tx_encode", {" Code ", "发送编码"}},
    {"Label_dtmf_ontime", {"DTMF Speed (On Time)", "发送DTMF码时码持续时间（MS）"}},
    {"Label_dtmf_offtime", {"DTMF Speed (Off Time)", "发送DTMF码时码间断时间（MS）"}},
    {"Label_Group_code", {"Group Code", "群呼码"}},
    {"Frame_ANI_Code", {"ANI Code", "本机 ID 码"}},
    {"Check_Ptt_P", {"Press PTT to Send", "PTT按下发送"}},
    {"Check_Ptt_S", {"Release PTT to Send", "PTT松开发送"}},
    {"Label_bj", {"Alarm", "报 警 码"}},
    {"Command_def", {"Default", "默 认"}},
    {"Command_close", {"Close", "关  闭"}},
};

int Byte(const img::Image& im, int row, int col) {
  const int v = im(row, col);
  return v >= 0 && v <= 255 ? v : 0xFF;
}

std::array<int, kGroupDigits> Field(const img::Image& im, int row, int first) {
  std::array<int, kGroupDigits> codes{};
  for (int k = 0; k < kGroupDigits; ++k) codes[static_cast<std::size_t>(k)] = Byte(im, row, first + k);
  return codes;
}

// A field's text: empty when its first byte is 0xFF.
QString FieldText(const img::Image& im, int row, int first) {
  if (Byte(im, row, first) == kNoCode) return {};
  const auto codes = Field(im, row, first);
  return DtmfGroupToText(codes);
}

int CodeFirst(Code c) { return c == Code::Alarm ? kAlarmFirst : kAniFirst; }

bool Acceptable(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'D') || c == u'*' || c == u'#'; }

bool IsDigit(int key) { return key >= '0' && key <= '9'; }
// A key that types a character into the box (not a control key).
bool Types(int key) { return key >= 0x20 && key != 0x7F; }

}  // namespace

int DtmfCharToCode(const QString& c) {
  if (c.size() != 1) return 255;
  const QChar ch = c[0];
  if (ch >= u'0' && ch <= u'9') return ch.unicode() - u'0';
  if (ch == u'*') return 11;
  if (ch == u'#') return 12;
  if (ch >= u'A' && ch <= u'D') return 13 + (ch.unicode() - u'A');
  if (ch >= u'a' && ch <= u'd') return 13 + (ch.unicode() - u'a');
  return 255;
}

QString DtmfCodeToChar(int n) {
  if (n >= 0 && n <= 9) return QString::number(n);
  if (n >= 11 && n <= 16) return QString(QChar(kCodeChars[n - 11]));
  return {};
}

QString DtmfGroupToText(std::span<const int, kGroupDigits> codes) {
  QString text;
  for (const int n : codes) text += DtmfCodeToChar(n);
  return text;
}

std::array<int, kGroupDigits> DtmfTextToCodes(const QString& text) {
  std::array<int, kGroupDigits> codes;
  codes.fill(kNoCode);
  const QString t = text.trimmed();
  for (qsizetype k = 0; k < t.size() && k < kGroupDigits; ++k)
    codes[static_cast<std::size_t>(k)] = DtmfCharToCode(QString(t[k]));
  return codes;
}

QStringList TimeItems() {
  QStringList items;
  for (int i = 0; i < kTimeItems; ++i) items << QString::number(50 + 10 * i);
  return items;
}

QStringList GroupCallItems() {
  return {QStringLiteral("*"), QStringLiteral("#"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
}

Shown ShowBlock(const img::Image& im) {
  Shown sh;
  for (int g = 0; g < kGroups; ++g) sh.groups[static_cast<std::size_t>(g)] = FieldText(im, GroupRow(g), 0);
  const int row = img::kDtmfSettingsRow;
  sh.onTime = std::min(Byte(im, row, kOnTime), kTimeLast);
  sh.offTime = std::min(Byte(im, row, kOffTime), kTimeLast);
  const int flags = Byte(im, row, kPttFlags);
  sh.pttPress = (flags & 0x01) != 0;
  sh.pttRelease = (flags & 0x02) != 0;
  sh.alarm = FieldText(im, row, kAlarmFirst);
  sh.ani = FieldText(im, row, kAniFirst);
  sh.groupCall = DtmfCodeToChar(Byte(im, row, kGroupCall));
  return sh;
}

void TimeStore(img::Image& im, Time t, int index) {
  if (index < 0 || index > kTimeLast) return;
  im(img::kDtmfSettingsRow, t == Time::On ? kOnTime : kOffTime) = static_cast<std::int16_t>(index);
}

void PttStore(img::Image& im, Ptt p, bool checked) {
  const int bit = p == Ptt::Press ? 0x01 : 0x02;
  const int b = Byte(im, img::kDtmfSettingsRow, kPttFlags);
  im(img::kDtmfSettingsRow, kPttFlags) = static_cast<std::int16_t>(checked ? (b | bit) : (b & ~bit));
}

void CodeStore(img::Image& im, Code c, const QString& text) {
  const auto codes = DtmfTextToCodes(text);
  for (int k = 0; k < kGroupDigits; ++k)
    im(img::kDtmfSettingsRow, CodeFirst(c) + k) = static_cast<std::int16_t>(codes[static_cast<std::size_t>(k)]);
}

void GroupStore(img::Image& im, int group, const QString& text) {
  if (group < 0 || group >= kGroups) return;
  const int row = GroupRow(group);
  im.fillRows(row, row, kNoCode);
  const auto codes = DtmfTextToCodes(text);
  for (int k = 0; k < kGroupDigits; ++k) im(row, k) = static_cast<std::int16_t>(codes[static_cast<std::size_t>(k)]);
}

void ShowStore(img::Image& im, const Shown& shown) {
  TimeStore(im, Time::On, shown.onTime);
  TimeStore(im, Time::Off, shown.offTime);
  PttStore(im, Ptt::Press, shown.pttPress);
  PttStore(im, Ptt::Release, shown.pttRelease);
  CodeStore(im, Code::Alarm, shown.alarm);
  CodeStore(im, Code::Ani, shown.ani);
}

void FirstShow(img::Image& im) { ShowStore(im, ShowBlock(im)); }

KeyAction KeyPress(Box box, int key, const QString& text) {
  if (key == 8) return {false, true};
  switch (box) {
    case Box::Group:
      // Control keys (Enter, Esc, Ctrl+C, ...) reach the box and empty nothing.
      return {Types(key) && text.size() > 4, true};
    case Box::Ani:
      if (!IsDigit(key)) return {false, false};
      return {text.trimmed().size() > 4, true};
    case Box::Alarm:
      if (!IsDigit(key)) return {false, false};
      return {false, text.trimmed().size() <= 4};
  }
  return {};
}

std::optional<Message> ValidateDtmfGroup(const QString& text) {
  if (text.size() >= 6) return kLongMessage;
  const QString t = text.trimmed();
  for (qsizetype p = 0; p < text.size(); ++p)
    if (p >= t.size() || !Acceptable(t[p])) return kCharMessage;
  return std::nullopt;
}

Leave LeaveCode(const QString& text) {
  Leave out;
  const auto refusal = ValidateDtmfGroup(text);
  if (text.isEmpty() || refusal) {
    out.message = refusal;
    out.empty = true;
    out.keepFocus = true;
  } else if (text.trimmed().size() < 3) {
    out.message = kShortMessage;
    out.keepFocus = true;
  }
  return out;
}

std::span<const Caption> Captions() { return kCaptions; }

QString GroupLabel(int group) { return QString::number(group + 1); }

}  // namespace dtmf

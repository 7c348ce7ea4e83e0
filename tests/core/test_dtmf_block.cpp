// The DTMF block: digit codes both ways, what the window shows, each
// handler's bytes, the key rule, the alarm and ANI check and its messages.
#include "image/settings_defaults.h"
#include "settings/dtmf_block.h"
#include "state/image.h"
#include "state/session.h"
#include "support/image_diff.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace dtmf;

namespace {

constexpr int kSet = img::kDtmfSettingsRow;

std::string Str(const QString& s) { return s.toStdString(); }

img::Image Factory() {
  Session st;
  img::Image image;
  image.clear(0x3C);
  Dtmf_defaults_init(image);
  return image;
}

std::vector<int> Row(const img::Image& im, int row, int first, int count) {
  std::vector<int> out;
  for (int c = first; c < first + count; ++c) out.push_back(im(row, c));
  return out;
}

TEST(DtmfCodes, CharacterToCode) {
  const std::pair<const char*, int> cases[] = {
      {"0", 0},   {"1", 1},   {"5", 5},   {"9", 9},  {"*", 11},   {"#", 12},  {"A", 13},
      {"B", 14},  {"C", 15},  {"D", 16},  {"a", 13}, {"b", 14},   {"c", 15},  {"d", 16},
      {"E", 255}, {"e", 255}, {" ", 255}, {"", 255}, {"12", 255}, {"-", 255},
  };
  for (const auto& [c, code] : cases) EXPECT_EQ(DtmfCharToCode(QString::fromUtf8(c)), code) << "'" << c << "'";
}

TEST(DtmfCodes, CodeToCharacter) {
  const std::pair<int, const char*> cases[] = {
      {0, "0"},  {7, "7"},  {9, "9"},  {10, ""}, {11, "*"}, {12, "#"}, {13, "A"},
      {14, "B"}, {15, "C"}, {16, "D"}, {17, ""}, {255, ""}, {-1, ""},
  };
  for (const auto& [code, c] : cases) EXPECT_EQ(Str(DtmfCodeToChar(code)), c) << code;
}

TEST(DtmfCodes, GroupToTextAndBack) {
  EXPECT_EQ(Str(DtmfGroupToText(std::array<int, 5>{1, 10, 2, 17, 3})), "123");
  EXPECT_EQ(Str(DtmfGroupToText(std::array<int, 5>{2, 0, 2, 0, 2})), "20202");
  EXPECT_EQ(Str(DtmfGroupToText(std::array<int, 5>{1, 0xFF, 2, 0xFF, 0xFF})), "12");
  EXPECT_EQ(Str(DtmfGroupToText(std::array<int, 5>{13, 11, 12, 16, 0})), "A*#D0");

  struct Case {
    QString text;
    std::array<int, 5> codes;
  };
  const Case cases[] = {
      {"A1", {13, 1, 0xFF, 0xFF, 0xFF}}, {"a1b", {13, 1, 14, 0xFF, 0xFF}},   {"x12", {0xFF, 1, 2, 0xFF, 0xFF}},
      {"1234567", {1, 2, 3, 4, 5}},      {" 12 ", {1, 2, 0xFF, 0xFF, 0xFF}}, {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"1 2", {1, 0xFF, 2, 0xFF, 0xFF}},
  };
  for (const Case& c : cases) EXPECT_EQ(DtmfTextToCodes(c.text), c.codes) << Str(c.text);
}

TEST(DtmfLists, TimeAndGroupCallItems) {
  const QStringList times = TimeItems();
  ASSERT_EQ(times.size(), 196);
  EXPECT_EQ(times[0], "50");
  EXPECT_EQ(times[5], "100");
  EXPECT_EQ(times[195], "2000");
  EXPECT_EQ(GroupCallItems(), (QStringList{"*", "#", "A", "B", "C"}));
  EXPECT_EQ(Str(GroupLabel(0)), "1");
  EXPECT_EQ(Str(GroupLabel(14)), "15");
}

TEST(DtmfShow, FactoryBlock) {
  img::Image im = Factory();
  const Shown sh = ShowBlock(im);
  EXPECT_EQ(Str(sh.groups[0]), "20202");
  for (int g = 1; g < 14; ++g) EXPECT_EQ(Str(sh.groups[static_cast<std::size_t>(g)]), "") << g;
  EXPECT_EQ(Str(sh.groups[14]), "30303");
  EXPECT_EQ(sh.onTime, 5);
  EXPECT_EQ(sh.offTime, 5);
  EXPECT_FALSE(sh.pttPress);
  EXPECT_TRUE(sh.pttRelease);
  EXPECT_EQ(Str(sh.alarm), "119");
  EXPECT_EQ(Str(sh.ani), "80808");
  EXPECT_EQ(Str(sh.groupCall), "*");

  const img::Image before = im;
  FirstShow(im);
  EXPECT_EQ(ImageDiff(im, before), "");  // rows 208..223 unchanged
}

TEST(DtmfShow, StoredOddities) {
  img::Image im = Factory();
  PutBytes(im, img::kDtmfFirst + 3, 0, std::vector<int>{0xFF, 1, 2, 3, 0xFF});  // empty despite codes
  im(kSet, kOnTime) = 200;
  im(kSet, kOffTime) = 195;
  PutBytes(im, kSet, kAlarmFirst, std::vector<int>{1, 0xFF, 9, 0xFF, 0xFF});
  PutBytes(im, kSet, kAniFirst, std::vector<int>{0xFF, 4, 5, 6, 7});
  im(kSet, kGroupCall) = 16;
  Shown sh = ShowBlock(im);
  EXPECT_EQ(Str(sh.groups[3]), "");
  EXPECT_EQ(sh.onTime, 195);
  EXPECT_EQ(sh.offTime, 195);
  EXPECT_EQ(Str(sh.alarm), "19");
  EXPECT_EQ(Str(sh.ani), "");
  EXPECT_EQ(Str(sh.groupCall), "D");  // shown although not one of the items

  img::Image want = im;
  want(kSet, kOnTime) = 195;
  PutBytes(want, kSet, kAlarmFirst, std::vector<int>{1, 9, 0xFF, 0xFF, 0xFF});  // the gap closes
  // Shown empty, stored empty; a group is stored only when its box is left.
  PutBytes(want, kSet, kAniFirst, std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  FirstShow(im);
  EXPECT_EQ(ImageDiff(im, want), "");

  for (int code : {11, 0xFF}) {
    im(kSet, kGroupCall) = static_cast<std::int16_t>(code);
    EXPECT_EQ(Str(ShowBlock(im).groupCall), code == 11 ? "*" : "");
  }
}

TEST(DtmfHandlers, TimesAndPttBits) {
  img::Image im = Factory();
  img::Image want = im;
  TimeStore(im, Time::On, 195);
  TimeStore(im, Time::Off, 0);
  TimeStore(im, Time::On, 196);  // not an item: nothing
  TimeStore(im, Time::Off, -1);
  want(kSet, kOnTime) = 195;
  want(kSet, kOffTime) = 0;
  EXPECT_EQ(ImageDiff(im, want), "");

  im(kSet, kPttFlags) = 0xF0;
  PttStore(im, Ptt::Press, true);
  EXPECT_EQ(im(kSet, kPttFlags), 0xF1);
  PttStore(im, Ptt::Release, true);
  EXPECT_EQ(im(kSet, kPttFlags), 0xF3);
  PttStore(im, Ptt::Press, false);
  EXPECT_EQ(im(kSet, kPttFlags), 0xF2);
  PttStore(im, Ptt::Release, false);
  EXPECT_EQ(im(kSet, kPttFlags), 0xF0);
}

TEST(DtmfHandlers, GroupsAreNeverRefused) {
  struct Case {
    int group;
    QString text;
    std::vector<int> codes;
    std::string shown;
  };
  const Case cases[] = {
      {0, "A1", {13, 1, 0xFF, 0xFF, 0xFF}, "A1"},  {1, "a1b", {13, 1, 14, 0xFF, 0xFF}, "A1B"},
      {2, "x12", {0xFF, 1, 2, 0xFF, 0xFF}, ""},    {14, " 1234567 ", {1, 2, 3, 4, 5}, "12345"},
      {5, "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
  };
  for (const Case& c : cases) {
    img::Image im = Factory();
    im.fillRows(GroupRow(c.group), GroupRow(c.group), 0);  // bytes 5..15 are reset too
    img::Image want = im;
    want.fillRows(GroupRow(c.group), GroupRow(c.group), 0xFF);
    PutBytes(want, GroupRow(c.group), 0, c.codes);
    GroupStore(im, c.group, c.text);
    EXPECT_EQ(ImageDiff(im, want), "") << Str(c.text);
    EXPECT_EQ(Str(ShowBlock(im).groups[static_cast<std::size_t>(c.group)]), c.shown);
  }
}

TEST(DtmfHandlers, AlarmAndAniFields) {
  img::Image im = Factory();
  img::Image want = im;
  CodeStore(im, Code::Ani, "12");
  PutBytes(want, kSet, kAniFirst, std::vector<int>{1, 2, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(ImageDiff(im, want), "");  // the alarm bytes untouched
  CodeStore(im, Code::Alarm, "");
  PutBytes(want, kSet, kAlarmFirst, std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(ImageDiff(im, want), "");
  CodeStore(im, Code::Alarm, "1234567");
  EXPECT_EQ(Row(im, kSet, kAlarmFirst, 5), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Row(im, kSet, kAniFirst, 5), (std::vector<int>{1, 2, 0xFF, 0xFF, 0xFF}));
}

TEST(DtmfKeys, OnlyAnInsertedKeyEmptiesABox) {
  struct Case {
    std::string name;
    Box box;
    int key;
    QString text;
    KeyAction want;
  };
  const Case cases[] = {
      {"GroupFullDigit", Box::Group, '6', "12345", {true, true}},
      {"GroupFullLetter", Box::Group, 'x', "12345", {true, true}},
      {"GroupFullSpace", Box::Group, ' ', "1234 ", {true, true}},
      {"GroupFullEnter", Box::Group, 13, "12345", {false, true}},
      {"GroupFullEsc", Box::Group, 27, "12345", {false, true}},
      {"GroupFullCtrlC", Box::Group, 3, "12345", {false, true}},
      {"GroupFullBackspace", Box::Group, 8, "12345", {false, true}},
      {"GroupNotFull", Box::Group, '5', "1234", {false, true}},
      {"AniFullDigit", Box::Ani, '6', "12345", {true, true}},
      {"AniFullLetter", Box::Ani, 'x', "12345", {false, false}},
      {"AniFullEnter", Box::Ani, 13, "12345", {false, false}},
      {"AniFullEsc", Box::Ani, 27, "12345", {false, false}},
      {"AniFullCtrlC", Box::Ani, 3, "12345", {false, false}},
      {"AniFullBackspace", Box::Ani, 8, "12345", {false, true}},
      {"AniNotFullDigit", Box::Ani, '4', " 123 ", {false, true}},
      {"AniStar", Box::Ani, '*', "1", {false, false}},
      {"AlarmFullDigit", Box::Alarm, '6', "12345", {false, false}},
      {"AlarmFullEnter", Box::Alarm, 13, "12345", {false, false}},
      {"AlarmNotFullDigit", Box::Alarm, '5', "1234", {false, true}},
      {"AlarmLetter", Box::Alarm, 'A', "1", {false, false}},
      {"AlarmBackspace", Box::Alarm, 8, "12345", {false, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyPress(c.box, c.key, c.text), c.want) << c.name;
}

TEST(DtmfCheck, MessagesWithTheirTitles) {
  EXPECT_EQ(Str(kShortMessage.text.in(false)), " The Group Digits range is 3 - 5 Bits.");
  EXPECT_EQ(Str(kShortMessage.text.in(true)), "该码组位数的有效范围为 3 - 5 位 ！");
  EXPECT_EQ(Str(kShortMessage.title.in(false)), "Operate Prompt");
  EXPECT_EQ(Str(kShortMessage.title.in(true)), "操作提示");
  EXPECT_EQ(Str(kLongMessage.text.in(false)), "Group Digits Max 5 Bits.");
  EXPECT_EQ(Str(kLongMessage.text.in(true)), "码组位数最大为 5 位 ！");
  EXPECT_EQ(Str(kCharMessage.text.in(false)), "Groupdigits only by 0 to 9 and* # A B C D.");
  EXPECT_EQ(Str(kCharMessage.text.in(true)), "码组字符只能是 0 - 9 或 * # A B C D  ！");
  for (const Message* m : {&kLongMessage, &kCharMessage}) {
    EXPECT_EQ(Str(m->title.in(false)), "Operate Prompt\"");
    EXPECT_EQ(m->title.in(false).size(), 15);
    EXPECT_EQ(Str(m->title.in(true)), "操作提示");
  }
}

TEST(DtmfCheck, LeavingTheAlarmOrAniBox) {
  struct Case {
    std::string name;
    QString text;
    const Message* message;
    bool empty, keepFocus;
  };
  const Case cases[] = {
      {"Empty", "", nullptr, true, true},
      {"Short", "12", &kShortMessage, false, true},
      {"Three", "123", nullptr, false, false},
      {"Five", "12345", nullptr, false, false},
      {"Letters", "A*#", nullptr, false, false},
      {"TooLong", "1234567", &kLongMessage, true, true},
      {"SixWithSpace", "12345 ", &kLongMessage, true, true},
      {"LowerCase", "12a", &kCharMessage, true, true},
      {"LeadingSpace", " 123", &kCharMessage, true, true},
      {"TrailingSpace", "123 ", &kCharMessage, true, true},
      {"OnlySpaces", "   ", &kCharMessage, true, true},
      {"LetterE", "12E", &kCharMessage, true, true},
  };
  for (const Case& c : cases) {
    const Leave got = LeaveCode(c.text);
    ASSERT_EQ(got.message.has_value(), c.message != nullptr) << c.name;
    if (c.message) {
      EXPECT_EQ(Str(got.message->text.in(false)), Str(c.message->text.in(false))) << c.name;
    }
    EXPECT_EQ(got.empty, c.empty) << c.name;
    EXPECT_EQ(got.keepFocus, c.keepFocus) << c.name;
  }
}

TEST(DtmfWindow, Captions) {
  const std::vector<std::array<std::string, 3>> want = {
      {"frm_dtmf", "DTMF Encode/Decode ", "DTMF 编解码参数编辑"},
      {"Frame_encode", "DTMF Encode", "DTMF 编码"},
      {"Label_encode_xh", "Number", "编码码组"},
      {"Label_tx_encode", " Code ", "发送编码"},
      {"Label_dtmf_ontime", "DTMF Speed (On Time)", "发送DTMF码时码持续时间（MS）"},
      {"Label_dtmf_offtime", "DTMF Speed (Off Time)", "发送DTMF码时码间断时间（MS）"},
      {"Label_Group_code", "Group Code", "群呼码"},
      {"Frame_ANI_Code", "ANI Code", "本机 ID 码"},
      {"Check_Ptt_P", "Press PTT to Send", "PTT按下发送"},
      {"Check_Ptt_S", "Release PTT to Send", "PTT松开发送"},
      {"Label_bj", "Alarm", "报 警 码"},
      {"Command_def", "Default", "默 认"},
      {"Command_close", "Close", "关  闭"},
  };
  const auto captions = Captions();
  ASSERT_EQ(captions.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(captions[i].control, want[i][0]);
    EXPECT_EQ(Str(captions[i].text.in(false)), want[i][1]) << want[i][0];
    EXPECT_EQ(Str(captions[i].text.in(true)), want[i][2]) << want[i][0];
  }
}

}  // namespace

#pragma once
// Texts of the alignment window. Its own controls (tabs, window and group
// captions, labels, list items) carry Chinese texts only, whatever the
// language; its messages follow the language, except the two range messages
// of the number boxes, which are Chinese in both languages.
#include "platform/core/text.h"

#include <QString>

#include <array>

namespace adj {

// A text that reads the same in both languages.
constexpr Text Same(const char* t) { return Text{t, t}; }

// The four groups that hold the pages.
enum class Group { Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other };
const char* GroupName(Group g);

struct PageSpec {
  const char* key;    // the tab's key
  Text tab;           // the tab's caption
  Text window;        // the window's caption on this page
  Group group;        // the group the page shows
  Text groupCaption;  // the group's caption (pages 0..2: like the window)
};
constexpr int kPages = 6;
extern const std::array<PageSpec, kPages> kPageSpecs;

// The window's caption as created and after every load.
extern const Text kWindowTitle;

// Captions set when the pages are prepared.
extern const Text kFirstBandCaption;   // " 130 - 179  MHZ "
Text SecondBandCaption(bool band220);  // " 200 - 270  MHZ " / " 400 - 520  MHZ "
Text CheckBandCaption(bool band220);   // "工作频段: 130 - 179 MHZ / ... MHZ "
Text LabelF1Caption(bool band220);     // "UHF0", 21 spaces, the range, a space

// Captions of named controls as created, never replaced at run time.
extern const std::array<Caption, 18> kFixedCaptions;

// Labels of the frequency points, levels and lists.
QString FirstPowerPointLabel(int bandLow0, int point);   // bandLow0 + 3i, "130MHZ"
QString SecondPowerPointLabel(int bandLow1, int point);  // bandLow1 + 5i, "400MHZ"
bool SecondPointVisible(bool band220, int point);        // point 15 hidden for 200..270
QString SqLevelLabel(int level);                         // "0".."9"
QString SqOffsetLabelVhf(int point);                     // "130".."205"
QString SqOffsetLabelUhf(bool band220, int point);       // "400".."550" or "200".."275"
QString VoxLevelLabel(int level);                        // " 0".." 10"
QString ListItem(int k);                                 // " k"

// Messages. The range messages of the number boxes use the information icon;
// every other message the exclamation icon.
extern const Message kRangeMsg255;  // " 输入数字范围为 0 - 255 ！", title "操作提示"
extern const Message kRangeMsg20;   // " 输入数字范围为 0 - 20 ！"
extern const Message kLowerBelowBandMsg;
extern const Message kLowerAboveUpperMsg;
extern const Message kUpperAboveBandMsg;
extern const Message kUpperBelowLowerMsg;
extern const Message kLowerTooLargeMsg;  // a lower limit of 1000 MHz or more cannot be stored
extern const Message kFileLoadedMsg;
extern const Message kFileSavedMsg;
extern const Text kFileTitle;  // "Operate Prompt" / "操作提示"

}  // namespace adj

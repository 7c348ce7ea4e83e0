#pragma once
// The DTMF block (radio 0x0D00..0x0DFF, image rows 208..223) and the rules of
// the DTMF window that need no window.
//   rows 208..222  code groups 1..15: bytes 0..4 the digit codes, 0xFF where
//                  the group is shorter; bytes 5..15 0xFF. A group whose byte 0
//                  is 0xFF is empty.
//   row 223        0 on time, 1 off time (index i = 50 + 10 i ms, 0..195),
//                  2 when the ANI is sent (bit 0 on PTT press, bit 1 on
//                  release), 3..7 alarm code, 8..12 ANI code, 13 group call,
//                  14..15 carried.
// Digit codes: "0".."9" 0..9, "*" 11, "#" 12, "A".."D" 13..16; 0xFF none.
#include "platform/core/text.h"
#include "state/image.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace dtmf {

constexpr int kGroups = 15;
constexpr int kGroupDigits = 5;
constexpr int kNoCode = 0xFF;
constexpr int kTimeItems = 196;  // "50".."2000"
constexpr int kOnTime = 0, kOffTime = 1, kPttFlags = 2, kAlarmFirst = 3, kAniFirst = 8, kGroupCall = 13;

constexpr int GroupRow(int group) { return img::kDtmfFirst + group; }  // group 0..14

// The code of one character; 255 for anything else (E..Z, a space, an empty text).
int DtmfCharToCode(const QString& c);
// The character of a code: "" for 10 and above 16.
QString DtmfCodeToChar(int n);
// Five codes joined; codes without a character add nothing (1, 0xFF, 2 -> "12").
QString DtmfGroupToText(std::span<const int, kGroupDigits> codes);
// A text as five codes: the trimmed text's first five characters, 0xFF behind
// a shorter text ("x12" -> 0xFF, 1, 2, 0xFF, 0xFF).
std::array<int, kGroupDigits> DtmfTextToCodes(const QString& text);

// The on- and off-time items "50", "60", .. "2000"; the group-call items.
QStringList TimeItems();
QStringList GroupCallItems();

// What the window shows of the block.
struct Shown {
  std::array<QString, kGroups> groups;
  int onTime = 0, offTime = 0;  // list index, a byte above 195 shown as 195
  bool pttPress = false, pttRelease = false;
  QString alarm, ani;
  QString groupCall;  // the field text of the group-call list, "D" included
};
Shown ShowBlock(const img::Image& im);

// The handlers' writes.
enum class Time { On, Off };
enum class Code { Alarm, Ani };
enum class Ptt { Press, Release };
// A time list's choice; an index outside 0..195 stores nothing.
void TimeStore(img::Image& im, Time t, int index);
// A PTT check box: sets or clears its bit, the other bits kept.
void PttStore(img::Image& im, Ptt p, bool checked);
// The ANI or alarm box's text, on every change: its five codes.
void CodeStore(img::Image& im, Code c, const QString& text);
// A code group box left: the whole row 0xFF, then the codes of the first five
// characters of the trimmed text. Never refused.
void GroupStore(img::Image& im, int group, const QString& text);

// What a show leaves in the block, from what the window's controls show
// (`shown`: the time lists' indexes, the check boxes, the alarm and ANI
// boxes' texts), whether or not the show changed a control: the times as
// their lists show them (a byte above 195 as 195), the PTT bits, and the
// alarm and ANI fields rewritten from the text they show (1, 0xFF, 9 -> 1, 9,
// 0xFF; a field that shows empty holds five 0xFF). The code groups are stored
// only when their box is left (a group whose first code has no character
// keeps its later codes), and the group call is never written.
void ShowStore(img::Image& im, const Shown& shown);

// What the first show of a newly loaded window leaves in the block: the show
// of ShowBlock.
void FirstShow(img::Image& im);

// Key presses. `key` is the character code; 8 is Backspace.
enum class Box { Group, Alarm, Ani };
struct KeyAction {
  bool empty = false;  // the box is emptied first
  bool pass = false;   // the key reaches the box
  bool operator==(const KeyAction&) const = default;
};
// A group box takes every key; a character typed into a box holding more than
// four characters (spaces included) empties it first. The alarm and ANI boxes
// take Backspace and digits only; with more than four characters (trimmed) a
// digit empties the ANI box first and is dropped by the alarm box. Only a key
// that is then inserted ever empties a box.
KeyAction KeyPress(Box box, int key, const QString& text);

// The messages of the alarm and ANI check.
extern const Message kShortMessage;  // " The Group Digits range is 3 - 5 Bits."
extern const Message kLongMessage;   // "Group Digits Max 5 Bits."
extern const Message kCharMessage;   // "Groupdigits only by 0 to 9 and* # A B C D."

// The check of a code: six characters or more give kLongMessage; a character
// outside 0-9 * # A-D (lower case, a space at either end included) gives
// kCharMessage; otherwise nothing.
std::optional<Message> ValidateDtmfGroup(const QString& text);

// What leaving the alarm or ANI box does: an empty or refused code empties
// the box (five 0xFF stored) and keeps the focus, with the refusal's message;
// a code shorter than 3 characters keeps text, codes and focus with
// kShortMessage; anything else lets the focus go.
struct Leave {
  std::optional<Message> message;
  bool empty = false;
  bool keepFocus = false;
};
Leave LeaveCode(const QString& text);

// The window's captions: the window "frm_dtmf" and its controls.
std::span<const Caption> Captions();
// The group numbers "1".."15" of Label_xh(0..14).
QString GroupLabel(int group);

}  // namespace dtmf

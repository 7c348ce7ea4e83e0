#pragma once
// The radio password change. The radio keeps its passwords in a 16-byte
// record at 0x1FF0:
//
//   bytes 0..5    user password, one character per byte, left aligned,
//                 padded with spaces; six spaces: no user password
//   bytes 6..11   super password, the same form (six spaces: none)
//   byte 12       detection enable bits
//   bytes 13..14  detection counts, high byte first
//   byte 15       not interpreted here
//
// The exchange enters programming mode with all 8 entry bytes, runs the
// handshake without decoding the identification, asks for the record
// (0x06 'S' 1F F0 10), acknowledges the reply, and after the radio's answer
// to that acknowledgement checks the typed old password against the record.
// When the check passes it writes the record back with the new user password
// in bytes 0..5 and bytes 6..15 as they were read; the radio's 0x06 to that
// write ends the exchange with success.
//
// The check is the PC's only guard, so it reads fields, never searches:
// - no user password is set exactly when bytes 0..5 are all spaces; the
//   record is then written without a leading acknowledgement;
// - otherwise the typed old password (six characters, space padded) must
//   equal the user password or a super password that is not all spaces; the
//   record is then written with a leading 0x06;
// - anything else refuses the change.
#include "link/link_engine.h"
#include "link/link_texts.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace pw {

constexpr proto::Addr kRecordAddress{0x1F, 0xF0};
constexpr int kRecordLen = 16;
constexpr int kFieldLen = 6;
constexpr int kReplyLen = 68;  // what the PC reads for the reply to its read request

using Field = std::array<std::uint8_t, kFieldLen>;
using Record = std::array<std::uint8_t, kRecordLen>;
using Cells = std::array<Int16, 17>;  // PassWord_old, PassWord_new

// A character a password may hold: printable ASCII, space included. Letters
// keep their case.
bool Allowed_char(QChar c);
// The text without leading and trailing spaces (other characters are kept).
QString Trim_spaces(const QString& text);
// Cells 0..5 := the first six allowed characters of the trimmed text, the rest
// 0x20; characters that are not allowed are skipped. Cells 6..16 stay as they are.
void Text_to_cells(const QString& text, Cells& cells);
// Cells 0..5 as record bytes.
Field Cells_field(const Cells& cells);

// Where the record starts in the reply to the read request: 4 when the reply
// begins with 'X' 1F F0, 5 when a 0x06 comes first; nothing for any other reply.
std::optional<int> Record_offset(std::span<const std::uint8_t> reply);

enum class Verdict {
  NoPassword,  // no user password set: written without a leading 0x06
  Accepted,    // the old password is the user or the super password: written after a 0x06
  Refused,
};
Verdict Check(const Record& record, const Field& typedOld);

// The write: [0x06] 'X' 1F F0 10, the new user password, record bytes 6..15.
proto::Frame Write_frame(const Record& record, const Field& newUser, bool leadingAck);

// Message boxes of the password dialog.
inline constexpr Message Msg_inconsistent{{"Password is not consistent .", "密码不一致"}, kPromptTitle};
inline constexpr Message Msg_refused{{"Old PassWord Error, Writeing Stop", "原密码错误，禁止写入"},
                                     kPromptTitleCapital};
inline constexpr Message Msg_success{{"PassWord Modify Success ! ", "密码修改成功 "}, kPromptTitleCapital};

// The dialog's captions.
inline constexpr Text kDialogTitle{"Modify PassWord", "修改密码"};
inline constexpr Caption kCaptions[] = {
    {"Label_old_PassWord", {"Old PassWord", "原密码"}},
    {"Label_New_Password_1", {"New PassWord", "新密码"}},
    {"Label_New_PassWord_2", {"Confirm PassWord", "确认新密码"}},
    {"Command_Write", {"Modify", "修改"}},
    {"Command_Cancel", {"Close", "关闭"}},
};

}  // namespace pw

// The exchange kind. The passwords are taken from PassWord_old and
// PassWord_new when the exchange starts; later typing does not change what is
// checked or written.
class PassWordChange : public LinkExchangeKind {
 public:
  // Receive states after the handshake.
  enum : Int16 {
    Wait_record = 3,   // 68 bytes: the reply to the read request
    Wait_echo = 4,     // 1 byte: the radio's answer to the PC's acknowledgement
    Wait_done = 5,     // the answer to the write: 0x06 (an echoing radio: 0x06, 0x06)
    Wait_nothing = 6,  // the exchange is over: stray bytes are dropped
  };

  // `succeeded` runs after the success message has been closed (the dialog
  // empties its boxes and starts its close timer).
  explicit PassWordChange(std::function<void()> succeeded = {}) : succeeded_(std::move(succeeded)) {}

  // Busy writing; status panel 2 "Connecting ..."; the
  // passwords are taken now.
  void prepare(LinkEngine& e) override;
  bool decodesIdent() const override { return false; }
  // Status panel 2 "Connect well with radio."
  void identAccepted(LinkEngine& e) override;
  // Queues 0x06 'S' 1F F0 10 and waits for the record.
  void connected(LinkEngine& e) override;
  int phaseThreshold(const LinkEngine& e) const override;
  void phaseReceive(LinkEngine& e, int count) override;
  // "Fail connect with transceiver.", then "Communication fault." in panel 2.
  void failureTick(LinkEngine& e) override;

  // What the exchange works with (for tests).
  const pw::Field& oldPassword() const { return old_; }
  const pw::Field& newPassword() const { return new_; }
  const pw::Record& record() const { return record_; }

 private:
  void Record_received(LinkEngine& e, int count);
  void Record_check_and_write(LinkEngine& e);
  void Write_answered(LinkEngine& e, int count);
  static void Report_failure(LinkEngine& e);

  std::function<void()> succeeded_;
  pw::Field old_{}, new_{};
  pw::Record record_{};
  bool echoes_ = false;      // the radio answered the leading 0x06 of the read request
  bool leadingAck_ = false;  // the write went out with a leading 0x06
  int owed_ = 0;             // bytes of the record reply still to come
};

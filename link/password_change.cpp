#include "link/password_change.h"

#include "link/link_texts.h"

#include <algorithm>

namespace pw {

bool Allowed_char(QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; }

QString Trim_spaces(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == QLatin1Char(' ')) ++first;
  while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

void Text_to_cells(const QString& text, Cells& cells) {
  std::fill(cells.begin(), cells.begin() + kFieldLen, Int16{0x20});
  int n = 0;
  for (QChar c : Trim_spaces(text)) {
    if (n == kFieldLen) break;
    if (Allowed_char(c)) cells[static_cast<std::size_t>(n++)] = static_cast<Int16>(c.unicode());
  }
}

Field Cells_field(const Cells& cells) {
  Field f{};
  for (int i = 0; i < kFieldLen; ++i)
    f[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(cells[static_cast<std::size_t>(i)]);
  return f;
}

std::optional<int> Record_offset(std::span<const std::uint8_t> reply) {
  auto headerAt = [&](std::size_t at) {
    return reply.size() >= at + 4 + kRecordLen && reply[at] == proto::Cmd_data && reply[at + 1] == kRecordAddress.hi &&
           reply[at + 2] == kRecordAddress.lo;
  };
  if (headerAt(0)) return 4;
  if (!reply.empty() && reply[0] == proto::Cmd_ack && headerAt(1)) return 5;
  return std::nullopt;
}

Verdict Check(const Record& record, const Field& typedOld) {
  auto field = [&](int at) {
    Field f{};
    std::copy_n(record.begin() + at, kFieldLen, f.begin());
    return f;
  };
  auto blank = [](const Field& f) { return std::all_of(f.begin(), f.end(), [](std::uint8_t b) { return b == 0x20; }); };
  const Field user = field(0), super = field(6);
  if (blank(user)) return Verdict::NoPassword;
  if (typedOld == user || (!blank(super) && typedOld == super)) return Verdict::Accepted;
  return Verdict::Refused;
}

proto::Frame Write_frame(const Record& record, const Field& newUser, bool leadingAck) {
  std::array<std::uint8_t, kRecordLen> data{};
  std::copy(newUser.begin(), newUser.end(), data.begin());
  std::copy(record.begin() + kFieldLen, record.end(), data.begin() + kFieldLen);
  const proto::Frame write = proto::Data_frame(kRecordAddress, data);
  if (!leadingAck) return write;
  proto::Frame f;
  f.push(proto::Cmd_ack);
  for (std::uint8_t b : write.view()) f.push(b);
  return f;
}

}  // namespace pw

// ---- the exchange ---------------------------------------------------------------------

void PassWordChange::prepare(LinkEngine& e) {
  old_ = pw::Cells_field(e.st().PassWord_old);
  new_ = pw::Cells_field(e.st().PassWord_new);
  record_ = {};
  echoes_ = leadingAck_ = false;
  owed_ = 0;
  e.Mark_busy(LinkEngine::Direction::Write);
  e.Panel(StatusPanel::LinkState, link_panel::Connecting);
}

void PassWordChange::identAccepted(LinkEngine& e) { e.Panel(StatusPanel::LinkState, link_panel::Connected); }

void PassWordChange::connected(LinkEngine& e) {
  // An acknowledgement, then the read request for the 16-byte record.
  proto::Frame f;
  f.push(proto::Cmd_ack);
  const proto::Frame request = proto::Read_cmd(pw::kRecordAddress, pw::kRecordLen);
  for (std::uint8_t b : request.view()) f.push(b);
  e.Enter_state(Wait_record);
  e.Send_frame(f);
  e.Discard_input();
}

int PassWordChange::phaseThreshold(const LinkEngine& e) const {
  switch (e.State()) {
    case Wait_record: return pw::kReplyLen - 1;
    case Wait_echo:
      // The reply's bytes still owed come first, then the answer.
      return owed_;
    case Wait_done:
      // A radio that answered the 0x06 ahead of the read request answers the
      // 0x06 ahead of the write too: its echo comes before the acknowledgement.
      return echoes_ && leadingAck_ ? 1 : 0;
    default: return 0;
  }
}

void PassWordChange::phaseReceive(LinkEngine& e, int count) {
  switch (e.State()) {
    case Wait_record: Record_received(e, count); return;
    case Wait_echo:
      e.Discard_input();
      Record_check_and_write(e);
      return;
    case Wait_done: Write_answered(e, count); return;
    default: e.Discard_input(); return;
  }
}

void PassWordChange::Record_received(LinkEngine& e, int count) {
  const std::optional<int> at = pw::Record_offset(e.Reply().first(static_cast<std::size_t>(count)));
  // A reply in neither form is treated as no reply: nothing is acknowledged
  // and the watchdog ends the exchange.
  if (!at) {
    e.Discard_input();
    return;
  }
  std::copy_n(e.Reply().begin() + *at, pw::kRecordLen, record_.begin());
  echoes_ = *at == 5;
  // Behind an echo the reply runs one byte past what was read. On a paced line
  // that byte may still be on its way: it is owed, and the answer to the PC's
  // acknowledgement is the byte after it.
  owed_ = *at - 4;
  for (; owed_ > 0 && e.port().bytesWaiting() > 0; --owed_) e.port().readByte();
  e.Discard_input();
  e.Output_byte(proto::Cmd_ack);
  e.Enter_state(Wait_echo);
}

void PassWordChange::Record_check_and_write(LinkEngine& e) {
  const pw::Verdict verdict = pw::Check(record_, old_);
  if (verdict == pw::Verdict::Refused) {
    e.Enter_state(Wait_nothing);
    e.Complete();  // timers stopped, busy flags clear, port closed
    e.Show(pw::Msg_refused);
    return;
  }
  leadingAck_ = verdict == pw::Verdict::Accepted;
  e.Stop_watchdog();
  e.Stop_failure();
  e.Enter_state(Wait_done);
  e.Discard_input();
  e.Send_frame(pw::Write_frame(record_, new_, leadingAck_));
  e.Discard_input();
}

void PassWordChange::Write_answered(LinkEngine& e, int count) {
  e.Discard_input();
  // The radio cannot answer a write that has not wholly gone out: whatever
  // arrives before (a late echo, a stray byte) is dropped.
  if (!e.Frame_gone_out()) return;
  // Success only on the acknowledgement of the write itself (behind the echo
  // of an echoing radio); any other answer is a failure.
  const bool acknowledged =
      std::all_of(e.Reply().begin(), e.Reply().begin() + count, [](std::uint8_t b) { return b == proto::Cmd_ack; });
  e.Enter_state(Wait_nothing);
  if (!acknowledged) {
    e.Complete();
    Report_failure(e);
    return;
  }
  // The port stays open until the dialog closes; Wait_nothing drops whatever
  // still arrives.
  e.Complete(false);
  const bool on = e.Show(pw::Msg_success);
  // The passwords are the session's: they go whatever became of the dialog
  // while the message was open; the dialog's own step only while it is there.
  std::fill(e.st().PassWord_old.begin(), e.st().PassWord_old.begin() + pw::kFieldLen, Int16{0x20});
  std::fill(e.st().PassWord_new.begin(), e.st().PassWord_new.begin() + pw::kFieldLen, Int16{0x20});
  if (on && succeeded_) succeeded_();
}

void PassWordChange::failureTick(LinkEngine& e) { Report_failure(e); }

void PassWordChange::Report_failure(LinkEngine& e) {
  if (!e.Show(Msg_fail_connect)) return;
  e.Panel(StatusPanel::LinkState, link_panel::Fault);
}

// The password record: finding it in the radio's reply, checking the typed
// old password against its fields, the write frame, and the typed text as
// password cells.
#include "link/password_change.h"
#include "support/link_bench.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

pw::Field F(std::string_view s) {
  pw::Field f;
  f.fill(' ');
  for (std::size_t i = 0; i < s.size() && i < f.size(); ++i) f[i] = static_cast<std::uint8_t>(s[i]);
  return f;
}

// A record with the two password fields and detection bytes 12..15.
pw::Record R(std::string_view user, std::string_view super, Bytes tail = {0x81, 0x12, 0x34, 0x5A}) {
  pw::Record r{};
  const pw::Field u = F(user), s = F(super);
  std::copy(u.begin(), u.end(), r.begin());
  std::copy(s.begin(), s.end(), r.begin() + 6);
  std::copy(tail.begin(), tail.end(), r.begin() + 12);
  return r;
}

std::string FieldText(const pw::Field& f) { return std::string(f.begin(), f.end()); }

}  // namespace

TEST(PassWordRecord, TypedTextBecomesSixCells) {
  struct Case {
    QString text;
    std::string cells;
  } cases[] = {
      {QString(), "      "},
      {QStringLiteral("  ab "), "ab    "},
      {QStringLiteral("AbCdEf"), "AbCdEf"},       // letters keep their case
      {QStringLiteral("a b"), "a b   "},          // a space inside is a character
      {QStringLiteral("abcdefghXYZ"), "abcdef"},  // a longer (pasted) text: the first six
      {QStringLiteral("\tab"), "ab    "},         // not printable ASCII: skipped
      {QStringLiteral("pä\u4E2Dss"), "pss   "},
  };
  for (const Case& c : cases) {
    pw::Cells cells{};
    cells[6] = 77;
    pw::Text_to_cells(c.text, cells);
    EXPECT_EQ(FieldText(pw::Cells_field(cells)), c.cells) << c.text.toStdString();
    EXPECT_EQ(cells[6], 77) << "cells beyond the sixth are not touched";
  }
}

TEST(PassWordRecord, TheRecordIsFoundOnlyBehindItsHeader) {
  const Bytes head{0x58, 0x1F, 0xF0, 0x10};
  auto reply = [](Bytes start) {
    start.resize(68, 0x20);
    return start;
  };
  struct Case {
    const char* name;
    Bytes reply;
    std::optional<int> at;
  } cases[] = {
      {"header at the start", reply(head), 4},
      {"behind a leading 0x06", reply({0x06, 0x58, 0x1F, 0xF0, 0x10}), 5},
      {"any length byte", reply({0x58, 0x1F, 0xF0, 0x40}), 4},
      {"wrong first byte", reply({0x59, 0x1F, 0xF0, 0x10}), std::nullopt},
      {"wrong address", reply({0x58, 0x1F, 0xE0, 0x10}), std::nullopt},
      {"another byte ahead", reply({0x15, 0x58, 0x1F, 0xF0, 0x10}), std::nullopt},
      {"two bytes ahead", reply({0x06, 0x06, 0x58, 0x1F, 0xF0, 0x10}), std::nullopt},
      {"too short for a record", Bytes{0x58, 0x1F, 0xF0, 0x10, 0x20}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(pw::Record_offset(c.reply), c.at) << c.name;
}

// The fields decide: the user password, or a super password that is set, all
// six characters. The layouts an offset search let through are refused.
TEST(PassWordRecord, CheckReadsTheFields) {
  using V = pw::Verdict;
  struct Case {
    const char* name;
    pw::Record record;
    std::string_view typed;
    V verdict;
  } cases[] = {
      {"no password set", R("", ""), "ANY", V::NoPassword},
      {"no user password, a super password set", R("", "SUPER1"), "", V::NoPassword},
      {"the user password", R("USER1", ""), "USER1", V::Accepted},
      {"six characters", R("ABCDEF", "GHIJKL"), "ABCDEF", V::Accepted},
      {"the super password", R("USER1", "SUPER1"), "SUPER1", V::Accepted},
      {"letter case counts", R("User1", ""), "USER1", V::Refused},
      {"a wrong password", R("USER1", "SUPER1"), "WRONG", V::Refused},
      {"the user password's first five only", R("USER12", ""), "USER1", V::Refused},
      // What an offset search let through:
      {"one-character user password, super password beginning with a space", R("A", " BCDEF"), "WRONG", V::Refused},
      {"six-character user password, blank super password, empty old box", R("ABCDEF", ""), "", V::Refused},
      {"super password on its first five characters", R("USER1", "SUPERX"), "SUPERY", V::Refused},
      {"super password five characters only", R("USER1", "SUPERX"), "SUPER", V::Refused},
      {"a match one byte into the record", R("ABCDEF", "GHIJKL"), "BCDEFG", V::Refused},
      {"a super password match one byte in", R("USER1", "XABCDE", {0x00, 0, 0, 0}), "ABCDE", V::Refused},
      {"the blank super password itself", R("USER1", ""), "", V::Refused},
  };
  for (const Case& c : cases) EXPECT_EQ(pw::Check(c.record, F(c.typed)), c.verdict) << c.name;
}

TEST(PassWordRecord, WriteFrameCarriesRecordBytes6To15) {
  const pw::Record r = R("OLD", "SUPER1");
  for (bool ack : {false, true}) {
    const proto::Frame f = pw::Write_frame(r, F("new"), ack);
    Bytes want = ack ? Bytes{0x06} : Bytes{};
    want.insert(want.end(), {0x58, 0x1F, 0xF0, 0x10, 'n', 'e', 'w', ' ', ' ', ' '});
    want.insert(want.end(), r.begin() + 6, r.end());
    EXPECT_EQ(Bytes(f.view().begin(), f.view().end()), want) << ack;
  }
}

// ---- the exchange on a line paced at 9600 baud --------------------------------------

namespace {

struct PacedCase {
  const char* name;
  const char* user;  // the radio's user password ("" : none)
  bool echoing;      // the radio answers every 0x06
  std::vector<SimFault> faults;
  bool stored;  // the radio stores the write
  bool success;
};

void PrintTo(const PacedCase& c, std::ostream* os) { *os << c.name; }
std::string PacedName(const testing::TestParamInfo<PacedCase>& info) { return info.param.name; }

class PassWordOnPacedLine : public testing::TestWithParam<PacedCase> {};

}  // namespace

// Success is reported only for the acknowledgement of the write itself: the
// radio has stored the new password by then. An echoing radio's answers to the
// PC's own 0x06 never pass for it, nor does the last byte of the record reply
// arriving late, and a refusal or silence is a failure.
TEST_P(PassWordOnPacedLine, SuccessOnlyForTheWritesAcknowledgement) {
  const PacedCase& c = GetParam();
  LinkBench b(link_profiles::kPassword);
  b.line.paced = true;
  b.sim.answerEveryAck = c.echoing;
  b.sim.setPasswords(c.user, "SUPER1");
  b.sim.faults = c.faults;
  pw::Text_to_cells(QString::fromLatin1(c.user), b.st.PassWord_old);
  pw::Text_to_cells(QStringLiteral("NEW"), b.st.PassWord_new);
  std::size_t writesAtMessage = 99;
  Bytes recordAtMessage;
  b.prompt.onShow = [&](const PromptCall&) {
    writesAtMessage = b.sim.writes.size();
    recordAtMessage.assign(b.sim.memory.begin() + 0x1FF0, b.sim.memory.begin() + 0x1FF6);
  };
  PassWordChange kind;
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  b.clock.advance(10000);
  ASSERT_EQ(b.prompt.calls.size(), 1u);
  EXPECT_EQ(b.sim.writes.size(), c.stored ? 1u : 0u);
  if (c.success) {
    EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "PassWord Modify Success ! ");
    EXPECT_EQ(writesAtMessage, 1u);
    EXPECT_EQ(recordAtMessage, (Bytes{'N', 'E', 'W', ' ', ' ', ' '}));
  } else {
    EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "Fail connect with transceiver.");
    EXPECT_EQ(b.panels[2].toStdString(), "Communication fault.");
  }
  EXPECT_FALSE(b.engine->Busy());
}

INSTANTIATE_TEST_SUITE_P(Cases, PassWordOnPacedLine,
                         testing::Values(PacedCase{"EchoingNoPassword", "", true, {}, true, true},
                                         PacedCase{"EchoingWithPassword", "USER1", true, {}, true, true},
                                         PacedCase{"QuietNoPassword", "", false, {}, true, true},
                                         PacedCase{"QuietWithPassword", "USER1", false, {}, true, true},
                                         PacedCase{"EchoingNoPasswordWriteRefused",
                                                   "",
                                                   true,
                                                   {{SimReply::WriteAck, -1, SimFault::Wrong, 0, 0x15, {}}},
                                                   true,
                                                   false},
                                         PacedCase{"EchoingWithPasswordWriteRefused",
                                                   "USER1",
                                                   true,
                                                   {{SimReply::WriteAck, -1, SimFault::Wrong, 0, 0x15, {}}},
                                                   true,
                                                   false},
                                         PacedCase{"EchoingNoPasswordWriteUnanswered",
                                                   "",
                                                   true,
                                                   {{SimReply::WriteAck, -1, SimFault::Silence, 0, 0, {}}},
                                                   true,
                                                   false},
                                         PacedCase{"EchoingWithPasswordWriteUnanswered",
                                                   "USER1",
                                                   true,
                                                   {{SimReply::WriteAck, -1, SimFault::Silence, 0, 0, {}}},
                                                   true,
                                                   false},
                                         PacedCase{"EchoingRadioSilentAfterTheRecord",
                                                   "USER1",
                                                   true,
                                                   {{SimReply::BlockAck, -1, SimFault::Silence, 0, 0, {}}},
                                                   false,
                                                   false}),
                         PacedName);

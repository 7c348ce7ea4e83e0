// The exchange engine on the virtual clock: sending, byte counts per state,
// the handshake, the watchdog and failure timer, the identification.
#include "link/ident_check.h"
#include "link/link_engine.h"
#include "support/link_bench.h"
#include "support/session_and_image.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Entry(int n) { return Bytes(kHandCode.begin(), kHandCode.begin() + n); }
Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const Bytes kIdentFrame{0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20, 0xDD};

// Records what the engine hands to its exchange kind.
struct Probe : LinkExchangeKind {
  explicit Probe(VirtualClock& c, bool d = true) : clock(c), decode(d) {}
  VirtualClock& clock;
  bool decode;
  int prepared = 0, accepted = 0, connects = 0, watchdogs = 0, failures = 0;
  long failureAt = -1;
  void prepare(LinkEngine&) override { ++prepared; }
  bool decodesIdent() const override { return decode; }
  void identAccepted(LinkEngine&) override { ++accepted; }
  void connected(LinkEngine&) override { ++connects; }
  void watchdog(LinkEngine&) override { ++watchdogs; }
  void failureTick(LinkEngine&) override {
    ++failures;
    failureAt = clock.now();
  }
};

// A bench without a radio, its exchange started and the entry sent (t = 15).
struct Manual {
  explicit Manual(LinkProfile p = link_profiles::kIdentStartup) : b(p), kind(b.clock) {
    b.unplugRadio();
    EXPECT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.clock.advance(LinkEngine::kSendDelayMs);
  }
  // The radio's 0x06 to the entry; the 0x02 goes out 15 ms later.
  void toWaitIdent() {
    b.port.feed({0x06});
    b.clock.advance(LinkEngine::kSendDelayMs);
  }
  LinkBench b;
  Probe kind;
};

}  // namespace

TEST(LinkEngine, EntryFrameGoesOutInOneSenderTick) {
  struct Case {
    const char* name;
    LinkProfile profile;
    int bytes, perByteMs, afterLastMs;
  };
  const Case cases[] = {
      {"identification", link_profiles::kIdentStartup, 7, 1000, 1000},
      {"read-all", link_profiles::kReadAll, 7, 2000, 2000},
      {"password change", link_profiles::kPassword, 8, 2000, 1000},
      {"alignment", link_profiles::kAlignment, 7, 1000, 1000},
  };
  for (const Case& c : cases) {
    LinkBench b(c.profile);
    b.unplugRadio();
    Probe kind(b.clock);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started) << c.name;
    EXPECT_TRUE(b.port.isOpen());
    EXPECT_EQ(kind.prepared, 1);
    EXPECT_EQ(b.engine->Frame_gone_out(), false);
    b.clock.advance(14);
    EXPECT_TRUE(b.port.written.empty()) << c.name;
    b.clock.advance(1);
    EXPECT_EQ(b.port.written, Entry(c.bytes)) << c.name;
    EXPECT_EQ(b.sender().fireTimes, std::vector<long>{15}) << c.name;
    EXPECT_FALSE(b.sender().enabled());
    // Armed after each byte and after the last, all within the one tick.
    std::vector<int> intervals(static_cast<std::size_t>(c.bytes), c.perByteMs);
    intervals.push_back(c.afterLastMs);
    EXPECT_EQ(b.watchdog().armIntervals, intervals) << c.name;
    EXPECT_EQ(b.watchdog().armTimes, std::vector<long>(intervals.size(), 15)) << c.name;
    EXPECT_EQ(b.engine->Frame_gone_out(), true);
  }
}

TEST(LinkEngine, WaitIdentReadsEightBytesOnlyWhenMoreThanSevenWait) {
  struct Case {
    const char* name;
    std::vector<Bytes> arrivals;
    bool accepted;
    int leftWaiting;
  };
  const Case cases[] = {
      {"7 bytes are not read", {Bytes(kIdentFrame.begin(), kIdentFrame.begin() + 7)}, false, 7},
      {"8 bytes are read", {kIdentFrame}, true, 0},
      {"of 12 bytes 8 are read, 4 discarded", {Concat(kIdentFrame, {1, 2, 3, 4})}, true, 0},
      {"7 then 1: the second arrival reads 8",
       {Bytes(kIdentFrame.begin(), kIdentFrame.begin() + 7), Bytes{0xDD}},
       true,
       0},
      {"a stray byte ahead of the frame",
       {Concat({0x00}, Bytes(kIdentFrame.begin(), kIdentFrame.begin() + 7))},
       false,
       0},
  };
  for (const Case& c : cases) {
    Manual m;
    m.toWaitIdent();
    ASSERT_EQ(m.b.engine->State(), Wait_ident) << c.name;
    const std::size_t sent = m.b.port.written.size();
    for (const Bytes& a : c.arrivals) m.b.port.feed(a);
    EXPECT_EQ(m.kind.accepted, c.accepted ? 1 : 0) << c.name;
    EXPECT_EQ(m.b.port.bytesWaiting(), c.leftWaiting) << c.name;
    EXPECT_EQ(m.b.engine->State(), c.accepted ? Wait_confirm : Wait_ident) << c.name;
    // Accepted: the confirmation 0x06 goes out 15 ms later; refused: nothing.
    m.b.clock.advance(LinkEngine::kSendDelayMs);
    EXPECT_EQ(Bytes(m.b.port.written.begin() + static_cast<long>(sent), m.b.port.written.end()),
              c.accepted ? Bytes{0x06} : Bytes{})
        << c.name;
  }
}

TEST(LinkEngine, WaitAckTakesOneByte) {
  struct Case {
    const char* name;
    std::vector<Bytes> arrivals;
    bool advanced;
  };
  const Case cases[] = {
      {"0x06 with more bytes: taken, the rest discarded", {{0x06, 0x11, 0x22}}, true},
      {"0x15, later 0x06: the first dropped", {{0x15}, {0x06}}, true},
      {"0x15 with 0x06 behind it: both dropped", {{0x15, 0x06}}, false},
      {"another byte only", {{0x15}}, false},
  };
  for (const Case& c : cases) {
    Manual m;
    for (const Bytes& a : c.arrivals) m.b.port.feed(a);
    EXPECT_EQ(m.b.engine->State(), c.advanced ? Wait_ident : Wait_ack) << c.name;
    EXPECT_EQ(m.b.port.bytesWaiting(), 0) << c.name;
    m.b.clock.advance(LinkEngine::kSendDelayMs);
    EXPECT_EQ(m.b.port.written, c.advanced ? Concat(Entry(7), {0x02}) : Entry(7)) << c.name;
  }
}

// A late 0x06 that arrives after the port opened but before the entry
// sequence went out answers nothing: it is dropped, the entry sequence still
// goes out, and the radio's real answer then advances the handshake.
TEST(LinkEngine, ReplyBeforeTheFrameWentOutIsDropped) {
  LinkBench b(link_profiles::kIdentStartup);
  b.unplugRadio();
  Probe kind(b.clock);
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  b.port.feed({0x06});
  EXPECT_EQ(b.engine->State(), Wait_ack);
  EXPECT_EQ(b.port.bytesWaiting(), 0);
  b.clock.advance(LinkEngine::kSendDelayMs);
  EXPECT_EQ(b.port.written, Entry(7));
  b.port.feed({0x06});
  EXPECT_EQ(b.engine->State(), Wait_ident);
  b.clock.advance(LinkEngine::kSendDelayMs);
  EXPECT_EQ(b.port.written, Concat(Entry(7), {0x02}));
}

TEST(LinkEngine, WaitConfirmHandsTheAcknowledgementToTheKind) {
  Manual m;
  m.toWaitIdent();
  m.b.port.feed(kIdentFrame);
  m.b.clock.advance(LinkEngine::kSendDelayMs);  // the confirmation goes out
  m.b.port.feed({0x15, 0x06});                  // another byte: dropped with what waits behind it
  EXPECT_EQ(m.kind.connects, 0);
  EXPECT_EQ(m.b.port.bytesWaiting(), 0);
  m.b.port.feed({0x06});
  EXPECT_EQ(m.kind.connects, 1);
}

TEST(LinkEngine, OtherEventKindsChangeNothing) {
  Manual m;
  m.toWaitIdent();
  m.b.port.input.assign(kIdentFrame.begin(), kIdentFrame.end());  // waiting, no event yet
  for (CommEvent e : {CommEvent::Error, CommEvent::Other}) m.b.port.raise(e);
  EXPECT_EQ(m.kind.accepted, 0);
  EXPECT_EQ(m.b.port.bytesWaiting(), 8);
  m.b.port.raise(CommEvent::DataReceived);
  EXPECT_EQ(m.kind.accepted, 1);
}

TEST(LinkEngine, IdentificationDecodesTheFrame) {
  Manual m;
  m.toWaitIdent();
  m.b.port.feed(kIdentFrame);
  EXPECT_EQ(m.b.panels[7].toStdString(), "VHF: 136-- 174 MHZ");
  EXPECT_EQ(m.b.panels[8].toStdString(), "UHF: 400-- 520 MHZ");
  const Session& st = m.b.st;
  EXPECT_EQ((std::array<double, 4>{st.Freq_a_low, st.Freq_a_high, st.Freq_b_low, st.Freq_b_high}),
            (std::array<double, 4>{136, 174, 400, 520}));
  EXPECT_EQ((std::array<double, 4>{st.Freq_vhf_low, st.Freq_vhf_high, st.Freq_uhf_low, st.Freq_uhf_high}),
            (std::array<double, 4>{136, 174, 400, 520}));
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(m.b.engine->Reply_byte(i), 0) << i;

  // A kind that does not decode (the password change) leaves all of it.
  Manual p(link_profiles::kPassword);
  p.kind.decode = false;
  p.toWaitIdent();
  p.b.port.feed(kIdentFrame);
  EXPECT_EQ(p.kind.accepted, 1);
  EXPECT_TRUE(p.b.panels.empty());
  EXPECT_EQ(p.b.st.Freq_vhf_low, 0);
}

// With no answer the failure action runs once, the failure interval after the
// watchdog first expired; the alignment profile first retries three times.
TEST(LinkEngine, SilentRadioIsReportedOnceAtTheRightTime) {
  struct Case {
    const char* name;
    LinkProfile profile;
    int attempts;
    long reportAt;
  };
  const Case cases[] = {
      {"identification", link_profiles::kIdentStartup, 1, 15 + 1000 + 1000},
      {"write-all (watchdog and failure timer alike)", link_profiles::kWriteAll, 1, 15 + 1000 + 1000},
      {"read-all", link_profiles::kReadAll, 1, 15 + 2000 + 1000},
      {"password change", link_profiles::kPassword, 1, 15 + 1000 + 1000},
      {"alignment: 4 attempts", link_profiles::kAlignment, 4, 4L * (15 + 1000 + 2000)},
  };
  for (const Case& c : cases) {
    LinkBench b(c.profile);
    b.sim.silent = true;
    Probe kind(b.clock);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.engine->Mark_busy(LinkEngine::Direction::Read);
    b.clock.advance(60000);
    EXPECT_EQ(kind.failures, 1) << c.name;
    EXPECT_EQ(kind.failureAt, c.reportAt) << c.name;
    EXPECT_EQ(b.sim.entries, c.attempts) << c.name;
    EXPECT_EQ(kind.prepared, c.attempts) << c.name;
    // The watchdog fired once per attempt and stopped itself; the failure
    // timer was armed once per expiry.
    EXPECT_EQ(static_cast<int>(b.watchdog().fireTimes.size()), c.attempts) << c.name;
    EXPECT_EQ(b.failure().arms, c.attempts) << c.name;
    EXPECT_FALSE(b.engine->Busy()) << c.name;
    EXPECT_FALSE(b.engine->Busy_reading());
    EXPECT_FALSE(b.port.isOpen()) << c.name;
  }
}

TEST(LinkEngine, NoStartWhileTheFailureReportIsPending) {
  LinkBench b;
  b.sim.silent = true;
  Probe kind(b.clock);
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  EXPECT_EQ(b.engine->Start(kind), LinkStart::Busy);  // running
  b.clock.advance(15 + 1000);                         // the watchdog expired: port closed, flags clear
  EXPECT_FALSE(b.port.isOpen());
  EXPECT_TRUE(b.engine->Busy());
  EXPECT_EQ(b.engine->Start(kind), LinkStart::Busy);
  EXPECT_FALSE(b.port.isOpen());
  b.clock.advance(1000);
  EXPECT_EQ(kind.failures, 1);
  EXPECT_EQ(kind.failureAt, 2015);
  EXPECT_EQ(b.port.written, Entry(7));  // nothing of a second exchange went out
  EXPECT_EQ(b.engine->Start(kind), LinkStart::Started);
  b.clock.advance(5000);
  EXPECT_EQ(kind.failures, 2);
  EXPECT_EQ(kind.failureAt, 2015 + 2015);

  // A busy flag of the window refuses too.
  b.engine->Mark_busy(LinkEngine::Direction::Write);
  EXPECT_EQ(b.engine->Start(kind), LinkStart::Busy);
}

TEST(LinkEngine, FailedOpenWithAndWithoutMessage) {
  struct Case {
    const char* name;
    LinkProfile profile;
    Int16 lang;
    const char *text, *title;  // null: no message
  };
  const Case cases[] = {
      {"main window", link_profiles::kIdentStartup, 0, nullptr, nullptr},
      {"dialog", link_profiles::kReadAll, 0,
       "Communication port is error, please setting right communication port . ！", "Operate prompt"},
      {"dialog, Chinese", link_profiles::kWriteAll, -1, "通讯端口打开错误，请正确设置通讯端口 ！", "操作提示"},
      {"alignment editor", link_profiles::kAlignment, 0, "Communication Port Open Error ！", "Operate Prompt"},
  };
  for (const Case& c : cases) {
    LinkBench b(c.profile);
    b.present.clear();
    b.st.Lang_chn = c.lang;
    Probe kind(b.clock);
    EXPECT_EQ(b.engine->Start(kind), LinkStart::PortError) << c.name;
    EXPECT_EQ(b.st.Port_err, -1) << c.name;
    EXPECT_EQ(kind.prepared, 0);
    EXPECT_FALSE(b.engine->Busy()) << c.name;
    if (!c.text) {
      EXPECT_TRUE(b.prompt.calls.empty()) << c.name;
    } else {
      ASSERT_EQ(b.prompt.calls.size(), 1u) << c.name;
      EXPECT_EQ(b.prompt.calls[0].text, QString::fromUtf8(c.text));
      EXPECT_EQ(b.prompt.calls[0].title, QString::fromUtf8(c.title));
      EXPECT_EQ(b.prompt.calls[0].icon, PromptIcon::Exclamation);
    }
    b.clock.advance(5000);
    EXPECT_TRUE(b.port.written.empty());
  }
}

TEST(LinkEngine, EndStopsEverything) {
  LinkBench b;
  b.sim.silent = true;
  Probe kind(b.clock);
  b.engine->Start(kind);
  b.engine->Mark_busy(LinkEngine::Direction::Read);
  b.engine->End();
  EXPECT_FALSE(b.engine->Busy());
  EXPECT_FALSE(b.port.isOpen());
  b.clock.advance(5000);
  EXPECT_TRUE(b.port.written.empty());
  EXPECT_EQ(kind.watchdogs + kind.failures, 0);
}

// ---- the identification over the simulated radio --------------------------------

TEST(IdentCheck, MainWindowIdentifiesTheRadio) {
  LinkBench b;
  b.sim.setBands(144, 148, 430, 440);
  IdentCheck kind(IdentCheck::Where::MainWindow);
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return !b.port.isOpen(); }, 5000));
  EXPECT_EQ(b.panels[2].toStdString(), "Connect well with radio.");
  EXPECT_EQ(b.panels[7].toStdString(), "VHF: 144-- 148 MHZ");
  EXPECT_EQ(b.panels[8].toStdString(), "UHF: 430-- 440 MHZ");
  EXPECT_EQ(b.st.Freq_uhf_high, 440);
  EXPECT_FALSE(b.engine->Busy());
  b.clock.advance(10000);
  // On the wire the exchange ends with the identification frame: no 0x06 follows.
  EXPECT_EQ(b.sim.received, Concat(Entry(7), {0x02}));
  EXPECT_EQ(b.panelLog.size(), 3u);
}

// Faults of the radio during the identification: what gets through and what
// ends in "Communication fault.", reported once.
TEST(IdentCheck, RadioFaults) {
  using F = SimFault;
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    bool paced;
    bool identified;
  };
  const Case cases[] = {
      {"a good radio", {}, false, true},
      {"at 9600 baud", {}, true, true},
      {"frame split 3 + 5", {{SimReply::Ident, -1, F::Split, 0, 0, {3, 5}}}, false, true},
      {"frame byte by byte", {{SimReply::Ident, -1, F::Split, 0, 0, {1, 1, 1, 1, 1, 1, 1}}}, false, true},
      {"4 bytes too many", {{SimReply::Ident, -1, F::Long, 4, 0x55, {}}}, false, true},
      {"junk behind the 0x06", {{SimReply::EntryAck, -1, F::Long, 3, 0xAA, {}}}, false, true},
      {"frame one byte short", {{SimReply::Ident, -1, F::Short, 1, 0, {}}}, false, false},
      {"wrong head", {{SimReply::Ident, -1, F::Wrong, 0, 0xAB, {}}}, false, false},
      {"wrong tail", {{SimReply::Ident, -1, F::Wrong, 7, 0x00, {}}}, false, false},
      {"entry answered 0x15", {{SimReply::EntryAck, -1, F::Wrong, 0, 0x15, {}}}, false, false},
      {"no frame", {{SimReply::Ident, -1, F::Silence, 0, 0, {}}}, false, false},
      {"hang-up", {{SimReply::Ident, -1, F::HangUp, 0, 0, {}}}, false, false},
  };
  for (const Case& c : cases) {
    LinkBench b;
    b.st.Freq_vhf_low = 130;
    b.sim.faults = c.faults;
    b.line.paced = c.paced;
    IdentCheck kind(IdentCheck::Where::MainWindow);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.clock.advance(10000);
    EXPECT_EQ(b.panels[2].toStdString(), c.identified ? "Connect well with radio." : "Communication fault.") << c.name;
    EXPECT_EQ(b.panelLog.size(), c.identified ? 3u : 1u) << c.name;
    EXPECT_EQ(b.st.Freq_vhf_low, c.identified ? 136 : 130) << c.name;
    EXPECT_FALSE(b.port.isOpen()) << c.name;
    EXPECT_FALSE(b.engine->Busy()) << c.name;
  }
}

TEST(IdentCheck, PortDialogClosesAfterSuccessAndAfterFailure) {
  struct Case {
    const char* name;
    bool silent;
    std::vector<std::pair<long, std::string>> panel2;
    long closedAt;
  };
  // The radio answers 2 ms after each request; frames go out 15 ms after being queued.
  const Case cases[] = {
      {"radio answers", false, {{15 + 2 + 15 + 2, "Connect well with radio."}}, 15 + 2 + 15 + 2 + 50},
      {"no radio", true, {{15 + 1000, "Communication fault."}}, 15 + 1000 + 1000},
  };
  for (const Case& c : cases) {
    LinkBench b(link_profiles::kIdentSetup);
    b.sim.silent = c.silent;
    int closes = 0;
    long closedAt = -1;
    IdentCheck kind(IdentCheck::Where::PortDialog, [&] {
      ++closes;
      closedAt = b.clock.now();
    });
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.clock.advance(10000);
    EXPECT_EQ(closes, 1) << c.name;
    EXPECT_EQ(closedAt, c.closedAt) << c.name;
    std::vector<std::pair<long, std::string>> panel2;
    for (const auto& w : b.panelLog)
      if (w.panel == 2) panel2.emplace_back(w.at, w.text.toStdString());
    EXPECT_EQ(panel2, c.panel2) << c.name;
    EXPECT_FALSE(b.port.isOpen());
  }
}

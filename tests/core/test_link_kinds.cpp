// Exchange kinds plug into the engine through its hooks alone: the program's
// block read and row write in configurations of their own (the alignment
// area's address base, a few blocks or rows), and a small record change, each
// run against the simulated radio.
#include "link/block_read.h"
#include "link/link_engine.h"
#include "link/link_protocol.h"
#include "link/link_texts.h"
#include "link/row_write.h"
#include "support/link_bench.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A view that shows nothing.
struct NoView : TransferView {
  void Progress_show(int) override {}
  void Progress_hide() override {}
  void Label_set(const QString&) override {}
};

std::vector<proto::Addr> Blocks(int n, std::uint8_t hi) {
  std::vector<proto::Addr> out;
  for (int k = 0; k < n; ++k) out.push_back(proto::Block_address(k, hi, 0));
  return out;
}

// The block read of the program, over `n` blocks from an address base; the
// failure is counted instead of reported.
struct TestBlockRead : BlockRead {
  TestBlockRead(int n, std::uint8_t hi) : BlockRead(view, Blocks(n, hi)) {}
  NoView view;
  bool done = false;
  int failures = 0;
  void Completion(LinkEngine&) override { done = true; }
  void failureTick(LinkEngine&) override { ++failures; }
  Bytes data(int n) const {
    const auto d = Block_data(n);
    return Bytes(d.begin(), d.end());
  }
};

// The row write of the program, over rows of 16 bytes from an address base.
struct TestRowWrite : RowWrite {
  TestRowWrite(const std::vector<Bytes>& rows, std::uint8_t hi) : RowWrite(view) {
    std::vector<proto::Frame> frames;
    for (std::size_t k = 0; k < rows.size(); ++k)
      frames.push_back(proto::Data_frame(proto::Row_address(static_cast<int>(k), hi, 0), rows[k]));
    Set_frames(std::move(frames));
  }
  NoView view;
  bool done = false;
  void Completion(LinkEngine&) override { done = true; }
};

// Reads the 16-byte record at 0x1FF0 and writes it back with new first bytes:
// states 3..5 follow the handshake without the block phase, all 8 entry bytes
// go out, and the identification is not decoded.
struct RecordChange : LinkExchangeKind {
  enum : Int16 { Wait_record = 3, Wait_echo = 4, Wait_done = 5 };
  explicit RecordChange(Bytes u) : user(std::move(u)) {}
  Bytes user;
  Bytes record;
  bool done = false;

  bool decodesIdent() const override { return false; }
  void prepare(LinkEngine& e) override { e.Mark_busy(LinkEngine::Direction::Write); }
  void identAccepted(LinkEngine& e) override { e.Panel(StatusPanel::LinkState, link_panel::Connected); }
  void connected(LinkEngine& e) override {
    proto::Frame f;
    f.push(proto::Cmd_ack);
    const proto::Frame request = proto::Read_cmd({0x1F, 0xF0}, 0x10);
    for (std::uint8_t b : request.view()) f.push(b);
    e.Enter_state(Wait_record);
    e.Send_frame(f);
    e.Discard_input();
  }
  int phaseThreshold(const LinkEngine& e) const override { return e.State() == Wait_record ? 67 : 0; }
  void phaseReceive(LinkEngine& e, int) override {
    e.Discard_input();
    switch (e.State()) {
      case Wait_record:
        record.assign(e.Reply().begin() + 4, e.Reply().begin() + 20);
        e.Output_byte(proto::Cmd_ack);
        e.Enter_state(Wait_echo);
        return;
      case Wait_echo: {
        e.Stop_watchdog();
        e.Stop_failure();
        Bytes data = user;
        data.insert(data.end(), record.begin() + 6, record.end());
        e.Send_frame(proto::Data_frame({0x1F, 0xF0}, data));
        e.Enter_state(Wait_done);
        return;
      }
      default:
        e.Complete(false);
        done = e.Reply_byte(0) == proto::Cmd_ack;
        return;
    }
  }
};

Bytes Slice(const RadioSim& sim, int address, int n) {
  return Bytes(sim.memory.begin() + address, sim.memory.begin() + address + n);
}

void Fill(RadioSim& sim) {
  for (std::size_t i = 0; i < sim.memory.size(); ++i) sim.memory[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
}

}  // namespace

TEST(LinkKinds, BlockReadOfTheWholeMemoryMap) {
  for (bool paced : {false, true}) {
    LinkBench b(link_profiles::kReadAll);
    Fill(b.sim);
    b.line.paced = paced;
    TestBlockRead kind(120, 0);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    ASSERT_TRUE(b.clock.runUntil([&] { return kind.done; }, 60000)) << paced;
    for (int n = 0; n < 120; ++n) ASSERT_EQ(kind.data(n), Slice(b.sim, 64 * n, 64)) << n;
    // Every reply after the first came with the radio's 0x06 ahead of it.
    EXPECT_EQ(kind.RxBuf[2][0], 0);
    EXPECT_EQ(kind.RxBuf[121][0], 0x06);
    EXPECT_EQ(b.sim.readRequests.back(), 0x1DC0);
    EXPECT_FALSE(b.engine->Busy());
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_EQ(b.panels[2].toStdString(), "Connect well with radio.");
    // At 9600 baud each cycle takes the 15 ms send delay, the 4-byte request
    // (5 ms) and the 68 or 69 reply bytes (72 ms) on the line.
    if (paced) {
      EXPECT_GE(b.clock.now(), 120 * (15 + 5 + 71));
    } else {
      EXPECT_LT(b.clock.now(), 120 * 20 + 100);
    }
  }
}

TEST(LinkKinds, BlockReadWithAddressBase) {
  LinkBench b(link_profiles::kAlignment);
  Fill(b.sim);
  TestBlockRead kind(4, 0x1F);
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return kind.done; }, 20000));
  EXPECT_EQ(b.sim.readRequests, (std::vector<int>{0x1F00, 0x1F40, 0x1F80, 0x1FC0}));
  EXPECT_EQ(kind.data(3), Slice(b.sim, 0x1FC0, 64));
}

// A second reply without its leading 0x06 never passes the threshold: the
// exchange fails by the watchdog, and bytes split over arrivals are taken
// only when the whole reply is in.
TEST(LinkKinds, BlockReadFaults) {
  using F = SimFault;
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    bool done;
  };
  const Case cases[] = {
      {"replies split in pieces", {{SimReply::Block, -1, F::Split, 0, 0, {10, 30, 5}}}, true},
      {"two bytes too many", {{SimReply::Block, 4, F::Long, 2, 0x00, {}}}, true},
      {"second reply without its 0x06", {{SimReply::BlockAck, 0, F::Silence, 0, 0, {}}}, false},
      {"a reply one byte short", {{SimReply::Block, 7, F::Short, 1, 0, {}}}, false},
  };
  for (const Case& c : cases) {
    LinkBench b(link_profiles::kReadAll);
    Fill(b.sim);
    b.sim.faults = c.faults;
    TestBlockRead kind(10, 0);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.clock.advance(30000);
    EXPECT_EQ(kind.done, c.done) << c.name;
    EXPECT_EQ(kind.failures, c.done ? 0 : 1) << c.name;
    if (c.done) {
      EXPECT_EQ(kind.data(9), Slice(b.sim, 64 * 9, 64)) << c.name;
    }
  }
}

TEST(LinkKinds, RowWriteStoresEveryRow) {
  LinkBench b(link_profiles::kWriteAll);
  std::vector<Bytes> rows;
  for (int k = 0; k < 16; ++k) {
    Bytes r(16);
    for (int c = 0; c < 16; ++c) r[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(k * 16 + c);
    rows.push_back(r);
  }
  TestRowWrite kind(rows, 0x1F);
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return kind.done; }, 20000));
  for (int k = 0; k < 16; ++k) EXPECT_EQ(Slice(b.sim, 0x1F00 + 16 * k, 16), rows[static_cast<std::size_t>(k)]) << k;
  EXPECT_EQ(b.sim.writes.size(), 16u);
  EXPECT_EQ(b.sim.writes.back(), (std::pair<int, int>{0x1FF0, 16}));
  EXPECT_FALSE(b.engine->Busy());
}

TEST(LinkKinds, RecordChangeKeepsTheRestOfTheRecord) {
  LinkBench b(link_profiles::kPassword);
  b.sim.setPasswords("OLD", "SUPER1");
  b.sim.memory[0x1FFC] = 0x03;
  b.st.Freq_vhf_low = 130;
  RecordChange kind({'N', 'E', 'W', 'P', 'W', ' '});
  ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return kind.done; }, 20000));
  EXPECT_EQ(Bytes(b.sim.received.begin(), b.sim.received.begin() + 8), Bytes(kHandCode.begin(), kHandCode.end()));
  EXPECT_EQ(Slice(b.sim, 0x1FF0, 13), (Bytes{'N', 'E', 'W', 'P', 'W', ' ', 'S', 'U', 'P', 'E', 'R', '1', 0x03}));
  // Identified but not decoded.
  EXPECT_EQ(b.panels[2].toStdString(), "Connect well with radio.");
  EXPECT_EQ(b.panels.count(7), 0u);
  EXPECT_EQ(b.st.Freq_vhf_low, 130);
  EXPECT_TRUE(b.port.isOpen());  // this kind leaves its port open
}

// The alignment profile restarts from the entry sequence: a radio that wakes
// up on the third attempt is read; a port that no longer opens ends the retries
// with its message and no failure report.
TEST(LinkKinds, RetriesRestartFromTheEntrySequence) {
  {
    LinkBench b(link_profiles::kAlignment);
    b.sim.faults = {{SimReply::EntryAck, 0, SimFault::Silence, 0, 0, {}},
                    {SimReply::EntryAck, 1, SimFault::Silence, 0, 0, {}}};
    TestBlockRead kind(4, 0x1F);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    ASSERT_TRUE(b.clock.runUntil([&] { return kind.done; }, 20000));
    EXPECT_EQ(b.sim.entries, 3);
    EXPECT_EQ(b.engine->Retries_left(), 1);
    EXPECT_EQ(kind.failures, 0);
  }
  {
    LinkBench b(link_profiles::kAlignment);
    b.sim.silent = true;
    TestBlockRead kind(4, 0x1F);
    ASSERT_EQ(b.engine->Start(kind), LinkStart::Started);
    b.clock.advance(2000);
    b.present.clear();
    b.clock.advance(20000);
    EXPECT_EQ(b.sim.entries, 1);
    EXPECT_EQ(kind.failures, 0);
    ASSERT_EQ(b.prompt.calls.size(), 1u);
    EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "Communication Port Open Error ！");
    EXPECT_FALSE(b.engine->Busy());
  }
}

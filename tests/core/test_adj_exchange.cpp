// The alignment read and write on the alignment window's link session, on the
// virtual clock against the simulated radio: the bytes the PC sends, what
// reaches the table and when, the progress, the labels and panels in both
// languages, the retries from the entry sequence, and what a press, an edit,
// a file load or the window's close does while an exchange runs.
#include "alignment/adj_exchange.h"
#include "alignment/adj_view.h"
#include "link/hand_code.h"
#include "link/link_session.h"
#include "support/adj_factory.h"
#include "support/adj_frames.h"
#include "support/fake_port.h"
#include "support/radio_sim.h"
#include "support/recording_prompt.h"
#include "support/sim_line.h"
#include "support/transfer_bench.h"
#include "support/virtual_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using adj::AdjRead;
using adj::AdjWrite;
using adj::Table;

constexpr int kPort = 3;

using namespace adj_frames;

// A table whose rows all differ.
Table Pattern_table() {
  Table t{};
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 16; ++c)
      t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = static_cast<adj::Cell>((r * 17 + c * 3 + 1) & 0xFF);
  return t;
}

struct Sent {
  long at;
  std::uint8_t byte;
};

// The alignment window's link session on fake ports and the virtual clock,
// with the radio on the line, the window's table and a record of its bar,
// label, status panels and message boxes.
struct AdjBench {
  AdjBench() {
    ports.present = {kPort};
    ports.onCreate = [this](FakePort& p) {
      line.attach(p);
      auto toRadio = p.onWrite;
      p.onWrite = [this, toRadio](std::uint8_t b) {
        sent.push_back({clock.now(), b});
        toRadio(b);
      };
    };
    st.Comm_port = kPort;
    Hand_code_init(st);
    link = std::make_unique<LinkSession>(ports, clock,
                                         LinkEngine::Env{st, &prompt,
                                                         [this](StatusPanel p, const QString& t) {
                                                           panels[static_cast<int>(p)] = t;
                                                           panelLog.push_back({clock.now(), static_cast<int>(p), t});
                                                         }},
                                         link_profiles::kAlignment);
    for (std::size_t i = 0; i < sim.memory.size(); ++i) sim.memory[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    read.store = [this](const AdjRead& r) {
      ++stores;
      r.Adj_Unpack(table);
      if (onStore) onStore();
    };
  }

  FakePort& port() { return *ports.created.at(0); }
  VirtualTimer& timer(Timer& t) { return static_cast<VirtualTimer&>(t); }
  bool timersOff() {
    return !link->sender().enabled() && !link->watchdog().enabled() && !link->failureTimer().enabled();
  }
  bool runToEnd(long limitMs = 60000) {
    return clock.runUntil([&] { return !link->Busy(); }, limitMs);
  }
  bool read_() { return read.Start(*link) == LinkStart::Started && runToEnd(); }
  bool write_() { return write.Start(*link, table) == LinkStart::Started && runToEnd(); }

  // The bytes the PC sent, each attempt's from its entry sequence on.
  std::vector<Bytes> attempts() const {
    std::vector<Bytes> out;
    const Bytes entry = Entry();
    for (std::size_t i = 0; i < sent.size(); ++i) {
      bool isEntry = i + entry.size() <= sent.size();
      for (std::size_t k = 0; isEntry && k < entry.size(); ++k) isEntry = sent[i + k].byte == entry[k];
      if (isEntry) out.emplace_back();
      if (!out.empty()) out.back().push_back(sent[i].byte);
    }
    return out;
  }
  // When each attempt's entry sequence went out.
  std::vector<long> entryTimes() const {
    std::vector<long> out;
    const Bytes entry = Entry();
    for (std::size_t i = 0; i + entry.size() <= sent.size(); ++i) {
      bool isEntry = true;
      for (std::size_t k = 0; isEntry && k < entry.size(); ++k) isEntry = sent[i + k].byte == entry[k];
      if (isEntry) out.push_back(sent[i].at);
    }
    return out;
  }
  std::vector<QString> panelTexts(int panel) const {
    std::vector<QString> out;
    for (const auto& w : panelLog)
      if (w.panel == panel) out.push_back(w.text);
    return out;
  }
  Bytes sentBytes() const {
    Bytes out;
    for (const Sent& s : sent) out.push_back(s.byte);
    return out;
  }
  // What the radio holds where the write puts table rows 0..15.
  adj::FileRows radioRows() const {
    adj::FileRows out{};
    for (int k = 0; k < 16; ++k)
      for (int c = 0; c < 16; ++c)
        out[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] =
            sim.memory[static_cast<std::size_t>(kWriteAddress[k]) + static_cast<std::size_t>(c)];
    return out;
  }
  Table radioTable() const {
    Table t = before;
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 16; ++c)
        t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
            sim.memory[static_cast<std::size_t>(Read_source(r)) + static_cast<std::size_t>(c)];
    return t;
  }

  VirtualClock clock;
  FakePortFactory ports;
  Session st;
  RecordingPrompt prompt;
  RadioSim sim;
  SimLine line{sim, clock};
  std::vector<Sent> sent;
  std::map<int, QString> panels;
  std::vector<LinkBench::PanelWrite> panelLog;
  TransferLog view{clock};
  Table table = Pattern_table();
  const Table before = table;
  AdjRead read{view};
  AdjWrite write{view};
  int stores = 0;
  std::function<void()> onStore;
  std::unique_ptr<LinkSession> link;  // last: it goes first
};

struct Language {
  Int16 flag;
  const char *connecting, *reading3, *reading6, *readDone, *readMsg, *writing1, *writing16, *writeDone, *writeMsg,
      *title, *connected, *fault;
};
const Language kLanguages[] = {
    {0, "Connecting with transceiver. ", "Reading 3 Data Block", "Reading 6 Data Block",
     "Read optional parameters in gear. ", "Complete reading the data from transceiver.", "Writing  1  Data Block",
     "Writing  16  Data Block", "Complete writing optional parameters ",
     "Complete writing optional parameters to the transceiver.", "Operate Prompt", "Connect well with radio.",
     "Communication fault."},
    {-1, "正在与对讲机联络 ！", "正在读取 3 数据块", "正在读取 6 数据块", "调整参数读出正常 ！",
     "从对讲机中读取调整数据完毕 ！", "正在写入  1  数据块", "正在写入  16  数据块", "调整参数写入完毕 ！",
     "调整参数写入完毕 ！", "操作提示", "与对讲机数据通讯正常", "联机故障 ！"},
};
QString U(const char* s) { return QString::fromUtf8(s); }

// Table rows 0..15, as a write sends them.
adj::FileRows Rows0to15(const Table& t) {
  adj::FileRows out{};
  for (std::size_t k = 0; k < 16; ++k)
    for (std::size_t c = 0; c < 16; ++c) out[k][c] = t[k][c];
  return out;
}

// Runs `body` on a fresh bench in each language, on a plain and on a paced line.
template <class Body>
void On_each_line(Body body) {
  for (const Language& lang : kLanguages) {
    for (bool paced : {false, true}) {
      AdjBench b;
      b.st.Lang_chn = lang.flag;
      b.line.paced = paced;
      body(b, lang, std::to_string(lang.flag) + (paced ? " paced" : ""));
    }
  }
}

}  // namespace

// ---- configuration ---------------------------------------------------------------------

TEST(AdjExchange, AddressesAndMarker) {
  std::vector<int> blocks;
  for (const proto::Addr& a : adj::Read_blocks()) blocks.push_back(a.value());
  EXPECT_EQ(blocks, (std::vector<int>{0x1F00, 0x1F40, 0x1F80, 0x1FC0, 0x1EC0}));
  for (int k = 0; k < 16; ++k) EXPECT_EQ(adj::Write_row_address(k).value(), kWriteAddress[k]) << k;
  EXPECT_EQ(adj::kMarkerLetters.size(), 12u);
  for (char c : adj::kMarkerLetters) EXPECT_TRUE(c >= 'A' && c <= 'Z') << c;
  EXPECT_EQ(Bytes(adj::MarkerBlock.begin(), adj::MarkerBlock.end()), Marker());
}

// ---- the read ------------------------------------------------------------------------------

// The whole read, plain and at 9600 baud, in both languages: the bytes the PC
// sends, the table, the progress and the texts, and the order of the steps at
// the end.
TEST(AdjExchange, FullRead) {
  On_each_line([](AdjBench& b, const Language& lang, const std::string& name) {
    // At the store: the exchange is over, nothing shown of the completion yet.
    b.onStore = [&] {
      EXPECT_FALSE(b.port().isOpen()) << name;
      EXPECT_FALSE(b.link->Busy()) << name;
      EXPECT_TRUE(b.timersOff()) << name;
      EXPECT_EQ(b.view.label, U(lang.reading6)) << name;
      EXPECT_TRUE(b.prompt.calls.empty()) << name;
    };
    // At the message: the table, the bar and the label are done.
    b.prompt.onShow = [&](const PromptCall&) {
      EXPECT_EQ(b.stores, 1) << name;
      EXPECT_EQ(b.view.progress, 100) << name;
      EXPECT_EQ(b.view.label, U(lang.readDone)) << name;
    };
    ASSERT_TRUE(b.read_()) << name;

    EXPECT_EQ(b.sentBytes(), Read_bytes()) << name;
    EXPECT_EQ(b.table, b.radioTable()) << name;
    EXPECT_EQ(b.stores, 1) << name;

    EXPECT_EQ(b.view.bars, (std::vector<int>{0, 50, 66, 83, 100, 100})) << name;
    ASSERT_EQ(b.view.labels.size(), 6u) << name;
    EXPECT_EQ(b.view.labels[0], U(lang.connecting)) << name;
    EXPECT_EQ(b.view.labels[1], U(lang.reading3)) << name;
    EXPECT_EQ(b.view.labels[4], U(lang.reading6)) << name;
    EXPECT_EQ(b.view.labels[5], U(lang.readDone)) << name;
    EXPECT_TRUE(b.view.progressVisible) << name;
    ASSERT_EQ(b.prompt.calls.size(), 1u) << name;
    EXPECT_EQ(b.prompt.calls[0].text, U(lang.readMsg)) << name;
    EXPECT_EQ(b.prompt.calls[0].title, U(lang.title)) << name;
    EXPECT_EQ(b.prompt.calls[0].icon, PromptIcon::Exclamation) << name;

    // Panels: the band edges at the identification, then the link state.
    std::vector<int> order;
    for (const auto& w : b.panelLog) order.push_back(w.panel);
    EXPECT_EQ(order, (std::vector<int>{7, 8, 2})) << name;
    EXPECT_EQ(b.panels[2], U(lang.connected)) << name;
    EXPECT_EQ(b.panels[7].toStdString(), "VHF: 136-- 174 MHZ") << name;
    EXPECT_EQ(b.panels[8].toStdString(), "UHF: 400-- 520 MHZ") << name;
    EXPECT_EQ(b.st.Freq_vhf_low, 136) << name;
    EXPECT_EQ(b.st.Freq_uhf_high, 520) << name;
    EXPECT_EQ(b.sim.entries, 1) << name;
  });
}

// Each reply is acknowledged from the receive event that takes it, at once:
// the 0x06 leaves when the reply's last byte has arrived, not through the sender.
TEST(AdjExchange, ReadRepliesAreAcknowledgedAtOnce) {
  AdjBench b;
  ASSERT_TRUE(b.read_());
  int acks = 0;
  for (std::size_t i = 10; i < b.sent.size(); ++i) {
    if (b.sent[i].byte != 0x06 || b.sent[i - 1].byte != 0x40) continue;
    EXPECT_EQ(b.sent[i].at - b.sent[i - 1].at, b.line.replyDelayMs) << i;
    ++acks;
  }
  EXPECT_EQ(acks, 5);
  // The sender sent the three handshake frames and the five requests.
  EXPECT_EQ(b.timer(b.link->sender()).fireTimes.size(), 8u);
}

// Rows 13 and 14 come from 0x1EE0 and 0x1ED0, not from 0x1FD0 and 0x1FE0;
// rows 16..19 keep 0x1EC0..0x1EFF; nothing else of the table changes.
TEST(AdjExchange, ReadUnpacksRows0To19) {
  AdjBench b;
  for (std::size_t c = 0; c < 16; ++c) {
    b.sim.memory[0x1FD0 + c] = 0xD0;
    b.sim.memory[0x1FE0 + c] = 0xE0;
    b.sim.memory[0x1EE0 + c] = static_cast<std::uint8_t>(0x40 + c);
    b.sim.memory[0x1ED0 + c] = static_cast<std::uint8_t>(0x60 + c);
  }
  b.table[3][16] = 77;
  b.table[20][0] = 88;
  ASSERT_TRUE(b.read_());
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(b.table[13][static_cast<std::size_t>(c)], 0x40 + c);
    EXPECT_EQ(b.table[14][static_cast<std::size_t>(c)], 0x60 + c);
    EXPECT_EQ(b.table[17][static_cast<std::size_t>(c)], 0x60 + c);
    EXPECT_EQ(b.table[18][static_cast<std::size_t>(c)], 0x40 + c);
    EXPECT_EQ(b.table[16][static_cast<std::size_t>(c)], b.sim.memory[static_cast<std::size_t>(0x1EC0 + c)]);
    EXPECT_EQ(b.table[19][static_cast<std::size_t>(c)], b.sim.memory[static_cast<std::size_t>(0x1EF0 + c)]);
    EXPECT_EQ(b.table[12][static_cast<std::size_t>(c)], b.sim.memory[static_cast<std::size_t>(0x1FC0 + c)]);
  }
  EXPECT_EQ(b.table[3][16], 77);
  EXPECT_EQ(b.table[20][0], 88);
}

// A silent radio: four entry sequences 3015 ms apart (watchdog 1000 ms after
// the entry, the retry 2000 ms later, sent 15 ms after that), then one fault
// text in panel 2, no message box, and the bar and label as they were.
TEST(AdjExchange, SilentRadio) {
  for (bool writing : {false, true}) {
    AdjBench b;
    b.sim.silent = true;
    const LinkStart s = writing ? b.write.Start(*b.link, b.table) : b.read.Start(*b.link);
    ASSERT_EQ(s, LinkStart::Started);
    b.clock.advance(60000);
    EXPECT_EQ(b.entryTimes(), (std::vector<long>{15, 3030, 6045, 9060})) << writing;
    EXPECT_EQ(b.sent.size(), 4u * 7) << writing;
    EXPECT_EQ(b.panelTexts(2), (std::vector<QString>{QStringLiteral("Communication fault.")})) << writing;
    EXPECT_EQ(b.panelLog.at(0).at, 4 * 3015) << writing;
    EXPECT_TRUE(b.prompt.calls.empty()) << writing;
    EXPECT_EQ(b.view.labels, (std::vector<QString>{QStringLiteral("Connecting with transceiver. ")})) << writing;
    EXPECT_EQ(b.view.bars, (std::vector<int>{0})) << writing;
    EXPECT_TRUE(b.view.progressVisible) << writing;
    EXPECT_FALSE(b.link->Busy()) << writing;
    EXPECT_FALSE(b.port().isOpen()) << writing;
    EXPECT_EQ(b.table, b.before) << writing;
  }
}

// Replies that are not what the read asked for end the attempt: at once when
// the bytes are wrong, at the watchdog when they are too few. The next attempt
// starts from the entry sequence 2000 ms (+15 ms to send) after the failure,
// and the table does not change before a read has completed.
TEST(AdjExchange, ReadFaultsAreRetried) {
  using F = SimFault;
  struct Case {
    const char* name;
    SimFault fault;  // on its first occurrence only
    int attempts;
    long gapMs;  // from the last byte of the failed attempt to the next entry sequence
  };
  const long kAtOnce = 2 + 2000 + 15, kWatchdog = 1000 + 2000 + 15;
  const Case cases[] = {
      {"identification without 0xDD", {SimReply::Ident, 0, F::Wrong, 7, 0xDC, {}}, 2, kWatchdog},
      {"identification without 0xAA", {SimReply::Ident, 0, F::Wrong, 0, 0xAB, {}}, 2, kWatchdog},
      {"second reply without its 0x06", {SimReply::BlockAck, 0, F::Silence, 0, 0, {}}, 2, kWatchdog},
      {"another byte for the 0x06", {SimReply::BlockAck, 2, F::Wrong, 0, 0x15, {}}, 2, kAtOnce},
      {"wrong address low byte", {SimReply::Block, 3, F::Wrong, 2, 0x00, {}}, 2, kAtOnce},
      {"wrong address high byte", {SimReply::Block, 4, F::Wrong, 1, 0x20, {}}, 2, kAtOnce},
      {"no 'X'", {SimReply::Block, 0, F::Wrong, 0, 0x59, {}}, 2, kAtOnce},
      {"first reply a byte short", {SimReply::Block, 0, F::Short, 1, 0, {}}, 2, kWatchdog},
      {"last reply a byte short", {SimReply::Block, 4, F::Short, 1, 0, {}}, 2, kWatchdog},
      {"replies in pieces", {SimReply::Block, -1, F::Split, 0, 0, {1, 20, 3, 40}}, 1, 0},
      {"the 0x06 apart from its reply", {SimReply::BlockAck, -1, F::Split, 0, 0, {1}}, 1, 0},
  };
  for (const Case& c : cases) {
    AdjBench b;
    b.sim.faults = {c.fault};
    b.line.pieceGapMs = 3;
    ASSERT_EQ(b.read.Start(*b.link), LinkStart::Started) << c.name;
    if (c.attempts > 1) {
      ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.entries == 2; }, 20000)) << c.name;
      EXPECT_EQ(b.table, b.before) << c.name;
      EXPECT_EQ(b.stores, 0) << c.name;
      const std::vector<long> entries = b.entryTimes();
      const auto last = std::find_if(b.sent.rbegin(), b.sent.rend(), [&](const Sent& s) { return s.at < entries[1]; });
      EXPECT_EQ(entries[1] - last->at, c.gapMs) << c.name;
    }
    ASSERT_TRUE(b.runToEnd()) << c.name;
    EXPECT_EQ(b.sim.entries, c.attempts) << c.name;
    EXPECT_EQ(b.stores, 1) << c.name;
    EXPECT_EQ(b.table, b.radioTable()) << c.name;
    EXPECT_EQ(b.attempts().back(), Read_bytes()) << c.name;
    ASSERT_EQ(b.prompt.calls.size(), 1u) << c.name;
    EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "Complete reading the data from transceiver.") << c.name;
    EXPECT_TRUE(b.panelTexts(2) == std::vector<QString>(static_cast<std::size_t>(b.sim.count(SimReply::ConfirmAck)),
                                                        QStringLiteral("Connect well with radio.")))
        << c.name;
  }
}

// When every attempt fails, the table stays as it was and the bar and label
// keep what the last attempt showed; panel 2 reads "Communication fault."
// once, and no message box opens.
TEST(AdjExchange, ReadThatFailsEveryAttempt) {
  using F = SimFault;
  const SimFault faults[] = {
      {SimReply::Block, -1, F::Wrong, 2, 0x01, {}},
      {SimReply::BlockAck, -1, F::Silence, 0, 0, {}},
      {SimReply::Ident, -1, F::Wrong, 7, 0x00, {}},
  };
  for (const SimFault& f : faults) {
    AdjBench b;
    b.st.Lang_chn = -1;
    b.sim.faults = {f};
    ASSERT_TRUE(b.read.Start(*b.link) == LinkStart::Started && b.runToEnd());
    EXPECT_EQ(b.sim.entries, 4);
    EXPECT_EQ(b.stores, 0);
    EXPECT_EQ(b.table, b.before);
    EXPECT_TRUE(b.prompt.calls.empty());
    const auto texts = b.panelTexts(2);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), QStringLiteral("联机故障 ！"));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), QStringLiteral("联机故障 ！")), 1);
    // The bar and label of the press, or of the one block each attempt got.
    const bool gotABlock = f.reply == SimReply::BlockAck;
    EXPECT_EQ(b.view.progress, gotABlock ? 50 : 0);
    EXPECT_EQ(b.view.label, gotABlock ? QStringLiteral("正在读取 3 数据块") : QStringLiteral("正在与对讲机联络 ！"));
    EXPECT_TRUE(b.view.progressVisible);
    EXPECT_FALSE(b.link->Busy());
    EXPECT_FALSE(b.port().isOpen());
  }
}

// Every attempt decodes the identification anew: the band limits and panels
// 7 and 8 follow the radio's latest answer, also when the exchange then fails.
TEST(AdjExchange, IdentificationDecodedOnEveryAttempt) {
  AdjBench b;
  b.sim.faults = {{SimReply::Block, -1, SimFault::Wrong, 2, 0x01, {}}};
  const int edges[4][4] = {{136, 174, 400, 480}, {140, 170, 410, 470}, {144, 148, 430, 440}, {150, 160, 220, 260}};
  b.sim.setBands(edges[0][0], edges[0][1], edges[0][2], edges[0][3]);
  ASSERT_EQ(b.read.Start(*b.link), LinkStart::Started);
  for (int attempt = 1; attempt < 4; ++attempt) {
    ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.count(SimReply::ConfirmAck) == attempt; }, 20000));
    const int* e = edges[attempt];
    b.sim.setBands(e[0], e[1], e[2], e[3]);
  }
  ASSERT_TRUE(b.runToEnd());
  EXPECT_EQ(b.sim.entries, 4);
  EXPECT_EQ(b.panelTexts(7),
            (std::vector<QString>{QStringLiteral("VHF: 136-- 174 MHZ"), QStringLiteral("VHF: 140-- 170 MHZ"),
                                  QStringLiteral("VHF: 144-- 148 MHZ"), QStringLiteral("VHF: 150-- 160 MHZ")}));
  EXPECT_EQ(b.panelTexts(8).back().toStdString(), "UHF: 220-- 260 MHZ");
  EXPECT_EQ(b.st.Freq_a_low, 150);
  EXPECT_EQ(b.st.Freq_b_high, 260);
  EXPECT_EQ(b.st.Freq_vhf_low, 150);
  EXPECT_EQ(b.st.Freq_vhf_high, 160);
  EXPECT_EQ(b.st.Freq_uhf_low, 220);
  EXPECT_EQ(b.st.Freq_uhf_high, 260);
  EXPECT_EQ(b.panels[2].toStdString(), "Communication fault.");
}

// An unprogrammed radio (0xFF throughout) reads without trouble; every page
// can be shown from it, and the cells that no control shows stay 255.
TEST(AdjExchange, AllFFRadio) {
  AdjBench b;
  b.sim.memory.fill(0xFF);
  const Table defaults = AdjFactoryDefaults();
  std::int16_t band220 = 0;
  adj::View view;
  adj::Editor editor{b.table, defaults, band220, view};
  b.onStore = [&] {
    adj::Adj_Form_Load(editor);
    for (int p = 0; p < adj::kPages; ++p) adj::TabStrip1_Click(editor, p);
  };
  ASSERT_TRUE(b.read_());
  ASSERT_EQ(b.stores, 1);
  const auto at = [&](int r, int c) { return b.table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };
  for (int r = 15; r <= 19; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(at(r, c), 255) << r << "," << c;
  for (int c = 10; c < 16; ++c) {
    EXPECT_EQ(at(6, c), 255) << c;
    EXPECT_EQ(at(8, c), 255) << c;
    EXPECT_EQ(at(12, c), 255) << c;
  }
  for (int c : {8, 9}) EXPECT_EQ(at(10, c), 255) << c;
  for (int c = 11; c < 16; ++c) EXPECT_EQ(at(11, c), 255) << c;
  for (int r : {13, 14})
    for (int c : {14, 15}) EXPECT_EQ(at(r, c), 255) << r << "," << c;
  // The high-power rows are in range and shown as they came.
  for (int c = 0; c < 16; ++c) EXPECT_EQ(at(0, c), 255) << c;
}

// ---- the write -----------------------------------------------------------------------------

// The whole write, plain and at 9600 baud, in both languages: the marker and
// rows 0..15 at their addresses, each after the 0x06 of the one before; the
// progress; the message before the last label. The radio keeps 0x1FD0..0x1FEF
// and holds the marker with four zero bytes at 0x0DF0. A second write sends
// the same marker, whatever the first write's last row held.
TEST(AdjExchange, FullWrite) {
  On_each_line([](AdjBench& b, const Language& lang, const std::string& name) {
    const auto memoryBefore = b.sim.memory;
    b.prompt.onShow = [&](const PromptCall&) {
      EXPECT_EQ(b.view.label, U(lang.writing16)) << name;
      EXPECT_EQ(b.view.progress, 100) << name;
      EXPECT_FALSE(b.port().isOpen()) << name;
      EXPECT_FALSE(b.link->Busy()) << name;
      EXPECT_TRUE(b.timersOff()) << name;
    };
    ASSERT_TRUE(b.write_()) << name;

    EXPECT_EQ(b.sentBytes(), Write_bytes(b.table)) << name;
    EXPECT_EQ(b.radioRows(), Rows0to15(b.table)) << name;
    for (int a = 0x1FD0; a < 0x1FF0; ++a)
      EXPECT_EQ(b.sim.memory[static_cast<std::size_t>(a)], memoryBefore[static_cast<std::size_t>(a)]) << name;
    EXPECT_EQ(Bytes(b.sim.memory.begin() + 0x0DF0, b.sim.memory.begin() + 0x0E00), Marker()) << name;
    EXPECT_EQ(b.sim.writes.size(), 17u) << name;

    std::vector<int> bars{0, 6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100};
    EXPECT_EQ(b.view.bars, bars) << name;
    ASSERT_EQ(b.view.labels.size(), 18u) << name;
    EXPECT_EQ(b.view.labels[0], U(lang.connecting)) << name;
    EXPECT_EQ(b.view.labels[1], U(lang.writing1)) << name;
    EXPECT_EQ(b.view.labels[16], U(lang.writing16)) << name;
    EXPECT_EQ(b.view.labels[17], U(lang.writeDone)) << name;
    ASSERT_EQ(b.prompt.calls.size(), 1u) << name;
    EXPECT_EQ(b.prompt.calls[0].text, U(lang.writeMsg)) << name;
    EXPECT_EQ(b.prompt.calls[0].title, U(lang.title)) << name;
    EXPECT_EQ(b.prompt.calls[0].icon, PromptIcon::Exclamation) << name;
    EXPECT_EQ(b.panels[2], U(lang.connected)) << name;
    EXPECT_EQ(b.panels[7].toStdString(), "VHF: 136-- 174 MHZ") << name;

    // Again, with a last row whose bytes 12..15 are not zero.
    b.prompt.onShow = nullptr;
    for (int c = 12; c < 16; ++c) b.table[15][static_cast<std::size_t>(c)] = 0x5A;
    b.sent.clear();
    ASSERT_TRUE(b.write_()) << name;
    EXPECT_EQ(b.sentBytes(), Write_bytes(b.table)) << name;
    EXPECT_EQ(Bytes(b.sim.memory.begin() + 0x0DF0, b.sim.memory.begin() + 0x0E00), Marker()) << name;
  });
}

// A lost acknowledgement ends the attempt at the watchdog; the retry sends
// the marker and all rows again, and the radio ends up with the rows as they
// were at the press.
TEST(AdjExchange, LostWriteAckIsRetried) {
  AdjBench b;
  b.sim.faults = {{SimReply::WriteAck, 6, SimFault::Silence, 0, 0, {}}};
  ASSERT_TRUE(b.write_());
  const auto attempts = b.attempts();
  ASSERT_EQ(attempts.size(), 2u);
  Bytes partial = Write_bytes(b.table);
  partial.resize(7 + 2 + 7 * 20);  // the marker and rows 0..5
  EXPECT_EQ(attempts[0], partial);
  EXPECT_EQ(attempts[1], Write_bytes(b.table));
  const std::vector<long> entries = b.entryTimes();
  const auto last = std::find_if(b.sent.rbegin(), b.sent.rend(), [&](const Sent& s) { return s.at < entries[1]; });
  EXPECT_EQ(entries[1] - last->at, 1000 + 2000 + 15);
  EXPECT_EQ(b.radioRows(), Rows0to15(b.before));
  ASSERT_EQ(b.prompt.calls.size(), 1u);
  EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "Complete writing optional parameters to the transceiver.");
  EXPECT_EQ(b.view.label.toStdString(), "Complete writing optional parameters ");
}

// One 0x06 counts for one frame and only once the frame has gone out: a
// second 0x06 in the same arrival, or one arriving apart before the next
// frame has gone out, is dropped, so the write neither skips a frame nor ends
// early: spare 0x06 after row 14's do not pass for row 15's, neither when row
// 15 gets no answer nor when it is refused.
TEST(AdjExchange, DoubledAckDoesNotAdvanceTwice) {
  using F = SimFault;
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    int pieceGapMs;
    bool complete;
  };
  const Case cases[] = {
      {"two in one arrival", {{SimReply::WriteAck, -1, F::Long, 1, 0x06, {}}}, 1, true},
      {"the second 10 ms later",
       {{SimReply::WriteAck, -1, F::Long, 1, 0x06, {}}, {SimReply::WriteAck, -1, F::Split, 0, 0, {1}}},
       10,
       true},
      {"three for row 14, none for row 15",
       {{SimReply::WriteAck, 15, F::Long, 2, 0x06, {}}, {SimReply::WriteAck, 16, F::Silence, 0, 0, {}}},
       1,
       false},
      // The refusal arrives: a spare 0x06 still waiting would be read with it
      // and taken for row 15's acknowledgement.
      {"two for row 14, a refusal of row 15",
       {{SimReply::WriteAck, 15, F::Long, 1, 0x06, {}}, {SimReply::WriteAck, 16, F::Wrong, 0, 0x15, {}}},
       1,
       false},
  };
  for (const Case& c : cases) {
    AdjBench b;
    b.sim.faults = c.faults;
    b.line.pieceGapMs = c.pieceGapMs;
    // Every attempt the same; only the first counts here.
    ASSERT_EQ(b.write.Start(*b.link, b.table), LinkStart::Started) << c.name;
    ASSERT_TRUE(b.clock.runUntil([&] { return !b.link->engine().Busy_writing(); }, 20000)) << c.name;
    const auto attempts = b.attempts();
    ASSERT_EQ(attempts.size(), 1u) << c.name;
    EXPECT_EQ(attempts[0], Write_bytes(b.table)) << c.name;
    EXPECT_EQ(b.write.framesSent(), 17) << c.name;
    if (c.complete) {
      ASSERT_EQ(b.prompt.calls.size(), 1u) << c.name;
      EXPECT_EQ(b.view.label.toStdString(), "Complete writing optional parameters ") << c.name;
    } else {
      EXPECT_TRUE(b.prompt.calls.empty()) << c.name;
      EXPECT_EQ(b.view.label.toStdString(), "Writing  16  Data Block") << c.name;
      EXPECT_TRUE(b.link->Busy()) << c.name;  // the retry is pending
    }
  }
}

// The write sends the rows as they were at the press: an edit on the page
// and a file load while it runs, and another file load in the pause before
// its retry, reach the table but not the radio.
TEST(AdjExchange, EditsAndFileLoadsDuringAWriteAreNotSent) {
  AdjBench b;
  b.sim.faults = {{SimReply::WriteAck, 10, SimFault::Silence, 0, 0, {}}};
  const Table defaults = AdjFactoryDefaults();
  std::int16_t band220 = 0;
  adj::View view;
  adj::Editor editor{b.table, defaults, band220, view};
  adj::Adj_Form_Load(editor);
  const Table pressed = b.table;
  adj::FileRows loaded{};
  for (auto& row : loaded) row.fill(0x33);

  ASSERT_EQ(b.write.Start(*b.link, b.table), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.writes.size() == 1; }, 20000));  // the marker
  adj::SetBoxText(editor, adj::Box::Text1, 4, QStringLiteral("7"));                // rows 0 and 1, still to go
  adj::SetBoxText(editor, adj::Box::Text2, 5, QStringLiteral("9"));
  EXPECT_EQ(b.table[0][4], 7);
  EXPECT_EQ(b.table[1][5], 9);
  ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.writes.size() == 6; }, 20000));
  adj::ApplyLoadedTable(editor, false, loaded);
  EXPECT_EQ(b.table[12][0], 0x33);
  ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.entries == 1 && !b.port().isOpen(); }, 20000));
  for (auto& row : loaded) row.fill(0x44);
  adj::ApplyLoadedTable(editor, false, loaded);  // in the pause before the retry
  ASSERT_TRUE(b.runToEnd());

  const auto attempts = b.attempts();
  ASSERT_EQ(attempts.size(), 2u);
  const Bytes all = Write_bytes(pressed);
  EXPECT_EQ(attempts[0], Bytes(all.begin(), all.begin() + static_cast<long>(attempts[0].size())));
  EXPECT_EQ(attempts[0].size(), 7u + 2 + 11 * 20);  // the marker and rows 0..9
  EXPECT_EQ(attempts[1], all);
  EXPECT_EQ(b.radioRows(), Rows0to15(pressed));
  EXPECT_EQ(b.table[0][0], 0x44);  // the table keeps the last load
  EXPECT_EQ(b.prompt.calls.size(), 1u);
}

// ---- the window's buttons and its close --------------------------------------------------

// In the pause before a retry the exchange still counts as running: Read,
// Write, Open and Save refuse with the busy message, Close with its own. The
// pending retry then runs as it was, with the rows taken at the first press.
TEST(AdjExchange, PressesInTheRetryPauseAreRefused) {
  AdjBench b;
  b.sim.faults = {{SimReply::WriteAck, 3, SimFault::Silence, 0, 0, {}}};
  const Table pressed = b.table;
  ASSERT_EQ(b.write.Start(*b.link, b.table), LinkStart::Started);
  ASSERT_TRUE(b.clock.runUntil([&] { return !b.link->engine().Busy_writing(); }, 20000));
  ASSERT_FALSE(b.port().isOpen());  // the watchdog ran out; the retry is 2000 ms away
  b.table[2][2] = 0x99;
  const std::size_t labels = b.view.labels.size();

  EXPECT_EQ(b.read.Start(*b.link), LinkStart::Busy);
  EXPECT_EQ(b.write.Start(*b.link, b.table), LinkStart::Busy);
  EXPECT_TRUE(b.link->Refused_while_busy());  // Open, Save
  EXPECT_FALSE(b.link->Close_request());
  std::vector<std::string> texts;
  for (const PromptCall& p : b.prompt.calls) {
    texts.push_back(p.text.toStdString());
    EXPECT_EQ(p.title.toStdString(), "Operate prompt");
    EXPECT_EQ(p.icon, PromptIcon::Exclamation);
  }
  const std::string busy = "Read-write operating with transceiver .";
  EXPECT_EQ(texts, (std::vector<std::string>{busy, busy, busy, "Read-write operating，don't close the window.,"}));
  EXPECT_EQ(b.view.labels.size(), labels);  // a refused press shows nothing else

  b.prompt.calls.clear();
  ASSERT_TRUE(b.runToEnd());
  const auto attempts = b.attempts();
  ASSERT_EQ(attempts.size(), 2u);
  EXPECT_EQ(attempts[1], Write_bytes(pressed));
  EXPECT_EQ(b.stores, 0);
  ASSERT_EQ(b.prompt.calls.size(), 1u);
  EXPECT_EQ(b.prompt.calls[0].text.toStdString(), "Complete writing optional parameters to the transceiver.");
  // Idle again: Close may close the window.
  EXPECT_TRUE(b.link->Close_request());
}

// A port that no longer opens for a retry shows the port message once and
// ends the retries: no further attempt, no fault text, nothing busy.
TEST(AdjExchange, PortGoneBeforeARetry) {
  for (Int16 lang : {Int16{0}, Int16{-1}}) {
    AdjBench b;
    b.st.Lang_chn = lang;
    b.sim.faults = {{SimReply::Block, 1, SimFault::Silence, 0, 0, {}}};
    ASSERT_EQ(b.read.Start(*b.link), LinkStart::Started);
    ASSERT_TRUE(b.clock.runUntil([&] { return !b.port().isOpen(); }, 20000));
    b.ports.present.clear();
    b.clock.advance(30000);
    EXPECT_EQ(b.sim.entries, 1);
    ASSERT_EQ(b.prompt.calls.size(), 1u);
    EXPECT_EQ(b.prompt.calls[0].text, lang ? QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！")
                                           : QStringLiteral("Communication Port Open Error ！"));
    EXPECT_EQ(b.prompt.calls[0].title, lang ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
    EXPECT_EQ(b.st.Port_err, -1);
    for (const QString& t : b.panelTexts(2))
      EXPECT_NE(t, lang ? QStringLiteral("联机故障 ！") : QStringLiteral("Communication fault."));
    EXPECT_FALSE(b.link->Busy());
    EXPECT_EQ(b.stores, 0);
    EXPECT_EQ(b.table, b.before);
    EXPECT_EQ(b.view.label, lang ? QStringLiteral("正在读取 3 数据块") : QStringLiteral("Reading 3 Data Block"));
  }
}

// A press whose port does not open shows the port message and starts
// nothing: the bar and the label stay as they were.
TEST(AdjExchange, PortErrorAtThePress) {
  AdjBench b;
  b.ports.present.clear();
  EXPECT_EQ(b.read.Start(*b.link), LinkStart::PortError);
  EXPECT_EQ(b.write.Start(*b.link, b.table), LinkStart::PortError);
  ASSERT_EQ(b.prompt.calls.size(), 2u);
  EXPECT_EQ(b.prompt.calls[1].text.toStdString(), "Communication Port Open Error ！");
  EXPECT_TRUE(b.view.labels.empty());
  EXPECT_TRUE(b.view.bars.empty());
  b.clock.advance(10000);
  EXPECT_TRUE(b.sent.empty());
}

// The window closed by its frame mid-read (or in the pause before a retry)
// ends the exchange at once: port closed, timers stopped, nothing more sent,
// the table unchanged.
TEST(AdjExchange, FrameCloseEndsTheExchange) {
  for (bool inPause : {false, true}) {
    AdjBench b;
    if (inPause) b.sim.faults = {{SimReply::Block, 2, SimFault::Wrong, 1, 0x00, {}}};
    ASSERT_EQ(b.read.Start(*b.link), LinkStart::Started);
    ASSERT_TRUE(b.clock.runUntil([&] { return b.sim.readRequests.size() == 3; }, 20000));
    if (inPause) {
      ASSERT_TRUE(b.clock.runUntil([&] { return !b.port().isOpen(); }, 20000));
    }
    b.link->End();
    EXPECT_FALSE(b.port().isOpen());
    EXPECT_TRUE(b.timersOff());
    EXPECT_FALSE(b.link->Busy());
    const std::size_t sent = b.sent.size();
    b.clock.advance(30000);
    EXPECT_EQ(b.sent.size(), sent) << inPause;
    EXPECT_EQ(b.sim.entries, 1) << inPause;
    EXPECT_EQ(b.stores, 0) << inPause;
    EXPECT_EQ(b.table, b.before) << inPause;
    EXPECT_TRUE(b.prompt.calls.empty()) << inPause;
    EXPECT_TRUE(b.panelTexts(2) == std::vector<QString>{QStringLiteral("Connect well with radio.")}) << inPause;
  }
}

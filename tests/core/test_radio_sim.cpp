// The simulated radio on its own: what it answers, and how a reply is cut
// into arrivals.
#include "support/radio_sim.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Radio {
  Radio() {
    sim.transmit = [this](const SimTransmission& t) { out.push_back(t.bytes); };
  }
  void send(const Bytes& bytes) {
    for (std::uint8_t b : bytes) sim.receive(b);
  }
  // Entry, identification, confirmation: programming mode.
  void enter() {
    send(Bytes(kHandCode.begin(), kHandCode.begin() + 7));
    send({0x02, 0x06});
    out.clear();
  }
  RadioSim sim;
  std::vector<Bytes> out;
};

}  // namespace

TEST(RadioSim, HandshakeAnswers) {
  Radio r;
  r.send({0x02, 0x06, 0x53, 0x00});  // not entered: nothing
  EXPECT_TRUE(r.out.empty());
  r.send(Bytes(kHandCode.begin(), kHandCode.end()));  // all 8 entry bytes
  r.send({0x02});
  r.send({0x06});
  EXPECT_EQ(r.out, (std::vector<Bytes>{{0x06}, {0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20, 0xDD}, {0x06}}));
  EXPECT_EQ(r.sim.mode(), RadioSim::Mode::Programming);
}

TEST(RadioSim, ReadsWritesAndAcknowledgements) {
  Radio r;
  for (std::size_t i = 0; i < r.sim.memory.size(); ++i) r.sim.memory[i] = static_cast<std::uint8_t>(i);
  r.enter();
  r.send({0x06});  // nothing to acknowledge: ignored
  EXPECT_TRUE(r.out.empty());
  r.send({0x53, 0x1F, 0xF0, 0x10});  // 64 data bytes whatever the length asked; wraps at 0x2000
  ASSERT_EQ(r.out.size(), 1u);
  ASSERT_EQ(r.out[0].size(), 68u);
  EXPECT_EQ(Bytes(r.out[0].begin(), r.out[0].begin() + 5), (Bytes{0x58, 0x1F, 0xF0, 0x10, 0xF0}));
  EXPECT_EQ(r.out[0][4 + 16], 0x00);  // radio 0x2000 is 0x0000
  r.send({0x06, 0x06});               // the acknowledgement is answered once
  EXPECT_EQ(r.out.size(), 2u);
  EXPECT_EQ(r.out[1], Bytes{0x06});

  r.send({0x58, 0x00, 0x10, 0x01, 0xFF});  // an empty channel record: one byte stored
  r.send({0x58, 0x1F, 0xF0, 0x02, 'A', 'B'});
  EXPECT_EQ(r.out.size(), 4u);
  EXPECT_EQ(r.sim.memory[0x10], 0xFF);
  EXPECT_EQ(r.sim.memory[0x11], 0x11);
  EXPECT_EQ(r.sim.memory[0x1FF0], 'A');
  EXPECT_EQ(r.sim.writes, (std::vector<std::pair<int, int>>{{0x0010, 1}, {0x1FF0, 2}}));

  // A new entry sequence starts afresh, also in programming mode.
  r.send(Bytes(kHandCode.begin(), kHandCode.begin() + 7));
  EXPECT_EQ(r.sim.mode(), RadioSim::Mode::Entered);
  EXPECT_EQ(r.sim.entries, 2);
}

TEST(RadioSim, AnswerEveryAcknowledgement) {
  Radio r;
  r.sim.answerEveryAck = true;
  r.enter();
  r.send({0x06, 0x06});
  EXPECT_EQ(r.out, (std::vector<Bytes>{{0x06}, {0x06}}));
}

TEST(RadioSim, ArrivalsOfAReply) {
  struct Case {
    const char* name;
    int size;
    std::vector<int> pieces;
    bool paced;
    std::vector<long> offsets;       // of the arrivals
    std::vector<std::size_t> sizes;  // of the arrivals
  };
  const Case cases[] = {
      {"one arrival", 8, {}, false, {0}, {8}},
      {"pieces 1 ms apart", 8, {3, 2}, false, {0, 1, 2}, {3, 2, 3}},
      {"pieces beyond the reply", 4, {3, 5}, false, {0, 1}, {3, 1}},
  };
  for (const Case& c : cases) {
    const auto arrivals = Sim_arrivals({Bytes(static_cast<std::size_t>(c.size), 0x42), c.pieces}, c.paced, 1);
    std::vector<long> offsets;
    std::vector<std::size_t> sizes;
    for (const SimArrival& a : arrivals) {
      offsets.push_back(a.offsetMs);
      sizes.push_back(a.bytes.size());
    }
    EXPECT_EQ(offsets, c.offsets) << c.name;
    EXPECT_EQ(sizes, c.sizes) << c.name;
  }
  // At 9600 baud 69 bytes take 72 ms, one arrival per millisecond with a byte.
  const auto paced = Sim_arrivals({Bytes(69, 0), {}}, true, 1);
  EXPECT_EQ(paced.back().offsetMs, 72);
  std::size_t total = 0;
  for (const SimArrival& a : paced) total += a.bytes.size();
  EXPECT_EQ(total, 69u);
  EXPECT_GT(paced.size(), 60u);
}

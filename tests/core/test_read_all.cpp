// Read-all on the virtual clock against the simulated radio: what reaches the
// image and when, the progress it shows, and how a refused or missing reply
// ends it.
#include "link/read_all.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"
#include "support/transfer_bench.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadBench : TransferBench<ReadAll> {
  ReadBench() : TransferBench(link_profiles::kReadAll) {
    for (std::size_t i = 0; i < b.sim.memory.size(); ++i) b.sim.memory[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    // What the image held before: nothing of it may change on a failure.
    b.image.change(0, img::kRows - 1, nullptr, [](img::Image& im) { im.clear(0x3C); });
    before = b.image.image();
  }
  img::Image radioImage() const {
    img::Image want = before;
    for (int r = 0; r <= img::kReadLastRow; ++r)
      for (int c = 0; c < img::kCols; ++c)
        want(r, c) = b.sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)];
    return want;
  }
};

}  // namespace

TEST(ReadAll, FillsRows0To479AndShowsItsProgress) {
  ReadBench r;
  ASSERT_TRUE(r.run());
  EXPECT_EQ(ImageDiff(r.b.image.image(), r.radioImage()), "");
  EXPECT_EQ(r.b.image.image()(480, 0), 0x3C);

  // 120 requests, one per block, in address order.
  ASSERT_EQ(r.b.sim.readRequests.size(), 120u);
  for (int n = 0; n < 120; ++n) EXPECT_EQ(r.b.sim.readRequests[static_cast<std::size_t>(n)], 64 * n);
  // After block n the label names RxBuf row n + 3 and the bar stands at (n + 3) / 121.
  ASSERT_EQ(r.view.labels.size(), 120u);
  for (int n = 0; n < 119; ++n) {
    EXPECT_EQ(r.view.labels[static_cast<std::size_t>(n)].toStdString(),
              "Reading " + std::to_string(n + 3) + " Data Block");
    EXPECT_EQ(r.view.bars[static_cast<std::size_t>(n)], (n + 3) * 100 / 121);
  }
  EXPECT_EQ(r.view.bars.front(), 2);
  EXPECT_EQ(r.view.labels[118].toStdString(), "Reading 121 Data Block");
  EXPECT_EQ(r.view.bars[118], 100);
  EXPECT_EQ(r.view.label.toStdString(), "Read Signal parameters in gear. ");
  EXPECT_EQ(r.view.progress, 100);
  EXPECT_TRUE(r.view.progressVisible);

  ASSERT_EQ(r.b.prompt.calls.size(), 1u);
  EXPECT_EQ(r.b.prompt.calls[0].text.toStdString(), "Complete reading the data from transceiver.");
  EXPECT_EQ(r.b.prompt.calls[0].title.toStdString(), "Operate Prompt");
  EXPECT_EQ(r.b.prompt.calls[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(r.b.panels[2].toStdString(), "Connect well with radio.");
  EXPECT_EQ(r.b.panels[7].toStdString(), "VHF: 136-- 174 MHZ");
  EXPECT_FALSE(r.b.port.isOpen());
  EXPECT_FALSE(r.b.engine->Busy_reading());
  // Every reply was acknowledged at once, and the radio answered each
  // acknowledgement ahead of the next reply.
  EXPECT_EQ(r.b.sim.count(SimReply::BlockAck), 120);
  EXPECT_EQ(r.kind.RxBuf[121][0], 0x06);
}

TEST(ReadAll, ChineseTexts) {
  ReadBench r;
  r.b.st.Lang_chn = -1;
  ASSERT_TRUE(r.run());
  EXPECT_EQ(r.view.labels.front(), QStringLiteral("正在读取 3 数据块"));
  EXPECT_EQ(r.view.label, QStringLiteral("对讲机数据读出正常 ！"));
  ASSERT_EQ(r.b.prompt.calls.size(), 1u);
  EXPECT_EQ(r.b.prompt.calls[0].text, QStringLiteral("从对讲机中读取数据完毕 ！"));
  EXPECT_EQ(r.b.prompt.calls[0].title, QStringLiteral("操作提示"));
  EXPECT_EQ(r.b.panels[2], QStringLiteral("与对讲机数据通讯正常"));
}

// Replies that arrive in pieces, or with bytes to spare behind them, are
// still read whole; the spare bytes are dropped.
TEST(ReadAll, SplitRepliesAndSurplusBytes) {
  using F = SimFault;
  const std::vector<SimFault> cases[] = {
      {{SimReply::Block, -1, F::Split, 0, 0, {10, 30, 5}}},
      {{SimReply::Block, 4, F::Long, 2, 0x00, {}}},
      {{SimReply::BlockAck, -1, F::Split, 0, 0, {1}}},
  };
  for (const auto& faults : cases) {
    ReadBench r;
    r.b.sim.faults = faults;
    ASSERT_TRUE(r.run());
    EXPECT_EQ(ImageDiff(r.b.image.image(), r.radioImage()), "");
    EXPECT_EQ(r.b.prompt.calls.size(), 1u);
  }
}

// A reply is checked as it arrives: 'X' and the requested address, after the
// radio's 0x06 from the second block on. Anything else ends the read at once
// on the failure path (port closed, the report one failure interval later)
// without acknowledging the reply. A reply that stops short waits for the
// watchdog instead. Either way the image stays exactly as it was and the
// failure is reported once.
TEST(ReadAll, RefusedOrMissingRepliesLeaveTheImageAlone) {
  using F = SimFault;
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    int failedBlock;     // the request whose reply ended the read
    long reportAfterMs;  // from the last byte the PC sent to the report
  };
  // Replies reach the port 2 ms after the request (the bench's reply delay).
  const Case cases[] = {
      {"silence mid-read", {{SimReply::Block, 50, F::Silence, 0, 0, {}}}, 50, 2000 + 1000},
      {"a reply without its leading 0x06", {{SimReply::BlockAck, 9, F::Silence, 0, 0, {}}}, 10, 2000 + 1000},
      {"a stray 0x58 in place of the 0x06", {{SimReply::BlockAck, 9, F::Wrong, 0, 0x58, {}}}, 10, 2 + 1000},
      {"another byte in place of the 0x06", {{SimReply::BlockAck, 9, F::Wrong, 0, 0x15, {}}}, 10, 2 + 1000},
      {"a stray byte ahead of the reply", {{SimReply::BlockAck, 9, F::Long, 1, 0x58, {}}}, 10, 2 + 1000},
      {"a wrong address low byte", {{SimReply::Block, 20, F::Wrong, 2, 0x10, {}}}, 20, 2 + 1000},
      {"a wrong address high byte", {{SimReply::Block, 77, F::Wrong, 1, 0x1D, {}}}, 77, 2 + 1000},
      {"no 'X' in the first reply", {{SimReply::Block, 0, F::Wrong, 0, 0x59, {}}}, 0, 2 + 1000},
      {"a short first reply", {{SimReply::Block, 0, F::Short, 1, 0, {}}}, 0, 2000 + 1000},
  };
  for (const Case& c : cases) {
    ReadBench r;
    r.b.sim.faults = c.faults;
    ASSERT_TRUE(r.run()) << c.name;
    EXPECT_EQ(ImageDiff(r.b.image.image(), r.before), "") << c.name;
    // The failing request was the last thing the PC sent: no acknowledgement
    // went out for the refused reply, and nothing was requested after it.
    EXPECT_EQ(r.b.sim.readRequests.size(), static_cast<std::size_t>(c.failedBlock + 1)) << c.name;
    EXPECT_EQ(r.b.port.written.back(), 0x40) << c.name;
    const long lastSent = r.b.watchdog().armTimes.back();
    ASSERT_EQ(r.b.failure().fireTimes.size(), 1u) << c.name;
    EXPECT_EQ(r.b.failure().fireTimes[0] - lastSent, c.reportAfterMs) << c.name;

    ASSERT_EQ(r.b.prompt.calls.size(), 1u) << c.name;
    EXPECT_EQ(r.b.prompt.calls[0].text.toStdString(), "Fail connect with transceiver.") << c.name;
    EXPECT_EQ(r.b.prompt.calls[0].title.toStdString(), "Operate prompt") << c.name;
    // Bar hidden at 0, label emptied for the message, then the fault text.
    EXPECT_FALSE(r.view.progressVisible) << c.name;
    EXPECT_EQ(r.view.progress, 0) << c.name;
    ASSERT_GE(r.view.labels.size(), 2u) << c.name;
    EXPECT_EQ(r.view.labels[r.view.labels.size() - 2], QString()) << c.name;
    EXPECT_EQ(r.view.label.toStdString(), "Communication fault.") << c.name;
    EXPECT_FALSE(r.b.port.isOpen()) << c.name;
    EXPECT_FALSE(r.b.engine->Busy()) << c.name;
  }
}

// A failed read is over: a new one starts from the entry sequence and fills
// the image.
TEST(ReadAll, NewReadAfterAFailure) {
  ReadBench r;
  r.b.sim.faults = {{SimReply::Block, 30, SimFault::Wrong, 3, 0x41, {}}};  // length byte: not checked
  r.b.sim.faults.push_back({SimReply::Block, 31, SimFault::Wrong, 2, 0x00, {}});
  ASSERT_TRUE(r.run());
  EXPECT_EQ(ImageDiff(r.b.image.image(), r.before), "");
  EXPECT_EQ(r.b.sim.readRequests.size(), 32u);  // block 30's length byte passed, block 31's address did not
  r.b.sim.faults.clear();
  ASSERT_TRUE(r.run());
  EXPECT_EQ(r.b.sim.entries, 2);
  EXPECT_EQ(ImageDiff(r.b.image.image(), r.radioImage()), "");
  EXPECT_EQ(r.b.prompt.calls.size(), 2u);
  EXPECT_EQ(r.view.label.toStdString(), "Read Signal parameters in gear. ");
}

// The progress bar stays hidden after a failure until a block of a later
// read arrives.
TEST(ReadAll, BarShowsAgainWithTheFirstBlockOfTheNextRead) {
  ReadBench r;
  r.b.sim.faults = {{SimReply::Block, 5, SimFault::Silence, 0, 0, {}}};
  ASSERT_TRUE(r.run());
  EXPECT_FALSE(r.view.progressVisible);
  r.b.sim.faults.clear();
  ASSERT_EQ(r.start(), LinkStart::Started);
  ASSERT_TRUE(r.b.clock.runUntil([&] { return r.view.progressVisible; }, 5000));
  EXPECT_EQ(r.view.progress, 2);
  EXPECT_EQ(r.view.label.toStdString(), "Reading 3 Data Block");
}

// Write-all on the virtual clock against the simulated radio: the frames it
// sends, when an acknowledgement counts, the progress it shows and how a
// missing acknowledgement ends it.
#include "image/factory_startup.h"
#include "link/write_all.h"
#include "support/image_diff.h"
#include "support/session_and_image.h"
#include "support/transfer_bench.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct WriteBench : TransferBench<WriteAll> {
  WriteBench() : TransferBench(link_profiles::kWriteAll) {
    b.image.change(0, img::kRows - 1, nullptr, [](img::Image& im) {
      // Rows of varied bytes; channels 1..199 empty or not by their first byte.
      for (int r = 0; r < img::kRows; ++r)
        for (int c = 0; c < img::kCols; ++c) im(r, c) = static_cast<std::int16_t>((r * 31 + c * 5) & 0xFF);
      for (int r : {0, 1, 2, 77, 198, 199, 200, 300}) im.fillRows(r, r, img::kEmpty);
      // An empty channel record is 0xFF throughout.
      for (int r = 1; r <= 199; ++r)
        if (im(r, 0) == img::kEmpty) im.fillRows(r, r, img::kEmpty);
    });
    before = b.image.image();
  }
  Bytes expectedFrames(int lastRow = 448) const { return Write_frames_expected(before, lastRow); }
  // What the radio got after the handshake: entry (7), 0x02, 0x06.
  Bytes afterHandshake() const { return Bytes(b.sim.received.begin() + 9, b.sim.received.end()); }
};

}  // namespace

TEST(WriteAll, SendsRows0To448AndTheRadioStoresThem) {
  WriteBench w;
  ASSERT_TRUE(w.run());
  EXPECT_EQ(w.afterHandshake(), w.expectedFrames());
  // The radio's memory now holds the image for rows 0..448 (it was 0xFF, so
  // the rows sent as empty records read 0xFF throughout), and nothing beyond.
  for (int r = 0; r <= 448; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(w.b.sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)], w.before(r, c))
          << r << "," << c;
  for (int a = 0x1C10; a < 0x1E00; ++a) ASSERT_EQ(w.b.sim.memory[static_cast<std::size_t>(a)], 0xFF) << a;
  EXPECT_EQ(ImageDiff(w.b.image.image(), w.before), "");  // the exchange itself changes nothing in the image

  // Progress after each acknowledgement but the last: rows 0..447 named, bar r / 448.
  ASSERT_EQ(w.view.labels.size(), 448u + 1);
  for (int r = 1; r <= 448; ++r) {
    EXPECT_EQ(w.view.labels[static_cast<std::size_t>(r - 1)].toStdString(),
              "Writing  " + std::to_string(r - 1) + "  Data Block");
    EXPECT_EQ(w.view.bars[static_cast<std::size_t>(r - 1)], r * 100 / 448);
  }
  EXPECT_EQ(w.view.bars.front(), 0);
  EXPECT_EQ(w.view.bars.back(), 100);
  EXPECT_EQ(w.view.label.toStdString(), "Complete writing parameters ");
  EXPECT_EQ(w.view.progress, 100);
  ASSERT_EQ(w.b.prompt.calls.size(), 1u);
  EXPECT_EQ(w.b.prompt.calls[0].text.toStdString(), "Complete writing parameters to the transceiver.");
  EXPECT_EQ(w.b.prompt.calls[0].title.toStdString(), "Operate Prompt");
  EXPECT_EQ(w.b.panels[2].toStdString(), "Connect well with radio.");
  EXPECT_FALSE(w.b.port.isOpen());
  EXPECT_FALSE(w.b.engine->Busy_writing());
}

TEST(WriteAll, ChineseTexts) {
  WriteBench w;
  w.b.st.Lang_chn = -1;
  ASSERT_TRUE(w.run());
  EXPECT_EQ(w.view.labels.front(), QStringLiteral("正在写入  0  数据块"));
  EXPECT_EQ(w.view.label, QStringLiteral("参数写入完毕 ！"));
  ASSERT_EQ(w.b.prompt.calls.size(), 1u);
  EXPECT_EQ(w.b.prompt.calls[0].text, QStringLiteral("向对讲机写入参数完毕 ！"));
  EXPECT_EQ(w.b.prompt.calls[0].title, QStringLiteral("操作提示"));
}

// The frame of one row: whole, or the one-byte empty record for channels
// 1..199 whose first byte is 0xFF. Frames carry bytes: a cell outside 0..255
// goes out as its low 8 bits and never lengthens or shifts the frame.
TEST(WriteAll, RowFrames) {
  struct Case {
    int row;
    std::vector<int> cells;  // from column 0; the rest 0x11
    Bytes head;              // 'X' hi lo len
    int dataLen;
    Bytes data;  // first data bytes
  };
  const Case cases[] = {
      {0, {0xFF}, {0x58, 0x00, 0x00, 0x10}, 16, {0xFF, 0x11}},
      {1, {0xFF}, {0x58, 0x00, 0x10, 0x01}, 1, {0xFF}},
      {199, {0xFF}, {0x58, 0x0C, 0x70, 0x01}, 1, {0xFF}},
      {199, {0xFE}, {0x58, 0x0C, 0x70, 0x10}, 16, {0xFE, 0x11}},
      {200, {0xFF}, {0x58, 0x0C, 0x80, 0x10}, 16, {0xFF, 0x11}},
      {448, {0x00}, {0x58, 0x1C, 0x00, 0x10}, 16, {0x00, 0x11}},
      {17, {0x12, 0x1234, -1, 256}, {0x58, 0x01, 0x10, 0x10}, 16, {0x12, 0x34, 0xFF, 0x00, 0x11}},
      {5, {0x1FF}, {0x58, 0x00, 0x50, 0x10}, 16, {0xFF, 0x11}},
  };
  for (const Case& c : cases) {
    img::Image im;
    im.clear(0x11);
    for (std::size_t i = 0; i < c.cells.size(); ++i)
      im(c.row, static_cast<int>(i)) = static_cast<std::int16_t>(c.cells[i]);
    const proto::Frame f = Row_frame(im, c.row, 0, 0);
    ASSERT_EQ(f.len, 4 + c.dataLen) << c.row;
    EXPECT_EQ(Bytes(f.bytes.begin(), f.bytes.begin() + 4), c.head) << c.row;
    EXPECT_EQ(Bytes(f.bytes.begin() + 4, f.bytes.begin() + 4 + static_cast<long>(c.data.size())), c.data) << c.row;
  }
}

// Every receive event reads all that waits, and a 0x06 counts once per frame
// and only after the frame has gone out. A radio that answers one frame with
// two 0x06 in one arrival gets the next frame once. When it later refuses a
// frame (0x15), the write fails there: no spare 0x06 left waiting is taken
// for that frame's acknowledgement.
TEST(WriteAll, TwoAcknowledgementsInOneArrivalCountOnce) {
  {
    WriteBench w;
    w.b.sim.faults = {{SimReply::WriteAck, -1, SimFault::Long, 1, 0x06, {}}};
    ASSERT_TRUE(w.run());
    EXPECT_EQ(w.afterHandshake(), w.expectedFrames());
    EXPECT_EQ(w.b.prompt.calls.at(0).text.toStdString(), "Complete writing parameters to the transceiver.");
  }
  {
    WriteBench w;
    w.b.sim.faults = {{SimReply::WriteAck, 40, SimFault::Long, 1, 0x06, {}},
                      {SimReply::WriteAck, 45, SimFault::Wrong, 0, 0x15, {}}};
    ASSERT_TRUE(w.run());
    EXPECT_EQ(w.afterHandshake(), w.expectedFrames(45));  // row 45 went out, row 46 never did
    ASSERT_EQ(w.b.prompt.calls.size(), 1u);
    EXPECT_EQ(w.b.prompt.calls[0].text.toStdString(), "Fail connect with transceiver.");
  }
}

// With no radio on the line, the test plays it byte by byte: a 0x06 that
// arrives while the next frame still waits for the sender is dropped; one
// after the frame has gone out queues the next frame 15 ms later. Anything
// else arriving with it changes nothing.
TEST(WriteAll, AnAcknowledgementCountsOnlyOnceTheFrameHasGoneOut) {
  WriteBench w;
  w.b.unplugRadio();
  ASSERT_EQ(w.start(), LinkStart::Started);
  auto& port = w.b.port;
  const auto step = [&](std::vector<std::uint8_t> reply, long waitMs) {
    port.feed(reply);
    w.b.clock.advance(waitMs);
  };
  w.b.clock.advance(15);                                       // entry out
  step({0x06}, 15);                                            // 0x02 out
  step({0xAA, 0x36, 0x74, 0x04, 0x00, 0x05, 0x20, 0xDD}, 15);  // 0x06 out
  step({0x06}, 5);                                             // connected: row 0 queued
  const std::size_t queued = port.written.size();
  step({0x06, 0x06}, 10);                       // before row 0 went out: dropped
  ASSERT_EQ(port.written.size(), queued + 20);  // row 0 out now (t + 15)
  EXPECT_EQ(w.kind.framesSent(), 1);
  step({0x15, 0x06, 0x06, 0x06}, 14);  // one acknowledgement: row 1 queued, the rest dropped
  EXPECT_EQ(port.written.size(), queued + 20);
  EXPECT_EQ(w.kind.framesSent(), 2);
  w.b.clock.advance(1);
  EXPECT_EQ(port.written.size(), queued + 20 + 5);  // row 1 (an empty record) 15 ms after the 0x06
  step({0x15}, 500);                                // not an acknowledgement
  EXPECT_EQ(w.kind.framesSent(), 2);
  EXPECT_EQ(port.written.size(), queued + 25);
}

// A missing or wrong acknowledgement: the watchdog expires 1000 ms after the
// frame, the report comes 1000 ms later, once. The radio keeps the rows it
// took; the image is untouched.
TEST(WriteAll, MissingAcknowledgementEndsTheWrite) {
  using F = SimFault;
  struct Case {
    const char* name;
    SimFault fault;
    int lastRowSent;
  };
  const Case cases[] = {
      {"silence after row 300", {SimReply::WriteAck, 300, F::Silence, 0, 0, {}}, 300},
      {"another byte for row 12", {SimReply::WriteAck, 12, F::Wrong, 0, 0x15, {}}, 12},
      {"no answer to the confirmation", {SimReply::ConfirmAck, 0, F::Silence, 0, 0, {}}, -1},
  };
  for (const Case& c : cases) {
    WriteBench w;
    w.b.sim.faults = {c.fault};
    ASSERT_TRUE(w.run()) << c.name;
    const long lastSent = w.b.watchdog().armTimes.back();
    ASSERT_EQ(w.b.failure().fireTimes.size(), 1u) << c.name;
    EXPECT_EQ(w.b.failure().fireTimes[0] - lastSent, 2000) << c.name;
    if (c.lastRowSent >= 0) {
      EXPECT_EQ(w.afterHandshake(), w.expectedFrames(c.lastRowSent)) << c.name;
    }
    EXPECT_EQ(ImageDiff(w.b.image.image(), w.before), "") << c.name;
    ASSERT_EQ(w.b.prompt.calls.size(), 1u) << c.name;
    EXPECT_EQ(w.b.prompt.calls[0].text.toStdString(), "Fail connect with transceiver.") << c.name;
    EXPECT_EQ(w.b.prompt.calls[0].title.toStdString(), "Operate prompt") << c.name;
    EXPECT_FALSE(w.view.progressVisible) << c.name;
    EXPECT_EQ(w.view.label.toStdString(), "Communication fault.") << c.name;
    EXPECT_FALSE(w.b.port.isOpen()) << c.name;
    EXPECT_FALSE(w.b.engine->Busy()) << c.name;
  }
}

// The preparation corrects the selected channels and rewrites the FM band
// labels, and touches nothing else.
TEST(WriteAll, PreparationRewritesTheSelectedChannelsAndTheLabels) {
  SessionAndImage s;
  Factory_startup(s, s.Image, [] { return DateTime{2026, 12, 10, 9, 30, 0}; });
  img::Image want = s.Image;  // factory labels; channel 0 empty, channel 1 the first factory channel
  s.Image.fillRows(img::kFmLabelsFirst, img::kFmLabelsLast, 0x20);
  s.Image(img::kChannAbRow, 1) = 0x77;
  for (int r = img::kFmLabelsFirst; r <= img::kFmLabelsLast; ++r)
    for (int c = 14; c < 16; ++c) want(r, c) = 0x20;  // bytes 14 and 15 are not labels
  want(img::kChannAbRow, 1) = 0;
  want(img::kChannAbRow, 6) = 1;
  want(img::kChannAbRow, 7) = 1;
  Write_prepare(s.Image);
  EXPECT_EQ(ImageDiff(s.Image, want), "");
}

// The write sends the rows as they were when it started: an edit or a file
// load while it runs reaches the image but not this write, which still
// reports its completion for exactly what it sent.
TEST(WriteAll, SendsTheRowsAsTheyWereWhenItStarted) {
  WriteBench w;
  ASSERT_EQ(w.start(), LinkStart::Started);
  ASSERT_TRUE(w.b.clock.runUntil([&] { return w.b.sim.writes.size() == 10; }, 20000));
  w.b.image.change(0, img::kRows - 1, nullptr, [](img::Image& im) {
    for (int r : {5, 300, 448}) im.fillRows(r, r, 0x42);  // one row already sent, two still to come
  });
  ASSERT_TRUE(w.b.clock.runUntil([&] { return !w.b.engine->Busy(); }, 60000));
  ASSERT_EQ(w.b.prompt.calls.size(), 1u);
  EXPECT_EQ(w.b.prompt.calls[0].text.toStdString(), "Complete writing parameters to the transceiver.");
  EXPECT_EQ(w.afterHandshake(), w.expectedFrames());
  for (int r : {300, 448})
    for (int c = 0; c < 16; ++c)
      EXPECT_EQ(w.b.sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)], w.before(r, c)) << r;
  EXPECT_EQ(w.b.image.image()(300, 0), 0x42);  // the edit itself stays in the image
}

#pragma once
// A block read: after the handshake the PC requests one 64-byte block after
// the other ('S', address high, address low, 0x40); the radio answers each
// with 'X', the address, the length and 64 data bytes, from the second block
// on preceded by its 0x06 answering the PC's acknowledgement. The PC
// acknowledges each reply with 0x06 at once from the receive event and
// queues the next request.
//
// Which blocks, in which order, is the configuration: read-all asks for the
// 120 blocks of radio 0x0000..0x1DFF, the alignment read for the five blocks
// of the alignment area. Each reply is checked on arrival: 'X' followed by the
// requested address, after the radio's 0x06 (or at the start, for the first
// block). Anything else ends the exchange on the failure path at once; a
// reply that stops short waits for the watchdog. The replies collect in
// RxBuf; what becomes of them is the derived exchange's completion, which
// runs only after the last reply has arrived.
#include "link/transfer.h"

#include <array>
#include <cstdint>
#include <vector>

class BlockRead : public TransferKind {
 public:
  enum : Int16 { Wait_first_block = Link_first_kind_state, Wait_block = Link_first_kind_state + 1 };
  static constexpr int kFirstRow = 2;  // RxBuf row of the first reply

  // The blocks to read, in request order (at most 199).
  BlockRead(TransferView& view, std::vector<proto::Addr> blocks);

  // Busy reading.
  void prepare(LinkEngine& e) override;
  // The block phase: the request for the first block goes out.
  void connected(LinkEngine& e) override;
  // 68 bytes for the first reply, 69 (the radio's 0x06 ahead) for the others.
  int phaseThreshold(const LinkEngine& e) const override;
  void phaseReceive(LinkEngine& e, int count) override;

  int blocks() const { return static_cast<int>(blocks_.size()); }
  // The 64 data bytes of the reply to request n (0 first), as they arrived.
  std::array<std::uint8_t, proto::kBlockLen> Block_data(int n) const;

  // One row per reply: column 0 the radio's 0x06 ahead of the frame (the first
  // reply has none and leaves it as it was), 1 'X', 2..3 the address, 4 the
  // length, 5..68 the data. Reply n goes to row n + 2.
  using RxRow = std::array<std::uint8_t, 71>;
  std::array<RxRow, 201> RxBuf{};

 protected:
  // Every reply has arrived and passed its check; the exchange is over
  // (timers stopped, busy flags clear, port closed).
  virtual void Completion(LinkEngine& e) = 0;

 private:
  // Whether the bytes just read are the reply to the block stored in row
  // row_: [0x06] 'X' high low; the length byte is not checked.
  bool Reply_ok(const LinkEngine& e, int count) const;

  std::vector<proto::Addr> blocks_;
  int row_ = 0;  // the RxBuf row of the reply awaited (block row_ - 2)
};

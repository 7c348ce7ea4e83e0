#pragma once
// Read-all: radio memory 0x0000..0x1DFF in 120 blocks of 64 bytes into image
// rows 0..479. After the handshake the PC requests block after block ('S',
// address high, address low, 0x40); the radio answers each with 'X', the
// address, the length and 64 data bytes, from the second block on preceded
// by its 0x06 answering the PC's acknowledgement. The PC acknowledges each
// reply with 0x06 at once and queues the next request.
//
// Each reply is checked on arrival: 'X' followed by the requested address,
// after the radio's 0x06 (or at the start, for the first block). Anything else
// ends the exchange on the failure path at once. The replies collect in
// RxBuf and reach the image only after the last one has arrived, so a read
// that fails or is abandoned leaves the image exactly as it was.
#include "link/transfer.h"
#include "state/image.h"

#include <array>
#include <cstdint>

class ReadAll : public TransferKind {
 public:
  enum : Int16 { Wait_first_block = Link_first_kind_state, Wait_block = Link_first_kind_state + 1 };
  static constexpr Int16 kBlocks = 120;  // 480 image rows, 4 rows a block
  static constexpr int kFirstRow = 2;    // RxBuf row of block 0

  using TransferKind::TransferKind;

  // Link_write_mode 0, Link_blocks 120, Busy_read set, Busy_write clear.
  void prepare(LinkEngine& e) override;
  // The block phase: the request for block 0 goes out (Link_block 2).
  void connected(LinkEngine& e) override;
  // 68 bytes for the first reply, 69 (the radio's 0x06 ahead) for the others.
  int phaseThreshold(const LinkEngine& e) const override;
  void phaseReceive(LinkEngine& e, int count) override;

  // Image rows 0..479 := the data bytes (columns 5..68) of RxBuf rows 2..121.
  // Only called after every reply has passed its check; columns 16 and up and
  // rows 480 and up are not touched.
  void Rx_unpack(img::Image& image) const;

  // One row per reply: column 0 the radio's 0x06 ahead of the frame (the first
  // reply has none and leaves it as it was), 1 'X', 2..3 the address, 4 the
  // length, 5..68 the data. Reply n goes to row n + 2.
  using RxRow = std::array<std::uint8_t, 71>;
  std::array<RxRow, 201> RxBuf{};

 private:
  // Whether the bytes just read are the reply to the block stored in row
  // Link_block: [0x06] 'X' high low; the length byte is not checked.
  bool Reply_ok(const LinkEngine& e, int count) const;
  void Completion(LinkEngine& e);
};

#pragma once
// Write-all: image rows 0..448 (radio 0x0000..0x1C0F) to the radio, one frame
// per row, each acknowledged by the radio with 0x06 before the next goes out.
// A row is sent as 'X', address high, address low, 0x10 and its 16 bytes; an
// empty channel record (rows 1..199 whose byte 0 is 0xFF) as 'X', the
// address, 0x01, 0xFF. Rows 449..479 are never written.
//
// Every receive event reads all that is waiting. A 0x06 counts only once the
// current frame has wholly gone out, and only once: the next frame is queued
// at the first, and whatever else arrived with it is dropped.
#include "state/image.h"
#include "link/transfer.h"


// The write preparation, run before every accepted write (also when the port
// then fails to open): the selected channels of sides A and B and the FM band
// labels are rewritten in the image.
void Write_prepare(img::Image& im);

// The frame of image row r: 20 bytes, or the 5-byte empty-record frame for
// rows 1..199 whose byte 0 is 0xFF. Frames carry bytes: each cell goes out as
// its low 8 bits.
proto::Frame Row_frame(const img::Image& image, int r, std::uint8_t baseHi, std::uint8_t baseLo);

class WriteAll : public TransferKind {
 public:
  static constexpr Int16 kLastRow = img::kWriteLastRow;  // 448

  using TransferKind::TransferKind;

  // Link_write_mode -1, Link_blocks 448, Busy_write set, Busy_read clear.
  void prepare(LinkEngine& e) override;
  // The row phase: row 0 goes out (Link_block 1).
  void connected(LinkEngine& e) override;
  // One byte starts the event; the rest of what waits is read with it.
  void phaseReceive(LinkEngine& e, int count) override;

 private:
  void Completion(LinkEngine& e);
};

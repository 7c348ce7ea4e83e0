#pragma once
// Write-all: image rows 0..448 (radio 0x0000..0x1C0F) to the radio, a row
// write of one frame per row. A row is sent as 'X', address high, address
// low, 0x10 and its 16 bytes; an empty channel record (rows 1..199 whose byte
// 0 is 0xFF) as 'X', the address, 0x01, 0xFF. Rows 449..479 are never
// written.
//
// The rows are copied when the write starts (Take_rows, after the
// preparation): an edit or a file load while the write runs changes what the
// next write sends, never what this one sends.
#include "link/row_write.h"
#include "state/image.h"

// The write preparation, run before every accepted write (also when the port
// then fails to open): the selected channels of sides A and B and the FM band
// labels are rewritten in the image.
void Write_prepare(img::Image& im);

// The frame of image row r: 20 bytes, or the 5-byte empty-record frame for
// rows 1..199 whose byte 0 is 0xFF. Frames carry bytes: each cell goes out as
// its low 8 bits.
proto::Frame Row_frame(const img::Image& image, int r, std::uint8_t baseHi, std::uint8_t baseLo);

class WriteAll : public RowWrite {
 public:
  static constexpr Int16 kLastRow = img::kWriteLastRow;  // 448

  using RowWrite::RowWrite;

  // The frames of image rows 0..448 as the image holds them now.
  void Take_rows(const img::Image& image);

 private:
  void Progress(LinkEngine& e, int k) override;
  void Completion(LinkEngine& e) override;
};

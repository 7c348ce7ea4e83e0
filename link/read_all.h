#pragma once
// Read-all: radio memory 0x0000..0x1DFF in 120 blocks of 64 bytes into image
// rows 0..479, a block read over the blocks of the memory map in address
// order. The replies reach the image only after the last one has arrived, so
// a read that fails or is abandoned leaves the image exactly as it was.
#include "link/block_read.h"
#include "state/image.h"

#include <functional>

class ReadAll : public BlockRead {
 public:
  static constexpr Int16 kBlocks = 120;  // 480 image rows, 4 rows a block

  // `store` takes the completed read into the image (through Rx_unpack); it
  // is the one place where a read changes the image.
  explicit ReadAll(TransferView& view, std::function<void(const ReadAll&)> store = {});

  // Image rows 0..479 := the data bytes (columns 5..68) of RxBuf rows 2..121.
  // Only called after every reply has passed its check; columns 16 and up and
  // rows 480 and up are not touched.
  void Rx_unpack(img::Image& image) const;

  std::function<void(const ReadAll&)> store;

 private:
  void Completion(LinkEngine& e) override;
};

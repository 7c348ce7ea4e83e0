#include "link/read_all.h"

#include "link/transfer_texts.h"
#include "state/image_store.h"

namespace {
std::vector<proto::Addr> Memory_blocks() {
  std::vector<proto::Addr> out;
  for (int n = 0; n < ReadAll::kBlocks; ++n) out.push_back(proto::Block_address(n, 0, 0));
  return out;
}
}  // namespace

ReadAll::ReadAll(TransferView& view, std::function<void(const ReadAll&)> s)
    : BlockRead(view, Memory_blocks()), store(std::move(s)) {}

void ReadAll::Rx_unpack(img::Image& image) const {
  int r = 0;
  for (int n = 0; n < kBlocks; ++n) {
    const auto data = Block_data(n);
    for (int j = 0; j < 4; ++j, ++r)
      for (int c = 0; c < img::kCols; ++c)
        image(r, c) = data[16 * static_cast<std::size_t>(j) + static_cast<std::size_t>(c)];
  }
}

void ReadAll::Completion(LinkEngine& e) {
  if (store) store(*this);
  // The store's editors may have shown a message box, in which the dialog
  // may have unloaded.
  if (e.Ended()) return;
  view_.Progress_show(100);
  view_.Label_set(Text_read_done.in(e.chinese()));
  Message(e, Msg_read_complete);
}

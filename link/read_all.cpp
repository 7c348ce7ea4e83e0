#include "link/read_all.h"

#include "link/transfer_texts.h"
#include "state/image_store.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kBlockLength = 0x40;
constexpr int kDataColumn = 5;
constexpr int kFirstReplyLen = 68;  // 'X' hi lo len + 64 data bytes
}  // namespace

void ReadAll::prepare(LinkEngine& e) { Prepare_fields(e, false, kBlocks); }

void ReadAll::connected(LinkEngine& e) {
  Enter_block_phase(e);
  e.Link_block = kFirstRow;
  e.Send_frame(proto::Read_cmd(proto::Block_address(0, e.Addr_base_hi, e.Addr_base_lo), kBlockLength));
  e.Discard_input();
}

int ReadAll::phaseThreshold(const LinkEngine& e) const {
  return e.Link_state == Wait_first_block ? kFirstReplyLen - 1 : kFirstReplyLen;
}

bool ReadAll::Reply_ok(const LinkEngine& e, int count) const {
  const bool first = e.Link_state == Wait_first_block;
  const int head = first ? 0 : 1;
  if (count != kFirstReplyLen + head) return false;
  if (!first && e.Link_rxbuf[0] != proto::Cmd_ack) return false;
  const proto::Addr want = proto::Block_address(e.Link_block - kFirstRow, e.Addr_base_hi, e.Addr_base_lo);
  const auto at = [&](int i) { return e.Link_rxbuf[static_cast<std::size_t>(head + i)]; };
  return at(0) == proto::Cmd_data && at(1) == want.hi && at(2) == want.lo;
}

void ReadAll::phaseReceive(LinkEngine& e, int count) {
  e.Stop_watchdog();
  if (e.Link_block < kFirstRow || e.Link_block > kBlocks + 1 || !Reply_ok(e, count)) {
    // Not the reply asked for (a stray byte ahead of it, another address, no
    // 0x06 where it belongs): nothing of it is kept or acknowledged, and the
    // exchange ends as when the watchdog expires, without waiting for it.
    e.Discard_input();
    e.Timer2_Timer();
    return;
  }
  RxRow& row = RxBuf[static_cast<std::size_t>(e.Link_block)];
  const int first = e.Link_state == Wait_first_block ? 1 : 0;
  std::copy_n(e.Link_rxbuf.begin(), count, row.begin() + first);
  e.Link_state = Wait_block;
  e.Discard_input();  // bytes beyond the reply are dropped
  e.Output_byte(proto::Cmd_ack);

  if (e.Link_block > e.Link_blocks) {
    Completion(e);
    return;
  }
  const int next = e.Link_block - 1;
  e.Send_frame(proto::Read_cmd(proto::Block_address(next, e.Addr_base_hi, e.Addr_base_lo), kBlockLength));
  ++e.Link_block;
  view_.Progress_show(e.Link_block * 100 / (e.Link_blocks + 1));
  view_.Label_set(Text_reading_block(e.Link_block, e.chinese()));
}

void ReadAll::Rx_unpack(img::Image& image) const {
  int r = 0;
  for (int a = kFirstRow; a <= kFirstRow + kBlocks - 1; ++a) {
    const RxRow& row = RxBuf[static_cast<std::size_t>(a)];
    for (int j = 0; j < 4; ++j, ++r)
      for (int c = 0; c < img::kCols; ++c)
        image(r, c) = row[static_cast<std::size_t>(kDataColumn + 16 * j + c)];
  }
}

void ReadAll::Completion(LinkEngine& e) {
  e.Complete();
  // The image announces the new rows: open editors show them at once.
  e.image().change(0, img::kReadLastRow, this, [this](img::Image& im) { Rx_unpack(im); });
  view_.Progress_show(100);
  view_.Label_set(Text_read_done(e.chinese()));
  Message(e, Msg_read_complete(e.chinese()));
}

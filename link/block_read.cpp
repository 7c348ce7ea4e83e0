#include "link/block_read.h"

#include "link/transfer_texts.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kBlockLength = 0x40;
constexpr int kDataColumn = 5;
constexpr int kFirstReplyLen = 68;  // 'X' hi lo len + 64 data bytes
}  // namespace

BlockRead::BlockRead(TransferView& view, std::vector<proto::Addr> blocks)
    : TransferKind(view), blocks_(std::move(blocks)) {
  if (blocks_.size() > RxBuf.size() - kFirstRow) blocks_.resize(RxBuf.size() - kFirstRow);
}

void BlockRead::prepare(LinkEngine& e) {
  Prepare_fields(e, false);
  row_ = 0;
}

void BlockRead::connected(LinkEngine& e) {
  Enter_block_phase(e);
  row_ = kFirstRow;
  if (blocks_.empty()) {
    e.Complete();
    Completion(e);
    return;
  }
  e.Send_frame(proto::Read_cmd(blocks_.front(), kBlockLength));
  e.Discard_input();
}

int BlockRead::phaseThreshold(const LinkEngine& e) const {
  return e.State() == Wait_first_block ? kFirstReplyLen - 1 : kFirstReplyLen;
}

bool BlockRead::Reply_ok(const LinkEngine& e, int count) const {
  const bool first = e.State() == Wait_first_block;
  const int head = first ? 0 : 1;
  if (count != kFirstReplyLen + head) return false;
  if (!first && e.Reply_byte(0) != proto::Cmd_ack) return false;
  const proto::Addr want = blocks_[static_cast<std::size_t>(row_ - kFirstRow)];
  const auto at = [&](int i) { return e.Reply_byte(head + i); };
  return at(0) == proto::Cmd_data && at(1) == want.hi && at(2) == want.lo;
}

void BlockRead::phaseReceive(LinkEngine& e, int count) {
  e.Stop_watchdog();
  if (row_ < kFirstRow || row_ >= kFirstRow + blocks() || !Reply_ok(e, count)) {
    // Not the reply asked for (a stray byte ahead of it, another address, no
    // 0x06 where it belongs): nothing of it is kept or acknowledged, and the
    // exchange ends as when the watchdog expires, without waiting for it.
    e.Discard_input();
    e.Timer2_Timer();
    return;
  }
  RxRow& row = RxBuf[static_cast<std::size_t>(row_)];
  const int first = e.State() == Wait_first_block ? 1 : 0;
  std::copy_n(e.Reply().begin(), count, row.begin() + first);
  e.Enter_state(Wait_block);
  e.Discard_input();  // bytes beyond the reply are dropped
  e.Output_byte(proto::Cmd_ack);

  const int received = row_ - kFirstRow + 1;  // the blocks received so far
  if (received >= blocks()) {
    e.Complete();
    Completion(e);
    return;
  }
  const proto::Addr next = blocks_[static_cast<std::size_t>(received)];
  e.Send_frame(proto::Read_cmd(next, kBlockLength));
  ++row_;
  view_.Progress_show(row_ * 100 / (blocks() + 1));
  view_.Label_set(Text_reading_block(row_, e.chinese()));
}

std::array<std::uint8_t, proto::kBlockLen> BlockRead::Block_data(int n) const {
  std::array<std::uint8_t, proto::kBlockLen> out{};
  const RxRow& row = RxBuf[kFirstRow + static_cast<std::size_t>(n)];
  std::copy_n(row.begin() + kDataColumn, proto::kBlockLen, out.begin());
  return out;
}

#include "link/row_write.h"

void RowWrite::prepare(LinkEngine& e) {
  Prepare_fields(e, true);
  sent_ = 0;
}

void RowWrite::connected(LinkEngine& e) {
  Enter_block_phase(e);
  e.Discard_input();
  sent_ = 1;
  if (frames_.empty()) {
    e.Complete();
    Completion(e);
    return;
  }
  e.Send_frame(frames_.front());
}

void RowWrite::phaseReceive(LinkEngine& e, int count) {
  // Read what is waiting: acknowledgements left unread would be taken for
  // those of later frames.
  bool ack = false;
  for (int i = 0; i < count; ++i) ack = ack || e.Reply_byte(i) == proto::Cmd_ack;
  for (int n = e.port().bytesWaiting(); n > 0; --n) {
    const int b = e.port().readByte();
    if (b < 0) break;
    ack = ack || b == proto::Cmd_ack;
  }
  // Only a 0x06 after the whole frame has gone out acknowledges it.
  if (!ack || !e.Frame_gone_out()) return;
  e.Stop_watchdog();
  if (sent_ >= static_cast<int>(frames_.size())) {
    e.Complete();
    Completion(e);
    return;
  }
  const int k = sent_;
  Progress(e, k);
  sent_ = k + 1;
  e.Send_frame(frames_[static_cast<std::size_t>(k)]);
}

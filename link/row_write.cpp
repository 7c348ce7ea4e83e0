#include "link/row_write.h"

void RowWrite::prepare(LinkEngine& e) { Prepare_fields(e, true, static_cast<Int16>(frames_.size()) - 1); }

void RowWrite::connected(LinkEngine& e) {
  Enter_block_phase(e);
  e.Discard_input();
  e.Link_block = 1;
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
  for (int i = 0; i < count; ++i) ack = ack || e.Link_rxbuf[static_cast<std::size_t>(i)] == proto::Cmd_ack;
  for (int n = e.port().bytesWaiting(); n > 0; --n) {
    const int b = e.port().readByte();
    if (b < 0) break;
    ack = ack || b == proto::Cmd_ack;
  }
  // Only a 0x06 after the whole frame has gone out acknowledges it.
  if (!ack || e.Link_sent != -1) return;
  e.Stop_watchdog();
  if (e.Link_block > e.Link_blocks) {
    e.Complete();
    Completion(e);
    return;
  }
  const int k = e.Link_block;
  Progress(e, k);
  e.Link_block = static_cast<Int16>(k + 1);
  e.Send_frame(frames_[static_cast<std::size_t>(k)]);
}

#include "link/transfer.h"

#include "link/transfer_texts.h"

void TransferKind::Prepare_fields(LinkEngine& e, bool write, Int16 blocks) {
  e.Link_write_mode = write ? -1 : 0;
  e.Link_block = 0;
  e.Link_blocks = blocks;
  e.Addr_base_hi = 0;
  e.Addr_base_lo = 0;
  e.Busy_read = write ? 0 : -1;
  e.Busy_write = write ? -1 : 0;
}

void TransferKind::Enter_block_phase(LinkEngine& e) {
  e.Link_connected = -1;
  e.Link_state = Link_first_kind_state;
  e.Stop_watchdog();
  e.Stop_failure();
  e.Panel(StatusPanel::LinkState, link_panel::ConnectedData);
}

void TransferKind::Message(LinkEngine& e, const ::Message& m) { e.Show(m); }

void TransferKind::failureTick(LinkEngine& e) {
  view_.Progress_hide();
  view_.Label_set(QString());
  Message(e, Msg_fail_connect);
  view_.Label_set(Text_comm_fault.in(e.chinese()));
}

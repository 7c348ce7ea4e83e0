#include "link/transfer.h"

#include "link/transfer_texts.h"

void TransferKind::Prepare_fields(LinkEngine& e, bool write) {
  e.Mark_busy(write ? LinkEngine::Direction::Write : LinkEngine::Direction::Read);
}

void TransferKind::Enter_block_phase(LinkEngine& e) {
  e.Enter_kind_phase(Link_first_kind_state);
  e.Stop_watchdog();
  e.Stop_failure();
  e.Panel(StatusPanel::LinkState, link_panel::ConnectedData);
}

bool TransferKind::Message(LinkEngine& e, const ::Message& m) { return e.Show(m); }

void TransferKind::failureTick(LinkEngine& e) {
  view_.Progress_hide();
  view_.Label_set(QString());
  if (!Message(e, Msg_fail_connect)) return;
  view_.Label_set(Text_comm_fault.in(e.chinese()));
}

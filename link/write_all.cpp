#include "link/write_all.h"

#include "state/image_store.h"
#include "image/chann_ab_check.h"
#include "image/settings_defaults.h"
#include "link/transfer_texts.h"

#include <array>

void Write_prepare(img::Image& im) {
  Chann_ab_check(im);
  Fm_band_labels_init(im);
}

proto::Frame Row_frame(const img::Image& image, int r, std::uint8_t baseHi, std::uint8_t baseLo) {
  const proto::Addr a = proto::Row_address(r, baseHi, baseLo);
  if (r >= 1 && r <= img::kChannelLast && image(r, 0) == img::kEmpty) return proto::Empty_row_frame(a);
  std::array<std::uint8_t, proto::kRowLen> data{};
  for (int c = 0; c < proto::kRowLen; ++c) data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(image(r, c) & 0xFF);
  return proto::Data_frame(a, data);
}

void WriteAll::prepare(LinkEngine& e) { Prepare_fields(e, true, kLastRow); }

void WriteAll::connected(LinkEngine& e) {
  Enter_block_phase(e);
  e.Discard_input();
  e.Link_block = 1;
  e.Send_frame(Row_frame(e.image().image(), 0, e.Addr_base_hi, e.Addr_base_lo));
}

void WriteAll::phaseReceive(LinkEngine& e, int count) {
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
    Completion(e);
    return;
  }
  const int r = e.Link_block;
  view_.Progress_show(r * 100 / e.Link_blocks);
  view_.Label_set(Text_writing_block(r - 1, e.chinese()));
  e.Link_block = static_cast<Int16>(r + 1);
  e.Send_frame(Row_frame(e.image().image(), r, e.Addr_base_hi, e.Addr_base_lo));
}

void WriteAll::Completion(LinkEngine& e) {
  e.Complete();
  Message(e, Msg_write_complete(e.chinese()));
  view_.Label_set(Text_write_done(e.chinese()));
}

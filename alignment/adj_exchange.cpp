#include "alignment/adj_exchange.h"

#include "link/link_texts.h"
#include "link/transfer_texts.h"

#include <vector>

namespace adj {

namespace {

// The fifth block is the start of the alignment area, not the 0x2000 that
// follows 0x1FC0.
constexpr proto::Addr kAreaStart{0x1E, 0xC0};

// Once an exchange has started: the bar visible at 0, "Connecting with
// transceiver. " in the label. A refusal or a port error shows neither.
LinkStart Shown_started(LinkStart started, LinkSession& link, TransferView& view) {
  if (started != LinkStart::Started) return started;
  view.Progress_show(0);
  view.Label_set(Text_connecting.in(link.engine().chinese()));
  return started;
}

void Report_fault(LinkEngine& e) { e.Panel(StatusPanel::LinkState, link_panel::Fault); }

std::vector<proto::Addr> Read_block_list() {
  const auto blocks = Read_blocks();
  return {blocks.begin(), blocks.end()};
}

}  // namespace

std::array<proto::Addr, kReadBlocks> Read_blocks() {
  std::array<proto::Addr, kReadBlocks> out{};
  for (int n = 0; n < kReadBlocks - 1; ++n)
    out[static_cast<std::size_t>(n)] = proto::Block_address(n, kAddrBaseHi, kAddrBaseLo);
  out[kReadBlocks - 1] = kAreaStart;
  return out;
}

proto::Addr Write_row_address(int k) {
  // Rows 13 and 14 hold what the radio keeps at 0x1EE0 and 0x1ED0 (a read
  // fills them from there); 0x1FD0..0x1FEF is never written.
  if (k == kRowPonMsg) return {0x1E, 0xE0};
  if (k == kRowInfo) return {0x1E, 0xD0};
  return proto::Row_address(k, kAddrBaseHi, kAddrBaseLo);
}

// ---- the read -----------------------------------------------------------------

AdjRead::AdjRead(TransferView& view, Store s) : BlockRead(view, Read_block_list()), store(std::move(s)) {}

LinkStart AdjRead::Start(LinkSession& link) { return Shown_started(link.Start(*this), link, view_); }

static_assert(kReadBlocks * proto::kBlockLen == kReadRows * kRowCols);

void AdjRead::Adj_Unpack(Table& table) const {
  for (int n = 0; n < kReadBlocks; ++n) {
    const auto data = Block_data(n);
    const std::size_t first = 4 * static_cast<std::size_t>(n);  // the block's first table row
    for (int i = 0; i < proto::kBlockLen; ++i)
      table[first + static_cast<std::size_t>(i / kRowCols)][static_cast<std::size_t>(i % kRowCols)] =
          data[static_cast<std::size_t>(i)];
  }
  table[kRowPonMsg] = table[18];
  table[kRowInfo] = table[17];
}

void AdjRead::Completion(LinkEngine& e) {
  if (store) store(*this);
  // The store shows the window's notices, in whose boxes it may have unloaded.
  if (e.Ended()) return;
  view_.Progress_show(100);
  view_.Label_set(kTextReadDone.in(e.chinese()));
  Message(e, kMsgReadComplete);
}

void AdjRead::failureTick(LinkEngine& e) { Report_fault(e); }

// ---- the write ----------------------------------------------------------------

LinkStart AdjWrite::Start(LinkSession& link, const Table& table) {
  // The busy check comes before the copy: a press refused in the pause
  // before a retry must not change what that retry sends.
  if (link.Refused_while_busy()) return LinkStart::Busy;
  Take_rows(table);
  return Shown_started(link.Start(*this), link, view_);
}

void AdjWrite::Take_rows(const Table& table) {
  std::vector<proto::Frame> frames;
  frames.reserve(kWriteRows + 1);
  frames.push_back(proto::Data_frame(kMarkerAddress, MarkerBlock));
  for (int k = 0; k < kWriteRows; ++k) {
    std::array<std::uint8_t, kRowCols> data{};
    for (int c = 0; c < kRowCols; ++c)
      data[static_cast<std::size_t>(c)] =
          static_cast<std::uint8_t>(table[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] & 0xFF);
    frames.push_back(proto::Data_frame(Write_row_address(k), data));
  }
  Set_frames(std::move(frames));
}

void AdjWrite::Progress(LinkEngine& e, int k) {
  // Frame k carries table row k - 1: "Writing  k  Data Block", the bar at k / 16.
  view_.Progress_show(k * 100 / kWriteRows);
  view_.Label_set(Text_writing_block(k, e.chinese()));
}

void AdjWrite::Completion(LinkEngine& e) {
  if (!Message(e, kMsgWriteComplete)) return;
  view_.Label_set(kTextWriteDone.in(e.chinese()));
}

void AdjWrite::failureTick(LinkEngine& e) { Report_fault(e); }

}  // namespace adj

#pragma once
// The alignment window's exchanges with the radio, on the window's own link
// session with the alignment profile (link_profiles::kAlignment: 7 entry
// bytes, watchdog 1000 ms, failure timer 2000 ms, 3 retries from the entry
// sequence). Both open with the handshake, whose identification is decoded
// into the band limits and status panels 7 and 8 on every attempt, and write
// "Connect well with radio." into panel 2 once the radio has confirmed.
//
// - The read (AdjRead) is a block read of the alignment area in five blocks:
//   0x1F00, 0x1F40, 0x1F80, 0x1FC0, then 0x1EC0. Each reply is checked as it
//   arrives ('X' and the requested address, after the radio's 0x06 from the
//   second reply on); anything else ends the attempt at once and it is
//   retried. Only a complete read reaches the table: its store callback runs
//   after the fifth reply, with the port closed, the timers stopped and the
//   busy flags clear.
// - The write (AdjWrite) is a row write of 17 frames, each acknowledged by the
//   radio's 0x06: MarkerBlock to 0x0DF0, then table rows 0..12 to
//   0x1F00..0x1FC0, row 13 to 0x1EE0, row 14 to 0x1ED0, row 15 to 0x1FF0.
//   Radio 0x1FD0..0x1FEF is never written. The rows are copied when the Write
//   button is accepted; every retry sends that same copy, whatever is edited
//   or loaded meanwhile.
//
// A failure after the last attempt writes "Communication fault." into panel 2
// and nothing else: the progress bar and label keep what they showed. A port
// that does not reopen for a retry shows the port message once and ends the
// retries.
#include "alignment/adj_table.h"
#include "link/block_read.h"
#include "link/link_session.h"
#include "link/row_write.h"
#include "platform/core/text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace adj {

// ---- configuration -----------------------------------------------------------

// The 12 capital letters of the marker that opens every alignment write. Its
// value is this program's own, like the entry sequence's.
inline constexpr std::string_view kMarkerLetters = "QXRVTMKPLZWH";

constexpr std::array<std::uint8_t, 16> Make_marker_block(std::string_view letters) {
  std::array<std::uint8_t, 16> out{};  // bytes 12..15 stay 0
  for (std::size_t i = 0; i < 12 && i < letters.size(); ++i) out[i] = static_cast<std::uint8_t>(letters[i]);
  return out;
}
constexpr bool Capital_letters(std::string_view s) {
  for (char c : s)
    if (c < 'A' || c > 'Z') return false;
  return true;
}
static_assert(kMarkerLetters.size() == 12 && Capital_letters(kMarkerLetters));

// MarkerBlock: the 16 data bytes of the first frame of every write, the 12
// letters and then four zero bytes.
inline constexpr std::array<std::uint8_t, 16> MarkerBlock = Make_marker_block(kMarkerLetters);
// Where the marker goes: the radio's DTMF settings row.
inline constexpr proto::Addr kMarkerAddress{0x0D, 0xF0};

// The address base of both exchanges (Addr_base_hi, Addr_base_lo).
inline constexpr std::uint8_t kAddrBaseHi = 0x1F, kAddrBaseLo = 0x00;

inline constexpr int kReadBlocks = 5;  // 64 bytes each
inline constexpr int kReadRows = 20;   // table rows 0..19 filled by a read
inline constexpr int kWriteRows = 16;  // table rows 0..15 sent by a write

// The read's requests, in order.
std::array<proto::Addr, kReadBlocks> Read_blocks();
// Where the write sends table row k (0..15).
proto::Addr Write_row_address(int k);

// ---- texts -------------------------------------------------------------------

// The progress label.
inline constexpr Text kTextReadDone{"Read optional parameters in gear. ", "调整参数读出正常 ！"};
inline constexpr Text kTextWriteDone{"Complete writing optional parameters ", "调整参数写入完毕 ！"};
// The completion messages.
inline constexpr Message kMsgReadComplete{
    {"Complete reading the data from transceiver.", "从对讲机中读取调整数据完毕 ！"}, kPromptTitleCapital};
inline constexpr Message kMsgWriteComplete{
    {"Complete writing optional parameters to the transceiver.", "调整参数写入完毕 ！"}, kPromptTitleCapital};

// ---- the exchanges ------------------------------------------------------------

class AdjRead : public BlockRead {
 public:
  // Runs once a read is complete, before the bar goes to 100 and the message
  // shows: the window puts the rows into its table (Adj_Unpack) and shows the
  // page (Adj_Show). It is the one place where a read changes the table.
  using Store = std::function<void(const AdjRead&)>;

  explicit AdjRead(TransferView& view, Store store = {});

  // The Read button once its busy check has passed: starts the read (the
  // retries at 3); refused with the busy message while an exchange runs or a
  // retry is pending. Once started, the bar shows 0 and the label reads
  // "Connecting with transceiver. ". A port that does not open shows its
  // message and changes neither.
  LinkStart Start(LinkSession& link);

  // Table rows 0..19, columns 0..15 := the five replies' data in request
  // order; then rows 13 := 18 (radio 0x1EE0) and 14 := 17 (radio 0x1ED0).
  // Nothing else of the table is touched.
  void Adj_Unpack(Table& table) const;

  Store store;

  // After the last attempt: panel 2 reads "Communication fault.".
  void failureTick(LinkEngine& e) override;

 private:
  void Completion(LinkEngine& e) override;
};

class AdjWrite : public RowWrite {
 public:
  using RowWrite::RowWrite;

  // The Write button once its busy check has passed: refused with the busy
  // message while an exchange runs or a retry is pending (the copy a pending
  // retry sends stays as it is); otherwise the frames are taken from `table`
  // as it is now (Take_rows) and the write starts, shown as for the read.
  LinkStart Start(LinkSession& link, const Table& table);

  // The 17 frames: the marker, then rows 0..15 of `table` as it is now, each
  // cell as its low 8 bits.
  void Take_rows(const Table& table);

  // After the last attempt: panel 2 reads "Communication fault.".
  void failureTick(LinkEngine& e) override;

 private:
  void Progress(LinkEngine& e, int k) override;
  void Completion(LinkEngine& e) override;
};

}  // namespace adj

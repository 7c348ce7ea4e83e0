#pragma once
// Read-all and write-all on the virtual clock against the simulated radio:
// a LinkBench with the exchange kind and a record of what it shows on its
// dialog's progress bar and label; and the frames a write must send, built
// from the frame layout independently of the program.
#include "link/read_all.h"
#include "link/transfer.h"
#include "link/write_all.h"
#include "state/image.h"
#include "support/link_bench.h"
#include "support/virtual_clock.h"

#include <QString>

#include <cstdint>
#include <type_traits>
#include <vector>

class TransferLog : public TransferView {
 public:
  explicit TransferLog(const VirtualClock& clock) : clock_(clock) {}

  void Progress_show(int value) override {
    progress = value;
    progressVisible = true;
    bars.push_back(value);
  }
  void Progress_hide() override {
    progress = 0;
    progressVisible = false;
  }
  void Label_set(const QString& text) override {
    label = text;
    labels.push_back(text);
    labelTimes.push_back(clock_.now());
  }

  int progress = 0;
  bool progressVisible = true;
  QString label;
  std::vector<int> bars;        // every value shown, in order
  std::vector<QString> labels;  // every label text, in order
  std::vector<long> labelTimes;

 private:
  const VirtualClock& clock_;
};

// Read-all stores into the bench's image; write-all sends it as it is when the
// write starts, as the dialogs do.
template <class Kind>
struct TransferBench {
  explicit TransferBench(LinkProfile profile) : b(profile) {
    if constexpr (std::is_same_v<Kind, ReadAll>)
      kind.store = [this](const ReadAll& r) {
        b.image.change(0, img::kReadLastRow, nullptr, [&r](img::Image& im) { r.Rx_unpack(im); });
      };
  }
  LinkStart start() {
    if constexpr (std::is_same_v<Kind, WriteAll>) kind.Take_rows(b.image.image());
    return b.engine->Start(kind);
  }
  // Starts the exchange and runs until it has ended, its report included.
  bool run(long limitMs = 60000) {
    if (start() != LinkStart::Started) return false;
    return b.clock.runUntil([&] { return !b.engine->Busy(); }, limitMs);
  }

  LinkBench b;
  TransferLog view{b.clock};
  Kind kind{view};
  img::Image before;  // the image before the exchange
};

// The frames of image rows 0..lastRow as a write sends them after the
// handshake: 'X', address high, address low, 0x10 and 16 bytes, or 'X', the
// address, 0x01, 0xFF for an empty channel record among rows 1..199.
inline std::vector<std::uint8_t> Write_frames_expected(const img::Image& im, int lastRow = 448) {
  std::vector<std::uint8_t> out;
  for (int r = 0; r <= lastRow; ++r) {
    const bool empty = r >= 1 && r <= 199 && im(r, 0) == 0xFF;
    out.insert(out.end(), {0x58, static_cast<std::uint8_t>(r / 16), static_cast<std::uint8_t>((r % 16) * 16),
                           static_cast<std::uint8_t>(empty ? 0x01 : 0x10)});
    for (int c = 0; c < (empty ? 1 : 16); ++c) out.push_back(static_cast<std::uint8_t>(im(r, c)));
  }
  return out;
}

#pragma once
// A row write: after the handshake the PC sends one frame after the other,
// each acknowledged by the radio with 0x06 before the next goes out.
//
// The frames are the configuration, fixed before the exchange starts:
// write-all sends image rows 0..448, the alignment write its marker block and
// the rows of its table. Every receive event reads all that is waiting. A 0x06
// counts only once the current frame has wholly gone out, and only once: the
// next frame is queued at the first, and whatever else arrived with it is
// dropped.
#include "link/transfer.h"

#include <vector>

class RowWrite : public TransferKind {
 public:
  using TransferKind::TransferKind;

  // The frames to send, in order; they are sent as given, whatever changes
  // after this call.
  void Set_frames(std::vector<proto::Frame> frames) { frames_ = std::move(frames); }
  const std::vector<proto::Frame>& frames() const { return frames_; }
  // Frames handed to the sender so far in this exchange.
  int framesSent() const { return sent_; }

  // Busy writing.
  void prepare(LinkEngine& e) override;
  // The row phase: the first frame goes out.
  void connected(LinkEngine& e) override;
  // One byte starts the event; the rest of what waits is read with it.
  void phaseReceive(LinkEngine& e, int count) override;

 protected:
  // Frame k is about to go out (k >= 1: the first goes out at the connection).
  virtual void Progress(LinkEngine&, int /*k*/) {}
  int lastFrame() const { return static_cast<int>(frames_.size()) - 1; }
  // The last frame was acknowledged; the exchange is over (timers stopped,
  // busy flags clear, port closed).
  virtual void Completion(LinkEngine& e) = 0;

 private:
  std::vector<proto::Frame> frames_;
  int sent_ = 0;
};

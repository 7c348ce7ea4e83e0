#pragma once
// What read-all and write-all share: the dialog's progress display they
// drive, their start fields, their connection step and their failure report.
#include "link/link_engine.h"
#include "link/link_texts.h"

#include <QString>

// The read or write dialog's progress bar `ProgressBar1` and progress label
// `Label_tr_count`, as an exchange drives them.
class TransferView {
 public:
  virtual ~TransferView() = default;
  virtual void Progress_show(int value) = 0;  // the bar visible, at value 0..100
  virtual void Progress_hide() = 0;           // the bar at 0 and hidden
  virtual void Label_set(const QString& text) = 0;
};

class TransferKind : public LinkExchangeKind {
 public:
  explicit TransferKind(TransferView& view) : view_(view) {}

  // After a watchdog expiry (or a reply refused at once): the bar at 0 and
  // hidden, the label emptied, "Fail connect with transceiver.", then
  // "Communication fault." in the label. There is no retry.
  void failureTick(LinkEngine& e) override;

 protected:
  // The busy flag of this direction set, the other cleared.
  static void Prepare_fields(LinkEngine& e, bool write);
  // The radio confirmed: the block phase takes over (state 3), watchdog and
  // failure timer stop, status panel 2 reads "Connect well with radio.".
  static void Enter_block_phase(LinkEngine& e);
  // False when the window unloaded while the box was open: stop there.
  static bool Message(LinkEngine& e, const ::Message& m);

  TransferView& view_;
};

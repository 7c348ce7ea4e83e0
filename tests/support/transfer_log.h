#pragma once
// Records what a read-all or write-all shows on its dialog's progress bar and
// label, with the virtual time of each change.
#include "link/transfer.h"
#include "support/virtual_clock.h"

#include <QString>

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
  std::vector<int> bars;          // every value shown, in order
  std::vector<QString> labels;    // every label text, in order
  std::vector<long> labelTimes;

 private:
  const VirtualClock& clock_;
};

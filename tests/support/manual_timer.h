#pragma once
// Timers that never fire by themselves: a test fires them by hand.
#include "platform/core/timer.h"

#include <memory>
#include <vector>

class ManualTimer : public Timer {
 public:
  void arm(int ms) override {
    interval_ = ms;
    enabled_ = true;
    ++arms;
  }
  void stop() override { enabled_ = false; }
  bool enabled() const override { return enabled_; }
  int interval() const override { return interval_; }
  void fire() {
    if (enabled_ && onTick) onTick();
  }
  int arms = 0;

 private:
  bool enabled_ = false;
  int interval_ = 0;
};

class ManualTimerFactory : public TimerFactory {
 public:
  std::unique_ptr<Timer> create() override {
    auto t = std::make_unique<ManualTimer>();
    created.push_back(t.get());
    return t;
  }
  std::vector<ManualTimer*> created;
};

#include "support/virtual_clock.h"

VirtualTimer::VirtualTimer(VirtualClock& clock) : clock_(clock) {}

VirtualTimer::~VirtualTimer() { *alive_ = false; }

void VirtualTimer::arm(int ms) {
  // An interval below 1 ms would fire without end at one instant.
  interval_ = ms;
  enabled_ = true;
  ++arms;
  armTimes.push_back(clock_.now());
  armIntervals.push_back(ms);
  ++generation_;
  schedule();
}

void VirtualTimer::stop() {
  enabled_ = false;
  ++generation_;
}

void VirtualTimer::schedule() {
  std::weak_ptr<bool> alive = alive_;
  const std::uint64_t gen = generation_;
  clock_.after(interval_ < 1 ? 1 : interval_, [this, alive, gen] {
    const auto a = alive.lock();
    if (!a || !*a || gen != generation_ || !enabled_) return;
    schedule();  // periodic, like a window timer, until stopped
    fireTimes.push_back(clock_.now());
    if (onTick) onTick();
  });
}

std::unique_ptr<Timer> VirtualClock::create() { return std::make_unique<VirtualTimer>(*this); }

void VirtualClock::at(long t, std::function<void()> action) {
  queue_.emplace(std::pair{t < now_ ? now_ : t, seq_++}, std::move(action));
}

bool VirtualClock::fireNext(long until) {
  if (queue_.empty() || queue_.begin()->first.first > until) return false;
  auto it = queue_.begin();
  now_ = it->first.first;
  auto action = std::move(it->second);
  queue_.erase(it);
  action();
  return true;
}

void VirtualClock::advance(long ms) {
  const long until = now_ + ms;
  while (fireNext(until)) {
  }
  now_ = until;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, long limitMs) {
  const long until = now_ + limitMs;
  while (!done()) {
    if (!fireNext(until)) {
      now_ = until;
      return done();
    }
  }
  return true;
}

#pragma once
// Virtual time for exact tests: one ordered queue of timer deadlines and
// scheduled actions (such as bytes arriving at a port). Nothing fires by
// itself; advance() and runUntil() fire what is due, in time order (equal
// times in the order they were scheduled). The clock is the timer factory of
// the engine under test.
#include "platform/core/timer.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class VirtualClock;

// A timer on the virtual clock. Arming sets the interval and restarts the
// countdown; an armed timer fires every interval until it is stopped.
class VirtualTimer : public Timer {
 public:
  explicit VirtualTimer(VirtualClock& clock);
  ~VirtualTimer() override;
  void arm(int ms) override;
  void stop() override;
  bool enabled() const override { return enabled_; }
  int interval() const override { return interval_; }

  int arms = 0;                   // how often it was armed
  std::vector<long> armTimes;     // virtual time of each arming
  std::vector<int> armIntervals;  // interval of each arming
  std::vector<long> fireTimes;    // virtual time of each tick

 private:
  friend class VirtualClock;
  void schedule();
  VirtualClock& clock_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool enabled_ = false;
  int interval_ = 0;
  std::uint64_t generation_ = 0;  // a deadline counts only for the arming that made it
};

class VirtualClock : public TimerFactory {
 public:
  std::unique_ptr<Timer> create() override;

  long now() const { return now_; }
  // Runs `action` at virtual time t (not before now).
  void at(long t, std::function<void()> action);
  void after(long ms, std::function<void()> action) { at(now_ + ms, std::move(action)); }

  // Fires everything due up to now + ms, then sets the time to now + ms.
  void advance(long ms);
  // Fires due entries one by one until `done` holds (checked before each) or
  // the time would pass now + limitMs. Returns whether `done` held.
  bool runUntil(const std::function<bool()>& done, long limitMs);
  // Number of entries waiting.
  std::size_t pending() const { return queue_.size(); }

 private:
  bool fireNext(long until);
  long now_ = 0;
  std::uint64_t seq_ = 0;
  std::multimap<std::pair<long, std::uint64_t>, std::function<void()>> queue_;
};

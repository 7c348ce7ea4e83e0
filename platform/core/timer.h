#pragma once
// A window's timer as the windows and the link use it: arming sets the
// interval and enables it (and restarts the countdown), stopping disables it.
#include <functional>
#include <memory>

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void arm(int ms) = 0;
  virtual void stop() = 0;
  virtual bool enabled() const = 0;
  virtual int interval() const = 0;
  std::function<void()> onTick;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> create() = 0;
};

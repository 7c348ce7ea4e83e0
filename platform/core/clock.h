#pragma once
// The current local date and time, read once per use.
#include <functional>

struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

using Clock = std::function<DateTime()>;

DateTime SystemNow();

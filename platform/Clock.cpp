#include "platform/Clock.h"

#include <chrono>

int64_t TMonotonicClock::Now() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

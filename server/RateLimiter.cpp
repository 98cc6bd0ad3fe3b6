#include "server/RateLimiter.h"

bool TRateLimiter::Allow(const std::string& address, int64_t now) {
  if (PerMinute <= 0) return true;
  std::lock_guard guard(Lock);
  if (now / 60 != Minute) {
    Minute = now / 60;
    Counts.clear();
  }
  return ++Counts[address] <= PerMinute;
}

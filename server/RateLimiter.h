#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

// At most a number of requests per address and minute (counted in whole minutes of the clock). The
// counts live in this server's memory: behind a load balancer each server counts its own share.
class TRateLimiter {
 public:
  // 0: no limit.
  explicit TRateLimiter(int perMinute) : PerMinute(perMinute) {}

  // Counts the request; whether it is within the limit.
  bool Allow(const std::string& address, int64_t now);

 private:
  const int PerMinute;
  std::mutex Lock;
  int64_t Minute = -1;
  std::unordered_map<std::string, int> Counts;  // of the current minute only
};

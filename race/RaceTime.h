#pragma once

#include <cstdint>

// A race time as the race clock counts it: one hundredth per 10 ms tick.
struct TRaceTime {
  int32_t Hundredths = 0;  // 0..99
  int32_t Seconds = 0;     // 0..59
  int32_t Minutes = 0;     // unbounded

  void Step() {
    if (++Hundredths < 100) return;
    Hundredths = 0;
    if (++Seconds < 60) return;
    Seconds = 0;
    ++Minutes;
  }
};

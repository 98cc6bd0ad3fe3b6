#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

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

// The way the game writes a time: minutes as they are, seconds and hundredths with two digits
// ("3:07:05").
inline std::string RaceTimeText(const TRaceTime& time) {
  char text[40];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", time.Minutes, time.Seconds, time.Hundredths);
  return text;
}

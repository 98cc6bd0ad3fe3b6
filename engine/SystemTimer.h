#pragma once

#include <cstdint>
#include <functional>

#include "platform/Clock.h"

// A periodic timer such as the race clock: while enabled it fires once for every full interval
// of clock time, several times in one poll when the main loop was late. Enabling starts a
// fresh interval; time spent disabled is never caught up.
class TSystemTimer {
 public:
  TSystemTimer(const TClock& clock, int intervalMs) : Clock(clock), IntervalMs(intervalMs) {}

  bool Enabled() const { return IsEnabled; }
  void SetEnabled(bool enabled);
  void SetOnTimer(std::function<void()> handler) { OnTimer = std::move(handler); }

  // Fires the intervals that have passed by now.
  void Poll();

 private:
  int64_t IntervalTicks() const { return Clock.Frequency() * IntervalMs / 1000; }

  const TClock& Clock;
  int IntervalMs;
  bool IsEnabled = false;
  int64_t NextDue = 0;
  std::function<void()> OnTimer;
};

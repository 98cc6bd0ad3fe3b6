#include "engine/SystemTimer.h"

void TSystemTimer::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  if (enabled) NextDue = Clock.Now() + IntervalTicks();
}

void TSystemTimer::Poll() {
  const int64_t now = Clock.Now();
  while (IsEnabled && OnTimer && now >= NextDue) {
    NextDue += IntervalTicks();
    OnTimer();  // may disable the timer
  }
}

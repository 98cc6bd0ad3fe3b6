#include "engine/OmegaTimer.h"

#include <algorithm>

TOmegaTimer::TOmegaTimer(const TClock& clock) : Clock(clock) {
  MaxFrameTicks = Clock.Frequency() / Min;
  MinFrameTicks = Clock.Frequency() / Max;
}

void TOmegaTimer::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  if (enabled) {
    LastTick = WindowStart = Clock.Now();
    FrameCount = FPS = 0;
  }
  InstallPacing();
}

void TOmegaTimer::SetTargetFPS(int fps) {
  if (fps == Target) return;
  Target = fps;
  if (fps > 0) {
    TicksPerFrame = Clock.Frequency() / fps;
    IntervalTicks = Clock.Frequency() * (1000 / fps) / 1000;  // a periodic timer counts whole milliseconds
  }
  InstallPacing();
}

void TOmegaTimer::SetMinFPS(int fps) {
  if (fps == Min) return;
  Min = fps;
  if (fps > 0) MaxFrameTicks = Clock.Frequency() / fps;
}

void TOmegaTimer::SetMaxFPS(int fps) {
  if (fps == Max) return;
  Max = fps;
  if (fps > 0) MinFrameTicks = Clock.Frequency() / fps;
}

void TOmegaTimer::SetFPSWarningFrames(int frames) {
  if (frames == WarningFrames) return;
  WarningFrames = frames;
  SlowFrames = 0;
  FPSWarning = false;
}

void TOmegaTimer::SetLossyMode(bool lossy) {
  Lossy = lossy;
  InstallPacing();
}

void TOmegaTimer::SetOnTimer(THandler handler) {
  OnTimer = std::move(handler);
  InstallPacing();
}

void TOmegaTimer::InstallPacing() {
  if (Lossy)
    Mode = Target > 0 && IsEnabled && OnTimer ? TMode::Periodic : TMode::None;
  else
    Mode = IsEnabled && OnTimer ? TMode::Idle : TMode::None;
}

void TOmegaTimer::Fire(int64_t elapsed, float delta) {
  FrameDelta = delta;
  ElapsedSeconds = float(double(elapsed) / double(Clock.Frequency()));
  // Counted before the handler runs, so a frame that throws is not fired again at once.
  LastTick = NowTick;
  ++FrameCount;
  ++Total;
  OnTimer(*this);
}

void TOmegaTimer::Tick() {
  if (Mode == TMode::None || !IsEnabled) return;
  NowTick = Clock.Now();
  int64_t elapsed = NowTick - LastTick;
  if (Mode == TMode::Periodic) {
    if (elapsed < IntervalTicks) return;  // the periodic timer has not come round yet
  }
  if (NowTick - WindowStart >= Clock.Frequency()) {
    FPS = FrameCount;
    FrameCount = 0;
    WindowStart = NowTick;
  }
  if (Mode == TMode::Periodic) {
    Fire(elapsed, float(double(elapsed) / double(TicksPerFrame)));
    return;
  }

  if (Min > 0 && elapsed > MaxFrameTicks) {
    elapsed = MaxFrameTicks;
    if (++SlowFrames >= WarningFrames) {
      FPSWarning = true;
      --SlowFrames;  // stays just below the limit while frames remain slow
    }
  } else {
    FPSWarning = false;
    SlowFrames = 0;
  }
  if (Max != 0 && elapsed < MinFrameTicks) return;
  if (Target > 0) {
    if (elapsed < TicksPerFrame) return;
    Fire(elapsed, float(double(elapsed) / double(TicksPerFrame)));
  } else {
    float seconds = float(double(elapsed) / double(Clock.Frequency()));
    Fire(elapsed, seconds);
  }
}

int64_t TOmegaTimer::TicksUntilNextFrame() const {
  if (Mode == TMode::None) return Clock.Frequency() / 100;
  int64_t elapsed = Clock.Now() - LastTick;
  int64_t period = 0;
  if (Mode == TMode::Periodic)
    period = IntervalTicks;
  else if (Target > 0)
    period = std::max(TicksPerFrame, Max != 0 ? MinFrameTicks : 0);
  else if (Max != 0)
    period = MinFrameTicks;
  return std::max<int64_t>(0, period - elapsed);
}

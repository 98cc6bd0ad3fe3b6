#pragma once

#include <cstdint>
#include <functional>

#include "platform/Clock.h"

// Paces the game's frames. The main loop calls Tick on every pass; the timer fires OnTimer
// once a full frame period has passed since the last frame started. Lost time is never made up.
class TOmegaTimer {
 public:
  using THandler = std::function<void(TOmegaTimer& sender)>;

  explicit TOmegaTimer(const TClock& clock);

  bool Enabled() const { return IsEnabled; }
  void SetEnabled(bool enabled);
  int TargetFPS() const { return Target; }
  void SetTargetFPS(int fps);
  int MinFPS() const { return Min; }
  void SetMinFPS(int fps);
  int MaxFPS() const { return Max; }
  void SetMaxFPS(int fps);
  int FPSWarningFrames() const { return WarningFrames; }
  void SetFPSWarningFrames(int frames);
  bool LossyMode() const { return Lossy; }
  void SetLossyMode(bool lossy);
  void SetOnTimer(THandler handler);

  // One pass of the main loop.
  void Tick();
  // Whether passes of the main loop drive the timer at all (enabled, with a handler).
  bool Installed() const { return Mode != TMode::None; }
  // Frames fired since the timer was made.
  int TotalFrames() const { return Total; }
  int64_t ClockFrequency() const { return Clock.Frequency(); }
  // Clock ticks until the next frame may fire; the main loop sleeps meanwhile.
  int64_t TicksUntilNextFrame() const;

  // Read-outs of the last frame.
  float FrameDelta = 0;  // in frame periods
  float ElapsedSeconds = 0;
  int FPS = 0;
  bool FPSWarning = false;
  int SlowFrames = 0;

 private:
  enum class TMode { None, Idle, Periodic };
  void InstallPacing();
  void Fire(int64_t elapsed, float delta);

  const TClock& Clock;
  THandler OnTimer;
  bool IsEnabled = false;
  bool Lossy = false;
  int Target = 0, Min = 10, Max = 120, WarningFrames = 10;
  TMode Mode = TMode::None;
  int64_t LastTick = 0, NowTick = 0, WindowStart = 0;
  int64_t TicksPerFrame = 0, MaxFrameTicks = 0, MinFrameTicks = 0, IntervalTicks = 0;
  int FrameCount = 0;
  int Total = 0;
};

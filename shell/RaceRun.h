#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "race/Difficulty.h"
#include "race/RaceState.h"
#include "shell/GameScreen.h"

class TAutopilot;

// A race started straight away, without the menus: catalogue indices from 0.
struct TRaceRequest {
  int Track = 0;
  int Car = 0;
};

// How unattended runs race: --race, --time-trial, --autopilot, --trace and --difficulty.
struct TRaceRunOptions {
  std::optional<TRaceRequest> Race;
  bool TimeTrial = false;  // the race of --race is a time trial
  bool Autopilot = false;
  std::string TracePath;
  std::optional<TDifficulty> Difficulty;  // in place of the options' level
};

// Watches the races of a run for tests and checks: drives the player's car with the computer
// driver, writes the per-frame trace, and for a race without menus prints the player's finish
// and the results table and says when the run is over.
class TRaceRun {
 public:
  explicit TRaceRun(const TRaceRunOptions& options);
  ~TRaceRun();
  TRaceRun(const TRaceRun&) = delete;
  TRaceRun& operator=(const TRaceRun&) = delete;

  const TRaceRunOptions& Options() const { return RunOptions; }
  bool RaceOnly() const { return RunOptions.Race.has_value(); }

  // Returns false with a message when the trace file cannot be written.
  bool Open(std::string& error);

  // A race was set up / left.
  void RaceEntered(TRaceContext& context);
  void RaceLeft();
  // Before the move pass of a race frame: the autopilot's keys.
  void BeforeMove();
  // After a frame: on the race screens the trace line, and for a race without menus the finish
  // line and the results once every car is in. Returns the run's exit code when that race is
  // over: 0 when every car is in, 2 ("the race did not end") when the player has left it, or when
  // its race clock or the frames on the race screens (the pause stops the clock) have passed
  // kLongestRaceMinutes: automation never waits for ever on a race that cannot end.
  std::optional<int> AfterFrame(const TRaceState& race, int frame, TGameScreen screen, int stepTicks);

  static constexpr int kLongestRaceMinutes = 60;
  static constexpr int kLongestRaceFrames = kLongestRaceMinutes * 60 * 90;

  // The results table so far, one row a line (also when a frame limit ends the run early).
  void PrintResults(const TRaceState& race);

 private:
  void Trace(const TRaceState& race, int frame, TGameScreen screen);
  int NotEnded(const std::string& why) const;

  TRaceRunOptions RunOptions;
  std::unique_ptr<TAutopilot> Autopilot;
  std::FILE* TraceFile = nullptr;
  bool FinishPrinted = false;
  bool ResultsPrinted = false;
  bool Left = false;   // the race was left
  int RaceFrames = 0;  // frames on the race screens since the race began
};

#include "shell/Scoring.h"

#include <iterator>

#include "race/GameProcedures.h"

void GiveRacePoints(TGameState& state, int finishPosition) {
  if (state.TimeTrial) return;  // a race against the clock alone earns nothing
  const TCatalogue& catalogue = state.Catalogue;
  const TTrack& track = catalogue.Tracks[size_t(catalogue.SelectedTrack)];
  if (finishPosition >= 1 && finishPosition <= int(track.Points.size()))
    state.RacePoints = track.Points[size_t(finishPosition - 1)];
}

void BeginResults(TGameState& state, int finishPosition) {
  state.ResultLines = 0;
  GiveRacePoints(state, finishPosition);
  state.RacePointsEarned = state.RacePoints;
  state.ScreenTicks = 0;
  state.StepTicks = kCountingUp;
  state.NewCarShown = false;
  state.NewTracksShown = false;
  state.ScoreBeforeRace = state.TotalScore;
}

bool StepResults(TGameState& state) {
  for (size_t line = 0; line < std::size(kRevealFrames); ++line)
    if (state.ScreenTicks == kRevealFrames[line]) state.ResultLines = int(line) + 1;
  if (state.ScreenTicks > kCountUpAfter && state.StepTicks > 1000) {
    if (state.RacePoints > 0) {
      state.TotalScore = AddSaturated(state.TotalScore, 1);
      --state.RacePoints;
    } else {
      state.StepTicks = 0;
    }
  }
  const bool settled = state.StepTicks == kNextShown;
  if (state.StepTicks >= 0 && state.StepTicks < kNextShown)
    ++state.StepTicks;
  else if (settled)
    CheckUnlock(state);
  ++state.ScreenTicks;
  return settled;
}

void CheckUnlock(TGameState& state) {
  TCatalogue& catalogue = state.Catalogue;
  if (catalogue.UnlockStage >= kUnlockStages) return;
  const int before = state.ScoreBeforeRace, after = AddSaturated(before, state.RacePointsEarned);
  if (before >= catalogue.TargetScore || after < catalogue.TargetScore) return;
  // Stages 1, 3 and 5 bring a car; every other stage brings tracks.
  const int stage = catalogue.UnlockStage;
  if (stage == 1 || stage == 3 || stage == 5)
    state.NewCarShown = true;
  else
    state.NewTracksShown = true;
  UnlockNextStage(catalogue);
}

const char* UnlockMessage(const TGameState& state) {
  if (state.NewTracksShown) return kNewTracksMessage;
  if (state.NewCarShown) return kNewCarMessage;
  return nullptr;
}

void KeepBestTime(TTrack& track, const TRaceTime& time) {
  if (IsBetterTime(time, track.BestTime)) track.BestTime = time;
}

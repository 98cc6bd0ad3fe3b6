#pragma once

#include <cstdint>
#include <optional>

#include "race/GhostLap.h"
#include "race/RaceState.h"

class TGhostCar;

// The ghost of a race: records the player's laps, keeps the lap that beats the track's best
// one, and lets the ghost car drive the best lap from the line at every lap.
class TGhostRace {
 public:
  // `best` is the lap kept for the track (none yet: the first good lap becomes it); `shown`
  // whether the ghost car drives at all (the laps are recorded and kept either way).
  TGhostRace(TRaceContext& context, int track, int car, uint32_t trackFileSize, std::optional<TGhostLap> best,
             bool shown);

  // Once a frame after the world has scrolled. Returns the lap to keep when the lap that has just
  // ended beat the best one; it is the one the ghost drives from then on.
  const TGhostLap* AfterFrame();

  // The player's gap to the ghost in hundredths (positive: behind), while the ghost drives.
  std::optional<int> PlayerGap() const;
  const TGhostCar* Car() const { return GhostCar; }

 private:
  bool KeepsFinishedLap(const TRaceTime& lapTime) const;
  void StartGhost();

  TRaceContext& Context;
  int Track, CarIndex;
  uint32_t TrackFileSize;
  std::optional<TGhostLap> Best;
  bool Shown;
  TLapRecorder Recorder;
  TRaceTime RaceBest{0, 0, 1000};  // the player's best lap of this race so far
  TGhostCar* GhostCar = nullptr;   // the sprite engine owns it
};

#pragma once

#include <optional>

#include "engine/OmegaSprite.h"
#include "race/GhostLap.h"

// The ghost: a see-through car that drives a kept lap frame by frame, under the real cars and
// touching nothing. The race restarts it at every lap; it waits at the end of its lap when the
// player is slower, and is not shown before the first lap or after the race.
class TGhostCar : public TSprite {
 public:
  TGhostCar(TOmegaSprite& engine, TRaceContext& context, const TGhostLap& lap);

  // Back to the lap's first frame.
  void Restart();
  // After the frame's moves: the next frame of the lap, placed on the track.
  void Step();
  void Stop() { Running = false; }

  // How far the player is behind (positive) or ahead (negative) of the ghost, in hundredths: the
  // player's lap clock against the ghost's at the point of the lap nearest the player's car.
  std::optional<int> PlayerGap() const;

  static constexpr int kAlpha = 110;

 private:
  void Place(const TGhostSample& sample);
  size_t NearestToPlayer() const;

  TRaceContext& Context;
  const TGhostLap& Lap;
  size_t Frame = 0;
  bool Running = false;
  mutable size_t Match = 0;  // the sample last found nearest the player: the search starts there
};

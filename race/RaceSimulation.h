#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/OmegaSprite.h"
#include "race/Autopilot.h"
#include "race/GameConstants.h"
#include "race/GhostLap.h"
#include "race/GhostRace.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "race/TyreMarks.h"

// A whole race without the form or a display, for tests and track checks: the race set-up on a
// catalogue track, the opponents let go at once, the player's car driven by the autopilot, one
// frame at a time in the race screen's order. The picture lists give the sprites their sizes.
class TRaceSimulation {
  TRaceWorld World;

 public:
  // `trackFile` is the file to read in place of the track's own data file. Error tells why the
  // race could not be set up.
  TRaceSimulation(const TTrack& track, const std::string& trackFile, int carIndex, uint32_t seed,
                  TMessageBoxes& messages, TOmegaImageList& gameImages, TOmegaImageList& menuImages);

  void Frame();
  // The draw pass, for measuring a whole race frame.
  void Draw() { World.Context.Sprites.Draw(); }
  // From now on the player's laps are recorded as `track`'s, and the ghost drives `best` from the
  // line at every lap (none: the first whole lap becomes the best). Kept holds the last lap that
  // beat the best one.
  void StartGhost(int track, uint32_t trackFileSize, std::optional<TGhostLap> best);
  std::unique_ptr<TGhostRace> Ghost;
  std::optional<TGhostLap> Kept;
  // From now on the cars mark the road where they slide or brake hard, as in the game.
  void StartTyreMarks();
  TTyreMarks* TyreMarks = nullptr;  // the sprite engine owns it
  // Every car has crossed the line for the last time.
  bool AllFinished() const { return Race.FinishCounter > Track.Rivals + 1; }
  // Frames raced since the start.
  int Frames() const { return FrameCount; }

  const TTrack Track;
  std::string Error;
  TRaceState& Race = World.Race;

 private:
  TAutopilot Autopilot{World.Context};
  int FrameCount = 0;
};

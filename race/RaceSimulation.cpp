#include "race/RaceSimulation.h"

#include <utility>

#include "race/EnemyCar.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/RaceSetup.h"
#include "race/TrackTables.h"

TRaceSimulation::TRaceSimulation(const TTrack& track, const std::string& trackFile, int carIndex,
                                 uint32_t seed, TMessageBoxes& messages, TOmegaImageList& gameImages,
                                 TOmegaImageList& menuImages)
    : World(gameImages, messages, {.MenuImages = &menuImages, .Seed = seed}), Track(track) {
  TTrackFileResult file = ReadTrackFile(trackFile);
  if (file.Ok()) file.Error = CheckRaceTrack(file.Records, trackFile, track.Rivals);
  Error = file.Error;
  if (!Error.empty()) return;
  Race.RaceScreen = true;
  PrepareRace(World.Context, track, carIndex, kCarCount, file.Records);
  for (int i = 0; i < track.Rivals; ++i) Race.Opponents[i]->Racing = true;
  Race.Player->HasControl = true;
}

void TRaceSimulation::Frame() {
  if (!Error.empty()) return;
  // As in the game, the race clock's tick comes before the frame.
  StepRaceClock(Race);
  World.Step([this] { Autopilot.Drive(); });
  if (TyreMarks) TyreMarks->Lay();
  if (Ghost)
    if (const TGhostLap* better = Ghost->AfterFrame()) Kept = *better;
  ++FrameCount;
}

void TRaceSimulation::StartGhost(int track, uint32_t trackFileSize, std::optional<TGhostLap> best) {
  Ghost = std::make_unique<TGhostRace>(World.Context, track, Race.Player ? Race.Player->CarIndex : 0,
                                       trackFileSize, std::move(best), true);
}

void TRaceSimulation::StartTyreMarks() {
  TyreMarks = &World.Context.Sprites.Create<TTyreMarks>(World.Context);
}

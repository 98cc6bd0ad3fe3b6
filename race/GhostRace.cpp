#include "race/GhostRace.h"

#include <utility>

#include "race/GameProcedures.h"
#include "race/GhostCar.h"
#include "race/Player.h"

TGhostRace::TGhostRace(TRaceContext& context, int track, int car, uint32_t trackFileSize,
                       std::optional<TGhostLap> best, bool shown)
    : Context(context),
      Track(track),
      CarIndex(car),
      TrackFileSize(trackFileSize),
      Best(std::move(best)),
      Shown(shown) {}

const TGhostLap* TGhostRace::AfterFrame() {
  const TPlayer* player = Context.Race.Player;
  if (!player) return nullptr;
  if (!Recorder.Record(Context.Race)) {
    if (GhostCar) GhostCar->Step();
    return nullptr;
  }
  // The finish line has just counted: the lap that ended is the race's best when it lowered the
  // player's best lap, and it is kept when it also beats the track's.
  const TGhostLap* kept = nullptr;
  if (Recorder.LapsDone() > 0 && IsBetterTime(player->BestLap, RaceBest)) {
    RaceBest = player->BestLap;
    if (KeepsFinishedLap(RaceBest)) {
      Best = TGhostLap{Track, CarIndex, TrackFileSize, RaceBest, std::move(Recorder.FinishedLap)};
      kept = &*Best;
    }
  }
  if (Context.Race.RaceFinished) {
    if (GhostCar) GhostCar->Stop();
  } else {
    StartGhost();
  }
  return kept;
}

bool TGhostRace::KeepsFinishedLap(const TRaceTime& lapTime) const {
  return !Recorder.FinishedLap.empty() && (!Best || IsBetterTime(lapTime, Best->LapTime));
}

void TGhostRace::StartGhost() {
  if (!Shown || !Best) return;
  if (!GhostCar) GhostCar = &Context.Sprites.Create<TGhostCar>(Context, *Best);
  GhostCar->Restart();
}

std::optional<int> TGhostRace::PlayerGap() const {
  return GhostCar ? GhostCar->PlayerGap() : std::nullopt;
}

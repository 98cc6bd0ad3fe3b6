#include "race/GameProcedures.h"

#include <algorithm>
#include <tuple>

namespace {

// What one stage of the unlock sequence makes available: entries First .. NewCount - 1 of the
// tracks or of the cars, and the new count.
struct TUnlockStep {
  bool Car;
  int First;
  int NewCount;
};

constexpr std::array<TUnlockStep, kUnlockStages> kUnlockSteps{{
    {false, 3, 5},
    {true, 2, 3},
    {false, 5, 7},
    {true, 3, 4},
    {false, 7, 9},
    {true, 4, 5},
    {false, 9, 10},
    {false, 10, 11},
    {false, 11, 12},
}};

template <typename TEntries>
void MarkFirst(TEntries& entries, int first, int count) {
  for (int i = std::max(first, 0); i < std::min(count, int(entries.size())); ++i)
    entries[size_t(i)].Available = true;
}

}  // namespace

void FillTrackCatalogue(TCatalogue& catalogue) {
  std::copy(kTrackCatalogue.begin(), kTrackCatalogue.end(), catalogue.Tracks.begin());
  catalogue.LastTrack = kTrackCount - 1;
  catalogue.SelectedTrack = 0;
  for (int i = 0; i <= catalogue.LastTrack; ++i) {
    catalogue.Tracks[size_t(i)].Available = false;
    catalogue.Tracks[size_t(i)].BestTime = kNoBestTime;
  }
}

void FillCarCatalogue(TCatalogue& catalogue) {
  catalogue.LastCar = kCarCount - 1;
  catalogue.SelectedCar = 0;
  catalogue.Cars = kCarCatalogue;
  for (TCarType& car : catalogue.Cars) car.Available = false;
}

void MarkAvailableEntries(TCatalogue& catalogue) {
  MarkFirst(catalogue.Cars, 0, std::min(catalogue.CarsAvailable, catalogue.LastCar + 1));
  MarkFirst(catalogue.Tracks, 0, std::min(catalogue.TracksAvailable, catalogue.LastTrack + 1));
}

void UnlockNextStage(TCatalogue& catalogue) {
  const int stage = catalogue.UnlockStage;
  if (stage < 0 || stage >= kUnlockStages) return;
  const TUnlockStep& step = kUnlockSteps[size_t(stage)];
  // A stage never takes back what the player has already: counts only ever grow.
  if (step.Car) {
    catalogue.CarsAvailable = std::max(catalogue.CarsAvailable, step.NewCount);
    MarkFirst(catalogue.Cars, step.First, catalogue.CarsAvailable);
  } else {
    catalogue.TracksAvailable = std::max(catalogue.TracksAvailable, step.NewCount);
    MarkFirst(catalogue.Tracks, step.First, catalogue.TracksAvailable);
  }
  catalogue.TargetScore = AddSaturated(catalogue.TargetScore, catalogue.TargetSteps[size_t(stage)]);
  catalogue.UnlockStage = stage + 1;
}

bool IsBetterTime(const TRaceTime& current, const TRaceTime& best) {
  return std::tie(current.Minutes, current.Seconds, current.Hundredths) <
         std::tie(best.Minutes, best.Seconds, best.Hundredths);
}

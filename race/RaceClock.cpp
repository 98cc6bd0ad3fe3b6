#include "race/RaceClock.h"

#include "race/EnemyCar.h"
#include "race/Player.h"
#include "race/Progress.h"

void StepRaceClock(TRaceState& race) {
  // The player's clock stops at the finish: the time shown is then the time in the results.
  if (race.Player && !race.RaceFinished) {
    if (race.Player->LapTimerRunning) race.Player->LapTime.Step();
    race.Player->RaceTime.Step();
  }
  for (int i = 0; i < ActiveOpponents(race); ++i) {
    if (race.Opponents[i]) race.Opponents[i]->RaceTime.Step();
  }
}

#pragma once

#include <climits>

#include "race/GameConstants.h"
#include "race/RaceTime.h"

// Writes the twelve tracks into their slots, none available and none with a best time;
// selects the first track.
void FillTrackCatalogue(TCatalogue& catalogue);

// Writes the five cars, none available; selects the first car.
void FillCarCatalogue(TCatalogue& catalogue);

// Marks the first TracksAvailable tracks and the first CarsAvailable cars as available, as far
// as the catalogue reaches (availability itself is never stored, only the two counts).
void MarkAvailableEntries(TCatalogue& catalogue);

// One step of the unlock sequence: the current stage's tracks or car become available (a count
// never goes down, whatever a progress file held), the target score grows by the stage's step and the stage
// advances. Does nothing once every stage is done.
void UnlockNextStage(TCatalogue& catalogue);

// Whether `current` beats `best`: minutes first, then seconds, then hundredths. An equal time
// is not better.
bool IsBetterTime(const TRaceTime& current, const TRaceTime& best);

// Scores and target scores add up to the integer limits and stay there.
inline int AddSaturated(int a, int b) {
  int sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? INT_MAX : INT_MIN;
}

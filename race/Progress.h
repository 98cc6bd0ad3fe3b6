#pragma once

#include <optional>

#include "race/Geometry.h"
#include "race/RaceState.h"

// Where a car stands in its lap: the way point nearest to it (A), the one after it (B), and the
// distance along the track, measured by projecting the car's centre onto the line A-B.
struct TLapPosition {
  int Nearest = 1;    // number of A
  int Following = 1;  // number of B
  double LapProgress = 0;
};

// The car's lap position from the race's way points and track lengths; nothing while the
// track has no way points to measure against.
std::optional<TLapPosition> ProjectProgress(const TRaceState& race, TPointD centre);

// Progress over the whole race, comparable between cars: one track length for each lap counted
// and one more, plus the progress in the lap.
double RaceProgress(const TRaceState& race, int lap, double lapProgress);

// How many of the opponents (the first OpponentCount, leaving out `except`) have made more
// progress than `progress`; equal progress does not count.
int OpponentsAhead(const TRaceState& race, double progress, int except = -1);

// The opponents a loop may visit: OpponentCount, kept within the race's table.
inline int ActiveOpponents(const TRaceState& race) {
  return race.OpponentCount < 0 ? 0 : race.OpponentCount > kMaxOpponents ? kMaxOpponents : race.OpponentCount;
}

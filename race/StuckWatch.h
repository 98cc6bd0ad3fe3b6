#pragma once

#include "race/Driver.h"
#include "race/RaceState.h"
#include "race/RaceTime.h"

// Notices a computer-driven car that makes no headway: when it has gained no ground along the
// track for a second and a half of race time (pinned against a wall, caught behind a tree,
// crawling round a barrier on the grass, circling a way point it cannot reach), the car backs off
// for a second and drives on to the way point nearest ahead of it. A car that drives as it should
// never notices it.
class TStuckWatch {
 public:
  static constexpr int kPatience = 150;     // hundredths without headway before the car backs off
  static constexpr int kBackOffTime = 100;  // hundredths of backing off

  struct TVerdict {
    bool BackOff = false;  // reverse this frame instead of driving
    int NewTarget = 0;     // above 0 on the frame the backing off begins: the way point to aim at now
  };
  // Once a frame while the car races, with its progress in the lap.
  TVerdict Watch(const TRaceState& race, TPointD centre, double lapProgress, const TRaceTime& time);

  int BackOffs = 0;  // how often the car has backed off, for the figures of a race

 private:
  // Adds the step of progress since the last frame to Ground, unless it is a jump no car drives.
  void Step(double lapProgress);

  bool Started = false;
  double LastProgress = 0;
  double Ground = 0;      // progress gained frame by frame
  double Best = 0;        // the most ground the car had gained at HeadwayTime
  int HeadwayTime = 0;    // race time, in hundredths, when it last gained ground
  int BackOffUntil = -1;  // race time when the backing off ends
};

// The way point a car at `centre` drives to next: the nearest one, or the one after it once the
// car has passed it. 0 while the track has no way points.
int WayPointAhead(const TRaceState& race, TPointD centre);

// How to steer while backing off so that the nose turns towards the target: reversing turns the
// car the other way round, and a car still rolling forwards is not steered.
TSteer BackOffSteering(double heading, double speed, TPointD toTarget);

#pragma once

#include "race/Driver.h"
#include "race/RaceState.h"
#include "race/RaceTime.h"

// Notices a computer-driven car that makes no headway: when its target way point has come no
// nearer for a second and a half of race time (pinned against a wall, caught behind a tree,
// circling a way point it cannot reach), the car backs off for a second and drives on to the way
// point nearest ahead of it. A car that drives as it should never notices it.
class TStuckWatch {
 public:
  static constexpr int kPatience = 150;     // hundredths without headway before the car backs off
  static constexpr int kBackOffTime = 100;  // hundredths of backing off

  struct TVerdict {
    bool BackOff = false;  // reverse this frame instead of driving
    int NewTarget = 0;     // above 0 on the frame the backing off begins: the way point to aim at now
  };
  // Once a frame while the car races, with the target it is driving to.
  TVerdict Watch(const TRaceState& race, TPointD centre, int target, const TRaceTime& time);

  int BackOffs = 0;  // how often the car has backed off, for the figures of a race

 private:
  int Target = 0;
  double Nearest = 0;     // the closest the car has come to Target
  int HeadwayTime = 0;    // race time, in hundredths, when it last came closer
  int BackOffUntil = -1;  // race time when the backing off ends
};

// The way point a car at `centre` drives to next: the nearest one, or the one after it once the
// car has passed it. 0 while the track has no way points.
int WayPointAhead(const TRaceState& race, TPointD centre);

// How to steer while backing off so that the nose turns towards the target: a car still rolling
// forwards as it brakes is steered towards it, a reversing car the other way round. A car that
// comes to the watch at speed (circling a way point it cannot reach) thus stops facing the target
// rather than facing away from it with the turn still to make.
TSteer BackOffSteering(double heading, double speed, TPointD toTarget);

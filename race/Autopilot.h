#pragma once

#include "race/RaceState.h"
#include "race/StuckWatch.h"

// Drives the player's car with the opponents' driver, through the key tables: each frame,
// before the player's car moves, it presses and lets go of the arrow keys as a player would, so
// the car's own key handling is what moves it. For unattended races (--autopilot).
class TAutopilot {
 public:
  explicit TAutopilot(TRaceContext& context) : Context(context) {}

  // Call once per race frame before the sprite engine's move pass.
  void Drive();

  int TargetWayPoint = 1;  // the way point being driven to, as an opponent counts it

 private:
  // Presses or lets go of a key the way the form's key events do.
  void SetKey(int key, bool down);

  TRaceContext& Context;
  double BearingAngle = 0;
  TStuckWatch Stuck;
};

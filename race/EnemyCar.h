#pragma once

#include <array>
#include <string>
#include <vector>

#include "race/Car.h"
#include "race/Difficulty.h"
#include "race/Driver.h"
#include "race/Geometry.h"
#include "race/StuckWatch.h"

// A look-ahead point of an opponent.
struct TEye {
  double X = 0, Y = 0;
  double Reach = 0;                            // distance from the car's centre
  double AngleOffset = 0;                      // added to the sprite angle
  bool DodgeLeft = false, DodgeRight = false;  // another car seen ahead (eye 2)
  bool Blocked = false;                        // an obstacle touches this eye (eyes 0 and 1)
};

// A computer-driven car. It moves its own sprite across the screen (besides the world's move)
// and drives from way point to way point, dodging obstacles and other cars it sees ahead.
class TEnemyCar : public TCar {
 public:
  // Counts itself into the race's OpponentCount; the caller stores it as Opponents[number]. It
  // drives as the context's level has it; the demonstration race's cars always at Normal.
  TEnemyCar(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading, int number,
            const std::string& name, int carIndex, double centreY, double centreX);

  void DoMove(float moveCount) override;
  void Kill() override;

  int Number;                // index in the race's opponent list
  int TargetWayPoint = 1;    // the way point being driven to
  TArrow* BearingIndicator;  // its angle holds the bearing to the target; the engine owns it
  bool TouchingPlayer = false;
  // 0: 20 degrees left, 1: 20 degrees right (obstacles); 2: straight ahead (cars).
  std::array<TEye, 3> Eyes;
  bool Racing = false;  // driven by the driver; otherwise the car only rolls
  // Key way points reached in this lap, numbered from 1 by key flag.
  std::vector<bool> KeyPassed;
  int Position = 1;
  TStuckWatch Stuck;  // backs the car off when it makes no headway

 private:
  const TDrivingStyle& Style;

  void AvoidCars();
  // Which way the other car lies across this car's direction of travel: > 0 to the right.
  double SideOf(const TCar& other) const;
  void Drive();
  // Backing off a car that makes no headway; false while the car drives on as usual.
  bool BackOff(TPointD centre);
  void AdvanceWayPoint(int wayPointCount);
  void Roll();
  void MeasureProgress();
  void MoveEyes();
  void TouchCars();
  void RespondToContact(const TCar& other);
};

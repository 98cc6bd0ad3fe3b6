#pragma once

#include "race/Geometry.h"

// The computer driver's rules, shared by the opponents and the player's autopilot. They look at
// one target way point from the car's centre; the caller applies what they decide with the
// car's driving operations.

enum class TSteer { None, Left, Right };

// The unit vector from `from` to `to`; (0, 0) when the two points coincide.
TPointD UnitVector(TPointD from, TPointD to);

// The integer nearest to v, halves to even, as the game rounds.
int NearestInt(double v);

// The target is level with the car when their x or their y (rounded) are at most one pixel
// apart; the driver then leaves its steering alone for the frame.
bool TargetLevel(TPointD target, TPointD centre);

// Steer towards the target: right when it lies clockwise of the heading, left when
// anticlockwise, none when nearly straight ahead (or behind). `toTarget` is the unit vector
// from the car to the target.
TSteer SteeringDecision(double heading, TPointD toTarget);

// A way point counts as reached within `reach` pixels on both axes.
inline constexpr double kWayPointReach = 160;
bool WayPointReached(TPointD target, TPointD centre, double reach = kWayPointReach);

// The way point after `number`, back to 1 after the last.
int NextWayPoint(int number, int wayPointCount);

// The bearing from the car to the target in degrees, given the previous bearing that is kept
// when the target sits exactly on the car.
double Bearing(TPointD target, TPointD centre, TPointD toTarget, double previous);

// Brake when the bearing differs from the heading by more than 20 degrees (on the circle) and
// the car is faster than 2 + cos(difference) + `margin`; otherwise accelerate.
bool ShouldBrake(double headingAngle, double bearingAngle, double speed, double margin = 0);

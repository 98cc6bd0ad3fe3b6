#include "race/Driver.h"

#include <cmath>

TPointD UnitVector(TPointD from, TPointD to) {
  const double length = Distance(from, to);
  if (length == 0) return {0, 0};
  return {(to.X - from.X) / length, (to.Y - from.Y) / length};
}

int NearestInt(double v) {
  return int(std::nearbyint(v));
}

bool TargetLevel(TPointD target, TPointD centre) {
  const auto near = [](double t, double q) {
    const int rounded = NearestInt(t);
    return rounded == NearestInt(q) || rounded == NearestInt(q + 1) || rounded == NearestInt(q - 1);
  };
  return near(target.X, centre.X) || near(target.Y, centre.Y);
}

TSteer SteeringDecision(double heading, TPointD toTarget) {
  const int remainder = NearestInt(heading) % 360;
  const double h = remainder < 0 ? heading + 360 : remainder;
  const double p = CosDeg(h) * toTarget.Y - SinDeg(h) * toTarget.X;
  if (p > 0.01) return TSteer::Right;
  if (p < -0.01) return TSteer::Left;
  return TSteer::None;
}

bool WayPointReached(TPointD target, TPointD centre, double reach) {
  return std::abs(target.X - centre.X) < reach && std::abs(target.Y - centre.Y) < reach;
}

int NextWayPoint(int number, int wayPointCount) {
  return number >= wayPointCount ? 1 : number + 1;
}

double Bearing(TPointD target, TPointD centre, TPointD toTarget, double previous) {
  // Straight above or below: the arc tangent has no quotient to work on.
  if (toTarget.X == 0 && toTarget.Y != 0) return toTarget.Y > 0 ? 90 : -90;
  const double b = ArcTanDeg(toTarget.Y / toTarget.X);
  if (target.X > centre.X) return b;
  if (target.Y > centre.Y) return b + 180;
  if (target.Y < centre.Y) return b - 180;
  return previous;
}

bool ShouldBrake(double headingAngle, double bearingAngle, double speed, double margin) {
  const int d = NearestInt(headingAngle) % 360;
  const int f = NearestInt(bearingAngle) % 360;
  const int difference = std::abs(f - d);
  return difference > 20 && std::abs(f + 360 - d) > 20 && std::abs(f - 360 - d) > 20 &&
         speed > CosDeg(difference) + 2 + margin;
}

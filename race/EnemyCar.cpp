#include "race/EnemyCar.h"

#include <algorithm>
#include <cmath>

#include "race/Indicators.h"
#include "race/Player.h"
#include "race/Progress.h"

namespace {

// Opponents gain speed this much more strongly than the player's car of the same type.
constexpr double kOpponentPower = 1.2;
// Behind the menus every car drives as on half grip.
constexpr double kDemoSurfaceFactor = 0.5;

}  // namespace

TEnemyCar::TEnemyCar(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading,
                     int number, const std::string& name, int carIndex, double centreY, double centreX)
    : TCar(engine, context, menuVariant, heading, name, carIndex, centreY, centreX),
      Number(number),
      Style(DrivingStyleOf(menuVariant ? TDifficulty::Normal : context.Difficulty)) {
  ++context.Race.OpponentCount;
  TopSpeed = std::max(TopSpeed * Style.TopSpeedFactor, Style.TopSpeedFloor);
  Acceleration *= Style.AccelerationFactor;
  const double x = X(), y = Y(), w = Width(), h = Height();
  BearingIndicator = &engine.Create<TArrow>(context, menuVariant, 2, y + h / 2 - 5, x + w / 2 - 35);
  const std::array<std::pair<double, double>, 3> eyes{
      {{70, h / 2 + 60}, {110, h / 2 + 60}, {90, h / 2 + 35}}};
  for (size_t k = 0; k < eyes.size(); ++k) {
    Eyes[k].AngleOffset = eyes[k].first;
    Eyes[k].Reach = eyes[k].second;
    Eyes[k].X = x + w / 2;
    Eyes[k].Y = y - 30;
  }
  const int keyCount = context.Race.KeyWayPointCount;
  KeyPassed.assign(size_t(std::max(keyCount, 1)) + 1, false);
  for (int k = 1; k < keyCount; ++k) KeyPassed[k] = true;
}

void TEnemyCar::Kill() {
  TCar::Kill();
  BearingIndicator->Kill();
}

void TEnemyCar::DoMove(float /*moveCount*/) {
  TRaceState& race = Context.Race;
  MoveWithWorld(*this, race);
  AvoidCars();
  if (Racing) {
    Drive();
  } else {
    Roll();
  }
  MeasureProgress();
  if (!race.RaceScreen) {
    SurfaceFactor = kDemoSurfaceFactor;
  } else {
    SurfaceFactor = OnRoad() ? kOnRoad : kOffRoad;
  }
  SetX(float(X() + CosDeg(Direction) * Speed));
  SetY(float(Y() + SinDeg(Direction) * Speed));
  Gain(kOpponentPower * SurfaceFactor);
  FinishMotion();
  for (TArrow* pointer : Indicators) {
    pointer->SetX(float(X() + Width() / 2.0));
    pointer->SetY(float(Y() + Height() / 2.0 - 5));
  }
  Indicators[0]->Angle = float(Heading);
  Indicators[1]->Angle = float(Direction);
  UpdateCornerPoints();
  MoveEyes();
  TouchCars();
}

double TEnemyCar::SideOf(const TCar& other) const {
  const TPointD v = UnitVector(Centre(), other.Centre());
  return CosDeg(Direction) * v.Y - SinDeg(Direction) * v.X;
}

void TEnemyCar::AvoidCars() {
  const TRaceState& race = Context.Race;
  TEye& eye = Eyes[2];
  const TPointD eyePoint{eye.X, eye.Y};
  if (race.OpponentCount > 1) {
    for (int j = 0; j < ActiveOpponents(race); ++j) {
      const TEnemyCar* other = race.Opponents[j];
      if (!other || other == this || !CarsOverlap(SquareAround(eyePoint, 30), other->CornerPoints)) continue;
      const double side = SideOf(*other);
      if (side > 0) {
        eye.DodgeLeft = true;
        eye.DodgeRight = false;
      } else if (side < 0) {
        eye.DodgeRight = true;
        eye.DodgeLeft = false;
      }
    }
  }
  // The player's car is given a wider berth, and never a tie.
  if (race.Player && CarsOverlap(SquareAround(eyePoint, 50), race.Player->CornerPoints)) {
    const bool left = SideOf(*race.Player) > 0;
    eye.DodgeLeft = left;
    eye.DodgeRight = !left;
  }
}

void TEnemyCar::Drive() {
  const TRaceState& race = Context.Race;
  BearingIndicator->SetX(float(X() + Width() / 2.0));
  BearingIndicator->SetY(float(Y() + Height() / 2.0 - 5));
  const int count = race.WayPointCount;
  if (count < 1 || TargetWayPoint < 1 || TargetWayPoint > count) return;  // nothing to follow

  if (BackOff(Centre())) return;
  const TPointD target{race.WayPoints[TargetWayPoint].X, race.WayPoints[TargetWayPoint].Y};
  const TPointD centre = Centre();
  const TPointD toTarget = UnitVector(centre, target);
  TSteer steer = TSteer::None;
  // A target level with the car leaves the steering alone this frame.
  if (!TargetLevel(target, centre)) {
    steer = SteeringDecision(Heading, toTarget);
    if (steer == TSteer::None) SetPatternIndex(0);
  }
  if (WayPointReached(target, centre, Style.WayPointReach)) AdvanceWayPoint(count);
  BearingIndicator->Angle = float(Bearing(target, centre, toTarget, BearingIndicator->Angle));
  bool brake = ShouldBrake(Indicators[0]->Angle, BearingIndicator->Angle, Speed, Style.BrakeMargin);

  TEye& ahead = Eyes[2];
  if (ahead.DodgeRight) steer = TSteer::Right;
  if (ahead.DodgeLeft) steer = TSteer::Left;
  ahead.DodgeLeft = ahead.DodgeRight = false;
  // An obstacle on the left eye: away to the right, slowing down when fast; and the mirror.
  if (Eyes[0].Blocked) {
    steer = TSteer::Right;
    Eyes[0].Blocked = false;
    if (Speed > 4) brake = true;
  }
  if (Eyes[1].Blocked) {
    steer = TSteer::Left;
    Eyes[1].Blocked = false;
    if (Speed > 4) brake = true;
  }

  if (brake) {
    BrakeOrReverse();
  } else {
    Accelerate();
  }
  if (steer == TSteer::Left) SteerLeft();
  if (steer == TSteer::Right) SteerRight();
}

bool TEnemyCar::BackOff(TPointD centre) {
  const TRaceState& race = Context.Race;
  const TStuckWatch::TVerdict verdict = Stuck.Watch(race, centre, TargetWayPoint, RaceTime);
  const int count = race.WayPointCount;
  if (verdict.NewTarget > 0) {
    // Forwards through the way points passed on the way, so that their key flags count; a way
    // point behind the car is simply aimed at again.
    if ((verdict.NewTarget - TargetWayPoint + count) % count < count / 2) {
      while (TargetWayPoint != verdict.NewTarget) AdvanceWayPoint(count);
    } else {
      TargetWayPoint = verdict.NewTarget;
    }
  }
  if (!verdict.BackOff) return false;
  // A way point reached while backing off counts: backing out of its reach must not leave the car
  // turning round to come back to it.
  if (WayPointReached({race.WayPoints[TargetWayPoint].X, race.WayPoints[TargetWayPoint].Y}, centre))
    AdvanceWayPoint(count);
  const TWayPoint& target = race.WayPoints[TargetWayPoint];
  BrakeOrReverse();
  const TSteer steer = BackOffSteering(Heading, Speed, UnitVector(centre, {target.X, target.Y}));
  if (steer == TSteer::Left) SteerLeft();
  if (steer == TSteer::Right) SteerRight();
  if (steer == TSteer::None) SetPatternIndex(0);
  return true;
}

void TEnemyCar::AdvanceWayPoint(int wayPointCount) {
  TargetWayPoint = NextWayPoint(TargetWayPoint, wayPointCount);
  const int key = Context.Race.WayPoints[TargetWayPoint].KeyFlag;
  // Key flag 3 re-arms the finish; flags from 2 on prove the lap's key way points.
  if (key == 3) FinishArmed = true;
  if (key >= 2 && key < int(KeyPassed.size())) KeyPassed[key] = true;
}

void TEnemyCar::Roll() {
  SetPatternIndex(0);
  const TRaceState& race = Context.Race;
  const double half = CoastDeceleration / 2;
  const bool nearStart =
      race.WayPointCount >= 1 && Distance({X(), Y()}, {race.WayPoints[1].X, race.WayPoints[1].Y}) <= 100;
  if (nearStart) {
    CurrentAcceleration = 0.01;
  } else if (Speed > half) {
    CurrentAcceleration = -half;
  } else if (Speed < -half) {
    CurrentAcceleration = half;
  }
}

void TEnemyCar::MeasureProgress() {
  TRaceState& race = Context.Race;
  const std::optional<TLapPosition> position = ProjectProgress(race, Centre());
  if (!position) return;
  LapProgress = position->LapProgress;
  const double progress = RaceProgress(race, Lap, LapProgress);
  if (Number >= 0 && Number < kMaxOpponents) race.OpponentProgress[Number] = progress;
  const int aheadOpponents = race.OpponentCount > 1 ? OpponentsAhead(race, progress, Number) : 0;
  Position = 1 + aheadOpponents + (race.PlayerProgress > progress ? 1 : 0);
}

void TEnemyCar::MoveEyes() {
  const TPointD centre = Centre();
  for (TEye& eye : Eyes) {
    eye.X = centre.X + eye.Reach * CosDeg(Angle + eye.AngleOffset);
    eye.Y = centre.Y + eye.Reach * SinDeg(Angle + eye.AngleOffset);
  }
}

void TEnemyCar::TouchCars() {
  const TRaceState& race = Context.Race;
  const TPointD centre = Centre();
  if (race.OpponentCount > 1) {
    for (int j = 0; j < ActiveOpponents(race); ++j) {
      const TEnemyCar* other = race.Opponents[j];
      if (!other || other == this || Distance(centre, other->Centre()) >= 200) continue;
      Contact[j] = CarsOverlap(CornerPoints, other->CornerPoints);
      if (!Contact[j]) ContactBefore[j] = false;
    }
    for (int j = 0; j < ActiveOpponents(race); ++j) {
      const TEnemyCar* other = race.Opponents[j];
      if (!Contact[j] || !other || other == this) continue;
      RespondToContact(*other);
      ContactBefore[j] = true;
    }
  }
  TouchingPlayer = race.Player && CarsOverlap(CornerPoints, race.Player->CornerPoints);
  if (TouchingPlayer) RespondToContact(*race.Player);
}

void TEnemyCar::RespondToContact(const TCar& other) {
  const TPointD push = ContactPush(other.Centre(), Centre(), *this);
  SetX(float(X() + push.X));
  SetY(float(Y() + push.Y));
  Speed *= 0.95;
  TurnFromContact(other);
}

#include "race/Autopilot.h"

#include "race/Driver.h"
#include "race/Player.h"

void TAutopilot::SetKey(int key, bool down) {
  bool& held = Context.KeyHeld[key];
  if (held == down) return;
  held = down;
  if (!down) Context.KeyReleased[key] = true;
}

void TAutopilot::Drive() {
  const TRaceState& race = Context.Race;
  const TPlayer* player = race.Player;
  const int count = race.WayPointCount;
  if (!player || !player->HasControl || count < 1) {
    for (int key : {DrivingKey::Up, DrivingKey::Down, DrivingKey::Left, DrivingKey::Right})
      SetKey(key, false);
    return;
  }
  if (TargetWayPoint < 1 || TargetWayPoint > count) TargetWayPoint = 1;

  const TPointD centre = player->Centre();
  const TStuckWatch::TVerdict verdict = Stuck.Watch(race, centre, TargetWayPoint, player->RaceTime);
  if (verdict.NewTarget > 0) TargetWayPoint = verdict.NewTarget;
  const TPointD target{race.WayPoints[TargetWayPoint].X, race.WayPoints[TargetWayPoint].Y};
  const TPointD toTarget = UnitVector(centre, target);
  if (verdict.BackOff) {
    const TSteer away = BackOffSteering(player->Heading, player->Speed, toTarget);
    SetKey(DrivingKey::Up, false);
    SetKey(DrivingKey::Down, true);
    SetKey(DrivingKey::Right, away == TSteer::Right);
    SetKey(DrivingKey::Left, away == TSteer::Left);
    return;
  }
  const TSteer steer =
      TargetLevel(target, centre) ? TSteer::None : SteeringDecision(player->Heading, toTarget);
  if (WayPointReached(target, centre)) TargetWayPoint = NextWayPoint(TargetWayPoint, count);
  BearingAngle = Bearing(target, centre, toTarget, BearingAngle);
  const bool brake = ShouldBrake(player->Heading, BearingAngle, player->Speed);

  SetKey(DrivingKey::Up, !brake);
  SetKey(DrivingKey::Down, brake);
  SetKey(DrivingKey::Right, steer == TSteer::Right);
  SetKey(DrivingKey::Left, steer == TSteer::Left);
}

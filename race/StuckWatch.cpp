#include "race/StuckWatch.h"

#include "race/Progress.h"

namespace {

constexpr double kHeadway = 1;  // pixels closer that count as headway

int Hundredths(const TRaceTime& time) {
  return (time.Minutes * 60 + time.Seconds) * 100 + time.Hundredths;
}

}  // namespace

TStuckWatch::TVerdict TStuckWatch::Watch(const TRaceState& race, TPointD centre, int target,
                                         const TRaceTime& time) {
  const int now = Hundredths(time);
  if (now < BackOffUntil) return {true, 0};
  if (target < 1 || target > race.WayPointCount) return {};
  const double distance = Distance(centre, {race.WayPoints[target].X, race.WayPoints[target].Y});
  if (target != Target || distance < Nearest - kHeadway || now < HeadwayTime) {
    Target = target;
    Nearest = distance;
    HeadwayTime = now;
    return {};
  }
  if (now - HeadwayTime < kPatience) return {};
  BackOffUntil = now + kBackOffTime;
  ++BackOffs;
  Target = WayPointAhead(race, centre);
  Nearest = Target > 0 ? Distance(centre, {race.WayPoints[Target].X, race.WayPoints[Target].Y}) : 0;
  HeadwayTime = BackOffUntil;
  return {true, Target};
}

int WayPointAhead(const TRaceState& race, TPointD centre) {
  const std::optional<TLapPosition> position = ProjectProgress(race, centre);
  if (!position) return 0;
  const bool passed = position->LapProgress > race.TrackLength[size_t(position->Nearest)];
  return passed ? position->Following : position->Nearest;
}

TSteer BackOffSteering(double heading, double speed, TPointD toTarget) {
  if (speed == 0) return TSteer::None;
  const TSteer towards = SteeringDecision(heading, toTarget);
  if (speed > 0) return towards;
  if (towards == TSteer::Right) return TSteer::Left;
  if (towards == TSteer::Left) return TSteer::Right;
  return TSteer::None;
}

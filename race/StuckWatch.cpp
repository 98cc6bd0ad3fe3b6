#include "race/StuckWatch.h"

#include <cmath>

#include "race/Progress.h"

namespace {

constexpr double kHeadway = 1;  // progress (ten pixels along the track) that counts as headway
// No car drives farther than this in a frame: a longer step of progress is the car measured
// against another stretch of the track (across the line, or from one leg of a hairpin to the
// other), not ground gained or lost.
constexpr double kLongestStep = 3;

int Hundredths(const TRaceTime& time) {
  return (time.Minutes * 60 + time.Seconds) * 100 + time.Hundredths;
}

}  // namespace

TStuckWatch::TVerdict TStuckWatch::Watch(const TRaceState& race, TPointD centre, double lapProgress,
                                         const TRaceTime& time) {
  const int now = Hundredths(time);
  if (!Started) {
    Started = true;
    LastProgress = lapProgress;
    HeadwayTime = now;
  }
  Step(lapProgress);
  if (now < BackOffUntil) {
    Best = Ground;
    return {true, 0};
  }
  if (race.WayPointCount < 1) return {};
  if (Ground > Best + kHeadway || now < HeadwayTime) {
    Best = Ground;
    HeadwayTime = now;
    return {};
  }
  if (now - HeadwayTime < kPatience) return {};
  BackOffUntil = now + kBackOffTime;
  ++BackOffs;
  HeadwayTime = BackOffUntil;
  return {true, WayPointAhead(race, centre)};
}

void TStuckWatch::Step(double lapProgress) {
  const double step = lapProgress - LastProgress;
  if (std::abs(step) <= kLongestStep) Ground += step;
  LastProgress = lapProgress;
}

int WayPointAhead(const TRaceState& race, TPointD centre) {
  const std::optional<TLapPosition> position = ProjectProgress(race, centre);
  if (!position) return 0;
  const bool passed = position->LapProgress > race.TrackLength[size_t(position->Nearest)];
  return passed ? position->Following : position->Nearest;
}

TSteer BackOffSteering(double heading, double speed, TPointD toTarget) {
  if (speed >= 0) return TSteer::None;
  const TSteer towards = SteeringDecision(heading, toTarget);
  if (towards == TSteer::Right) return TSteer::Left;
  if (towards == TSteer::Left) return TSteer::Right;
  return TSteer::None;
}

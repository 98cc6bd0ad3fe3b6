#include "race/Progress.h"

#include <cmath>

namespace {

bool Between(double value, double a, double b) {
  return (a <= value && value <= b) || (b <= value && value <= a);
}

// The foot of the perpendicular from `point` onto the line a-b, and whether it lies between
// a and b (bounds included).
std::pair<TPointD, bool> Foot(TPointD point, TPointD a, TPointD b) {
  if (std::abs(b.X - a.X) < 0.01) return {{a.X, point.Y}, Between(point.Y, a.Y, b.Y)};
  if (std::abs(b.Y - a.Y) < 0.01) return {{point.X, a.Y}, Between(point.X, a.X, b.X)};
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double t = ((point.X - a.X) * dx + (point.Y - a.Y) * dy) / (dx * dx + dy * dy);
  const TPointD foot{a.X + t * dx, a.Y + t * dy};
  return {foot, Between(foot.X, a.X, b.X) && Between(foot.Y, a.Y, b.Y)};
}

TPointD WayPointAt(const TRaceState& race, int number) {
  return {race.WayPoints[number].X, race.WayPoints[number].Y};
}

}  // namespace

std::optional<TLapPosition> ProjectProgress(const TRaceState& race, TPointD centre) {
  const int count = race.WayPointCount;
  if (count < 1 || int(race.WayPoints.size()) <= count || int(race.TrackLength.size()) <= count) {
    return std::nullopt;
  }
  TLapPosition result;
  double best = 6000000;
  for (int i = 1; i <= count; ++i) {
    const double distance = Distance(centre, WayPointAt(race, i));
    if (distance < best) {
      best = distance;
      result.Nearest = i;
    }
  }
  result.Following = result.Nearest == count ? 1 : result.Nearest + 1;
  const TPointD a = WayPointAt(race, result.Nearest);
  const auto [foot, onSegment] = Foot(centre, a, WayPointAt(race, result.Following));
  // A car short of the nearest way point counts back from it.
  const double sign = onSegment ? 1 : -1;
  result.LapProgress = sign * Distance(foot, a) / 10 + race.TrackLength[result.Nearest];
  return result;
}

double RaceProgress(const TRaceState& race, int lap, double lapProgress) {
  const double lapLength = race.WayPointCount >= 1 && int(race.TrackLength.size()) > race.WayPointCount
                               ? race.TrackLength[race.WayPointCount]
                               : 0;
  return (lap + 1) * lapLength + lapProgress;
}

int OpponentsAhead(const TRaceState& race, double progress, int except) {
  int ahead = 0;
  for (int i = 0; i < ActiveOpponents(race); ++i) {
    if (i != except && race.OpponentProgress[i] > progress) ++ahead;
  }
  return ahead;
}

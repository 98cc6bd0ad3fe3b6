#include "tools/tracks/DemoTrack.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/tracks/DemoCircuit.h"

namespace {

constexpr double kStraightStep = 200;  // between way points along a straight
constexpr double kBendOffset = 40;     // bend way points beyond the centre line
constexpr int kGridSlots = 4;
constexpr double kFrontRow = 300, kRowSpacing = 60, kLaneOffset = 22;  // just past the start line
constexpr double kFirstWayPoint = 380;

struct TPoint {
  double X, Y;
};

// Way points from `from` towards `to`, leaving out `to` (the bend that follows begins there).
void AddStraight(TPoint from, TPoint to, std::vector<TPoint>& points) {
  const double length = std::hypot(to.X - from.X, to.Y - from.Y);
  const int steps = std::max(1, int(std::lround(length / kStraightStep)));
  for (int i = 0; i < steps; ++i)
    points.push_back({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
}

// Way points round a quarter bend about (cx, cy), from `fromDegrees` clockwise: at its ends and
// half way, all outside the line.
void AddBend(double cx, double cy, double fromDegrees, std::vector<TPoint>& points) {
  for (const double step : {0.0, 45.0, 90.0}) {
    const double angle = (fromDegrees + step) * std::numbers::pi / 180;
    const double reach = DemoCircuit::Radius + kBendOffset;
    points.push_back({cx + reach * std::cos(angle), cy + reach * std::sin(angle)});
  }
}

}  // namespace

std::vector<TTrackRecord> BuildDemoTrack() {
  using namespace DemoCircuit;
  const double r = Radius;
  const double startX = kFirstWayPoint;
  std::vector<TPoint> points;
  AddStraight({startX, Top}, {Right - r, Top}, points);
  AddBend(Right - r, Top + r, -90, points);
  AddStraight({Right, Top + r}, {Right, Bottom - r}, points);
  AddBend(Right - r, Bottom - r, 0, points);
  AddStraight({Right - r, Bottom}, {Left + r, Bottom}, points);
  AddBend(Left + r, Bottom - r, 90, points);
  AddStraight({Left, Bottom - r}, {Left, Top + r}, points);
  AddBend(Left + r, Top + r, 180, points);
  AddStraight({Left + r, Top}, {startX, Top}, points);

  std::vector<TTrackRecord> records;
  for (size_t i = 0; i < points.size(); ++i)
    records.push_back(
        {int(std::lround(points[i].Y)), int(std::lround(points[i].X)), TRecordKind::WayPoint, 0, int(i) + 1});
  for (int slot = 1; slot <= kGridSlots; ++slot) {
    const double x = kFrontRow - (slot - 1) / 2 * kRowSpacing;
    const double y = Top + ((slot - 1) % 2 == 0 ? -kLaneOffset : kLaneOffset);
    records.push_back({int(std::lround(y)), int(std::lround(x)), TRecordKind::StartSlot, 0, slot});
  }
  return records;
}

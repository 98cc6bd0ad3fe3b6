#include "race/Geometry.h"

#include <algorithm>

namespace {

// The angle a-p-b in degrees, or -1 when p coincides with a or b.
double AngleAt(TPointD p, TPointD a, TPointD b) {
  const double ax = a.X - p.X, ay = a.Y - p.Y;
  const double bx = b.X - p.X, by = b.Y - p.Y;
  const double lengths = std::hypot(ax, ay) * std::hypot(bx, by);
  if (lengths == 0) return -1;
  // Rounding may carry the cosine a hair beyond +-1, where the arc cosine has no value.
  return Degrees(std::acos(std::clamp((ax * bx + ay * by) / lengths, -1.0, 1.0)));
}

}  // namespace

bool PointInQuad(TPointD p, const TQuadPoints& quad) {
  double sum = 0;
  for (int k = 0; k < 4; ++k) {
    const double angle = AngleAt(p, quad[k], quad[(k + 1) % 4]);
    if (angle < 0) return true;  // on a corner
    sum += angle;
  }
  return sum >= 355;
}

bool QuadsOverlap(const TQuadPoints& a, const TQuadPoints& b) {
  return std::ranges::any_of(a, [&](TPointD p) { return PointInQuad(p, b); }) ||
         std::ranges::any_of(b, [&](TPointD p) { return PointInQuad(p, a); });
}

std::array<double, 4> RectangleCornerAngles(double width, double height) {
  const double b = ArcTanDeg(height / width);
  return {180 - b, b - 180, -b, b};
}

TQuadPoints TurnedOutline(TPointD centre, double radius, double angle,
                          const std::array<double, 4>& cornerAngles) {
  TQuadPoints outline;
  for (int k = 0; k < 4; ++k) {
    outline[k] = {centre.X + radius * CosDeg(angle + cornerAngles[k]),
                  centre.Y + radius * SinDeg(angle + cornerAngles[k])};
  }
  return outline;
}

TQuadPoints SquareAround(TPointD centre, double side) {
  const double half = side / 2;
  return {{{centre.X - half, centre.Y - half},
           {centre.X + half, centre.Y - half},
           {centre.X + half, centre.Y + half},
           {centre.X - half, centre.Y + half}}};
}

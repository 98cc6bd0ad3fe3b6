#pragma once

#include <array>
#include <cmath>
#include <numbers>

// A point of the race world in pixels (x to the right, y downwards).
struct TPointD {
  double X = 0, Y = 0;
};

// Four corners in order around the outline.
using TQuadPoints = std::array<TPointD, 4>;

// The game counts angles in degrees, clockwise on the screen; this is the one place they become
// radians for the trigonometry of the C++ library.
inline double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}
inline double Degrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}
inline double CosDeg(double degrees) {
  return std::cos(Radians(degrees));
}
inline double SinDeg(double degrees) {
  return std::sin(Radians(degrees));
}
inline double ArcTanDeg(double value) {
  return Degrees(std::atan(value));
}

inline double Distance(TPointD a, TPointD b) {
  return std::hypot(b.X - a.X, b.Y - a.Y);
}

// Whether p lies inside the quadrilateral: the angles under which p sees its four sides add up
// to a full turn (at least 355 degrees) only from inside. Points on a side or on a corner count
// as inside.
bool PointInQuad(TPointD p, const TQuadPoints& quad);

// Whether two quadrilaterals overlap: a corner of either lies inside the other.
bool QuadsOverlap(const TQuadPoints& a, const TQuadPoints& b);

// The corner angles of a w x h rectangle seen from its centre, relative to its own angle:
// 180 - b, b - 180, -b, b with b = arctan(h / w).
std::array<double, 4> RectangleCornerAngles(double width, double height);

// The corners of a rectangle turned by `angle` about its centre, given the distance from the
// centre to the corners and the corner angles above.
TQuadPoints TurnedOutline(TPointD centre, double radius, double angle,
                          const std::array<double, 4>& cornerAngles);

// The axis-parallel square of the given side centred on a point.
TQuadPoints SquareAround(TPointD centre, double side);

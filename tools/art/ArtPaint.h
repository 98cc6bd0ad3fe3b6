#pragma once

#include <cairo.h>

#include <functional>

#include "ArtColor.h"

// Shared drawing helpers of the one bright arcade look: every family of pictures builds on these.

// Adds a shape to the current path; effects call it more than once.
using TPath = std::function<void(cairo_t* cr)>;

void RoundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius);
TPath RoundedRect(double x, double y, double width, double height, double radius);
TPath Circle(double cx, double cy, double radius);
TPath Ellipse(double cx, double cy, double radiusX, double radiusY);
// A closed polygon through the points (x0, y0, x1, y1, ...).
TPath Polygon(std::initializer_list<double> points);

void FillPath(cairo_t* cr, const TPath& path, TArtColor color);
void StrokePath(cairo_t* cr, const TPath& path, TArtColor color, double width);
// Vertical gradient from top (at y0) to bottom (at y1) inside the path.
void FillVertical(cairo_t* cr, const TPath& path, double y0, TArtColor top, double y1, TArtColor bottom);
void FillRadial(cairo_t* cr, const TPath& path, double cx, double cy, double radius, TArtColor inner,
                TArtColor outer);
// Ink outline centred on the path's edge.
void InkOutline(cairo_t* cr, const TPath& path, double width);

// Soft drop shadow of unrotated art, offset down-right: the silhouette four times, outlines growing 1 to 4
// px.
void DropShadow(cairo_t* cr, const TPath& path, double dx = 4, double dy = 5);
// Centred contact shadow of sprites that rotate: a soft rim, slightly lower, no baked direction.
void ContactShadow(cairo_t* cr, const TPath& path, double dy = 2.5, double spread = 1);

// Light top-left rim and darker bottom-right rim inside the shape (light from the top-left).
void Bevel(cairo_t* cr, const TPath& path, double width, TArtColor light, TArtColor dark);
// White gloss ellipse over the top half of the shape.
void Gloss(cairo_t* cr, const TPath& path, double x, double y, double width, double height, double alpha);

// A chequered field of squares starting dark at its top-left.
void Chequer(cairo_t* cr, double x, double y, int columns, int rows, double cell, TArtColor dark,
             TArtColor light);

// Three white speed lines ending at x, centred on y, spaced by gap.
void SpeedLines(cairo_t* cr, double x, double y, double length, double gap, double width, TArtColor color);

// Runs paint with the context translated to (cx, cy), rotated by degrees (clockwise) and scaled.
void Transformed(cairo_t* cr, double cx, double cy, double degrees, double scale,
                 const std::function<void()>& paint);

constexpr double Pi = 3.14159265358979323846;
constexpr double Radians(double degrees) {
  return degrees * Pi / 180.0;
}

// Clips to the tile minus a 1-px frame: sprites that rotate or scale keep a fully clear border, so linear
// filtering never pulls in the neighbouring pattern.
void KeepClearBorder(cairo_t* cr, double width, double height);

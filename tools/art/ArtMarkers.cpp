#include <cmath>

#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtRandom.h"

namespace {

void PaintSmoke(cairo_t* cr, int pattern) {
  // Puffs grow from 14 to 30 px across the five patterns while thinning out.
  const double size = 14 + pattern * 4;
  const double alpha = 0.85 - pattern * 0.13;
  TArtRandom random(0xD1 + pattern);
  const int puffs = 3 + pattern % 3;
  for (int puff = 0; puff < puffs; ++puff) {
    const double angle = 2 * Pi * puff / puffs + random.Uniform(-0.3, 0.3);
    const double r = size * random.Uniform(0.22, 0.3);
    const double d = size / 2 - r;
    const double x = 16 + d * std::cos(angle);
    const double y = 16 + d * std::sin(angle);
    FillRadial(cr, Circle(x, y, r), x - r * 0.3, y - r * 0.3, r * 1.2, WithAlpha(Hex(0xFFFFFF), alpha),
               WithAlpha(Hex(0xE8E8EE), 0));
  }
  FillRadial(cr, Circle(16, 16, size / 2 - 1), 16, 16, size / 2, WithAlpha(Hex(0xE8E8EE), alpha * 0.8),
             WithAlpha(Hex(0xE8E8EE), 0));
}

// Pointer from the left middle (its pivot) to the right: heading, direction of travel, bearing.
void PaintPointerArrow(cairo_t* cr, int row) {
  const TArtColor colours[] = {Palette::SunYellow, Palette::Sky, Palette::RacingRed};
  const TPath arrow = Polygon({1, 3.5, 56, 3.5, 56, 1, 69, 5, 56, 9, 56, 6.5, 1, 6.5});
  FillPath(cr, arrow, colours[row]);
  StrokePath(cr, arrow, WithAlpha(Palette::Ink, 0.7), 1);
}

// The player's mark, turned with the car and so nose down as the car sheets are: a lime ring round the car
// with a faint glow inside, and a chevron ahead of the nose (below the centre).
void PaintPlayerMark(cairo_t* cr) {
  constexpr double Centre = 42, Radius = 34;
  FillRadial(cr, Circle(Centre, Centre, Radius), Centre, Centre, Radius, WithAlpha(Palette::Lime, 0.04),
             WithAlpha(Palette::Lime, 0.3));
  StrokePath(cr, Circle(Centre, Centre, Radius), WithAlpha(Palette::Ink, 0.55), 6);
  StrokePath(cr, Circle(Centre, Centre, Radius), Palette::Lime, 3);
  const TPath chevron = Polygon({Centre - 12, 71, Centre, 82, Centre + 12, 71, Centre, 74});
  FillPath(cr, chevron, Palette::Lime);
  StrokePath(cr, chevron, WithAlpha(Palette::Ink, 0.8), 1.2);
}

void PaintDebugDot(cairo_t* cr, double size, TArtColor colour) {
  FillPath(cr, RoundedRect(0.5, 0.5, size - 1, size - 1, size / 3), colour);
}

}  // namespace

void DrawMarkers(TArtPackage& package) {
  package.Add("groundpoint", 4, 4,
              [](cairo_t* cr) { FillPath(cr, Circle(2, 2, 1.5), WithAlpha(Palette::White, 0.6)); });
  package.AddSheet("dim", 32, 32, 5, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 32, 32);
    PaintSmoke(cr, pattern);
  });
  package.AddSheet("arrows", 70, 10, 1, 3, [](cairo_t* cr, int pattern) { PaintPointerArrow(cr, pattern); });
}

void DrawPlayerMark(TArtPackage& race) {
  race.Add("playermark", 84, 84, [](cairo_t* cr) {
    KeepClearBorder(cr, 84, 84);
    PaintPlayerMark(cr);
  });
}

void DrawTrackMapParts(TArtPackage& race) {
  race.Add("mapplate", 150, 150, [](cairo_t* cr) {
    // A dark glass plate: the grass and the road behind it still show through.
    const TPath plate = RoundedRect(1.5, 1.5, 147, 147, 12);
    FillVertical(cr, plate, 0, WithAlpha(Palette::NavyDeep, 0.62), 150, WithAlpha(Palette::Navy, 0.5));
    StrokePath(cr, plate, WithAlpha(Palette::Sky, 0.75), 2);
  });
  race.Add("mapdot", 8, 8, [](cairo_t* cr) {
    FillPath(cr, Circle(4, 4, 3.5), WithAlpha(Palette::Ink, 0.8));
    FillPath(cr, Circle(4, 4, 2.6), Palette::White);
  });
}

void DrawTyreMark(TArtPackage& race) {
  // A strip of rubber across a tyre's width, the same all along: the game stretches it from one
  // wheel position to the next, so its ends stay opaque and the stretches of a trail join. Soft
  // sides, and two faint grooves of the tread.
  race.Add("tyremark", 16, 8, [](cairo_t* cr) {
    constexpr double kRowAlpha[] = {0, 0.3, 0.9, 0.7, 0.75, 0.9, 0.3, 0};
    for (int row = 0; row < 8; ++row)
      FillPath(cr, RoundedRect(0, row, 16, 1, 0), WithAlpha(Hex(0x16161A), kRowAlpha[row]));
  });
}

void DrawDebugMarkers(TArtPackage& race) {
  race.Add("checkpoint", 5, 5, [](cairo_t* cr) { PaintDebugDot(cr, 5, Palette::Lime); });
  race.AddSheet("actcheckpoint", 5, 5, 2, 1, [](cairo_t* cr, int pattern) {
    PaintDebugDot(cr, 5, pattern == 0 ? Palette::SunYellow : Palette::RacingRed);
  });
  race.Add("boundpoint", 5, 5, [](cairo_t* cr) { PaintDebugDot(cr, 5, Palette::Sky); });
  race.Add("eyepoint", 7, 7, [](cairo_t* cr) { PaintDebugDot(cr, 7, Hex(0xFF6FA8)); });
}

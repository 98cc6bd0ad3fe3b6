#include <cmath>
#include <string>

#include "ArtFamilies.h"
#include "ArtNature.h"
#include "ArtPaint.h"

namespace {

// Obstacles collide over their whole rectangle, so each fills its square; the 1-px clear frame stays.
void AddTrees(TArtPackage& race) {
  const int sizes[] = {64, 80, 96, 72};
  for (int tree = 0; tree < 4; ++tree) {
    const int size = sizes[tree];
    race.Add("tree" + std::to_string(tree + 1), size, size, [=](cairo_t* cr) {
      KeepClearBorder(cr, size, size);
      PaintTree(cr, size / 2.0, size / 2.0 - 0.5, size - 3, 0x7EE + tree,
                tree == 3 ? AutumnLeaves : SummerLeaves);
    });
  }
  const int firSizes[] = {64, 88};
  for (int fir = 0; fir < 2; ++fir) {
    const int size = firSizes[fir];
    race.Add("elka" + std::to_string(fir + 1), size, size, [=](cairo_t* cr) {
      KeepClearBorder(cr, size, size);
      PaintFir(cr, size / 2.0, size / 2.0 - 0.5, size - 2);
    });
  }
}

void AddBuildings(TArtPackage& race) {
  race.Add("house", 112, 88, [](cairo_t* cr) {
    KeepClearBorder(cr, 112, 88);
    PaintHouse(cr, 3, 3, 106, 80);
  });
  race.AddSheet("rock1", 48, 48, 5, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 48, 48);
    PaintRock(cr, 24, 23.5, 46, 0x50C + pattern * 17, pattern == 1 || pattern == 3);
  });
}

// One tyre of a stack seen from above: a black tread with its blocks, a grey sidewall lit from the
// top-left, the white-painted rim and the dark hole, where the rim of the tyre below shows.
void PaintStackedTyre(cairo_t* cr, double x, double y, double r) {
  FillRadial(cr, Circle(x, y, r), x - r * 0.4, y - r * 0.4, r * 1.4, Hex(0x4A4A52), Hex(0x121216));
  cairo_save(cr);
  cairo_set_line_width(cr, r * 0.16);
  SetColor(cr, Hex(0x5C5C66));
  constexpr int Blocks = 14;
  for (int block = 0; block < Blocks; ++block) {
    const double angle = 2 * Pi * block / Blocks;
    cairo_move_to(cr, x + r * 0.82 * std::cos(angle), y + r * 0.82 * std::sin(angle));
    cairo_line_to(cr, x + r * 0.98 * std::cos(angle), y + r * 0.98 * std::sin(angle));
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  StrokePath(cr, Circle(x, y, r * 0.62), Palette::White, r * 0.14);
  FillPath(cr, Circle(x, y, r * 0.5), Hex(0x0B0B0E));
  StrokePath(cr, Circle(x + r * 0.08, y + r * 0.1, r * 0.34), Hex(0x8A8A94), r * 0.07);
  StrokePath(cr, Circle(x, y, r), Palette::Ink, 1.2);
}

// A wall of tyre stacks along the arch: an inner row, an outer row and two stacks on each foot, bolted
// together over their shadow.
void PaintTyreArch(cairo_t* cr, const TPath& ring, double cx, double cy) {
  FillPath(cr, ring, WithAlpha(Hex(0x1E2418), 0.6));
  for (int tyre = 0; tyre < 4; ++tyre) {
    const double angle = Pi + Pi * (tyre + 0.5) / 4;
    PaintStackedTyre(cr, cx + 21 * std::cos(angle), cy + 18 * std::sin(angle), 7.5);
  }
  for (int tyre = 0; tyre < 7; ++tyre) {
    const double angle = Pi + Pi * tyre / 6;
    PaintStackedTyre(cr, cx + 36 * std::cos(angle), cy + 28 * std::sin(angle), 9.5);
  }
  for (double side : {-1.0, 1.0}) {
    PaintStackedTyre(cr, cx + side * 21, 47.5, 7);
    PaintStackedTyre(cr, cx + side * 36, 48, 7);
  }
}

// The arch from above: a half ring on two feet, of stone blocks, red bricks or a stack of tyres.
void PaintArch(cairo_t* cr, int pattern) {
  const double cx = 48;
  const double cy = 38;
  const double outer = 46;
  const double inner = 12;
  const TPath ring = [=](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy, outer, Pi, 2 * Pi);
    cairo_line_to(k, cx + outer, 54);
    cairo_line_to(k, cx + inner, 54);
    cairo_line_to(k, cx + inner, cy);
    cairo_arc_negative(k, cx, cy, inner, 2 * Pi, Pi);
    cairo_line_to(k, cx - inner, 54);
    cairo_line_to(k, cx - outer, 54);
    cairo_close_path(k);
  };
  ContactShadow(cr, ring, 2);
  if (pattern == 2) {
    PaintTyreArch(cr, ring, cx, cy);
    return;
  }
  const TArtColor stone = pattern == 0 ? Hex(0xA7ADB6) : Hex(0xC4553E);
  FillVertical(cr, ring, 0, Shade(stone, 0.25), 54, Shade(stone, -0.2));
  // Block joints: radial ones across the ring and one course line along it.
  cairo_save(cr);
  cairo_new_path(cr);
  ring(cr);
  cairo_clip(cr);
  const int blocks = pattern == 0 ? 9 : 14;
  cairo_set_line_width(cr, pattern == 0 ? 1.6 : 1.2);
  SetColor(cr, WithAlpha(Shade(stone, -0.5), 0.8));
  for (int block = 1; block < blocks; ++block) {
    const double angle = Pi + Pi * block / blocks;
    cairo_move_to(cr, cx + inner * std::cos(angle), cy + inner * std::sin(angle));
    cairo_line_to(cr, cx + outer * std::cos(angle), cy + outer * std::sin(angle));
  }
  cairo_stroke(cr);
  if (pattern == 1) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, (inner + outer) / 2, Pi, 2 * Pi);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 2, 46);
  cairo_line_to(cr, 32, 46);
  cairo_move_to(cr, 64, 46);
  cairo_line_to(cr, 94, 46);
  cairo_stroke(cr);
  cairo_restore(cr);
  Bevel(cr, ring, 1.5, WithAlpha(Palette::White, 0.45), WithAlpha(Palette::Black, 0.3));
  StrokePath(cr, ring, Palette::Ink, 2);
}

// A concrete barrier 12 px thick with hazard chevrons and its shadow in the last 4 px.
void PaintWall(cairo_t* cr) {
  const double length = 160;
  cairo_rectangle(cr, 0, 12, length, 4);
  SetColor(cr, WithAlpha(Palette::Black, 0.3));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 12, length, 1.5);
  SetColor(cr, WithAlpha(Palette::Black, 0.2));
  cairo_fill(cr);
  FillVertical(cr, RoundedRect(0, 0, length, 12, 0), 0, Hex(0xE4E7EC), 12, Hex(0xA9AFB8));
  cairo_save(cr);
  cairo_rectangle(cr, 0, 2.5, length, 7);
  cairo_clip(cr);
  SetColor(cr, Palette::White);
  cairo_paint(cr);
  for (int chevron = 0; chevron < 9; ++chevron) {
    const double x = chevron * 20.0 - 4;
    FillPath(cr, Polygon({x, 2.5, x + 8, 2.5, x + 13, 6, x + 8, 9.5, x, 9.5, x + 5, 6}), Palette::KerbRed);
  }
  cairo_restore(cr);
  cairo_rectangle(cr, 0, 0, length, 1);
  SetColor(cr, WithAlpha(Palette::White, 0.8));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 11, length, 1);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
}

void AddWalls(TArtPackage& race) {
  race.AddSheet("ark", 96, 56, 3, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 96, 56);
    PaintArch(cr, pattern);
  });
  race.Add("horwall", 160, 16, [](cairo_t* cr) { PaintWall(cr); });
  race.Add("vertwall", 16, 160, [](cairo_t* cr) {
    cairo_matrix_t transpose;
    cairo_matrix_init(&transpose, 0, 1, 1, 0, 0, 0);
    cairo_transform(cr, &transpose);
    PaintWall(cr);
  });
}

void AddFlowers(TArtPackage& race) {
  const TArtColor tints[] = {Palette::White, Hex(0xFF6FA8), Hex(0x9B5DE5), Palette::SunYellow};
  race.AddSheet("threeflowers", 32, 32, 4, 1, [&](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 32, 32);
    const TArtColor heart = pattern == 3 ? Palette::Orange : Palette::SunYellow;
    for (int leaf = 0; leaf < 3; ++leaf) {
      Transformed(cr, 16, 16, 40 + leaf * 120, 1, [&] {
        FillPath(cr, Ellipse(9, 0, 6, 2.6), Palette::Foliage);
        StrokePath(cr, Ellipse(9, 0, 6, 2.6), WithAlpha(Palette::Ink, 0.5), 0.8);
      });
    }
    PaintBlossom(cr, 10.5, 11, 7, tints[pattern], heart);
    PaintBlossom(cr, 21.5, 13.5, 6.5, tints[pattern], heart);
    PaintBlossom(cr, 14.5, 21.5, 6.5, tints[pattern], heart);
  });
  const TArtColor colours[] = {Palette::RacingRed, Palette::SunYellow, Hex(0xFF6FA8),
                               Hex(0x9B5DE5),      Palette::White,     Palette::Orange,
                               Palette::Sky,       Hex(0xFF3B30),      Palette::Lime};
  race.AddSheet("monoflower", 16, 16, 3, 3, [&](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 16, 16);
    const TArtColor heart = pattern == 1 ? Palette::Orange : Palette::SunYellow;
    PaintBlossom(cr, 8, 8, 6.3, colours[pattern], heart);
  });
}

}  // namespace

void DrawScenery(TArtPackage& race) {
  AddTrees(race);
  AddBuildings(race);
  AddWalls(race);
  AddFlowers(race);
}

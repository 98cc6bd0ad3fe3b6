#include <cmath>
#include <string>

#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtRandom.h"

namespace {

constexpr int Cell = 160;     // one road piece, the track grid
constexpr double Kerb = 12;   // kerb band inside the piece's edges
constexpr double Block = 20;  // kerb block length; the period of 40 divides the piece
constexpr int CornerBlocksSame = 11;

void PaintAsphalt(cairo_t* cr, const TArtTextures& textures, const TPath& area) {
  FillTextured(cr, area, textures.Asphalt.get());
}

// Kerbs of a straight running along x (the vertical straight reuses this through a transposition): red block
// first at the left end, white last at the right end.
void PaintStraightKerbs(cairo_t* cr) {
  for (double top : {0.0, Cell - Kerb}) {
    for (int block = 0; block < Cell / Block; ++block) {
      cairo_rectangle(cr, block * Block, top, Block, Kerb);
      SetColor(cr, block % 2 == 0 ? Palette::KerbRed : Palette::White);
      cairo_fill(cr);
    }
  }
  cairo_rectangle(cr, 0, 0, Cell, 1);
  cairo_rectangle(cr, 0, Cell - 1, Cell, 1);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, Kerb, Cell, 2);
  cairo_rectangle(cr, 0, Cell - Kerb - 2, Cell, 2);
  SetColor(cr, Palette::AsphaltDark);
  cairo_fill(cr);
}

void PaintStraight(cairo_t* cr, const TArtTextures& textures, bool vertical) {
  PaintAsphalt(cr, textures, RoundedRect(0, 0, Cell, Cell, 0));
  if (vertical) {
    cairo_matrix_t transpose;
    cairo_matrix_init(&transpose, 0, 1, 1, 0, 0, 0);
    cairo_transform(cr, &transpose);
  }
  PaintStraightKerbs(cr);
}

struct TCornerLayout {
  double CentreX, CentreY;  // the tile corner between the two openings
  double StartAngle;        // degrees; the arc runs 90 degrees clockwise from here
  bool StartRed;            // left or top opening at the start of the arc
  bool EndRed;
};

// Patterns 0..3 join right+bottom, left+bottom, right+top, left+top.
constexpr TCornerLayout Corners[] = {
    {Cell, Cell, 180, false, false},
    {0, Cell, 270, true, false},
    {Cell, 0, 90, false, true},
    {0, 0, 0, true, true},
};

TPath Sector(double cx, double cy, double inner, double outer, double from, double to) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, outer, Radians(from), Radians(to));
    if (inner > 0) {
      cairo_arc_negative(cr, cx, cy, inner, Radians(to), Radians(from));
    } else {
      cairo_line_to(cr, cx, cy);
    }
    cairo_close_path(cr);
  };
}

void PaintCorner(cairo_t* cr, const TArtTextures& textures, const TCornerLayout& c) {
  const double from = c.StartAngle;
  const double to = c.StartAngle + 90;
  // Asphalt under the whole quarter disc, then the kerbs over it, so no seam lets the grass through.
  PaintAsphalt(cr, textures, Sector(c.CentreX, c.CentreY, 0, Cell, from, to));
  // Outer kerb: an odd count when both ends share a colour, even when they differ.
  const int blocks = c.StartRed == c.EndRed ? CornerBlocksSame : CornerBlocksSame + 1;
  FillPath(cr, Sector(c.CentreX, c.CentreY, Cell - Kerb, Cell, from, to), Palette::White);
  for (int block = 0; block < blocks; ++block) {
    const double a0 = from + 90.0 * block / blocks;
    const double a1 = from + 90.0 * (block + 1) / blocks;
    if ((block % 2 == 0) == c.StartRed) {
      FillPath(cr, Sector(c.CentreX, c.CentreY, Cell - Kerb, Cell, a0, a1), Palette::KerbRed);
    }
  }
  FillPath(cr, Sector(c.CentreX, c.CentreY, Cell - 1, Cell, from, to), Palette::Ink);
  FillPath(cr, Sector(c.CentreX, c.CentreY, Cell - Kerb - 2, Cell - Kerb, from, to), Palette::AsphaltDark);
  // Inner kerb: a quarter disc, split on the diagonal when its two edges differ in colour.
  const double mid = from + 45;
  FillPath(cr, Sector(c.CentreX, c.CentreY, 0, Kerb, from, mid),
           c.StartRed ? Palette::KerbRed : Palette::White);
  FillPath(cr, Sector(c.CentreX, c.CentreY, 0, Kerb, mid, to), c.EndRed ? Palette::KerbRed : Palette::White);
  FillPath(cr, Sector(c.CentreX, c.CentreY, Kerb, Kerb + 2, from, to), Palette::AsphaltDark);
}

// Road paint wears: erase seeded flecks from what was painted, more at higher wear.
void Wear(cairo_t* cr, double width, double height, int level, std::uint64_t seed) {
  TArtRandom random(seed);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  const int flecks = static_cast<int>(width * height * (0.02 + 0.045 * level));
  for (int fleck = 0; fleck < flecks; ++fleck) {
    const double x = random.Uniform(0, width);
    const double y = random.Uniform(0, height);
    FillPath(cr, Circle(x, y, random.Uniform(0.5, 1.2)), WithAlpha(Palette::Black, random.Uniform(0.4, 1.0)));
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void PaintMark(cairo_t* cr, const TPath& mark, double width, double height, int level, std::uint64_t seed) {
  cairo_push_group(cr);
  FillPath(cr, mark, WithAlpha(Palette::RoadPaint, 0.92));
  Wear(cr, width, height, level, seed);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void AddLaneMarks(TArtPackage& race) {
  race.AddSheet("rom", 24, 24, 5, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 24, 24);
    PaintMark(cr, Polygon({12, 2, 22, 12, 12, 22, 2, 12}), 24, 24, pattern, 0x40 + pattern);
  });
  race.AddSheet("romhor", 80, 16, 1, 5, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 80, 16);
    PaintMark(cr, RoundedRect(8, 5, 64, 6, 1.5), 80, 16, pattern, 0x50 + pattern);
  });
  race.AddSheet("romver", 16, 80, 5, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 16, 80);
    PaintMark(cr, RoundedRect(5, 8, 6, 64, 1.5), 16, 80, pattern, 0x60 + pattern);
  });
}

void AddGridPaint(TArtPackage& race) {
  race.Add("inplace", 44, 72, [](cairo_t* cr) {
    KeepClearBorder(cr, 44, 72);
    // A U-shaped start box open to the front, with a chevron pointing the way. It takes the sprite angle
    // of the car on it, so it faces down as the car sheets do.
    const TPath box = [](cairo_t* k) {
      cairo_move_to(k, 4.5, 66);
      cairo_line_to(k, 4.5, 4.5);
      cairo_line_to(k, 39.5, 4.5);
      cairo_line_to(k, 39.5, 66);
    };
    StrokePath(cr, box, WithAlpha(Palette::RoadPaint, 0.95), 3);
    const TPath chevron = [](cairo_t* k) {
      cairo_move_to(k, 15, 52);
      cairo_line_to(k, 22, 59);
      cairo_line_to(k, 29, 52);
    };
    StrokePath(cr, chevron, WithAlpha(Palette::SunYellow, 0.95), 3);
  });
  race.Add("startline", 160, 32, [](cairo_t* cr) {
    KeepClearBorder(cr, 160, 32);
    Chequer(cr, 0, 0, 10, 2, 16, Hex(0x15151C), Palette::White);
    StrokePath(cr, RoundedRect(2, 2, 156, 28, 0), Palette::White, 2);
  });
  race.Add("fline", 160, 32, [](cairo_t* cr) {
    KeepClearBorder(cr, 160, 32);
    FillPath(cr, RoundedRect(1, 1, 158, 30, 0), WithAlpha(Palette::White, 0.45));
  });
  race.Add("checkline", Cell, Cell, [](cairo_t* cr) {
    KeepClearBorder(cr, Cell, Cell);
    // A light glow hugging the inside of the ring, fading to clear within 26 px: pale enough to read as
    // light on dark asphalt at the line's lowest alpha, and leaving the middle of the road clear (a wide
    // wash of faint yellow over the asphalt reads as a dirty smudge).
    constexpr int GlowSteps = 13;
    for (int step = 0; step < GlowSteps; ++step) {
      const double inset = 8 + step * 2;
      const double fade = 1 - step / double(GlowSteps);
      StrokePath(cr, RoundedRect(inset, inset, Cell - 2 * inset, Cell - 2 * inset, 22 - step * 0.8),
                 WithAlpha(Hex(0xFFF3B0), 0.55 * fade * fade), 2.2);
    }
    const double dashes[] = {14, 8};
    cairo_set_dash(cr, dashes, 2, 0);
    StrokePath(cr, RoundedRect(5, 5, Cell - 10, Cell - 10, 22), WithAlpha(Palette::Ink, 0.7), 8);
    StrokePath(cr, RoundedRect(5, 5, Cell - 10, Cell - 10, 22), Palette::SunYellow, 6);
    cairo_set_dash(cr, nullptr, 0, 0);
  });
}

// The run-off on the outside of a bend, where the corner piece leaves the ground showing (it counts as
// road): gravel in the forest, sand in the dry country, ploughed snow in the valley.
struct TRunOff {
  TArtColor Base, Grain;
};

TRunOff RunOffOf(TTrackTheme theme) {
  switch (theme) {
    case TTrackTheme::Autumn:
      return {Hex(0xA89476), Hex(0x7D6A52)};
    case TTrackTheme::Desert:
      return {Hex(0xF0D9A0), Hex(0xC7A76A)};
    default:
      return {Hex(0xF7FAFD), Hex(0xB9CBE0)};
  }
}

void PaintRunOff(cairo_t* cr, const TCornerLayout& c, TTrackTheme theme, int pattern) {
  const TRunOff runOff = RunOffOf(theme);
  SetColor(cr, runOff.Base);
  cairo_paint(cr);
  TArtRandom random(0x2F0 + pattern);
  for (int grain = 0; grain < 420; ++grain) {
    const double x = random.Uniform(0, Cell);
    const double y = random.Uniform(0, Cell);
    FillPath(cr, Circle(x, y, random.Uniform(0.5, 1.4)), WithAlpha(runOff.Grain, random.Uniform(0.3, 0.8)));
  }
  // Raked arcs following the bend, and a darker lip where the run-off meets the ground.
  for (double radius = Cell + 10; radius < Cell * 1.42; radius += 12) {
    StrokePath(cr, Sector(c.CentreX, c.CentreY, radius, radius + 1.2, c.StartAngle, c.StartAngle + 90),
               WithAlpha(runOff.Grain, 0.35), 1);
  }
}

void DrawThemedGround(TArtPackage& race, const TArtTextures& textures) {
  for (int index = 1; index < kThemeCount; ++index) {
    const auto theme = TTrackTheme(index);
    const std::string suffix = ThemeSuffix(theme);
    race.Add("grass" + suffix, 256, 256, [&](cairo_t* cr) {
      cairo_set_source_surface(cr, textures.Ground(theme), 0, 0);
      cairo_paint(cr);
    });
    race.AddSheet("roadroters" + suffix, Cell, Cell, 2, 2, [&](cairo_t* cr, int pattern) {
      PaintRunOff(cr, Corners[pattern], theme, pattern);
      PaintCorner(cr, textures, Corners[pattern]);
    });
  }
}

}  // namespace

void DrawRoad(TArtPackage& race, const TArtTextures& textures) {
  race.Add("grass", 256, 256, [&](cairo_t* cr) {
    cairo_set_source_surface(cr, textures.Grass.get(), 0, 0);
    cairo_paint(cr);
  });
  race.Add("roadstr", Cell, Cell, [&](cairo_t* cr) { PaintStraight(cr, textures, false); });
  race.Add("roadstrvert", Cell, Cell, [&](cairo_t* cr) { PaintStraight(cr, textures, true); });
  race.AddSheet("roadroters", Cell, Cell, 2, 2,
                [&](cairo_t* cr, int pattern) { PaintCorner(cr, textures, Corners[pattern]); });
  AddGridPaint(race);
  AddLaneMarks(race);
  DrawThemedGround(race, textures);
}

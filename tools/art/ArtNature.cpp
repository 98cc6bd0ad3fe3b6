#include "ArtNature.h"

#include <cmath>
#include <vector>

#include "ArtPaint.h"
#include "ArtRandom.h"

namespace {

struct TCluster {
  double X, Y, R;
};

// How far a shape reaches at this angle when it is to fill a square rather than a disc.
double SquareReach(double angle, double squareness) {
  return 1.0 / std::pow(std::max(std::fabs(std::cos(angle)), std::fabs(std::sin(angle))), squareness);
}

std::vector<TCluster> CanopyClusters(double size, std::uint64_t seed) {
  TArtRandom random(seed);
  const int around = 7 + random.Below(2);
  const double turn = random.Uniform(0, 2 * Pi);
  std::vector<TCluster> clusters;
  for (int i = 0; i < around; ++i) {
    const double angle = turn + 2 * Pi * i / around + random.Uniform(-0.15, 0.15);
    const double distance = size * random.Uniform(0.27, 0.29) * SquareReach(angle, 1.0);
    const double radius = size * random.Uniform(0.22, 0.24);
    const double reach = std::min(1.0, (size * 0.5 - 1) / (distance + radius));
    clusters.push_back({distance * reach * std::cos(angle), distance * reach * std::sin(angle), radius});
  }
  clusters.push_back({random.Uniform(-1, 1), random.Uniform(-1, 1), size * 0.3});
  return clusters;
}

TPath CanopyUnion(const std::vector<TCluster>& clusters, double cx, double cy) {
  return [=](cairo_t* cr) {
    for (const TCluster& c : clusters) Circle(cx + c.X, cy + c.Y, c.R)(cr);
  };
}

}  // namespace

void PaintTree(cairo_t* cr, double cx, double cy, double size, std::uint64_t seed, const TFoliage& leaves) {
  const std::vector<TCluster> clusters = CanopyClusters(size, seed);
  const TPath canopy = CanopyUnion(clusters, cx, cy);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  ContactShadow(cr, canopy, 2);
  StrokePath(cr, canopy, Palette::Ink, 3.5);
  FillPath(cr, canopy, leaves.Dark);
  for (const TCluster& c : clusters) {
    const double x = cx + c.X;
    const double y = cy + c.Y;
    FillPath(cr, Circle(x, y, c.R), leaves.Dark);
    FillPath(cr, Circle(x - c.R * 0.08, y - c.R * 0.08, c.R * 0.9), leaves.Base);
    cairo_save(cr);
    cairo_new_path(cr);
    Circle(x, y, c.R)(cr);
    cairo_clip(cr);
    FillPath(cr, Circle(x - c.R * 0.3, y - c.R * 0.3, c.R * 0.62), WithAlpha(leaves.Light, 0.75));
    FillPath(cr, Circle(x - c.R * 0.12, y - c.R * 0.12, c.R * 0.6), leaves.Base);
    cairo_restore(cr);
  }
  TArtRandom random(seed * 31 + 7);
  for (int dot = 0; dot < static_cast<int>(size / 3); ++dot) {
    const double angle = random.Uniform(0, 2 * Pi);
    const double distance = random.Uniform(0, size * 0.4);
    FillPath(cr, Circle(cx + distance * std::cos(angle), cy + distance * std::sin(angle), size * 0.022),
             WithAlpha(leaves.Light, 0.9));
  }
}

void PaintFir(cairo_t* cr, double cx, double cy, double size, const TNeedles& needles) {
  auto star = [=](double outer, double inner, double turn) -> TPath {
    return [=](cairo_t* c) {
      cairo_new_sub_path(c);
      for (int i = 0; i < 18; ++i) {
        const double angle = turn + Pi * i / 9;
        const double r = (i % 2 == 0 ? outer : inner) * std::min(1.36, SquareReach(angle, 0.9));
        cairo_line_to(c, cx + r * std::cos(angle), cy + r * std::sin(angle));
      }
      cairo_close_path(c);
    };
  };
  const double r = size * 0.48;
  const TPath outer = star(r, r * 0.86, -Pi / 4);
  ContactShadow(cr, outer, 2);
  StrokePath(cr, outer, Palette::Ink, 3);
  FillPath(cr, outer, Shade(needles.Base, -0.15));
  const TArtColor layers[] = {needles.Base, Mix(needles.Base, needles.Light, 0.6),
                              Shade(needles.Light, 0.12)};
  for (int layer = 0; layer < 3; ++layer) {
    const double scale = 1.0 - layer * 0.3;
    const TPath shape = star(r * scale * 0.96, r * scale * 0.74, -Pi / 4 + Pi / 9 * layer * 0.5);
    FillPath(cr, shape, layers[layer]);
    cairo_save(cr);
    cairo_translate(cr, 1.2, 1.5);
    StrokePath(cr, shape, WithAlpha(Palette::Black, 0.18), 1.2);
    cairo_restore(cr);
  }
  FillPath(cr, Circle(cx, cy, size * 0.06), Hex(0x7A4A26));
  StrokePath(cr, Circle(cx, cy, size * 0.06), Palette::Ink, 1);
}

void PaintRock(cairo_t* cr, double cx, double cy, double size, std::uint64_t seed, bool moss,
               const TStone& stone) {
  TArtRandom random(seed);
  const int sides = 7 + random.Below(3);
  const double turn = random.Uniform(0, 2 * Pi);
  std::vector<double> xs;
  std::vector<double> ys;
  for (int i = 0; i < sides; ++i) {
    const double angle = turn + 2 * Pi * i / sides + random.Uniform(-0.15, 0.15);
    const double r = size * 0.48 * random.Uniform(0.92, 1.0) * std::min(1.4, SquareReach(angle, 1.0));
    xs.push_back(cx + r * std::cos(angle));
    ys.push_back(cy + r * std::sin(angle));
  }
  const TPath outline = [=](cairo_t* c) {
    cairo_new_sub_path(c);
    for (int i = 0; i < sides; ++i) cairo_line_to(c, xs[i], ys[i]);
    cairo_close_path(c);
  };
  ContactShadow(cr, outline, 2);
  FillPath(cr, outline, stone.Base);
  // Facets from a ridge point up-left of the centre: faces turned to the top-left light are lighter.
  const double px = cx - size * 0.08;
  const double py = cy - size * 0.1;
  for (int i = 0; i < sides; ++i) {
    const int j = (i + 1) % sides;
    const double nx = (ys[j] - ys[i]);
    const double ny = -(xs[j] - xs[i]);
    const double facing = -(nx + ny) / (std::hypot(nx, ny) * std::sqrt(2.0));
    const TArtColor face =
        facing > 0 ? Mix(stone.Base, stone.Light, facing) : Mix(stone.Base, stone.Dark, -facing);
    FillPath(cr, Polygon({px, py, xs[i], ys[i], xs[j], ys[j]}), face);
    StrokePath(cr, Polygon({px, py, xs[i], ys[i]}), WithAlpha(stone.Dark, 0.5), 1);
  }
  FillPath(cr, Circle(px, py, size * 0.05), WithAlpha(Palette::White, 0.5));
  if (moss) {
    FillPath(cr, Ellipse(cx + size * 0.12, cy + size * 0.14, size * 0.13, size * 0.09), Hex(0x6E9E3A, 0.95));
    FillPath(cr, Ellipse(cx + size * 0.09, cy + size * 0.11, size * 0.06, size * 0.04), Hex(0x9CCB5A));
  }
  StrokePath(cr, outline, Palette::Ink, 2);
}

void PaintBlossom(cairo_t* cr, double cx, double cy, double radius, TArtColor petals, TArtColor heart) {
  const int count = 6;
  for (int i = 0; i < count; ++i) {
    const double angle = 2 * Pi * i / count;
    Transformed(cr, cx, cy, angle * 180 / Pi, 1, [&] {
      const TPath petal = Ellipse(radius * 0.55, 0, radius * 0.48, radius * 0.3);
      FillPath(cr, petal, petals);
      StrokePath(cr, petal, WithAlpha(Palette::Ink, 0.6), 0.8);
    });
  }
  FillPath(cr, Circle(cx, cy, radius * 0.32), heart);
  StrokePath(cr, Circle(cx, cy, radius * 0.32), WithAlpha(Shade(heart, -0.4), 0.8), 0.8);
}

void PaintHouse(cairo_t* cr, double x, double y, double width, double height, const TRoofColours& colours) {
  const double inset = height * 0.42;
  const double ridgeLeft = x + inset;
  const double ridgeRight = x + width - inset;
  const double midY = y + height / 2;
  const TPath roof = RoundedRect(x, y, width, height, 3);
  ContactShadow(cr, roof, 2.5);
  FillPath(cr, roof, colours.Roof);
  // Four faces: top and left lit, bottom and right in shade.
  FillPath(cr, Polygon({x, y, x + width, y, ridgeRight, midY, ridgeLeft, midY}), Shade(colours.Ridge, 0.05));
  FillPath(cr, Polygon({x, y, ridgeLeft, midY, x, y + height}), colours.Ridge);
  FillPath(cr, Polygon({x + width, y, x + width, y + height, ridgeRight, midY}), Shade(colours.Roof, -0.18));
  FillPath(cr, Polygon({x, y + height, ridgeLeft, midY, ridgeRight, midY, x + width, y + height}),
           Shade(colours.Roof, -0.1));
  // Tile rows on the long faces.
  cairo_set_line_width(cr, 1);
  for (int row = 1; row < 4; ++row) {
    const double t = row / 4.0;
    SetColor(cr, WithAlpha(Palette::Ink, 0.18));
    cairo_move_to(cr, x + inset * t, y + (midY - y) * t);
    cairo_line_to(cr, x + width - inset * t, y + (midY - y) * t);
    cairo_move_to(cr, x + inset * t, y + height - (midY - y) * t);
    cairo_line_to(cr, x + width - inset * t, y + height - (midY - y) * t);
    cairo_stroke(cr);
  }
  StrokePath(cr, Polygon({x, y, ridgeLeft, midY, x, y + height}), WithAlpha(Palette::Ink, 0.55), 1.2);
  StrokePath(cr, Polygon({x + width, y, ridgeRight, midY, x + width, y + height}),
             WithAlpha(Palette::Ink, 0.55), 1.2);
  StrokePath(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, ridgeLeft, midY);
        cairo_line_to(c, ridgeRight, midY);
      },
      Shade(colours.Ridge, 0.3), 2.5);
  // Chimney with its own small shadow.
  const double cw = width * 0.11;
  const double chimneyX = x + width * 0.66;
  const double chimneyY = y + height * 0.16;
  FillPath(cr, RoundedRect(chimneyX + 3, chimneyY + 3, cw, cw, 1), WithAlpha(Palette::Black, 0.3));
  FillPath(cr, RoundedRect(chimneyX, chimneyY, cw, cw, 1), Hex(0x9A5A44));
  FillPath(cr, RoundedRect(chimneyX + 2, chimneyY + 2, cw - 4, cw - 4, 1), Hex(0x3A2A24));
  StrokePath(cr, RoundedRect(chimneyX, chimneyY, cw, cw, 1), Palette::Ink, 1.5);
  // Gutter line and outline.
  StrokePath(cr, RoundedRect(x + 2.5, y + 2.5, width - 5, height - 5, 2), WithAlpha(Palette::White, 0.35), 1);
  StrokePath(cr, roof, Palette::Ink, 2);
}

#include <numbers>
#include <utility>
#include <vector>

#include "ArtFamilies.h"
#include "ArtPaint.h"

// The diagonal road the game draws across each step of a staircase of bends: a straight road of the
// grid road's full width, run along the picture's x axis from one side of a step to the other and
// turned by the game. Patterns: 0 both ends cut square, where the diagonal goes on; 1 and 2 the back
// end (left) mitred into the grid road turning off clockwise or anticlockwise; 3 and 4 both ends
// mitred (a single step), the front end into a road parallel to the back end's.

namespace {

constexpr double Cell = 160;
constexpr double Half = Cell / 2;                           // half the road's width
constexpr double Kerb = 12;                                 // as the grid road's kerbs
constexpr double Run = Cell / std::numbers::sqrt2;          // from a step's middle to the next one's
constexpr double Block = Run / 6;                           // kerb blocks: three pairs between two steps
constexpr double Mitre = Half * (std::numbers::sqrt2 - 1);  // tan 22.5 degrees: the mitre's lean
constexpr int TileWidth = 352, TileHeight = 168;            // room for the mitred ends, with a clear border

struct TPoint {
  double X, Y;
};

// The back end (x < 0) from the top edge of the road to its bottom edge: the diagonal's end, and the
// grid road's corner beyond a mitre. turn: 0 square, 1 the grid road leaves up-left, -1 down-left.
struct TEnd {
  std::vector<TPoint> Diagonal;
  std::vector<TPoint> Corner;  // empty at a square end
};

TEnd BackEnd(int turn) {
  if (turn == 0) return {{{-Run, -Half}, {-Run, Half}}, {}};
  // Drawn for turn 1 and mirrored top to bottom for -1. The corner reaches a little over the side of
  // the bend's cell into the grid road's piece, so that no seam of ground shows between them.
  const double root = 1 / std::numbers::sqrt2, over = 2 * root;
  const TPoint inner{-Run + Mitre, -Half}, knee{-Run, 0}, outer{-Run - Mitre, Half};
  const TPoint cellCorner{-Run - Half * root - over, Half * root - over};
  TEnd end{{inner, knee, outer}, {knee, {knee.X - over, knee.Y - over}, cellCorner, outer}};
  if (turn < 0) {
    for (auto* points : {&end.Diagonal, &end.Corner})
      for (TPoint& point : *points) point.Y = -point.Y;
    std::swap(end.Diagonal.front(), end.Diagonal.back());
  }
  return end;
}

// The front end is the back end turned half round: a single step is the same from either end.
TEnd FrontEnd(int turn) {
  TEnd end = BackEnd(turn);
  for (auto* points : {&end.Diagonal, &end.Corner})
    for (TPoint& point : *points) point = {-point.X, -point.Y};
  return end;
}

void AddPoints(cairo_t* cr, const std::vector<TPoint>& points) {
  for (const TPoint& point : points) cairo_line_to(cr, point.X, point.Y);
}

TPath Shape(const std::vector<TPoint>& back, const std::vector<TPoint>& front) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    AddPoints(cr, back);
    AddPoints(cr, front);
    cairo_close_path(cr);
  };
}

// The kerbs down both sides of the diagonal, blocks centred on the step's middle so that pieces a
// step apart match where they overlap.
void PaintDiagonalKerbs(cairo_t* cr) {
  for (const double top : {-Half, Half - Kerb}) {
    for (int block = -9; block <= 9; ++block) {
      cairo_rectangle(cr, (block - 0.5) * Block, top, Block, Kerb);
      SetColor(cr, block % 2 == 0 ? Palette::KerbRed : Palette::White);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, -TileWidth / 2.0, top < 0 ? -Half : Half - 1, TileWidth, 1);
    SetColor(cr, Palette::Ink);
    cairo_fill(cr);
    cairo_rectangle(cr, -TileWidth / 2.0, top < 0 ? -Half + Kerb : Half - Kerb - 2, TileWidth, 2);
    SetColor(cr, Palette::AsphaltDark);
    cairo_fill(cr);
  }
}

// The grid road's kerb on the outside of the mitre, along the corner's outer edge.
void PaintCornerKerb(cairo_t* cr, const std::vector<TPoint>& corner) {
  const TPoint from = corner[2], to = corner[3];
  const TPath edge = [=](cairo_t* k) {
    cairo_move_to(k, from.X, from.Y);
    cairo_line_to(k, to.X, to.Y);
  };
  StrokePath(cr, edge, Palette::KerbRed, 2 * Kerb);
  StrokePath(cr, edge, Palette::Ink, 2);
}

void PaintPiece(cairo_t* cr, const TArtTextures& textures, const TEnd& back, const TEnd& front) {
  cairo_translate(cr, TileWidth / 2.0, TileHeight / 2.0);
  const TPath diagonal = Shape(back.Diagonal, front.Diagonal);
  // The asphalt in one fill, so that no seam shows where the mitres join.
  const TPath road = [&](cairo_t* k) {
    diagonal(k);
    for (const TEnd* end : {&back, &front})
      if (!end->Corner.empty()) Shape(end->Corner, {})(k);
  };
  FillTextured(cr, road, textures.Asphalt.get(), 0, 0);
  for (const TEnd* end : {&back, &front}) {
    if (end->Corner.empty()) continue;
    cairo_save(cr);
    Shape(end->Corner, {})(cr);
    cairo_clip(cr);
    PaintCornerKerb(cr, end->Corner);
    cairo_restore(cr);
  }
  cairo_save(cr);
  diagonal(cr);
  cairo_clip(cr);
  PaintDiagonalKerbs(cr);
  cairo_restore(cr);
}

}  // namespace

void DrawDiagonalRoad(TArtPackage& race, const TArtTextures& textures) {
  struct TEnds {
    int Back, Front;
  };
  constexpr TEnds patterns[] = {{0, 0}, {1, 0}, {-1, 0}, {1, 1}, {-1, -1}};
  race.AddSheet("roaddiag", TileWidth, TileHeight, 1, 5, [&](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, TileWidth, TileHeight);
    const TEnds ends = patterns[pattern];
    PaintPiece(cr, textures, BackEnd(ends.Back), FrontEnd(ends.Front));
  });
}

#pragma once

#include <cairo.h>

#include <cstdint>

#include "ArtColor.h"

// Scenery painters shared by the race obstacles and the menu scenes. Each paints centred on (cx, cy) and
// stays inside the square of the given size, contact shadow included.

struct TFoliage {
  TArtColor Base;
  TArtColor Dark;
  TArtColor Light;
};

constexpr TFoliage SummerLeaves{Palette::Foliage, Palette::FoliageDark, Palette::FoliageLight};
constexpr TFoliage AutumnLeaves{Hex(0xF28C28), Hex(0xC0611B), Hex(0xFFC15E)};

// A round tree seen from above: 5 to 7 overlapping leaf clusters.
void PaintTree(cairo_t* cr, double cx, double cy, double size, std::uint64_t seed, const TFoliage& leaves);
struct TNeedles {
  TArtColor Base;
  TArtColor Light;  // the top layer leans towards it
};
constexpr TNeedles GreenNeedles{Palette::Fir, Palette::FirLight};

struct TStone {
  TArtColor Base;
  TArtColor Light;
  TArtColor Dark;
};
constexpr TStone GreyStone{Palette::Rock, Palette::RockLight, Palette::RockDark};

// A fir from above: three stacked nine-point stars round a trunk dot.
void PaintFir(cairo_t* cr, double cx, double cy, double size, const TNeedles& needles = GreenNeedles);
// A faceted boulder; moss adds a green patch.
void PaintRock(cairo_t* cr, double cx, double cy, double size, std::uint64_t seed, bool moss,
               const TStone& stone = GreyStone);
// A daisy-like blossom of the given petal colour.
void PaintBlossom(cairo_t* cr, double cx, double cy, double radius, TArtColor petals, TArtColor heart);
// A hipped roof seen from above with a chimney.
struct TRoofColours {
  TArtColor Roof;
  TArtColor Ridge;
};
constexpr TRoofColours TiledRoof{Palette::Roof, Palette::Ridge};
void PaintHouse(cairo_t* cr, double x, double y, double width, double height,
                const TRoofColours& colours = TiledRoof);

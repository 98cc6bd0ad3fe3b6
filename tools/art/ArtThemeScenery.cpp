#include <cmath>
#include <string>

#include "ArtFamilies.h"
#include "ArtNature.h"
#include "ArtPaint.h"
#include "ArtRandom.h"

// The scenery of the autumn forest, the dry sandy country and the snowy valley: each picture the size of
// the meadow's picture it stands in for (the whole rectangle collides, so the races stay the same), with
// the theme's suffix after its name.

namespace {

const int TreeSizes[] = {64, 80, 96, 72};
const int FirSizes[] = {64, 88};

void AddTree(TArtPackage& race, const std::string& name, int size, const TPicturePainter& paint) {
  race.Add(name, size, size, [=](cairo_t* cr) {
    KeepClearBorder(cr, size, size);
    paint(cr);
  });
}

// Light specks strewn over a crown: snow on branches, spines on a cactus.
void Specks(cairo_t* cr, double cx, double cy, double size, std::uint64_t seed, TArtColor colour, int count) {
  TArtRandom random(seed);
  for (int speck = 0; speck < count; ++speck) {
    const double angle = random.Uniform(0, 2 * Pi);
    const double distance = random.Uniform(0, size * 0.42);
    FillPath(cr,
             Circle(cx + distance * std::cos(angle), cy + distance * std::sin(angle),
                    random.Uniform(0.6, 1.6) * size / 48),
             colour);
  }
}

// A palm from above: a round crown under long fronds with their midribs, and the trunk's top.
void PaintPalm(cairo_t* cr, double size, std::uint64_t seed) {
  const double c = size / 2.0;
  const TFoliage crown{Hex(0x4E8A2E), Hex(0x36661E), Hex(0x7DB247)};
  PaintTree(cr, c, c - 0.5, size - 3, seed, crown);
  TArtRandom random(seed);
  const int fronds = 9;
  const double turn = random.Uniform(0, 60);
  for (int frond = 0; frond < fronds; ++frond) {
    Transformed(cr, c, c, turn + frond * 360.0 / fronds, 1, [&] {
      const TPath leaf = Ellipse(size * 0.24, 0, size * 0.22, size * 0.07);
      FillPath(cr, leaf, Hex(0x6FA83A));
      StrokePath(cr, leaf, WithAlpha(Palette::Ink, 0.55), 1);
      StrokePath(cr, Polygon({size * 0.03, 0, size * 0.45, 0}), WithAlpha(Hex(0xD8E89A), 0.8), 1);
    });
  }
  FillPath(cr, Circle(c, c, size * 0.07), Hex(0x8A5A2E));
  StrokePath(cr, Circle(c, c, size * 0.07), Palette::Ink, 1);
}

void AddAutumnTrees(TArtPackage& race) {
  const TFoliage leaves[] = {{Hex(0xD9432B), Hex(0xA8301F), Hex(0xF27A55)},
                             AutumnLeaves,
                             {Hex(0xF2C230), Hex(0xC99A1A), Hex(0xFFE27A)},
                             {Hex(0xB5652A), Hex(0x8A4A1C), Hex(0xD98F4E)}};
  for (int tree = 0; tree < 4; ++tree) {
    const int size = TreeSizes[tree];
    AddTree(race, "tree" + std::to_string(tree + 1) + "_autumn", size, [=](cairo_t* cr) {
      PaintTree(cr, size / 2.0, size / 2.0 - 0.5, size - 3, 0xA70 + tree, leaves[tree]);
    });
  }
  const TNeedles darkFir{Hex(0x17523F), Hex(0x3F7F5A)};
  for (int fir = 0; fir < 2; ++fir) {
    const int size = FirSizes[fir];
    AddTree(race, "elka" + std::to_string(fir + 1) + "_autumn", size,
            [=](cairo_t* cr) { PaintFir(cr, size / 2.0, size / 2.0 - 0.5, size - 2, darkFir); });
  }
}

void AddDesertTrees(TArtPackage& race) {
  const TFoliage scrub{Hex(0x9AA04A), Hex(0x6E7431), Hex(0xC6CB78)};
  const TFoliage acacia{Hex(0x7F9440), Hex(0x5A6A2A), Hex(0xB3C46A)};
  for (int tree = 0; tree < 4; ++tree) {
    const int size = TreeSizes[tree];
    AddTree(race, "tree" + std::to_string(tree + 1) + "_sand", size, [=](cairo_t* cr) {
      if (tree % 2 == 0) {
        PaintPalm(cr, size, 0x5A0 + tree);
      } else {
        PaintTree(cr, size / 2.0, size / 2.0 - 0.5, size - 3, 0x5A0 + tree, tree == 1 ? scrub : acacia);
      }
    });
  }
  // Prickly pear cactus patches in place of the firs: pads with white spines and a few pink blossoms.
  const TFoliage pads{Hex(0x3F9A6A), Hex(0x2A7050), Hex(0x7FCB9A)};
  for (int fir = 0; fir < 2; ++fir) {
    const int size = FirSizes[fir];
    AddTree(race, "elka" + std::to_string(fir + 1) + "_sand", size, [=](cairo_t* cr) {
      const double c = size / 2.0;
      PaintTree(cr, c, c - 0.5, size - 3, 0xCAC + fir, pads);
      Specks(cr, c, c, size, 0xC5 + fir, WithAlpha(Palette::White, 0.9), size / 2);
      TArtRandom random(0xB10 + fir);
      for (int blossom = 0; blossom < 3; ++blossom) {
        const double angle = random.Uniform(0, 2 * Pi);
        const double distance = size * random.Uniform(0.1, 0.3);
        PaintBlossom(cr, c + distance * std::cos(angle), c + distance * std::sin(angle), size * 0.06,
                     Hex(0xFF6FA8), Palette::SunYellow);
      }
    });
  }
}

void AddAlpineTrees(TArtPackage& race) {
  const TFoliage snowLaden{Hex(0xE6EDF5), Hex(0xAFC2D6), Hex(0xFFFFFF)};
  const TFoliage wintergreen{Hex(0x3E7A62), Hex(0x285846), Hex(0x6FA88C)};
  for (int tree = 0; tree < 4; ++tree) {
    const int size = TreeSizes[tree];
    AddTree(race, "tree" + std::to_string(tree + 1) + "_snow", size, [=](cairo_t* cr) {
      const double c = size / 2.0;
      PaintTree(cr, c, c - 0.5, size - 3, 0x5E0 + tree, tree % 2 == 0 ? snowLaden : wintergreen);
      if (tree % 2 == 1) Specks(cr, c, c, size, 0x5E5 + tree, WithAlpha(Palette::White, 0.95), size);
    });
  }
  const TNeedles snowyNeedles{Hex(0x24584A), Hex(0xF6FAFF)};
  for (int fir = 0; fir < 2; ++fir) {
    const int size = FirSizes[fir];
    AddTree(race, "elka" + std::to_string(fir + 1) + "_snow", size,
            [=](cairo_t* cr) { PaintFir(cr, size / 2.0, size / 2.0 - 0.5, size - 2, snowyNeedles); });
  }
}

void AddThemeBuildings(TArtPackage& race, const std::string& suffix, const TRoofColours& roof,
                       const TStone& stone, bool moss) {
  race.Add("house" + suffix, 112, 88, [=](cairo_t* cr) {
    KeepClearBorder(cr, 112, 88);
    PaintHouse(cr, 3, 3, 106, 80, roof);
  });
  race.AddSheet("rock1" + suffix, 48, 48, 5, 1, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 48, 48);
    PaintRock(cr, 24, 23.5, 46, 0x50C + pattern * 17, moss, stone);
  });
}

// A fallen leaf: an oval blade with its midrib.
void PaintLeaf(cairo_t* cr, double cx, double cy, double length, double angle, TArtColor colour) {
  Transformed(cr, cx, cy, angle, 1, [&] {
    const TPath blade = Ellipse(0, 0, length / 2, length * 0.28);
    FillPath(cr, blade, colour);
    StrokePath(cr, blade, WithAlpha(Palette::Ink, 0.6), 0.8);
    StrokePath(cr, Polygon({-length / 2, 0, length / 2, 0}), WithAlpha(Shade(colour, -0.4), 0.9), 0.7);
  });
}

// A tuft of dry grass: blades fanning out from one root.
void PaintTuft(cairo_t* cr, double cx, double cy, double reach, std::uint64_t seed, TArtColor colour) {
  TArtRandom random(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int blade = 0; blade < 9; ++blade) {
    const double angle = random.Uniform(0, 2 * Pi);
    const double length = reach * random.Uniform(0.6, 1.0);
    StrokePath(cr, Polygon({cx, cy, cx + length * std::cos(angle), cy + length * std::sin(angle)}),
               Shade(colour, random.Uniform(-0.2, 0.15)), 1.3);
  }
  cairo_restore(cr);
}

// A six-armed ice crystal.
void PaintCrystal(cairo_t* cr, double cx, double cy, double radius, TArtColor colour) {
  for (int arm = 0; arm < 6; ++arm) {
    Transformed(cr, cx, cy, arm * 60.0, 1, [&] {
      StrokePath(cr, Polygon({0, 0, radius, 0}), WithAlpha(Hex(0x5A7A9E), 0.7), 2.4);
      StrokePath(cr, Polygon({0, 0, radius, 0}), colour, 1.3);
      StrokePath(cr, Polygon({radius * 0.55, 0, radius * 0.8, radius * 0.22}), colour, 1);
    });
  }
}

void AddThemeFlowers(TArtPackage& race) {
  const TArtColor leafColours[] = {Hex(0xD9432B), Palette::Orange, Hex(0xF2C230),
                                   Hex(0x9A5A2A), Hex(0xE8792A),   Hex(0xB8302A),
                                   Hex(0xFFD65A), Hex(0xC07A30),   Hex(0x8E3A22)};
  race.AddSheet("threeflowers_autumn", 32, 32, 4, 1, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 32, 32);
    PaintLeaf(cr, 11, 11, 13, 30, leafColours[pattern]);
    PaintLeaf(cr, 21, 14, 12, 110, leafColours[pattern + 4]);
    PaintLeaf(cr, 14, 22, 12, -20, leafColours[(pattern + 2) % 4]);
  });
  race.AddSheet("monoflower_autumn", 16, 16, 3, 3, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 16, 16);
    PaintLeaf(cr, 8, 8, 12, 40 * pattern, leafColours[pattern]);
  });
  const TArtColor dryGrass[] = {Hex(0xC9A85A), Hex(0xB08A3E), Hex(0xD8C07A), Hex(0x9C8A4A)};
  race.AddSheet("threeflowers_sand", 32, 32, 4, 1, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 32, 32);
    PaintTuft(cr, 16, 16, 13, 0x7F + pattern, dryGrass[pattern]);
  });
  const TArtColor pebbles[] = {Hex(0xB89A72), Hex(0x9C8060), Hex(0xD8C3A0), Hex(0x8E7A66), Hex(0xC4A27A),
                               Hex(0xA88E70), Hex(0xE0CCA8), Hex(0x7E6A58), Hex(0xC8B090)};
  race.AddSheet("monoflower_sand", 16, 16, 3, 3, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 16, 16);
    PaintRock(cr, 8, 8, 11, 0x9E0 + pattern, false,
              {pebbles[pattern], Shade(pebbles[pattern], 0.3), Shade(pebbles[pattern], -0.3)});
  });
  const TArtColor ice[] = {Palette::White, Hex(0xD6E8FA), Hex(0xBFDDF7), Hex(0xE8F4FF)};
  race.AddSheet("threeflowers_snow", 32, 32, 4, 1, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 32, 32);
    PaintCrystal(cr, 10.5, 11, 7, ice[pattern]);
    PaintCrystal(cr, 21.5, 13.5, 6, ice[(pattern + 1) % 4]);
    PaintCrystal(cr, 14.5, 21.5, 6, ice[(pattern + 2) % 4]);
  });
  race.AddSheet("monoflower_snow", 16, 16, 3, 3, [=](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 16, 16);
    PaintCrystal(cr, 8, 8, 6, ice[pattern % 4]);
  });
}

}  // namespace

void DrawThemeScenery(TArtPackage& race) {
  AddAutumnTrees(race);
  AddThemeBuildings(race, "_autumn", {Hex(0x7A4A2E), Hex(0xA0674A)}, GreyStone, true);
  AddDesertTrees(race);
  AddThemeBuildings(race, "_sand", {Hex(0xD9A066), Hex(0xEBC28C)},
                    {Hex(0xC98E5A), Hex(0xE8B985), Hex(0x8E5A34)}, false);
  AddAlpineTrees(race);
  AddThemeBuildings(race, "_snow", {Hex(0xC9D6E4), Hex(0xFFFFFF)},
                    {Hex(0x9AA3AE), Hex(0xF4F8FC), Hex(0x6A7380)}, false);
  AddThemeFlowers(race);
}

#include <cmath>
#include <string>

#include "ArtFamilies.h"
#include "ArtNature.h"
#include "ArtPaint.h"
#include "ArtText.h"
#include "ArtWidgets.h"
#include "tools/tracks/DemoCircuit.h"

namespace {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

// The demonstration circuit behind the menus, on which the demonstration track's way points lie.
constexpr double CircuitLeft = DemoCircuit::Left;
constexpr double CircuitTop = DemoCircuit::Top;
constexpr double CircuitRight = DemoCircuit::Right;
constexpr double CircuitBottom = DemoCircuit::Bottom;
constexpr double CircuitRadius = DemoCircuit::Radius;
constexpr double CircuitRoadWidth = DemoCircuit::RoadWidth;

void PaintFlowerBed(cairo_t* cr, double cx, double cy, double rx, double ry, std::uint64_t seed) {
  const TPath bed = Ellipse(cx, cy, rx, ry);
  FillPath(cr, Ellipse(cx + 1, cy + 2, rx, ry), WithAlpha(Palette::Black, 0.2));
  FillPath(cr, bed, Hex(0x7A5232));
  StrokePath(cr, bed, Hex(0xC9B28A), 3);
  const TArtColor colours[] = {Palette::RacingRed, Palette::SunYellow, Hex(0xFF6FA8), Palette::White,
                               Hex(0x9B5DE5)};
  for (int row = -1; row <= 1; ++row) {
    const int count = static_cast<int>(rx / 9) - std::abs(row);
    for (int i = 0; i < count; ++i) {
      const double x = cx - (count - 1) * 9 / 2.0 + i * 9;
      const double y = cy + row * ry * 0.5;
      PaintBlossom(cr, x, y, 4.5, colours[(seed + i + row * 2 + 5) % 5], Palette::SunYellow);
    }
  }
}

void PaintTickerBar(cairo_t* cr) {
  // The greeting runs on this cream bar from x 30.
  cairo_rectangle(cr, 0, 8, ScreenWidth, 34);
  SetColor(cr, Palette::Cream);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 42, ScreenWidth, 4);
  SetColor(cr, WithAlpha(Palette::Black, 0.25));
  cairo_fill(cr);
  for (double y : {6.5, 42.5}) {
    cairo_rectangle(cr, 0, y, ScreenWidth, 2);
    SetColor(cr, Palette::Ink);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 0, ScreenWidth, 6);
  SetColor(cr, Palette::Navy);
  cairo_fill(cr);
  Chequer(cr, 0, 8, 2, 4, 8.5, Hex(0x15151C), Palette::White);
  Chequer(cr, ScreenWidth - 17, 8, 2, 4, 8.5, Hex(0x15151C), Palette::White);
}

void PaintMainBack(cairo_t* cr, const TArtTextures& textures) {
  FillTextured(cr, RoundedRect(0, 0, ScreenWidth, ScreenHeight, 0), textures.Grass.get());
  const TPath centreLine = RoundedRect(CircuitLeft, CircuitTop, CircuitRight - CircuitLeft,
                                       CircuitBottom - CircuitTop, CircuitRadius);
  PaintKerbedRoad(cr, centreLine, CircuitRoadWidth, textures.Asphalt.get());
  // Start line paint across the top straight.
  cairo_save(cr);
  cairo_rectangle(cr, DemoCircuit::StartLineX, CircuitTop - 40, 20, 80);
  cairo_clip(cr);
  Chequer(cr, DemoCircuit::StartLineX, CircuitTop - 40, 2, 8, 10, Hex(0x15151C), Palette::White);
  cairo_restore(cr);
  // Lane dashes along the straights.
  const double dashes[] = {22, 26};
  cairo_set_dash(cr, dashes, 2, 0);
  StrokePath(cr, centreLine, WithAlpha(Palette::RoadPaint, 0.6), 3);
  cairo_set_dash(cr, nullptr, 0, 0);
  // Scenery in the infield beside the button plate and outside the bends.
  PaintHouse(cr, 166, 222, 86, 64);
  PaintFir(cr, 190, 330, 54);
  PaintTree(cr, 262, 318, 46, 11, SummerLeaves);
  PaintFlowerBed(cr, 215, 400, 54, 22, 1);
  PaintTree(cr, 192, 462, 50, 12, AutumnLeaves);
  PaintRock(cr, 265, 460, 30, 5, true);
  PaintTree(cr, 600, 244, 66, 13, SummerLeaves);
  PaintFir(cr, 548, 300, 44);
  PaintFlowerBed(cr, 584, 360, 50, 20, 2);
  PaintFir(cr, 612, 440, 58);
  PaintTree(cr, 540, 460, 44, 14, SummerLeaves);
  PaintTree(cr, 26, 80, 46, 15, SummerLeaves);
  PaintFir(cr, 774, 82, 44);
  PaintFlowerBed(cr, 24, 330, 18, 60, 3);
  PaintFlowerBed(cr, 776, 330, 18, 60, 4);
  PaintTickerBar(cr);
}

// The corner plate of the title screen covers the first small logo and carries the second one.
void PaintCornerPlate(cairo_t* cr) {
  const TPath plate = [](cairo_t* k) {
    cairo_move_to(k, 801, 492.5);
    cairo_line_to(k, 680, 492.5);
    cairo_arc_negative(k, 680, 522.5, 30, -Pi / 2, Pi);
    cairo_line_to(k, 650, 601);
    cairo_line_to(k, 801, 601);
    cairo_close_path(k);
  };
  FillVertical(cr, plate, 494, Palette::Navy, 600, Palette::NavyDeep);
  StrokePath(cr, plate, Palette::Ink, 3);
  cairo_save(cr);
  cairo_translate(cr, 2, 2.5);
  StrokePath(cr, plate, WithAlpha(Palette::Sky, 0.6), 1.5);
  cairo_restore(cr);
}

void PaintButtonPlate(cairo_t* cr) {
  PaintNavyCard(cr, 2, 2, 208, 386, 18);
  PaintCrossedFlags(cr, 108, 32, 62);
  Chequer(cr, 26, 368, 20, 1, 8, Palette::White, Hex(0x15151C));
}

void PaintSideFlags(cairo_t* cr, double left, double right, double cy, double size) {
  PaintCrossedFlags(cr, left, cy, size);
  PaintCrossedFlags(cr, right, cy, size);
}

void PaintHelpOverlay(cairo_t* cr) {
  PaintTitlePlate(cr, 298, 52, 240, 58);
  PaintSideFlags(cr, 262, 574, 80, 54);
}

void PaintShowroomWindow(cairo_t* cr) {
  // Dark window round the car preview, with spotlights falling on the turntable.
  const TPath frame = RoundedRect(230, 129, 378, 248, 14);
  DropShadow(cr, frame);
  FillVertical(cr, frame, 129, Palette::Navy, 377, Palette::NavyDeep);
  StrokePath(cr, RoundedRect(262.5, 130.5, 313, 245, 4), Palette::Ink, 3);
  for (double x : {247.0, 591.0}) {
    for (int lamp = 0; lamp < 4; ++lamp) {
      FillPath(cr, Circle(x, 160 + lamp * 58, 5), Palette::SunYellow);
      FillRadial(cr, Circle(x, 160 + lamp * 58, 11), x, 160 + lamp * 58, 11,
                 WithAlpha(Palette::SunYellow, 0.5), WithAlpha(Palette::SunYellow, 0));
    }
  }
  StrokePath(cr, frame, Palette::Ink, 4);
}

void PaintStatsPlate(cairo_t* cr) {
  PaintNavyCard(cr, 151.5, 385.5, 487, 171, 14);
  const char* labels[] = {"SPEED", "ACCELERATION", "STEERING", "GRIP"};
  const double rows[] = {392, 437, 482, 528};
  for (int row = 0; row < 4; ++row) {
    DrawText(cr, labels[row], {15, TFace::Heavy, TAlign::Right}, 370, rows[row] + 11, Palette::Cream);
    // An empty slot the bar grows in, from x 380.
    const TPath slot = RoundedRect(378, rows[row] - 1, 258, 24, 3);
    FillPath(cr, slot, Hex(0x0A0F22));
    StrokePath(cr, slot, WithAlpha(Palette::Sky, 0.6), 1.5);
  }
}

void PaintTrackCard(cairo_t* cr) {
  PaintNavyCard(cr, 300.5, 147.5, 237, 387, 16);
  // A recessed window for the track preview drawn over it.
  FillPath(cr, RoundedRect(309, 153, 220, 220, 6), Palette::NavyDeep);
  StrokePath(cr, RoundedRect(309, 153, 220, 220, 6), Palette::Ink, 3);
}

void PaintSparkle(cairo_t* cr, double cx, double cy, double glow, double arm) {
  FillRadial(cr, Circle(cx, cy, glow), cx, cy, glow, WithAlpha(Hex(0xFFF27A), 0.9),
             WithAlpha(Palette::SunYellow, 0));
  const TPath star = [=](cairo_t* k) {
    cairo_move_to(k, cx, cy - arm);
    cairo_curve_to(k, cx + 2, cy - 2, cx + 2, cy - 2, cx + arm * 1.3, cy);
    cairo_curve_to(k, cx + 2, cy + 2, cx + 2, cy + 2, cx, cy + arm);
    cairo_curve_to(k, cx - 2, cy + 2, cx - 2, cy + 2, cx - arm * 1.3, cy);
    cairo_curve_to(k, cx - 2, cy - 2, cx - 2, cy - 2, cx, cy - arm);
    cairo_close_path(k);
  };
  FillPath(cr, star, Palette::White);
  FillPath(cr, Circle(cx, cy, 3.5), Palette::White);
}

}  // namespace

void DrawMenuScreens(TArtPackage& menus, const TArtTextures& textures) {
  menus.Add("mainback", ScreenWidth, ScreenHeight, [&](cairo_t* cr) { PaintMainBack(cr, textures); });
  menus.Add("scr_title", ScreenWidth, ScreenHeight, [](cairo_t* cr) {
    PaintGameTitle(cr, 400, 78, 60, 600);
    PaintCornerPlate(cr);
  });
  menus.Add("dobav", 216, 394, PaintButtonPlate);
  menus.Add("logo_vekm", 120, 60, [](cairo_t* cr) {
    PaintPublisherRoundel(cr, 30, 30, 26);
    SpeedLines(cr, 114, 30, 50, 10, 4, Palette::SunYellow);
  });
  menus.Add("light1", 68, 40, [](cairo_t* cr) { PaintSparkle(cr, 34, 20, 20, 16); });
  menus.Add("light2", 60, 35, [](cairo_t* cr) { PaintSparkle(cr, 30, 17.5, 17, 13); });
  menus.Add("spec_fon", ScreenWidth, ScreenHeight, PaintHelpOverlay);
  menus.Add("scr_choose", ScreenWidth, ScreenHeight, [](cairo_t* cr) {
    PaintTitlePlate(cr, 309, 60, 220, 44);
    PaintSideFlags(cr, 276, 562, 82, 46);
    PaintTrackCard(cr);
  });
  menus.Add("scr_choosecar", ScreenWidth, ScreenHeight, [](cairo_t* cr) {
    PaintTitlePlate(cr, 309, 60, 220, 44);
    PaintSideFlags(cr, 276, 562, 82, 46);
    PaintShowroomWindow(cr);
    PaintStatsPlate(cr);
  });
  menus.Add("blik", 378, 232, [](cairo_t* cr) {
    // Two soft diagonal bands of glare across the upper left of the showroom glass.
    const struct { double Offset, Width, Alpha; } bands[] = {{40, 60, 0.35}, {130, 26, 0.2}};
    for (const auto& band : bands) {
      cairo_pattern_t* gradient = cairo_pattern_create_linear(band.Offset, 0, band.Offset + band.Width, 0);
      AddStop(gradient, 0, WithAlpha(Palette::White, 0));
      AddStop(gradient, 0.3, WithAlpha(Palette::White, band.Alpha));
      AddStop(gradient, 0.7, WithAlpha(Palette::White, band.Alpha));
      AddStop(gradient, 1, WithAlpha(Palette::White, 0));
      cairo_save(cr);
      cairo_matrix_t lean;
      cairo_matrix_init(&lean, 1, 0, -0.8, 1, 0, 0);
      cairo_translate(cr, 0, 232);
      cairo_transform(cr, &lean);
      cairo_translate(cr, 0, -232);
      cairo_rectangle(cr, band.Offset, 0, band.Width, 232);
      cairo_set_source(cr, gradient);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_pattern_destroy(gradient);
    }
  });
  menus.Add("bar", 256, 22, [](cairo_t* cr) {
    FillVertical(cr, RoundedRect(0, 0, 256, 22, 0), 0, Palette::SunYellow, 22, Palette::Orange);
    cairo_rectangle(cr, 0, 1, 256, 2);
    SetColor(cr, WithAlpha(Palette::White, 0.85));
    cairo_fill(cr);
    StrokePath(cr, RoundedRect(0.5, 0.5, 255, 21, 0), Palette::Ink, 1);
  });
}

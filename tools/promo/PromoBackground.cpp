#include "PromoBackground.h"

#include <cmath>

#include "tools/art/ArtCarDesigns.h"
#include "tools/art/ArtNature.h"
#include "tools/art/ArtPaint.h"
#include "tools/art/ArtText.h"
#include "tools/art/ArtWidgets.h"

namespace {

constexpr double ScreenWidth = 800;
constexpr double ScreenHeight = 600;
constexpr double TopBandBottom = 168;
constexpr double PlateTop = 446;
constexpr double RoadWidth = 104;

struct TPoint {
  double X, Y;
};

// The racing line: one cubic curve sweeping across the scene between the two bands.
constexpr TPoint Road[4] = {{-90, 372}, {260, 150}, {520, 470}, {890, 236}};

TPoint RoadPoint(double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * Road[0].X + b * Road[1].X + c * Road[2].X + d * Road[3].X,
          a * Road[0].Y + b * Road[1].Y + c * Road[2].Y + d * Road[3].Y};
}

// Direction of travel at t, in the cars' degrees (0 is up, clockwise).
double RoadHeading(double t) {
  const double u = 1 - t;
  const double a = 3 * u * u, b = 6 * u * t, c = 3 * t * t;
  const double dx = a * (Road[1].X - Road[0].X) + b * (Road[2].X - Road[1].X) + c * (Road[3].X - Road[2].X);
  const double dy = a * (Road[1].Y - Road[0].Y) + b * (Road[2].Y - Road[1].Y) + c * (Road[3].Y - Road[2].Y);
  return std::atan2(dy, dx) * 180 / Pi + 90;
}

void PaintRaceScene(cairo_t* cr, const TArtTextures& textures) {
  FillTextured(cr, RoundedRect(0, 0, ScreenWidth, ScreenHeight, 0), textures.Grass.get());
  const TPath centreLine = [](cairo_t* k) {
    cairo_move_to(k, Road[0].X, Road[0].Y);
    cairo_curve_to(k, Road[1].X, Road[1].Y, Road[2].X, Road[2].Y, Road[3].X, Road[3].Y);
  };
  PaintKerbedRoad(cr, centreLine, RoadWidth, textures.Asphalt.get());
  const double dashes[] = {22, 26};
  cairo_set_dash(cr, dashes, 2, 0);
  StrokePath(cr, centreLine, WithAlpha(Palette::RoadPaint, 0.6), 3);
  cairo_set_dash(cr, nullptr, 0, 0);
  // The field strung out along the bend, alternating lanes, the leader furthest ahead.
  const struct {
    double T, Lane;
    TCarModel Model;
  } cars[] = {{0.13, 1, TCarModel::Beast},
              {0.3, -1, TCarModel::Viper},
              {0.47, 1, TCarModel::Turbo},
              {0.63, -1, TCarModel::Volcano},
              {0.8, 1, TCarModel::Speeder}};
  for (const auto& car : cars) {
    const TPoint at = RoadPoint(car.T);
    const double heading = RoadHeading(car.T);
    const double sideX = std::cos(Radians(heading)) * car.Lane * 22;
    const double sideY = std::sin(Radians(heading)) * car.Lane * 22;
    Transformed(cr, at.X + sideX, at.Y + sideY, heading, 1.5, [&] { PaintCar(cr, car.Model, 0, 1.2); });
  }
  PaintTree(cr, 52, 224, 74, 31, SummerLeaves);
  PaintFir(cr, 140, 410, 62);
  PaintTree(cr, 300, 392, 66, 32, AutumnLeaves);
  PaintFir(cr, 404, 214, 56);
  PaintTree(cr, 520, 206, 70, 33, SummerLeaves);
  PaintRock(cr, 236, 420, 34, 34, true);
  PaintTree(cr, 748, 400, 80, 35, SummerLeaves);
  PaintFir(cr, 652, 206, 50);
}

// A navy band with a chequered strip along the edge it shares with the scene, a sun-yellow rule on its
// inner side.
void PaintBand(cairo_t* cr, double top, double bottom, bool sceneBelow) {
  FillVertical(cr, RoundedRect(0, top, ScreenWidth, bottom - top, 0), top, Palette::Navy, bottom,
               Palette::NavyDeep);
  const double strip = sceneBelow ? bottom - 16 : top;
  cairo_rectangle(cr, 0, strip, ScreenWidth, 16);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
  Chequer(cr, 0, strip + 2, 134, 2, 6, Hex(0x15151C), Palette::White);
  cairo_rectangle(cr, 0, sceneBelow ? strip - 4 : strip + 16, ScreenWidth, 4);
  SetColor(cr, Palette::SunYellow);
  cairo_fill(cr);
}

void PaintTitles(cairo_t* cr) {
  PaintBand(cr, 0, TopBandBottom, true);
  PaintGameTitle(cr, 420, 58, 66, 560);
  const TTextStyle style{44, TFace::Heavy, TAlign::Centre, 640};
  cairo_save(cr);
  cairo_translate(cr, 3, 4);
  DrawText(cr, "THANKS FOR PLAYING!", style, 400, 124, WithAlpha(Palette::Black, 0.4), 4,
           WithAlpha(Palette::Black, 0.4));
  cairo_restore(cr);
  DrawText(cr, "THANKS FOR PLAYING!", style, 400, 124, Palette::White, 4);
}

// The plate under the buttons, the game's emblem at its left and a word of invitation below the buttons.
void PaintButtonPlate(cairo_t* cr) {
  PaintBand(cr, PlateTop, ScreenHeight, false);
  PaintGameEmblem(cr, 70, 514, 96);
  const TTextStyle style{17, TFace::Heavy, TAlign::Centre, 600};
  DrawText(cr, "MORE TRACKS, MORE CARS, MORE RACING FUN!", style, 440, 566, Palette::Sky);
}

// A stopwatch the countdown number is written on; it stays empty once the exit button is free.
void PaintStopwatch(cairo_t* cr, double cx, double cy) {
  constexpr double Radius = 31;
  const TPath crown = RoundedRect(cx - 8, cy - Radius - 11, 16, 12, 3);
  const TPath face = Circle(cx, cy, Radius);
  DropShadow(cr, face, 3, 4);
  FillVertical(cr, crown, cy - Radius - 11, Palette::SunYellow, cy - Radius + 1, Palette::Orange);
  StrokePath(cr, crown, Palette::Ink, 2.5);
  FillRadial(cr, face, cx - 8, cy - 10, Radius * 1.2, Hex(0x2A3C6E), Palette::NavyDeep);
  for (int tick = 0; tick < 12; ++tick) {
    const double angle = Radians(tick * 30);
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, cx + std::sin(angle) * (Radius - 7), cy - std::cos(angle) * (Radius - 7));
          cairo_line_to(k, cx + std::sin(angle) * (Radius - 3), cy - std::cos(angle) * (Radius - 3));
        },
        WithAlpha(Palette::Sky, 0.7), 2);
  }
  StrokePath(cr, Circle(cx, cy, Radius - 1.5), Palette::SunYellow, 3);
  StrokePath(cr, face, Palette::Ink, 3);
}

}  // namespace

void PaintPromoBackground(cairo_t* cr, const TPromoLayout& layout, const TArtTextures& textures) {
  PaintRaceScene(cr, textures);
  PaintTitles(cr);
  PaintButtonPlate(cr);
  PaintStopwatch(cr, layout.CounterX, layout.CounterY);
}

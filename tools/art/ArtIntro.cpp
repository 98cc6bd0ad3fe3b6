#include <cmath>

#include "ArtCarDesigns.h"
#include "ArtFamilies.h"
#include "ArtNature.h"
#include "ArtPaint.h"
#include "ArtWidgets.h"

namespace {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

// The intro backdrop: a two-lane road along the top where the little cars run (lane centres y 34 and 103),
// a kerb strip under it and a faint chequered floor; the middle stays plain for the LOADING text.
void PaintSplashBack(cairo_t* cr, const TArtTextures& textures) {
  FillRadial(cr, RoundedRect(0, 0, ScreenWidth, ScreenHeight, 0), 400, 330, 520, Palette::Navy,
             Palette::NavyDeep);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 430, ScreenWidth, 170);
  cairo_clip(cr);
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 20; ++column) {
      if ((row + column) % 2 != 0) continue;
      cairo_rectangle(cr, column * 40, 430 + row * 30, 40, 30);
    }
  }
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 430, 0, 600);
  AddStop(fade, 0, WithAlpha(Palette::White, 0.0));
  AddStop(fade, 1, WithAlpha(Palette::White, 0.09));
  cairo_set_source(cr, fade);
  cairo_fill(cr);
  cairo_pattern_destroy(fade);
  cairo_restore(cr);
  FillTextured(cr, RoundedRect(0, 0, ScreenWidth, 140, 0), textures.Asphalt.get());
  const double dashes[] = {30, 24};
  cairo_set_dash(cr, dashes, 2, 0);
  StrokePath(
      cr,
      [](cairo_t* k) {
        cairo_move_to(k, 0, 69);
        cairo_line_to(k, ScreenWidth, 69);
      },
      WithAlpha(Palette::RoadPaint, 0.85), 4);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_rectangle(cr, 0, 3, ScreenWidth, 3);
  SetColor(cr, WithAlpha(Palette::RoadPaint, 0.85));
  cairo_fill(cr);
  for (int block = 0; block < ScreenWidth / 20; ++block) {
    cairo_rectangle(cr, block * 20, 140, 20, 10);
    SetColor(cr, block % 2 == 0 ? Palette::KerbRed : Palette::White);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 150, ScreenWidth, 2);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
}

// Key art: the five cars through a kerbed bend among trees, in a white frame.
void PaintSplashImage(cairo_t* cr, const TArtTextures& textures) {
  constexpr double Width = 440;
  constexpr double Height = 226;
  const TPath frame = RoundedRect(3, 3, Width - 6, Height - 6, 16);
  cairo_save(cr);
  cairo_new_path(cr);
  frame(cr);
  cairo_clip(cr);
  FillTextured(cr, frame, textures.Grass.get());
  const TPath bend = [](cairo_t* k) {
    cairo_move_to(k, -40, 190);
    cairo_curve_to(k, 160, 190, 230, 170, 280, 110);
    cairo_curve_to(k, 320, 60, 360, 30, 480, 30);
  };
  PaintKerbedRoad(cr, bend, 92, textures.Asphalt.get());
  // Cars along the racing line, each turned with the bend, the leader furthest ahead.
  const struct {
    double X, Y, Heading;
    TCarModel Model;
  } cars[] = {{60, 200, 90, TCarModel::Beast},
              {130, 176, 88, TCarModel::Turbo},
              {212, 170, 70, TCarModel::Viper},
              {268, 120, 42, TCarModel::Volcano},
              {350, 50, 66, TCarModel::Speeder}};
  for (const auto& car : cars) {
    Transformed(cr, car.X, car.Y, car.Heading, 1.45, [&] { PaintCar(cr, car.Model, 0, 1.2); });
  }
  PaintTree(cr, 40, 50, 70, 21, SummerLeaves);
  PaintFir(cr, 118, 76, 56);
  PaintTree(cr, 405, 140, 78, 22, AutumnLeaves);
  PaintTree(cr, 330, 205, 54, 23, SummerLeaves);
  PaintFir(cr, 200, 38, 48);
  cairo_restore(cr);
  StrokePath(cr, RoundedRect(6, 6, Width - 12, Height - 12, 14), Palette::White, 6);
  StrokePath(cr, frame, Palette::Ink, 3);
  StrokePath(cr, RoundedRect(9.5, 9.5, Width - 19, Height - 19, 11), Palette::Ink, 1.5);
}

}  // namespace

void DrawIntro(TArtPackage& menus, const TArtTextures& textures) {
  menus.Add("logo_vek", 220, 220, [](cairo_t* cr) { PaintPublisherRoundel(cr, 108, 108, 100); });
  menus.Add("name", ScreenWidth, 130, [](cairo_t* cr) { PaintGameTitle(cr, 400, 62, 84, 700); });
  menus.Add("logo", 220, 220, [](cairo_t* cr) { PaintGameEmblem(cr, 110, 104, 200); });
  menus.Add("splash_back", ScreenWidth, ScreenHeight, [&](cairo_t* cr) { PaintSplashBack(cr, textures); });
  menus.Add("splash_image", 440, 226, [&](cairo_t* cr) { PaintSplashImage(cr, textures); });
  menus.Add("splash_square", 100, 16, [](cairo_t* cr) {
    // A white streak with its tail fading to the left.
    cairo_pattern_t* tail = cairo_pattern_create_linear(0, 0, 100, 0);
    AddStop(tail, 0, WithAlpha(Palette::White, 0));
    AddStop(tail, 0.75, WithAlpha(Palette::White, 0.8));
    AddStop(tail, 1, Palette::White);
    RoundedRect(0, 4, 99, 8, 4)(cr);
    cairo_set_source(cr, tail);
    cairo_fill(cr);
    cairo_pattern_destroy(tail);
    FillPath(cr, Ellipse(92, 8, 7, 5), Palette::White);
  });
}

#include <string>

#include "ArtCarDesigns.h"
#include "ArtFamilies.h"
#include "ArtPaint.h"

namespace {

constexpr int CarWidth = 32;
constexpr int CarHeight = 56;

// The race takes its car picture through a shuffled table, so the race package names the designs in another
// order than the menus: race "car1" is the catalogue's third car, and so on.
constexpr TCarModel RaceOrder[] = {TCarModel::Volcano, TCarModel::Speeder, TCarModel::Turbo, TCarModel::Viper,
                                   TCarModel::Beast};

void AddCarSheet(TArtPackage& package, const std::string& name, TCarModel model) {
  // Patterns: straight, front wheels turned left, front wheels turned right. The game turns a car's
  // picture by its heading - 90 degrees, and heading 0 runs along +x, so the sheet shows the car nose
  // down: the design given a half turn, which keeps the wheels turned to the car's own left and right.
  package.AddSheet(name, CarWidth, CarHeight, 3, 1, [model](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, CarWidth, CarHeight);
    Transformed(cr, CarWidth / 2.0, CarHeight / 2.0, 180, 1,
                [&] { PaintCar(cr, model, pattern == 0 ? 0 : (pattern == 1 ? -1 : 1), 1.5); });
  });
}

}  // namespace

void DrawRaceCars(TArtPackage& package, bool menuNames) {
  for (int car = 0; car < 5; ++car) {
    AddCarSheet(package, "car" + std::to_string(car + 1), menuNames ? CarModels[car] : RaceOrder[car]);
  }
}

namespace {

constexpr int PreviewWidth = 308;
constexpr int PreviewHeight = 240;

// The showroom: a light floor and a turntable disc, bright enough to read when the game darkens a locked car.
void PaintShowroom(cairo_t* cr) {
  FillVertical(cr, RoundedRect(0, 0, PreviewWidth, PreviewHeight, 0), 0, Hex(0xF4F8FF), PreviewHeight,
               Hex(0xC9D3E2));
  cairo_set_line_width(cr, 1);
  for (int line = 0; line < 9; ++line) {
    const double y = 150 + line * line * 1.6;
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, PreviewWidth, y);
  }
  SetColor(cr, WithAlpha(Palette::Navy, 0.08));
  cairo_stroke(cr);
  const double cx = PreviewWidth / 2.0;
  const double cy = PreviewHeight / 2.0 + 6;
  FillPath(cr, Ellipse(cx + 4, cy + 8, 148, 100), WithAlpha(Palette::Navy, 0.18));
  FillRadial(cr, Ellipse(cx, cy, 146, 98), cx - 30, cy - 30, 170, Palette::White, Hex(0xD9DEE6));
  StrokePath(cr, Ellipse(cx, cy, 146, 98), Hex(0xAEB8C8), 3);
  StrokePath(cr, Ellipse(cx, cy, 132, 88), WithAlpha(Hex(0xAEB8C8), 0.6), 1.5);
}

}  // namespace

void DrawCarPreviews(TArtPackage& menus) {
  for (int car = 0; car < 5; ++car) {
    menus.Add("c_car" + std::to_string(car + 1), PreviewWidth, PreviewHeight, [car](cairo_t* cr) {
      PaintShowroom(cr);
      // About 260 px long, nose to the right and turned 15 degrees up.
      Transformed(cr, PreviewWidth / 2.0, PreviewHeight / 2.0 + 2, 75, 260.0 / 56,
                  [&] { PaintCar(cr, CarModels[car], 0, 0.55); });
    });
  }
}

void DrawSplashCars(TArtPackage& menus) {
  menus.AddSheet("splash_cars", 96, 56, 5, 1, [](cairo_t* cr, int pattern) {
    KeepClearBorder(cr, 96, 56);
    SpeedLines(cr, 15, 28, 13, 9, 2.5, Palette::White);
    Transformed(cr, 56, 28, 90, 1.42, [&] { PaintCar(cr, CarModels[pattern], 0, 1.2); });
  });
}

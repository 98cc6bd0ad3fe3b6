#pragma once

#include <cairo.h>

// The five cars of the catalogue, in catalogue order. One design per car is drawn everywhere (race sprite,
// demonstration, showroom preview, intro), so a car looks the same on every screen.
enum class TCarModel { Speeder, Turbo, Volcano, Viper, Beast };

constexpr TCarModel CarModels[] = {TCarModel::Speeder, TCarModel::Turbo, TCarModel::Volcano, TCarModel::Viper,
                                   TCarModel::Beast};

// Paints the car nose up, centred on (0,0), in units of the 32 x 56 race sprite (body within 30 x 54).
// steer -1 turns the front wheels left by 20 degrees, +1 right; ink is the outline width in those units.
void PaintCar(cairo_t* cr, TCarModel model, int steer, double ink);

#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>

// A colour of the art generator: straight (not premultiplied) red, green, blue and alpha in 0..1.
struct TArtColor {
  double R = 0;
  double G = 0;
  double B = 0;
  double A = 1;
};

// The colour written as 0xRRGGBB in the art guide's palette.
constexpr TArtColor Hex(std::uint32_t rgb, double alpha = 1.0) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

inline TArtColor WithAlpha(TArtColor color, double alpha) {
  color.A = alpha;
  return color;
}

// Linear mix: t = 0 gives a, t = 1 gives b.
inline TArtColor Mix(TArtColor a, TArtColor b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

// Lighter towards white (amount > 0) or darker towards black (amount < 0), alpha kept.
inline TArtColor Shade(TArtColor color, double amount) {
  const TArtColor target = amount > 0 ? TArtColor{1, 1, 1, color.A} : TArtColor{0, 0, 0, color.A};
  return Mix(color, target, std::min(1.0, amount > 0 ? amount : -amount));
}

inline void SetColor(cairo_t* cr, TArtColor color) {
  cairo_set_source_rgba(cr, color.R, color.G, color.B, color.A);
}

inline void AddStop(cairo_pattern_t* pattern, double offset, TArtColor color) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, color.R, color.G, color.B, color.A);
}

// The one palette of the game's pictures.
namespace Palette {
constexpr TArtColor Ink = Hex(0x1A1A2E);
constexpr TArtColor Cream = Hex(0xFFF5D6);
constexpr TArtColor Navy = Hex(0x1D2B53);
constexpr TArtColor NavyDeep = Hex(0x0F1733);
constexpr TArtColor UiBlue = Hex(0x2E6BD1);
constexpr TArtColor Sky = Hex(0x7FC8F8);
constexpr TArtColor SunYellow = Hex(0xFFD23F);
constexpr TArtColor Orange = Hex(0xFF8C1A);
constexpr TArtColor RacingRed = Hex(0xE63946);
constexpr TArtColor TitleRed = Hex(0xA70918);
constexpr TArtColor TealText = Hex(0x0E3A45);
constexpr TArtColor Lime = Hex(0xB8F02D);
constexpr TArtColor Grass = Hex(0x5DBB46);
constexpr TArtColor GrassDark = Hex(0x479C36);
constexpr TArtColor GrassLight = Hex(0x7ED35A);
constexpr TArtColor Foliage = Hex(0x2E9E44);
constexpr TArtColor FoliageDark = Hex(0x1F7A35);
constexpr TArtColor FoliageLight = Hex(0x6FD36B);
constexpr TArtColor Fir = Hex(0x1C6B4F);
constexpr TArtColor FirLight = Hex(0x2F8F67);
constexpr TArtColor Asphalt = Hex(0x4B5059);
constexpr TArtColor AsphaltDark = Hex(0x3B3F46);
constexpr TArtColor AsphaltLight = Hex(0x646B75);
constexpr TArtColor RoadPaint = Hex(0xF6F6EE);
constexpr TArtColor KerbRed = Hex(0xE2382B);
constexpr TArtColor Roof = Hex(0xD0583F);
constexpr TArtColor Ridge = Hex(0xF08A5D);
constexpr TArtColor Rock = Hex(0x8E939B);
constexpr TArtColor RockLight = Hex(0xBAC0C8);
constexpr TArtColor RockDark = Hex(0x666B73);
constexpr TArtColor GlassDark = Hex(0x2B3A55);
constexpr TArtColor GlassLight = Hex(0x6F86A8);
constexpr TArtColor White = Hex(0xFFFFFF);
constexpr TArtColor Black = Hex(0x000000);
constexpr TArtColor Clear = Hex(0x000000, 0.0);
}  // namespace Palette

#include <cstring>
#include <string>

#include "ArtFamilies.h"
#include "ArtHelpLayout.h"
#include "ArtPaint.h"
#include "ArtText.h"

namespace {

// The eight steps of a key press: rest, glow, half pressed, pressed, pressed with glow, half released,
// rest with a glint, rest.
struct TKeyStep {
  double Depth;  // 0 up .. 1 fully pressed (2 px lower, darker)
  bool Glow;
  bool Glint;
};

constexpr TKeyStep KeySteps[] = {{0, false, false}, {0, true, false}, {0.5, false, false},
                                 {1, false, false}, {1, true, false}, {0.5, false, false},
                                 {0, false, true},  {0, false, false}};

void PaintGlyph(cairo_t* cr, const char* glyph, double cx, double cy, TArtColor ink) {
  double angle = -1;
  if (std::strcmp(glyph, "up") == 0) angle = 0;
  if (std::strcmp(glyph, "right") == 0) angle = 90;
  if (std::strcmp(glyph, "down") == 0) angle = 180;
  if (std::strcmp(glyph, "left") == 0) angle = 270;
  if (angle >= 0) {
    Transformed(cr, cx, cy, angle, 1, [&] {
      FillPath(cr, Polygon({0, -9, 8, 0, 3, 0, 3, 8, -3, 8, -3, 0, -8, 0}), ink);
    });
    return;
  }
  TTextStyle style{std::strlen(glyph) == 1 ? 17.0 : 12.0, TFace::Heavy, TAlign::Centre};
  DrawText(cr, glyph, style, cx, cy, ink);
}

void PaintKey(cairo_t* cr, const THelpKey& key, const TKeyStep& step) {
  // The tile is opaque in the page's cream, so the hole in the page never shows.
  SetColor(cr, Palette::Cream);
  cairo_paint(cr);
  const double w = key.Width;
  const double h = key.Height;
  const double drop = 2 * step.Depth;
  // The glow and the key keep inside the page's hole (a pixel in from the tile's edge) with a pixel to
  // spare: the hole's straight edge never cuts through them.
  constexpr double Margin = HelpKeyHoleInset + 1;
  if (step.Glow) {
    FillRadial(cr, RoundedRect(Margin, Margin, w - 2 * Margin, h - 2 * Margin, 8), w / 2, h / 2, w * 0.6,
               WithAlpha(Palette::SunYellow, 0.85), WithAlpha(Palette::SunYellow, 0.0));
  }
  // The key's side, then its cap pushed down by the press.
  const TPath side = RoundedRect(3, 5, w - 6, h - 8, 7);
  FillPath(cr, side, Hex(0xB9AE8E));
  StrokePath(cr, side, Palette::Ink, 2);
  const TPath cap = RoundedRect(3, 2 + drop, w - 6, h - 9, 7);
  const TArtColor top = Shade(Palette::Cream, 0.5 - 0.1 * step.Depth);
  const TArtColor bottom = Shade(Hex(0xEFE2BA), -0.12 * step.Depth);
  FillVertical(cr, cap, 2 + drop, top, h - 7 + drop, bottom);
  StrokePath(cr, cap, Palette::Ink, 2);
  if (step.Glint) {
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, 8, 6 + drop);
          cairo_line_to(k, w * 0.45, 6 + drop);
        },
        WithAlpha(Palette::White, 0.95), 2);
  }
  PaintGlyph(cr, key.Glyph, w / 2, (h - 7) / 2 + 2 + drop, Palette::Navy);
}

}  // namespace

void DrawHelpKeys(TArtPackage& menus) {
  for (const THelpKey& key : HelpKeys) {
    menus.AddSheet(key.Name, key.Width, key.Height, 8, 1,
                   [&key](cairo_t* cr, int pattern) { PaintKey(cr, key, KeySteps[pattern]); });
  }
}

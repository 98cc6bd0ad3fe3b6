#include <cmath>

#include "ArtFamilies.h"
#include "ArtPaint.h"

namespace {

// The pointer's outline, tip at the picture's top-left pixel (the mouse's hot spot).
const double PointerOutline[] = {0, 0, 0, 24, 6, 18.5, 10.5, 28, 15, 26, 10.8, 17, 18, 17};
// The glint's stations from the tip along the left edge to the tail.
const double GlintPath[] = {1.8, 3, 1.8, 21, 6.5, 19.5, 11.5, 26.5};

void GlintAt(double t, double* x, double* y) {
  const int segments = 3;
  double lengths[segments];
  double total = 0;
  for (int i = 0; i < segments; ++i) {
    lengths[i] =
        std::hypot(GlintPath[2 * i + 2] - GlintPath[2 * i], GlintPath[2 * i + 3] - GlintPath[2 * i + 1]);
    total += lengths[i];
  }
  double along = t * total;
  for (int i = 0; i < segments; ++i) {
    if (along <= lengths[i] || i == segments - 1) {
      const double f = std::min(1.0, along / lengths[i]);
      *x = GlintPath[2 * i] + (GlintPath[2 * i + 2] - GlintPath[2 * i]) * f;
      *y = GlintPath[2 * i + 1] + (GlintPath[2 * i + 3] - GlintPath[2 * i + 1]) * f;
      return;
    }
    along -= lengths[i];
  }
}

void PaintPointer(cairo_t* cr, int pattern) {
  const TPath pointer = [](cairo_t* k) {
    cairo_new_sub_path(k);
    for (size_t i = 0; i < std::size(PointerOutline); i += 2)
      cairo_line_to(k, PointerOutline[i], PointerOutline[i + 1]);
    cairo_close_path(k);
  };
  cairo_save(cr);
  cairo_translate(cr, 2, 3);
  FillPath(cr, pointer, WithAlpha(Palette::Black, 0.3));
  cairo_restore(cr);
  StrokePath(cr, pointer, Palette::Ink, 3);
  FillVertical(cr, pointer, 0, Palette::White, 28, Hex(0xDDE3EC));
  double x = 0;
  double y = 0;
  GlintAt(pattern / 7.0, &x, &y);
  FillRadial(cr, Circle(x, y, 4.5), x, y, 4.5, Palette::SunYellow, WithAlpha(Palette::SunYellow, 0));
  FillPath(cr, Circle(x, y, 1.6), Hex(0xFFF27A));
  // The tip pixel stays solid ink so the hot spot is visible.
  cairo_rectangle(cr, 0, 0, 1.5, 1.5);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
}

}  // namespace

void DrawCursor(TArtPackage& menus) {
  menus.AddSheet("mousecursor", 32, 32, 8, 1, PaintPointer);
}

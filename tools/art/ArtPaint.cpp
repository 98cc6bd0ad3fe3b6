#include "ArtPaint.h"

#include <vector>

void RoundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius) {
  const double r = std::min(radius, std::min(width, height) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - r, y + r, r, -Pi / 2, 0);
  cairo_arc(cr, x + width - r, y + height - r, r, 0, Pi / 2);
  cairo_arc(cr, x + r, y + height - r, r, Pi / 2, Pi);
  cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
  cairo_close_path(cr);
}

TPath RoundedRect(double x, double y, double width, double height, double radius) {
  return [=](cairo_t* cr) { RoundedRectPath(cr, x, y, width, height, radius); };
}

TPath Circle(double cx, double cy, double radius) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * Pi);
    cairo_close_path(cr);
  };
}

TPath Ellipse(double cx, double cy, double radiusX, double radiusY) {
  return [=](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, radiusX, radiusY);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
}

TPath Polygon(std::initializer_list<double> points) {
  std::vector<double> xy(points);
  return [xy](cairo_t* cr) {
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
    cairo_close_path(cr);
  };
}

void FillPath(cairo_t* cr, const TPath& path, TArtColor color) {
  cairo_new_path(cr);
  path(cr);
  SetColor(cr, color);
  cairo_fill(cr);
}

void StrokePath(cairo_t* cr, const TPath& path, TArtColor color, double width) {
  cairo_new_path(cr);
  path(cr);
  SetColor(cr, color);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void FillVertical(cairo_t* cr, const TPath& path, double y0, TArtColor top, double y1, TArtColor bottom) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStop(gradient, 0, top);
  AddStop(gradient, 1, bottom);
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void FillRadial(cairo_t* cr, const TPath& path, double cx, double cy, double radius, TArtColor inner,
                TArtColor outer) {
  cairo_pattern_t* gradient = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  AddStop(gradient, 0, inner);
  AddStop(gradient, 1, outer);
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void InkOutline(cairo_t* cr, const TPath& path, double width) {
  StrokePath(cr, path, Palette::Ink, width);
}

static void SoftSilhouette(cairo_t* cr, const TPath& path, double dx, double dy, int layers, double alpha,
                           double spread) {
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  for (int layer = 1; layer <= layers; ++layer) {
    cairo_new_path(cr);
    path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    cairo_set_line_width(cr, 2.0 * layer * spread);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void DropShadow(cairo_t* cr, const TPath& path, double dx, double dy) {
  SoftSilhouette(cr, path, dx, dy, 4, 0.09, 1);
}

void ContactShadow(cairo_t* cr, const TPath& path, double dy, double spread) {
  SoftSilhouette(cr, path, 0, dy, 3, 0.12, spread);
}

// Paints the part of the shape that its copy shifted by (dx, dy) does not cover.
static void EdgeBand(cairo_t* cr, const TPath& path, double dx, double dy, TArtColor color) {
  cairo_push_group(cr);
  FillPath(cr, path, color);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  FillPath(cr, path, Palette::Black);
  cairo_restore(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void Bevel(cairo_t* cr, const TPath& path, double width, TArtColor light, TArtColor dark) {
  EdgeBand(cr, path, width, width, light);
  EdgeBand(cr, path, -width, -width, dark);
}

void Gloss(cairo_t* cr, const TPath& path, double x, double y, double width, double height, double alpha) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + height);
  AddStop(gradient, 0, WithAlpha(Palette::White, alpha));
  AddStop(gradient, 1, WithAlpha(Palette::White, alpha * 0.25));
  cairo_new_path(cr);
  Ellipse(x + width / 2, y + height / 2, width / 2, height / 2)(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
  cairo_restore(cr);
}

void Chequer(cairo_t* cr, double x, double y, int columns, int rows, double cell, TArtColor dark,
             TArtColor light) {
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      cairo_rectangle(cr, x + column * cell, y + row * cell, cell, cell);
      SetColor(cr, (row + column) % 2 == 0 ? dark : light);
      cairo_fill(cr);
    }
  }
}

void SpeedLines(cairo_t* cr, double x, double y, double length, double gap, double width, TArtColor color) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, width);
  for (int line = -1; line <= 1; ++line) {
    const double lineLength = line == 0 ? length : length * 0.7;
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x - lineLength, 0, x, 0);
    AddStop(gradient, 0, WithAlpha(color, 0));
    AddStop(gradient, 1, color);
    cairo_move_to(cr, x - lineLength, y + line * gap);
    cairo_line_to(cr, x, y + line * gap);
    cairo_set_source(cr, gradient);
    cairo_stroke(cr);
    cairo_pattern_destroy(gradient);
  }
}

void Transformed(cairo_t* cr, double cx, double cy, double degrees, double scale,
                 const std::function<void()>& paint) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, Radians(degrees));
  cairo_scale(cr, scale, scale);
  paint();
  cairo_restore(cr);
}

void KeepClearBorder(cairo_t* cr, double width, double height) {
  cairo_rectangle(cr, 1, 1, width - 2, height - 2);
  cairo_clip(cr);
}

#include "ArtWidgets.h"

#include <cmath>

#include "ArtPaint.h"
#include "ArtText.h"

namespace {

struct TToneColours {
  TArtColor Top;
  TArtColor Bottom;
};

TToneColours ColoursOf(TButtonTone tone) {
  switch (tone) {
    case TButtonTone::Primary:
      return {Palette::SunYellow, Palette::Orange};
    case TButtonTone::Secondary:
      return {Palette::Sky, Palette::UiBlue};
    case TButtonTone::Exit:
      return {Hex(0xFF6B6B), Hex(0xD62839)};
  }
  return {};
}

}  // namespace

void PaintButton(cairo_t* cr, double width, double height, const std::string& word, TButtonTone tone) {
  const TToneColours colours = ColoursOf(tone);
  const double w = width - 3 - 3;
  const double h = height - 3 - 3;
  const TPath body = RoundedRect(1.5, 1.5, w, h, std::min(14.0, h / 2));
  cairo_save(cr);
  cairo_translate(cr, 3, 3);
  FillPath(cr, body, WithAlpha(Palette::Black, 0.35));
  cairo_restore(cr);
  FillVertical(cr, body, 1.5, colours.Top, 1.5 + h, colours.Bottom);
  Gloss(cr, body, 6, 2, w - 9, h * 0.55, 0.3);
  // The light rim along the top.
  cairo_save(cr);
  cairo_new_path(cr);
  body(cr);
  cairo_clip(cr);
  cairo_translate(cr, 0, 2);
  StrokePath(cr, RoundedRect(2.5, 1.5, w - 2, h, std::min(13.0, h / 2)), WithAlpha(Palette::White, 0.55), 2);
  cairo_restore(cr);
  StrokePath(cr, body, Palette::Ink, 3);
  if (!word.empty()) {
    TTextStyle style{22, TFace::Heavy, TAlign::Centre, w - 22};
    DrawText(cr, word, style, 1.5 + w / 2, 1.5 + h / 2, Palette::White, 2);
  }
}

void PaintCreamPanel(cairo_t* cr, double x, double y, double width, double height) {
  const TPath body = RoundedRect(x + 2, y + 2, width - 4, height - 4, 18);
  DropShadow(cr, body, 3, 4);
  FillPath(cr, body, Palette::Cream);
  StrokePath(cr, body, Palette::Ink, 4);
}

void PaintDialog(cairo_t* cr, double width, double height, double headerHeight, const std::string& title) {
  const double w = width - 6;
  const double h = height - 6;
  const TPath body = RoundedRect(2, 2, w - 4, h - 4, 18);
  DropShadow(cr, body, 3, 4);
  FillPath(cr, body, Palette::Cream);
  // The navy header band with a thin sun-yellow rule under it.
  cairo_save(cr);
  cairo_new_path(cr);
  body(cr);
  cairo_clip(cr);
  FillVertical(cr, RoundedRect(0, 0, w, headerHeight, 0), 0, Hex(0x2A3C6E), headerHeight, Palette::Navy);
  cairo_rectangle(cr, 0, headerHeight, w, 4);
  SetColor(cr, Palette::SunYellow);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, headerHeight + 4, w, 2);
  SetColor(cr, Palette::Ink);
  cairo_fill(cr);
  // A chequered strip at the header's ends.
  Chequer(cr, 2, 2, 3, static_cast<int>(headerHeight / 8) + 1, 8, Palette::White, Hex(0x15151C));
  Chequer(cr, w - 26, 2, 3, static_cast<int>(headerHeight / 8) + 1, 8, Palette::White, Hex(0x15151C));
  cairo_restore(cr);
  StrokePath(cr, body, Palette::Ink, 4);
  PaintDialogTitle(cr, title, w / 2, headerHeight / 2 + 1, w - 90);
}

void PaintNavyCard(cairo_t* cr, double x, double y, double width, double height, double radius) {
  const TPath card = RoundedRect(x, y, width, height, radius);
  DropShadow(cr, card, 3, 4);
  FillVertical(cr, card, y, Palette::Navy, y + height, Palette::NavyDeep);
  cairo_save(cr);
  cairo_translate(cr, 2, 2);
  StrokePath(cr, RoundedRect(x, y, width - 3, height - 3, radius), WithAlpha(Palette::Sky, 0.55), 1.5);
  cairo_restore(cr);
  StrokePath(cr, card, Palette::Ink, 3);
}

void PaintTitlePlate(cairo_t* cr, double x, double y, double width, double height) {
  const TPath plate = RoundedRect(x, y, width, height, height / 2.6);
  DropShadow(cr, plate, 3, 4);
  FillVertical(cr, plate, y, Palette::White, y + height, Palette::Cream);
  StrokePath(cr, RoundedRect(x + 4, y + 4, width - 8, height - 8, height / 3.2),
             WithAlpha(Palette::SunYellow, 0.9), 2);
  StrokePath(cr, plate, Palette::Ink, 3);
}

void PaintDialogTitle(cairo_t* cr, const std::string& title, double cx, double cy, double maxWidth) {
  TTextStyle style{37, TFace::Heavy, TAlign::Centre, maxWidth};
  cairo_save(cr);
  cairo_translate(cr, 2, 3);
  DrawText(cr, title, style, cx, cy, WithAlpha(Palette::Black, 0.35), 3, WithAlpha(Palette::Black, 0.35));
  cairo_restore(cr);
  DrawText(cr, title, style, cx, cy, Palette::White, 3);
}

void PaintGameTitle(cairo_t* cr, double cx, double cy, double size, double maxWidth) {
  TTextStyle style{size, TFace::Heavy, TAlign::Centre, maxWidth, 12};
  cairo_new_path(cr);
  const TTextBox box = TextPath(cr, "MORVEL RACING", style, cx, cy);
  cairo_path_t* letters = cairo_copy_path(cr);
  const TPath path = [letters](cairo_t* c) { cairo_append_path(c, letters); };
  const double outline = size / 15;
  // Speed lines to the left of the first letter.
  SpeedLines(cr, box.Left - 8, cy, size * 1.3, size * 0.28, size * 0.09, Palette::White);
  cairo_save(cr);
  cairo_translate(cr, 5, 6);
  StrokePath(cr, path, WithAlpha(Palette::Black, 0.4), (outline + 3) * 2);
  FillPath(cr, path, WithAlpha(Palette::Black, 0.4));
  cairo_restore(cr);
  StrokePath(cr, path, Palette::White, (outline + 3) * 2);
  StrokePath(cr, path, Palette::Ink, outline * 2);
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.CapTop, 0, box.Baseline);
  AddStop(gradient, 0, Hex(0xFFF27A));
  AddStop(gradient, 0.5, Hex(0xFFB627));
  AddStop(gradient, 1, Hex(0xFF6A1A));
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
  // A glint along the upper half of the letters.
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, box.Left - 20, box.CapTop, box.Right - box.Left + 40,
                  (box.Baseline - box.CapTop) * 0.22);
  SetColor(cr, WithAlpha(Palette::White, 0.35));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_path_destroy(letters);
}

namespace {

void PaintFlag(cairo_t* cr, double size, bool mirrored) {
  const double s = size / 100;
  cairo_save(cr);
  if (mirrored) cairo_scale(cr, -1, 1);
  cairo_rotate(cr, Radians(-28));
  StrokePath(
      cr,
      [=](cairo_t* k) {
        cairo_move_to(k, 0, 40 * s);
        cairo_line_to(k, 0, -46 * s);
      },
      Palette::Ink, 7 * s);
  StrokePath(
      cr,
      [=](cairo_t* k) {
        cairo_move_to(k, 0, 40 * s);
        cairo_line_to(k, 0, -46 * s);
      },
      Hex(0xC9CDD3), 4 * s);
  const TPath cloth = [=](cairo_t* k) {
    cairo_move_to(k, 2 * s, -46 * s);
    cairo_curve_to(k, 20 * s, -54 * s, 30 * s, -38 * s, 48 * s, -46 * s);
    cairo_line_to(k, 48 * s, -12 * s);
    cairo_curve_to(k, 30 * s, -4 * s, 20 * s, -20 * s, 2 * s, -12 * s);
    cairo_close_path(k);
  };
  cairo_save(cr);
  cairo_new_path(cr);
  cloth(cr);
  cairo_clip(cr);
  Chequer(cr, 0, -56 * s, 6, 6, 9 * s, Hex(0x15151C), Palette::White);
  cairo_restore(cr);
  StrokePath(cr, cloth, Palette::Ink, 3 * s);
  cairo_restore(cr);
}

}  // namespace

void PaintCrossedFlags(cairo_t* cr, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy + size * 0.15);
  PaintFlag(cr, size, false);
  PaintFlag(cr, size, true);
  cairo_restore(cr);
}

void PaintPublisherRoundel(cairo_t* cr, double cx, double cy, double radius) {
  const TPath disc = Circle(cx, cy, radius);
  DropShadow(cr, disc, radius * 0.04, radius * 0.05);
  FillRadial(cr, disc, cx - radius * 0.3, cy - radius * 0.35, radius * 1.3, Hex(0x34508F), Palette::NavyDeep);
  StrokePath(cr, Circle(cx, cy, radius * 0.86), Palette::White, radius * 0.07);
  // A chequered swoosh sweeping through the roundel.
  const TPath swoosh = [=](cairo_t* k) {
    cairo_move_to(k, cx - radius * 0.8, cy + radius * 0.35);
    cairo_curve_to(k, cx - radius * 0.2, cy - radius * 0.1, cx + radius * 0.3, cy - radius * 0.5,
                   cx + radius * 0.85, cy - radius * 0.35);
    cairo_curve_to(k, cx + radius * 0.35, cy - radius * 0.15, cx - radius * 0.1, cy + radius * 0.25,
                   cx - radius * 0.8, cy + radius * 0.35);
    cairo_close_path(k);
  };
  cairo_save(cr);
  cairo_new_path(cr);
  swoosh(cr);
  cairo_clip(cr);
  Chequer(cr, cx - radius, cy - radius, 16, 16, radius / 8, Palette::White, Hex(0x15151C));
  cairo_restore(cr);
  StrokePath(cr, swoosh, Palette::SunYellow, radius * 0.035);
  FillPath(cr, Circle(cx + radius * 0.45, cy + radius * 0.3, radius * 0.13), Palette::SunYellow);
  FillPath(cr, Circle(cx - radius * 0.35, cy - radius * 0.45, radius * 0.07), Palette::Sky);
  StrokePath(cr, disc, Palette::Ink, std::max(2.0, radius * 0.04));
  Gloss(cr, disc, cx - radius * 0.7, cy - radius * 0.95, radius * 1.4, radius * 0.8, 0.22);
}

void PaintGameEmblem(cairo_t* cr, double cx, double cy, double size) {
  PaintCrossedFlags(cr, cx, cy + size * 0.05, size * 0.95);
  const double r = size * 0.3;
  const TPath rim = [=](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy, r, 0, 2 * Pi);
    cairo_new_sub_path(k);
    cairo_arc_negative(k, cx, cy, r * 0.76, 2 * Pi, 0);
  };
  DropShadow(cr, Circle(cx, cy, r), 3, 4);
  StrokePath(cr, rim, Palette::Ink, 4);
  FillVertical(cr, rim, cy - r, Hex(0x4A4F5C), cy + r, Hex(0x1C1F28));
  // Spokes and hub.
  for (double angle : {Pi, 0.0, Pi / 2}) {
    const TPath spoke = [=](cairo_t* k) {
      cairo_move_to(k, cx, cy);
      cairo_line_to(k, cx + r * 0.8 * std::cos(angle), cy + r * 0.8 * std::sin(angle));
    };
    StrokePath(cr, spoke, Palette::Ink, r * 0.26);
    StrokePath(cr, spoke, Hex(0x3A3F4C), r * 0.18);
  }
  FillPath(cr, Circle(cx, cy, r * 0.28), Palette::RacingRed);
  StrokePath(cr, Circle(cx, cy, r * 0.28), Palette::Ink, 2.5);
  FillPath(cr, Circle(cx - r * 0.08, cy - r * 0.08, r * 0.1), WithAlpha(Palette::White, 0.6));
  StrokePath(
      cr, [=](cairo_t* k) { cairo_arc(k, cx, cy, r * 0.88, Radians(200), Radians(260)); },
      WithAlpha(Palette::White, 0.5), r * 0.07);
  FillPath(cr, RoundedRect(cx - r * 0.09, cy - r, r * 0.18, r * 0.24, 2), Palette::SunYellow);
}

#include "ArtText.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "ArtPaint.h"

namespace {

struct TGObjectRelease {
  void operator()(void* object) const { g_object_unref(object); }
};
using TLayoutPtr = std::unique_ptr<PangoLayout, TGObjectRelease>;

const char* FamilyOf(TFace face) {
  return face == TFace::Heavy ? "DejaVu Sans, Liberation Sans, sans" : "Liberation Sans, DejaVu Sans, sans";
}

TLayoutPtr MakeLayout(cairo_t* cr, const std::string& text, TFace face, double size) {
  TLayoutPtr layout(pango_cairo_create_layout(cr));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  PangoContext* context = pango_layout_get_context(layout.get());
  pango_cairo_context_set_font_options(context, options);
  pango_cairo_context_set_resolution(context, 96);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout.get());

  PangoFontDescription* font = pango_font_description_from_string(FamilyOf(face));
  pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
  pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font);
  pango_font_description_free(font);
  pango_layout_set_text(layout.get(), text.c_str(), static_cast<int>(text.size()));
  return layout;
}

double InkWidth(PangoLayout* layout, double* inkLeft) {
  PangoRectangle ink;
  pango_layout_get_extents(layout, &ink, nullptr);
  *inkLeft = ink.x / double(PANGO_SCALE);
  return ink.width / double(PANGO_SCALE);
}

// Height of the capital letters above the baseline at this size.
double CapHeight(cairo_t* cr, TFace face, double size) {
  TLayoutPtr probe = MakeLayout(cr, "H", face, size);
  PangoRectangle ink;
  pango_layout_get_extents(probe.get(), &ink, nullptr);
  return (pango_layout_get_baseline(probe.get()) - ink.y) / double(PANGO_SCALE);
}

}  // namespace

TTextBox TextPath(cairo_t* cr, const std::string& text, const TTextStyle& style, double x,
                  double capCentreY) {
  double size = style.Size;
  TLayoutPtr layout = MakeLayout(cr, text, style.Face, size);
  double inkLeft = 0;
  double width = InkWidth(layout.get(), &inkLeft);
  const double slantWidth = std::tan(Radians(style.Slant));
  if (style.MaxWidth > 0 && width > style.MaxWidth) {
    size *= style.MaxWidth / width;
    layout = MakeLayout(cr, text, style.Face, size);
    width = InkWidth(layout.get(), &inkLeft);
  }
  const double capHeight = CapHeight(cr, style.Face, size);
  const double baseline = pango_layout_get_baseline(layout.get()) / double(PANGO_SCALE);
  double left = x;
  if (style.Align == TAlign::Centre) left = x - width / 2;
  if (style.Align == TAlign::Right) left = x - width;
  const double baselineY = capCentreY + capHeight / 2;

  cairo_save(cr);
  // Lean the letters about the baseline so the slant does not move the line.
  cairo_matrix_t lean;
  cairo_matrix_init(&lean, 1, 0, -slantWidth, 1, slantWidth * baselineY, 0);
  cairo_transform(cr, &lean);
  cairo_move_to(cr, left - inkLeft, baselineY - baseline);
  pango_cairo_layout_path(cr, layout.get());
  cairo_restore(cr);
  return {left, left + width, baselineY - capHeight, baselineY};
}

TTextBox DrawText(cairo_t* cr, const std::string& text, const TTextStyle& style, double x, double capCentreY,
                  TArtColor fill, double outlineWidth, TArtColor outline) {
  cairo_new_path(cr);
  const TTextBox box = TextPath(cr, text, style, x, capCentreY);
  if (outlineWidth > 0) {
    SetColor(cr, outline);
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  SetColor(cr, fill);
  cairo_fill(cr);
  return box;
}

void DrawParagraph(cairo_t* cr, const std::string& text, const TTextStyle& style, double x, double top,
                   double pitch, TArtColor fill) {
  std::istringstream lines(text);
  std::string line;
  const double capHeight = CapHeight(cr, style.Face, style.Size);
  double capCentre = top + capHeight / 2;
  while (std::getline(lines, line)) {
    if (!line.empty()) DrawText(cr, line, style, x, capCentre, fill);
    capCentre += pitch;
  }
}

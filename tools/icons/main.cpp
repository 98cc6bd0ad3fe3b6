// morvel-icons: draws the game's desktop icon at each size given, as the desktop's icon theme
// lays them out: OUT/NxN/apps/NAME.png.
#include <cairo.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/art/ArtCarDesigns.h"
#include "tools/art/ArtPaint.h"

namespace {

// The icon is drawn in a 256-unit square and scaled to each size.
constexpr double kUnits = 256;

// A blue badge with a road and its chequered finish line, the game's first car racing up it to the right.
void PaintIcon(cairo_t* cr, int size) {
  cairo_scale(cr, size / kUnits, size / kUnits);
  const TPath badge = RoundedRect(12, 12, 232, 232, 44);
  FillVertical(cr, badge, 12, Palette::Sky, 244, Palette::UiBlue);
  // Small icons get thicker lines, so the car keeps its outline at 16 pixels.
  const double ink = std::max(1.5, 96.0 / size);
  cairo_save(cr);
  RoundedRectPath(cr, 12, 12, 232, 232, 44);
  cairo_clip(cr);
  Transformed(cr, 128, 128, 35, 1, [cr, ink] {
    FillPath(cr, RoundedRect(-60, -200, 120, 400, 0), Palette::Asphalt);
    Chequer(cr, -60, 66, 8, 2, 15, Hex(0x15151C), Palette::White);
    Transformed(cr, 0, -28, 0, 3.0, [cr, ink] { PaintCar(cr, TCarModel::Speeder, 0, ink); });
  });
  cairo_restore(cr);
  InkOutline(cr, badge, std::max(6.0, 512.0 / size));
}

bool WriteIcon(const std::filesystem::path& outFolder, const std::string& name, int size) {
  const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
  const std::filesystem::path folder = outFolder / sizeName / "apps";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  PaintIcon(cr, size);
  cairo_destroy(cr);
  const std::filesystem::path file = folder / (name + ".png");
  const bool written = !error && cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!written) std::fprintf(stderr, "morvel-icons: cannot write %s\n", file.c_str());
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "Usage: morvel-icons OUT_FOLDER ICON_NAME SIZE...\n");
    return 2;
  }
  for (int arg = 3; arg < argc; ++arg) {
    const std::string_view text = argv[arg];
    int size = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (ec != std::errc() || end != text.data() + text.size() || size < 1) {
      std::fprintf(stderr, "morvel-icons: '%s' is no size\n", argv[arg]);
      return 2;
    }
    if (!WriteIcon(argv[1], argv[2], size)) return 1;
  }
  return 0;
}

#include "ArtTextures.h"

#include <cstdint>
#include <vector>

#include "ArtRandom.h"

namespace {

constexpr int GrassSize = 256;
constexpr int AsphaltSize = 160;

// Runs paint at the place and shifted by one period on both axes, so what crosses an edge comes back at the
// opposite edge and the texture tiles without a seam.
void Wrapped(cairo_t* cr, int period, const std::function<void()>& paint) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      cairo_save(cr);
      cairo_translate(cr, dx * period, dy * period);
      paint();
      cairo_restore(cr);
    }
  }
}

// How one theme's ground is drawn: its colours, mowing stripes or none, and the small things strewn
// over it (leaves, pebbles, sparkles of ice) in their colours.
struct TGroundLook {
  TArtColor Base, Dark, Light;
  bool Stripes;
  int Blades;  // grass blades, light and dark
  std::vector<TArtColor> Strewn;
  int StrewnCount;
  std::uint64_t Seed;
};

TGroundLook GroundLook(TTrackTheme theme) {
  switch (theme) {
    case TTrackTheme::Autumn:
      return {Hex(0x7C9A3C), Hex(0x5E7A2C), Hex(0x9DB553),
              true,          420,           {Hex(0xE8792A), Hex(0xC8452C), Hex(0xF2B53A), Hex(0x9A5A2A)},
              150,           0xA07};
    case TTrackTheme::Desert:
      return {Hex(0xE2C287),
              Hex(0xC9A266),
              Hex(0xF2DDA9),
              false,
              60,
              {Hex(0xB08850), Hex(0xF7E6BF), Hex(0x9C7A4A)},
              260,
              0x5A4D};
    case TTrackTheme::Alpine:
      return {Hex(0xE9F0F7),
              Hex(0xC3D2E3),
              Hex(0xFFFFFF),
              false,
              0,
              {Hex(0xFFFFFF), Hex(0xB4C8DE), Hex(0xD8E6F4)},
              260,
              0x5E0};
    case TTrackTheme::Meadow:
      break;
  }
  return {Palette::Grass, Palette::GrassDark, Palette::GrassLight, true, 600, {}, 0, 0x6A55};
}

TSurfacePtr MakeGround(const TGroundLook& look) {
  TSurfacePtr surface = NewSurface(GrassSize, GrassSize);
  cairo_t* cr = cairo_create(surface.get());
  SetColor(cr, look.Base);
  cairo_paint(cr);
  TArtRandom random(look.Seed);
  for (int layer = 0; layer < 3; ++layer) {
    const int count = 70 - layer * 15;
    for (int blob = 0; blob < count; ++blob) {
      const double x = random.Uniform(0, GrassSize);
      const double y = random.Uniform(0, GrassSize);
      const double rx = random.Uniform(3, 12);
      const double ry = random.Uniform(3, 12);
      const double light = random.Uniform(-0.08, 0.08);
      const TArtColor color = WithAlpha(Shade(look.Base, light), 0.55);
      Wrapped(cr, GrassSize, [&] { FillPath(cr, Ellipse(x, y, rx, ry), color); });
    }
  }
  // Mowing stripes: a period of 64 divides the tile.
  for (int stripe = 0; look.Stripes && stripe < GrassSize / 32; ++stripe) {
    cairo_rectangle(cr, 0, stripe * 32, GrassSize, 32);
    SetColor(cr, stripe % 2 == 0 ? WithAlpha(Palette::White, 0.045) : WithAlpha(Palette::Black, 0.035));
    cairo_fill(cr);
  }
  cairo_set_line_width(cr, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int blade = 0; blade < look.Blades; ++blade) {
    const double x = random.Uniform(0, GrassSize);
    const double y = random.Uniform(0, GrassSize);
    const double length = random.Uniform(3, 6);
    const double lean = random.Uniform(-1.5, 1.5);
    const TArtColor color = random.Below(2) == 0 ? WithAlpha(look.Light, 0.8) : WithAlpha(look.Dark, 0.8);
    Wrapped(cr, GrassSize, [&] {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + lean, y - length);
      SetColor(cr, color);
      cairo_stroke(cr);
    });
  }
  for (int thing = 0; thing < look.StrewnCount; ++thing) {
    const double x = random.Uniform(0, GrassSize);
    const double y = random.Uniform(0, GrassSize);
    const double r = random.Uniform(1.0, 2.6);
    const double turn = random.Uniform(0, 180);
    const TArtColor color = WithAlpha(look.Strewn[random.Below(int(look.Strewn.size()))], 0.85);
    Wrapped(cr, GrassSize,
            [&] { Transformed(cr, x, y, turn, 1, [&] { FillPath(cr, Ellipse(0, 0, r * 1.5, r), color); }); });
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  return surface;
}

std::uint32_t Pack(TArtColor color) {
  auto channel = [](double value) { return static_cast<std::uint32_t>(value * 255.0 + 0.5); };
  return 0xFF000000u | channel(color.R) << 16 | channel(color.G) << 8 | channel(color.B);
}

TSurfacePtr MakeAsphalt() {
  TSurfacePtr surface = NewSurface(AsphaltSize, AsphaltSize);
  cairo_t* cr = cairo_create(surface.get());
  SetColor(cr, Palette::Asphalt);
  cairo_paint(cr);
  TArtRandom random(0xA5FA17);
  // Soft patches of wear, wrapped like the grass.
  for (int patch = 0; patch < 26; ++patch) {
    const double x = random.Uniform(0, AsphaltSize);
    const double y = random.Uniform(0, AsphaltSize);
    const double r = random.Uniform(8, 22);
    const TArtColor color =
        random.Below(2) == 0 ? WithAlpha(Palette::AsphaltLight, 0.10) : WithAlpha(Palette::AsphaltDark, 0.14);
    Wrapped(cr, AsphaltSize, [&] { FillPath(cr, Ellipse(x, y, r, r * random.Uniform(0.6, 1.0)), color); });
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  // One-pixel flecks, 8 % of the pixels, lighter or darker by up to a tenth.
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < AsphaltSize; ++y) {
    for (int x = 0; x < AsphaltSize; ++x) {
      const double pick = random.Uniform(0, 1);
      const double amount = random.Uniform(-0.10, 0.10);
      if (pick >= 0.08) continue;
      auto* pixel = reinterpret_cast<std::uint32_t*>(data + y * stride) + x;
      const TArtColor base{((*pixel >> 16) & 0xFF) / 255.0, ((*pixel >> 8) & 0xFF) / 255.0,
                           (*pixel & 0xFF) / 255.0};
      *pixel = Pack(Shade(base, amount));
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace

TArtTextures MakeTextures() {
  TArtTextures textures{MakeGround(GroundLook(TTrackTheme::Meadow)), MakeAsphalt(), {}};
  for (int theme = 1; theme < kThemeCount; ++theme)
    textures.Grounds[size_t(theme)] = MakeGround(GroundLook(TTrackTheme(theme)));
  return textures;
}

void FillTextured(cairo_t* cr, const TPath& path, cairo_surface_t* texture, double originX, double originY) {
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(texture);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_matrix_t matrix;
  cairo_matrix_init_translate(&matrix, -originX, -originY);
  cairo_pattern_set_matrix(pattern, &matrix);
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void PaintKerbedRoad(cairo_t* cr, const TPath& centreLine, double width, cairo_surface_t* asphalt) {
  const double kerb = std::max(4.0, width * 0.08);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  auto strokeLine = [&](double lineWidth, TArtColor color, const double* dashes, int dashCount) {
    cairo_new_path(cr);
    centreLine(cr);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_dash(cr, dashes, dashCount, 0);
    SetColor(cr, color);
    cairo_stroke(cr);
  };
  strokeLine(width + 2, Palette::Ink, nullptr, 0);
  strokeLine(width, Palette::KerbRed, nullptr, 0);
  const double blocks[] = {kerb * 1.6, kerb * 1.6};
  strokeLine(width, Palette::White, blocks, 2);
  strokeLine(width - 2 * kerb, Palette::AsphaltDark, nullptr, 0);
  // The asphalt itself: the inner stroke painted with the texture.
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(asphalt);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_new_path(cr);
  centreLine(cr);
  cairo_set_line_width(cr, width - 2 * kerb - 3);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_source(cr, pattern);
  cairo_stroke(cr);
  cairo_pattern_destroy(pattern);
}

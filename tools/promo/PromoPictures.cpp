#include "PromoPictures.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "PromoBackground.h"
#include "platform/GamePath.h"
#include "tools/art/ArtPackage.h"
#include "tools/art/ArtPaint.h"

namespace {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

enum class TLook { Normal, Hover, Disabled };

// The lit look under the mouse: the whole button a shade brighter.
void Brighten(cairo_t* cr) {
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_paint(cr);
}

// The greyed look while the countdown runs: colours to their grey and paled, shape and alpha kept.
void Grey(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < cairo_image_surface_get_height(surface); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < cairo_image_surface_get_width(surface); ++x) {
      const std::uint32_t pixel = row[x];
      const std::uint32_t alpha = pixel >> 24;
      const std::uint32_t grey =
          (((pixel >> 16) & 0xFF) * 77 + ((pixel >> 8) & 0xFF) * 150 + (pixel & 0xFF) * 29) >> 8;
      // Premultiplied: a mix of the grey and the alpha stays within the alpha.
      const std::uint32_t pale = (grey * 55 + alpha * 30) / 100;
      row[x] = (alpha << 24) | (pale << 16) | (pale << 8) | pale;
    }
  }
  cairo_surface_mark_dirty(surface);
}

void SavePicture(cairo_surface_t* surface, const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
  if (status != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("writing " + file.string() + ": " + cairo_status_to_string(status));
  }
}

// A fresh picture painted by paint; a failed drawing stops the build rather than leave a blank picture.
TSurfacePtr PaintPicture(int width, int height, const std::function<void(cairo_t* cr)>& paint) {
  TSurfacePtr surface = NewSurface(width, height);
  cairo_t* cr = cairo_create(surface.get());
  paint(cr);
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(status));
  cairo_surface_flush(surface.get());
  return surface;
}

void DrawButton(const TPromoButton& button, TLook look, const char* gamePath,
                const std::filesystem::path& gameFolder) {
  const TSurfacePtr surface = PaintPicture(button.Width, button.Height, [&](cairo_t* cr) {
    PaintButton(cr, button.Width, button.Height, button.Word, button.Tone);
    if (look == TLook::Hover) Brighten(cr);
  });
  if (look == TLook::Disabled) Grey(surface.get());
  SavePicture(surface.get(), gameFolder / NativePath(gamePath));
}

}  // namespace

void DrawPromoPictures(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons,
                       const std::filesystem::path& gameFolder) {
  const TArtTextures textures = MakeTextures();
  const TSurfacePtr background = PaintPicture(
      ScreenWidth, ScreenHeight, [&](cairo_t* cr) { PaintPromoBackground(cr, layout, textures); });
  SavePicture(background.get(), gameFolder / NativePath(layout.Background));
  for (const TPromoButton& button : buttons) {
    DrawButton(button, TLook::Normal, button.Picture, gameFolder);
    DrawButton(button, TLook::Hover, button.HoverPicture, gameFolder);
    if (button.DisabledPicture != nullptr) {
      DrawButton(button, TLook::Disabled, button.DisabledPicture, gameFolder);
    }
  }
}

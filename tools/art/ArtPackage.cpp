#include "ArtPackage.h"

#include <fstream>
#include <stdexcept>

TSurfacePtr NewSurface(int width, int height) {
  return TSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

void TArtPackage::Add(const std::string& name, int width, int height, const TPicturePainter& paint) {
  AddSheet(name, width, height, 1, 1, [&paint](cairo_t* cr, int) { paint(cr); });
}

void TArtPackage::AddSheet(const std::string& name, int tileWidth, int tileHeight, int columns, int rows,
                           const TTilePainter& paint) {
  TArtPicture picture{name,    tileWidth, tileHeight,
                      columns, rows,      NewSurface(tileWidth * columns, tileHeight * rows)};
  cairo_t* cr = cairo_create(picture.Surface.get());
  for (int pattern = 0; pattern < columns * rows; ++pattern) {
    cairo_save(cr);
    cairo_translate(cr, (pattern % columns) * tileWidth, (pattern / columns) * tileHeight);
    cairo_rectangle(cr, 0, 0, tileWidth, tileHeight);
    cairo_clip(cr);
    paint(cr, pattern);
    cairo_restore(cr);
  }
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("drawing " + name + ": " + cairo_status_to_string(status));
  }
  cairo_surface_flush(picture.Surface.get());
  Items.push_back(std::move(picture));
}

const TArtPicture* TArtPackage::Find(const std::string& name) const {
  for (const TArtPicture& picture : Items) {
    if (picture.Name == name) return &picture;
  }
  return nullptr;
}

void TArtPackage::Save(const std::filesystem::path& folder, const std::string& manifestName) const {
  std::filesystem::create_directories(folder);
  std::ofstream manifest(folder / manifestName, std::ios::binary);
  for (const TArtPicture& picture : Items) {
    const std::string file = picture.Name + ".png";
    const cairo_status_t status = cairo_surface_write_to_png(picture.Surface.get(), (folder / file).c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
      throw std::runtime_error("writing " + file + ": " + cairo_status_to_string(status));
    }
    manifest << picture.Name << ' ' << file << " tile=" << picture.TileWidth << 'x' << picture.TileHeight
             << '\n';
  }
  if (!manifest) throw std::runtime_error("writing the manifest in " + folder.string());
}

#pragma once

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TCairoSurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using TSurfacePtr = std::unique_ptr<cairo_surface_t, TCairoSurfaceRelease>;

// A fresh transparent ARGB surface.
TSurfacePtr NewSurface(int width, int height);

// Draws one pattern of a sheet: the context is translated so the tile's top-left is (0,0) and clipped to it.
using TTilePainter = std::function<void(cairo_t* cr, int pattern)>;
using TPicturePainter = std::function<void(cairo_t* cr)>;

// One picture of a package: a sheet of Columns x Rows patterns, each TileWidth x TileHeight.
struct TArtPicture {
  std::string Name;
  int TileWidth = 0;
  int TileHeight = 0;
  int Columns = 1;
  int Rows = 1;
  TSurfacePtr Surface;
};

// The pictures of one image package in package order, saved as PNG files plus the manifest that
// `morvel-tool oil-build` packs.
class TArtPackage {
 public:
  // A single-pattern picture.
  void Add(const std::string& name, int width, int height, const TPicturePainter& paint);
  // A sheet of patterns read row by row.
  void AddSheet(const std::string& name, int tileWidth, int tileHeight, int columns, int rows,
                const TTilePainter& paint);

  const TArtPicture* Find(const std::string& name) const;
  const std::vector<TArtPicture>& Pictures() const { return Items; }

  // Writes <folder>/<name>.png for every picture and <folder>/<manifestName>.
  void Save(const std::filesystem::path& folder, const std::string& manifestName) const;

 private:
  std::vector<TArtPicture> Items;
};

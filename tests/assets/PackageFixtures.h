#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/OilWriter.h"
#include "platform/Png.h"

// Pictures and packages the tests build for themselves.

// A picture whose every pixel tells its place: red = x, green = y, opaque.
inline TPixmap PlacePicture(int width, int height) {
  TPixmap picture{width, height, std::vector<uint32_t>(size_t(width) * size_t(height))};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.Pixels[size_t(y) * size_t(width) + size_t(x)] =
          0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8;
  return picture;
}

inline TOilEntry PngEntry(const std::string& name, const TPixmap& picture, int tileWidth = 0,
                          int tileHeight = 0) {
  TOilEntry entry;
  entry.Name = name;
  entry.PictureClass = "TPNGObject";
  entry.PictureFile = EncodePng(picture);
  entry.TileWidth = tileWidth;
  entry.TileHeight = tileHeight;
  return entry;
}

// A BMP file, bottom row first: 24 bits per pixel, or 8 bits with a palette of the picture's
// colours (at most 256).
std::vector<uint8_t> BmpFile(const TPixmap& picture, int bitsPerPixel);

// A package around hand-made item bytes: the carrier, "List", and the items as given.
std::vector<uint8_t> PackageAround(const std::vector<uint8_t>& itemBytes);

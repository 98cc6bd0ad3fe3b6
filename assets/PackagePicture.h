#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Png.h"

// A picture as an image package stores it: the properties of one item of the package's list.
struct TPackagePicture {
  // Stored in packages, in this order.
  std::string Name;
  TPixmap Picture;  // empty (0 x 0) when the item holds no picture; once built, the texels
  int TileHeight = 1;
  int TileWidth = 1;
  uint32_t TransparentColor = 0;  // 0x00BBGGRR, or a system colour 0xFF0000nn
  bool Transparent = false;
  std::string Filepath;
  // The package's picture block the picture was decoded from (class name, then data): the
  // pixels are let go once the texture holds them, and decoded again when needed.
  std::vector<uint8_t> Stored;
};

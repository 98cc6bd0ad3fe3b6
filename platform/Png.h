#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A picture as ARGB pixels, row by row from the top.
struct TPixmap {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
  uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Decodes a PNG of any colour type; on failure returns nothing and sets error.
std::optional<TPixmap> DecodePng(std::span<const uint8_t> bytes, std::string& error);
std::optional<TPixmap> ReadPngFile(const std::string& path, std::string& error);

// Writes the picture with its alpha channel.
bool WritePngFile(const std::string& path, const TPixmap& picture, std::string& error);

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Png.h"

// Pictures wider or taller than this are taken as corrupt.
constexpr int kMaxPictureSide = 8192;

enum class TPictureFormat { Png, Bmp };

// Decodes a complete PNG or BMP file. False with the reason when it cannot be decoded.
bool DecodePicture(TPictureFormat format, std::span<const uint8_t> bytes, TPixmap& picture,
                   std::string& error);

// Decodes a package's picture block: the picture class name, then that class's data.
// "TPNGObject" and "TBitmap" give a picture; any other class leaves it empty.
bool DecodePictureData(std::span<const uint8_t> block, TPixmap& picture, std::string& error);

// A package's picture block and the picture it becomes.
struct TPictureJob {
  std::span<const uint8_t> Block;
  TPixmap* Picture = nullptr;
};

// Decodes every block as DecodePictureData does, spread over the machine's cores. False with the
// reason of the first block, in the jobs' order, that cannot be decoded.
bool DecodePictureBlocks(const std::vector<TPictureJob>& jobs, std::string& error);

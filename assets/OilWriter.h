#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/OilReader.h"
#include "platform/Png.h"

// The bytes of a package, value by value, in the encodings the reader understands.
class TOilBytes {
 public:
  std::vector<uint8_t> Bytes;

  void Byte(uint8_t value) { Bytes.push_back(value); }
  void Raw(std::span<const uint8_t> bytes) { Bytes.insert(Bytes.end(), bytes.begin(), bytes.end()); }
  void Raw(std::string_view text) { Bytes.insert(Bytes.end(), text.begin(), text.end()); }
  void Little(uint64_t value, int size);    // the low `size` bytes, least significant first
  void ShortString(std::string_view text);  // a length byte and at most 255 characters
  void Value(TValueType type) { Byte(uint8_t(type)); }

  // Typed values as the game's tools write them: the smallest integer type, a short string
  // up to 255 characters and a long string above.
  void Integer(int32_t value);
  void String(std::string_view text);
  void Ident(std::string_view name);
  void Boolean(bool value) { Value(value ? TValueType::vaTrue : TValueType::vaFalse); }
  void Binary(std::span<const uint8_t> bytes);

  // The resource header in front of a component stream of streamSize bytes.
  void ResourceHeader(std::string_view name, uint32_t streamSize);
};

// One image of a package to be written.
struct TOilEntry {
  std::string Name;
  // "TPNGObject" with a complete PNG file, "TBitmap" with a complete BMP file; an empty
  // class writes no picture.
  std::string PictureClass;
  std::vector<uint8_t> PictureFile;
  // Tile size; 0 or less takes the picture's side (a single pattern).
  int TileWidth = 0, TileHeight = 0;
  // 0x00BBGGRR; written as its colour identifier when it has one.
  uint32_t TransparentColor = 0;
  bool Transparent = false;
  std::string Filepath;
};

// A complete package (header, "TPF0", the carrier component with its List).
std::vector<uint8_t> WriteImagePackage(const std::vector<TOilEntry>& entries);

// The picture as a PNG file in memory, with its alpha channel.
std::vector<uint8_t> EncodePng(const TPixmap& picture);

// The width and height a PNG or BMP file declares in its header; none when it is neither.
std::optional<std::pair<int, int>> PictureFileSize(std::span<const uint8_t> file);

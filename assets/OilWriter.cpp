#include "assets/OilWriter.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>

#include "assets/ColorNames.h"

namespace {

constexpr std::string_view kCarrierClass = "TImageListCollectionComponent";
constexpr uint16_t kMemoryFlags = 0x1030;  // moveable, pure, discardable

uint32_t ReadBig(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 |
         uint32_t(bytes[at + 3]);
}

int32_t ReadLittle(std::span<const uint8_t> bytes, size_t at, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) value |= uint32_t(bytes[at + i]) << (8 * i);
  return size == 2 ? int16_t(value) : int32_t(value);
}

void WriteItem(TOilBytes& out, const TOilEntry& entry) {
  std::optional<std::pair<int, int>> size = PictureFileSize(entry.PictureFile);
  out.Value(TValueType::vaList);
  out.ShortString("Name");
  out.String(entry.Name);
  if (!entry.PictureClass.empty()) {
    TOilBytes data;
    data.ShortString(entry.PictureClass);
    if (entry.PictureClass == "TBitmap") data.Little(entry.PictureFile.size(), 4);
    data.Raw(entry.PictureFile);
    out.ShortString("Picture.Data");
    out.Binary(data.Bytes);
  }
  out.ShortString("TileHeight");
  out.Integer(entry.TileHeight > 0 || !size ? entry.TileHeight : size->second);
  out.ShortString("TileWidth");
  out.Integer(entry.TileWidth > 0 || !size ? entry.TileWidth : size->first);
  if (entry.TransparentColor != 0 || entry.Transparent) {
    out.ShortString("TransparentColor");
    std::string_view ident = ColorToIdent(entry.TransparentColor);
    if (ident.empty())
      out.Integer(int32_t(entry.TransparentColor));
    else
      out.Ident(ident);
  }
  if (entry.Transparent) {
    out.ShortString("Transparent");
    out.Boolean(true);
  }
  if (!entry.Filepath.empty()) {
    out.ShortString("Filepath");
    out.String(entry.Filepath);
  }
  out.Byte(0);
}

}  // namespace

void TOilBytes::Little(uint64_t value, int size) {
  for (int i = 0; i < size; ++i) Byte(uint8_t(value >> (8 * i)));
}

void TOilBytes::ShortString(std::string_view text) {
  text = text.substr(0, 255);
  Byte(uint8_t(text.size()));
  Raw(text);
}

void TOilBytes::Integer(int32_t value) {
  if (value >= -128 && value <= 127) {
    Value(TValueType::vaInt8), Little(uint32_t(value), 1);
  } else if (value >= -32768 && value <= 32767) {
    Value(TValueType::vaInt16), Little(uint32_t(value), 2);
  } else {
    Value(TValueType::vaInt32), Little(uint32_t(value), 4);
  }
}

void TOilBytes::String(std::string_view text) {
  if (text.size() <= 255) {
    Value(TValueType::vaString), ShortString(text);
  } else {
    Value(TValueType::vaLString), Little(text.size(), 4), Raw(text);
  }
}

void TOilBytes::Ident(std::string_view name) {
  Value(TValueType::vaIdent);
  ShortString(name);
}

void TOilBytes::Binary(std::span<const uint8_t> bytes) {
  Value(TValueType::vaBinary);
  Little(bytes.size(), 4);
  Raw(bytes);
}

void TOilBytes::ResourceHeader(std::string_view name, uint32_t streamSize) {
  Byte(0xFF);
  Little(10, 2);
  Raw(name.substr(0, 75));
  Byte(0);
  Little(kMemoryFlags, 2);
  Little(streamSize, 4);
}

std::vector<uint8_t> WriteImagePackage(const std::vector<TOilEntry>& entries) {
  TOilBytes stream;
  stream.Raw("TPF0");
  stream.ShortString(kCarrierClass);
  stream.ShortString("");
  stream.ShortString("List");
  stream.Value(TValueType::vaCollection);
  for (const TOilEntry& entry : entries) WriteItem(stream, entry);
  stream.Byte(0);  // end of the collection
  stream.Byte(0);  // end of the carrier's properties
  stream.Byte(0);  // no child components
  TOilBytes package;
  package.ResourceHeader("TIMAGELISTCOLLECTIONCOMPONENT", uint32_t(stream.Bytes.size()));
  package.Raw(stream.Bytes);
  return package.Bytes;
}

std::vector<uint8_t> EncodePng(const TPixmap& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.Width);
  image.height = png_uint_32(picture.Height);
  image.format = PNG_FORMAT_BGRA;  // one little-endian ARGB word per pixel
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.Pixels.data(), 0, nullptr)) return {};
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.Pixels.data(), 0, nullptr))
    return {};
  bytes.resize(size);
  return bytes;
}

std::optional<std::pair<int, int>> PictureFileSize(std::span<const uint8_t> file) {
  if (file.size() >= 24 && file[0] == 0x89 && file[1] == 'P' && file[12] == 'I' && file[13] == 'H')
    return std::pair{int(ReadBig(file, 16)), int(ReadBig(file, 20))};
  if (file.size() >= 26 && file[0] == 'B' && file[1] == 'M') {
    bool core = ReadLittle(file, 14, 4) == 12;
    int width = core ? ReadLittle(file, 18, 2) : ReadLittle(file, 18, 4);
    int height = core ? ReadLittle(file, 20, 2) : ReadLittle(file, 22, 4);
    return std::pair{width, std::abs(height)};
  }
  return std::nullopt;
}

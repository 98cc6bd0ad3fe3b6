#include "platform/Png.h"

#include <png.h>

#include <bit>

namespace {

// PNG_FORMAT_BGRA stores B, G, R, A bytes, which on a little-endian machine is one ARGB word.
static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian ARGB words");

std::optional<TPixmap> FinishRead(png_image& image, std::string& error) {
  constexpr int kMaxSide = 16384;
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
    error = "picture size out of range";
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_BGRA;
  TPixmap picture{int(image.width), int(image.height), {}};
  picture.Pixels.resize(size_t(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr)) {
    error = image.message;
    png_image_free(&image);
    return std::nullopt;
  }
  return picture;
}

}  // namespace

std::optional<TPixmap> DecodePng(std::span<const uint8_t> bytes, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    error = image.message;
    png_image_free(&image);
    return std::nullopt;
  }
  return FinishRead(image, error);
}

std::optional<TPixmap> ReadPngFile(const std::string& path, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = image.message;
    png_image_free(&image);
    return std::nullopt;
  }
  return FinishRead(image, error);
}

bool WritePngFile(const std::string& path, const TPixmap& picture, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.Width);
  image.height = png_uint_32(picture.Height);
  image.format = PNG_FORMAT_BGRA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, picture.Pixels.data(), 0, nullptr)) {
    error = image.message;
    return false;
  }
  return true;
}

#include "platform/Png.h"

#include <gtest/gtest.h>

#include <png.h>

#include <filesystem>
#include <vector>

TEST(Png, WritesAndReadsBackEveryPixel) {
  TPixmap picture{3, 2, {0xFF102030, 0x80FFFFFF, 0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}};
  auto path = std::filesystem::temp_directory_path() / "morvel-png-test.png";
  std::string error;
  ASSERT_TRUE(WritePngFile(path.string(), picture, error)) << error;
  auto read = ReadPngFile(path.string(), error);
  std::filesystem::remove(path);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->Width, 3);
  EXPECT_EQ(read->Height, 2);
  EXPECT_EQ(read->Pixels, picture.Pixels);
}

TEST(Png, RejectsBytesThatAreNoPicture) {
  const uint8_t junk[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  std::string error;
  EXPECT_FALSE(DecodePng(junk, error));
  EXPECT_FALSE(error.empty());
}

namespace {

// A 2 x 1 picture written by libpng itself in one of its formats.
std::vector<uint8_t> WriteWithLibpng(png_uint_32 format, const void* pixels, const void* colormap = nullptr,
                                     int colormapEntries = 0) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 2;
  image.height = 1;
  image.format = format;
  image.colormap_entries = png_uint_32(colormapEntries);
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, pixels, 0, colormap));
  std::vector<uint8_t> bytes(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, colormap));
  bytes.resize(size);
  return bytes;
}

}  // namespace

TEST(Png, DecodesEveryColourTypeToArgb) {
  const uint8_t gray[] = {0x00, 0xFF};
  const uint8_t grayAlpha[] = {0x80, 0x40, 0xFF, 0xFF};
  const uint8_t rgb[] = {0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF};
  const uint8_t rgba[] = {0x10, 0x20, 0x30, 0x40, 0xFF, 0xFF, 0xFF, 0xFF};
  const uint16_t rgba16[] = {0xFFFF, 0, 0, 0xFFFF, 0, 0xFFFF, 0, 0xFFFF};  // linear: red, green
  const uint8_t indices[] = {1, 0};
  const uint8_t palette[] = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};  // blue, transparent black
  struct TCase {
    const char* Name;
    std::vector<uint8_t> Bytes;
    uint32_t First, Second;
  };
  const TCase cases[] = {
      {"gray", WriteWithLibpng(PNG_FORMAT_GRAY, gray), 0xFF000000, 0xFFFFFFFF},
      {"gray+alpha", WriteWithLibpng(PNG_FORMAT_GA, grayAlpha), 0x40808080, 0xFFFFFFFF},
      {"rgb", WriteWithLibpng(PNG_FORMAT_RGB, rgb), 0xFFFF0000, 0xFF0000FF},
      {"rgba", WriteWithLibpng(PNG_FORMAT_RGBA, rgba), 0x40102030, 0xFFFFFFFF},
      {"rgba 16-bit", WriteWithLibpng(PNG_FORMAT_LINEAR_RGB_ALPHA, rgba16), 0xFFFF0000, 0xFF00FF00},
      {"palette with transparency",
       WriteWithLibpng(PNG_FORMAT_RGBA | PNG_FORMAT_FLAG_COLORMAP, indices, palette, 2), 0x00000000,
       0xFF0000FF},
  };
  for (const TCase& c : cases) {
    std::string error;
    auto picture = DecodePng(c.Bytes, error);
    ASSERT_TRUE(picture) << c.Name << ": " << error;
    EXPECT_EQ(picture->At(0, 0), c.First) << c.Name;
    EXPECT_EQ(picture->At(1, 0), c.Second) << c.Name;
  }
}

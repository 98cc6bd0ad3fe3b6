#include "OilSeeds.h"

#include <png.h>

#include "assets/PackageFixtures.h"

namespace {

// A picture in one of libpng's simplified formats (grey, grey and alpha, RGB, RGBA, palette).
std::vector<uint8_t> PngOfFormat(const TPixmap& picture, png_uint_32 format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.Width);
  image.height = png_uint_32(picture.Height);
  image.format = format;
  image.colormap_entries = format & PNG_FORMAT_FLAG_COLORMAP ? 256 : 0;
  std::vector<uint8_t> bytes(1 << 16);
  png_alloc_size_t size = bytes.size();
  std::vector<uint8_t> samples(PNG_IMAGE_SIZE(image));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = uint8_t(i * 37);
  std::vector<uint8_t> colormap(256 * 4, 0x80);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, samples.data(), 0,
                                 format & PNG_FORMAT_FLAG_COLORMAP ? colormap.data() : nullptr))
    return {};
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::vector<std::vector<uint8_t>> OilSeeds() {
  std::vector<std::vector<uint8_t>> seeds;
  TOilEntry sheet = PngEntry("sheet", PlacePicture(16, 8), 4, 4);
  sheet.TransparentColor = 0xFF00FF;
  sheet.Transparent = true;
  TOilEntry bitmap;
  bitmap.Name = "bitmap";
  bitmap.PictureClass = "TBitmap";
  bitmap.PictureFile = BmpFile(PlacePicture(5, 3), 8);
  TOilEntry system = PngEntry(std::string(300, 'n'), PlacePicture(3, 3));
  system.TransparentColor = 0xFF00000F;
  system.Transparent = true;
  system.Filepath = "pics\\x.png";
  seeds.push_back(WriteImagePackage({sheet, bitmap, system}));
  const png_uint_32 formats[] = {PNG_FORMAT_GRAY, PNG_FORMAT_GA,           PNG_FORMAT_RGB,
                                 PNG_FORMAT_RGBA, PNG_FORMAT_RGB_COLORMAP, PNG_FORMAT_LINEAR_Y};
  for (png_uint_32 format : formats) {
    TOilEntry entry;
    entry.Name = "format";
    entry.PictureClass = "TPNGObject";
    entry.PictureFile = PngOfFormat(PlacePicture(7, 5), format);
    seeds.push_back(WriteImagePackage({entry}));
  }
  TOilBytes items;
  items.Integer(1000);
  items.Value(TValueType::vaList);
  items.ShortString("Name");
  items.Value(TValueType::vaWString), items.Little(2, 4), items.Little(0x0416, 2), items.Little('a', 2);
  items.ShortString("TransparentColor"), items.Ident("clBtnFace");
  items.ShortString("Transparent"), items.Boolean(false);
  items.ShortString("Filepath"), items.Value(TValueType::vaUTF8String), items.Little(1, 4), items.Raw("f");
  items.Byte(0);
  seeds.push_back(PackageAround(items.Bytes));
  return seeds;
}

#include "PackageFixtures.h"

#include <algorithm>

std::vector<uint8_t> BmpFile(const TPixmap& picture, int bitsPerPixel) {
  std::vector<uint32_t> palette;
  if (bitsPerPixel == 8)
    for (uint32_t p : picture.Pixels)
      if (std::find(palette.begin(), palette.end(), p) == palette.end()) palette.push_back(p);
  int rowBytes = (picture.Width * bitsPerPixel / 8 + 3) / 4 * 4;
  uint32_t offset = 14 + 40 + uint32_t(palette.size()) * 4;
  TOilBytes out;
  out.Raw("BM");
  out.Little(offset + uint32_t(rowBytes * picture.Height), 4);
  out.Little(0, 4);
  out.Little(offset, 4);
  out.Little(40, 4);
  out.Little(uint32_t(picture.Width), 4);
  out.Little(uint32_t(picture.Height), 4);
  out.Little(1, 2);
  out.Little(uint32_t(bitsPerPixel), 2);
  out.Little(0, 4);  // no compression
  out.Little(uint32_t(rowBytes * picture.Height), 4);
  out.Little(2835, 4), out.Little(2835, 4);
  out.Little(palette.size(), 4), out.Little(0, 4);
  for (uint32_t colour : palette) out.Little(colour & 0xFFFFFF, 4);
  for (int y = picture.Height - 1; y >= 0; --y) {
    size_t rowStart = out.Bytes.size();
    for (int x = 0; x < picture.Width; ++x) {
      uint32_t p = picture.At(x, y);
      if (bitsPerPixel == 8)
        out.Byte(uint8_t(std::find(palette.begin(), palette.end(), p) - palette.begin()));
      else
        out.Little(p & 0xFFFFFF, 3);
    }
    while (out.Bytes.size() - rowStart < size_t(rowBytes)) out.Byte(0);
  }
  return out.Bytes;
}

std::vector<uint8_t> PackageAround(const std::vector<uint8_t>& itemBytes) {
  TOilBytes stream;
  stream.Raw("TPF0");
  stream.ShortString("TImageListCollectionComponent");
  stream.ShortString("");
  stream.ShortString("List");
  stream.Value(TValueType::vaCollection);
  stream.Raw(itemBytes);
  stream.Byte(0), stream.Byte(0), stream.Byte(0);
  TOilBytes package;
  package.ResourceHeader("PACKAGE", uint32_t(stream.Bytes.size()));
  package.Raw(stream.Bytes);
  return package.Bytes;
}

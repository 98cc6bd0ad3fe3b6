#include "engine/GlyphAtlas.h"

#include <algorithm>

TGlyphAtlas::TGlyphAtlas(TRenderDevice& device, TFontFace& face)
    : Device(device), Face(face), Pixels(size_t(AtlasSide) * size_t(AtlasSide), 0) {
  for (int y = 0; y < kSolidSide; ++y)
    std::fill_n(Pixels.begin() + std::ptrdiff_t(y) * AtlasSide, kSolidSide, 0xFFFFFFFFu);
}

TGlyphAtlas::~TGlyphAtlas() {
  if (Handle != kNoTexture) Device.DestroyTexture(Handle);
}

void TGlyphAtlas::Prepare(std::string_view text) {
  for (char c : text)
    if (!Known[static_cast<unsigned char>(c)]) Add(static_cast<unsigned char>(c));
  if (Changed) Upload();
}

void TGlyphAtlas::Add(unsigned char code) {
  Known[code] = true;
  const TGlyphImage& glyph = Face.Glyph(code);
  if (glyph.Width == 0 || glyph.Height == 0) return;
  // One empty texel between glyphs keeps filtering from bleeding a neighbour in.
  for (;;) {
    if (PenX > 0 && PenX + glyph.Width + 1 > AtlasSide) PenX = 0, PenY += RowHeight + 1, RowHeight = 0;
    if (PenY + glyph.Height + 1 <= AtlasSide && PenX + glyph.Width + 1 <= AtlasSide) break;
    Grow();
  }
  for (int y = 0; y < glyph.Height; ++y)
    for (int x = 0; x < glyph.Width; ++x) {
      uint32_t alpha = glyph.Coverage[size_t(y) * size_t(glyph.Width) + size_t(x)];
      Pixels[size_t(PenY + y) * size_t(AtlasSide) + size_t(PenX + x)] = alpha ? alpha << 24 | 0xFFFFFF : 0;
    }
  Places[code] = {PenX, PenY};
  PenX += glyph.Width + 1;
  RowHeight = std::max(RowHeight, glyph.Height);
  Changed = true;
}

void TGlyphAtlas::Grow() {
  // Rows keep their places: the old picture becomes the top-left quarter of the new one, and the
  // row being filled simply runs on to the right.
  int side = AtlasSide * 2;
  std::vector<uint32_t> pixels(size_t(side) * size_t(side), 0);
  for (int y = 0; y < AtlasSide; ++y)
    std::copy_n(Pixels.begin() + std::ptrdiff_t(y) * AtlasSide, AtlasSide,
                pixels.begin() + std::ptrdiff_t(y) * side);
  Pixels = std::move(pixels);
  AtlasSide = side;
}

void TGlyphAtlas::Upload() {
  if (Handle != kNoTexture) Device.DestroyTexture(Handle);
  Handle = Device.CreateTexture(AtlasSide, AtlasSide, Pixels.data());
  Changed = false;
}

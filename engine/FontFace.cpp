#include "engine/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

#include "platform/Cp1251.h"

namespace {

int Pixels(FT_Pos value) {
  return int((value + 32) >> 6);
}
int PixelsUp(FT_Pos value) {
  return int((value + 63) >> 6);
}

void CopyBitmap(const FT_Bitmap& bitmap, TGlyphImage& glyph) {
  glyph.Width = int(bitmap.width);
  glyph.Height = int(bitmap.rows);
  glyph.Coverage.assign(size_t(glyph.Width) * size_t(glyph.Height), 0);
  for (int y = 0; y < glyph.Height; ++y) {
    const uint8_t* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
    for (int x = 0; x < glyph.Width; ++x) {
      uint8_t value =
          bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
      glyph.Coverage[size_t(y) * size_t(glyph.Width) + size_t(x)] = value;
    }
  }
}

}  // namespace

std::unique_ptr<TFontFace> TFontFace::Open(FT_LibraryRec_* library, const TFontFile& file, int pixelSize,
                                           bool antialiased) {
  FT_Face face = nullptr;
  if (!library || file.Path.empty() || FT_New_Face(library, file.Path.c_str(), file.Index, &face) != 0)
    return nullptr;
  if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::max(pixelSize, 1))) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::unique_ptr<TFontFace>(new TFontFace(face, file, antialiased));
}

TFontFace::TFontFace(FT_FaceRec_* face, const TFontFile& file, bool antialiased)
    : Face(face), Embolden(file.Embolden), Oblique(file.Oblique), Antialiased(antialiased) {
  const FT_Size_Metrics& metrics = face->size->metrics;
  FaceAscent = PixelsUp(metrics.ascender);
  FaceDescent = PixelsUp(-metrics.descender);
  if (FT_IS_SCALABLE(face)) {
    Thickness = std::max(1, Pixels(FT_MulFix(face->underline_thickness, metrics.y_scale)));
    UnderlineRow = std::max(1, Pixels(-FT_MulFix(face->underline_position, metrics.y_scale)));
  }
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  StrikeOutRow = os2 && os2->version != 0xFFFF ? -Pixels(FT_MulFix(os2->yStrikeoutPosition, metrics.y_scale))
                                               : -FaceAscent / 3;
}

TFontFace::~TFontFace() {
  FT_Done_Face(Face);
}

const TGlyphImage& TFontFace::Glyph(unsigned char code) {
  std::optional<TGlyphImage>& glyph = Glyphs[code];
  if (!glyph) glyph = Rasterise(code);
  return *glyph;
}

TGlyphImage TFontFace::Rasterise(unsigned char code) {
  TGlyphImage glyph;
  char32_t character = Cp1251ToUnicode(code);
  if (character < 32) return glyph;  // control characters have no picture and no width
  FT_Int32 flags = FT_LOAD_DEFAULT | (Antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
  if (FT_Load_Char(Face, character, flags) != 0) return glyph;
  FT_GlyphSlot slot = Face->glyph;
  if (Oblique) FT_GlyphSlot_Oblique(slot);
  if (Embolden) FT_GlyphSlot_Embolden(slot);
  glyph.Advance = Pixels(slot->advance.x);
  if (FT_Render_Glyph(slot, Antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return glyph;
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  CopyBitmap(slot->bitmap, glyph);
  return glyph;
}

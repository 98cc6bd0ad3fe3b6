#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/FontFace.h"
#include "platform/RenderDevice.h"

// The glyphs of one face in one texture, packed in rows as they are first drawn: white, with each
// glyph's coverage as alpha. The texture doubles its side when a glyph no longer fits. The top
// left corner holds a small opaque block that underlines are drawn from.
class TGlyphAtlas {
 public:
  struct TPlace {
    int X = -1, Y = 0;  // X -1: nothing to draw
  };

  TGlyphAtlas(TRenderDevice& device, TFontFace& face);
  ~TGlyphAtlas();
  TGlyphAtlas(const TGlyphAtlas&) = delete;
  TGlyphAtlas& operator=(const TGlyphAtlas&) = delete;

  // Puts every character of text into the texture; the texture is made again, once, only when
  // something was added.
  void Prepare(std::string_view text);
  TTextureHandle Texture() const { return Handle; }
  int Side() const { return AtlasSide; }
  TPlace Place(unsigned char code) const { return Places[code]; }
  // The middle of the opaque block, in texels.
  float SolidU() const { return 1.0f / float(AtlasSide); }

 private:
  static constexpr int kSolidSide = 2;
  void Add(unsigned char code);
  void Grow();
  void Upload();

  TRenderDevice& Device;
  TFontFace& Face;
  int AtlasSide = 128;
  std::vector<uint32_t> Pixels;
  int PenX = kSolidSide + 1, PenY = 0, RowHeight = kSolidSide;
  std::array<TPlace, 256> Places{};
  std::array<bool, 256> Known{};
  TTextureHandle Handle = kNoTexture;
  bool Changed = true;
};

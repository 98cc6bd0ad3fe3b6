#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/FontFiles.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// One character drawn by a face: where its pixels lie around the pen, and how far the pen moves.
struct TGlyphImage {
  int Advance = 0;        // whole pixels, as the window system measures text
  int Left = 0, Top = 0;  // the bitmap's top-left corner from the pen on the baseline (Top upwards)
  int Width = 0, Height = 0;
  std::vector<uint8_t> Coverage;  // Width x Height, row by row, 0 (empty) to 255 (covered)
};

// A font face at one size in pixels. Characters are the game's Windows-1251 bytes; each is
// rasterised once, when first asked for.
class TFontFace {
 public:
  // Nothing when the file cannot be opened.
  static std::unique_ptr<TFontFace> Open(FT_LibraryRec_* library, const TFontFile& file, int pixelSize,
                                         bool antialiased);
  ~TFontFace();
  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  int Ascent() const { return FaceAscent; }
  int Descent() const { return FaceDescent; }
  int LineHeight() const { return FaceAscent + FaceDescent; }
  // Lines for underlined and struck-out text: top row below the baseline (negative above it).
  int UnderlineTop() const { return UnderlineRow; }
  int StrikeOutTop() const { return StrikeOutRow; }
  int LineThickness() const { return Thickness; }

  const TGlyphImage& Glyph(unsigned char code);
  int Advance(unsigned char code) { return Glyph(code).Advance; }

 private:
  TFontFace(FT_FaceRec_* face, const TFontFile& file, bool antialiased);
  TGlyphImage Rasterise(unsigned char code);

  FT_FaceRec_* Face;
  bool Embolden, Oblique, Antialiased;
  int FaceAscent = 0, FaceDescent = 0;
  int UnderlineRow = 0, StrikeOutRow = 0, Thickness = 1;
  std::array<std::optional<TGlyphImage>, 256> Glyphs;
};

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FontLibrary.h"
#include "engine/OmegaRenderer.h"
#include "engine/OmegaScreen.h"

class TOmegaImageList;
class TImageListItem;

namespace BitmapFontCharacters {

constexpr size_t kDefaultCount = 109;

constexpr std::array<char, kDefaultCount> MakeDefault() {
  std::array<char, kDefaultCount> set{};
  size_t n = 0;
  for (int code = 32; code <= 64; ++code) set[n++] = char(code);
  for (int code : {223, 212, 201, 214, 219, 215, 209, 194, 211, 202, 192, 204, 200, 207, 197, 205, 208,
                   210, 220, 206, 195, 216, 203, 193, 222, 196, 217, 199, 198, 168, 218, 213, 221})
    set[n++] = char(code);
  for (int code = 91; code <= 96; ++code) set[n++] = char(code);
  for (int code : {233, 244, 255, 247, 251, 246, 243, 226, 241, 236, 224, 234, 229, 239, 232, 242, 240,
                   237, 227, 238, 252, 225, 235, 248, 249, 228, 254, 230, 231, 184, 250, 245, 253})
    set[n++] = char(code);
  for (int code = 123; code <= 126; ++code) set[n++] = char(code);
  return set;
}

constexpr std::array<char, kDefaultCount + 52> MakeExtended() {
  std::array<char, kDefaultCount + 52> set{};
  std::array<char, kDefaultCount> base = MakeDefault();
  size_t n = 0;
  for (char c : base) set[n++] = c;
  for (char c = 'A'; c <= 'Z'; ++c) set[n++] = c;
  for (char c = 'a'; c <= 'z'; ++c) set[n++] = c;
  return set;
}

inline constexpr std::array<char, kDefaultCount> kDefaultBytes = MakeDefault();
inline constexpr std::array<char, kDefaultCount + 52> kExtendedBytes = MakeExtended();

}  // namespace BitmapFontCharacters

// The bitmap font's own character set, in its order (Windows-1251): the signs and digits, the
// Russian capitals, a few signs, the Russian small letters and four more signs. It holds no
// Latin letters.
inline constexpr std::string_view kDefaultFontCharacters{BitmapFontCharacters::kDefaultBytes.data(),
                                                         BitmapFontCharacters::kDefaultBytes.size()};
// What the game's fonts are made with: the default set followed by "A".."Z" and "a".."z", so that
// a player can type a Latin name into a name field (which accepts only characters of its font).
inline constexpr std::string_view kExtendedFontCharacters{BitmapFontCharacters::kExtendedBytes.data(),
                                                          BitmapFontCharacters::kExtendedBytes.size()};

enum class TBitmapFontPositionMode { pmTopLeft, pmCenter };

// Flags of CreateFromSystemFont.
namespace BitmapFontFlags {
constexpr int Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8, NoAntialias = 16, FixedCells = 32;
}

// The side of the glyph texture that CreateFromSystemFont starts from; it doubles while the
// glyphs do not fit.
int StartingTextureSide(int characterCount, int size, bool fixedCells);

// A font drawn glyph by glyph as quads through its own renderer, from a glyph texture rendered
// from a system font or taken from an image of an image list: the font of the GUI widgets.
// Strings are the game's Windows-1251 bytes.
class TOmegaBitmapFont final : public TDeviceClient {
 public:
  // A glyph slot: its rectangle in the texture (0..1) and its size in pixels.
  struct TGlyph {
    float ULeft = 0, VTop = 0, URight = 0, VBottom = 0;
    int Width = 0, Height = 0;
  };

  TOmegaBitmapFont(TOmegaScreen& screen, TFontLibrary& fonts);
  ~TOmegaBitmapFont() override;
  TOmegaBitmapFont(const TOmegaBitmapFont&) = delete;
  TOmegaBitmapFont& operator=(const TOmegaBitmapFont&) = delete;

  // Published settings.
  int LineSpace = 10;
  float CenterX = 0, CenterY = 0;
  float ScaleX = 1, ScaleY = 1;
  float Rotation = 0;
  float CharRotation = 0;
  int Spacing = 0;
  TBitmapFontPositionMode PositionMode = TBitmapFontPositionMode::pmTopLeft;

  const std::string& FontName() const { return Name; }
  TOmegaImageList* OmegaImageList() const { return ImageList; }
  void SetOmegaImageList(TOmegaImageList* list);
  int OmegaImageIndex() const { return ImageIndex; }
  void SetOmegaImageIndex(int index);  // negative values are ignored
  const std::string& Characters() const { return CharacterSet; }
  void SetCharacters(std::string_view characters);  // empty: the default set

  int Red() const { return ColorRed; }
  int Green() const { return ColorGreen; }
  int Blue() const { return ColorBlue; }
  int Alpha() const { return ColorAlpha; }
  void SetRed(int value);
  void SetGreen(int value);
  void SetBlue(int value);
  void SetAlpha(int value);
  uint32_t Color() const { return FontColor; }

  // Renders the glyph texture from a system face (flags: BitmapFontFlags) with size in points.
  void CreateFromSystemFont(const std::string& faceName, std::string_view characters, int flags, int size);

  // Colours of each glyph's top-left, top-right, bottom-right and bottom-left corners; blendMode
  // -1 keeps the display's mode. The string turns by angle and scales about (x + CenterX,
  // y + CenterY).
  void DrawText(float x, float y, float angle, float scaleX, float scaleY, uint32_t color0, uint32_t color1,
                uint32_t color2, uint32_t color3, std::string_view text, int blendMode);
  void TextOut(float x, float y, float angle, float scaleX, float scaleY, uint32_t color,
               std::string_view text, int blendMode) {
    DrawText(x, y, angle, scaleX, scaleY, color, color, color, color, text, blendMode);
  }
  // Pixels at the stored ScaleX, without Spacing; at least 1.
  int TextWidth(std::string_view text) const;
  int TextHeight() const;

  // The glyph texture as it stands.
  bool Generated() const { return GeneratedGlyphs; }
  int TextureSide() const { return Side; }
  int CellWidth() const { return Cell.Width; }
  int CellHeight() const { return Cell.Height; }
  const TGlyph& Glyph(int slot) const { return Glyphs[size_t(slot)]; }
  int SlotOf(unsigned char code) const { return Map[code]; }
  // The generated glyph texture's pixels (ARGB), for inspection.
  const std::vector<uint32_t>& GlyphPixels() const { return Pixels; }

  void DeviceCreated(TOmegaScreen& screen) override;
  void DeviceReleasing(TOmegaScreen& screen) override;

 private:
  struct TCell {
    int Width = 0, Height = 0;
  };
  void ReleaseGenerated();
  void ApplyImage();
  TImageListItem* GlyphImage() const;
  TTextureHandle GlyphTexture() const;
  void RebuildColor();

  TOmegaScreen& Screen;
  TFontLibrary& Fonts;
  TOmegaRenderer Renderer;
  TOmegaImageList* ImageList = nullptr;
  int ImageIndex = 0;
  std::string Name;
  std::string CharacterSet{kDefaultFontCharacters};
  int ColorRed = 255, ColorGreen = 255, ColorBlue = 255, ColorAlpha = 255;
  uint32_t FontColor = 0xFFFFFFFF;

  bool HasDevice = false;
  bool GeneratedGlyphs = false;
  int Side = 0;
  std::vector<uint32_t> Pixels;
  TTextureHandle GeneratedTexture = kNoTexture;
  TCell Cell;
  std::array<TGlyph, 256> Glyphs{};
  std::array<int, 256> Map{};
};

#include "engine/OmegaBitmapFont.h"

#include <algorithm>
#include <cmath>

#include "engine/Colors.h"
#include "engine/OmegaImageList.h"

namespace {

// Rounds halves to the even neighbour, as the game's arithmetic does.
int RoundEven(double value) {
  return int(std::nearbyint(value));
}

struct TPlacedGlyph {
  unsigned char Code;
  int X, Y, Width, Height;
};

// Left to right in rows with two empty pixels after every glyph and below every row.
std::vector<TPlacedGlyph> PackRows(std::string_view characters, int side, TFontFace& face, int flags,
                                   int cellWidth, int cellHeight) {
  bool fixed = flags & BitmapFontFlags::FixedCells, italic = flags & BitmapFontFlags::Italic;
  std::vector<TPlacedGlyph> placed;
  int x = 0, y = 0;
  for (char c : characters) {
    auto code = static_cast<unsigned char>(c);
    int width = fixed ? cellWidth : face.Advance(code) + (italic ? 1 : 0);
    int height = fixed ? cellHeight : face.LineHeight() + (italic ? 2 : 0);
    if (x > 0 && x + width + 2 > side) x = 0, y += height + 2;
    placed.push_back({code, x, y, width, height});
    x += width + 2;
  }
  return placed;
}

bool Fits(const std::vector<TPlacedGlyph>& placed, int side) {
  return std::all_of(placed.begin(), placed.end(), [side](const TPlacedGlyph& glyph) {
    return glyph.X + glyph.Width + 1 <= side && glyph.Y + glyph.Height + 1 <= side;
  });
}

// The coverage of one glyph into its cell and the gap after it, never past the picture's edge.
void DrawGlyph(std::vector<uint8_t>& coverage, int side, const TPlacedGlyph& cell, TFontFace& face,
               int flags) {
  const TGlyphImage& glyph = face.Glyph(cell.Code);
  int right = std::min(cell.X + cell.Width + 2, side), bottom = std::min(cell.Y + cell.Height + 2, side);
  int originX = cell.X + glyph.Left, originY = cell.Y + face.Ascent() - glyph.Top;
  for (int gy = 0; gy < glyph.Height; ++gy) {
    int y = originY + gy;
    if (y < cell.Y || y >= bottom) continue;
    for (int gx = 0; gx < glyph.Width; ++gx) {
      int x = originX + gx;
      if (x < cell.X || x >= right) continue;
      uint8_t& texel = coverage[size_t(y) * size_t(side) + size_t(x)];
      texel = std::max(texel, glyph.Coverage[size_t(gy) * size_t(glyph.Width) + size_t(gx)]);
    }
  }
  auto bar = [&](int top) {
    for (int y = std::max(top, cell.Y); y < std::min(top + face.LineThickness(), bottom); ++y)
      std::fill_n(coverage.begin() + std::ptrdiff_t(y) * side + cell.X, std::min(cell.Width, side - cell.X),
                  uint8_t(255));
  };
  int baseline = cell.Y + face.Ascent();
  if (flags & BitmapFontFlags::Underline) bar(baseline + face.UnderlineTop());
  if (flags & BitmapFontFlags::StrikeOut) bar(baseline + face.StrikeOutTop());
}

// White texels whose alpha is the coverage cut to four bits; nothing covered is transparent black.
uint32_t FourBitTexel(uint8_t coverage) {
  uint32_t level = coverage >> 4;
  return level == 0 ? 0 : (level * 17) << 24 | 0xFFFFFF;
}

}  // namespace

int StartingTextureSide(int characterCount, int size, bool fixedCells) {
  if (fixedCells) {
    double area = double(characterCount) * 2.0 * double(size + 1) * double(size + 1);
    int wanted = RoundEven(std::sqrt(area)), side = 1;
    while (side < wanted) side *= 2;
    return side;
  }
  return size > 40 ? 1024 : size <= 20 ? 256 : 512;
}

TOmegaBitmapFont::TOmegaBitmapFont(TOmegaScreen& screen, TFontLibrary& fonts) : Screen(screen), Fonts(fonts) {
  Map.fill(-1);
  Screen.AddClient(*this, TClientPass::Others);
}

TOmegaBitmapFont::~TOmegaBitmapFont() {
  Screen.RemoveClient(*this);
  ReleaseGenerated();
}

void TOmegaBitmapFont::RebuildColor() {
  FontColor = ColorARGB(ColorRed, ColorGreen, ColorBlue, ColorAlpha);
}
void TOmegaBitmapFont::SetRed(int value) {
  ColorRed = value, RebuildColor();
}
void TOmegaBitmapFont::SetGreen(int value) {
  ColorGreen = value, RebuildColor();
}
void TOmegaBitmapFont::SetBlue(int value) {
  ColorBlue = value, RebuildColor();
}
void TOmegaBitmapFont::SetAlpha(int value) {
  ColorAlpha = value, RebuildColor();
}

void TOmegaBitmapFont::SetOmegaImageList(TOmegaImageList* list) {
  ImageList = list;
  ApplyImage();
}

void TOmegaBitmapFont::SetOmegaImageIndex(int index) {
  if (index < 0) return;
  ImageIndex = index;
  ApplyImage();
}

void TOmegaBitmapFont::SetCharacters(std::string_view characters) {
  CharacterSet = characters.empty() ? std::string(kDefaultFontCharacters) : std::string(characters);
  if (GeneratedGlyphs) return;  // generated glyphs stay where they were rendered: by character code
  Map.fill(-1);
  for (size_t i = 0; i < CharacterSet.size() && i < Map.size(); ++i) {
    int& slot = Map[static_cast<unsigned char>(CharacterSet[i])];
    if (slot == -1) slot = int(i);
  }
  if (Map[' '] == -1) Map[' '] = 0;
}

TImageListItem* TOmegaBitmapFont::GlyphImage() const {
  if (!ImageList || ImageIndex >= ImageList->Count()) return nullptr;
  return &ImageList->Items(ImageIndex);
}

void TOmegaBitmapFont::ApplyImage() {
  TImageListItem* image = GlyphImage();
  if (!image) return;
  ReleaseGenerated();
  GeneratedGlyphs = false;
  Pixels.clear();
  Side = 0;
  Name = image->Name;
  Cell = {image->TileWidth, image->TileHeight};
  int count = image->PatternCount();
  for (int slot = 0; slot < int(Glyphs.size()); ++slot) {
    TGlyph& glyph = Glyphs[size_t(slot)];
    glyph = {0, 0, 0, 0, Cell.Width, Cell.Height};
    if (count == 0 || image->TextureWidth <= 0 || image->TextureHeight <= 0) continue;
    int tile = std::min(slot, count - 1);
    float left = float((tile % image->Columns) * Cell.Width),
          top = float((tile / image->Columns) * Cell.Height);
    float width = float(image->TextureWidth), height = float(image->TextureHeight);
    glyph = {
        left / width, top / height, (left + float(Cell.Width)) / width, (top + float(Cell.Height)) / height,
        Cell.Width,   Cell.Height};
  }
  SetCharacters(CharacterSet);
}

void TOmegaBitmapFont::ReleaseGenerated() {
  if (GeneratedTexture != kNoTexture && HasDevice) Screen.Device().DestroyTexture(GeneratedTexture);
  GeneratedTexture = kNoTexture;
}

void TOmegaBitmapFont::CreateFromSystemFont(const std::string& faceName, std::string_view characters,
                                            int flags, int size) {
  ReleaseGenerated();
  Name = faceName;
  TFontFace* face = Fonts.Face(faceName, flags & BitmapFontFlags::Bold, flags & BitmapFontFlags::Italic,
                               PointsToPixels(size), !(flags & BitmapFontFlags::NoAntialias));
  if (!face) return;
  bool fixed = flags & BitmapFontFlags::FixedCells;
  Cell = {face->Advance(fixed ? 'W' : 'a'), face->LineHeight()};
  // Large sizes and long sets outgrow the side the rule gives: the side doubles until all fit.
  Side = StartingTextureSide(int(characters.size()), size, fixed);
  std::vector<TPlacedGlyph> placed = PackRows(characters, Side, *face, flags, Cell.Width, Cell.Height);
  while (!Fits(placed, Side)) placed = PackRows(characters, Side *= 2, *face, flags, Cell.Width, Cell.Height);

  std::vector<uint8_t> coverage(size_t(Side) * size_t(Side), 0);
  Glyphs.fill({});
  Map.fill(-1);
  float side = float(Side);
  bool narrowed = (flags & BitmapFontFlags::Italic) && !fixed;
  for (const TPlacedGlyph& glyph : placed) {
    DrawGlyph(coverage, Side, glyph, *face, flags);
    int right = glyph.X + glyph.Width + (narrowed ? -1 : 1);
    Glyphs[glyph.Code] = {float(glyph.X) / side, float(glyph.Y) / side,
                          float(right) / side,   float(glyph.Y + glyph.Height + 1) / side,
                          glyph.Width,           glyph.Height};
    Map[glyph.Code] = glyph.Code;  // recorded by character code: the map is the identity
  }
  Pixels.resize(coverage.size());
  std::transform(coverage.begin(), coverage.end(), Pixels.begin(), FourBitTexel);
  if (HasDevice) GeneratedTexture = Screen.Device().CreateTexture(Side, Side, Pixels.data());
  GeneratedGlyphs = true;
  SetCharacters(characters);
}

TTextureHandle TOmegaBitmapFont::GlyphTexture() const {
  if (GeneratedGlyphs) return GeneratedTexture;
  TImageListItem* image = GlyphImage();
  return image ? image->TextureToDraw() : kNoTexture;
}

void TOmegaBitmapFont::DrawText(float x, float y, float angle, float scaleX, float scaleY, uint32_t color0,
                                uint32_t color1, uint32_t color2, uint32_t color3, std::string_view text,
                                int blendMode) {
  TTextureHandle texture = GlyphTexture();
  if (!HasDevice || texture == kNoTexture) return;
  Screen.SetTexture(texture);
  float penX = x, penY = y;
  if (PositionMode == TBitmapFontPositionMode::pmCenter) {
    penX = x - float(RoundEven(double(text.size()) * 0.5 * Cell.Width));
    penY = y - float(RoundEven(Cell.Height * 0.25));
  }
  Screen.SetBlendMode(blendMode);
  for (char c : text) {
    auto code = static_cast<unsigned char>(c);
    if (code == 13) {
      penX = x;
      penY += float(Cell.Height + LineSpace);
      continue;
    }
    if (Map[code] < 0) continue;
    const TGlyph& glyph = Glyphs[size_t(Map[code])];
    float w = float(glyph.Width), h = float(glyph.Height);
    if (code != ' ') {
      Renderer.SetColors(color0, color1, color2, color3);
      Renderer.SetTexCoords({glyph.ULeft, glyph.VTop}, {glyph.URight, glyph.VTop},
                            {glyph.URight, glyph.VBottom}, {glyph.ULeft, glyph.VBottom});
      Renderer.SetPositions(penX, penY, penX + w, penY, penX + w, penY + h, penX, penY + h);
      if (CharRotation != 0) Renderer.Rotate(penX + w * 0.5f, penY + h * 0.5f, CharRotation);
      Renderer.RotateScale(x + CenterX, y + CenterY, angle, scaleX, scaleY);
      Renderer.Flush();
    }
    penX += w + float(Spacing);
  }
}

int TOmegaBitmapFont::TextWidth(std::string_view text) const {
  int width = 0;
  for (char c : text) {
    int slot = Map[static_cast<unsigned char>(c)];
    if (slot >= 0) width += RoundEven(Glyphs[size_t(slot)].Width * double(ScaleX));
  }
  return width == 0 ? 1 : width;
}

int TOmegaBitmapFont::TextHeight() const {
  return std::max(1, RoundEven(Cell.Height * double(ScaleY)));
}

void TOmegaBitmapFont::DeviceCreated(TOmegaScreen& screen) {
  HasDevice = true;
  Renderer.Bind(screen);
  GeneratedGlyphs = false;
  ReleaseGenerated();
  if (!ImageList) {
    CreateFromSystemFont("Arial", kDefaultFontCharacters, BitmapFontFlags::Bold, 12);
    return;
  }
  ApplyImage();
  SetCharacters(CharacterSet);
}

void TOmegaBitmapFont::DeviceReleasing(TOmegaScreen&) {
  ReleaseGenerated();
  HasDevice = false;
}

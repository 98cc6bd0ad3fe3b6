#include "engine/OmegaFont.h"

#include <algorithm>

namespace {

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

// Calls line(begin, end) for every line of text; "\r\n" is one break.
template <typename TLine>
void ForEachLine(std::string_view text, TLine line) {
  size_t begin = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !IsLineBreak(text[i])) continue;
    line(text.substr(begin, i - begin));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
}

}  // namespace

TOmegaFont::TOmegaFont(TOmegaScreen& screen, TFontLibrary& fonts) : Screen(screen), Fonts(fonts) {
  Face = Fonts.Face(Name, false, false, PointsToPixels(PointSize));
  Screen.AddClient(*this, TClientPass::Others);
}

TOmegaFont::~TOmegaFont() {
  Screen.RemoveClient(*this);
}

void TOmegaFont::SetFont(const std::string& name, int size, TFontStyle style) {
  Name = name;
  PointSize = size;
  FontStyle = style;
  TextColor = 0xFFFFFFFF;
  Atlas.reset();
  Face = Fonts.Face(Name, style.Bold, style.Italic, PointsToPixels(size));
  if (HasDevice) DeviceCreated(Screen);
}

void TOmegaFont::DeviceCreated(TOmegaScreen& screen) {
  HasDevice = true;
  Atlas = Face ? std::make_unique<TGlyphAtlas>(screen.Device(), *Face) : nullptr;
}

void TOmegaFont::DeviceReleasing(TOmegaScreen&) {
  HasDevice = false;
  Atlas.reset();
}

int TOmegaFont::TextWidth(std::string_view text) const {
  if (!Face) return 0;
  int widest = 0;
  ForEachLine(text, [&](std::string_view line) {
    int width = 0;
    for (char c : line) width += Face->Advance(static_cast<unsigned char>(c));
    widest = std::max(widest, width);
  });
  return widest;
}

int TOmegaFont::TextHeight(std::string_view text) const {
  if (!Face) return 0;
  int lines = 0;
  ForEachLine(text, [&](std::string_view) { ++lines; });
  return lines * Face->LineHeight();
}

void TOmegaFont::TextOut(int x, int y, std::string_view text) {
  if (!Atlas || !Screen.Ready()) return;
  Atlas->Prepare(text);
  Quads.clear();
  int top = y;
  ForEachLine(text, [&](std::string_view line) {
    int penX = x;
    for (char c : line) {
      auto code = static_cast<unsigned char>(c);
      const TGlyphImage& glyph = Face->Glyph(code);
      AddGlyph(penX, top, glyph, Atlas->Place(code));
      penX += glyph.Advance;
    }
    AddLines(x, penX, top);
    top += Face->LineHeight();
  });
  Screen.SetTexture(Atlas->Texture());
  Screen.SubmitUntransformedQuads(Quads);
}

void TOmegaFont::AddGlyph(int penX, int top, const TGlyphImage& glyph, TGlyphAtlas::TPlace place) {
  if (place.X < 0) return;
  // Corners half a pixel up and left of the pixel centres: texel n covers pixel n exactly.
  float left = float(penX + glyph.Left) - 0.5f, right = left + float(glyph.Width);
  float upper = float(top + Face->Ascent() - glyph.Top) - 0.5f, lower = upper + float(glyph.Height);
  float side = float(Atlas->Side());
  float u0 = float(place.X) / side, u1 = float(place.X + glyph.Width) / side;
  float v0 = float(place.Y) / side, v1 = float(place.Y + glyph.Height) / side;
  Quads.push_back({{{left, upper, 0, 1, TextColor, u0, v0},
                    {right, upper, 0, 1, TextColor, u1, v0},
                    {right, lower, 0, 1, TextColor, u1, v1},
                    {left, lower, 0, 1, TextColor, u0, v1}}});
}

void TOmegaFont::AddLines(int left, int right, int top) {
  int baseline = top + Face->Ascent();
  if (FontStyle.Underline) AddBar(left, right, baseline + Face->UnderlineTop(), Face->LineThickness());
  if (FontStyle.StrikeOut) AddBar(left, right, baseline + Face->StrikeOutTop(), Face->LineThickness());
}

void TOmegaFont::AddBar(int left, int right, int top, int height) {
  if (right <= left) return;
  float x0 = float(left) - 0.5f, x1 = float(right) - 0.5f;
  float y0 = float(top) - 0.5f, y1 = y0 + float(height);
  float u = Atlas->SolidU();
  Quads.push_back({{{x0, y0, 0, 1, TextColor, u, u},
                    {x1, y0, 0, 1, TextColor, u, u},
                    {x1, y1, 0, 1, TextColor, u, u},
                    {x0, y1, 0, 1, TextColor, u, u}}});
}

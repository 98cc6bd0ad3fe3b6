#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FontLibrary.h"
#include "engine/GlyphAtlas.h"
#include "engine/OmegaScreen.h"

// Text in a system font, drawn straight onto the back buffer: titles, labels, scores, times and
// the ticker. Strings are the game's Windows-1251 bytes; sizes are points.
class TOmegaFont final : public TDeviceClient {
 public:
  TOmegaFont(TOmegaScreen& screen, TFontLibrary& fonts);
  ~TOmegaFont() override;
  TOmegaFont(const TOmegaFont&) = delete;
  TOmegaFont& operator=(const TOmegaFont&) = delete;

  // Takes another face or size; the colour goes back to opaque white.
  void SetFont(const std::string& name, int size, TFontStyle style = {});
  void SetColor(uint32_t argb) { TextColor = argb; }

  // Top-left corner at (x, y), unclipped, in the font's colour; line breaks start new lines. The
  // screen-wide transform and colour do not apply. Draws nothing while the display has no device.
  void TextOut(int x, int y, std::string_view text);
  // The extent of text in pixels: its widest line, and its lines' height.
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;

  const std::string& FontName() const { return Name; }
  int Size() const { return PointSize; }
  TFontStyle Style() const { return FontStyle; }
  uint32_t Color() const { return TextColor; }

  void DeviceCreated(TOmegaScreen& screen) override;
  void DeviceReleasing(TOmegaScreen& screen) override;

 private:
  void AddGlyph(int penX, int top, const TGlyphImage& glyph, TGlyphAtlas::TPlace place);
  void AddLines(int left, int right, int top);
  void AddBar(int left, int right, int top, int height);

  TOmegaScreen& Screen;
  TFontLibrary& Fonts;
  std::string Name = "Arial";
  int PointSize = 10;
  TFontStyle FontStyle;
  uint32_t TextColor = 0xFFFFFFFF;
  TFontFace* Face = nullptr;           // measures, with or without a device
  std::unique_ptr<TGlyphAtlas> Atlas;  // the device's copy of the glyphs
  bool HasDevice = false;
  std::vector<TQuad> Quads;  // reused from string to string
};

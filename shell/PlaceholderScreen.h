#pragma once

#include "engine/OmegaRenderer.h"
#include "engine/OmegaScreen.h"

// Stands in for the intro until the menus are drawn from the game's pictures: a few quads,
// turned, scaled, coloured per corner, blended normally and additively, to show the display.
class TPlaceholderScreen final : public TDeviceClient {
 public:
  explicit TPlaceholderScreen(TOmegaScreen& screen);
  ~TPlaceholderScreen() override;
  TPlaceholderScreen(const TPlaceholderScreen&) = delete;
  TPlaceholderScreen& operator=(const TPlaceholderScreen&) = delete;

  void Frame(int ticks);

  void DeviceCreated(TOmegaScreen& screen) override;
  void DeviceReleasing(TOmegaScreen& screen) override;

 private:
  void DrawQuad(TTextureHandle texture, float x, float y, float w, float h, float angle, float scale,
                const std::array<uint32_t, 4>& colors, int blendMode);

  TOmegaScreen& Screen;
  TOmegaRenderer Renderer;
  TTextureHandle Checker = kNoTexture;
  TTextureHandle Glow = kNoTexture;
};

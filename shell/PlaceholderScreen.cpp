#include "shell/PlaceholderScreen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 64;

std::vector<uint32_t> CheckerPixels() {
  std::vector<uint32_t> pixels(kSide * kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      pixels[size_t(y * kSide + x)] = ((x / 8 + y / 8) % 2) ? 0xFFFFD23Cu : 0xFF1E64DCu;
  return pixels;
}

std::vector<uint32_t> GlowPixels() {
  std::vector<uint32_t> pixels(kSide * kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      double dx = (x + 0.5) / kSide * 2 - 1, dy = (y + 0.5) / kSide * 2 - 1;
      double a = std::clamp(1.0 - std::sqrt(dx * dx + dy * dy), 0.0, 1.0);
      pixels[size_t(y * kSide + x)] = uint32_t(std::lround(a * a * 255)) << 24 | 0xFFFFFF;
    }
  return pixels;
}

}  // namespace

TPlaceholderScreen::TPlaceholderScreen(TOmegaScreen& screen) : Screen(screen) {
  Screen.AddClient(*this, TClientPass::Textures);
}

TPlaceholderScreen::~TPlaceholderScreen() {
  DeviceReleasing(Screen);
  Screen.RemoveClient(*this);
}

void TPlaceholderScreen::DeviceCreated(TOmegaScreen& screen) {
  Renderer.Bind(screen);
  Checker = screen.Device().CreateTexture(kSide, kSide, CheckerPixels().data());
  Glow = screen.Device().CreateTexture(kSide, kSide, GlowPixels().data());
}

void TPlaceholderScreen::DeviceReleasing(TOmegaScreen& screen) {
  if (!screen.Ready()) return;
  screen.Device().DestroyTexture(Checker);
  screen.Device().DestroyTexture(Glow);
  Checker = Glow = kNoTexture;
}

void TPlaceholderScreen::DrawQuad(TTextureHandle texture, float x, float y, float w, float h, float angle,
                                  float scale, const std::array<uint32_t, 4>& colors, int blendMode) {
  Screen.SetBlendMode(blendMode);
  Screen.SetTexture(texture);
  Renderer.SetTexCoords({0, 0}, {1, 0}, {1, 1}, {0, 1});
  Renderer.SetPositions(x - 0.5f, y - 0.5f, x + w - 0.5f, y - 0.5f, x + w - 0.5f, y + h - 0.5f, x - 0.5f,
                        y + h - 0.5f);
  Renderer.SetColors(colors[0], colors[1], colors[2], colors[3]);
  Renderer.RotateScale(x + w / 2, y + h / 2, angle, scale, scale);
  Renderer.Flush();
}

void TPlaceholderScreen::Frame(int ticks) {
  Screen.Clear(0, 0, 0, 0);
  Screen.BeginScene();
  const float t = float(ticks);
  // Sky-to-grass backdrop, one colour per corner.
  DrawQuad(kNoTexture, 0, 0, 800, 600, 0, 1, {0xFF2A6FDB, 0xFF2A6FDB, 0xFF2E9E44, 0xFF1D7A33}, 0);
  // A turning, growing and shrinking chequered board, filtered as it turns.
  DrawQuad(Checker, 250, 150, 300, 300, t * 0.75f, 1.0f + 0.25f * std::sin(t / 45), {~0u, ~0u, ~0u, ~0u}, 0);
  // A half-transparent red band blended normally over it.
  DrawQuad(kNoTexture, 0, 470, 800, 60, 0, 1, {0x80E02020, 0x80E02020, 0x80601010, 0x80601010}, 0);
  // Three lights adding up where they overlap.
  const std::array<uint32_t, 3> lights{0xFFFF3030, 0xFF30FF30, 0xFF3060FF};
  for (int i = 0; i < 3; ++i) {
    float x = 520 + 60 * float(i) + 20 * std::sin(t / 30 + float(i) * 2);
    DrawQuad(Glow, x, 60, 160, 160, 0, 1, {lights[i], lights[i], lights[i], lights[i]}, 2);
  }
  Screen.EndScene();
}

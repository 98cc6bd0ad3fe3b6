#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/SdlRenderDevice.h"
#include "platform/SdlVideo.h"
#include "tests/platform/RectQuad.h"

namespace {

uint32_t Pixel(const std::vector<uint32_t>& pixels, int x, int y) {
  return pixels[size_t(y * 800 + x)];
}
int Red(uint32_t argb) {
  return int((argb >> 16) & 0xFF);
}

class HeadlessDevice : public testing::TestWithParam<TRenderKind> {
 protected:
  void SetUp() override {
    Device = Video.OpenDevice(800, 600, false).Device;
    ASSERT_NE(Device, nullptr);
  }
  TSdlVideo Video{TVideoOptions{true, GetParam()}};
  TRenderDevice* Device = nullptr;
};

}  // namespace

TEST_P(HeadlessDevice, UsesTheRendererItWasAskedFor) {
  EXPECT_EQ(Device->Name(), GetParam() == TRenderKind::Gl ? "opengl" : "software");
}

// A quad the game spans from -0.5 to 10 (its pixel centres on whole numbers) covers exactly the
// pixels 0..9.
TEST_P(HeadlessDevice, CoversExactlyThePixelsTheGameMeans) {
  Device->Clear(0xFF000000);
  Device->DrawQuad(Rect(-0.5f, -0.5f, 10.0f, 10.0f, 0xFFFFFFFF));
  auto pixels = Device->ReadPixels();
  ASSERT_EQ(pixels.size(), 800u * 600u);
  EXPECT_EQ(Pixel(pixels, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(pixels, 9, 9), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(pixels, 10, 5), 0xFF000000u);
  EXPECT_EQ(Pixel(pixels, 5, 10), 0xFF000000u);
}

TEST_P(HeadlessDevice, BlendsNormallyAndAdditively) {
  Device->Clear(0xFF808080);
  Device->SetBlendFactors(TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha);
  Device->DrawQuad(Rect(-0.5f, -0.5f, 10, 10, 0x80000000));  // half-transparent black: half as bright
  Device->SetBlendFactors(TBlendFactor::SrcAlpha, TBlendFactor::One);
  Device->DrawQuad(Rect(19.5f, -0.5f, 30, 10, 0x80404040));  // adds the colour times its alpha
  auto pixels = Device->ReadPixels();
  EXPECT_NEAR(Red(Pixel(pixels, 5, 5)), 0x40, 2);
  EXPECT_NEAR(Red(Pixel(pixels, 25, 5)), 0x80 + 0x20, 2);
}

INSTANTIATE_TEST_SUITE_P(Renderers, HeadlessDevice, testing::Values(TRenderKind::Gl, TRenderKind::Software),
                         [](const auto& info) { return info.param == TRenderKind::Gl ? "gl" : "software"; });

// OpenGL honours every blend pair of the game's table.
TEST(HeadlessGl, HonoursTheWholeBlendTable) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  TRenderDevice* device = video.OpenDevice(800, 600, false).Device;
  ASSERT_NE(device, nullptr);
  struct TCase {
    TBlendFactor Source, Destination;
    int Expected;  // red after drawing 0x40 (alpha 0x80) over 0x80
  };
  const TCase cases[] = {
      {TBlendFactor::One, TBlendFactor::One, 0xC0},
      {TBlendFactor::Zero, TBlendFactor::SrcColor, 0x20},
      {TBlendFactor::Zero, TBlendFactor::SrcAlpha, 0x40},
      {TBlendFactor::Zero, TBlendFactor::InvSrcColor, 0x60},
      {TBlendFactor::InvDestColor, TBlendFactor::Zero, 0x20},
      {TBlendFactor::DestColor, TBlendFactor::DestColor, 0x60},
      {TBlendFactor::InvSrcColor, TBlendFactor::InvSrcColor, 0x90},
      {TBlendFactor::SrcColor, TBlendFactor::InvSrcColor, 0x70},
  };
  for (const TCase& c : cases) {
    device->Clear(0xFF808080);
    device->SetBlendFactors(c.Source, c.Destination);
    device->DrawQuad(Rect(-0.5f, -0.5f, 10, 10, 0x80404040));
    auto pixels = device->ReadPixels();
    EXPECT_NEAR(Red(Pixel(pixels, 5, 5)), c.Expected, 3) << int(c.Source) << "/" << int(c.Destination);
  }
}

TEST(HeadlessGl, SamplesTexturesModulatedByTheVertexColour) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  TRenderDevice* device = video.OpenDevice(800, 600, false).Device;
  ASSERT_NE(device, nullptr);
  const uint32_t texels[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  TTextureHandle texture = device->CreateTexture(2, 2, texels);
  ASSERT_NE(texture, kNoTexture);
  device->Clear(0xFF000000);
  device->SetTexture(texture);
  device->DrawQuad(Rect(-0.5f, -0.5f, 100, 100, 0xFF808080));  // nearest filtering: four squares
  auto pixels = device->ReadPixels();
  EXPECT_NEAR(Red(Pixel(pixels, 20, 20)), 0x80, 2);
  EXPECT_EQ(Pixel(pixels, 80, 20) & 0xFF00FF, 0u);       // green texel: no red, no blue
  EXPECT_EQ((Pixel(pixels, 20, 80) >> 8) & 0xFFFF, 0u);  // blue texel
}

// Quads in normal blending skip the blend only when nothing of them can be see-through: an opaque
// texture under an opaque vertex colour. A see-through texel or vertex alpha still blends.
TEST_P(HeadlessDevice, OnlyWhollyOpaqueQuadsCoverWithoutBlending) {
  const uint32_t opaque[2] = {0xFFFF0000, 0xFFFF0000}, mixed[2] = {0xFFFF0000, 0x00FF0000};
  const TTextureHandle solid = Device->CreateTexture(2, 1, opaque),
                       holed = Device->CreateTexture(2, 1, mixed);
  struct TCase {
    TTextureHandle Texture;
    uint32_t VertexColor;
    int ExpectedRed;  // at the quad's right half, drawn over mid grey
  } cases[] = {
      {solid, 0xFFFFFFFF, 0xFF},      {solid, 0x80FFFFFF, 0xBF},  // half transparent vertices blend
      {holed, 0xFFFFFFFF, 0x80},                                  // the transparent texel leaves the grey
      {kNoTexture, 0xFFFF0000, 0xFF}, {kNoTexture, 0x80FF0000, 0xBF},
  };
  Device->SetTextureFilter(false);
  Device->SetBlendFactors(TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha);
  for (const TCase& c : cases) {
    Device->Clear(0xFF808080);
    Device->SetTexture(c.Texture);
    Device->DrawQuad(Rect(-0.5f, -0.5f, 19.5f, 9.5f, c.VertexColor));
    auto pixels = Device->ReadPixels();
    EXPECT_NEAR(Red(Pixel(pixels, 15, 5)), c.ExpectedRed, 2) << std::hex << c.VertexColor;
  }
}

// A clear quad is left out only where the blend would keep what lies below: adding its colour
// changes the picture even at alpha 0.
TEST(HeadlessGl, ClearQuadsAreLeftOutOnlyWhereTheBlendKeepsWhatLiesBelow) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  TRenderDevice* device = video.OpenDevice(800, 600, false).Device;
  ASSERT_NE(device, nullptr);
  struct TCase {
    TBlendFactor Source, Destination;
    int ExpectedRed;  // after drawing 0x40 at alpha 0 over 0x80
  } cases[] = {{TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha, 0x80},
               {TBlendFactor::SrcAlpha, TBlendFactor::One, 0x80},
               {TBlendFactor::One, TBlendFactor::One, 0xC0},
               {TBlendFactor::InvDestColor, TBlendFactor::Zero, 0x20}};
  for (const TCase& c : cases) {
    device->Clear(0xFF808080);
    device->SetBlendFactors(c.Source, c.Destination);
    device->DrawQuad(Rect(-0.5f, -0.5f, 10, 10, 0x00404040));
    auto pixels = device->ReadPixels();
    EXPECT_NEAR(Red(Pixel(pixels, 5, 5)), c.ExpectedRed, 2) << int(c.Source) << " " << int(c.Destination);
  }
}

// In a window larger than the picture, quads are scaled into the letterbox and clipped to it, and
// the picture read back has the game's own size.
TEST(HeadlessGl, DrawsScaledIntoTheLetterboxAndReadsBackThePicturesOwnSize) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});  // brings up the off-screen video driver
  SDL_Window* window = SDL_CreateWindow("letterbox", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  ASSERT_NE(window, nullptr);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  ASSERT_NE(renderer, nullptr);
  {
    TSdlRenderDevice device(renderer, 400, 200, false);  // twice the size, bars above and below
    device.Clear(0xFF0000FF);
    device.DrawQuad(Rect(-0.5f, -20.5f, 99.5f, 49.5f, 0xFFFFFFFF));  // reaches above the picture
    std::vector<uint32_t> window_pixels(800u * 600u);
    ASSERT_EQ(
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, window_pixels.data(), 800 * 4), 0);
    EXPECT_EQ(window_pixels[size_t(150 * 800 + 100)] & 0xFFFFFF, 0xFFFFFFu) << "scaled into the box";
    EXPECT_EQ(window_pixels[size_t(150 * 800 + 300)] & 0xFFFFFF, 0x0000FFu) << "beside it";
    EXPECT_EQ(window_pixels[size_t(50 * 800 + 100)] & 0xFFFFFF, 0x0000FFu) << "nothing spills into the bar";
    const std::vector<uint32_t> picture = device.ReadPixels();
    ASSERT_EQ(picture.size(), 400u * 200u);
    EXPECT_EQ(picture[size_t(49 * 400 + 99)], 0xFFFFFFFFu);
    EXPECT_EQ(picture[size_t(50 * 400 + 99)], 0xFF0000FFu);
    EXPECT_EQ(picture[size_t(49 * 400 + 100)], 0xFF0000FFu);
  }
  SDL_DestroyWindow(window);
}

// A see-through picture drawn in pieces shows every texel it would show whole.
TEST_P(HeadlessDevice, ASeeThroughPictureLosesNothingToTheCellsLeftOut) {
  std::vector<uint32_t> argb(64 * 64, 0x00000000);
  for (int y = 8; y < 12; ++y)
    for (int x = 30; x < 34; ++x) argb[size_t(y * 64 + x)] = 0xFFFF0000;  // across a cell border
  const TTextureHandle texture = Device->CreateTexture(64, 64, argb.data());
  Device->SetTextureFilter(true);
  Device->SetBlendFactors(TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha);
  Device->Clear(0xFF000000);
  Device->SetTexture(texture);
  Device->DrawQuad(Rect(-0.5f, -0.5f, 63.5f, 63.5f, 0xFFFFFFFF));
  auto pixels = Device->ReadPixels();
  for (int y = 8; y < 12; ++y)
    for (int x = 30; x < 34; ++x) EXPECT_GE(Red(Pixel(pixels, x, y)), 0xF8) << x << "," << y;
  EXPECT_EQ(Red(Pixel(pixels, 10, 50)), 0);
}

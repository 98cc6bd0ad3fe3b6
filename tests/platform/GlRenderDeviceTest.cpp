#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "platform/GlRenderDevice.h"
#include "platform/SdlVideo.h"
#include "tests/platform/RectQuad.h"

namespace {

// The window's pixels, top row first, as ARGB.
std::vector<uint32_t> WindowPixels(int width, int height) {
  using TBindFramebuffer = void (*)(GLenum, GLuint);
  using TReadPixels = void (*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);
  reinterpret_cast<TBindFramebuffer>(SDL_GL_GetProcAddress("glBindFramebuffer"))(GL_FRAMEBUFFER, 0);
  auto readPixels = reinterpret_cast<TReadPixels>(SDL_GL_GetProcAddress("glReadPixels"));
  std::vector<uint32_t> rows(size_t(width) * size_t(height)), pixels(rows.size());
  readPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels[size_t(y * width + x)] = rows[size_t((height - 1 - y) * width + x)] & 0xFFFFFF;
  return pixels;
}

class GlWindow : public testing::Test {
 protected:
  void SetUp() override {
    Window = SDL_CreateWindow("letterbox", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(Window, nullptr);
  }
  void TearDown() override {
    if (Window) SDL_DestroyWindow(Window);
  }
  TSdlVideo Video{TVideoOptions{true, TRenderKind::Gl}};  // brings up the off-screen video driver
  SDL_Window* Window = nullptr;
};

}  // namespace

// In a window larger than the picture, the picture is drawn at its own size and scaled into the
// letterbox on presenting, with black bars; it reads back at its own size.
TEST_F(GlWindow, ScalesThePictureIntoTheLetterbox) {
  TGlRenderDevice device(Window, 400, 200, true);  // twice the size, bars above and below
  ASSERT_EQ(device.Failure(), "");
  device.Clear(0xFF0000FF);
  device.DrawQuad(Rect(-0.5f, -20.5f, 99.5f, 49.5f, 0xFFFFFFFF));  // reaches above the picture
  const std::vector<uint32_t> picture = device.ReadPixels();
  ASSERT_EQ(picture.size(), 400u * 200u);
  EXPECT_EQ(picture[size_t(0 * 400 + 0)], 0xFFFFFFFFu);
  EXPECT_EQ(picture[size_t(49 * 400 + 99)], 0xFFFFFFFFu);
  EXPECT_EQ(picture[size_t(50 * 400 + 99)], 0xFF0000FFu);
  EXPECT_EQ(picture[size_t(49 * 400 + 100)], 0xFF0000FFu);
  device.Present();
  const std::vector<uint32_t> shown = WindowPixels(800, 600);
  EXPECT_EQ(shown[size_t(150 * 800 + 100)], 0xFFFFFFu) << "scaled into the box";
  EXPECT_EQ(shown[size_t(150 * 800 + 300)], 0x0000FFu) << "beside it";
  EXPECT_EQ(shown[size_t(50 * 800 + 100)], 0x000000u) << "the bar above";
  EXPECT_EQ(shown[size_t(550 * 800 + 100)], 0x000000u) << "the bar below";
}

// Pictures are kept premultiplied; what the game sees is the straight blend it asked for, in
// normal blending and in a pair that works on straight colour.
TEST_F(GlWindow, SeeThroughTexelsBlendAsStraightColour) {
  TGlRenderDevice device(Window, 800, 600, true);
  ASSERT_EQ(device.Failure(), "");
  const uint32_t texel = 0x80FF4000;  // half-transparent orange
  const TTextureHandle texture = device.CreateTexture(1, 1, &texel);
  device.SetTexture(texture);
  struct TCase {
    TBlendFactor Source, Destination;
    uint32_t VertexColor;
    int Red, Green;  // over mid grey
  } cases[] = {
      {TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha, 0xFFFFFFFF, 0xBF, 0x60},
      {TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha, 0xFF808080, 0x80, 0x50},  // tinted
      {TBlendFactor::SrcAlpha, TBlendFactor::One, 0xFFFFFFFF, 0xFF, 0xA0},
      {TBlendFactor::Zero, TBlendFactor::SrcColor, 0xFFFFFFFF, 0x80, 0x20},  // the straight colour
  };
  for (const TCase& c : cases) {
    device.Clear(0xFF808080);
    device.SetBlendFactors(c.Source, c.Destination);
    device.DrawQuad(Rect(-0.5f, -0.5f, 10, 10, c.VertexColor));
    const uint32_t pixel = device.ReadPixels()[5 * 800 + 5];
    EXPECT_NEAR(int((pixel >> 16) & 0xFF), c.Red, 2) << std::hex << c.VertexColor;
    EXPECT_NEAR(int((pixel >> 8) & 0xFF), c.Green, 2) << std::hex << c.VertexColor;
  }
}

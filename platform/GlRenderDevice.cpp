#include "platform/GlRenderDevice.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "platform/VisibleQuads.h"

namespace {

GLenum ToGl(TBlendFactor factor) {
  switch (factor) {
    case TBlendFactor::Zero:
      return GL_ZERO;
    case TBlendFactor::One:
      return GL_ONE;
    case TBlendFactor::SrcColor:
      return GL_SRC_COLOR;
    case TBlendFactor::InvSrcColor:
      return GL_ONE_MINUS_SRC_COLOR;
    case TBlendFactor::SrcAlpha:
      return GL_SRC_ALPHA;
    case TBlendFactor::InvSrcAlpha:
      return GL_ONE_MINUS_SRC_ALPHA;
    case TBlendFactor::DestColor:
      return GL_DST_COLOR;
    case TBlendFactor::InvDestColor:
      return GL_ONE_MINUS_DST_COLOR;
  }
  return GL_ONE;
}

// Pictures are uploaded as the ARGB words they are: on a little-endian machine, the bytes blue,
// green, red, alpha. Given so, with no sized format asked for, the rasteriser keeps them in that
// layout, the only one its fast paths read.
constexpr GLenum kPixelFormat = GL_BGRA, kPixelType = GL_UNSIGNED_BYTE;

unsigned Scale(unsigned channel, unsigned alpha) {
  return (channel * alpha + 127) / 255;
}

uint32_t Premultiply(uint32_t argb) {
  const unsigned a = argb >> 24;
  if (a == 0xFF) return argb;
  return a << 24 | Scale((argb >> 16) & 0xFF, a) << 16 | Scale((argb >> 8) & 0xFF, a) << 8 |
         Scale(argb & 0xFF, a);
}

// A vertex colour that takes at most one step in 255 off any channel of the texel: the display's
// colour scaling turns a full 255 into 254. Such quads are drawn as the plain texel.
bool NearWhite(uint32_t argb) {
  return (argb & 0xFEFEFEFEu) == 0xFEFEFEFEu;
}

}  // namespace

TGlRenderDevice::TGlRenderDevice(SDL_Window* window, int width, int height, bool offscreen)
    : Window(window), BufferWidth(width), BufferHeight(height), Offscreen(offscreen) {
  if (!Open() && Error.empty()) Error = SDL_GetError();
}

TGlRenderDevice::~TGlRenderDevice() {
  if (!Context) return;
  DestroyTextures();
  if (White) Gl.DeleteTextures(1, &White);
  if (Target) Gl.DeleteFramebuffers(1, &Target);
  if (TargetTexture) Gl.DeleteTextures(1, &TargetTexture);
  Programs.reset();
  SDL_GL_DeleteContext(static_cast<SDL_GLContext>(Context));
}

bool TGlRenderDevice::Open() {
  Context = SDL_GL_CreateContext(Window);
  if (!Context || SDL_GL_MakeCurrent(Window, static_cast<SDL_GLContext>(Context)) != 0) return false;
  SDL_GL_SetSwapInterval(0);  // game time counts frames; a retrace wait would slow it
  const char* missing = nullptr;
  if (!Gl.Load(missing)) {
    Error = std::string("no ") + missing;
    return false;
  }
  int major = 0;
  const auto* version = reinterpret_cast<const char*>(Gl.GetString(GL_VERSION));
  if (!version || std::sscanf(version, "%d", &major) != 1 || major < 3) {
    Error = std::string("OpenGL 3 or later is needed, this is ") + (version ? version : "unknown");
    return false;
  }
  Programs = std::make_unique<TGlPrograms>(Gl);
  if (!Programs->Failure().empty()) {
    Error = Programs->Failure();
    return false;
  }
  const uint32_t white = 0xFFFFFFFF;
  White = MakeTexture(1, 1, &white, false);
  for (GLuint slot : {kPositionSlot, kTexCoordSlot, kColorSlot}) Gl.EnableVertexAttribArray(slot);
  Gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
  Gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
  SetBlendFactors(TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha);
  FollowOutputSize();
  return Error.empty();
}

GLuint TGlRenderDevice::MakeTexture(int width, int height, const void* bgra, bool linear) {
  GLuint name = 0;
  Gl.GenTextures(1, &name);
  Gl.BindTexture(GL_TEXTURE_2D, name);
  Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
  Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
  Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  Gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, kPixelFormat, kPixelType, bgra);
  if (Gl.GetError() != GL_NO_ERROR) {
    Gl.DeleteTextures(1, &name);
    return 0;
  }
  return name;
}

void TGlRenderDevice::DestroyTextures() {
  Flush();
  for (auto& [handle, texture] : Textures) Gl.DeleteTextures(1, &texture.Name);
  Textures.clear();
  Current = nullptr;
}

// The picture is drawn straight into a window of its own size, else off screen and scaled into
// the window's letterbox when presenting.
void TGlRenderDevice::FollowOutputSize() {
  int width = 0, height = 0;
  SDL_GL_GetDrawableSize(Window, &width, &height);
  if (width == OutputWidth && height == OutputHeight) return;
  Flush();
  OutputWidth = width, OutputHeight = height;
  Box = ComputeLetterbox(width, height, BufferWidth, BufferHeight);
  const bool offScreen = width != BufferWidth || height != BufferHeight;
  if (offScreen && !Target) {
    TargetTexture = MakeTexture(BufferWidth, BufferHeight, nullptr, true);
    Gl.GenFramebuffers(1, &Target);
    Gl.BindFramebuffer(GL_FRAMEBUFFER, Target);
    Gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, TargetTexture, 0);
    if (!TargetTexture || Gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
      Error = "no off-screen picture";
  } else if (!offScreen && Target) {
    Gl.DeleteFramebuffers(1, &Target);
    Gl.DeleteTextures(1, &TargetTexture);
    Target = TargetTexture = 0;
  }
  BindPicture();
}

void TGlRenderDevice::BindPicture() {
  Gl.BindFramebuffer(GL_FRAMEBUFFER, Target);
  Gl.Viewport(0, 0, BufferWidth, BufferHeight);
  Programs->SetFrame(BufferWidth, BufferHeight);
}

TTextureHandle TGlRenderDevice::CreateTexture(int width, int height, const uint32_t* argb) {
  const size_t count = size_t(width) * size_t(height);
  std::vector<uint32_t> premultiplied(argb, argb + count);
  std::ranges::transform(premultiplied, premultiplied.begin(), Premultiply);
  Flush();
  const GLuint name = MakeTexture(width, height, premultiplied.data(), LinearFilter);
  if (!name) return kNoTexture;
  const bool opaque = std::all_of(argb, argb + count, IsOpaque);
  Textures[++LastHandle] = {name, opaque, opaque ? TClearCells() : TClearCells(width, height, argb)};
  return LastHandle;
}

void TGlRenderDevice::DestroyTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  if (found == Textures.end()) return;
  Flush();
  if (Current == &found->second) Current = nullptr;
  Gl.DeleteTextures(1, &found->second.Name);
  Textures.erase(found);
}

void TGlRenderDevice::SetTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  Current = found == Textures.end() ? nullptr : &found->second;
}

// Normal and additive blending take premultiplied colour as it is: the source factor becomes
// one. Every other pair works on straight colour, as the game states it.
void TGlRenderDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  Flush();
  NormalBlend = source == TBlendFactor::SrcAlpha && destination == TBlendFactor::InvSrcAlpha;
  Premultiplied = source == TBlendFactor::SrcAlpha &&
                  (destination == TBlendFactor::InvSrcAlpha || destination == TBlendFactor::One);
  // The back buffer's alpha is never shown; keep it opaque-leaning as normal blending does.
  Gl.BlendFuncSeparate(Premultiplied ? GL_ONE : ToGl(source), ToGl(destination), GL_ONE,
                       GL_ONE_MINUS_SRC_ALPHA);
}

void TGlRenderDevice::SetTextureFilter(bool linear) {
  if (linear == LinearFilter) return;
  Flush();
  LinearFilter = linear;
  for (auto& [handle, texture] : Textures) {
    Gl.BindTexture(GL_TEXTURE_2D, texture.Name);
    Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    Gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
  }
}

void TGlRenderDevice::Clear(uint32_t argb) {
  Flush();
  Gl.ClearColor(float((argb >> 16) & 0xFF) / 255, float((argb >> 8) & 0xFF) / 255, float(argb & 0xFF) / 255,
                float(argb >> 24) / 255);
  Gl.Clear(GL_COLOR_BUFFER_BIT);
}

void TGlRenderDevice::DrawQuad(const TQuad& quad) {
  // Normal and additive blending both keep what lies below where the quad is clear.
  SubmitVisible(quad, Premultiplied, Current ? &Current->Clear : nullptr, Pieces,
                [this](const TQuad& piece) { Submit(piece); });
}

void TGlRenderDevice::Submit(const TQuad& quad) {
  // An opaque quad in normal blending covers what lies below as blending would (to within one
  // step in 255), and the rasteriser spares reading it.
  const bool covers = NormalBlend && (!Current || Current->Opaque) &&
                      std::ranges::all_of(quad, [](const TVertex& v) { return CoversWhole(v.Color); });
  const bool white = std::ranges::all_of(quad, [](const TVertex& v) { return NearWhite(v.Color); });
  TBatchState state{Current ? Current->Name : White, TShade::Straight, !covers};
  if (Premultiplied || covers) state.Shade = white ? TShade::Plain : TShade::Tinted;
  if (!(state == Batched)) {
    Flush();
    Batched = state;
  }
  static constexpr int kFan[6] = {0, 1, 2, 0, 2, 3};
  for (int corner : kFan) {
    const TVertex& v = quad[size_t(corner)];
    uint32_t color = covers ? v.Color | 0xFF000000u : v.Color;
    if (state.Shade == TShade::Tinted) color = Premultiply(color);
    // OpenGL puts pixel centres half a pixel further on than the game.
    Batch.push_back({v.X + 0.5f,
                     v.Y + 0.5f - kRowNudge,
                     v.U,
                     v.V,
                     {static_cast<unsigned char>(color >> 16), static_cast<unsigned char>(color >> 8),
                      static_cast<unsigned char>(color), static_cast<unsigned char>(color >> 24)}});
  }
}

void TGlRenderDevice::Flush() {
  if (Batch.empty()) return;
  Programs->Use(Batched.Shade);
  if (Batched.Blend != BlendEnabled) {
    if (Batched.Blend)
      Gl.Enable(GL_BLEND);
    else
      Gl.Disable(GL_BLEND);
    BlendEnabled = Batched.Blend;
  }
  Gl.BindTexture(GL_TEXTURE_2D, Batched.Texture);
  Draw(Batch.data(), Batch.size());
  Batch.clear();
}

void TGlRenderDevice::Draw(const TVertex2D* vertices, size_t count) {
  Gl.VertexAttribPointer(kPositionSlot, 2, GL_FLOAT, GL_FALSE, sizeof(TVertex2D), &vertices->X);
  Gl.VertexAttribPointer(kTexCoordSlot, 2, GL_FLOAT, GL_FALSE, sizeof(TVertex2D), &vertices->U);
  Gl.VertexAttribPointer(kColorSlot, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(TVertex2D), vertices->Color);
  Gl.DrawArrays(GL_TRIANGLES, 0, GLsizei(count));
}

bool TGlRenderDevice::Reset() {
  DestroyTextures();
  return Error.empty();
}

// The picture as the game drew it, in its own size, top row first.
std::vector<uint32_t> TGlRenderDevice::ReadPixels() {
  Flush();
  std::vector<uint32_t> rows(size_t(BufferWidth) * size_t(BufferHeight));
  Gl.ReadPixels(0, 0, BufferWidth, BufferHeight, kPixelFormat, kPixelType, rows.data());
  if (Gl.GetError() != GL_NO_ERROR) return {};
  std::vector<uint32_t> pixels(rows.size());
  for (int y = 0; y < BufferHeight; ++y) {
    const auto row = rows.begin() + ptrdiff_t(BufferHeight - 1 - y) * BufferWidth;
    std::transform(row, row + BufferWidth, pixels.begin() + ptrdiff_t(y) * BufferWidth,
                   [](uint32_t argb) { return argb | 0xFF000000u; });
  }
  return pixels;
}

// The off-screen picture scaled into the window's letterbox, the bars black.
void TGlRenderDevice::ShowPicture() {
  Gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
  Gl.Viewport(0, 0, OutputWidth, OutputHeight);
  if (Box.Width != OutputWidth || Box.Height != OutputHeight) {
    Gl.ClearColor(0, 0, 0, 1);
    Gl.Clear(GL_COLOR_BUFFER_BIT);
  }
  Programs->SetFrame(OutputWidth, OutputHeight);
  Programs->Use(TShade::Plain);
  Gl.Disable(GL_BLEND);
  BlendEnabled = false;
  Gl.BindTexture(GL_TEXTURE_2D, TargetTexture);
  const float left = float(Box.X), top = float(Box.Y), right = left + float(Box.Width),
              bottom = top + float(Box.Height);
  const TVertex2D corners[6] = {{left, top, 0, 1, {}}, {right, top, 1, 1, {}},    {right, bottom, 1, 0, {}},
                                {left, top, 0, 1, {}}, {right, bottom, 1, 0, {}}, {left, bottom, 0, 0, {}}};
  Draw(corners, 6);
  BindPicture();
}

void TGlRenderDevice::Present() {
  Flush();
  if (Target) ShowPicture();
  if (Offscreen) {
    // No one sees the window: the frame ends in the back buffer.
    Gl.Finish();
    return;
  }
  SDL_GL_SwapWindow(Window);
  FollowOutputSize();  // the next frame fits a resized window
}

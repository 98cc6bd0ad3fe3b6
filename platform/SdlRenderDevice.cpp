#include "platform/SdlRenderDevice.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/Letterbox.h"
#include "platform/VisibleQuads.h"

namespace {

SDL_BlendFactor ToSdl(TBlendFactor factor) {
  switch (factor) {
    case TBlendFactor::Zero:
      return SDL_BLENDFACTOR_ZERO;
    case TBlendFactor::One:
      return SDL_BLENDFACTOR_ONE;
    case TBlendFactor::SrcColor:
      return SDL_BLENDFACTOR_SRC_COLOR;
    case TBlendFactor::InvSrcColor:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case TBlendFactor::SrcAlpha:
      return SDL_BLENDFACTOR_SRC_ALPHA;
    case TBlendFactor::InvSrcAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case TBlendFactor::DestColor:
      return SDL_BLENDFACTOR_DST_COLOR;
    case TBlendFactor::InvDestColor:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
  }
  return SDL_BLENDFACTOR_ONE;
}

// The software renderer takes only SDL's named modes: normal and additive blending are exact,
// the rest come out as normal blending.
SDL_BlendMode NamedMode(TBlendFactor source, TBlendFactor destination) {
  if (source == TBlendFactor::SrcAlpha && destination == TBlendFactor::One) return SDL_BLENDMODE_ADD;
  if (source == TBlendFactor::Zero && destination == TBlendFactor::SrcColor) return SDL_BLENDMODE_MOD;
  return SDL_BLENDMODE_BLEND;
}

SDL_Color ToColor(uint32_t argb) {
  return {Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), Uint8(argb >> 24)};
}

}  // namespace

TSdlRenderDevice::TSdlRenderDevice(SDL_Renderer* renderer, int width, int height, bool offscreen)
    : Renderer(renderer), BufferWidth(width), BufferHeight(height), Offscreen(offscreen) {
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(Renderer, &info);
  Software = std::strcmp(info.name, "software") == 0;
  BlendMode = SDL_BLENDMODE_BLEND;
  CreateWhite();
  FollowOutputSize();
}

TSdlRenderDevice::~TSdlRenderDevice() {
  DestroyTextures();
  if (White) SDL_DestroyTexture(White);
  SDL_DestroyRenderer(Renderer);
}

void TSdlRenderDevice::CreateWhite() {
  if (White) SDL_DestroyTexture(White);
  const Uint32 white = 0xFFFFFFFF;
  White = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (White) SDL_UpdateTexture(White, nullptr, &white, 4);
}

void TSdlRenderDevice::DestroyTextures() {
  for (auto& [handle, texture] : Textures) SDL_DestroyTexture(texture.Texture);
  Textures.clear();
  Current = nullptr;
}

// The letterbox for the window's present size: every quad is scaled into it and clipped to it.
void TSdlRenderDevice::FollowOutputSize() {
  int width = 0, height = 0;
  SDL_GetRendererOutputSize(Renderer, &width, &height);
  if (width == OutputWidth && height == OutputHeight) return;
  OutputWidth = width, OutputHeight = height;
  Box = ComputeLetterbox(width, height, BufferWidth, BufferHeight);
  ScaleX = BufferWidth > 0 ? float(Box.Width) / float(BufferWidth) : 1;
  ScaleY = BufferHeight > 0 ? float(Box.Height) / float(BufferHeight) : 1;
  const SDL_Rect clip{Box.X, Box.Y, Box.Width, Box.Height};
  SDL_RenderSetClipRect(Renderer, &clip);
}

std::string TSdlRenderDevice::Name() const {
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(Renderer, &info);
  return info.name;
}

TTextureHandle TSdlRenderDevice::CreateTexture(int width, int height, const uint32_t* argb) {
  SDL_Texture* texture =
      SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
  if (!texture) return kNoTexture;
  SDL_UpdateTexture(texture, nullptr, argb, width * 4);
  SDL_SetTextureScaleMode(texture, LinearFilter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  const bool opaque = std::all_of(argb, argb + size_t(width) * size_t(height), IsOpaque);
  Textures[++LastHandle] = {texture, opaque, opaque ? TClearCells() : TClearCells(width, height, argb)};
  return LastHandle;
}

void TSdlRenderDevice::DestroyTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  if (found == Textures.end()) return;
  if (Current == &found->second) Current = nullptr;
  SDL_DestroyTexture(found->second.Texture);
  Textures.erase(found);
}

void TSdlRenderDevice::SetTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  Current = found == Textures.end() ? nullptr : &found->second;
}

void TSdlRenderDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  NormalBlend = source == TBlendFactor::SrcAlpha && destination == TBlendFactor::InvSrcAlpha;
  ClearLeavesAll = source == TBlendFactor::SrcAlpha &&
                   (destination == TBlendFactor::InvSrcAlpha || destination == TBlendFactor::One);
  if (Software) {
    BlendMode = NamedMode(source, destination);
    return;
  }
  // The back buffer's alpha is never shown; keep it opaque-leaning as normal blending does.
  BlendMode = SDL_ComposeCustomBlendMode(ToSdl(source), ToSdl(destination), SDL_BLENDOPERATION_ADD,
                                         SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                         SDL_BLENDOPERATION_ADD);
}

void TSdlRenderDevice::SetTextureFilter(bool linear) {
  LinearFilter = linear;
  for (auto& [handle, texture] : Textures)
    SDL_SetTextureScaleMode(texture.Texture, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
}

void TSdlRenderDevice::Clear(uint32_t argb) {
  SDL_Color c = ToColor(argb);
  SDL_SetRenderDrawColor(Renderer, c.r, c.g, c.b, c.a);
  SDL_RenderClear(Renderer);
}

void TSdlRenderDevice::DrawQuad(const TQuad& quad) {
  SubmitVisible(quad, ClearLeavesAll, Current ? &Current->Clear : nullptr, Pieces,
                [this](const TQuad& piece) { Submit(piece); });
}

void TSdlRenderDevice::Submit(const TQuad& quad) {
  static constexpr int kFan[6] = {0, 1, 2, 0, 2, 3};
  SDL_Vertex vertices[4];
  bool opaque = NormalBlend && (!Current || Current->Opaque);
  for (int i = 0; i < 4; ++i) {
    // The game puts pixel centres on whole coordinates, SDL half a pixel further on. A bottom edge
    // on a pixel centre leaves that row out, as it does in a texture target: the window's rows
    // run upwards, so every row is nudged up by the rasteriser's finest step, 1/256 of a pixel.
    vertices[i].position = {float(Box.X) + (quad[i].X + 0.5f) * ScaleX,
                            float(Box.Y) + (quad[i].Y + 0.5f) * ScaleY - kRowNudge};
    vertices[i].color = ToColor(quad[i].Color);
    vertices[i].tex_coord = {quad[i].U, quad[i].V};
    opaque = opaque && CoversWhole(quad[i].Color);
  }
  // Untextured quads sample a white texel: the software renderer blends only textured triangles
  // by the texture's mode. An opaque quad in normal blending covers what lies below as blending
  // would (to within one step in 255), and the rasteriser spares reading it.
  SDL_Texture* texture = Current ? Current->Texture : White;
  SDL_SetTextureBlendMode(texture, opaque ? SDL_BLENDMODE_NONE : static_cast<SDL_BlendMode>(BlendMode));
  SDL_RenderGeometry(Renderer, texture, vertices, 4, kFan, 6);
}

TDeviceStatus TSdlRenderDevice::Status() {
  return ResetPending ? TDeviceStatus::NeedsReset : TDeviceStatus::Ready;
}

bool TSdlRenderDevice::Reset() {
  DestroyTextures();
  CreateWhite();
  OutputWidth = OutputHeight = 0;
  FollowOutputSize();
  ResetPending = false;
  return Valid();
}

// The picture as the game drew it, in its own size: a larger output is sampled back down.
std::vector<uint32_t> TSdlRenderDevice::ReadPixels() {
  if (Box.Width <= 0 || Box.Height <= 0) return {};
  std::vector<uint32_t> shown(size_t(Box.Width) * size_t(Box.Height));
  const SDL_Rect area{Box.X, Box.Y, Box.Width, Box.Height};
  if (SDL_RenderReadPixels(Renderer, &area, SDL_PIXELFORMAT_ARGB8888, shown.data(), Box.Width * 4) != 0)
    return {};
  std::vector<uint32_t> pixels(size_t(BufferWidth) * size_t(BufferHeight));
  for (int y = 0; y < BufferHeight; ++y) {
    const int sourceY = std::min(int(float(y) * ScaleY + ScaleY / 2), Box.Height - 1);
    for (int x = 0; x < BufferWidth; ++x) {
      const int sourceX = std::min(int(float(x) * ScaleX + ScaleX / 2), Box.Width - 1);
      pixels[size_t(y) * size_t(BufferWidth) + size_t(x)] =
          shown[size_t(sourceY) * size_t(Box.Width) + size_t(sourceX)] | 0xFF000000u;
    }
  }
  return pixels;
}

// Black over whatever the window shows outside the picture.
void TSdlRenderDevice::PaintBars() {
  if (Box.Width == OutputWidth && Box.Height == OutputHeight) return;
  SDL_RenderSetClipRect(Renderer, nullptr);
  SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
  const SDL_Rect bars[4] = {{0, 0, OutputWidth, Box.Y},
                            {0, Box.Y + Box.Height, OutputWidth, OutputHeight - Box.Y - Box.Height},
                            {0, Box.Y, Box.X, Box.Height},
                            {Box.X + Box.Width, Box.Y, OutputWidth - Box.X - Box.Width, Box.Height}};
  SDL_RenderFillRects(Renderer, bars, 4);
  const SDL_Rect clip{Box.X, Box.Y, Box.Width, Box.Height};
  SDL_RenderSetClipRect(Renderer, &clip);
}

void TSdlRenderDevice::Present() {
  if (Offscreen) {
    // No one sees the window: the frame ends in the back buffer.
    SDL_RenderFlush(Renderer);
    using TGlFinish = void (*)();
    static auto glFinish = reinterpret_cast<TGlFinish>(SDL_GL_GetProcAddress("glFinish"));
    if (glFinish) glFinish();
    return;
  }
  PaintBars();
  SDL_RenderPresent(Renderer);
  FollowOutputSize();  // the next frame fits a resized window
}

#include "platform/SdlRenderDevice.h"

#include <SDL.h>

#include <cstring>

#include "platform/Letterbox.h"

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
  CreateBackBuffer();
}

TSdlRenderDevice::~TSdlRenderDevice() {
  DestroyTextures();
  if (White) SDL_DestroyTexture(White);
  if (BackBuffer) SDL_DestroyTexture(BackBuffer);
  SDL_DestroyRenderer(Renderer);
}

void TSdlRenderDevice::CreateBackBuffer() {
  if (BackBuffer) SDL_DestroyTexture(BackBuffer);
  BackBuffer = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, BufferWidth,
                                 BufferHeight);
  if (!BackBuffer) return;
  if (White) SDL_DestroyTexture(White);
  const Uint32 white = 0xFFFFFFFF;
  White = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (White) SDL_UpdateTexture(White, nullptr, &white, 4);
  SDL_SetTextureScaleMode(BackBuffer, SDL_ScaleModeLinear);  // smooth scaling into a larger window
  SDL_SetRenderTarget(Renderer, BackBuffer);
}

void TSdlRenderDevice::DestroyTextures() {
  for (auto& [handle, texture] : Textures) SDL_DestroyTexture(texture);
  Textures.clear();
  Current = nullptr;
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
  Textures[++LastHandle] = texture;
  return LastHandle;
}

void TSdlRenderDevice::DestroyTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  if (found == Textures.end()) return;
  if (Current == found->second) Current = nullptr;
  SDL_DestroyTexture(found->second);
  Textures.erase(found);
}

void TSdlRenderDevice::SetTexture(TTextureHandle handle) {
  auto found = Textures.find(handle);
  Current = found == Textures.end() ? nullptr : found->second;
}

void TSdlRenderDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
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
    SDL_SetTextureScaleMode(texture, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
}

void TSdlRenderDevice::Clear(uint32_t argb) {
  SDL_Color c = ToColor(argb);
  SDL_SetRenderDrawColor(Renderer, c.r, c.g, c.b, c.a);
  SDL_RenderClear(Renderer);
}

void TSdlRenderDevice::DrawQuad(const TQuad& quad) {
  static constexpr int kFan[6] = {0, 1, 2, 0, 2, 3};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) {
    // The game puts pixel centres on whole coordinates, SDL half a pixel further on.
    vertices[i].position = {quad[i].X + 0.5f, quad[i].Y + 0.5f};
    vertices[i].color = ToColor(quad[i].Color);
    vertices[i].tex_coord = {quad[i].U, quad[i].V};
  }
  // Untextured quads sample a white texel: the software renderer blends only textured triangles
  // by the texture's mode.
  SDL_Texture* texture = Current ? Current : White;
  SDL_SetTextureBlendMode(texture, static_cast<SDL_BlendMode>(BlendMode));
  SDL_RenderGeometry(Renderer, texture, vertices, 4, kFan, 6);
}

TDeviceStatus TSdlRenderDevice::Status() {
  return ResetPending ? TDeviceStatus::NeedsReset : TDeviceStatus::Ready;
}

bool TSdlRenderDevice::Reset() {
  DestroyTextures();
  CreateBackBuffer();
  ResetPending = false;
  return Valid();
}

std::vector<uint32_t> TSdlRenderDevice::ReadPixels() {
  std::vector<uint32_t> pixels(size_t(BufferWidth) * size_t(BufferHeight));
  if (SDL_RenderReadPixels(Renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), BufferWidth * 4) != 0)
    return {};
  for (auto& p : pixels) p |= 0xFF000000u;
  return pixels;
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
  SDL_SetRenderTarget(Renderer, nullptr);
  int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(Renderer, &outputWidth, &outputHeight);
  TLetterbox box = ComputeLetterbox(outputWidth, outputHeight, BufferWidth, BufferHeight);
  if (box.Width != outputWidth || box.Height != outputHeight) {
    SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);  // the bars
    SDL_RenderClear(Renderer);
  }
  SDL_Rect target{box.X, box.Y, box.Width, box.Height};
  SDL_SetTextureBlendMode(BackBuffer, SDL_BLENDMODE_NONE);
  SDL_RenderCopy(Renderer, BackBuffer, nullptr, &target);
  SDL_RenderPresent(Renderer);
  SDL_SetRenderTarget(Renderer, BackBuffer);
}

#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ClearCells.h"
#include "platform/GlFunctions.h"
#include "platform/GlPrograms.h"
#include "platform/Letterbox.h"
#include "platform/RenderDevice.h"

struct SDL_Window;

// The render device on an OpenGL context of its own, shaped for a software rasteriser's fast
// paths: pictures are kept premultiplied, so normal and additive blending need no shader work,
// and quads of plain white vertices take a texture-only shader. The game's picture is drawn at
// its own size; in a window of another size it is drawn off screen and scaled into the window's
// letterbox once, when presenting.
class TGlRenderDevice final : public TRenderDevice {
 public:
  // The window must be made for OpenGL. An offscreen device never shows its frames.
  TGlRenderDevice(SDL_Window* window, int width, int height, bool offscreen);
  ~TGlRenderDevice() override;
  TGlRenderDevice(const TGlRenderDevice&) = delete;
  TGlRenderDevice& operator=(const TGlRenderDevice&) = delete;

  // Empty when the device can draw, else why it cannot.
  const std::string& Failure() const { return Error; }

  std::string Name() const override { return "opengl"; }
  int Width() const override { return BufferWidth; }
  int Height() const override { return BufferHeight; }
  TTextureHandle CreateTexture(int width, int height, const uint32_t* argb) override;
  void DestroyTexture(TTextureHandle texture) override;
  void SetTexture(TTextureHandle texture) override;
  void SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetTextureFilter(bool linear) override;
  void Clear(uint32_t argb) override;
  void DrawQuad(const TQuad& quad) override;
  TDeviceStatus Status() override { return TDeviceStatus::Ready; }
  bool Reset() override;
  std::vector<uint32_t> ReadPixels() override;
  void Present() override;

 private:
  struct TTexture {
    GLuint Name = 0;
    bool Opaque = false;  // every texel's alpha is 255
    TClearCells Clear;    // where a see-through texture shows nothing
  };
  struct TVertex2D {
    float X, Y, U, V;
    unsigned char Color[4];  // red, green, blue, alpha
  };
  // What a run of quads shares: drawn together in one call.
  struct TBatchState {
    GLuint Texture = 0;
    TShade Shade = TShade::Plain;
    bool Blend = true;
    bool operator==(const TBatchState&) const = default;
  };

  bool Open();
  GLuint MakeTexture(int width, int height, const void* bgra, bool linear);
  void DestroyTextures();
  void FollowOutputSize();
  void BindPicture();
  void Flush();
  void Submit(const TQuad& quad);
  void Draw(const TVertex2D* vertices, size_t count);
  void ShowPicture();

  SDL_Window* Window;
  void* Context = nullptr;  // an SDL_GLContext
  TGlFunctions Gl;
  std::unique_ptr<TGlPrograms> Programs;
  std::string Error;
  int BufferWidth, BufferHeight;
  bool Offscreen;
  bool LinearFilter = false;
  bool Premultiplied = true;          // the blend takes premultiplied colour (normal or additive)
  bool NormalBlend = true;            // source alpha over the rest: an opaque quad needs no blending
  const TTexture* Current = nullptr;  // none: the white texel
  GLuint White = 0;
  GLuint Target = 0, TargetTexture = 0;  // the picture off screen, when the window's size differs
  int OutputWidth = 0, OutputHeight = 0;
  TLetterbox Box;
  TBatchState Batched;
  bool BlendEnabled = false;
  std::vector<TVertex2D> Batch;
  std::vector<TQuad> Pieces;
  TTextureHandle LastHandle = kNoTexture;
  std::unordered_map<TTextureHandle, TTexture> Textures;
};

#pragma once

#include <unordered_map>
#include <vector>

#include "platform/ClearCells.h"
#include "platform/Letterbox.h"
#include "platform/RenderDevice.h"

struct SDL_Renderer;
struct SDL_Texture;

// The render device on an SDL renderer. The game draws in its own picture size; the device scales
// every quad straight into the window's letterbox (no second full-screen pass), clipped to it,
// and paints the bars black when presenting.
class TSdlRenderDevice final : public TRenderDevice {
 public:
  // Takes ownership of the renderer. An offscreen device never shows its frames.
  TSdlRenderDevice(SDL_Renderer* renderer, int width, int height, bool offscreen);
  ~TSdlRenderDevice() override;
  TSdlRenderDevice(const TSdlRenderDevice&) = delete;
  TSdlRenderDevice& operator=(const TSdlRenderDevice&) = delete;

  bool Valid() const { return White != nullptr; }

  std::string Name() const override;
  int Width() const override { return BufferWidth; }
  int Height() const override { return BufferHeight; }
  TTextureHandle CreateTexture(int width, int height, const uint32_t* argb) override;
  void DestroyTexture(TTextureHandle texture) override;
  void SetTexture(TTextureHandle texture) override;
  void SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetTextureFilter(bool linear) override;
  void Clear(uint32_t argb) override;
  void DrawQuad(const TQuad& quad) override;
  TDeviceStatus Status() override;
  bool Reset() override;
  std::vector<uint32_t> ReadPixels() override;
  void Present() override;

  // The window system threw the renderer's textures away.
  void MarkLost() { ResetPending = true; }

 private:
  struct TTexture {
    SDL_Texture* Texture = nullptr;
    bool Opaque = false;  // every texel's alpha is 255
    TClearCells Clear;    // where a see-through texture shows nothing
  };

  void CreateWhite();
  void DestroyTextures();
  void FollowOutputSize();
  void PaintBars();
  void Submit(const TQuad& quad);

  SDL_Renderer* Renderer;
  SDL_Texture* White = nullptr;  // stands in for "no texture"
  int BufferWidth, BufferHeight;
  bool Offscreen;
  bool Software = false;  // knows only the named blend modes
  bool LinearFilter = false;
  bool ResetPending = false;
  int BlendMode = 0;                  // an SDL_BlendMode
  bool NormalBlend = true;            // source alpha over the rest: an opaque quad needs no blending
  bool ClearLeavesAll = true;         // a source-alpha blend: a clear quad changes nothing
  const TTexture* Current = nullptr;  // none: the white texel
  std::vector<TQuad> Pieces;
  int OutputWidth = 0, OutputHeight = 0;
  TLetterbox Box;  // where the picture lies in the output
  float ScaleX = 1, ScaleY = 1;
  TTextureHandle LastHandle = kNoTexture;
  std::unordered_map<TTextureHandle, TTexture> Textures;
};

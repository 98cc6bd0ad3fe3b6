#pragma once

#include <map>

#include "platform/RenderDevice.h"

// A device that draws nothing and keeps no pixels: headless runs that only simulate.
class TNullRenderDevice : public TRenderDevice {
 public:
  TNullRenderDevice(int width, int height) : BufferWidth(width), BufferHeight(height) {}
  std::string Name() const override { return "null"; }
  int Width() const override { return BufferWidth; }
  int Height() const override { return BufferHeight; }
  TTextureHandle CreateTexture(int, int, const uint32_t*) override { return ++LastTexture; }
  void DestroyTexture(TTextureHandle) override {}
  void SetTexture(TTextureHandle) override {}
  void SetBlendFactors(TBlendFactor, TBlendFactor) override {}
  void SetTextureFilter(bool) override {}
  void Clear(uint32_t) override {}
  void DrawQuad(const TQuad&) override {}
  TDeviceStatus Status() override { return TDeviceStatus::Ready; }
  bool Reset() override { return true; }
  std::vector<uint32_t> ReadPixels() override { return {}; }
  void Present() override {}

 protected:
  int BufferWidth, BufferHeight;
  TTextureHandle LastTexture = kNoTexture;
};

// A device that records everything it is asked to do, for tests and benchmarks.
class TRecordingRenderDevice final : public TNullRenderDevice {
 public:
  struct TDraw {
    TQuad Quad;
    TTextureHandle Texture;
    TBlendFactor Source, Destination;
  };
  struct TTexture {
    int Width, Height;
    std::vector<uint32_t> Pixels;
  };

  TRecordingRenderDevice(int width = 800, int height = 600) : TNullRenderDevice(width, height) {}

  std::string Name() const override { return "recording"; }
  TTextureHandle CreateTexture(int width, int height, const uint32_t* argb) override;
  void DestroyTexture(TTextureHandle texture) override { Textures.erase(texture); }
  void SetTexture(TTextureHandle texture) override { CurrentTexture = texture; }
  void SetBlendFactors(TBlendFactor source, TBlendFactor destination) override;
  void SetTextureFilter(bool linear) override { LinearFilter = linear; }
  void Clear(uint32_t argb) override { Clears.push_back(argb); }
  void DrawQuad(const TQuad& quad) override;
  TDeviceStatus Status() override { return NextStatus; }
  bool Reset() override;
  void Present() override { ++Presents; }

  // What was recorded; tests may also set NextStatus to simulate a lost device.
  std::vector<TDraw> Draws;
  std::vector<uint32_t> Clears;
  std::map<TTextureHandle, TTexture> Textures;
  int Presents = 0;
  int Resets = 0;
  int BlendChanges = 0;
  bool LinearFilter = false;
  bool RecordDraws = true;  // benchmarks turn this off to measure the path, not the vector
  TDeviceStatus NextStatus = TDeviceStatus::Ready;
  TTextureHandle CurrentTexture = kNoTexture;
  TBlendFactor Source = TBlendFactor::SrcAlpha, Destination = TBlendFactor::InvSrcAlpha;
};

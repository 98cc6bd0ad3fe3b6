#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One corner of a pre-transformed quad: screen position, depth and reciprocal w (always 0 and 1),
// the diffuse colour as ARGB and the texture coordinates. Positions use the game's pixel
// convention: a pixel's centre lies on whole coordinates.
struct TVertex {
  float X = 0, Y = 0, Z = 0, Rhw = 1;
  uint32_t Color = 0xFFFFFFFF;
  float U = 0, V = 0;
};

// Corners in the order top-left, top-right, bottom-right, bottom-left; drawn as the triangle fan
// 0-1-2, 0-2-3.
using TQuad = std::array<TVertex, 4>;

enum class TBlendFactor : uint8_t {
  Zero,
  One,
  SrcColor,
  InvSrcColor,
  SrcAlpha,
  InvSrcAlpha,
  DestColor,
  InvDestColor,
};

using TTextureHandle = uint32_t;
constexpr TTextureHandle kNoTexture = 0;

enum class TDeviceStatus { Ready, Lost, NeedsReset };

// The drawing device under the display: textures, blend factors, quads, and the back buffer.
// Texture colour is modulated by the vertex colour, alpha by the vertex alpha.
class TRenderDevice {
 public:
  virtual ~TRenderDevice() = default;
  virtual std::string Name() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Pixels are ARGB, row by row. Returns kNoTexture when the texture cannot be made.
  virtual TTextureHandle CreateTexture(int width, int height, const uint32_t* argb) = 0;
  virtual void DestroyTexture(TTextureHandle texture) = 0;
  virtual void SetTexture(TTextureHandle texture) = 0;
  virtual void SetBlendFactors(TBlendFactor source, TBlendFactor destination) = 0;
  virtual void SetTextureFilter(bool linear) = 0;

  virtual void Clear(uint32_t argb) = 0;
  virtual void DrawQuad(const TQuad& quad) = 0;

  // Whether the device can draw; after NeedsReset, Reset brings it back (every texture is gone).
  virtual TDeviceStatus Status() = 0;
  virtual bool Reset() = 0;

  // The back buffer as ARGB (alpha 255), read before presenting; empty when the device keeps no pixels.
  virtual std::vector<uint32_t> ReadPixels() = 0;
  virtual void Present() = 0;
};

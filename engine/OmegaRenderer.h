#pragma once

#include <array>

#include "platform/RenderDevice.h"

class TOmegaScreen;

struct TTexCoord {
  float U = 0, V = 0;
};

// Builds one textured, coloured quad on the processor and hands it to the display.
class TOmegaRenderer {
 public:
  // Takes the screen's device and resets flips, positions, texture coordinates and colours.
  void Bind(TOmegaScreen& screen);
  bool Bound() const { return Screen != nullptr; }

  // Corners top-left, top-right, bottom-right, bottom-left; placed according to the flips.
  void SetTexCoords(TTexCoord t0, TTexCoord t1, TTexCoord t2, TTexCoord t3);
  void SetPositions(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);
  void SetColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);
  // Scales about (cx, cy), then turns clockwise on screen by angle degrees.
  void RotateScale(float cx, float cy, float angle, float sx, float sy);
  void Rotate(float cx, float cy, float angle) { RotateScale(cx, cy, angle, 1, 1); }
  void Flush();

  bool FlipVertical = false, FlipHorizontal = false;
  std::array<TTexCoord, 4> TexCoords{};
  TQuad Vertices{};

 private:
  TOmegaScreen* Screen = nullptr;
};

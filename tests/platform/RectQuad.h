#pragma once

#include <cstdint>

#include "platform/RenderDevice.h"

// An upright quad over the whole texture, in one colour.
inline TQuad Rect(float left, float top, float right, float bottom, uint32_t color) {
  TQuad quad;
  const float xs[4] = {left, right, right, left}, ys[4] = {top, top, bottom, bottom};
  const float us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) quad[i] = {xs[i], ys[i], 0, 1, color, us[i], vs[i]};
  return quad;
}

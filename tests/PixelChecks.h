#pragma once

#include <cstdint>
#include <cstdlib>

#include "engine/OmegaImageList.h"

// Pixel comparisons shared by the tests that look at drawn frames.

inline int Channel(uint32_t argb, int shift) {
  return int((argb >> shift) & 0xFF);
}

// Whether two colours differ by at most tolerance in each of red, green and blue.
inline bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

// Whether the texel and its eight neighbours are opaque and alike (within tolerance): there the
// drawn pixel cannot stray from the texel, whatever the filtering.
inline bool FlatOpaque(TImageListItem& item, int x, int y, int tolerance) {
  const uint32_t centre = item.Pixel(x, y);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const uint32_t texel = item.Pixel(x + dx, y + dy);
      if (texel >> 24 != 0xFF || !Near(texel, centre, tolerance)) return false;
    }
  return true;
}

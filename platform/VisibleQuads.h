#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/ClearCells.h"
#include "platform/RenderDevice.h"

// What the render devices share about the quads they are given.

// The game puts pixel centres on whole coordinates. Rows are nudged up by the rasteriser's finest
// step, 1/256 of a pixel, so that a bottom edge on a pixel centre leaves that row out whichever
// way the target's rows run.
constexpr float kRowNudge = 1.0f / 256;

inline bool IsOpaque(uint32_t argb) {
  return argb >> 24 == 0xFF;
}

// A vertex alpha that leaves at most one step in 255 of what lies below showing through: the
// display's colour scaling turns a full 255 into 254.
inline bool CoversWhole(uint32_t argb) {
  return argb >> 24 >= 0xFE;
}

inline bool IsClear(uint32_t argb) {
  return argb >> 24 == 0;
}

// Hands submit the parts of quad that can change the picture. Under a source-alpha blend
// (clearLeavesAll) nothing changes where the quad is clear: a wholly clear quad is left out, and
// a see-through texture's quad is cut to the cells with something to see.
template <class TSubmit>
void SubmitVisible(const TQuad& quad, bool clearLeavesAll, const TClearCells* cells,
                   std::vector<TQuad>& pieces, TSubmit&& submit) {
  if (clearLeavesAll) {
    if (std::ranges::all_of(quad, [](const TVertex& v) { return IsClear(v.Color); })) return;
    if (cells && cells->Split(quad, pieces)) {
      for (const TQuad& piece : pieces) submit(piece);
      return;
    }
  }
  submit(quad);
}

#pragma once

#include <cstdint>
#include <vector>

#include "platform/RenderDevice.h"

// Which parts of a texture hold nothing to see: cells of 32 x 32 texels whose texels, and the
// texels next to them that filtering may blend in, are all fully transparent. A quad drawn in a
// source-alpha blend changes nothing over such cells, so it can be drawn in pieces without them.
class TClearCells {
 public:
  static constexpr int kSide = 32;

  TClearCells() = default;
  TClearCells(int width, int height, const uint32_t* argb);

  bool Any() const { return AnyClear; }
  // The pieces of an upright quad of one colour that cover cells with something to see, with
  // their texture coordinates; false when the quad is drawn whole (turned, coloured per corner,
  // or nothing of it over a clear cell). True with no pieces: nothing of it can be seen.
  bool Split(const TQuad& quad, std::vector<TQuad>& pieces) const;

 private:
  bool Visible(int column, int row) const {
    return Cells[size_t(row) * size_t(Columns) + size_t(column)] != 0;
  }

  int Width = 0, Height = 0, Columns = 0, Rows = 0;
  bool AnyClear = false;
  std::vector<uint8_t> Cells;  // 1: something to see
};

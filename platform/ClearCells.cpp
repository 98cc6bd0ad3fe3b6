#include "platform/ClearCells.h"

#include <algorithm>
#include <cmath>

namespace {

bool Upright(const TQuad& q) {
  return q[0].Y == q[1].Y && q[2].Y == q[3].Y && q[0].X == q[3].X && q[1].X == q[2].X && q[0].V == q[1].V &&
         q[2].V == q[3].V && q[0].U == q[3].U && q[1].U == q[2].U && q[0].X != q[1].X && q[0].Y != q[3].Y &&
         q[0].U != q[1].U && q[0].V != q[3].V;
}

bool OneColor(const TQuad& q) {
  return q[1].Color == q[0].Color && q[2].Color == q[0].Color && q[3].Color == q[0].Color;
}

// A stretch of the quad along one axis, as fractions of its way from the first corner to the
// other, for the texel range [from, to).
struct TStretch {
  float A, B;
};

TStretch StretchOf(float from, float to, float t0, float t1) {
  const float a = (from - t0) / (t1 - t0), b = (to - t0) / (t1 - t0);
  return {std::min(a, b), std::max(a, b)};
}

TVertex Between(const TQuad& q, float across, float down) {
  TVertex v = q[0];
  v.X = q[0].X + (q[1].X - q[0].X) * across;
  v.U = q[0].U + (q[1].U - q[0].U) * across;
  v.Y = q[0].Y + (q[3].Y - q[0].Y) * down;
  v.V = q[0].V + (q[3].V - q[0].V) * down;
  return v;
}

}  // namespace

TClearCells::TClearCells(int width, int height, const uint32_t* argb)
    : Width(width), Height(height), Columns((width + kSide - 1) / kSide), Rows((height + kSide - 1) / kSide) {
  Cells.assign(size_t(Columns) * size_t(Rows), 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (argb[size_t(y) * size_t(width) + size_t(x)] >> 24 == 0) continue;
      // Filtering reaches one texel further: the cells of the neighbours count too.
      for (int row = std::max(y - 1, 0) / kSide; row <= std::min(y + 1, height - 1) / kSide; ++row)
        for (int column = std::max(x - 1, 0) / kSide; column <= std::min(x + 1, width - 1) / kSide; ++column)
          Cells[size_t(row) * size_t(Columns) + size_t(column)] = 1;
    }
  AnyClear = std::ranges::find(Cells, uint8_t(0)) != Cells.end();
}

bool TClearCells::Split(const TQuad& quad, std::vector<TQuad>& pieces) const {
  pieces.clear();
  if (!AnyClear || !Upright(quad) || !OneColor(quad)) return false;
  const float u0 = quad[0].U * float(Width), u1 = quad[1].U * float(Width);
  const float v0 = quad[0].V * float(Height), v1 = quad[3].V * float(Height);
  const float left = std::min(u0, u1), right = std::max(u0, u1), top = std::min(v0, v1),
              bottom = std::max(v0, v1);
  const int firstColumn = std::clamp(int(std::floor(left / kSide)), 0, Columns - 1);
  const int lastColumn = std::clamp(int(std::ceil(right / kSide)) - 1, firstColumn, Columns - 1);
  const int firstRow = std::clamp(int(std::floor(top / kSide)), 0, Rows - 1);
  const int lastRow = std::clamp(int(std::ceil(bottom / kSide)) - 1, firstRow, Rows - 1);
  bool anyClear = false;
  for (int row = firstRow; row <= lastRow && !anyClear; ++row)
    for (int column = firstColumn; column <= lastColumn && !anyClear; ++column)
      anyClear = !Visible(column, row);
  if (!anyClear) return false;
  for (int row = firstRow; row <= lastRow; ++row) {
    // The first and last rows and columns reach to the quad's own edges, so that texels beyond
    // the picture (clamped) draw as they would whole.
    const float rowTop = row == firstRow ? top : float(row * kSide);
    const float rowBottom = row == lastRow ? bottom : float((row + 1) * kSide);
    const TStretch down = StretchOf(rowTop, rowBottom, v0, v1);
    for (int column = firstColumn; column <= lastColumn;) {
      if (!Visible(column, row)) {
        ++column;
        continue;
      }
      const int runStart = column;
      while (column <= lastColumn && Visible(column, row)) ++column;
      const float runLeft = runStart == firstColumn ? left : float(runStart * kSide);
      const float runRight = column > lastColumn ? right : float(column * kSide);
      const TStretch across = StretchOf(runLeft, runRight, u0, u1);
      pieces.push_back({Between(quad, across.A, down.A), Between(quad, across.B, down.A),
                        Between(quad, across.B, down.B), Between(quad, across.A, down.B)});
    }
  }
  return true;
}

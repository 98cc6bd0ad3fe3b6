#include "engine/OmegaRenderer.h"

#include <cmath>
#include <numbers>

#include "engine/OmegaScreen.h"

void TOmegaRenderer::Bind(TOmegaScreen& screen) {
  Screen = &screen;
  FlipVertical = FlipHorizontal = false;
  Vertices[0].X = 0, Vertices[0].Y = 0, Vertices[1].X = 100, Vertices[1].Y = 0;
  Vertices[2].X = 100, Vertices[2].Y = 100, Vertices[3].X = 0, Vertices[3].Y = 100;
  SetTexCoords({0, 0}, {1, 0}, {1, 1}, {0, 1});
  SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
  for (TVertex& v : Vertices) v.Z = 0, v.Rhw = 1;
}

void TOmegaRenderer::SetTexCoords(TTexCoord t0, TTexCoord t1, TTexCoord t2, TTexCoord t3) {
  TexCoords = {t0, t1, t2, t3};
  // Mirroring swaps corners: horizontally left with right, vertically top with bottom.
  static constexpr int kOrder[4][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}, {3, 2, 1, 0}, {2, 3, 0, 1}};
  const int* order = kOrder[(FlipHorizontal ? 1 : 0) + (FlipVertical ? 2 : 0)];
  for (int i = 0; i < 4; ++i) {
    Vertices[i].U = TexCoords[order[i]].U;
    Vertices[i].V = TexCoords[order[i]].V;
  }
}

void TOmegaRenderer::SetPositions(float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                                  float y3) {
  // The half pixel on the right and bottom edges makes a quad cover its last row and column.
  Vertices[0].X = x0, Vertices[0].Y = y0;
  Vertices[1].X = x1 + 0.5f, Vertices[1].Y = y1;
  Vertices[2].X = x2 + 0.5f, Vertices[2].Y = y2 + 0.5f;
  Vertices[3].X = x3, Vertices[3].Y = y3 + 0.5f;
}

void TOmegaRenderer::SetColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3) {
  Vertices[0].Color = c0, Vertices[1].Color = c1, Vertices[2].Color = c2, Vertices[3].Color = c3;
}

void TOmegaRenderer::RotateScale(float cx, float cy, float angle, float sx, float sy) {
  double a = double(angle) * std::numbers::pi / 180.0;
  float c = float(std::cos(a)), s = float(std::sin(a));
  for (TVertex& v : Vertices) {
    float dx = v.X - cx, dy = v.Y - cy;
    v.X = cx + sx * c * dx - sy * s * dy;
    v.Y = cy + sx * s * dx + sy * c * dy;
  }
}

void TOmegaRenderer::Flush() {
  if (Screen) Screen->SubmitQuad(Vertices);
}

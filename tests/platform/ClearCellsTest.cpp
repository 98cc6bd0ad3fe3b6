#include "platform/ClearCells.h"

#include <gtest/gtest.h>

namespace {

// A 96 x 64 picture, clear but for the texels given.
std::vector<uint32_t> Picture(std::initializer_list<std::pair<int, int>> visible) {
  std::vector<uint32_t> argb(96 * 64, 0x00FFFFFF);
  for (auto [x, y] : visible) argb[size_t(y * 96 + x)] = 0xFFFF0000;
  return argb;
}

TQuad Upright(float left, float top, float right, float bottom, float u0, float v0, float u1, float v1) {
  TQuad quad;
  const float xs[4] = {left, right, right, left}, ys[4] = {top, top, bottom, bottom};
  const float us[4] = {u0, u1, u1, u0}, vs[4] = {v0, v0, v1, v1};
  for (int i = 0; i < 4; ++i) quad[i] = {xs[i], ys[i], 0, 1, 0xFFFFFFFF, us[i], vs[i]};
  return quad;
}

// Every corner of a piece lies where the whole quad maps its texture coordinates.
void ExpectOnTheQuad(const TQuad& whole, const TQuad& piece) {
  for (const TVertex& v : piece) {
    const float across = (v.X - whole[0].X) / (whole[1].X - whole[0].X);
    const float down = (v.Y - whole[0].Y) / (whole[3].Y - whole[0].Y);
    EXPECT_NEAR(v.U, whole[0].U + across * (whole[1].U - whole[0].U), 1e-5);
    EXPECT_NEAR(v.V, whole[0].V + down * (whole[3].V - whole[0].V), 1e-5);
  }
}

}  // namespace

TEST(ClearCells, AQuadIsDrawnOnlyOverTheCellsWithSomethingToSee) {
  const auto argb = Picture({{40, 8}});  // in the middle cell of the top row
  TClearCells cells(96, 64, argb.data());
  ASSERT_TRUE(cells.Any());
  // The whole picture at twice its size, and the same mirrored left to right.
  for (const TQuad& quad : {Upright(100, 50, 292, 178, 0, 0, 1, 1), Upright(100, 50, 292, 178, 1, 0, 0, 1)}) {
    std::vector<TQuad> pieces;
    ASSERT_TRUE(cells.Split(quad, pieces));
    ASSERT_EQ(pieces.size(), 1u);
    const TQuad& piece = pieces[0];
    ExpectOnTheQuad(quad, piece);
    EXPECT_FLOAT_EQ(std::min(piece[0].U, piece[1].U), 32.f / 96);
    EXPECT_FLOAT_EQ(std::max(piece[0].U, piece[1].U), 64.f / 96);
    EXPECT_FLOAT_EQ(piece[0].V, 0);
    EXPECT_FLOAT_EQ(piece[3].V, 32.f / 64);
    EXPECT_LT(piece[0].X, piece[1].X) << "the piece keeps the quad's corner order";
  }
}

TEST(ClearCells, FilteringReachesIntoTheNeighbouringCell) {
  const auto argb = Picture({{31, 40}});  // the last column of a cell: the next cell may show it
  TClearCells cells(96, 64, argb.data());
  std::vector<TQuad> pieces;
  ASSERT_TRUE(cells.Split(Upright(0, 0, 96, 64, 0, 0, 1, 1), pieces));
  ASSERT_EQ(pieces.size(), 1u) << "one run of two cells";
  EXPECT_FLOAT_EQ(pieces[0][0].U, 0);
  EXPECT_FLOAT_EQ(pieces[0][1].U, 64.f / 96);
  EXPECT_FLOAT_EQ(pieces[0][0].V, 32.f / 64);
}

TEST(ClearCells, QuadsThatCannotBeCutUpAreDrawnWhole) {
  const auto argb = Picture({{40, 8}});
  TClearCells cells(96, 64, argb.data());
  std::vector<TQuad> pieces;
  TQuad turned = Upright(0, 0, 96, 64, 0, 0, 1, 1);
  turned[1].Y += 3;
  EXPECT_FALSE(cells.Split(turned, pieces));
  TQuad shaded = Upright(0, 0, 96, 64, 0, 0, 1, 1);
  shaded[2].Color = 0xFF000000;
  EXPECT_FALSE(cells.Split(shaded, pieces));
  // Only the visible cell itself: nothing to leave out.
  EXPECT_FALSE(cells.Split(Upright(0, 0, 32, 32, 32.f / 96, 0, 64.f / 96, 0.5f), pieces));
  // Only clear cells: nothing to draw.
  EXPECT_TRUE(cells.Split(Upright(0, 0, 32, 32, 0, 0.5f, 32.f / 96, 1), pieces));
  EXPECT_TRUE(pieces.empty());
  const std::vector<uint32_t> solid(96 * 64, 0xFF00FF00);
  EXPECT_FALSE(TClearCells(96, 64, solid.data()).Any());
}

#include "race/DiagonalRoads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr int kCell = 160;
constexpr int kAcross = 1, kBendLeftUp = 11, kBendUpRight = 12, kBendLeftDown = 13, kBendRightDown = 14;

TTrackRecord Piece(int kind, int column, int row) {
  return {row * kCell, column * kCell, kind, 0, 0};
}

// A piece as (x, y, angle in whole degrees from 0 to 359, pattern), for comparing.
std::tuple<int, int, int, int> Seen(const TDiagonalPiece& piece) {
  const int angle = (int(std::lround(piece.Angle)) % 360 + 360) % 360;
  return {int(std::lround(piece.X)), int(std::lround(piece.Y)), angle, piece.Pattern};
}

std::vector<std::tuple<int, int, int, int>> SeenPieces(const TDiagonalRoads& roads) {
  std::vector<std::tuple<int, int, int, int>> pieces;
  for (const TDiagonalPiece& piece : roads.Pieces) pieces.push_back(Seen(piece));
  std::sort(pieces.begin(), pieces.end());
  return pieces;
}

// East along a straight, three steps up to the north-east, and east again.
TEST(DiagonalRoadsTest, AStaircaseRunsAsOneDiagonalMitredAtBothEnds) {
  const std::vector<TTrackRecord> records{
      Piece(kAcross, 0, 2),
      Piece(kBendLeftUp, 1, 2),
      Piece(kBendRightDown, 1, 1),
      Piece(kBendLeftUp, 2, 1),
      Piece(kBendRightDown, 2, 0),
      Piece(kAcross, 3, 0),
      {100, 100, TRecordKind::WayPoint, 0, 1},
  };
  const TDiagonalRoads roads = FindDiagonalRoads(records, kCell);
  EXPECT_EQ(roads.HiddenBends, (std::vector<std::size_t>{1, 2, 3, 4}));
  // One piece across each step, on the side the two bends share, all along the one diagonal; each
  // end piece starts from the straight it meets, which turns off clockwise from its back end.
  using TDiagonalEnds::BackRight, TDiagonalEnds::None;
  const std::vector<std::tuple<int, int, int, int>> expected{
      {240, 320, 315, BackRight}, {320, 240, 315, None}, {400, 160, 135, BackRight}};
  EXPECT_EQ(SeenPieces(roads), expected);
}

// A single step is mitred at both ends, the other way round when it steps the other way.
TEST(DiagonalRoadsTest, ASingleStepIsMitredAtBothEnds) {
  const TDiagonalRoads down = FindDiagonalRoads(
      {Piece(kAcross, 0, 0), Piece(kBendLeftDown, 1, 0), Piece(kBendUpRight, 1, 1), Piece(kAcross, 2, 1)},
      kCell);
  EXPECT_EQ(down.HiddenBends, (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(SeenPieces(down),
            (std::vector<std::tuple<int, int, int, int>>{{240, 160, 45, TDiagonalEnds::BothLeft}}));

  const TDiagonalRoads up = FindDiagonalRoads(
      {Piece(kAcross, 0, 1), Piece(kBendLeftUp, 1, 1), Piece(kBendRightDown, 1, 0), Piece(kAcross, 2, 0)},
      kCell);
  EXPECT_EQ(SeenPieces(up),
            (std::vector<std::tuple<int, int, int, int>>{{240, 160, 135, TDiagonalEnds::BothRight}}));
}

// Two bends turning the same way make a hairpin, and bends apart make plain corners: both are
// drawn as they are.
TEST(DiagonalRoadsTest, HairpinsAndLoneBendsAreNoDiagonals) {
  const std::vector<std::vector<TTrackRecord>> tracks{
      {Piece(kBendLeftDown, 0, 0), Piece(kBendLeftUp, 0, 1)},
      {Piece(kBendLeftDown, 0, 0), Piece(kAcross, 1, 1), Piece(kBendUpRight, 0, 2)},
      {Piece(kBendRightDown, 0, 0), Piece(kBendLeftUp, 1, 1)},
  };
  for (const std::vector<TTrackRecord>& records : tracks) {
    const TDiagonalRoads roads = FindDiagonalRoads(records, kCell);
    EXPECT_TRUE(roads.HiddenBends.empty());
    EXPECT_TRUE(roads.Pieces.empty());
  }
}

}  // namespace

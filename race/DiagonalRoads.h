#pragma once

#include <cstddef>
#include <vector>

#include "race/TrackFile.h"

// A staircase of bends, each next to one that turns back the other way, is a diagonal road. Its
// bends stay where cars drive, but their quarter discs, which would pinch the road at every step,
// are not drawn: straight diagonal pieces are drawn along the staircase instead, one across every
// step, mitred where the diagonal meets the road that runs on along the grid.
struct TDiagonalPiece {
  double X = 0, Y = 0;  // the middle of the step, in the track file's pixels
  double Angle = 0;     // degrees clockwise from east: the way the piece runs
  int Pattern = 0;      // which ends are mitred (TDiagonalEnds)
};

// The pictures' patterns: the end a piece starts from (its back) or both ends meet the road on
// the grid, which leaves the back end turned clockwise (Right) or anticlockwise (Left).
namespace TDiagonalEnds {
inline constexpr int None = 0;
inline constexpr int BackRight = 1;
inline constexpr int BackLeft = 2;
inline constexpr int BothRight = 3;
inline constexpr int BothLeft = 4;
}  // namespace TDiagonalEnds

struct TDiagonalRoads {
  std::vector<std::size_t> HiddenBends;  // the bend records the diagonals draw over, in file order
  std::vector<TDiagonalPiece> Pieces;
};

// The diagonals among a track's road pieces, every piece cellSize pixels square.
TDiagonalRoads FindDiagonalRoads(const std::vector<TTrackRecord>& records, int cellSize);

#pragma once

#include <string>
#include <vector>

#include "race/TrackFile.h"

// One track as the designer writes it: a closed loop of road pieces on a grid of square cells,
// given as runs of moves from cell to cell ("R6 D2 L6 U2": six cells right, two down, ...).
// The first run is the start straight: the grid stands in its first cells, facing the way it
// runs, and the finish line crosses it at the entry of a cell from its fourth on.
struct TTrackLayout {
  const char* FileName;  // the game's name, "Data\data4.prd"
  const char* Moves;
  int StartSlots;  // the cars on the grid, the player's last
  int Difficulty;  // 0 .. 11: how much scenery stands beside the road and how close
};

// The side of a grid cell, in pixels: the size of every road piece's picture.
inline constexpr int kCellSize = 160;
// The first cell of the start straight whose entry the finish line may cross; the grid stands
// before it.
inline constexpr int kFinishCell = 3;

struct TGridCell {
  int Column = 0;
  int Row = 0;
  bool operator==(const TGridCell&) const = default;
  auto operator<=>(const TGridCell&) const = default;
};

// A move as a step on the grid: 'R' (1, 0), 'L' (-1, 0), 'U' (0, -1), 'D' (0, 1).
struct TStep {
  int DX = 0;
  int DY = 0;
};
TStep StepOf(char move);
inline TGridCell Offset(TGridCell cell, TStep step, int times = 1) {
  return {cell.Column + step.DX * times, cell.Row + step.DY * times};
}

// The cells of the loop in driving order, or the reason the moves do not make a usable loop.
struct TLoopResult {
  std::vector<TGridCell> Cells;  // Cells[i] is entered by move i - 1 and left by move i
  std::vector<char> Moves;       // one of 'R', 'L', 'U', 'D' per cell
  std::string Error;

  int Count() const { return int(Cells.size()); }
  // The move that entered cell i (the move of the cell before it).
  char MoveIn(int i) const { return Moves[size_t((i + Count() - 1) % Count())]; }
  bool IsCorner(int i) const { return MoveIn(i) != Moves[size_t(i)]; }
  // Cells from cell i back to the nearest corner before it, and on to the nearest corner after
  // it (0 when cell i is a corner itself).
  int StraightBefore(int i) const;
  int StraightAfter(int i) const;
};
// Traces the runs from cell (0, 0). A loop must close, never pass a cell twice, and its parts
// may touch only where one follows the other: two roads side by side would make a short cut.
TLoopResult TraceLoop(const std::string& moves);

// Where the grid lies in world pixels: the top-left corner of cell (0, 0).
struct TPixel {
  int X = 0;
  int Y = 0;
};
struct TGridPlacement {
  int OriginX = 0;
  int OriginY = 0;
  TPixel TopLeft(TGridCell cell) const {
    return {OriginX + cell.Column * kCellSize, OriginY + cell.Row * kCellSize};
  }
  TPixel Centre(TGridCell cell) const {
    const TPixel corner = TopLeft(cell);
    return {corner.X + kCellSize / 2, corner.Y + kCellSize / 2};
  }
};

// Every record of the track: road, scenery, start grid, lines and way points. Throws
// std::invalid_argument naming the file when the layout is not a usable loop.
std::vector<TTrackRecord> BuildTrack(const TTrackLayout& layout);

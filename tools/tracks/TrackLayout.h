#pragma once

#include <string>
#include <vector>

#include "race/TrackFile.h"

// One track as the designer writes it: a closed loop of road pieces on a grid of square cells,
// given as runs of moves from cell to cell ("R6 D2 L6 U2": six cells right, two down, ...).
// The loop starts with at least four moves to the right: the start straight, where the grid
// stands and the finish line crosses the road.
struct TTrackLayout {
  const char* FileName;  // the game's name, "Data\data4.prd"
  const char* Moves;
  int StartSlots;  // the cars on the grid, the player's last
  int Difficulty;  // 0 .. 11: how much scenery stands beside the road and how close
  bool OnScreen;   // laid out in screen pixels with no margin (the demonstration race is not scrolled)
};

// The side of a grid cell, in pixels: the size of every road piece's picture.
inline constexpr int kCellSize = 160;

// The cells of the loop in driving order, or the reason the moves do not make a simple loop.
struct TGridCell {
  int Column = 0;
  int Row = 0;
  bool operator==(const TGridCell&) const = default;
};
struct TLoopResult {
  std::vector<TGridCell> Cells;  // Cells[i] is entered by move i - 1 and left by move i
  std::vector<char> Moves;       // one of 'R', 'L', 'U', 'D' per cell
  std::string Error;
};
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

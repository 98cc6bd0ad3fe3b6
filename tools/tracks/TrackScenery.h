#pragma once

#include <vector>

#include "race/TrackFile.h"
#include "tools/tracks/TrackLayout.h"

// The obstacle kinds beside the road and the square each may need at any angle (its picture's
// diagonal): trees, firs, the house, rocks, the arch. Walls stand upright and are placed apart.
struct TObstacleFootprint {
  int Kind;
  int Reach;  // half the picture's diagonal, rounded up
};
inline constexpr TObstacleFootprint kTurningObstacles[] = {
    {1, 46}, {2, 57}, {3, 68}, {4, 51}, {5, 72}, {6, 46}, {7, 63}, {8, 34}, {9, 56},
};
inline constexpr int kHorizontalWall = 10, kVerticalWall = 11;
inline constexpr int kWallLength = 160, kWallThickness = 16;

// Grass cells of the loop's surroundings (`marginCells` wide) get trees, rocks, houses, arches,
// walls along straights and flowers, each inside its own cell so nothing stands on the road.
// Higher difficulty: more of them and closer to the road. Cells inside a bend are kept clear,
// since cars cut across them, and outside a bend, where they run wide, only flowers grow.
void AddScenery(const TLoopResult& loop, const TGridPlacement& place, int difficulty, int marginCells,
                std::vector<TTrackRecord>& records);

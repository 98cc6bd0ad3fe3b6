#include "tools/tracks/TrackScenery.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <span>

namespace {

// The same scenery on every build: a fixed linear congruential sequence.
class TSceneryDice {
 public:
  explicit TSceneryDice(uint32_t seed) : State(seed) {}
  int Below(int limit) {
    State = State * 1664525u + 1013904223u;
    return int((State >> 8) % uint32_t(limit));
  }
  bool Chance(int percent) { return Below(100) < percent; }
  // Between -limit and limit.
  int Spread(int limit) { return limit > 0 ? Below(2 * limit + 1) - limit : 0; }

 private:
  uint32_t State;
};

// An obstacle kind and half its picture's diagonal, rounded up: the room it needs at any angle.
struct TFootprint {
  int Kind;
  int Reach;
};
constexpr TFootprint kTrees[] = {{1, 46}, {2, 57}, {3, 68}, {4, 51}};
constexpr TFootprint kFirs[] = {{6, 46}, {7, 63}};
constexpr TFootprint kRocks[] = {{8, 34}};
constexpr TFootprint kTyres[] = {{9, 56}};
constexpr TFootprint kHouse{5, 72};

// What a cluster of scenery is made of, and how many pieces stand in each of its cells.
struct TTheme {
  std::span<const TFootprint> Pieces;
  int PerCell;
};
constexpr TTheme kThemes[] = {{kTrees, 3}, {kFirs, 3}, {kTrees, 2}, {kRocks, 4}, {kFirs, 2}, {kTyres, 2}};

constexpr int kFlowers = TRecordKind::Flowers, kFlower = TRecordKind::Flower;

// The grid round the loop and what lies where.
class TSceneryGrid {
 public:
  TSceneryGrid(const TLoopResult& loop, int margin, const std::set<TGridCell>& keepClear)
      : Loop(loop), KeepClear(keepClear) {
    for (int i = 0; i < loop.Count(); ++i) Road[loop.Cells[size_t(i)]] = i;
    for (const TGridCell& cell : loop.Cells) {
      Low.Column = std::min(Low.Column, cell.Column - margin);
      Low.Row = std::min(Low.Row, cell.Row - margin);
      High.Column = std::max(High.Column, cell.Column + margin);
      High.Row = std::max(High.Row, cell.Row + margin);
    }
  }

  // Cells from the nearest road cell, counting diagonal steps as one (0 on the road).
  int RoadDistance(TGridCell cell) const {
    int best = 1 << 20;
    for (const auto& [road, i] : Road)
      best = std::min(best, std::max(std::abs(road.Column - cell.Column), std::abs(road.Row - cell.Row)));
    return best;
  }
  // Free for something solid: off the road by at least a cell, out of the run-off, not taken.
  bool OpenGround(TGridCell cell) const {
    return RoadDistance(cell) >= 2 && !KeepClear.contains(cell) && !Taken.contains(cell);
  }
  // The loop index of a road cell, or -1.
  int RoadIndex(TGridCell cell) const {
    const auto found = Road.find(cell);
    return found == Road.end() ? -1 : found->second;
  }
  // Road cells among the eight round a cell.
  int RoadAround(TGridCell cell) const {
    int count = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) count += RoadIndex({cell.Column + dx, cell.Row + dy}) >= 0;
    return count;
  }
  // A straight cell with at least `cells` straight cells before and after it.
  bool QuietStraight(int i, int cells) const {
    return i >= 0 && Loop.StraightBefore(i) > cells && Loop.StraightAfter(i) > cells;
  }

  const TLoopResult& Loop;
  const std::set<TGridCell>& KeepClear;
  std::map<TGridCell, int> Road;
  std::set<TGridCell> Taken;  // cells with walls or scenery, and the cells round a cluster
  std::set<TGridCell> Walls;
  TGridCell Low, High;
};

void AddPiece(const TGridPlacement& place, TGridCell cell, TFootprint piece, int dx, int dy,
              std::vector<TTrackRecord>& records) {
  const TPixel centre = place.Centre(cell);
  records.push_back({centre.Y + dy, centre.X + dx, TRecordKind::Obstacle, 0, piece.Kind});
}

// A few pieces of one theme crowded round the cell's middle, each kept inside the cell.
void FillClusterCell(const TGridPlacement& place, TGridCell cell, const TTheme& theme, TSceneryDice& dice,
                     std::vector<TTrackRecord>& records) {
  for (int n = 0; n < theme.PerCell; ++n) {
    const TFootprint piece = theme.Pieces[size_t(dice.Below(int(theme.Pieces.size())))];
    const int room = std::min(kCellSize / 2 - piece.Reach, n == 0 ? 10 : 44);
    AddPiece(place, cell, piece, dice.Spread(room), dice.Spread(room), records);
  }
}

// Clusters of two to five neighbouring cells on open ground, each apart from the others.
void AddClusters(TSceneryGrid& grid, const TGridPlacement& place, int difficulty, TSceneryDice& dice,
                 std::vector<TTrackRecord>& records) {
  const int startChance = 14 + difficulty;
  for (int row = grid.Low.Row; row <= grid.High.Row; ++row) {
    for (int column = grid.Low.Column; column <= grid.High.Column; ++column) {
      const TGridCell seed{column, row};
      if (!grid.OpenGround(seed) || !dice.Chance(startChance)) continue;
      const TTheme& theme = kThemes[size_t(dice.Below(int(std::size(kThemes))))];
      std::vector<TGridCell> cells{seed};
      const int size = 2 + dice.Below(4);
      for (int tries = 0; tries < 12 && int(cells.size()) < size; ++tries) {
        const TGridCell from = cells[size_t(dice.Below(int(cells.size())))];
        const char move = "RLUD"[dice.Below(4)];
        const TGridCell next = Offset(from, StepOf(move));
        if (grid.OpenGround(next) && std::find(cells.begin(), cells.end(), next) == cells.end())
          cells.push_back(next);
      }
      for (const TGridCell& cell : cells) FillClusterCell(place, cell, theme, dice, records);
      // Keep the next cluster a cell away, so that no car is caught between two of them.
      for (const TGridCell& cell : cells)
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) grid.Taken.insert({cell.Column + dx, cell.Row + dy});
    }
  }
}

// Houses in a row two cells out from a long straight, one in every other cell.
void AddHouseRows(TSceneryGrid& grid, const TGridPlacement& place, int difficulty, TSceneryDice& dice,
                  std::vector<TTrackRecord>& records) {
  const TLoopResult& loop = grid.Loop;
  for (int i = 0; i < loop.Count(); i += 2) {
    if (!grid.QuietStraight(i, 1) || !dice.Chance(25 + 2 * difficulty)) continue;
    const TStep along = StepOf(loop.Moves[size_t(i)]);
    const TStep across{-along.DY, along.DX};
    const int side = dice.Chance(50) ? 1 : -1;
    const TGridCell cell = Offset(loop.Cells[size_t(i)], across, 2 * side);
    if (!grid.OpenGround(cell)) continue;
    AddPiece(place, cell, kHouse, -across.DX * side * 4, -across.DY * side * 4, records);
    grid.Taken.insert(cell);
  }
}

// From difficulty 6, single trees beside the quiet middle of the straights, in every other
// cell, their near edge closer to the kerb as the tracks get harder.
void AddRoadsideTrees(TSceneryGrid& grid, const TGridPlacement& place, int difficulty, TSceneryDice& dice,
                      std::vector<TTrackRecord>& records) {
  if (difficulty < 6) return;
  const TLoopResult& loop = grid.Loop;
  const int gap = 64 - 4 * (difficulty - 6);  // from the road's edge to the tree
  for (int i = 0; i < loop.Count(); i += 2) {
    if (!grid.QuietStraight(i, 2) || !dice.Chance(50)) continue;
    const TStep along = StepOf(loop.Moves[size_t(i)]);
    const TStep across{-along.DY, along.DX};
    const int side = dice.Chance(50) ? 1 : -1;
    const TGridCell cell = Offset(loop.Cells[size_t(i)], across, side);
    // Beside this straight alone: no other road runs past the cell.
    if (grid.KeepClear.contains(cell) || grid.Taken.contains(cell) || grid.RoadAround(cell) != 3) continue;
    const TFootprint tree = kTrees[size_t(dice.Below(int(std::size(kTrees))))];
    const int out = -kCellSize / 2 + gap + tree.Reach;  // from the cell's middle, away from the road
    AddPiece(place, cell, tree, across.DX * side * out, across.DY * side * out, records);
    grid.Taken.insert(cell);
  }
}

// A few flowers just outside the kerb of a straight.
void AddFlowers(TSceneryGrid& grid, const TGridPlacement& place, TSceneryDice& dice,
                std::vector<TTrackRecord>& records) {
  const TLoopResult& loop = grid.Loop;
  for (int i = 0; i < loop.Count(); ++i) {
    if (loop.IsCorner(i) || !dice.Chance(45)) continue;
    const TStep along = StepOf(loop.Moves[size_t(i)]);
    const TStep across{-along.DY, along.DX};
    const int side = dice.Chance(50) ? 1 : -1;
    const TGridCell beside = Offset(loop.Cells[size_t(i)], across, side);
    if (grid.RoadIndex(beside) >= 0 || grid.Walls.contains(beside)) continue;
    const TPixel centre = place.Centre(loop.Cells[size_t(i)]);
    const int count = 1 + dice.Below(3);
    for (int n = 0; n < count; ++n) {
      const int out = kCellSize / 2 + 10 + dice.Below(14);
      const int shift = dice.Spread(60);
      const int x = centre.X + across.DX * side * out + along.DX * shift;
      const int y = centre.Y + across.DY * side * out + along.DY * shift;
      records.push_back({y, x, dice.Chance(40) ? kFlowers : kFlower, 0, 0});
    }
  }
}

}  // namespace

void AddScenery(const TLoopResult& loop, const TGridPlacement& place, int difficulty, int marginCells,
                const std::set<TGridCell>& runOff, const std::set<TGridCell>& walls,
                std::vector<TTrackRecord>& records) {
  TSceneryGrid grid(loop, marginCells, runOff);
  grid.Taken = grid.Walls = walls;
  TSceneryDice dice(uint32_t(0x7EAC + 977 * difficulty + loop.Count()));
  AddRoadsideTrees(grid, place, difficulty, dice, records);
  AddHouseRows(grid, place, difficulty, dice, records);
  AddClusters(grid, place, difficulty, dice, records);
  AddFlowers(grid, place, dice, records);
}

void AddLaneMarks(const TLoopResult& loop, int finish, const TGridPlacement& place,
                  std::vector<TTrackRecord>& records) {
  for (int i = 0; i < loop.Count(); ++i) {
    if (loop.IsCorner(i) || i == finish) continue;
    const char move = loop.Moves[size_t(i)];
    const TPixel centre = place.Centre(loop.Cells[size_t(i)]);
    const bool horizontal = move == 'R' || move == 'L';
    records.push_back(
        {centre.Y, centre.X, horizontal ? TRecordKind::RhombHorizontal : TRecordKind::RhombVertical, 0, 0});
  }
}

#include "tools/tracks/TrackScenery.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <utility>

namespace {

constexpr int kClearance = 4;  // kept between an obstacle and the road at the closest

// The same scenery on every build: a fixed linear congruential sequence.
class TSceneryDice {
 public:
  explicit TSceneryDice(uint32_t seed) : State(seed) {}
  int Below(int limit) {
    State = State * 1664525u + 1013904223u;
    return int((State >> 8) % uint32_t(limit));
  }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  uint32_t State;
};

using TCellSet = std::set<std::pair<int, int>>;

struct TNeighbours {
  int Count = 0;   // road cells sharing a side
  int DeltaX = 0;  // towards the (last found) road cell
  int DeltaY = 0;
  bool Straight = false;  // that road cell is a straight piece along this side
};

TNeighbours RoadBeside(const TCellSet& road, const TCellSet& straights, TGridCell cell) {
  TNeighbours found;
  const int deltas[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const auto& delta : deltas) {
    const std::pair<int, int> next{cell.Column + delta[0], cell.Row + delta[1]};
    if (!road.contains(next)) continue;
    ++found.Count;
    found.DeltaX = delta[0];
    found.DeltaY = delta[1];
    found.Straight = straights.contains(next);
  }
  return found;
}

// A wall along the straight beside the cell, on the cell's road side.
void AddWall(const TGridPlacement& place, TGridCell cell, const TNeighbours& road, int gap,
             std::vector<TTrackRecord>& records) {
  const TPixel centre = place.Centre(cell);
  const int along = kCellSize / 2 - gap - kWallThickness / 2;
  if (road.DeltaY != 0)
    records.push_back({centre.Y + road.DeltaY * along, centre.X, TRecordKind::Obstacle, 0, kHorizontalWall});
  else
    records.push_back({centre.Y, centre.X + road.DeltaX * along, TRecordKind::Obstacle, 0, kVerticalWall});
}

// One turning obstacle in the cell, pulled towards the road as far as `closeness` (0 .. 10) allows.
void AddObstacle(const TGridPlacement& place, TGridCell cell, const TNeighbours& road, int closeness,
                 TSceneryDice& dice, std::vector<TTrackRecord>& records) {
  const TObstacleFootprint& footprint = kTurningObstacles[dice.Below(int(std::size(kTurningObstacles)))];
  const int room = kCellSize / 2 - footprint.Reach - kClearance;
  const int pull = road.Count > 0 ? room * closeness / 10 : 0;
  const int jitter = room - pull > 0 ? dice.Below(room - pull + 1) : 0;
  const TPixel centre = place.Centre(cell);
  const int x = centre.X + road.DeltaX * pull - road.DeltaY * (jitter - (room - pull) / 2);
  const int y = centre.Y + road.DeltaY * pull - road.DeltaX * (jitter - (room - pull) / 2);
  records.push_back({y, x, TRecordKind::Obstacle, 0, footprint.Kind});
}

void AddFlowers(const TGridPlacement& place, TGridCell cell, TSceneryDice& dice,
                std::vector<TTrackRecord>& records) {
  const TPixel centre = place.Centre(cell);
  const int kind = TRecordKind::Flowers + dice.Below(3);
  records.push_back({centre.Y + dice.Below(81) - 40, centre.X + dice.Below(81) - 40, kind, 0, 0});
}

}  // namespace

void AddScenery(const TLoopResult& loop, const TGridPlacement& place, int difficulty, int marginCells,
                std::vector<TTrackRecord>& records) {
  TCellSet road, straights;
  int minColumn = 0, maxColumn = 0, minRow = 0, maxRow = 0;
  const std::size_t count = loop.Cells.size();
  for (std::size_t i = 0; i < count; ++i) {
    const TGridCell cell = loop.Cells[i];
    road.insert({cell.Column, cell.Row});
    if (loop.Moves[i] == loop.Moves[(i + count - 1) % count]) straights.insert({cell.Column, cell.Row});
    minColumn = std::min(minColumn, cell.Column);
    maxColumn = std::max(maxColumn, cell.Column);
    minRow = std::min(minRow, cell.Row);
    maxRow = std::max(maxRow, cell.Row);
  }
  TSceneryDice dice(uint32_t(0x7EAC + 977 * difficulty + count));
  const int besideChance = 30 + 5 * difficulty;
  const int closeness = std::min(6, difficulty);  // room for a car pushed to the road's edge
  for (int row = minRow - marginCells; row <= maxRow + marginCells; ++row) {
    for (int column = minColumn - marginCells; column <= maxColumn + marginCells; ++column) {
      const TGridCell cell{column, row};
      if (road.contains({column, row})) continue;
      const TNeighbours beside = RoadBeside(road, straights, cell);
      if (beside.Count >= 2) continue;  // inside a bend or between two roads
      if (beside.Count == 1 && !beside.Straight) {
        // Outside a bend, where cars run wide: only flowers.
        if (dice.Chance(40)) AddFlowers(place, cell, dice, records);
        continue;
      }
      if (beside.Count == 1 && beside.Straight && difficulty >= 3 && dice.Chance(10 + 3 * difficulty))
        AddWall(place, cell, beside, 30 - 2 * closeness, records);
      else if (dice.Chance(beside.Count == 1 ? besideChance : 45))
        AddObstacle(place, cell, beside, closeness, dice, records);
      else if (dice.Chance(40))
        AddFlowers(place, cell, dice, records);
    }
  }
}

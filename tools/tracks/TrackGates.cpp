#include "tools/tracks/TrackGates.h"

#include <array>
#include <cstdlib>
#include <map>

namespace {

constexpr int kHorizontalWall = 10, kVerticalWall = 11;
constexpr int kWallThickness = 16;
constexpr int kWallGap = 4;  // between the road's edge and a wall beside it
// Where the check lines lie, in fractions of the lap from the finish.
constexpr double kCheckLineShares[] = {0.25, 0.55, 0.8};

bool Horizontal(char move) {
  return move == 'R' || move == 'L';
}

// The two grass cells either side of a straight road cell.
std::array<TGridCell, 2> Beside(const TLoopResult& loop, int i) {
  const TGridCell cell = loop.Cells[size_t(i)];
  if (Horizontal(loop.Moves[size_t(i)])) return {{{cell.Column, cell.Row - 1}, {cell.Column, cell.Row + 1}}};
  return {{{cell.Column - 1, cell.Row}, {cell.Column + 1, cell.Row}}};
}

// A straight cell between straight cells, with no run-off beside it: a place for walls.
bool Quiet(const TLoopResult& loop, const std::set<TGridCell>& runOff, int i) {
  if (loop.StraightBefore(i) < 2 || loop.StraightAfter(i) < 2) return false;
  for (const TGridCell& cell : Beside(loop, i))
    if (runOff.contains(cell)) return false;
  return true;
}

// The quiet cell nearest to `target` cells after the finish, later than `after`; -1 when none.
int NearestQuietCell(const TLoopResult& loop, const std::set<TGridCell>& runOff, int finish, int after,
                     int target) {
  const int count = loop.Count();
  int best = -1;
  for (int order = after + 1; order < count - 2; ++order) {
    if (!Quiet(loop, runOff, (finish + order) % count)) continue;
    if (best < 0 || std::abs(order - target) < std::abs(best - target)) best = order;
  }
  return best;
}

void AddWallBeside(const TGridPlacement& place, TGridCell cell, bool horizontalRoad,
                   std::vector<TTrackRecord>& records) {
  const TPixel centre = place.Centre(cell);
  const int offset = kCellSize / 2 + kWallGap + kWallThickness / 2;
  for (const int side : {-1, 1}) {
    if (horizontalRoad)
      records.push_back({centre.Y + side * offset, centre.X, TRecordKind::Obstacle, 0, kHorizontalWall});
    else
      records.push_back({centre.Y, centre.X + side * offset, TRecordKind::Obstacle, 0, kVerticalWall});
  }
}

}  // namespace

std::set<TGridCell> RunOffCells(const TLoopResult& loop, int reach) {
  std::set<TGridCell> cells;
  for (int i = 0; i < loop.Count(); ++i) {
    if (!loop.IsCorner(i)) continue;
    const TStep in = StepOf(loop.MoveIn(i)), out = StepOf(loop.Moves[size_t(i)]);
    const TGridCell corner = loop.Cells[size_t(i)];
    cells.insert(Offset(Offset(corner, in, -1), out));  // inside the bend
    for (int ahead = 1; ahead <= reach; ++ahead)
      for (int side = -1; side <= reach; ++side) cells.insert(Offset(Offset(corner, in, ahead), out, side));
  }
  return cells;
}

TGates ChooseGates(const TLoopResult& loop, const std::set<TGridCell>& runOff, bool raced) {
  TGates gates;
  const int count = loop.Count();
  if (!raced) {
    for (size_t line = 0; line < gates.CheckLines.size(); ++line)
      gates.CheckLines[line] = (gates.Finish + int(kCheckLineShares[line] * count)) % count;
    return gates;
  }
  while (gates.Finish < count && !loop.IsCorner(gates.Finish) && !Quiet(loop, runOff, gates.Finish))
    ++gates.Finish;
  if (gates.Finish >= count || loop.IsCorner(gates.Finish)) {
    gates.Error = "the start straight is too short for the grid and the finish";
    return gates;
  }
  int after = 0;
  for (size_t line = 0; line < gates.CheckLines.size(); ++line) {
    after = NearestQuietCell(loop, runOff, gates.Finish, after, int(kCheckLineShares[line] * count));
    if (after < 0) {
      gates.Error = "too few straights away from the bends for the check lines";
      return gates;
    }
    gates.CheckLines[line] = (gates.Finish + after) % count;
  }
  return gates;
}

std::set<TGridCell> AddWalls(const TLoopResult& loop, const TGates& gates, const std::set<TGridCell>& runOff,
                             const TGridPlacement& place, std::vector<TTrackRecord>& records) {
  const int count = loop.Count();
  std::set<TGridCell> walled;
  auto wallRoad = [&](int i) {
    AddWallBeside(place, loop.Cells[size_t(i)], Horizontal(loop.Moves[size_t(i)]), records);
    for (const TGridCell& cell : Beside(loop, i)) walled.insert(cell);
  };
  std::vector<int> gateCells{gates.Finish, gates.CheckLines[0], gates.CheckLines[1], gates.CheckLines[2]};
  std::set<int> roadWalled;
  for (const int gate : gateCells)
    for (int along = -1; along <= 1; ++along) {
      const int i = (gate + along + count) % count;
      if (Quiet(loop, runOff, i) && roadWalled.insert(i).second) wallRoad(i);
    }

  // The grass between two straight legs running side by side one cell apart.
  std::map<TGridCell, int> order;
  for (int i = 0; i < count; ++i) order[loop.Cells[size_t(i)]] = i;
  auto straightLeg = [&](TGridCell cell, bool horizontal) {
    const auto found = order.find(cell);
    return found != order.end() && !loop.IsCorner(found->second) &&
           Horizontal(loop.Moves[size_t(found->second)]) == horizontal;
  };
  for (const auto& [cell, i] : order) {
    for (const bool horizontal : {true, false}) {
      const TStep across = horizontal ? TStep{0, 1} : TStep{1, 0};
      const TGridCell island = Offset(cell, across), beyond = Offset(cell, across, 2);
      if (!straightLeg(cell, horizontal) || !straightLeg(beyond, horizontal)) continue;
      if (order.contains(island) || runOff.contains(island) || walled.contains(island)) continue;
      const TPixel centre = place.Centre(island);
      records.push_back(
          {centre.Y, centre.X, TRecordKind::Obstacle, 0, horizontal ? kHorizontalWall : kVerticalWall});
      walled.insert(island);
    }
  }
  return walled;
}

#include "tools/tracks/TrackGates.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

namespace {

constexpr int kHorizontalWall = 10, kVerticalWall = 11;
constexpr int kWallThickness = 16;
constexpr int kWallGap = 4;  // between the road's edge and a wall beside it
// How far cars run on straight beyond a step of a diagonal.
constexpr int kStepReach = 2;

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

// Three quiet cells for the check lines, in driving order from the finish, leaving the longest
// stretch of the lap without a line as short as it can be (and then the shortest one as long):
// no short cut across the grass skips much of the lap. Empty when there are not three.
std::vector<int> SpreadCheckLines(const TLoopResult& loop, const std::set<TGridCell>& runOff, int finish) {
  const int count = loop.Count();
  std::vector<int> orders;  // cells after the finish
  for (int order = 1; order < count - 2; ++order)
    if (Quiet(loop, runOff, (finish + order) % count)) orders.push_back(order);
  std::vector<int> best;
  std::pair<int, int> bestSpread{count + 1, 0};
  for (size_t a = 0; a < orders.size(); ++a)
    for (size_t b = a + 1; b < orders.size(); ++b)
      for (size_t c = b + 1; c < orders.size(); ++c) {
        const int gaps[] = {orders[a], orders[b] - orders[a], orders[c] - orders[b], count - orders[c]};
        const std::pair<int, int> spread{*std::max_element(std::begin(gaps), std::end(gaps)),
                                         -*std::min_element(std::begin(gaps), std::end(gaps))};
        if (spread >= bestSpread) continue;
        bestSpread = spread;
        best = {orders[a], orders[b], orders[c]};
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

// Which way a bend turns: 1 clockwise, -1 anticlockwise, 0 no bend.
int Turn(const TLoopResult& loop, int i) {
  const TStep in = StepOf(loop.MoveIn(i)), out = StepOf(loop.Moves[size_t(i)]);
  return in.DX * out.DY - in.DY * out.DX;
}

// A bend next to a bend that turns back the other way: together they make one step of a diagonal,
// which cars drive along rather than round each bend.
bool IsDiagonalStep(const TLoopResult& loop, int i) {
  const int count = loop.Count();
  const int turn = Turn(loop, i);
  return turn != 0 && (Turn(loop, (i + count - 1) % count) == -turn || Turn(loop, (i + 1) % count) == -turn);
}

// The cells beyond bend i: as far as `reach` cells straight on, and from one cell back to `sides`
// cells along the road that follows.
void AddBeyondBend(const TLoopResult& loop, int i, int reach, int sides, std::set<TGridCell>& cells) {
  const TStep in = StepOf(loop.MoveIn(i)), out = StepOf(loop.Moves[size_t(i)]);
  const TGridCell corner = loop.Cells[size_t(i)];
  for (int ahead = 1; ahead <= reach; ++ahead)
    for (int side = sides > 0 ? -1 : 0; side <= sides; ++side)
      cells.insert(Offset(Offset(corner, in, ahead), out, side));
}

}  // namespace

std::set<TGridCell> InnerCells(const TLoopResult& loop) {
  std::set<TGridCell> cells;
  for (int i = 0; i < loop.Count(); ++i) {
    if (!loop.IsCorner(i)) continue;
    const TStep in = StepOf(loop.MoveIn(i)), out = StepOf(loop.Moves[size_t(i)]);
    cells.insert(Offset(Offset(loop.Cells[size_t(i)], in, -1), out));
  }
  return cells;
}

std::set<TGridCell> RunOffCells(const TLoopResult& loop, int reach) {
  std::set<TGridCell> cells = InnerCells(loop);
  for (int i = 0; i < loop.Count(); ++i)
    if (loop.IsCorner(i)) AddBeyondBend(loop, i, reach, reach, cells);
  return cells;
}

std::set<TGridCell> RunWideCells(const TLoopResult& loop, int reach) {
  std::set<TGridCell> cells = InnerCells(loop);
  for (int i = 0; i < loop.Count(); ++i) {
    if (!loop.IsCorner(i)) continue;
    if (IsDiagonalStep(loop, i)) {
      // Straight on, and beside that, so that no wall by a gate ends in it.
      AddBeyondBend(loop, i, kStepReach + 1, 0, cells);
      AddBeyondBend(loop, i, kStepReach, 1, cells);
    } else
      AddBeyondBend(loop, i, reach, reach, cells);
  }
  return cells;
}

TGates ChooseGates(const TLoopResult& loop, const std::set<TGridCell>& runOff) {
  TGates gates;
  const int count = loop.Count();
  while (gates.Finish < count && !loop.IsCorner(gates.Finish) && !Quiet(loop, runOff, gates.Finish))
    ++gates.Finish;
  if (gates.Finish >= count || loop.IsCorner(gates.Finish)) {
    gates.Error = "the start straight is too short for the grid and the finish";
    return gates;
  }
  const std::vector<int> orders = SpreadCheckLines(loop, runOff, gates.Finish);
  if (orders.empty()) {
    gates.Error = "too few straights away from the bends for the check lines";
    return gates;
  }
  for (size_t line = 0; line < gates.CheckLines.size(); ++line)
    gates.CheckLines[line] = (gates.Finish + orders[line]) % count;
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
  const std::set<TGridCell> inside = InnerCells(loop);
  std::map<TGridCell, int> order;
  for (int i = 0; i < count; ++i) order[loop.Cells[size_t(i)]] = i;
  auto straightLeg = [&](TGridCell cell, bool horizontal) {
    const auto found = order.find(cell);
    return found != order.end() && !loop.IsCorner(found->second) &&
           Horizontal(loop.Moves[size_t(found->second)]) == horizontal;
  };
  auto wallIsland = [&](TGridCell island, bool horizontal) {
    const TPixel centre = place.Centre(island);
    records.push_back(
        {centre.Y, centre.X, TRecordKind::Obstacle, 0, horizontal ? kHorizontalWall : kVerticalWall});
    walled.insert(island);
  };
  auto bare = [&](TGridCell cell) {
    return !order.contains(cell) && !inside.contains(cell) && !walled.contains(cell);
  };
  std::vector<std::pair<TGridCell, bool>> islands;
  for (const auto& [cell, i] : order) {
    for (const bool horizontal : {true, false}) {
      const TStep across = horizontal ? TStep{0, 1} : TStep{1, 0};
      const TGridCell island = Offset(cell, across), beyond = Offset(cell, across, 2);
      if (!straightLeg(cell, horizontal) || !straightLeg(beyond, horizontal) || !bare(island)) continue;
      wallIsland(island, horizontal);
      islands.push_back({island, horizontal});
    }
  }
  // Where the legs turn away from each other, the wall runs on through the grass between their
  // bends, the hairpin's mouth: its end stands beyond the road rather than where cars run wide out
  // of the bends, and no car cuts across the mouth.
  for (const auto& [island, horizontal] : islands) {
    const TStep across = horizontal ? TStep{0, 1} : TStep{1, 0}, along{across.DY, across.DX};
    for (const int way : {-1, 1}) {
      const TGridCell mouth = Offset(island, along, way);
      if (bare(mouth) && order.contains(Offset(mouth, across)) && order.contains(Offset(mouth, across, -1)))
        wallIsland(mouth, horizontal);
    }
  }
  return walled;
}

#include <algorithm>
#include <stdexcept>

#include "tools/tracks/TrackGates.h"
#include "tools/tracks/TrackLayout.h"
#include "tools/tracks/TrackScenery.h"

namespace {

constexpr int kMarginCells = 3;     // grass round the loop for the scenery
constexpr int kRunOffCells = 3;     // beyond every bend
constexpr int kLineThickness = 32;  // the finish line's picture, across the road
constexpr int kGridGap = 50;        // from the finish line to the front row's centres
constexpr int kRowSpacing = 60;     // between rows of the grid
constexpr int kLaneOffset = 40;     // each side of the road's middle

// The road piece joining the cell's entry side and exit side.
int RoadKind(char in, char out) {
  if (in == out) return in == 'R' || in == 'L' ? 1 : 2;
  // The sides of the cell the road touches: where it came from and where it leaves.
  auto side = [](char move, bool entering) {
    if (entering) move = move == 'R' ? 'L' : move == 'L' ? 'R' : move == 'U' ? 'D' : 'U';
    return move;  // 'L' left side, 'R' right side, 'U' top, 'D' bottom
  };
  const char a = side(in, true);
  const char b = side(out, false);
  auto touches = [&](char s) { return a == s || b == s; };
  if (touches('R') && touches('D')) return 14;
  if (touches('L') && touches('D')) return 13;
  if (touches('U') && touches('R')) return 12;
  return 11;  // left and top
}

// The heading of a move in degrees, clockwise from east as the cars count it.
int Heading(char move) {
  switch (move) {
    case 'R':
      return 0;
    case 'D':
      return 90;
    case 'L':
      return 180;
    default:
      return 270;
  }
}

void AddRoad(const TLoopResult& loop, const TGridPlacement& place, std::vector<TTrackRecord>& records) {
  for (int i = 0; i < loop.Count(); ++i) {
    const TPixel corner = place.TopLeft(loop.Cells[size_t(i)]);
    records.push_back({corner.Y, corner.X, RoadKind(loop.MoveIn(i), loop.Moves[size_t(i)]), 0, 0});
  }
}

// One way point at the middle of every cell, ordered from the cell after the finish line round to
// the finish cell. Key flags: 1 early in the lap, 2 half way (the lap's proof), 3 late (arms the
// finish). The check lines for the player lie on the gates.
void AddWayPointsAndLines(const TLoopResult& loop, const TGates& gates, const TGridPlacement& place,
                          std::vector<TTrackRecord>& records) {
  const int count = loop.Count();
  const int firstKey = count / 8, proofKey = count / 2, armingKey = count * 17 / 20;
  for (int order = 0; order < count; ++order) {
    const TPixel centre = place.Centre(loop.Cells[size_t((gates.Finish + 1 + order) % count)]);
    const int flag = order == firstKey ? 1 : order == proofKey ? 2 : order == armingKey ? 3 : 0;
    records.push_back({centre.Y, centre.X, TRecordKind::WayPoint, flag, order + 1});
  }
  for (size_t number = 0; number < gates.CheckLines.size(); ++number) {
    const TPixel centre = place.Centre(loop.Cells[size_t(gates.CheckLines[number])]);
    records.push_back({centre.Y, centre.X, TRecordKind::CheckLine, 0, int(number)});
  }
}

// The finish line and its paint across the entry of the finish cell, the grid before it in pairs
// facing the way the straight runs; the last slot is the player's.
void AddStart(const TLoopResult& loop, int finish, const TGridPlacement& place, int slots,
              std::vector<TTrackRecord>& records) {
  const char move = loop.Moves[size_t(finish)];
  const TStep along = StepOf(move);
  const TStep across{-along.DY, along.DX};
  const TPixel centre = place.Centre(loop.Cells[size_t(finish)]);
  const int entry = kCellSize / 2 - kLineThickness / 2;  // from the cell's middle to the line's
  const int lineX = centre.X - along.DX * entry, lineY = centre.Y - along.DY * entry;
  // The picture is a road's width long: upright it spans a road that runs across the screen.
  const int angle = along.DX != 0 ? 90 : 0;
  records.push_back({lineY, lineX, TRecordKind::StartLinePaint, angle, 0});
  records.push_back({lineY, lineX - kCellSize / 2, TRecordKind::FinishLine, angle, 0});
  for (int slot = 1; slot <= slots; ++slot) {
    const int back = kLineThickness / 2 + kGridGap + (slot - 1) / 2 * kRowSpacing;
    const int lane = (slot - 1) % 2 == 0 ? -kLaneOffset : kLaneOffset;
    records.push_back({lineY - along.DY * back + across.DY * lane, lineX - along.DX * back + across.DX * lane,
                       TRecordKind::StartSlot, Heading(move), slot});
  }
}

TGridPlacement Placement(const TLoopResult& loop) {
  int minColumn = 0, minRow = 0;
  for (const TGridCell& cell : loop.Cells) {
    minColumn = std::min(minColumn, cell.Column);
    minRow = std::min(minRow, cell.Row);
  }
  return {(kMarginCells - minColumn) * kCellSize, (kMarginCells - minRow) * kCellSize};
}

}  // namespace

std::vector<TTrackRecord> BuildTrack(const TTrackLayout& layout) {
  const TLoopResult loop = TraceLoop(layout.Moves);
  std::string error = loop.Error;
  const std::set<TGridCell> runOff = error.empty() ? RunOffCells(loop, kRunOffCells) : std::set<TGridCell>{};
  const std::set<TGridCell> runWide =
      error.empty() ? RunWideCells(loop, kRunOffCells) : std::set<TGridCell>{};
  const TGates gates = error.empty() ? ChooseGates(loop, runWide) : TGates{};
  if (error.empty()) error = gates.Error;
  if (error.empty() && (layout.StartSlots < 1 || layout.StartSlots > 8)) error = "the grid holds 1 to 8 cars";
  if (!error.empty()) throw std::invalid_argument(std::string(layout.FileName) + ": " + error);
  const TGridPlacement place = Placement(loop);
  std::vector<TTrackRecord> records;
  AddRoad(loop, place, records);
  const std::set<TGridCell> walls = AddWalls(loop, gates, runWide, place, records);
  AddLaneMarks(loop, gates.Finish, place, records);
  AddScenery(loop, place, layout.Difficulty, kMarginCells, runOff, walls, records);
  AddStart(loop, gates.Finish, place, layout.StartSlots, records);
  AddWayPointsAndLines(loop, gates, place, records);
  return records;
}

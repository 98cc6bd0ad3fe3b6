#include <algorithm>
#include <stdexcept>

#include "tools/tracks/TrackLayout.h"
#include "tools/tracks/TrackScenery.h"

namespace {

constexpr int kFinishCell = 3;      // the cell whose left edge the finish line crosses
constexpr int kMarginCells = 2;     // grass round the loop for the scenery
constexpr int kDemoTop = 60;        // the demonstration loop's top edge on the screen
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

void AddRoad(const TLoopResult& loop, const TGridPlacement& place, std::vector<TTrackRecord>& records) {
  const int count = int(loop.Cells.size());
  for (int i = 0; i < count; ++i) {
    const char in = loop.Moves[(i + count - 1) % count];
    const TPixel corner = place.TopLeft(loop.Cells[i]);
    records.push_back({corner.Y, corner.X, RoadKind(in, loop.Moves[i]), 0, 0});
  }
}

// One way point at the middle of every cell, ordered from the cell after the finish line round to
// the finish cell. Key flags: 1 early in the lap, 2 half way (the lap's proof), 3 late (arms the
// finish). Check lines 0, 1, 2 for the player at a quarter, a half and four fifths of the lap.
void AddWayPointsAndLines(const TLoopResult& loop, const TGridPlacement& place,
                          std::vector<TTrackRecord>& records) {
  const int count = int(loop.Cells.size());
  const int firstKey = count / 8, proofKey = count / 2, armingKey = count * 17 / 20;
  for (int order = 0; order < count; ++order) {
    const TPixel centre = place.Centre(loop.Cells[(kFinishCell + 1 + order) % count]);
    const int flag = order == firstKey ? 1 : order == proofKey ? 2 : order == armingKey ? 3 : 0;
    records.push_back({centre.Y, centre.X, TRecordKind::WayPoint, flag, order + 1});
  }
  const int lineOrders[] = {count / 4, count * 11 / 20, count * 4 / 5};
  for (int number = 0; number < 3; ++number) {
    const TPixel centre = place.Centre(loop.Cells[(kFinishCell + 1 + lineOrders[number]) % count]);
    records.push_back({centre.Y, centre.X, TRecordKind::CheckLine, 0, number});
  }
}

// The finish line and its paint across the start straight, the grid behind it in pairs facing
// right; the last slot is the player's.
void AddStart(const TLoopResult& loop, const TGridPlacement& place, int slots,
              std::vector<TTrackRecord>& records) {
  const TPixel finishCell = place.TopLeft(loop.Cells[kFinishCell]);
  const int middleY = finishCell.Y + kCellSize / 2;
  const int lineCentreX = finishCell.X + kLineThickness / 2;
  records.push_back({middleY, lineCentreX, TRecordKind::StartLinePaint, 90, 0});
  // The picture is a road's width long; turned upright about its middle it spans the road.
  records.push_back({middleY, lineCentreX - kCellSize / 2, TRecordKind::FinishLine, 90, 0});
  for (int slot = 1; slot <= slots; ++slot) {
    const int row = (slot - 1) / 2;
    const int lane = (slot - 1) % 2 == 0 ? -kLaneOffset : kLaneOffset;
    records.push_back(
        {middleY + lane, finishCell.X - kGridGap - row * kRowSpacing, TRecordKind::StartSlot, 0, slot});
  }
}

TGridPlacement Placement(const TTrackLayout& layout, const TLoopResult& loop) {
  int minColumn = 0, minRow = 0;
  for (const TGridCell& cell : loop.Cells) {
    minColumn = std::min(minColumn, cell.Column);
    minRow = std::min(minRow, cell.Row);
  }
  if (layout.OnScreen) return {-minColumn * kCellSize, kDemoTop - minRow * kCellSize};
  return {(kMarginCells - minColumn) * kCellSize, (kMarginCells - minRow) * kCellSize};
}

}  // namespace

std::vector<TTrackRecord> BuildTrack(const TTrackLayout& layout) {
  const TLoopResult loop = TraceLoop(layout.Moves);
  std::string error = loop.Error;
  if (error.empty() &&
      (loop.Cells.size() < 8 || std::string(loop.Moves.begin(), loop.Moves.begin() + 4) != "RRRR"))
    error = "the loop must start with four moves to the right";
  if (error.empty() && (layout.StartSlots < 1 || layout.StartSlots > 8)) error = "the grid holds 1 to 8 cars";
  if (!error.empty()) throw std::invalid_argument(std::string(layout.FileName) + ": " + error);
  const TGridPlacement place = Placement(layout, loop);
  std::vector<TTrackRecord> records;
  AddRoad(loop, place, records);
  if (!layout.OnScreen) AddScenery(loop, place, layout.Difficulty, kMarginCells, records);
  AddStart(loop, place, layout.StartSlots, records);
  AddWayPointsAndLines(loop, place, records);
  return records;
}

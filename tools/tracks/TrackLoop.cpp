#include <cctype>
#include <map>

#include "tools/tracks/TrackLayout.h"

namespace {

// "R6 D2" as one letter per move: "RRRRRRDD"; an empty text when a run is malformed.
std::string ExpandRuns(const std::string& runs) {
  std::string moves;
  std::size_t at = 0;
  while (at < runs.size()) {
    if (runs[at] == ' ') {
      ++at;
      continue;
    }
    const char move = runs[at++];
    if (move != 'R' && move != 'L' && move != 'U' && move != 'D') return {};
    int count = 0;
    while (at < runs.size() && std::isdigit(static_cast<unsigned char>(runs[at])))
      count = count * 10 + (runs[at++] - '0');
    if (count <= 0) return {};
    moves.append(count, move);
  }
  return moves;
}

// Whether two cells of the loop share a side without one following the other.
bool PartsTouch(const TLoopResult& loop, const std::map<TGridCell, int>& order) {
  const int count = loop.Count();
  for (const auto& [cell, i] : order) {
    for (const char move : {'R', 'L', 'U', 'D'}) {
      const auto next = order.find(Offset(cell, StepOf(move)));
      if (next == order.end()) continue;
      const int apart = (next->second - i + count) % count;
      if (apart != 1 && apart != count - 1) return true;
    }
  }
  return false;
}

}  // namespace

TStep StepOf(char move) {
  switch (move) {
    case 'R':
      return {1, 0};
    case 'L':
      return {-1, 0};
    case 'U':
      return {0, -1};
    default:
      return {0, 1};
  }
}

int TLoopResult::StraightBefore(int i) const {
  int cells = 0;
  while (cells < Count() && !IsCorner((i - cells + Count()) % Count())) ++cells;
  return cells;
}

int TLoopResult::StraightAfter(int i) const {
  int cells = 0;
  while (cells < Count() && !IsCorner((i + cells) % Count())) ++cells;
  return cells;
}

TLoopResult TraceLoop(const std::string& runs) {
  TLoopResult loop;
  const std::string moves = ExpandRuns(runs);
  if (moves.empty()) {
    loop.Error = "malformed moves \"" + runs + "\"";
    return loop;
  }
  std::map<TGridCell, int> order;
  TGridCell cell;
  for (const char move : moves) {
    if (!order.emplace(cell, loop.Count()).second) {
      loop.Error = "the loop crosses itself";
      return loop;
    }
    loop.Cells.push_back(cell);
    loop.Moves.push_back(move);
    cell = Offset(cell, StepOf(move));
  }
  if (!(cell == TGridCell{}))
    loop.Error = "the loop does not close";
  else if (PartsTouch(loop, order))
    loop.Error = "two parts of the road run side by side";
  return loop;
}

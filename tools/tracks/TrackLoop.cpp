#include <cctype>
#include <set>
#include <utility>

#include "tools/tracks/TrackLayout.h"

namespace {

TGridCell Step(TGridCell cell, char move) {
  switch (move) {
    case 'R':
      return {cell.Column + 1, cell.Row};
    case 'L':
      return {cell.Column - 1, cell.Row};
    case 'U':
      return {cell.Column, cell.Row - 1};
    default:
      return {cell.Column, cell.Row + 1};
  }
}

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

}  // namespace

TLoopResult TraceLoop(const std::string& runs) {
  TLoopResult loop;
  const std::string moves = ExpandRuns(runs);
  if (moves.empty()) {
    loop.Error = "malformed moves \"" + runs + "\"";
    return loop;
  }
  std::set<std::pair<int, int>> visited;
  TGridCell cell;
  for (const char move : moves) {
    if (!visited.insert({cell.Column, cell.Row}).second) {
      loop.Error = "the loop crosses itself";
      return loop;
    }
    loop.Cells.push_back(cell);
    loop.Moves.push_back(move);
    cell = Step(cell, move);
  }
  if (!(cell == TGridCell{})) loop.Error = "the loop does not close";
  return loop;
}

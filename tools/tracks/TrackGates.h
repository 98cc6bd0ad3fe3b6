#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "race/TrackFile.h"
#include "tools/tracks/TrackLayout.h"

// The grass cell on the inside of every bend, where cars cut across.
std::set<TGridCell> InnerCells(const TLoopResult& loop);

// The grass cells a car may need when it leaves the road: on the outside of every bend, as far
// as `reach` cells beyond it and along the road that follows, and the cell on its inside.
// Nothing stands in them but the walls that keep cars out of a hairpin's middle.
std::set<TGridCell> RunOffCells(const TLoopResult& loop, int reach);

// The run-off cars really run wide into: as above, but beyond a step of a diagonal (a bend next to
// one that turns back) only the two cells straight on, as cars drive along the diagonal rather
// than round each step. The gates and their walls keep out of it.
std::set<TGridCell> RunWideCells(const TLoopResult& loop, int reach);

// The places where the laps are counted: the finish cell and three check-line cells. They lie on
// straights out of the run-off, so that every car is back on the road when it gets there: the
// finish on the first such cell from the fourth of the start straight on, the check lines spread
// round the lap.
struct TGates {
  int Finish = kFinishCell;         // loop index of the finish cell
  std::array<int, 3> CheckLines{};  // loop indices, in driving order after the finish
  std::string Error;
};
TGates ChooseGates(const TLoopResult& loop, const std::set<TGridCell>& runOff);

// Walls along both sides of the road round every gate, so that no car passes beside a line, and
// down the middle of the grass between two straight legs of a hairpin (never on the inside of a
// bend) and on through its mouth between the legs' bends, so that no car cuts across it.
// Returns the cells the walls stand in.
std::set<TGridCell> AddWalls(const TLoopResult& loop, const TGates& gates, const std::set<TGridCell>& runOff,
                             const TGridPlacement& place, std::vector<TTrackRecord>& records);

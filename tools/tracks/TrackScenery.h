#pragma once

#include <set>
#include <vector>

#include "race/TrackFile.h"
#include "tools/tracks/TrackLayout.h"

// The scenery round a loop, within `marginCells` of its road: groves of trees or firs, rocks and
// tyre stacks in clusters, houses in rows along the straights, flowers by the kerb and lane marks
// down the straights. Every solid thing keeps at least a cell of grass from the road and stays
// out of the run-off cells; nothing but flowers stands in a cell with walls. From difficulty 6 on, single
// trees stand closer beside the quiet stretches of the straights. The same layout always gets the same
// scenery.
void AddScenery(const TLoopResult& loop, const TGridPlacement& place, int difficulty, int marginCells,
                const std::set<TGridCell>& runOff, const std::set<TGridCell>& walls,
                std::vector<TTrackRecord>& records);

// Dashes down the middle of every straight piece but the finish cell.
void AddLaneMarks(const TLoopResult& loop, int finish, const TGridPlacement& place,
                  std::vector<TTrackRecord>& records);

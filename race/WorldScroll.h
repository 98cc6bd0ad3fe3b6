#pragma once

#include "race/RaceState.h"

// Moves the world under the player's car: every opponent, every way point and every sprite the
// track file laid out (road, paint, obstacles, lines, the grass).
void ScrollWorld(TRaceContext& context, double dx, double dy);

// Once per race frame, after the move pass: the way points follow the player's frame
// displacement (world shift and collision push) as the track's sprites did in their moves.
void ScrollWayPoints(TRaceState& race);

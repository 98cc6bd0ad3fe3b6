#pragma once

#include "race/RaceState.h"

// The track's debug markers, drawn over a race frame while DebugView is set: every way point,
// the player's nearest and following way points and outline, and each opponent's target way
// point, outline and look-ahead points. Pictures from the race list.
void DrawTrackDebugOverlay(TRaceContext& context);

#pragma once

#include "race/RaceState.h"

// One tick of the 10 ms race clock (the form's RaceTimerTimer), in the game's order: the
// player's lap time while its lap clock runs and the player's race time, both until the player
// has finished, then each opponent's race time from opponent 0 up.
void StepRaceClock(TRaceState& race);

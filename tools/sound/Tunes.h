#pragma once

#include "tools/sound/Composer.h"

// The game's three tunes: "1.xm" for the menus, "2.xm" for the race, "3.xm" for the results.
TTuneStyle MenuTune();
TTuneStyle RaceTune();
TTuneStyle ResultsTune();

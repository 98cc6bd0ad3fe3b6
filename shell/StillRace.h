#pragma once

#include "shell/ScreenKit.h"

// A frame of the screens over a race that stands still (the pause, the leave-race dialog, the
// results). Begin: the race's sprites as they are (no move pass), the page's buttons, the pointer
// moved to the mouse but not yet drawn. End: the pointer drawn over everything, the frame shown.
void BeginStillRaceFrame(TScreenKit& kit);
void EndStillRaceFrame(TScreenKit& kit);

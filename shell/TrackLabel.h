#pragma once

#include <string>

#include "race/GameConstants.h"

// How the race's panel and the results name a track: its number and, when the track has a
// place name, the name ("Track 2 - Maple Hollow"); a track without one (the demonstration
// race's) is "Track 1" alone.
std::string TrackLabel(const TTrack& track);

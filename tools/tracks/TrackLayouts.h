#pragma once

#include <span>

#include "tools/tracks/TrackLayout.h"

// The demonstration loop and the twelve catalogue tracks.
std::span<const TTrackLayout> TrackLayouts();

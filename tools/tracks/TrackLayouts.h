#pragma once

#include <span>

#include "tools/tracks/TrackLayout.h"

// The twelve catalogue tracks.
std::span<const TTrackLayout> TrackLayouts();

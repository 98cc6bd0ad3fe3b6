#pragma once

#include <vector>

#include "race/TrackFile.h"

// The demonstration track: way points round the painted circuit, spaced along its straights and
// set out beyond the centre line in its bends (a car turns to its next way point well before it
// reaches one, and would otherwise cut across the grass), and the grid of four on the top straight.
std::vector<TTrackRecord> BuildDemoTrack();

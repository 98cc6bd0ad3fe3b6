#pragma once

// The sounds of the race itself, synthesised like the other effects: an engine loop for each car
// of the catalogue, the tyres' squeal loop, the thump of a knock and the chime of a lap.

#include <vector>

#include "tools/sound/Effects.h"

// Length of the looping sounds; their end runs into their start without a seam.
inline constexpr double kLoopSeconds = 1.0;
// The race's sounds are made at the mixer's own rate: a loop converted to another rate on loading
// would come out with a resampler's fade at its ends, and click at every turn.
inline constexpr int kRaceEffectRate = 44100;

// "engine1.wav" ... "engine5.wav" (catalogue order), "skid.wav", "crash.wav", "lap.wav".
std::vector<TSoundEffect> MakeRaceEffects();

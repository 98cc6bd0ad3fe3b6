#pragma once

// The game's sound effects, synthesised: each is a mono sound in -1..1 at its rate.

#include <string>
#include <vector>

inline constexpr int kEffectRate = 22050;

struct TSoundEffect {
  std::string FileName;  // as the game opens it from its "Sounds" folder
  std::vector<double> Samples;
  int Rate = kEffectRate;
};

// Button click, switch, engine start, finish fanfare and the two start-light beeps.
std::vector<TSoundEffect> MakeSoundEffects();

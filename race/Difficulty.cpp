#include "race/Difficulty.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct TLevel {
  TDifficulty Difficulty;
  std::string_view Name;
  TDrivingStyle Style;
};

// Easy opponents are slower, brake early and keep close to the way points. Hard ones gain speed
// faster, brake late, cut the bends, and the slowest cars are tuned up to keep with the field.
// The figures come from autopilot races on every track (bench/difficulty_sweep.sh).
constexpr std::array<TLevel, 3> kLevels{{
    {TDifficulty::Easy, "Easy", {0.9, 0.8, -0.3, 150, 0}},
    {TDifficulty::Normal, "Normal", {}},
    {TDifficulty::Hard, "Hard", {1, 1.1, 0.5, 170, 6.5}},
}};

const TLevel& LevelOf(TDifficulty difficulty) {
  return kLevels[size_t(difficulty)];
}

bool SameLetters(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

const TDrivingStyle& DrivingStyleOf(TDifficulty difficulty) {
  return LevelOf(difficulty).Style;
}

std::string_view DifficultyName(TDifficulty difficulty) {
  return LevelOf(difficulty).Name;
}

std::optional<TDifficulty> DifficultyFromName(std::string_view name) {
  for (const TLevel& level : kLevels)
    if (SameLetters(level.Name, name)) return level.Difficulty;
  return std::nullopt;
}

TDifficulty NextDifficulty(TDifficulty difficulty) {
  return kLevels[(size_t(difficulty) + 1) % kLevels.size()].Difficulty;
}

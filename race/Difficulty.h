#pragma once

#include <optional>
#include <string_view>

// How hard the opponents drive. Normal is the game's own opponents; Easy and Hard change only
// how the opponents drive, never the player's car or the rules of the race.
enum class TDifficulty { Easy, Normal, Hard };

// What a level changes in an opponent's driving. Normal's values leave the driver exactly as it is.
struct TDrivingStyle {
  double TopSpeedFactor = 1;      // on the car's own top speed
  double AccelerationFactor = 1;  // on the car's own acceleration
  // Added to the speed above which the driver brakes for a bend: more brakes later, less earlier.
  double BrakeMargin = 0;
  // How near a way point has to be before the driver aims at the next one: farther turns in
  // earlier and cuts the bends.
  double WayPointReach = 160;
  // The least top speed a car is given, so that the slowest cars keep up on the straights.
  double TopSpeedFloor = 0;
};

const TDrivingStyle& DrivingStyleOf(TDifficulty difficulty);

// "Easy", "Normal", "Hard": the level as the options file keeps it and the screens show it.
std::string_view DifficultyName(TDifficulty difficulty);
// The level of a name, whatever its letter case; none for anything else.
std::optional<TDifficulty> DifficultyFromName(std::string_view name);
// The level after this one, back to Easy after Hard: a switch steps through them.
TDifficulty NextDifficulty(TDifficulty difficulty);

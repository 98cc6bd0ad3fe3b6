#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "race/Difficulty.h"
#include "race/RaceTime.h"
#include "race/TrackThemes.h"

class TOmegaSprite;
class TOmegaImageList;
class TPlayer;
class TEnemyCar;

constexpr int kMaxOpponents = 7;
constexpr int kMaxStartSlots = 8;
constexpr int32_t kPlayerResult = 100;  // the player's car in the results table

struct TWayPoint {
  double X = 0, Y = 0;
  int32_t OrderKey = 0;
  int32_t KeyFlag = 0;  // above 0: a key way point the opponents must pass in every lap
};

struct TCheckLineEntry {
  double X = 0, Y = 0;
  int32_t Number = 0;
};

struct TStartSlot {
  double X = 0, Y = 0, Heading = 0;
};

struct TResultRow {
  int32_t Car = 0;  // the opponent's number, or kPlayerResult
  TRaceTime Time;
};

// The running race: the track's tables, the cars, the progress used for ranking and the
// results. The race world (TRaceWorld) holds one; race objects read and write it through their
// TRaceContext.
struct TRaceState {
  // Way points, start slots and track lengths are numbered from 1, as the track files number
  // them; entry 0 is unused.
  std::vector<TWayPoint> WayPoints = std::vector<TWayPoint>(1);
  int WayPointCount = 0;
  int KeyWayPointCount = 0;
  std::vector<TCheckLineEntry> CheckLines;  // numbered from 0 in file order
  int CheckLineCount = 0;
  std::array<TStartSlot, kMaxStartSlots + 1> StartSlots{};
  std::vector<double> TrackLength = std::vector<double>(1);

  // The cars; the sprite engine owns them.
  TPlayer* Player = nullptr;
  std::array<TEnemyCar*, kMaxOpponents> Opponents{};
  int OpponentCount = 0;
  double PlayerProgress = 0;
  std::array<double, kMaxOpponents> OpponentProgress{};

  int RaceLaps = 0;
  std::array<TResultRow, kMaxStartSlots + 1> Results{};  // rows 1..8 by finishing position
  int FinishCounter = 1;
  bool RaceFinished = false;
  bool RaceScreen = false;  // the race screen runs (not the demonstration race behind the menus)
  bool DebugView = false;   // draw the track's debug markers; nothing in the game sets it
  TTrackTheme Theme = TTrackTheme::Meadow;  // the look of the track's ground and scenery
};

// What every race object uses besides its own fields: the race, the sprite engine it lives in,
// the two picture lists, and the few game-wide values a race touches. The race world builds one,
// and every race object is made with it.
struct TRaceContext {
  TRaceState& Race;
  TOmegaSprite& Sprites;
  TOmegaImageList& GameImages;  // "Data\data2.oil": race pictures
  TOmegaImageList& MenuImages;  // "Data\data1.oil": menu pictures (demonstration race)
  std::array<bool, 256>& KeyHeld;
  std::array<bool, 256>& KeyReleased;
  int& StepTicks;
  std::mt19937& Random;
  const TDifficulty& Difficulty;  // how the opponents of the next race drive
};

// A whole number drawn uniformly from low to high, both included.
inline int RandomInt(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "assets/SoundVoice.h"
#include "race/Geometry.h"
#include "race/RaceState.h"

class TOmegaSound3D;
class TSoundListItem;

// What the race's sounds need to know of one car in a frame.
struct TCarHearing {
  int CarIndex = 0;       // in the car catalogue: which engine it has
  double Revs = 0;        // 0 at rest .. 1 at the car's top speed
  bool Throttle = false;  // the accelerator is down
  bool Slid = false;      // the tyres slid (a turn too sharp, the handbrake)
  double Knock = 0;       // speed lost to knocks since the last frame
  TPointD Centre;         // on the screen
};

// The race as the player hears it: the player's car, the opponents and the player's lap.
struct TRaceHearing {
  TCarHearing Player;
  std::vector<TCarHearing> Opponents;
  int Lap = 0;
};

// Takes this frame's facts from the race, the knocks included (they are counted from here on).
// keyHeld tells whether the player revs the engine on the grid.
TRaceHearing HearRace(TRaceState& race, const std::array<bool, 256>& keyHeld);

// The sounds of a race: the player's engine, the engines of the nearest opponents (quieter with
// distance, a few at most), the player's tyres, knocks and the chime of every lap completed.
// The player's car sounds in the middle, an opponent's engine and knocks on its side of the
// screen. Engines and tyres glide with the race; Silence fades everything out.
class TRaceSounds {
 public:
  using TReport = std::function<void(const std::string& message)>;
  static constexpr int kHeardOpponents = 3;
  static constexpr double kHearingDistance = 450;  // pixels: an opponent further away is not heard

  // report tells the player once about a sound file that cannot be read.
  TRaceSounds(TOmegaSound3D& sound, TReport report);

  // Once a frame while the race runs.
  void Hear(const TRaceHearing& hearing);
  void Silence();

 private:
  void Engine(TSoundVoice& voice, const TCarHearing& car, double level, double pan);
  void Opponents(const std::vector<TCarHearing>& cars, TPointD listener);
  void Tyres(const TCarHearing& car);
  void Knocks(const TRaceHearing& hearing);
  void Lap(int lap);
  // The sound of that name, unless it is missing or has failed to load before.
  TSoundListItem* Usable(const std::string& name) const;
  // Runs a voice operation, reporting a sound file that cannot be read.
  void Guard(const std::function<void()>& play);

  TOmegaSound3D& Sound;
  TReport Report;
  TSoundVoice PlayerEngine, TyreVoice, KnockVoice, LapVoice;
  std::array<TSoundVoice, kHeardOpponents> OpponentEngines;
  std::array<int, kHeardOpponents> HeardOpponent;  // opponent number per voice, -1 for none
  double Slide = 0;   // the tyres' squeal, dying away over a few frames after a slide
  int KnockWait = 0;  // frames before the next thump: knocks close together make one
  int LastLap = -1;   // -1: not known yet
};

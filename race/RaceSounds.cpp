#include "race/RaceSounds.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "assets/OmegaSound3D.h"
#include "assets/SoundError.h"
#include "race/EnemyCar.h"
#include "race/Player.h"

namespace {

// Levels of the mix, of full scale: the engines sit under the music, the knocks and chimes above.
constexpr double kEngineIdle = 0.12, kEngineRange = 0.34, kEngineThrottle = 0.08;
constexpr double kOpponentLevel = 0.8;
constexpr double kTyreLevel = 0.35;
constexpr double kLapLevel = 0.5;
// Pitch of an engine: its own at idle, this much higher at top speed.
constexpr double kRevRange = 1.9;
// A throttle blip at rest revs the engine as far as this share of top speed (on the grid).
constexpr double kFreeRevs = 0.3;
// A slide's squeal keeps this share of its level from one frame to the next once it stops.
constexpr double kSlideDecay = 0.8;
// A knock below this loss of speed (pixels a frame) is not heard; knocks closer together than
// kKnockFrames make one thump.
constexpr double kKnockThreshold = 0.25;
constexpr int kKnockFrames = 8;
// An opponent at the edge of the screen, half its width beside the player's car, sounds this far
// to its side (1 would be that speaker alone); the player's own car sounds in the middle.
constexpr double kEdgePan = 0.6;
constexpr double kHalfScreen = 400;

TCarHearing HearCar(TCar& car, bool throttle) {
  const double top = car.TopSpeed > 0 ? car.TopSpeed : 1;
  return {car.CarIndex, std::clamp(std::abs(car.Speed) / top, 0.0, 1.0), throttle, car.Slid, car.TakeKnocks(),
          car.Centre()};
}

// Full level beside the listener, falling to nothing at the edge of hearing.
double DistanceLevel(TPointD listener, TPointD car) {
  const double near = 1 - Distance(listener, car) / TRaceSounds::kHearingDistance;
  return near > 0 ? near * near : 0;
}

// Where between the speakers a car sounds: by how far it is to the left or right of the player's.
double ScreenPan(TPointD listener, TPointD car) {
  return kEdgePan * std::clamp((car.X - listener.X) / kHalfScreen, -1.0, 1.0);
}

}  // namespace

TRaceHearing HearRace(TRaceState& race, const std::array<bool, 256>& keyHeld) {
  TRaceHearing hearing;
  TPlayer& player = *race.Player;
  const bool throttle =
      player.HasControl ? player.CurrentAcceleration > 0 : keyHeld[DrivingKey::Up] && !race.RaceFinished;
  hearing.Player = HearCar(player, throttle);
  hearing.Lap = player.Lap;
  for (int i = 0; i < race.OpponentCount; ++i)
    if (TEnemyCar* car = race.Opponents[size_t(i)])
      hearing.Opponents.push_back(HearCar(*car, car->CurrentAcceleration > 0));
  return hearing;
}

TRaceSounds::TRaceSounds(TOmegaSound3D& sound, TReport report)
    : Sound(sound),
      Report(std::move(report)),
      PlayerEngine(sound),
      TyreVoice(sound),
      KnockVoice(sound),
      LapVoice(sound),
      OpponentEngines{{TSoundVoice(sound), TSoundVoice(sound), TSoundVoice(sound)}} {
  HeardOpponent.fill(-1);
}

void TRaceSounds::Hear(const TRaceHearing& hearing) {
  Engine(PlayerEngine, hearing.Player, 1.0, 0);
  Opponents(hearing.Opponents, hearing.Player.Centre);
  Tyres(hearing.Player);
  Knocks(hearing);
  Lap(hearing.Lap);
}

void TRaceSounds::Silence() {
  for (TSoundVoice* voice : {&PlayerEngine, &TyreVoice, &KnockVoice, &LapVoice}) voice->Silence();
  for (TSoundVoice& voice : OpponentEngines) voice.Silence();
  HeardOpponent.fill(-1);
  Slide = 0;
  LastLap = -1;
}

// The engine's note rises with the revs; the accelerator adds a little pitch and a lot of bark.
void TRaceSounds::Engine(TSoundVoice& voice, const TCarHearing& car, double level, double pan) {
  TSoundListItem* sound = Usable("engine" + std::to_string(car.CarIndex + 1));
  if (!sound || level <= 0) {
    voice.Silence();
    return;
  }
  const double revs = car.Throttle ? std::max(car.Revs, kFreeRevs) : car.Revs;
  const double gain = level * (kEngineIdle + kEngineRange * revs + (car.Throttle ? kEngineThrottle : 0));
  Guard([&] { voice.Loop(*sound, gain, 1 + kRevRange * revs, pan); });
}

// The nearest opponents in hearing get the voices; an opponent keeps its voice while it stays
// among them, so its note never jumps from one voice to another.
void TRaceSounds::Opponents(const std::vector<TCarHearing>& cars, TPointD listener) {
  std::vector<int> nearest;
  for (int i = 0; i < int(cars.size()); ++i)
    if (DistanceLevel(listener, cars[size_t(i)].Centre) > 0) nearest.push_back(i);
  std::sort(nearest.begin(), nearest.end(), [&](int a, int b) {
    return Distance(listener, cars[size_t(a)].Centre) < Distance(listener, cars[size_t(b)].Centre);
  });
  if (nearest.size() > size_t(kHeardOpponents)) nearest.resize(kHeardOpponents);
  for (int& heard : HeardOpponent)
    if (std::find(nearest.begin(), nearest.end(), heard) == nearest.end()) heard = -1;
  for (int car : nearest) {
    if (std::find(HeardOpponent.begin(), HeardOpponent.end(), car) != HeardOpponent.end()) continue;
    *std::find(HeardOpponent.begin(), HeardOpponent.end(), -1) = car;
  }
  for (size_t v = 0; v < OpponentEngines.size(); ++v) {
    const int car = HeardOpponent[v];
    if (car < 0) {
      OpponentEngines[v].Silence();
      continue;
    }
    const TCarHearing& heard = cars[size_t(car)];
    Engine(OpponentEngines[v], heard, kOpponentLevel * DistanceLevel(listener, heard.Centre),
           ScreenPan(listener, heard.Centre));
  }
}

// The tyres squeal while the car slides, louder the faster it goes, and die away after.
void TRaceSounds::Tyres(const TCarHearing& car) {
  Slide = car.Slid ? 1.0 : Slide * kSlideDecay;
  const double gain = kTyreLevel * Slide * std::min(1.0, car.Revs * 3);
  TSoundListItem* sound = Usable("skid");
  if (!sound || gain < 0.01) {
    TyreVoice.Silence();
    return;
  }
  Guard([&] { TyreVoice.Loop(*sound, gain, 0.9 + 0.2 * car.Revs); });
}

// The hardest knock of the frame, the player's own or an opponent's within hearing, as loud as
// the speed it cost and from the side of the car that took it.
void TRaceSounds::Knocks(const TRaceHearing& hearing) {
  const TPointD listener = hearing.Player.Centre;
  double knock = hearing.Player.Knock, pan = 0;
  for (const TCarHearing& car : hearing.Opponents) {
    const double heard = car.Knock * DistanceLevel(listener, car.Centre);
    if (heard <= knock) continue;
    knock = heard;
    pan = ScreenPan(listener, car.Centre);
  }
  if (KnockWait > 0) --KnockWait;
  TSoundListItem* sound = Usable("crash");
  if (!sound || knock < kKnockThreshold || KnockWait > 0) return;
  KnockWait = kKnockFrames;
  Guard([&] { KnockVoice.PlayOnce(*sound, std::clamp(0.25 + knock / 4, 0.25, 1.0), pan); });
}

// A chime each time the player completes a lap (the first crossing only starts the first lap).
void TRaceSounds::Lap(int lap) {
  const bool completed = LastLap >= 0 && lap > LastLap && lap >= 2;
  LastLap = lap;
  TSoundListItem* sound = Usable("lap");
  if (completed && sound) Guard([&] { LapVoice.PlayOnce(*sound, kLapLevel); });
}

TSoundListItem* TRaceSounds::Usable(const std::string& name) const {
  TSoundListItem* sound = Sound.SoundList.Find(name);
  return sound && !sound->LoadFailed() ? sound : nullptr;
}

void TRaceSounds::Guard(const std::function<void()>& play) {
  try {
    play();
  } catch (const ESoundError& error) {
    Report(error.what());
  }
}

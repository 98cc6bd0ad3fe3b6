#pragma once

#include "race/Car.h"
#include "race/Geometry.h"
#include "race/RaceTime.h"

// Virtual-key codes of the driving keys.
namespace DrivingKey {
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Control = 0x11;
}  // namespace DrivingKey

// The player's car: stays where the race set-up put it and moves the world under it instead.
// Driven by the key tables while it has control.
class TPlayer : public TCar {
 public:
  TPlayer(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading,
          const std::string& name, int carIndex, double centreY, double centreX);

  void DoMove(float moveCount) override;

  bool HasControl = false;  // the race start gives it, the finish takes it
  bool Ranking = true;      // Position is worked out each frame until the finish
  bool LapTimerRunning = false;
  TRaceTime LapTime;
  TRaceTime BestLap{0, 0, 1000};  // 1000 minutes: no best lap yet
  int NextCheckLine = 0;
  TPointD TargetPoint;  // centre of the next check line, for the radar
  TPointD NearestWayPoint, FollowingWayPoint;
  int Position = 1;
  int FinishPosition = 0;
  TPointD WorldShift;     // this frame's movement of the world
  TPointD CollisionPush;  // extra movement of the world from car contacts; lasts one frame

  // What every object on the track adds to its position this frame.
  TPointD FrameShift() const { return {WorldShift.X + CollisionPush.X, WorldShift.Y + CollisionPush.Y}; }

 private:
  void ApplyKeys();
  void TakeReleases();
  void MeasureProgress();
  void TouchOpponents();
  void RespondToContact(const TCar& other);
};

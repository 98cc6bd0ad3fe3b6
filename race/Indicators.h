#pragma once

#include <string>

#include "engine/OmegaSprite.h"
#include "race/Geometry.h"
#include "race/RaceState.h"

// The small sprites around the cars: surface probes, skid smoke, invisible pointers and the
// dashboard. Constructors take the engine, the race context, then their own arguments with y
// before x, as the game passes them.

// Binds the named picture of `pictures` and takes its tile size (a missing picture leaves the
// sprite at its default size, drawing nothing).
void TakePicture(TSprite& sprite, TOmegaImageList& pictures, const std::string& name);
// Puts the sprite's centre on (centreX, centreY).
void PlaceCentred(TSprite& sprite, double centreY, double centreX);
// Adds the player's frame displacement (world shift and collision push) to the position: what
// every object lying on the track does each frame.
void MoveWithWorld(TSprite& sprite, const TRaceState& race);
// The picture list a car's sprites come from: the menu's for the demonstration race.
TOmegaImageList& CarPictures(TRaceContext& context, bool menuVariant);

// Whether a point lies on the road: inside the rectangle (position and size, rotation ignored)
// of any road piece or paint among the engine's sprites.
bool OnRoadSurface(const TOmegaSprite& engine, TPointD point);

// A surface probe of a car: on the road while its position (top-left corner) lies on a road
// piece or a paint. The car places it every frame.
class TGroundPoint : public TSprite {
 public:
  TGroundPoint(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double angleOffset,
               double centreY, double centreX);
  void DoMove(float moveCount) override;

  double AngleOffset;  // +90 ahead of the car, -90 behind it
  bool OnRoad = false;

 private:
  TRaceContext& Context;
};

// A puff of skid smoke: fades through its five patterns, three frames each, then goes.
class TDim : public TSprite {
 public:
  TDim(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double centreY, double centreX);
  void DoMove(float moveCount) override;

 private:
  TRaceContext& Context;
  int Frames = 0;
};

// An invisible pointer (kind 0 heading, 1 direction, 2 bearing) whose owner places it and sets
// its angle; the driver reads its angles back.
class TArrow : public TSprite {
 public:
  TArrow(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, int kind, double y, double x);
};

// The dashboard plates: kind 0 the speedometer (showing reverse as pattern 1), kind 1 the
// radar, kind 2 the information panel.
class TPanel : public TSprite {
 public:
  TPanel(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x);
  void DoMove(float moveCount) override;

 private:
  TRaceContext& Context;
  int Kind;
};

// The speedometer's needle: deflects with the player's speed, in reverse to the same side.
class TSpeedArrow : public TSprite {
 public:
  // The needle pivots about the point (x, y).
  TSpeedArrow(TOmegaSprite& engine, TRaceContext& context, double topSpeed, double reverseTopSpeed, double y,
              double x);
  void DoMove(float moveCount) override;

  // The needle's angle for a speed: -495 at rest, -298 at either top speed.
  static double NeedleAngle(double speed, double topSpeed, double reverseTopSpeed);

 private:
  TRaceContext& Context;
  double TopSpeed, ReverseTopSpeed;
};

// The radar's pointer: aims from the player's car at the next check line.
class TRadarArrow : public TSprite {
 public:
  TRadarArrow(TOmegaSprite& engine, TRaceContext& context, double centreY, double centreX);
  void DoMove(float moveCount) override;

  // The pointer's angle for the car's centre and the target point.
  static double PointerAngle(TPointD car, TPointD target);

 private:
  TRaceContext& Context;
};

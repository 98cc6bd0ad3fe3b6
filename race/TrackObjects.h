#pragma once

#include <array>
#include <string>

#include "engine/OmegaSprite.h"
#include "race/DiagonalRoads.h"
#include "race/Geometry.h"
#include "race/RaceState.h"

class TCar;

// Everything the track file lays out: it moves with the world and ScrollWorld moves it.
class TTrackSprite : public TSprite {
 public:
  TTrackSprite(TOmegaSprite& engine, TRaceContext& context) : TSprite(engine), Context(context) {}
  // Whether a car's ground point on this sprite's rectangle is on the road.
  virtual bool IsRoadSurface() const { return false; }

 protected:
  TRaceContext& Context;
};

// Whether the sprite is a road piece or a road paint: the surfaces a car drives at full grip on.
bool IsRoadSurface(const TSprite& sprite);

// A piece of road of road kind 1 .. 14, its top-left corner at (x, y). Kinds 3 .. 10 are
// invisible 10 x 10 pieces.
class TRoadPart : public TTrackSprite {
 public:
  TRoadPart(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x);
  void DoMove(float moveCount) override;
  bool IsRoadSurface() const override { return true; }
};

// Paint on the ground, centred on (x, y): the start-finish marking, flowers, patterns. Kinds 0 .. 6.
class TRoadPaint : public TTrackSprite {
 public:
  TRoadPaint(TOmegaSprite& engine, TRaceContext& context, int kind, double angle, double y, double x);
  void DoMove(float moveCount) override;
  bool IsRoadSurface() const override { return true; }
};

// One straight piece of a diagonal road across a step of a staircase of bends: only drawn, over the
// bends, which stay the road under it.
class TDiagonalRoad : public TTrackSprite {
 public:
  TDiagonalRoad(TOmegaSprite& engine, TRaceContext& context, const TDiagonalPiece& piece);
  void DoMove(float moveCount) override;
};

// How a car bounces off an obstacle: the push (away from the obstacle's centre for the
// player's world, towards it for an opponent's sprite, which moves by its negative), the turn
// added to direction and heading, and the factor on the speed.
struct TObstacleResponse {
  TPointD Push;
  double Turn = 0;
  double SpeedFactor = 1;
};
TObstacleResponse ObstacleResponse(double speed, double direction, TPointD carCentre, TPointD obstacleCentre);

// A solid thing beside the road, centred on (x, y): trees, firs, a house, rocks, an arch and
// walls (kinds 1 .. 11; others an invisible 10 x 10 block). Cars that touch it bounce off;
// opponents see it with their side eyes.
class TRoadRock : public TTrackSprite {
 public:
  TRoadRock(TOmegaSprite& engine, TRaceContext& context, int rockKind, double y, double x);
  void DoMove(float moveCount) override;

  int RockKind;
  TQuadPoints Outline{};
  std::array<double, 4> OutlineAngles;
  std::array<bool, kMaxOpponents + 1> Touching{};  // per opponent number, the last for the player

  void UpdateOutline();
  // Pushes, turns and slows a car that touches this obstacle.
  void Respond(TCar& car, bool isPlayer);

 private:
  bool IsWall() const { return RockKind == 10 || RockKind == 11; }
  // The point a car at `car` is pushed away from.
  TPointD PushCentre(TPointD car) const;
  bool TopLeftOnScreen() const;
  void TouchOpponents();
  void TouchPlayer();
  void BlockEyes();
};

// The scrolling ground of the whole screen: one picture drawn as tiles from a position that
// wraps within one tile.
class TBackgroundAbstract : public TTrackSprite {
 public:
  // With `centred` the picture's centre lies at (400, 300); otherwise its top-left at (x, y).
  TBackgroundAbstract(TOmegaSprite& engine, TRaceContext& context, TOmegaImageList& pictures,
                      const std::string& pictureName, int z, bool centred, int alpha, double y, double x);
  void DoDraw() override;

  int Columns = 1, Rows = 1;

  // Brings the position back within one tile left of and above the screen's corner.
  void WrapPosition();
};

// The race's grass.
class TBackground : public TBackgroundAbstract {
 public:
  TBackground(TOmegaSprite& engine, TRaceContext& context);
  void DoMove(float moveCount) override;
};

#pragma once

#include <array>
#include <string>
#include <utility>

#include "engine/OmegaSprite.h"
#include "race/CarMotion.h"
#include "race/Geometry.h"
#include "race/RaceState.h"
#include "race/RaceTime.h"

class TGroundPoint;
class TArrow;

// Whether two quadrilaterals lie close enough for QuadsOverlap to find them overlapping: their
// bounding boxes, grown by a fiftieth of their size (the angle-sum test also takes points a hair
// outside a side), meet. A cheap test that spares the arc cosines for cars far apart.
bool QuadsMayOverlap(const TQuadPoints& a, const TQuadPoints& b);
// QuadsOverlap behind that cheap test.
inline bool CarsOverlap(const TQuadPoints& a, const TQuadPoints& b) {
  return QuadsMayOverlap(a, b) && QuadsOverlap(a, b);
}

// Every car of a race: a sprite that moves by the car motion. The player's car and the
// opponents derive from it and give it its per-frame move.
//
// The sprite's angle is always Heading - 90: a car picture points down at angle 0 (heading 90),
// while heading 0 points along +x.
class TCar : public TSprite, public TCarMotion {
 public:
  // Places the car's picture centred on (centreX, centreY). Menu-variant cars (the
  // demonstration race behind the menus) take their pictures from the menu list.
  TCar(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading, const std::string& name,
       int carIndex, double centreY, double centreX);

  int CarIndex;
  bool MenuVariant;
  TQuadPoints CornerPoints;  // the outline every overlap test uses
  std::array<double, 4> CornerAngles;
  double CornerRadius;
  double SmokeRadius;
  std::array<double, 2> SmokeAngles;
  // Observed: the sprite engine owns them; killing the car kills them too.
  std::array<TGroundPoint*, 2> GroundPoints;  // 20 pixels ahead of and behind the centre
  std::array<TArrow*, 2> Indicators;          // angles Heading and Direction (opponents)
  TRaceTime RaceTime;
  int Lap = 0;
  double LapProgress = 0;
  bool FinishArmed = true;  // the next finish-line crossing may count
  // Car-to-car contact per opponent number, this frame and before.
  std::array<bool, kMaxOpponents + 2> Contact{}, ContactBefore{};

  // Speed lost to obstacles and other cars, summed until the race's sounds take it for a thump.
  void Knock(double speedLost) { Knocks += speedLost; }
  double TakeKnocks() { return std::exchange(Knocks, 0.0); }

  // The driving operations, showing the wheels turned (pattern 1 left, 2 right).
  void SteerLeft();
  void SteerRight();

  // Recomputes the corner points from the sprite's position and angle and moves the ground
  // points; once per frame after the car has moved.
  void UpdateCornerPoints();
  TPointD Centre() const;
  TPointD Velocity() const;
  // Whether either ground point lies on the road.
  bool OnRoad() const;

  void Kill() override;

  // The car picture of a catalogue car: race list "car2", "car3", "car1", "car4", "car5"; menu
  // list "car1" ... "car5".
  static std::string PictureName(int carIndex, bool menuVariant);

 protected:
  TRaceContext& Context;

  // The end of every car's frame after the speed gain: drag, smoke, sprite angle, the
  // direction following the heading, the end of the skid.
  void FinishMotion();
  // The push of a car contact: along the unit vector from `from` to `to`, each axis scaled up
  // by how much `mover` travels along it (twice the unit vector at most, once at rest).
  static TPointD ContactPush(TPointD from, TPointD to, const TCar& mover);
  // Turns by 1.5 degrees towards the side the two cars' velocities cross to.
  void TurnFromContact(const TCar& other);

 private:
  void MakeSmoke();

  double Knocks = 0;
};

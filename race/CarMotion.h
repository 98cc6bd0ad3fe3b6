#pragma once

// How a car moves, as plain numbers: speed, heading, direction of travel and the driving
// operations that the player's keys and the opponents' driver share. The car sprite (TCar)
// carries one of these; keeping it apart from the sprite lets the motion be stepped and checked
// on its own.
//
// Headings and directions are degrees, growing clockwise on the screen; speeds are pixels per
// frame; accelerations pixels per frame per frame.
struct TCarMotion {
  // From the car catalogue.
  double Steering = 0;  // degrees of heading change per frame of steering
  double Grip = 0;      // how fast the direction of travel follows the heading
  double TopSpeed = 0;
  double Acceleration = 0;

  // The same for every car.
  double SlideSteerFactor = 0.5;
  double CoastDeceleration = 0.011;
  double ReverseTopSpeed = -2.0;
  double BrakeDeceleration = 0.025;
  double Drag = 0.005;
  double SkidDrag = 0.008;

  double Speed = 0;  // along Direction; negative when reversing
  double CurrentAcceleration = 0;
  double Heading = 0;    // where the car points
  double Direction = 0;  // where the car travels; lags behind Heading when steering
  bool Skidding = false;
  bool Slid = false;           // the car skidded in the frame it last moved (the sound of its tyres reads it)
  double SurfaceFactor = 1.0;  // 1.0 on the road, 0.3 off it
  int SmokeCounter = 0;        // frames counted while skidding fast

  static constexpr double kOnRoad = 1.0;
  static constexpr double kOffRoad = 0.3;
  // Braking from above this share of the top speed locks the tyres.
  static constexpr double kHardBrakingShare = 0.7;

  // Copies the driving values of catalogue car `carIndex` and sets the common constants.
  void LoadParameters(int carIndex);

  void Accelerate();
  void BrakeOrReverse();
  // Left needs a forward speed above 0.2 (or any reverse speed); right any forward speed above
  // 0. The two are not mirror images: the game measures their gaps as written.
  void SteerLeft();
  void SteerRight();
  // Turns the heading by `turn` degrees. The direction of travel follows once the heading has
  // pulled away from it towards `side` (-1 the left key's, 1 the right key's, whichever way the
  // car rolls): by the whole turn beyond 70 degrees, by a slide of part of it beyond 25.
  void Turn(double turn, double side);

  // Without control: no acceleration, the car rolls out.
  void Coast();
  // The speed gained this frame from the current acceleration, scaled by `factor`.
  void Gain(double factor) { Speed += CurrentAcceleration * factor; }
  void ApplyDrag();
  // Counts a frame of fast skidding; true in the frames that leave smoke (every fifth).
  bool SmokeDue();
  // The direction of travel catches up with the heading unless the car skids.
  void FollowHeading();
  // A skid lasts only for the frame in which a turn or the handbrake set it.
  void EndSkid();
  // The brake pedal is down while the car still runs forwards near its top speed: the tyres lock
  // and scrub the road.
  bool BrakingHard() const {
    return CurrentAcceleration <= -BrakeDeceleration && Speed > kHardBrakingShare * TopSpeed;
  }
};

#include "race/CarMotion.h"

#include <cmath>

#include "race/GameConstants.h"

void TCarMotion::LoadParameters(int carIndex) {
  const TCarType& car = kCarCatalogue.at(carIndex);
  Steering = car.Steering;
  Grip = car.Grip;
  TopSpeed = car.TopSpeed;
  Acceleration = car.Acceleration;
  SlideSteerFactor = 0.5;
  CoastDeceleration = 0.011;
  ReverseTopSpeed = -2.0;
  BrakeDeceleration = 0.025;
  Drag = 0.005;
  SkidDrag = 0.008;
}

void TCarMotion::Accelerate() {
  if (Speed < TopSpeed) CurrentAcceleration = Acceleration;
  if (Speed > TopSpeed) Speed = TopSpeed;
}

void TCarMotion::BrakeOrReverse() {
  if (Speed > ReverseTopSpeed) CurrentAcceleration = -BrakeDeceleration;
  if (Speed < ReverseTopSpeed) Speed = ReverseTopSpeed;
}

void TCarMotion::SteerLeft() {
  if (Speed >= 0 && Speed <= 0.2) return;
  Turn(Speed >= 0 ? -Steering : Steering, -1);
}

void TCarMotion::SteerRight() {
  Turn(Speed > 0 ? Steering : -Steering, 1);
}

void TCarMotion::Turn(double turn, double side) {
  Heading += turn;
  const double gap = side * (Heading - Direction);
  if (gap > 70) {
    Direction += turn;
  } else if (gap > 25) {
    Direction += turn * SlideSteerFactor;
    Skidding = true;
  }
}

void TCarMotion::Coast() {
  CurrentAcceleration = 0;
  if (Speed > CoastDeceleration) {
    Speed -= CoastDeceleration;
  } else if (Speed < -CoastDeceleration) {
    Speed += CoastDeceleration;
  }
}

void TCarMotion::ApplyDrag() {
  if (Speed == 0) return;
  Speed -= Speed * Drag;
  if (Skidding) {
    const double slowed = Speed - Speed * SkidDrag;
    // Skidding while reversing stops the car.
    Speed = slowed > 0 ? slowed : 0;
  }
}

bool TCarMotion::SmokeDue() {
  if (!Skidding || Speed <= 2) return false;
  const bool due = SmokeCounter % 5 == 0;
  if (due) SmokeCounter = 0;
  ++SmokeCounter;
  return due;
}

void TCarMotion::FollowHeading() {
  if (Skidding) return;
  const double step = std::abs(Direction - Heading) > 5 ? Steering * Grip : 1.1;
  // The step may overshoot; the next frames bring the direction back.
  if (Direction < Heading) {
    Direction += step;
  } else if (Direction > Heading) {
    Direction -= step;
  }
}

void TCarMotion::EndSkid() {
  Slid = Skidding;
  // Cleared unless the speed is exactly 0.1 and the heading still runs ahead: as the game has it.
  if (Speed != 0.1 || std::abs(Heading - Direction) < 0.1) Skidding = false;
}

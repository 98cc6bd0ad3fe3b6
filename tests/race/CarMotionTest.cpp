#include <gtest/gtest.h>

#include "CarFixture.h"
#include "race/CarMotion.h"
#include "race/GameConstants.h"

namespace {

TCarMotion Car(int carIndex, double speed) {
  TCarMotion car;
  car.LoadParameters(carIndex);
  car.Speed = speed;
  return car;
}

// Left needs more than 0.2 forwards, right anything above 0; reversing turns the other way.
TEST(CarMotionTest, SteeringThresholdsAreNotMirrorImages) {
  struct TCase {
    double Speed;
    double LeftTurn, RightTurn;  // heading change in units of Steering
  };
  const TCase cases[] = {{0, 0, -1}, {0.1, 0, 1}, {0.2, 0, 1}, {0.25, -1, 1}, {-0.5, 1, -1}};
  for (const TCase& c : cases) {
    TCarMotion left = Car(0, c.Speed), right = Car(0, c.Speed);
    left.SteerLeft();
    right.SteerRight();
    EXPECT_DOUBLE_EQ(left.Heading, c.LeftTurn * left.Steering) << "left at " << c.Speed;
    EXPECT_DOUBLE_EQ(right.Heading, c.RightTurn * right.Steering) << "right at " << c.Speed;
  }
}

// The gap between heading and direction is measured after the heading turned, on the side of
// the key: beyond 70 degrees the direction follows the whole turn, beyond 25 half of it in a
// slide. Reversing, the heading turns the other way, and so does the direction. The left key
// is checked as the mirror image of the right one.
TEST(CarMotionTest, AHeadingFarAheadOfTheDirectionSlides) {
  struct TCase {
    double Speed;
    double Gap;              // how far the heading is ahead of the direction before the turn
    double DirectionChange;  // in units of Steering, for the right key
    bool Skids;
  };
  const TCase cases[] = {{5, 0, 0, false},  {5, 22, 0, false},  {5, 24, 0.5, true},   {5, 69, 1, false},
                         {5, 80, 1, false}, {-1, 26, 0, false}, {-1, 30, -0.5, true}, {-1, 80, -1, false}};
  for (const TCase& c : cases) {
    TCarMotion right = Car(0, c.Speed), left = Car(0, c.Speed);
    right.Heading = c.Gap;
    left.Heading = -c.Gap;
    right.SteerRight();
    left.SteerLeft();
    EXPECT_DOUBLE_EQ(right.Direction, c.DirectionChange * right.Steering) << c.Speed << " " << c.Gap;
    EXPECT_DOUBLE_EQ(left.Direction, -c.DirectionChange * left.Steering) << c.Speed << " " << c.Gap;
    EXPECT_EQ(right.Skidding, c.Skids) << c.Speed << " " << c.Gap;
    EXPECT_EQ(left.Skidding, c.Skids) << c.Speed << " " << c.Gap;
  }
}

TEST(CarMotionTest, AcceleratorAndBrakeClampAtTheirTopSpeeds) {
  TCarMotion car = Car(1, 7);
  car.Accelerate();
  EXPECT_DOUBLE_EQ(car.Speed, car.TopSpeed);
  car.Speed = -2.5;
  car.BrakeOrReverse();
  EXPECT_DOUBLE_EQ(car.Speed, -2.0);
}

TEST(CarMotionTest, SmokeEveryFifthSkiddingFrameAboveSpeedTwo) {
  TCarMotion car = Car(0, 5);
  std::string puffs;
  for (int frame = 0; frame < 12; ++frame) {
    car.Skidding = true;
    puffs += car.SmokeDue() ? 'x' : '.';
  }
  EXPECT_EQ(puffs, "x....x....x.");
  TCarMotion slow = Car(0, 2);
  slow.Skidding = true;
  EXPECT_FALSE(slow.SmokeDue());
}

TEST(CarMotionTest, SkiddingInReverseStopsTheCar) {
  TCarMotion car = Car(0, -1.5);
  car.Skidding = true;
  car.ApplyDrag();
  EXPECT_EQ(car.Speed, 0);
}

TEST(CarMotionTest, DirectionFollowsHeadingInBigStepsThenSmallOnes) {
  TCarMotion car = Car(2, 5);
  car.Heading = 10;
  car.FollowHeading();
  EXPECT_DOUBLE_EQ(car.Direction, car.Steering * car.Grip);
  car.Direction = 7;
  car.FollowHeading();
  EXPECT_DOUBLE_EQ(car.Direction, 8.1);
  car.Skidding = true;
  car.FollowHeading();
  EXPECT_DOUBLE_EQ(car.Direction, 8.1);
}

class PlayerMotionTest : public CarFixture {
 protected:
  // The speed gained in one frame of accelerator from rest, once the ground points have looked.
  double FirstFrameGain(TPlayer& player) {
    player.HasControl = false;
    player.Speed = 0;
    Frame();
    player.HasControl = true;
    KeyHeld[DrivingKey::Up] = true;
    Frame();
    KeyHeld[DrivingKey::Up] = false;
    return player.Speed;
  }
};

TEST_F(PlayerMotionTest, OffTheRoadTheAcceleratorGainsThirtyPercent) {
  TPlayer& player = MakePlayer(1);
  const double offRoad = FirstFrameGain(player);
  LayRoad();
  const double onRoad = FirstFrameGain(player);
  EXPECT_DOUBLE_EQ(onRoad, player.Acceleration * (1 - player.Drag));
  EXPECT_DOUBLE_EQ(offRoad, 0.3 * onRoad);
}

// Every car: the accelerator brings the speed up to the top speed (or to where drag balances
// it), and a frame never ends more than one frame's gain above the top speed.
TEST_F(PlayerMotionTest, HoldingUpApproachesButNeverStaysAboveTopSpeed) {
  for (int carIndex = 0; carIndex < kCarCount; ++carIndex) {
    TRoadPart& road = LayRoad();
    TPlayer& player = MakePlayer(carIndex);
    Frame();
    player.HasControl = true;
    KeyHeld[DrivingKey::Up] = true;
    double highest = 0;
    for (int frame = 0; frame < 3000; ++frame) {
      Frame();
      highest = std::max(highest, player.Speed);
    }
    const double bound = (player.TopSpeed + player.Acceleration) * (1 - player.Drag);
    const double balance = player.Acceleration * (1 - player.Drag) / player.Drag;
    EXPECT_LE(highest, bound + 1e-9) << carIndex;
    EXPECT_GT(player.Speed, 0.99 * std::min(player.TopSpeed, balance)) << carIndex;
    // The next frame's accelerator pulls it back to the top speed before gaining again.
    if (player.Speed > player.TopSpeed) {
      player.Accelerate();
      EXPECT_DOUBLE_EQ(player.Speed, player.TopSpeed);
    }
    player.Kill();
    road.Kill();
    Race.Player = nullptr;
    KeyHeld.fill(false);
  }
}

TEST_F(PlayerMotionTest, BrakingAtRestReversesDownToMinusTwo) {
  LayRoad();
  TPlayer& player = MakePlayer(0);
  Frame();
  player.HasControl = true;
  KeyHeld[DrivingKey::Down] = true;
  double lowest = 0;
  for (int frame = 0; frame < 300; ++frame) {
    Frame();
    lowest = std::min(lowest, player.Speed);
  }
  EXPECT_GE(lowest, (-2.0 - player.BrakeDeceleration) * (1 - player.Drag) - 1e-9);
  EXPECT_LT(player.Speed, -1.99);
  // Reversing at heading 0 moves the world to the right.
  EXPECT_GT(player.WorldShift.X, 1.9);
}

TEST_F(PlayerMotionTest, SteeringAtRestDoesNothing) {
  for (double speed : {0.0, 0.1, -0.1}) {
    for (int key : {DrivingKey::Left, DrivingKey::Right}) {
      TPlayer& player = MakePlayer(0, 30);
      player.HasControl = true;
      player.Speed = speed;
      KeyHeld[key] = true;
      Frame();
      EXPECT_EQ(player.Heading, 30) << speed << " key " << key;
      EXPECT_EQ(player.PatternIndex(), 0) << speed << " key " << key;
      KeyHeld[key] = false;
      player.Kill();
    }
  }
}

// Heading 30 degrees ahead of the direction: the turn slides instead of gripping.
TEST_F(PlayerMotionTest, ASharpTurnSkids) {
  LayRoad();
  TPlayer& player = MakePlayer(0, 40);
  Frame();
  player.HasControl = true;
  player.Speed = 1.5;
  player.Direction = 10;
  KeyHeld[DrivingKey::Right] = true;
  Frame();
  // Extra drag, and the direction only slid: it did not follow the heading.
  EXPECT_DOUBLE_EQ(player.Speed, 1.5 * (1 - player.Drag) * (1 - player.SkidDrag));
  EXPECT_DOUBLE_EQ(player.Direction, 10 + player.Steering * player.SlideSteerFactor);
  EXPECT_EQ(player.PatternIndex(), 2);
  // The skid ends with the frame; below speed 2 it leaves no smoke.
  EXPECT_FALSE(player.Skidding);
  Frames(6);
  EXPECT_EQ(CountSmoke(), 0);
}

// Above speed 2 the skid smokes: two puffs at once, then two more on every fifth skidding frame.
// The puffs enter the sprite list before the car (they are drawn under it), yet the car still
// moves once a frame.
TEST_F(PlayerMotionTest, AFastSkidSmokesInPairsEveryFifthFrame) {
  LayRoad();
  TPlayer& player = MakePlayer(0, 40);
  Frame();
  player.HasControl = true;
  player.Speed = 6;
  player.Direction = 10;
  KeyHeld[DrivingKey::Right] = true;
  Frame();
  EXPECT_EQ(CountSmoke(), 2);
  EXPECT_DOUBLE_EQ(player.Speed, 6 * (1 - player.Drag) * (1 - player.SkidDrag));
  Frames(4);
  EXPECT_EQ(CountSmoke(), 2);
  Frame();
  EXPECT_EQ(CountSmoke(), 4);
}

}  // namespace

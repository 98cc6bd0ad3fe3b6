#include <gtest/gtest.h>

#include "CarFixture.h"
#include "race/Driver.h"
#include "race/Indicators.h"

namespace {

TEST(DriverTest, BrakesAboveTwoPlusCosineOfALargeBearingDifference) {
  struct TCase {
    double Heading, Bearing, Speed;
    bool Brakes;
  };
  const TCase cases[] = {
      {0, 90, 2.01, true},     {0, 90, 1.99, false},   // cos 90 = 0: faster than 2
      {0, 180, 1.01, true},    {0, 180, 0.99, false},  // cos 180 = -1: faster than 1
      {0, 30, 2.8, false},     {0, 30, 2.9, true},     // cos 30 = 0.866
      {0, 20, 9, false},                               // 20 degrees is not more than 20
      {0, 350, 9, false},      {-10, 355, 9, false},   // close across the full turn
      {720.4, 90, 2.01, true},                         // whole turns of the heading count for nothing
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ShouldBrake(c.Heading, c.Bearing, c.Speed), c.Brakes)
        << c.Heading << " " << c.Bearing << " " << c.Speed;
  }
}

TEST(DriverTest, SteersTowardsTheSideTheTargetLiesOn) {
  struct TCase {
    double Heading;
    TPointD Target;
    TSteer Steer;
  };
  const TCase cases[] = {{0, {100, 50}, TSteer::Right},   {0, {100, -50}, TSteer::Left},
                         {90, {-50, 100}, TSteer::Right}, {-90, {50, -100}, TSteer::Right},
                         {0, {100, 0}, TSteer::None},     {0, {-100, 0.5}, TSteer::None}};
  for (const TCase& c : cases) {
    EXPECT_EQ(SteeringDecision(c.Heading, UnitVector({0, 0}, c.Target)), c.Steer)
        << c.Heading << " " << c.Target.X << "," << c.Target.Y;
  }
}

TEST(DriverTest, BearingPointsAtTheTarget) {
  const TPointD car{100, 100};
  struct TCase {
    TPointD Target;
    double Bearing;
  };
  const TCase cases[] = {{{200, 100}, 0}, {{100, 200}, 90}, {{0, 200}, 135}, {{0, 0}, -135}, {{100, 0}, -90}};
  for (const TCase& c : cases) {
    EXPECT_NEAR(Bearing(c.Target, car, UnitVector(car, c.Target), 7), c.Bearing, 1e-9);
  }
  EXPECT_EQ(Bearing(car, car, UnitVector(car, car), 7), 7);  // on the target: kept
}

class EnemyCarTest : public CarFixture {
 protected:
  // An opponent of car type 2 on the road, heading along +x, centred at (400, 300).
  TEnemyCar& Racer() {
    LayRoad();
    TEnemyCar& car = MakeOpponent(2, 0, 400, 300);
    Frame();  // the ground points look at the road
    car.Racing = true;
    return car;
  }
};

TEST_F(EnemyCarTest, AcceleratesOnePointTwoTimesAsStronglyAsThePlayer) {
  AddWayPoint(1400, 300);
  TEnemyCar& car = Racer();
  Frame();
  EXPECT_DOUBLE_EQ(car.Speed, 1.2 * car.Acceleration * (1 - car.Drag));
  // Behind the menus every car drives on half grip.
  Race.RaceScreen = false;
  car.Speed = 0;
  Frame();
  EXPECT_DOUBLE_EQ(car.Speed, 0.5 * 1.2 * car.Acceleration * (1 - car.Drag));
}

TEST_F(EnemyCarTest, ALevelTargetSkipsSteeringButAdvancesAndDecides) {
  AddWayPoint(450, 300.4);
  AddWayPoint(450, 900);
  TEnemyCar& car = Racer();
  car.Heading = car.Direction = 30;  // would steer left towards a target that is not level
  Frame();
  EXPECT_EQ(car.Heading, 30);
  EXPECT_EQ(car.TargetWayPoint, 2);
  EXPECT_EQ(car.CurrentAcceleration, car.Acceleration);
  // The next target is not level: now it steers (right, towards +y from heading 30).
  Frame();
  EXPECT_GT(car.Heading, 30);
}

TEST_F(EnemyCarTest, KeyFlagsOfReachedWayPoints) {
  struct TCase {
    int KeyFlag;
    bool Arms;
    bool Passes;
  };
  const TCase cases[] = {{0, false, false}, {1, false, false}, {2, false, true}, {3, true, true}};
  for (const TCase& c : cases) {
    TTestRace::Race = TRaceState{};
    Race.RaceScreen = true;
    AddWayPoint(450, 300.4);
    AddWayPoint(450, 900, c.KeyFlag);
    AddWayPoint(450, 950, 2);
    AddWayPoint(450, 990, 3);  // four key flags: KeyPassed reaches 3
    TEnemyCar& car = Racer();
    car.FinishArmed = false;
    car.KeyPassed.assign(car.KeyPassed.size(), false);
    Frame();
    EXPECT_EQ(car.FinishArmed, c.Arms) << c.KeyFlag;
    const bool passed = c.KeyFlag >= 2 && car.KeyPassed[c.KeyFlag];
    EXPECT_EQ(passed, c.Passes) << c.KeyFlag;
    EXPECT_EQ(std::count(car.KeyPassed.begin(), car.KeyPassed.end(), true), c.Passes ? 1 : 0) << c.KeyFlag;
    car.Kill();
  }
}

// A car that makes no headway (here its engine will not pull) drives as always for a second and a
// half of race time; then it reverses for a second and aims at the way point ahead of it.
TEST_F(EnemyCarTest, ACarWithoutHeadwayForASecondAndAHalfBacksOff) {
  AddWayPoint(200, 300);
  AddWayPoint(700, 300, 2);
  AddWayPoint(1400, 300, 3);
  TEnemyCar& car = Racer();
  car.TargetWayPoint = 3;
  car.TopSpeed = 0;
  auto ticks = [&](int count) {
    double slowest = car.Speed;
    for (int tick = 0; tick < count; ++tick) {
      RaceFrame();
      slowest = std::min(slowest, car.Speed);
    }
    return slowest;
  };
  EXPECT_GE(ticks(TStuckWatch::kPatience - 2), 0);
  EXPECT_EQ(car.TargetWayPoint, 3);
  EXPECT_LT(ticks(100), 0);
  // Way point 2 is the nearest, and the car has not reached it yet.
  EXPECT_EQ(car.TargetWayPoint, 2);
}

// Aiming ahead past way points it has left out, the car takes their key flags with it; standing
// within reach of the way point ahead (way point 3), it passes that one too while it backs off.
TEST_F(EnemyCarTest, AimingAheadPassesTheKeyFlagsOnTheWay) {
  AddWayPoint(-2000, 300);
  AddWayPoint(-1000, 300, 2);
  AddWayPoint(440, 300, 3);
  AddWayPoint(1400, 300);
  AddWayPoint(1400, 2000);
  AddWayPoint(-2000, 2000);
  TEnemyCar& car = Racer();
  car.TargetWayPoint = 1;
  car.TopSpeed = 0;
  car.FinishArmed = false;
  car.KeyPassed.assign(car.KeyPassed.size(), false);
  for (int tick = 0; tick < 301; ++tick) RaceFrame();
  EXPECT_EQ(car.TargetWayPoint, 4);
  EXPECT_TRUE(car.KeyPassed[2]);
  EXPECT_TRUE(car.FinishArmed);
}

TEST_F(EnemyCarTest, KeyWayPointsStartPassedButTheLast) {
  AddWayPoint(0, 0, 1);
  AddWayPoint(10, 0, 2);
  AddWayPoint(20, 0, 3);
  TEnemyCar& car = MakeOpponent(0, 0, 400, 300);
  ASSERT_GE(car.KeyPassed.size(), 4u);
  EXPECT_TRUE(car.KeyPassed[1]);
  EXPECT_TRUE(car.KeyPassed[2]);
  EXPECT_FALSE(car.KeyPassed[3]);
  EXPECT_EQ(Race.OpponentCount, 1);
}

TEST_F(EnemyCarTest, NotRacingItRollsOnlyNearTheFirstWayPoint) {
  AddWayPoint(1000, 1000);
  TEnemyCar& far = MakeOpponent(0, 0, 400, 300);
  far.Speed = 1;
  AddWayPoint(0, 0);                                           // not the first: does not matter
  TEnemyCar& near = MakeOpponent(0, 0, 1000 + 16, 1000 + 28);  // top-left on way point 1
  Frame();
  EXPECT_EQ(far.CurrentAcceleration, -far.CoastDeceleration / 2);
  EXPECT_EQ(near.CurrentAcceleration, 0.01);
}

TEST_F(EnemyCarTest, ObstacleOnAnEyeSteersAwayAndBrakesWhenFast) {
  AddWayPoint(1400, 300);
  TEnemyCar& car = Racer();
  car.Speed = 5;
  car.Eyes[0].Blocked = true;
  Frame();
  EXPECT_GT(car.Heading, 0);  // right, away from the left eye
  EXPECT_EQ(car.CurrentAcceleration, -car.BrakeDeceleration);
  EXPECT_FALSE(car.Eyes[0].Blocked);
  car.Eyes[1].Blocked = true;
  const double heading = car.Heading;
  Frame();
  EXPECT_LT(car.Heading, heading);
}

TEST_F(EnemyCarTest, ACarAheadIsDodgedToTheOtherSide) {
  AddWayPoint(1400, 300);
  TEnemyCar& car = Racer();
  TEnemyCar& other = MakeOpponent(2, 0, 470, 305);  // just ahead, a little to the right
  other.Racing = true;
  Frame();  // the eyes and corner points take their places
  car.Speed = 3;
  const double heading = car.Heading;
  Frame();
  EXPECT_LT(car.Heading, heading);  // dodges left
}

// One opponent: no opponent-to-opponent step looks at a car that is not counted.
TEST_F(EnemyCarTest, ASingleOpponentSkipsTheOpponentSteps) {
  AddWayPoint(1400, 300);
  TEnemyCar& car = Racer();
  TEnemyCar& stray = MakeOpponent(2, 0, 410, 300);  // right on top of it
  Race.OpponentCount = 1;
  Race.OpponentProgress[1] = 1e9;
  Race.PlayerProgress = -1e9;
  stray.Racing = false;
  Frame();
  EXPECT_FALSE(car.Contact[1]);
  EXPECT_EQ(car.Position, 1);
}

TEST_F(EnemyCarTest, CarsInContactPushEachOtherApart) {
  TPlayer& player = MakePlayer(2);
  TEnemyCar& car = MakeOpponent(2, 0, 396 + 20, 321);  // overlapping the player's right side
  Frame();                                             // corner points
  const float x = car.X();
  Frame();
  // At rest both are pushed by one unit vector along the line between their centres.
  EXPECT_NEAR(player.CollisionPush.X, -1.0 * -1, 1e-9);
  EXPECT_NEAR(player.CollisionPush.Y, 0, 1e-9);
  EXPECT_TRUE(car.TouchingPlayer);
  EXPECT_GT(car.X(), x);
  EXPECT_EQ(player.Heading, 0);
  EXPECT_EQ(car.Heading, 0);
}

}  // namespace

namespace {

// The cheap pre-test never turns away a pair that QuadsOverlap would find overlapping, even for
// the near misses the angle-sum test takes as hits.
TEST(CarsOverlapTest, ThePreTestKeepsEveryOverlap) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> place(-60, 60), turn(-180, 180), size(4, 80);
  int overlaps = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    const double w = size(random), h = size(random);
    const TQuadPoints a =
        TurnedOutline({0, 0}, std::hypot(w, h) / 2, turn(random), RectangleCornerAngles(w, h));
    const TQuadPoints b = SquareAround({place(random), place(random)}, size(random));
    const bool overlap = QuadsOverlap(a, b);
    overlaps += overlap;
    EXPECT_EQ(CarsOverlap(a, b), overlap) << trial;
  }
  EXPECT_GT(overlaps, 1000);
}

}  // namespace

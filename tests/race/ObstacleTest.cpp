#include <gtest/gtest.h>

#include "CarFixture.h"
#include "race/TrackObjects.h"

namespace {

struct TResponseCase {
  const char* What;
  double Speed, Direction;
  TPointD Obstacle;  // the car's centre is at (0, 0)
  TPointD Push;
  double Turn, SpeedFactor;
};

TEST(ObstacleResponseTest, PushTurnAndSlowdown) {
  const double h = std::sqrt(0.5);
  const TResponseCase cases[] = {
      {"straight at it", 5, 0, {10, 0}, {2, 0}, 0, 1},
      {"reversing straight into it", -1, 0, {-10, 0}, {-2, 0}, 0, 1},
      {"at rest: pushed by the unit vector", 0, 0, {3, 4}, {0.6, 0.8}, 0, 1},
      {"at rest, going any way", 0, 123, {-5, 0}, {-1, 0}, 0, 1},
      {"towards it, obstacle to the right",
       4,
       0,
       {10, 10},
       {2 * h, h},
       -(2 + 2 * h) * 2,
       (0.5 - h) / 2 + 0.7},
      {"towards it, obstacle to the left",
       4,
       0,
       {10, -10},
       {2 * h, -h},
       (2 - 2 * h) * 2,
       (0.5 - h) / 2 + 0.7},
      {"away from it", 4, 90, {10, -10}, {h, -2 * h}, -(2 - 2 * h) * 2, (-h + 0.5) / 2 + 0.7},
  };
  for (const auto& c : cases) {
    const TObstacleResponse r = ObstacleResponse(c.Speed, c.Direction, {0, 0}, c.Obstacle);
    EXPECT_NEAR(r.Push.X, c.Push.X, 1e-9) << c.What;
    EXPECT_NEAR(r.Push.Y, c.Push.Y, 1e-9) << c.What;
    EXPECT_NEAR(r.Turn, c.Turn, 1e-9) << c.What;
    EXPECT_NEAR(r.SpeedFactor, c.SpeedFactor, 1e-9) << c.What;
  }
}

TEST(ObstacleResponseTest, CarOnTheObstaclesCentreIsLeftAlone) {
  const TObstacleResponse r = ObstacleResponse(3, 45, {7, 7}, {7, 7});
  EXPECT_EQ(r.Push.X, 0);
  EXPECT_EQ(r.Push.Y, 0);
  EXPECT_EQ(r.Turn, 0);
  EXPECT_EQ(r.SpeedFactor, 1);
}

class ObstacleTest : public CarFixture {
 protected:
  ObstacleTest() {
    AddPicture(GameImages, "tree1", 40, 40);
    AddPicture(GameImages, "horwall", 200, 20);
  }
  TRoadRock& Rock(int kind, double centreX, double centreY) {
    return Sprites.Create<TRoadRock>(Context, kind, centreY, centreX);
  }
};

TEST_F(ObstacleTest, WallsCollideOffTheScreenTreesDoNot) {
  MakePlayer();
  TEnemyCar& car = MakeOpponent(1, 90, -100, 300);  // off the screen, at rest
  car.Racing = true;
  TRoadRock& tree = Rock(1, -100, 320);
  ASSERT_LT(tree.X(), 0);
  tree.DoMove(0);
  EXPECT_FALSE(tree.Touching[0]);
  EXPECT_FLOAT_EQ(car.Y(), 300 - 28);

  TRoadRock& wall = Rock(10, -100, 320);
  EXPECT_EQ(wall.Name(), "wall");
  wall.DoMove(0);
  EXPECT_TRUE(wall.Touching[0]);
  // At rest: pushed one pixel straight away from the wall's centre, not turned.
  EXPECT_FLOAT_EQ(car.X(), -100 - 16);
  EXPECT_FLOAT_EQ(car.Y(), 300 - 28 - 1);
  EXPECT_EQ(car.Heading, 90);
}

// A wall is rounded at its ends: beside it a car is pushed straight off its side, however near
// the end; past the end, away from the end's middle, so that it slides round it instead of being
// held against it.
TEST_F(ObstacleTest, AWallPushesOffItsSideAndRoundItsEnds) {
  struct TCase {
    TPointD Car;   // the car's centre; the wall is 200 x 20 round (400, 120)
    TPointD Push;  // of a car at rest: one pixel away from the wall
  };
  // The wall's middle line runs from (310, 120) to (490, 120), half its thickness short of its ends.
  const TPointD pastRight = UnitVector({490, 120}, {500, 100}), pastLeft = UnitVector({310, 120}, {300, 140});
  const TCase cases[] = {{{400, 100}, {0, -1}},
                         {{470, 100}, {0, -1}},
                         {{330, 140}, {0, 1}},
                         {{500, 100}, pastRight},
                         {{300, 140}, pastLeft}};
  MakePlayer();
  for (const TCase& c : cases) {
    TEnemyCar& car = MakeOpponent(1, 90, c.Car.X, c.Car.Y);
    car.Racing = true;
    const TPointD before = car.Centre();
    TRoadRock& wall = Rock(10, 400, 120);
    wall.DoMove(0);
    ASSERT_TRUE(wall.Touching[0]) << c.Car.X << " " << c.Car.Y;
    EXPECT_NEAR(car.Centre().X - before.X, c.Push.X, 1e-4) << c.Car.X << " " << c.Car.Y;
    EXPECT_NEAR(car.Centre().Y - before.Y, c.Push.Y, 1e-4) << c.Car.X << " " << c.Car.Y;
    wall.Kill();
    car.Kill();
    Race.OpponentCount = 0;
  }
}

TEST_F(ObstacleTest, OpponentsOffTheScreenAndNotRacingAreNotPushed) {
  MakePlayer();
  TEnemyCar& car = MakeOpponent(1, 90, -100, 300);
  Rock(10, -100, 320).DoMove(0);
  EXPECT_FLOAT_EQ(car.Y(), 300 - 28);
}

TEST_F(ObstacleTest, PlayerPushesTheWorld) {
  TPlayer& player = MakePlayer();
  AddWayPoint(10, 20);
  TRoadRock& tree = Rock(1, 396, 361);  // just below the player's car
  TEnemyCar& car = MakeOpponent(2, 0, 600, 100);
  const float carX = car.X(), treeY = tree.Y();
  tree.DoMove(0);
  EXPECT_TRUE(tree.Touching[kMaxOpponents]);
  // At rest the player is pushed straight up, away from the tree: the world moves down by one.
  EXPECT_FLOAT_EQ(tree.Y(), treeY + 1);
  EXPECT_FLOAT_EQ(car.X(), carX);
  EXPECT_EQ(Race.WayPoints[1].Y, 21);
  EXPECT_FLOAT_EQ(player.Y(), 321 - 28);  // the player's car stays where it is
}

TEST_F(ObstacleTest, SideEyesSeeObstaclesNearby) {
  MakePlayer();
  TEnemyCar& car = MakeOpponent(1, 0, 300, 100);
  TRoadRock& tree = Rock(1, 400, 100);
  car.Eyes[0].X = 375;  // the eye's square reaches into the tree
  car.Eyes[0].Y = 100;
  car.Eyes[1].X = 340;
  car.Eyes[1].Y = 100;
  tree.DoMove(0);
  EXPECT_TRUE(car.Eyes[0].Blocked);
  EXPECT_FALSE(car.Eyes[1].Blocked);
  EXPECT_FALSE(car.Eyes[2].Blocked);
}

TEST_F(ObstacleTest, ObstacleKinds) {
  TRoadRock& house = Sprites.Create<TRoadRock>(Context, 5, 0.0, 0.0);
  EXPECT_EQ(house.Name(), "roadrock");
  EXPECT_GE(house.Angle, -180);
  EXPECT_LE(house.Angle, 179);
  TRoadRock& unknown = Rock(42, 100, 100);
  EXPECT_EQ(unknown.Image(), nullptr);
  EXPECT_EQ(unknown.Width(), 10);
  EXPECT_EQ(unknown.Angle, 0);
  EXPECT_FLOAT_EQ(unknown.X(), 95);  // centred on its place
  TRoadRock& wall = Rock(11, 0, 0);
  EXPECT_EQ(wall.Name(), "wall");
  EXPECT_EQ(wall.Angle, 0);
}

}  // namespace

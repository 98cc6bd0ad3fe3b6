#include <gtest/gtest.h>

#include <cmath>

#include "CarFixture.h"
#include "race/RaceSounds.h"

namespace {

// What the race's sounds learn of the race: the facts are those of the frame just moved.
class RaceHearingTest : public CarFixture {
 protected:
  TPlayer& Driving(double speed, int carIndex = 0) {
    LayRoad();
    TPlayer& player = MakePlayer(carIndex, 40);
    Frame();
    player.HasControl = true;
    player.Speed = speed;
    return player;
  }
};

TEST_F(RaceHearingTest, ASlideAndTheHandbrakeAreHeardThoughTheSkidEndsWithTheFrame) {
  struct TCase {
    const char* What;
    int Key;
    double Direction;  // the heading is 40
    bool Slides;
  };
  const TCase cases[] = {{"sharp turn", DrivingKey::Right, 10, true},
                         {"gentle turn", DrivingKey::Right, 40, false},
                         {"handbrake", DrivingKey::Space, 40, true},
                         {"straight on", DrivingKey::Up, 40, false}};
  for (const TCase& c : cases) {
    TPlayer& player = Driving(3);
    player.Direction = c.Direction;
    KeyHeld[c.Key] = true;
    Frame();
    EXPECT_FALSE(player.Skidding) << c.What;
    EXPECT_EQ(HearRace(Race, KeyHeld).Player.Slid, c.Slides) << c.What;
    KeyHeld.fill(false);
    player.Kill();
    Sprites.RemoveDead();
  }
}

TEST_F(RaceHearingTest, AnObstacleKnocksAsHardAsTheSpeedItTakesAndIsHeardOnce) {
  TTestRace::AddPicture(GameImages, "tree1", 40, 40);
  TPlayer& player = MakePlayer(0, 90);  // heading down the screen
  player.Speed = 4;
  TRoadRock& tree = Sprites.Create<TRoadRock>(Context, 1, 361.0, 396.0);  // just below the car
  tree.DoMove(0);
  ASSERT_TRUE(tree.Touching[kMaxOpponents]);
  const double lost = 4 - player.Speed;
  EXPECT_GT(lost, 0.5);
  EXPECT_DOUBLE_EQ(HearRace(Race, KeyHeld).Player.Knock, lost);
  EXPECT_EQ(HearRace(Race, KeyHeld).Player.Knock, 0) << "taken already";
}

TEST_F(RaceHearingTest, CarsMeetingKnockOnceAtTheirFirstContact) {
  TPlayer& player = Driving(3);
  TEnemyCar& car = MakeOpponent(1, 40, 396 + 10, 321 + 10);  // overlapping the player's car
  car.Speed = 1;
  Frame();
  const double first = HearRace(Race, KeyHeld).Player.Knock;
  EXPECT_GT(first, 0);
  EXPECT_LE(first, (3 + 1) / 2.0);
  Frame();
  ASSERT_TRUE(player.Contact[0] && player.ContactBefore[0]) << "the cars part at once";
  EXPECT_EQ(HearRace(Race, KeyHeld).Player.Knock, 0) << "still touching: no second knock";
}

TEST_F(RaceHearingTest, RevsThrottleAndOpponentsAsTheRaceStands) {
  LayRoad();
  TPlayer& player = MakePlayer(4);
  MakeOpponent(2, 0, 500, 300).Speed = 3;
  Frame();
  // On the grid the accelerator revs the engine though the car has no control yet.
  KeyHeld[DrivingKey::Up] = true;
  TRaceHearing hearing = HearRace(Race, KeyHeld);
  EXPECT_TRUE(hearing.Player.Throttle);
  EXPECT_EQ(hearing.Player.CarIndex, 4);
  ASSERT_EQ(hearing.Opponents.size(), size_t(1));
  EXPECT_EQ(hearing.Opponents[0].CarIndex, 2);
  EXPECT_NEAR(hearing.Opponents[0].Revs, 3 / Race.Opponents[0]->TopSpeed, 0.01);
  // Driving, the throttle is the car's own acceleration; at top speed the revs are full.
  player.HasControl = true;
  player.Speed = player.TopSpeed;
  player.CurrentAcceleration = 0;
  hearing = HearRace(Race, KeyHeld);
  EXPECT_FALSE(hearing.Player.Throttle);
  EXPECT_DOUBLE_EQ(hearing.Player.Revs, 1.0);
}

}  // namespace

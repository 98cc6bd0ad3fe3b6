#include <gtest/gtest.h>

#include "CarFixture.h"
#include "race/Progress.h"

namespace {

class PlayerTest : public CarFixture {
 protected:
  // A player on the road with control, rolling at `speed`; the ground points have looked.
  TPlayer& Driving(double speed, int carIndex = 2) {
    LayRoad();
    TPlayer& player = MakePlayer(carIndex);
    Frame();
    player.HasControl = true;
    player.Speed = speed;
    return player;
  }
};

TEST_F(PlayerTest, UpBeatsDownAndRightBeatsLeft) {
  TPlayer& player = Driving(3);
  KeyHeld[DrivingKey::Up] = KeyHeld[DrivingKey::Down] = true;
  KeyHeld[DrivingKey::Right] = KeyHeld[DrivingKey::Left] = true;
  Frame();
  EXPECT_EQ(player.CurrentAcceleration, player.Acceleration);
  EXPECT_DOUBLE_EQ(player.Heading, player.Steering);
  EXPECT_EQ(player.PatternIndex(), 2);
}

TEST_F(PlayerTest, HandbrakeOverridesTheAccelerator) {
  for (int handbrake : {DrivingKey::Space, DrivingKey::Control}) {
    // Below speed 2, where the skid leaves no smoke.
    TPlayer& player = Driving(1.9);
    KeyHeld[DrivingKey::Up] = KeyHeld[handbrake] = true;
    Frame();
    EXPECT_DOUBLE_EQ(player.Speed,
                     (1.9 - player.CoastDeceleration) * (1 - player.Drag) * (1 - player.SkidDrag));
    KeyHeld.fill(false);
    player.Kill();
  }
}

// Only the pedals' releases end their acceleration; a release is consumed (both tables cleared).
TEST_F(PlayerTest, ReleasesOfThePedalsResetTheAcceleration) {
  struct TCase {
    int Released;
    bool DownHeld;
    bool Resets;
  };
  const TCase cases[] = {{DrivingKey::Right, false, false}, {DrivingKey::Left, false, false},
                         {DrivingKey::Space, false, false}, {DrivingKey::Up, false, true},
                         {DrivingKey::Up, true, true},      {DrivingKey::Down, false, true}};
  for (const TCase& c : cases) {
    TPlayer& player = Driving(3);
    player.CurrentAcceleration = player.Acceleration;  // left by an accelerator held before
    KeyHeld[DrivingKey::Down] = c.DownHeld;
    KeyReleased[c.Released] = true;
    Frame();
    EXPECT_EQ(player.CurrentAcceleration, c.Resets ? 0 : player.Acceleration)
        << c.Released << " " << c.DownHeld;
    EXPECT_FALSE(KeyReleased[c.Released]);
    EXPECT_EQ(KeyHeld[c.Released], c.Released == DrivingKey::Down && c.DownHeld);
    if (c.DownHeld) {
      // The next frame's brake sets the braking again.
      Frame();
      EXPECT_EQ(player.CurrentAcceleration, -player.BrakeDeceleration);
    }
    KeyHeld.fill(false);
    player.Kill();
  }
}

TEST_F(PlayerTest, WithoutControlTheCarCoastsAndIgnoresKeys) {
  TPlayer& player = Driving(1);
  player.HasControl = false;
  player.CurrentAcceleration = 0.5;
  KeyHeld[DrivingKey::Up] = KeyHeld[DrivingKey::Right] = true;
  Frame();
  EXPECT_EQ(player.CurrentAcceleration, 0);
  EXPECT_DOUBLE_EQ(player.Speed, (1 - player.CoastDeceleration) * (1 - player.Drag));
  EXPECT_EQ(player.Heading, 0);
}

// Way points along y = 0 from x = 0 to the right, then back along y = 300.
class ProgressTest : public CarFixture {
 protected:
  void SetUp() override {
    AddWayPoint(0, 0);
    AddWayPoint(500, 0);
    AddWayPoint(500, 300);
    AddWayPoint(0, 300);
  }
};

TEST_F(ProgressTest, ProjectionOntoTheNearestStretch) {
  struct TCase {
    TPointD Centre;
    int Nearest, Following;
    double LapProgress;
  };
  const TCase cases[] = {
      {{100, 20}, 1, 2, 10},        // 100 pixels past way point 1
      {{-30, 10}, 1, 2, -3},        // behind the first way point: counts back
      {{520, 250}, 3, 4, 80 - 2},   // short of way point 3: back from it
      {{480, 250}, 3, 4, 80 + 2},   // on the stretch after way point 3
      {{10, 200}, 4, 1, 130 + 10},  // on the last stretch, back to way point 1 (vertical)
  };
  for (const TCase& c : cases) {
    const std::optional<TLapPosition> position = ProjectProgress(Race, c.Centre);
    ASSERT_TRUE(position);
    EXPECT_EQ(position->Nearest, c.Nearest);
    EXPECT_EQ(position->Following, c.Following);
    EXPECT_NEAR(position->LapProgress, c.LapProgress, 1e-9) << c.Centre.X << "," << c.Centre.Y;
  }
}

TEST_F(ProgressTest, NoWayPointsNoProgress) {
  TRaceState empty;
  EXPECT_FALSE(ProjectProgress(empty, {1, 2}));
}

TEST_F(ProgressTest, PositionCountsOpponentsStrictlyAhead) {
  TPlayer& player = MakePlayer();
  for (int i = 0; i < 3; ++i) MakeOpponent(0, 0, 2000 + 100 * i, 2000);
  Race.OpponentProgress = {5, 200, 200};
  // The player is measured each frame; put its progress between the opponents'.
  player.SetX(player.X() - 396 + 100);
  player.SetY(player.Y() - 321 + 0);
  player.DoMove(0);
  const double progress = Race.PlayerProgress;
  EXPECT_NEAR(progress, (0 + 1) * 130 + 10, 1e-6);
  EXPECT_EQ(player.Position, 3);
  EXPECT_EQ(OpponentsAhead(Race, 200), 0);  // equal progress does not count
}

}  // namespace

#include <gtest/gtest.h>

#include <memory>

#include "CarFixture.h"
#include "race/Autopilot.h"
#include "race/LapLines.h"
#include "race/RaceClock.h"

namespace {

constexpr double kRadius = 600;
constexpr int kWayPoints = 16;
constexpr double kStartAngle = -10;  // where the grid's front car stands on the circle

// A round track: 16 way points on a circle, the finish line across way point 1, check lines
// 0, 1, 2 at the quarter turns, and three key way points: 1, 5 (the lap's proof) and 9 (which
// re-arms the opponents' finish). Cars drive
// clockwise. The player's car either stands in the middle, out of the way, or at the front of
// the grid.
class TRoundTrack : public TTestRace {
 public:
  TRoundTrack(bool playerOnGrid, int opponents) {
    Centre = playerOnGrid ? TPointD{396 - kRadius * CosDeg(kStartAngle), 321 - kRadius * SinDeg(kStartAngle)}
                          : TPointD{396, 321};
    LayRoad();
    for (int i = 1; i <= kWayPoints; ++i) {
      const TPointD p = OnCircle((i - 1) * 360.0 / kWayPoints);
      AddWayPoint(p.X, p.Y, i == 1 ? 1 : i == 5 ? 2 : i == 9 ? 3 : 0);
    }
    const TPointD finish = OnCircle(0);
    Sprites.Create<TFinishLine>(Context, 0.0, finish.Y, finish.X - 150);
    for (int number = 0; number < 3; ++number) {
      const TPointD line = OnCircle(90.0 * (number + 1));
      Sprites.Create<TCheckLine>(Context, number, line.Y, line.X);
      Race.CheckLines.push_back({line.X, line.Y, number});
    }
    Race.CheckLineCount = 3;
    Race.RaceLaps = 2;
    TPlayer& player = MakePlayer(RandomInt(Random, 0, 4), kStartAngle + 90);
    player.Visible = playerOnGrid;
    for (int i = 0; i < opponents; ++i) {
      const double angle = kStartAngle - 15 * (i + 1);
      const TPointD slot = OnCircle(angle);
      MakeOpponent(RandomInt(Random, 0, 4), angle + 90, slot.X, slot.Y).Racing = true;
    }
  }

  TPointD OnCircle(double angle) const {
    return {Centre.X + kRadius * CosDeg(angle), Centre.Y + kRadius * SinDeg(angle)};
  }

  // A race frame: the clock's tick, the move pass, the way points follow the world.
  void RaceFrame() {
    StepRaceClock(Race);
    Frame();
  }

  TPointD Centre;
};

TEST(RaceOutcomeTest, OpponentsCompleteTheirLapsAndFinishInOrder) {
  TRoundTrack track(false, 2);
  for (int frame = 0; frame < 8000 && track.Race.FinishCounter < 3; ++frame) track.RaceFrame();
  ASSERT_EQ(track.Race.FinishCounter, 3);
  for (int row = 1; row <= 2; ++row) {
    const int number = track.Race.Results[row].Car;
    ASSERT_TRUE(number == 0 || number == 1);
    const TEnemyCar& car = *track.Race.Opponents[number];
    // Two laps after the start's crossing, and the finishing one (a finished car rolling on
    // over the line may count more, which no longer matters).
    EXPECT_GE(car.Lap, 3);
    EXPECT_FALSE(car.Racing);
    // Two laps of 3770 pixels at 5 to 7 pixels a frame, one clock tick a frame.
    EXPECT_GT(track.Race.Results[row].Time.Seconds + 60 * track.Race.Results[row].Time.Minutes, 10);
  }
  EXPECT_NE(track.Race.Results[1].Car, track.Race.Results[2].Car);
}

TEST(RaceOutcomeTest, TheSameSeedGivesTheSameRace) {
  auto run = [] {
    auto track = std::make_unique<TRoundTrack>(false, 3);
    track->Frames(1500);
    std::vector<double> state;
    for (int i = 0; i < track->Race.OpponentCount; ++i) {
      const TEnemyCar& car = *track->Race.Opponents[i];
      state.insert(state.end(), {car.X(), car.Y(), car.Speed, car.Heading, double(car.TargetWayPoint)});
    }
    return state;
  };
  const std::vector<double> first = run();
  EXPECT_EQ(first, run());
  // And the cars did go somewhere.
  EXPECT_NE(first[4], 1);
}

TEST(RaceOutcomeTest, TheAutopilotDrivesThePlayerToTheFinish) {
  TRoundTrack track(true, 2);
  TAutopilot autopilot(track.Context);
  track.Race.Player->HasControl = true;
  for (int frame = 0; frame < 10000 && !track.Race.RaceFinished; ++frame) {
    autopilot.Drive();
    track.RaceFrame();
  }
  const TPlayer& player = *track.Race.Player;
  ASSERT_TRUE(track.Race.RaceFinished);
  EXPECT_FALSE(player.HasControl);
  EXPECT_EQ(player.Lap, 2);
  EXPECT_GE(player.FinishPosition, 1);
  EXPECT_LT(player.BestLap.Minutes, 1000);
  EXPECT_EQ(track.Race.Results[player.FinishPosition].Car, kPlayerResult);
  // Without control the autopilot lets go of every key.
  autopilot.Drive();
  EXPECT_FALSE(track.KeyHeld[DrivingKey::Up]);
}

}  // namespace

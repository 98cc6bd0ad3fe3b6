#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "CarFixture.h"
#include "race/Autopilot.h"
#include "race/Difficulty.h"
#include "race/GameConstants.h"
#include "race/LapLines.h"

namespace {

constexpr double kRadius = 600;
constexpr int kWayPoints = 16;
constexpr double kStartAngle = -10;  // where the grid's front car stands on the circle

// A round track: 16 way points on a circle, the finish line across way point 1, check lines
// 0, 1, 2 at the quarter turns, and three key way points: 1, 5 (the lap's proof) and 9 (which
// re-arms the opponents' finish). Cars drive
// clockwise. The player's car either stands in the middle, out of the way, or at the front of
// the grid. The opponents drive at `difficulty`.
class TRoundTrack : public TTestRace {
 public:
  TRoundTrack(bool playerOnGrid, int opponents, TDifficulty difficulty = TDifficulty::Normal) {
    Difficulty = difficulty;
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

  // One line of every car's place, speed, heading, target and lap, and the finish count.
  void TraceLine(std::string& trace) const {
    auto car = [&](const TCar& c, int target) {
      char line[160];
      std::snprintf(line, sizeof line, "%.6f,%.6f,%.6f,%.6f,%d,%d;", c.X(), c.Y(), c.Speed, c.Heading, target,
                    c.Lap);
      trace += line;
    };
    car(*Race.Player, 0);
    for (int i = 0; i < Race.OpponentCount; ++i) car(*Race.Opponents[i], Race.Opponents[i]->TargetWayPoint);
    trace += std::to_string(Race.FinishCounter) + "\n";
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

// 64-bit FNV-1a.
uint64_t Hash(const std::string& text) {
  uint64_t hash = 14695981039346656037u;
  for (const char c : text) hash = (hash ^ uint8_t(c)) * 1099511628211u;
  return hash;
}

// The whole race of a fixed seed, the player's car driven by the autopilot, frame by frame: any
// change to how the cars drive, collide or count their laps changes it. A change meant to alter
// the race sets the new value here after looking at the race.
TEST(RaceOutcomeTest, AFixedSeedRunsTheSameRaceAsEver) {
  auto run = [] {
    auto track = std::make_unique<TRoundTrack>(true, 3);
    TAutopilot autopilot(track->Context);
    track->Race.Player->HasControl = true;
    std::string trace;
    for (int frame = 0; frame < 3000 && track->Race.FinishCounter < 5; ++frame) {
      track->RaceFrame([&] { autopilot.Drive(); });
      track->TraceLine(trace);
    }
    EXPECT_EQ(track->Race.FinishCounter, 5);  // every car is in
    return trace;
  };
  const std::string trace = run();
  EXPECT_EQ(Hash(trace), 6504418543611001460u) << trace.size() << " bytes";
  // Nothing outside the race carries over into the next one.
  EXPECT_EQ(run(), trace);
}

// The same race at each level, the player's car out of the way: the same opponents in the same
// cars take longer at Easy and less time at Hard, each one of them, while the player's car
// stays the catalogue's.
TEST(RaceOutcomeTest, EasyOpponentsAreSlowerAndHardOnesFaster) {
  constexpr int kOpponents = 3;
  auto finishTimes = [](TDifficulty difficulty) {
    TRoundTrack track(false, kOpponents, difficulty);
    for (int frame = 0; frame < 8000 && track.Race.FinishCounter <= kOpponents; ++frame) track.RaceFrame();
    EXPECT_EQ(track.Race.FinishCounter, kOpponents + 1) << DifficultyName(difficulty);
    const TPlayer& player = *track.Race.Player;
    EXPECT_EQ(player.TopSpeed, kCarCatalogue[size_t(player.CarIndex)].TopSpeed);
    EXPECT_EQ(player.Acceleration, kCarCatalogue[size_t(player.CarIndex)].Acceleration);
    std::array<int, kOpponents> hundredths{};
    for (int row = 1; row < track.Race.FinishCounter; ++row) {
      const TRaceTime& time = track.Race.Results[row].Time;
      hundredths[size_t(track.Race.Results[row].Car)] =
          (time.Minutes * 60 + time.Seconds) * 100 + time.Hundredths;
    }
    return hundredths;
  };
  const auto easy = finishTimes(TDifficulty::Easy);
  const auto normal = finishTimes(TDifficulty::Normal);
  const auto hard = finishTimes(TDifficulty::Hard);
  for (size_t car = 0; car < kOpponents; ++car) {
    EXPECT_GT(easy[car], normal[car]) << "opponent " << car;
    EXPECT_LT(hard[car], normal[car]) << "opponent " << car;
  }
}

TEST(RaceOutcomeTest, TheAutopilotDrivesThePlayerToTheFinish) {
  TRoundTrack track(true, 2);
  TAutopilot autopilot(track.Context);
  track.Race.Player->HasControl = true;
  for (int frame = 0; frame < 10000 && !track.Race.RaceFinished; ++frame)
    track.RaceFrame([&] { autopilot.Drive(); });
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

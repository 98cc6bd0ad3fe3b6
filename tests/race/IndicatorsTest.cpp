#include <gtest/gtest.h>

#include "CarFixture.h"
#include "race/Indicators.h"
#include "race/IndicatorsMenu.h"
#include "race/IndicatorsTicker.h"
#include "race/Player.h"
#include "race/PlayerMark.h"
#include "race/RaceClock.h"

namespace {

TEST(SpeedArrowTest, NeedleDeflectsWithSpeedAndToTheSameSideInReverse) {
  struct TCase {
    double Speed, Angle;
  };
  const TCase cases[] = {{0, -495}, {10, -298}, {5, -396.5}, {-2, -298}, {-1, -396.5}};
  for (const TCase& c : cases) {
    EXPECT_DOUBLE_EQ(TSpeedArrow::NeedleAngle(c.Speed, 10, -2), c.Angle) << c.Speed;
  }
}

TEST(RadarArrowTest, PointsFromTheCarAtTheTarget) {
  const TPointD car{396, 321};
  struct TCase {
    TPointD Target;
    double Angle;  // an up-pointing picture turned by this aims at the target
  };
  const TCase cases[] = {
      {{500, 321}, 180 + 270},  // level, the car left of it
      {{300, 321}, 270},        // level, the car right of it
      {{396, 200}, 360},        // straight above
      {{396, 400}, 180},        // straight below
      {{496, 421}, 225 + 270},  // down and right
  };
  for (const TCase& c : cases) {
    const double angle = TRadarArrow::PointerAngle(car, c.Target);
    EXPECT_NEAR(std::remainder(angle - c.Angle, 360), 0, 1e-9) << c.Target.X << "," << c.Target.Y;
  }
  EXPECT_DOUBLE_EQ(TRadarArrow::PointerAngle(car, {500, 321}), 450);
}

class IndicatorsTest : public CarFixture {};

TEST_F(IndicatorsTest, ASmokePuffFadesThroughFivePatternsThenGoes) {
  TDim& puff = Sprites.Create<TDim>(Context, false, 100.0, 100.0);
  std::vector<std::pair<int, int>> shown;
  for (int frame = 0; frame < 15; ++frame) {
    shown.emplace_back(puff.PatternIndex(), puff.Alpha());
    Frame();
  }
  std::vector<std::pair<int, int>> expected;
  for (int pattern = 0; pattern < 5; ++pattern)
    expected.insert(expected.end(), 3, {pattern, 200 - 15 * pattern});
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(puff.Dead());
  Sprites.RemoveDead();
  EXPECT_EQ(CountSmoke(), 0);
}

TEST_F(IndicatorsTest, SpeedometerShowsReverse) {
  TPlayer& player = MakePlayer();
  AddPicture(GameImages, "speeder", 100, 100);
  TPanel& speeder = Sprites.Create<TPanel>(Context, 0, 427.0, 541.0);
  TPanel& radar = Sprites.Create<TPanel>(Context, 1, 427.0, 541.0);
  player.Speed = -1;
  Frame();
  EXPECT_EQ(speeder.PatternIndex(), 1);
  EXPECT_EQ(radar.PatternIndex(), 0);
  EXPECT_EQ(speeder.Name(), "speeder");
  EXPECT_EQ(radar.Alpha(), 150);
}

TEST_F(IndicatorsTest, KillingACarTakesItsProbesAndPointersAlong) {
  TEnemyCar& car = MakeOpponent(0, 0, 400, 300);
  const int before = Sprites.Count();
  car.Kill();
  Sprites.RemoveDead();
  EXPECT_EQ(Sprites.Count(), before - 6);  // car, 2 ground points, 3 pointers
}

// The mark is put on the player's car as it is drawn: centred on it, turned as it is, under it,
// and hidden with it.
TEST_F(IndicatorsTest, ThePlayersMarkLiesUnderThePlayersCarAndTurnsWithIt) {
  TPlayer& player = MakePlayer();
  TPlayerMark& mark = Sprites.Create<TPlayerMark>(Context);
  EXPECT_LT(mark.Z(), player.Z());
  for (const float angle : {0.0f, 37.0f, -120.0f}) {
    player.Angle = angle;
    player.SetX(player.X() + 3);
    mark.DoDraw();
    EXPECT_EQ(mark.Angle, angle);
    EXPECT_NEAR(mark.X() + mark.Width() / 2.0, player.Centre().X, 0.5);
    EXPECT_NEAR(mark.Y() + mark.Height() / 2.0, player.Centre().Y, 0.5);
    EXPECT_TRUE(mark.Visible);
  }
  player.Visible = false;
  mark.DoDraw();
  EXPECT_FALSE(mark.Visible);
}

TEST_F(IndicatorsTest, RaceClockStepsLapTimeOnlyWhileTheLapClockRuns) {
  TPlayer& player = MakePlayer();
  TEnemyCar& car = MakeOpponent(0, 0, 400, 300);
  for (int tick = 0; tick < 6050; ++tick) StepRaceClock(Race);
  EXPECT_EQ(player.RaceTime.Minutes, 1);
  EXPECT_EQ(player.RaceTime.Seconds, 0);
  EXPECT_EQ(player.RaceTime.Hundredths, 50);
  EXPECT_EQ(player.LapTime.Hundredths, 0);
  EXPECT_EQ(car.RaceTime.Hundredths, 50);
  player.LapTimerRunning = true;
  StepRaceClock(Race);
  EXPECT_EQ(player.LapTime.Hundredths, 1);
  // Once the player is in, the player's clocks stand at the finishing time; the opponents' run on.
  Race.RaceFinished = true;
  for (int tick = 0; tick < 120; ++tick) StepRaceClock(Race);
  EXPECT_EQ(RaceTimeText(player.RaceTime), "1:00:51");
  EXPECT_EQ(RaceTimeText(player.LapTime), "0:00:01");
  EXPECT_EQ(RaceTimeText(car.RaceTime), "1:01:71");
}

TEST_F(IndicatorsTest, LightWaitsThenBlinksUpAndDown) {
  AddPicture(MenuImages, "light1", 68, 40);
  TLight& light = Sprites.Create<TLight>(Context, 0, 4.0, 728.0);
  EXPECT_GE(light.WaitFrames, 200);
  EXPECT_LE(light.WaitFrames, 399);
  EXPECT_EQ(light.X(), 728);
  light.WaitFrames = 3;
  Frames(3);
  EXPECT_EQ(light.Alpha(), 0);
  Frames(255);
  EXPECT_EQ(light.Alpha(), 255);
  Frame();  // the turn
  EXPECT_EQ(light.Alpha(), 255);
  Frames(255);
  EXPECT_EQ(light.Alpha(), 0);
  Frames(4);  // the turn, then dark again for the waiting time
  EXPECT_EQ(light.Alpha(), 0);
  Frame();
  EXPECT_EQ(light.Alpha(), 1);
}

TEST_F(IndicatorsTest, SplashSquareJumpsFromTheThirdFrameEverySecondFrame) {
  TSplashSquare& square = Sprites.Create<TSplashSquare>(Context, 0, 255, 150.0, -103.0);
  std::vector<float> xs;
  for (int frame = 0; frame < 7; ++frame) {
    Frame();
    xs.push_back(square.X());
  }
  EXPECT_EQ(xs, (std::vector<float>{-103, -103, -75, -75, -47, -47, -19}));
}

TEST(TickerTest, GreetingTexts) {
  TTickerFacts facts{"Ann", 120, 300, 2, 3, 0};
  EXPECT_EQ(TickerText(facts), std::string(24, ' ') +
                                   "Hello, Ann!         Your score is  120           Target score is:  300"
                                   "           Cars avaible: 2           Tracks avaible: 3");
  facts.UnlockStage = 9;
  EXPECT_EQ(TickerText(facts), std::string(24, ' ') +
                                   "Hello, Ann!         Your score is  120           Game COMPLETE!!!    "
                                   "           Cars avaible: 2           Tracks avaible: 3");
}

// The strip shows some of the greeting in every frame, from the first, round after round: the
// gap between the greeting's end and its next start is shorter than the visible part.
TEST(TickerTest, TheStripNeverRunsEmpty) {
  TMessageBoxes messages(true);
  TOmegaSprite sprites(messages);
  // Roughly a bold face's proportions: a space a third of "W".
  auto width = [](char c) { return c == 'W' ? 15 : c == ' ' ? 5 : 9; };
  for (const TTickerFacts& facts :
       {TTickerFacts{"A", 0, 300, 1, 1, 0}, TTickerFacts{"Ann", 1200, 0, 5, 12, 9}}) {
    TRunningString& ticker = sprites.Create<TRunningString>(facts, width);
    const std::string start = ticker.Text();
    int emptyFrames = 0, rounds = 0;
    for (int frame = 0; frame < 3000; ++frame) {
      if (ticker.VisibleText().find_first_not_of(' ') == std::string::npos) ++emptyFrames;
      const std::string before = ticker.Text();
      ticker.DoMove(0);
      rounds += ticker.Text() != before && ticker.Text() == start;
    }
    EXPECT_EQ(emptyFrames, 0) << start;
    EXPECT_GE(rounds, 2) << start;
  }
}

TEST(TickerTest, StepsWaitForWideCharactersAndNeverStop) {
  TMessageBoxes messages(true);
  TOmegaSprite sprites(messages);
  // "W" 18 wide, "i" 4, "." 0 (narrower than an eighteenth of "W").
  auto width = [](char c) { return c == 'W' ? 18 : c == 'i' ? 4 : c == '.' ? 0 : 10; };
  TRunningString& ticker = sprites.Create<TRunningString>(TTickerFacts{}, width);
  EXPECT_EQ(ticker.StepFrames('W'), 9);
  EXPECT_EQ(ticker.StepFrames('i'), 2);
  EXPECT_EQ(ticker.StepFrames('.'), 1);
  ticker.SetText(std::string(".W") + std::string(120, 'x'));
  ASSERT_EQ(ticker.VisibleText().size(), 100u);
  // First frame: the step after the initial space (5 frames) is due at once.
  std::vector<int> stepFrames;
  std::string previous = ticker.Text();
  for (int frame = 1; frame <= 40; ++frame) {
    ticker.DoMove(0);
    if (ticker.Text() != previous) stepFrames.push_back(frame);
    previous = ticker.Text();
  }
  // "." goes at frame 1; it waits at least one frame; "W" after it waits 9; then "x" 5 each.
  ASSERT_GE(stepFrames.size(), 4u);
  EXPECT_EQ(stepFrames[0], 1);
  EXPECT_EQ(stepFrames[1], 2);
  EXPECT_EQ(stepFrames[2], 11);
  EXPECT_EQ(stepFrames[3], 16);
  EXPECT_EQ(ticker.VisibleText(), ticker.Text().substr(0, 100));
}

}  // namespace

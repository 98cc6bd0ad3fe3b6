#include "race/LapLines.h"

#include <gtest/gtest.h>

#include "CarFixture.h"

namespace {

class FinishLineTest : public CarFixture {
 protected:
  FinishLineTest() {
    Race.RaceLaps = 3;
    Race.FinishCounter = 1;
    Line = &Sprites.Create<TFinishLine>(Context, 0.0, 300.0, 1000.0);  // 300 x 20 from x 1000
    Player = &MakePlayer();
    Away(*Player);
  }

  // Puts the car's outline onto the line, or far from it.
  void OnLine(TCar& car) { car.CornerPoints = SquareAround({1150, 300}, 10); }
  void Away(TCar& car) { car.CornerPoints = SquareAround({-500, -500}, 10); }

  // The player crosses the line after a lap with every check line in order, which armed it.
  void PlayerLap() {
    Player->FinishArmed = true;
    Player->NextCheckLine = 0;
    OnLine(*Player);
    Line->CountCrossings();
    Away(*Player);
    Line->CountCrossings();
  }

  TFinishLine* Line;
  TPlayer* Player;
};

TEST_F(FinishLineTest, ARaceOfNLapsNeedsNPlusOneCrossings) {
  PlayerLap();  // from the grid: lap 1 starts and the lap timer with it
  EXPECT_EQ(Player->Lap, 1);
  EXPECT_TRUE(Player->LapTimerRunning);
  EXPECT_FALSE(Player->FinishArmed);
  PlayerLap();
  PlayerLap();
  EXPECT_EQ(Player->Lap, 3);
  EXPECT_FALSE(Race.RaceFinished);
  Player->RaceTime = {12, 34, 2};
  StepTicks = 77;
  PlayerLap();
  EXPECT_TRUE(Race.RaceFinished);
  EXPECT_EQ(Player->Lap, 3);
  EXPECT_EQ(Player->FinishPosition, 1);
  EXPECT_FALSE(Player->HasControl);
  EXPECT_FALSE(Player->Ranking);
  EXPECT_EQ(StepTicks, 0);
  EXPECT_EQ(Race.FinishCounter, 2);
  EXPECT_EQ(Race.Results[1].Car, kPlayerResult);
  EXPECT_EQ(Race.Results[1].Time.Minutes, 2);
  EXPECT_EQ(Race.Results[1].Time.Seconds, 34);
  EXPECT_EQ(Race.Results[1].Time.Hundredths, 12);
}

TEST_F(FinishLineTest, ACrossingWithoutTheCheckLinesSpendsTheArming) {
  PlayerLap();
  for (int next : {2, 3}) {
    Player->FinishArmed = true;
    Player->NextCheckLine = next;
    OnLine(*Player);
    Line->CountCrossings();
    EXPECT_FALSE(Player->FinishArmed) << next;
    EXPECT_EQ(Player->Lap, 1) << next;
  }
  // Not armed: staying on the line counts nothing.
  Player->NextCheckLine = 0;
  Line->CountCrossings();
  EXPECT_EQ(Player->Lap, 1);
  PlayerLap();
  EXPECT_EQ(Player->Lap, 2);
}

TEST_F(FinishLineTest, BestLapTakesOnlyAFasterLap) {
  PlayerLap();
  Player->LapTime = {50, 30, 0};
  PlayerLap();
  EXPECT_EQ(Player->BestLap.Seconds, 30);
  EXPECT_EQ(Player->LapTime.Seconds, 0);  // the next lap is timed from 0
  EXPECT_EQ(Player->LapTime.Hundredths, 0);

  Player->LapTime = {51, 30, 0};  // slower: kept out
  PlayerLap();
  EXPECT_EQ(Player->BestLap.Hundredths, 50);
  EXPECT_EQ(Player->LapTime.Hundredths, 0);

  Player->LapTime = {49, 30, 0};
  PlayerLap();
  EXPECT_EQ(Player->BestLap.Hundredths, 49);
}

TEST_F(FinishLineTest, OpponentsFinishInCrossingOrder) {
  Race.RaceLaps = 1;
  TEnemyCar& first = MakeOpponent(0, 0, 500, 100);
  TEnemyCar& second = MakeOpponent(1, 0, 500, 200);
  for (TEnemyCar* car : {&first, &second}) {
    car->Racing = true;
    car->Lap = 1;
    Away(*car);
  }
  second.RaceTime = {1, 2, 3};
  first.RaceTime = {4, 5, 6};
  OnLine(second);
  Line->CountCrossings();
  Away(second);
  EXPECT_FALSE(second.Racing);
  EXPECT_EQ(second.Lap, 2);
  OnLine(first);
  Line->CountCrossings();
  EXPECT_FALSE(first.Racing);

  Player->Lap = 1;
  PlayerLap();
  EXPECT_EQ(Player->FinishPosition, 3);
  EXPECT_EQ(Race.FinishCounter, 4);
  EXPECT_EQ(Race.Results[1].Car, 1);
  EXPECT_EQ(Race.Results[1].Time.Minutes, 3);
  EXPECT_EQ(Race.Results[2].Car, 0);
  EXPECT_EQ(Race.Results[2].Time.Minutes, 6);
  EXPECT_EQ(Race.Results[3].Car, kPlayerResult);
  EXPECT_EQ(Race.Results[4].Car, 0);
  EXPECT_EQ(Race.Results[4].Time.Minutes, 0);
}

TEST_F(FinishLineTest, OpponentsProveTheirLapWithKeyWayPoints) {
  for (int flag : {1, 2, 3, 4}) AddWayPoint(flag * 10, 0, flag);
  TEnemyCar& car = MakeOpponent(0, 0, 500, 100);
  car.Racing = true;
  ASSERT_EQ(Race.KeyWayPointCount, 4);
  car.KeyPassed[2] = true;
  car.KeyPassed[3] = false;
  OnLine(car);
  Line->CountCrossings();
  EXPECT_EQ(car.Lap, 0);
  car.KeyPassed[3] = true;
  Line->CountCrossings();
  EXPECT_EQ(car.Lap, 1);
  EXPECT_FALSE(car.KeyPassed[2]);
  EXPECT_FALSE(car.KeyPassed[3]);
  Line->CountCrossings();  // still on the line: the proof was spent
  EXPECT_EQ(car.Lap, 1);
  car.FinishArmed = false;
  car.KeyPassed[2] = car.KeyPassed[3] = true;
  Line->CountCrossings();  // not armed
  EXPECT_EQ(car.Lap, 1);
}

TEST_F(FinishLineTest, WithoutKeyWayPointsACrossingCountsOnce) {
  TEnemyCar& car = MakeOpponent(0, 0, 500, 100);
  OnLine(car);
  for (int frame = 0; frame < 5; ++frame) Line->CountCrossings();
  EXPECT_EQ(car.Lap, 1);
  Away(car);
  Line->CountCrossings();
  OnLine(car);
  Line->CountCrossings();
  EXPECT_EQ(car.Lap, 2);
}

TEST_F(FinishLineTest, TheLineIsInvisibleAndTurned) {
  EXPECT_FALSE(Line->Visible);
  EXPECT_FLOAT_EQ(Line->X(), 1000);
  EXPECT_FLOAT_EQ(Line->Y(), 290);
  TFinishLine& upright = Sprites.Create<TFinishLine>(Context, 90.0, 0.0, 0.0);  // centre (150, 0)
  EXPECT_TRUE(PointInQuad({150, 140}, upright.Outline));
  EXPECT_FALSE(PointInQuad({50, 0}, upright.Outline));
}

class CheckLineTest : public CarFixture {
 protected:
  CheckLineTest() {
    Player = &MakePlayer();
    Race.CheckLineCount = 3;
    for (int n = 0; n < 3; ++n) Lines[n] = &Sprites.Create<TCheckLine>(Context, n, 1000.0, 1000.0 + 1000 * n);
  }
  void Cross(int line) {
    Player->CornerPoints = SquareAround({1000.0 + 1000 * line, 1000}, 10);
    for (TCheckLine* l : Lines) l->DoMove(0);
  }

  TPlayer* Player;
  std::array<TCheckLine*, 3> Lines;
};

TEST_F(CheckLineTest, LinesCountInOrderAndLineTwoArmsTheFinish) {
  Player->FinishArmed = false;
  Cross(1);  // out of order: nothing
  EXPECT_EQ(Player->NextCheckLine, 0);
  Cross(0);
  EXPECT_EQ(Player->NextCheckLine, 1);
  EXPECT_TRUE(Lines[1]->Visible);
  EXPECT_DOUBLE_EQ(Player->TargetPoint.X, 2000);
  EXPECT_DOUBLE_EQ(Player->TargetPoint.Y, 1000);
  Cross(1);
  EXPECT_EQ(Player->NextCheckLine, 2);
  EXPECT_FALSE(Lines[0]->Visible);
  EXPECT_FALSE(Player->FinishArmed);
  Cross(2);
  EXPECT_TRUE(Player->FinishArmed);
  EXPECT_EQ(Player->NextCheckLine, 0);  // the last line leads back to the first
  Player->FinishArmed = false;
  Cross(2);  // line 2 arms whenever it is crossed
  EXPECT_TRUE(Player->FinishArmed);
  EXPECT_EQ(Player->NextCheckLine, 0);
}

TEST_F(CheckLineTest, ThePulseSwingsBetween50And230) {
  TCheckLine& line = *Lines[0];
  EXPECT_EQ(line.Alpha(), 100);
  int low = 255, high = 0;
  for (int frame = 0; frame < 400; ++frame) {
    line.DoMove(0);
    low = std::min(low, line.Alpha());
    high = std::max(high, line.Alpha());
  }
  EXPECT_EQ(high, 232);
  EXPECT_EQ(low, 48);
}

}  // namespace

#include "engine/SystemTimer.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kMs = TVirtualClock::kFrequency / 1000;

struct RaceClockFixture : testing::Test {
  TVirtualClock Clock;
  TSystemTimer Timer{Clock, 10};
  int Fired = 0;
  RaceClockFixture() {
    Timer.SetOnTimer([this] { ++Fired; });
  }
  void Wait(int64_t ms) {
    Clock.Advance(ms * kMs);
    Timer.Poll();
  }
};

}  // namespace

TEST_F(RaceClockFixture, FiresOncePerTenMillisecondsKeepingTheRemainder) {
  Timer.SetEnabled(true);
  Wait(9);
  EXPECT_EQ(Fired, 0);
  Wait(16);  // 25 ms: two intervals, 5 ms towards the third
  EXPECT_EQ(Fired, 2);
  Wait(5);
  EXPECT_EQ(Fired, 3);
  Wait(0);
  EXPECT_EQ(Fired, 3);
}

TEST_F(RaceClockFixture, CountsNothingWhileDisabledAndStartsAFreshInterval) {
  Wait(100);
  EXPECT_EQ(Fired, 0);
  Timer.SetEnabled(true);
  Wait(7);
  Timer.SetEnabled(false);
  Wait(500);
  EXPECT_EQ(Fired, 0);
  Timer.SetEnabled(true);
  Wait(9);
  EXPECT_EQ(Fired, 0);  // the 7 ms before and the 500 ms off count for nothing
  Wait(1);
  EXPECT_EQ(Fired, 1);
}

TEST_F(RaceClockFixture, AHandlerMayStopTheClock) {
  Timer.SetOnTimer([this] {
    if (++Fired == 2) Timer.SetEnabled(false);
  });
  Timer.SetEnabled(true);
  Wait(100);
  EXPECT_EQ(Fired, 2);
}

#include "engine/OmegaTimer.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kSecond = TVirtualClock::kFrequency;
constexpr int64_t kFrame = kSecond / 90;

// The game's frame clock on virtual time, counting its frames.
struct TimerFixture : testing::Test {
  TVirtualClock Clock;
  TOmegaTimer Timer{Clock};
  int Frames = 0;
  int64_t HandlerCost = 0;  // virtual time each frame's work takes

  void Configure(int target, int minFps, int maxFps) {
    Timer.SetTargetFPS(target);
    Timer.SetMinFPS(minFps);
    Timer.SetMaxFPS(maxFps);
    Timer.SetOnTimer([this](TOmegaTimer&) {
      ++Frames;
      Clock.Advance(HandlerCost);
    });
    Timer.SetEnabled(true);
  }
  void Pass(int64_t ticks) {
    Clock.Advance(ticks);
    Timer.Tick();
  }
};

}  // namespace

TEST_F(TimerFixture, FiresOncePerFramePeriodAtMost) {
  Configure(90, 10, 120);
  Pass(kFrame - 1);
  EXPECT_EQ(Frames, 0);
  Pass(1);
  EXPECT_EQ(Frames, 1);
  EXPECT_FLOAT_EQ(Timer.FrameDelta, 1.0f);
  Pass(kFrame / 2);
  EXPECT_EQ(Frames, 1);
  // A late pass fires one frame, never two to catch up.
  Pass(3 * kFrame);
  EXPECT_EQ(Frames, 2);
  EXPECT_FLOAT_EQ(Timer.FrameDelta, 3.5f);
  EXPECT_EQ(Timer.TotalFrames(), 2);
}

TEST_F(TimerFixture, SlowFramesAreClampedAndRaiseTheWarning) {
  Configure(90, 10, 120);
  HandlerCost = kSecond / 4;  // every frame's work takes 250 ms
  Pass(kFrame);
  for (int i = 0; i < 10; ++i) {
    EXPECT_FALSE(Timer.FPSWarning) << "after " << i << " slow frames";
    Timer.Tick();
    EXPECT_FLOAT_EQ(Timer.FrameDelta, 9.0f);  // clamped at the 10-frames-per-second period
  }
  EXPECT_TRUE(Timer.FPSWarning);
  EXPECT_EQ(Timer.SlowFrames, 9);
  Timer.Tick();
  EXPECT_TRUE(Timer.FPSWarning);
  HandlerCost = 0;
  Timer.Tick();  // the frame that took 250 ms ended just now; the next one is quick
  Pass(kFrame);
  EXPECT_FALSE(Timer.FPSWarning);
  EXPECT_EQ(Timer.SlowFrames, 0);
}

TEST_F(TimerFixture, WithoutTargetFiresAsFastAsTheLimitAllows) {
  Configure(0, 10, 120);
  Pass(kSecond / 120 - 1);
  EXPECT_EQ(Frames, 0);
  Pass(1);
  EXPECT_EQ(Frames, 1);
  EXPECT_NEAR(Timer.FrameDelta, 1.0 / 120, 1e-6);  // in seconds when there is no target
  Timer.SetMaxFPS(0);
  Pass(1);
  Pass(0);
  EXPECT_EQ(Frames, 3);  // no limit: every pass fires
}

TEST_F(TimerFixture, EnablingStartsTheFrameFromNow) {
  Configure(90, 10, 120);
  Pass(kFrame);
  Timer.SetEnabled(false);
  Pass(10 * kSecond);
  EXPECT_EQ(Frames, 1);
  Timer.SetEnabled(true);
  Pass(kFrame);
  EXPECT_EQ(Frames, 2);
  EXPECT_FLOAT_EQ(Timer.FrameDelta, 1.0f);
  EXPECT_FALSE(Timer.FPSWarning);
}

TEST_F(TimerFixture, CountsFramesPerSecond) {
  Configure(90, 10, 120);
  for (int i = 0; i < 2 * 90; ++i) Pass(kFrame);
  EXPECT_EQ(Timer.FPS, 90);
}

TEST(OmegaTimer, WithoutHandlerNothingIsInstalled) {
  TVirtualClock clock;
  TOmegaTimer timer(clock);
  timer.SetTargetFPS(90);
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Installed());
  int frames = 0;
  timer.SetOnTimer([&](TOmegaTimer&) { ++frames; });
  EXPECT_TRUE(timer.Installed());
  clock.Advance(kFrame);
  timer.Tick();
  EXPECT_EQ(frames, 1);
}

TEST(OmegaTimer, LossyModeFiresOnWholeMilliseconds) {
  TVirtualClock clock;
  TOmegaTimer timer(clock);
  int frames = 0;
  timer.SetTargetFPS(90);  // 11 ms periods
  timer.SetLossyMode(true);
  timer.SetOnTimer([&](TOmegaTimer&) { ++frames; });
  timer.SetEnabled(true);
  clock.Advance(kSecond * 11 / 1000 - 1);
  timer.Tick();
  EXPECT_EQ(frames, 0);
  clock.Advance(1);
  timer.Tick();
  EXPECT_EQ(frames, 1);
  EXPECT_FLOAT_EQ(timer.FrameDelta, 0.99f);
}

TEST(OmegaTimer, TellsTheLoopHowLongItMaySleep) {
  TVirtualClock clock;
  TOmegaTimer timer(clock);
  timer.SetTargetFPS(90);
  timer.SetOnTimer([](TOmegaTimer&) {});
  timer.SetEnabled(true);
  EXPECT_EQ(timer.TicksUntilNextFrame(), kFrame);
  clock.Advance(kFrame - 10);
  EXPECT_EQ(timer.TicksUntilNextFrame(), 10);
  clock.Advance(20);
  EXPECT_EQ(timer.TicksUntilNextFrame(), 0);
}

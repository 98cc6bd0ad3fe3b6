#include <gtest/gtest.h>

#include "race/RaceState.h"
#include "race/StuckWatch.h"
#include "race/TrackTables.h"

namespace {

TRaceTime At(int hundredths) {
  return {hundredths % 100, hundredths / 100 % 60, hundredths / 6000};
}

// Way points 1, 2, 3 a thousand pixels apart along y = 0.
TRaceState StraightTrack() {
  TRaceState race;
  for (int i = 0; i < 3; ++i) race.WayPoints.push_back({1000.0 * i, 0, i + 1, 0});
  race.WayPointCount = 3;
  OrderWayPoints(race);
  return race;
}

TEST(StuckWatchTest, ACarThatComesNoNearerBacksOffForASecondAfterASecondAndAHalf) {
  constexpr int patience = TStuckWatch::kPatience, backOff = TStuckWatch::kBackOffTime;
  static_assert(patience <= 150, "a car without headway backs off within a second and a half");
  const TRaceState race = StraightTrack();
  TStuckWatch watch;
  const TPointD pinned{500, 300};
  for (int t = 1000; t < 1000 + patience; ++t) {
    const TStuckWatch::TVerdict verdict = watch.Watch(race, pinned, 3, At(t));
    ASSERT_FALSE(verdict.BackOff) << t;
  }
  // Past way point 1 and short of 2: way point 2 is the one ahead.
  const TStuckWatch::TVerdict start = watch.Watch(race, pinned, 3, At(1000 + patience));
  EXPECT_TRUE(start.BackOff);
  EXPECT_EQ(start.NewTarget, 2);
  const int driving = 1000 + patience + backOff;
  for (int t = 1001 + patience; t < driving; ++t) {
    const TStuckWatch::TVerdict verdict = watch.Watch(race, pinned, 2, At(t));
    ASSERT_TRUE(verdict.BackOff) << t;
    ASSERT_EQ(verdict.NewTarget, 0) << t;
  }
  // Then it drives again, with the same patience once more.
  for (int t = driving; t < driving + patience; ++t)
    ASSERT_FALSE(watch.Watch(race, pinned, 2, At(t)).BackOff) << t;
  EXPECT_TRUE(watch.Watch(race, pinned, 2, At(driving + patience)).BackOff);
}

TEST(StuckWatchTest, HeadwayOrANewTargetKeepsTheCarDriving) {
  const TRaceState race = StraightTrack();
  TStuckWatch watch;
  // A pixel nearer every half second is headway.
  for (int t = 0; t < 3000; ++t)
    ASSERT_FALSE(watch.Watch(race, {900.0 + t / 50, 300}, 3, At(t)).BackOff) << t;
  // Standing still, but given a new target before the patience runs out.
  TStuckWatch other;
  const int newTarget = TStuckWatch::kPatience - 10;
  for (int t = 0; t < newTarget + TStuckWatch::kPatience; ++t)
    ASSERT_FALSE(other.Watch(race, {500, 300}, t < newTarget ? 2 : 3, At(t)).BackOff) << t;
}

TEST(StuckWatchTest, TheWayPointAheadOfTheCar) {
  const TRaceState race = StraightTrack();
  struct TCase {
    TPointD Centre;
    int Ahead;
  };
  const TCase cases[] = {{{-300, 40}, 1}, {{200, -40}, 2}, {{900, 0}, 2}, {{1100, 10}, 3}, {{2500, 0}, 3}};
  for (const TCase& c : cases) EXPECT_EQ(WayPointAhead(race, c.Centre), c.Ahead) << c.Centre.X;
  EXPECT_EQ(WayPointAhead(TRaceState{}, {0, 0}), 0);
}

TEST(StuckWatchTest, BackingOffTurnsTheNoseTowardsTheTarget) {
  struct TCase {
    double Speed;
    TPointD Target;  // seen from a car at (0, 0) heading along +x
    TSteer Steer;
  };
  const TCase cases[] = {{-1, {100, 50}, TSteer::Left},  {-1, {100, -50}, TSteer::Right},
                         {-1, {100, 0}, TSteer::None},   {0.5, {100, 50}, TSteer::Right},
                         {3, {-100, -50}, TSteer::Left}, {0, {100, 50}, TSteer::None}};
  for (const TCase& c : cases)
    EXPECT_EQ(BackOffSteering(0, c.Speed, UnitVector({0, 0}, c.Target)), c.Steer)
        << c.Speed << " " << c.Target.Y;
}

}  // namespace

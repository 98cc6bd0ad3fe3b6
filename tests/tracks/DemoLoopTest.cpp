#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/EnemyCar.h"
#include "race/GameConstants.h"
#include "race/RaceSetup.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "tools/tracks/DemoCircuit.h"

namespace {

namespace fs = std::filesystem;

// How far a point lies outside the centre line of the circuit painted behind the menus (below 0
// inside it).
double BeyondCentreLine(TPointD point) {
  using namespace DemoCircuit;
  const double x = std::clamp(point.X, Left + Radius, Right - Radius);
  const double y = std::clamp(point.Y, Top + Radius, Bottom - Radius);
  return std::hypot(point.X - x, point.Y - y) - Radius;
}

// The demonstration race behind the menus, on the built game's track and pictures.
class DemoLoopTest : public testing::Test {
 protected:
  DemoLoopTest() : Previous(fs::current_path()) { fs::current_path(MORVEL_GAME_DIR); }
  ~DemoLoopTest() override { fs::current_path(Previous); }

  fs::path Previous;
  TMessageBoxes Messages{true};
  TOmegaImageList GameImages{Messages};
  TOmegaImageList MenuImages{Messages};
  TRaceWorld World{GameImages, Messages, {.MenuImages = &MenuImages, .Seed = 7}};
  TRaceState& Race = World.Race;
};

// The way points lie on the painted road; the cars follow it, never cutting across the infield
// where the trees and houses stand. Fast cars run a little wide out of the bends, off the kerb.
TEST_F(DemoLoopTest, TheCarsDriveRoundThePaintedRoad) {
  ASSERT_TRUE(MenuImages.LoadFromFile("Data/data1.oil"));
  ASSERT_EQ(PrepareDemoRace(World.Context, kCarCount), "");
  const double halfRoad = DemoCircuit::RoadWidth / 2;
  for (int i = 1; i <= Race.WayPointCount; ++i)
    EXPECT_LT(std::abs(BeyondCentreLine({Race.WayPoints[i].X, Race.WayPoints[i].Y})), halfRoad) << i;
  double inside = 0, outside = 0;
  std::array<int, kDemoOpponents> laps{}, targets{};
  for (int frame = 0; frame < 6000; ++frame) {
    World.Step();
    for (int i = 0; i < Race.OpponentCount; ++i) {
      const double beyond = BeyondCentreLine(Race.Opponents[i]->Centre());
      inside = std::max(inside, -beyond);
      outside = std::max(outside, beyond);
      const int target = Race.Opponents[i]->TargetWayPoint;
      laps[size_t(i)] += target == 1 && targets[size_t(i)] == Race.WayPointCount;
      targets[size_t(i)] = target;
    }
  }
  EXPECT_LT(inside, halfRoad + 30);
  EXPECT_LT(outside, halfRoad + 40);
  // Every car keeps lapping.
  for (const int lapsDriven : laps) EXPECT_GE(lapsDriven, 5);
}

}  // namespace

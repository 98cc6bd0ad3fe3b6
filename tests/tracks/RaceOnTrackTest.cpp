#include <gtest/gtest.h>

#include <string>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/EnemyCar.h"
#include "race/GameConstants.h"
#include "race/Player.h"
#include "race/RaceSimulation.h"

namespace {

std::string BuiltTrackFile(const TTrack& track) {
  const std::string dataFile(track.DataFile);
  return std::string(MORVEL_GAME_DIR) + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
}

// The game's own pictures (sizes only, no display), read once for every race of the suite.
class RaceOnTrackTest : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(GameImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data2.oil"));
    ASSERT_TRUE(MenuImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data1.oil"));
  }
  static inline TMessageBoxes Messages{true};
  static inline TOmegaImageList GameImages{Messages};
  static inline TOmegaImageList MenuImages{Messages};
};

// The opponents race to the end; the player's car, driven by the autopilot, is one more car in
// their way (whether it finishes too is the autopilot's business).
TEST_P(RaceOnTrackTest, EveryOpponentFinishesTheRace) {
  const TTrack& track = kTrackCatalogue[GetParam()];
  TRaceSimulation race(track, BuiltTrackFile(track), 0, 11, Messages, GameImages, MenuImages);
  ASSERT_EQ(race.Error, "");
  auto opponentsFinished = [&] {
    int count = 0;
    for (int row = 1; row < race.Race.FinishCounter; ++row)
      count += race.Race.Results[row].Car != kPlayerResult;
    return count;
  };
  while (race.Frames() < 60000 && opponentsFinished() < track.Rivals) race.Frame();
  EXPECT_EQ(opponentsFinished(), track.Rivals) << track.Name;
  for (int i = 0; i < track.Rivals; ++i) {
    const TEnemyCar& car = *race.Race.Opponents[i];
    EXPECT_FALSE(car.Racing) << "opponent " << i << " on lap " << car.Lap << ", way point "
                             << car.TargetWayPoint;
    EXPECT_GT(car.Lap, track.Laps);
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RaceOnTrackTest, testing::Range(0, kTrackCount));

double Hundredths(const TRaceTime& time) {
  return time.Minutes * 6000.0 + time.Seconds * 100.0 + time.Hundredths;
}

// The last three tracks with the fastest, the slowest and the heaviest car, all five cars
// unlocked for the opponents: every car, the player's too, finishes, and none far behind.
class HardTrackRaceTest : public RaceOnTrackTest {};

TEST_P(HardTrackRaceTest, EveryCarFinishesCloseBehindTheWinner) {
  for (const int car : {0, 1, 4}) {
    for (const uint32_t seed : {3u, 29u}) {
      const TTrack& track = kTrackCatalogue[GetParam()];
      TRaceSimulation race(track, BuiltTrackFile(track), car, seed, Messages, GameImages, MenuImages);
      ASSERT_EQ(race.Error, "");
      while (!race.AllFinished() && race.Frames() < 120000) race.Frame();
      ASSERT_TRUE(race.AllFinished())
          << "car " << car << ", seed " << seed << ": " << race.Race.FinishCounter - 1 << " finished";
      const double spread =
          Hundredths(race.Race.Results[track.Rivals + 1].Time) / Hundredths(race.Race.Results[1].Time);
      EXPECT_LT(spread, 1.6) << "car " << car << ", seed " << seed;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LastTracks, HardTrackRaceTest, testing::Range(kTrackCount - 3, kTrackCount));

}  // namespace

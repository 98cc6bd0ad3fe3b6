#include <gtest/gtest.h>

#include <string>

#include "assets/OmegaImageList.h"
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

}  // namespace

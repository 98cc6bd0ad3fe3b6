#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "assets/OmegaImageList.h"
#include "engine/OmegaSprite.h"
#include "platform/MessageBox.h"
#include "race/Autopilot.h"
#include "race/EnemyCar.h"
#include "race/GameConstants.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/RaceSetup.h"
#include "race/RaceState.h"
#include "race/WorldScroll.h"

namespace {

// A whole race on a generated track with the game's own pictures (sizes only, no display): the
// race set-up, the opponents let go, the player's car driven by the autopilot.
class TRaceOnTrack {
 public:
  explicit TRaceOnTrack(const TTrack& track) : Track(track) {
    EXPECT_TRUE(GameImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data2.oil"));
    EXPECT_TRUE(MenuImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data1.oil"));
    std::string dataFile(track.DataFile);
    Track.DataFile = FilePath =
        std::string(MORVEL_GAME_DIR) + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
    const TTrackFileResult file = ReadRaceTrack(Track);
    EXPECT_TRUE(file.Ok()) << file.Error;
    Race.RaceScreen = true;
    PrepareRace(Context, Track, 0, kCarCount, file.Records);
    for (int i = 0; i < Track.Rivals; ++i) Race.Opponents[i]->Racing = true;
    Race.Player->HasControl = true;
  }

  void Frame() {
    Autopilot.Drive();
    StepRaceClock(Race);
    Sprites.RemoveDead();
    Sprites.Move(0);
    ScrollWayPoints(Race);
  }

  TTrack Track;
  std::string FilePath;
  TMessageBoxes Messages{true};
  TOmegaImageList GameImages{Messages};
  TOmegaImageList MenuImages{Messages};
  TOmegaSprite Sprites{Messages};
  TRaceState Race;
  std::array<bool, 256> KeyHeld{};
  std::array<bool, 256> KeyReleased{};
  int StepTicks = 0;
  std::mt19937 Random{11};
  TRaceContext Context{Race, Sprites, GameImages, MenuImages, KeyHeld, KeyReleased, StepTicks, Random};
  TAutopilot Autopilot{Context};
};

class RaceOnTrackTest : public testing::TestWithParam<int> {};

// The opponents race to the end; the player's car, driven by the autopilot, is one more car in
// their way (whether it finishes too is the autopilot's business).
TEST_P(RaceOnTrackTest, EveryOpponentFinishesTheRace) {
  const TTrack& track = kTrackCatalogue[GetParam()];
  TRaceOnTrack race(track);
  auto opponentsFinished = [&] {
    int count = 0;
    for (int row = 1; row < race.Race.FinishCounter; ++row)
      count += race.Race.Results[row].Car != kPlayerResult;
    return count;
  };
  for (int frame = 0; frame < 60000 && opponentsFinished() < track.Rivals; ++frame) race.Frame();
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

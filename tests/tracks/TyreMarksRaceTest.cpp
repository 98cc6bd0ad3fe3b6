#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/EnemyCar.h"
#include "race/GameConstants.h"
#include "race/Player.h"
#include "race/RaceSimulation.h"

namespace {

constexpr int kTrack = 5;  // Track 6: long, with six opponents and tight bends
constexpr uint32_t kSeed = 23;
constexpr int kFrames = 6000;

std::unique_ptr<TRaceSimulation> Race(TMessageBoxes& messages, TOmegaImageList& gameImages,
                                      TOmegaImageList& menuImages) {
  const TTrack& track = kTrackCatalogue[kTrack];
  const std::string dataFile(track.DataFile);
  const std::string file =
      std::string(MORVEL_GAME_DIR) + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
  auto race = std::make_unique<TRaceSimulation>(track, file, 1, kSeed, messages, gameImages, menuImages);
  EXPECT_EQ(race->Error, "");
  return race;
}

}  // namespace

// The same race twice, the second with the tyre marks: the marks are only drawn, so every car
// moves exactly as without them, frame for frame; along the way the cars do mark the road.
TEST(TyreMarksRaceTest, MarksAppearInARaceAndChangeNothingOfIt) {
  TMessageBoxes messages{true};
  TOmegaImageList gameImages{messages}, menuImages{messages};
  ASSERT_TRUE(gameImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data2.oil"));
  ASSERT_TRUE(menuImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data1.oil"));
  auto plain = Race(messages, gameImages, menuImages);
  auto marked = Race(messages, gameImages, menuImages);
  marked->StartTyreMarks();
  size_t most = 0;
  for (int frame = 0; frame < kFrames; ++frame) {
    plain->Frame();
    marked->Frame();
    most = std::max(most, marked->TyreMarks->Count());
    const TPlayer &a = *plain->Race.Player, &b = *marked->Race.Player;
    ASSERT_EQ(a.Speed, b.Speed) << "frame " << frame;
    ASSERT_EQ(a.Direction, b.Direction) << "frame " << frame;
    ASSERT_EQ(plain->Race.PlayerProgress, marked->Race.PlayerProgress) << "frame " << frame;
    for (int i = 0; i < plain->Race.OpponentCount; ++i) {
      ASSERT_EQ(plain->Race.Opponents[size_t(i)]->X(), marked->Race.Opponents[size_t(i)]->X()) << frame;
      ASSERT_EQ(plain->Race.Opponents[size_t(i)]->Y(), marked->Race.Opponents[size_t(i)]->Y()) << frame;
    }
  }
  EXPECT_GT(most, 100u) << "the cars brake into the bends and slide through them";
}

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/GameConstants.h"
#include "race/GameProcedures.h"
#include "race/GhostCar.h"
#include "race/Player.h"
#include "race/RaceSimulation.h"

namespace {

constexpr int kTrack = 0;
constexpr uint32_t kTrackFileSize = 1234;  // any guard: these laps are never written
constexpr uint32_t kSeed = 5;

// The first track as a time trial: the player's car alone, driven by the autopilot.
class GhostLapTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(GameImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data2.oil"));
    ASSERT_TRUE(MenuImages.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data1.oil"));
  }

  static std::unique_ptr<TRaceSimulation> TimeTrial() {
    TTrack track = kTrackCatalogue[kTrack];
    track.Rivals = 0;
    const std::string dataFile(track.DataFile);
    const std::string file =
        std::string(MORVEL_GAME_DIR) + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
    auto race = std::make_unique<TRaceSimulation>(track, file, 2, kSeed, Messages, GameImages, MenuImages);
    EXPECT_EQ(race->Error, "");
    return race;
  }

  static TPointD GhostCentre(const TGhostCar& ghost) {
    return {ghost.X() + ghost.Width() / 2.0, ghost.Y() + ghost.Height() / 2.0};
  }

  static inline TMessageBoxes Messages{true};
  static inline TOmegaImageList GameImages{Messages};
  static inline TOmegaImageList MenuImages{Messages};
};

}  // namespace

// The first whole lap is kept, since the track has none yet, and later laps only when they beat
// it: what is kept is always the player's best lap of the race.
TEST_F(GhostLapTest, KeepsTheBestLapOfTheRace) {
  auto race = TimeTrial();
  race->StartGhost(kTrack, kTrackFileSize, std::nullopt);
  std::optional<TGhostLap> first;
  while (!race->Race.RaceFinished && race->Frames() < 40000) {
    race->Frame();
    if (!first && race->Kept) first = race->Kept;
  }
  ASSERT_TRUE(race->Race.RaceFinished);
  ASSERT_TRUE(first);
  ASSERT_TRUE(race->Kept);
  const TPlayer& player = *race->Race.Player;
  EXPECT_EQ(RaceTimeText(race->Kept->LapTime), RaceTimeText(player.BestLap));
  EXPECT_FALSE(IsBetterTime(first->LapTime, race->Kept->LapTime));
  EXPECT_EQ(race->Kept->Track, kTrack);
  EXPECT_EQ(race->Kept->Car, 2);
  EXPECT_EQ(race->Kept->TrackFileSize, kTrackFileSize);
  // One frame a sample; this race's clock counts one hundredth a frame.
  EXPECT_NEAR(double(race->Kept->Samples.size()), double(TotalHundredths(race->Kept->LapTime)), 2);
}

// The same race driven again with that lap as the ghost: through the lap the ghost was recorded
// in, it lies exactly on the player's car, frame by frame (it touches nothing, so the player
// drives as before), and it starts again from the line at every lap.
TEST_F(GhostLapTest, APlayedBackLapRetracesThePlayersCar) {
  auto first = TimeTrial();
  first->StartGhost(kTrack, kTrackFileSize, std::nullopt);
  while (!first->Kept && first->Frames() < 20000) first->Frame();
  ASSERT_TRUE(first->Kept);
  const TGhostLap lap = *first->Kept;  // lap 1, kept as it ended

  auto again = TimeTrial();
  again->StartGhost(kTrack, kTrackFileSize, lap);
  int compared = 0, restarts = 0, lastLap = 0;
  double worst = 0;
  while (!again->Race.RaceFinished && again->Frames() < 40000) {
    again->Frame();
    const TPlayer& player = *again->Race.Player;
    const TGhostCar* ghost = again->Ghost->Car();
    if (player.Lap != lastLap) {
      lastLap = player.Lap;
      if (player.Lap < 1 || again->Race.RaceFinished) continue;
      ASSERT_NE(ghost, nullptr);
      // A new lap: the ghost is back on the first frame of the best lap, which is this race's
      // own once one of its laps has beaten the first race's.
      const TGhostLap& driven = again->Kept ? *again->Kept : lap;
      const TPointD anchor = TrackAnchor(again->Race);
      const TPointD start = GhostCentre(*ghost);
      EXPECT_NEAR(start.X, anchor.X + driven.Samples[0].X, 0.01);
      EXPECT_NEAR(start.Y, anchor.Y + driven.Samples[0].Y, 0.01);
      ++restarts;
    }
    if (player.Lap != 1 || !ghost) continue;
    const TPointD ghostCentre = GhostCentre(*ghost), playerCentre = player.Centre();
    worst = std::max(worst, std::hypot(ghostCentre.X - playerCentre.X, ghostCentre.Y - playerCentre.Y));
    EXPECT_FLOAT_EQ(ghost->Angle, player.Angle);
    EXPECT_EQ(ghost->PatternIndex(), player.PatternIndex());
    EXPECT_EQ(again->Ghost->PlayerGap(), 0);
    ++compared;
  }
  EXPECT_EQ(compared, int(lap.Samples.size()));
  EXPECT_LT(worst, 0.01);
  EXPECT_EQ(restarts, kTrackCatalogue[kTrack].Laps);
  EXPECT_TRUE(again->Ghost->Car()->Visible || again->Race.RaceFinished);
}

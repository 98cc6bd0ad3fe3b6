#include <gtest/gtest.h>

#include <filesystem>

#include "race/GameProcedures.h"
#include "shell/SettingsFiles.h"
#include "state/FormInFolder.h"

TEST_F(FormInFolder, WithoutFilesTheGameStartsFresh) {
  Form.FormCreate();
  const TGameState& state = Form.State;
  EXPECT_FALSE(state.FullScreen);
  EXPECT_FALSE(Video.FullScreen);
  EXPECT_TRUE(state.MusicOn);
  EXPECT_TRUE(state.SoundOn);
  EXPECT_EQ(state.PlayerName, "");
  EXPECT_EQ(state.TotalScore, 0);
  EXPECT_EQ(state.Catalogue.TargetScore, 300);
  EXPECT_EQ(state.Catalogue.UnlockStage, 0);
  for (int i = 0; i < kTrackCount; ++i) {
    EXPECT_EQ(state.Catalogue.Tracks[size_t(i)].Available, i < 3) << i;
    EXPECT_EQ(state.Catalogue.Tracks[size_t(i)].BestTime.Minutes, 1000) << i;
  }
  for (int i = 0; i < kCarCount; ++i) EXPECT_EQ(state.Catalogue.Cars[size_t(i)].Available, i < 2) << i;
  EXPECT_EQ(state.Catalogue.Tracks[0].DataFile, "Data\\data4.prd");
  EXPECT_EQ(state.HighScores[9].Name, "Anonymous");
  EXPECT_EQ(state.HighScores[9].Score, "100");
  EXPECT_FALSE(std::filesystem::exists("Config.cfg"));  // starting writes nothing
}

TEST_F(FormInFolder, TheFilesSetTheDisplayTheProgressAndTheAvailableEntries) {
  TGameState saved;
  FillTrackCatalogue(saved.Catalogue);
  saved.FullScreen = true;
  saved.MusicOn = false;
  saved.PlayerName = "Racer";
  saved.HighScores[0].Name = "Best";
  saved.TotalScore = 2300;
  saved.Catalogue.TracksAvailable = 7;
  saved.Catalogue.CarsAvailable = 4;
  saved.Catalogue.TargetScore = 2700;
  saved.Catalogue.UnlockStage = 4;
  saved.Catalogue.Tracks[2].BestTime = {12, 34, 1};
  ASSERT_TRUE(SaveSettings(saved));
  ASSERT_TRUE(SaveProgress(saved));

  Form.FormCreate();
  const TGameState& state = Form.State;
  EXPECT_TRUE(state.AppliedFullScreen);
  EXPECT_TRUE(Form.OmegaScreen1.FullScreen());
  EXPECT_TRUE(Video.FullScreen);
  EXPECT_FALSE(state.MusicOn);
  EXPECT_EQ(state.PlayerName, "Racer");
  EXPECT_EQ(state.HighScores[0].Name, "Best");
  EXPECT_EQ(state.TotalScore, 2300);
  EXPECT_EQ(state.Catalogue.TargetScore, 2700);
  EXPECT_EQ(state.Catalogue.UnlockStage, 4);
  EXPECT_EQ(state.Catalogue.Tracks[2].BestTime.Seconds, 34);
  EXPECT_EQ(state.Catalogue.Tracks[3].BestTime.Minutes, 1000);
  for (int i = 0; i < kTrackCount; ++i) EXPECT_EQ(state.Catalogue.Tracks[size_t(i)].Available, i < 7) << i;
  for (int i = 0; i < kCarCount; ++i) EXPECT_EQ(state.Catalogue.Cars[size_t(i)].Available, i < 4) << i;
}

TEST_F(FormInFolder, AnEmptySettingsFileStartsInFullScreen) {
  WriteBytes("Config.cfg", "");
  Form.FormCreate();
  EXPECT_TRUE(Form.State.FullScreen);
  EXPECT_TRUE(Video.FullScreen);
  EXPECT_TRUE(Form.State.MusicOn);
}

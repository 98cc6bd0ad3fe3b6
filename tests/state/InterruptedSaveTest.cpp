#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "race/GameProcedures.h"
#include "shell/SettingsFiles.h"
#include "state/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// The state of the game at its version-th save: every value that the files keep moves with the
// version, and the texts change their length, so a file cut short or mixed from two saves shows.
TGameState VersionOfState(int version) {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  state.FullScreen = version % 2 == 0;
  state.MusicOn = version % 3 == 0;
  state.PlayerName = "DRIVER" + std::string(size_t(version % 17), 'X');
  state.AddText = std::string(size_t(version % 29), 'O');
  state.HighScores[0].Score = std::to_string(version);
  state.HighScores[9].Name = std::string(size_t(version % 11), 'Z');
  state.TotalScore = version;
  state.Catalogue.Tracks[24].BestTime.Minutes = -version;
  return state;
}

// Saves one version after another until it is killed.
[[noreturn]] void SaveForever(const fs::path& folder, int firstVersion) {
  for (int version = firstVersion;; ++version) {
    const TGameState state = VersionOfState(version);
    SaveSettings(state, folder / kSettingsFileName);
    SaveProgress(state, folder / kProgressFileName);
  }
}

// The version a file holds, when it holds one of the saved versions byte for byte; 0 otherwise.
int SettingsVersion(const fs::path& file) {
  TGameState loaded;
  if (!LoadSettings(loaded, file)) return 0;
  const int version = std::atoi(loaded.HighScores[0].Score.c_str());
  return ReadBytes(file) == SettingsFileText(VersionOfState(version)) ? version : 0;
}

int ProgressVersion(const fs::path& file) {
  TGameState loaded = VersionOfState(0);
  if (!LoadProgress(loaded, file)) return 0;
  const int version = loaded.TotalScore;
  return ReadBytes(file) == ProgressFileText(VersionOfState(version)) ? version : 0;
}

TEST(InterruptedSave, KillingTheGameMidSaveLeavesOneWholeVersionOfEachFile) {
  TTempFolder folder;
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> delayMicroseconds(500, 30000);
  int lastSettings = 0, lastProgress = 0, changes = 0;
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE(round);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(folder.Folder(), 1 + round * 10000);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    // Before the first save of the first round the files may not exist yet; once they do, each
    // must hold a whole version.
    if (!fs::exists(folder / kSettingsFileName) && lastSettings == 0) continue;
    const int settings = SettingsVersion(folder / kSettingsFileName);
    ASSERT_GT(settings, 0) << "Config.cfg holds no whole version";
    if (!fs::exists(folder / kProgressFileName) && lastProgress == 0) continue;
    const int progress = ProgressVersion(folder / kProgressFileName);
    ASSERT_GT(progress, 0) << "Configdat.cfg holds no whole version";
    changes += settings != lastSettings || progress != lastProgress;
    lastSettings = settings;
    lastProgress = progress;
  }
  // The kills must have come while the saves were going on, not only before the first one.
  EXPECT_GT(changes, 10);

  // A temporary file left by a kill neither stops the next save nor is read by the next start.
  const TGameState next = VersionOfState(10000000);
  ASSERT_TRUE(SaveSettings(next, folder / kSettingsFileName));
  ASSERT_TRUE(SaveProgress(next, folder / kProgressFileName));
  EXPECT_EQ(SettingsVersion(folder / kSettingsFileName), 10000000);
  EXPECT_EQ(ProgressVersion(folder / kProgressFileName), 10000000);
}

}  // namespace

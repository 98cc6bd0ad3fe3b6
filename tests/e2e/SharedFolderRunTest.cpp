// Two copies of the game on one folder: only the first saves there.
#include <gtest/gtest.h>

#include <fstream>

#include "e2e/GameRun.h"
#include "shell/SettingsFiles.h"
#include "shell/SettingsLock.h"

namespace fs = std::filesystem;

namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// A name, then Escape and Enter on the main menu: the quit dialog's "yes" saves both files.
int RunAndQuit(TGameRun& game) {
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script)
      << "500 text Ann\n560 down 13\n561 up 13\n600 down 27\n601 up 27\n620 down 13\n621 up 13\n";
  return game.Run(
      {"--headless", "--render", "null", "--virtual-clock", "--frames", "700", "--script", script.string()});
}

}  // namespace

TEST(SharedFolderRun, ASecondCopyRunsWithoutSavingAndSaysSoOnce) {
  TGameRun game;
  constexpr const char* kSaying = "already running from this folder";
  {
    TSettingsLock firstCopy;  // this test stands for the copy started first
    ASSERT_EQ(firstCopy.Acquire(game.Folder()), TSettingsLock::TState::Held);
    EXPECT_EQ(RunAndQuit(game), 0) << game.Stderr();
    EXPECT_EQ(Count(game.Stderr(), kSaying), 1u) << game.Stderr();
    EXPECT_FALSE(fs::exists(game.Folder() / kSettingsFileName));
    EXPECT_FALSE(fs::exists(game.Folder() / kProgressFileName));
  }
  // Once the first copy has ended, the next one saves.
  EXPECT_EQ(RunAndQuit(game), 0) << game.Stderr();
  EXPECT_EQ(Count(game.Stderr(), kSaying), 0u) << game.Stderr();
  TGameState saved;
  EXPECT_TRUE(LoadSettings(saved, game.Folder() / kSettingsFileName));
  EXPECT_EQ(saved.PlayerName, "Ann");
  EXPECT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
}

// A folder in place of "Config.cfg": the name entry and the quit dialog both try to save. The
// failure is told once, naming the file the player knows, and the player is told once too.
TEST(SharedFolderRun, AFailedSaveIsToldOnceNamingTheFile) {
  TGameRun game;
  fs::create_directory(game.Folder() / kSettingsFileName);
  EXPECT_EQ(RunAndQuit(game), 0) << game.Stderr();
  EXPECT_EQ(Count(game.Stderr(), "cannot write \"Config.cfg\""), 1u) << game.Stderr();
  EXPECT_EQ(Count(game.Stderr(), ".tmp"), 0u) << game.Stderr();
  EXPECT_EQ(Count(game.Stderr(), "cannot be saved"), 1u) << game.Stderr();
  TGameState saved;
  EXPECT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));  // the other file is saved
}

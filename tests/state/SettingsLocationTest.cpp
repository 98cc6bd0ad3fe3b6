#include "shell/SettingsLocation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "race/GameProcedures.h"
#include "shell/SettingsFiles.h"
#include "state/EnvironmentVariable.h"
#include "state/TempFolder.h"

namespace fs = std::filesystem;

namespace {

using TMaybeText = std::optional<std::string>;

struct TPlayerFolderCase {
  TMaybeText DataHome;
  TMaybeText Home;
  std::optional<fs::path> Expected;
};

TEST(PlayerDataFolder, FollowsTheDataHomeThenTheHomeFolder) {
  const TPlayerFolderCase cases[] = {
      {"/srv/data", "/home/ann", fs::path("/srv/data/morvel-racing")},
      {std::nullopt, "/home/ann", fs::path("/home/ann/.local/share/morvel-racing")},
      {"", "/home/ann", fs::path("/home/ann/.local/share/morvel-racing")},
      {"relative/data", "/home/ann", fs::path("/home/ann/.local/share/morvel-racing")},
      {"/srv/data", std::nullopt, fs::path("/srv/data/morvel-racing")},
      {std::nullopt, std::nullopt, std::nullopt},
      {std::nullopt, "relative", std::nullopt},
  };
  for (const TPlayerFolderCase& c : cases) {
    SCOPED_TRACE(c.DataHome.value_or("(unset)") + " " + c.Home.value_or("(unset)"));
    TEnvironmentVariable dataHome("XDG_DATA_HOME", c.DataHome);
    TEnvironmentVariable home("HOME", c.Home);
    EXPECT_EQ(PlayerDataFolder(), c.Expected);
  }
}

// A game folder and a player's folder, either of which may already hold the file.
struct TLocationCase {
  const char* Name;
  bool Writable;
  bool HasPlayerFolder;
  bool BesideGame;
  bool InPlayerFolder;
  bool ReadsBesideGame;
  bool WritesBesideGame;
};

TEST(ChooseSettingsPaths, KeepsTheFilesBesideAWritableGameElseInThePlayersFolder) {
  const TLocationCase cases[] = {
      {"game as built", true, true, true, true, true, true},
      {"game as built, fresh", true, true, false, false, true, true},
      {"installed, fresh", false, true, false, false, false, false},
      {"installed, files beside the program", false, true, true, false, true, false},
      {"installed, saved before", false, true, true, true, false, false},
      {"installed, only the player's", false, true, false, true, false, false},
      {"installed, no home", false, false, true, false, true, true},
  };
  for (const TLocationCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTempFolder folder;
    const fs::path game = folder / "game", player = folder / "player";
    fs::create_directories(game);
    fs::create_directories(player);
    if (c.BesideGame) WriteBytes(game / "Config.cfg", "old");
    if (c.InPlayerFolder) WriteBytes(player / "Config.cfg", "own");
    const TSettingsPaths paths = ChooseSettingsPaths(
        game, c.Writable, c.HasPlayerFolder ? std::optional(player) : std::nullopt, "Config.cfg");
    EXPECT_EQ(paths.Read, (c.ReadsBesideGame ? game : player) / "Config.cfg");
    EXPECT_EQ(paths.Write, (c.WritesBesideGame ? game : player) / "Config.cfg");
  }
}

TGameState FreshState() {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  return state;
}

// The game's files as the game saves them, from the game folder as working directory.
class SettingsInGameFolder : public ::testing::Test {
 protected:
  SettingsInGameFolder() {
    fs::create_directories(Game);
    fs::current_path(Game);
  }
  ~SettingsInGameFolder() override {
    fs::current_path(Previous);
    fs::permissions(Game, fs::perms::owner_all);
  }

  TTempFolder Folder;
  fs::path Game = Folder / "game";
  fs::path Player = Folder / "data" / "morvel-racing";
  fs::path Previous = fs::current_path();
  TEnvironmentVariable DataHome{"XDG_DATA_HOME", (Folder / "data").string()};
};

TEST_F(SettingsInGameFolder, AWritableGameKeepsItsFilesBesideTheProgram) {
  TGameState saved = FreshState();
  saved.PlayerName = "ANN";
  saved.TotalScore = 120;
  ASSERT_TRUE(SaveSettings(saved));
  ASSERT_TRUE(SaveProgress(saved));
  EXPECT_TRUE(fs::exists(Game / kSettingsFileName));
  EXPECT_TRUE(fs::exists(Game / kProgressFileName));
  EXPECT_FALSE(fs::exists(Player));
  TGameState loaded = FreshState();
  ASSERT_TRUE(LoadSettings(loaded));
  ASSERT_TRUE(LoadProgress(loaded));
  EXPECT_EQ(loaded.PlayerName, "ANN");
  EXPECT_EQ(loaded.TotalScore, 120);
}

// A player who may not write the game folder, as with a game installed by the system. The super
// user may write anywhere, so then the check runs as the unprivileged "nobody".
bool BecomePlayerWhoCannotWrite(const fs::path& game, const fs::path& dataHome) {
  fs::permissions(game, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  if (::geteuid() != 0) return ::access(game.c_str(), W_OK) != 0;
  constexpr uid_t kNobody = 65534;
  return ::chown(dataHome.c_str(), kNobody, kNobody) == 0 && ::setgid(kNobody) == 0 &&
         ::setuid(kNobody) == 0 && ::access(game.c_str(), W_OK) != 0;
}

// Reads the old files beside the program, saves to the player's folder, then reads those back.
// Runs in a child process, which says what went wrong and exits with 1.
void CarryOverToThePlayersFolder(const fs::path& game, const fs::path& player) {
  auto fail = [](const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
  };
  TGameState state = FreshState();
  if (!LoadSettings(state) || state.PlayerName != "ANN")
    fail("the settings beside the program were not read");
  if (!LoadProgress(state) || state.TotalScore != 120) fail("the progress beside the program was not read");
  state.PlayerName = "BOB";
  state.TotalScore = 450;
  if (!SaveSettings(state) || !SaveProgress(state)) fail("saving to the player's folder failed");
  if (!fs::exists(player / kSettingsFileName) || !fs::exists(player / kProgressFileName))
    fail("the saves are not in the player's folder");
  TGameState old = FreshState();
  if (!LoadSettings(old, game / kSettingsFileName) || old.PlayerName != "ANN")
    fail("the file beside the program changed");
  TGameState next = FreshState();
  if (!LoadSettings(next) || next.PlayerName != "BOB")
    fail("the next start did not read the player's settings");
  if (!LoadProgress(next) || next.TotalScore != 450)
    fail("the next start did not read the player's progress");
  std::exit(0);
}

TEST_F(SettingsInGameFolder, AReadOnlyGameCarriesItsFilesOverToThePlayersFolder) {
  TGameState old = FreshState();
  old.PlayerName = "ANN";
  old.TotalScore = 120;
  ASSERT_TRUE(SaveSettings(old));
  ASSERT_TRUE(SaveProgress(old));
  fs::create_directories(Folder / "data");
  fs::permissions(Folder.Folder(), fs::perms::all);
  EXPECT_EXIT(
      {
        if (!BecomePlayerWhoCannotWrite(Game, Folder / "data")) {
          std::fprintf(stderr, "cannot take away the right to write the game folder\n");
          std::exit(2);
        }
        CarryOverToThePlayersFolder(Game, Player);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

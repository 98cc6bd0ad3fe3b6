#include <gtest/gtest.h>

#include <fstream>

#include "ClosingScreenFiles.h"
#include "e2e/GameRun.h"
#include "shell/SettingsFiles.h"

// A player's whole way through the menus by keys alone: the intro runs out, a name is typed and
// taken with Enter, Escape on the main menu asks to quit and Enter quits. The closing screen
// follows; once its countdown has run out its exit button ends the game, long before its frame
// limit, with both files written and every picture found.
TEST(MenusRun, TypingANameAndQuittingByKeysEndsTheGameWithItsFilesWritten) {
  TGameRun game;
  ASSERT_TRUE(WriteClosingScreen(game.Folder()));  // a build given the publisher's addresses
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script) << "300 down 27\n301 up 27\n"  // ignored by the intro
                        << "500 text Ann\n560 down 13\n561 up 13\n"
                        << "600 down 27\n601 up 27\n620 down 13\n621 up 13\n"
                        << "700 click 660 498\n"    // the exit button is not ready yet
                        << "1100 click 660 498\n";  // 400 frames of countdown later it is
  const auto closing = game.Folder() / "closing.png", late = game.Folder() / "late.png";
  ASSERT_EQ(game.Run({"--headless", "--render", "software", "--virtual-clock", "--frames", "5000", "--script",
                      script.string(), "--screenshot", "900:" + closing.string(), "--screenshot",
                      "1200:" + late.string()}),
            0)
      << game.Stderr();
  EXPECT_TRUE(std::filesystem::exists(closing));  // the early click did not end it
  EXPECT_FALSE(std::filesystem::exists(late));    // the game had ended before that frame
  EXPECT_EQ(game.Stderr().find("no picture named"), std::string::npos) << game.Stderr();
  TGameState saved;
  ASSERT_TRUE(LoadSettings(saved, game.Folder() / "Config.cfg"));
  EXPECT_EQ(saved.PlayerName, "Ann");
  EXPECT_TRUE(LoadProgress(saved, game.Folder() / "Configdat.cfg"));
}

// A build given no publisher's addresses has no closing screen: Enter in the quit dialog ends the game
// at once, with its files written.
TEST(MenusRun, WithoutTheClosingScreenQuittingEndsTheGameAtOnce) {
  TGameRun game;
  std::filesystem::remove_all(game.Folder() / "wdata");
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script) << "500 text Ann\n560 down 13\n561 up 13\n"
                        << "600 down 27\n601 up 27\n620 down 13\n621 up 13\n";
  const auto late = game.Folder() / "late.png";
  ASSERT_EQ(game.Run({"--headless", "--render", "software", "--virtual-clock", "--frames", "5000", "--script",
                      script.string(), "--screenshot", "640:" + late.string()}),
            0)
      << game.Stderr();
  EXPECT_FALSE(std::filesystem::exists(late));
  TGameState saved;
  EXPECT_TRUE(LoadProgress(saved, game.Folder() / "Configdat.cfg"));
}

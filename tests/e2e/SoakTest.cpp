#include <gtest/gtest.h>

#include "ClosingScreenFiles.h"
#include "e2e/GameRun.h"
#include "race/GameConstants.h"
#include "shell/SettingsFiles.h"

// Fifty races back to back through the menus: the track and car selection, an autopilot race,
// the results and the score question, the main menu, fifty times, then quit. The script waits for
// each screen, and a run that quits or is cut off while its script still waits says so on stderr;
// the null device's refusal of the late screenshot would show a game still running at frame
// 599999. Built with the sanitizers, a leak or a memory error fails the run's exit code. Memory
// from race to race is measured by bench/soak_memory.sh (bench/RESULTS.md).
TEST(Soak, FiftyRacesThroughTheMenusEndCleanly) {
  TGameRun game;
  ASSERT_TRUE(WriteClosingScreen(game.Folder()));  // a build given the publisher's addresses
  ASSERT_EQ(game.Run({"--headless", "--render", "null", "--virtual-clock", "--seed", "1", "--autopilot",
                      "--script", MORVEL_SOAK_SCRIPT, "--frames", "600000", "--screenshot",
                      "599999:" + (game.Folder() / "late.png").string()}),
            0)
      << game.Stderr();
  EXPECT_EQ(game.Stderr(), "");

  TGameState saved;
  ASSERT_TRUE(LoadSettings(saved, game.Folder() / kSettingsFileName));
  ASSERT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
  EXPECT_EQ(saved.PlayerName, "Soak");
  EXPECT_GT(saved.TotalScore, 0);
  EXPECT_LT(saved.Catalogue.Tracks[0].BestTime.Minutes, kNoBestTimeMinutes);
}

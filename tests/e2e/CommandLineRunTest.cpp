#include <gtest/gtest.h>

#include "e2e/GameRun.h"

TEST(CommandLineRun, HelpAndVersionAnswerAndEnd) {
  TGameRun game;
  ASSERT_EQ(game.Run({"--version"}), 0);
  EXPECT_EQ(game.Stdout(), "morvel-racing " MORVEL_VERSION "\n");
  ASSERT_EQ(game.Run({"--help"}), 0);
  EXPECT_NE(game.Stdout().find("--race TRACK:CAR"), std::string::npos) << game.Stdout();
}

TEST(CommandLineRun, ARaceOutsideTheCataloguesIsRefused) {
  TGameRun game;
  for (const char* race : {"12:0", "0:5"}) {
    EXPECT_EQ(game.Run({"--headless", "--render", "null", "--race", race}), 2) << race;
    EXPECT_NE(game.Stderr().find("--race"), std::string::npos) << game.Stderr();
  }
}

#include "shell/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, ReadsTheAutomationOptions) {
  TCommandLine options;
  std::string error;
  ASSERT_TRUE(ParseCommandLine(
      {"--headless", "--render", "software", "--virtual-clock", "--seed", "42", "--frames", "900", "--script",
       "in.txt", "--screenshot", "9:a.png", "--screenshot", "20:dir/b:c.png", "--data-dir", "/tmp/game", "--race", "11:4",
       "--autopilot", "--trace", "t.csv"},
      options, error))
      << error;
  EXPECT_TRUE(options.Headless);
  EXPECT_EQ(options.Render, THeadlessRender::Software);
  EXPECT_TRUE(options.VirtualClock);
  EXPECT_EQ(options.Seed, 42u);
  EXPECT_EQ(options.Frames, 900);
  EXPECT_EQ(options.ScriptPath, "in.txt");
  ASSERT_EQ(options.Screenshots.size(), 2u);
  EXPECT_EQ(options.Screenshots[0].Frame, 9);
  EXPECT_EQ(options.Screenshots[1].Path, "dir/b:c.png");
  EXPECT_EQ(options.DataDir, "/tmp/game");
  ASSERT_TRUE(options.RaceRun.Race);
  EXPECT_EQ(options.RaceRun.Race->Track, 11);
  EXPECT_EQ(options.RaceRun.Race->Car, 4);
  EXPECT_TRUE(options.RaceRun.Autopilot);
  EXPECT_EQ(options.RaceRun.TracePath, "t.csv");
}

TEST(CommandLine, ReadsTheDifficultyByName) {
  for (const auto& [text, level] :
       {std::pair{"easy", TDifficulty::Easy}, std::pair{"HARD", TDifficulty::Hard}}) {
    TCommandLine options;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--race", "0:0", "--difficulty", text}, options, error)) << error;
    EXPECT_EQ(options.RaceRun.Difficulty, level) << text;
  }
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"--difficulty"}, {"--difficulty", "insane"}}) {
    TCommandLine options;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, options, error));
    EXPECT_NE(error.find("--difficulty"), std::string::npos) << error;
  }
}

TEST(CommandLine, HelpAndVersionAreAnswered) {
  TCommandLine options;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"--help", "--version"}, options, error)) << error;
  EXPECT_TRUE(options.Help);
  EXPECT_TRUE(options.Version);
}

TEST(CommandLine, NoArgumentsIsThePlayersGame) {
  TCommandLine options;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({}, options, error));
  EXPECT_FALSE(options.Headless);
  EXPECT_FALSE(options.VirtualClock);
  EXPECT_FALSE(options.Frames);
  EXPECT_FALSE(options.RaceRun.Difficulty);  // the options' level
}

TEST(CommandLine, RejectsBadArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {"--render", "vulkan"}, {"--seed", "x"},         {"--frames", "-1"},     {"--frames"},
      {"--screenshot", "9"},  {"--screenshot", "x:a"}, {"--screenshot", "9:"}, {"--fast"},
      {"--race", "3"},        {"--race", "3:x"},       {"--race", "-1:0"},     {"--trace"},
  };
  for (const auto& args : bad) {
    TCommandLine options;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, options, error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

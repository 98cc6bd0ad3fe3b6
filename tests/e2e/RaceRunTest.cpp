#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "e2e/GameRun.h"
#include "platform/Png.h"
#include "race/GameConstants.h"

namespace {

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int CountMatches(const std::string& text, const std::regex& pattern) {
  return int(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

// A race without menus, driven by the autopilot, on the null renderer.
std::vector<std::string> RaceArgs(int track, int car, const std::string& trace) {
  return {"--headless",  "--render", "null",   "--virtual-clock",
          "--seed",      "5",        "--race", std::to_string(track) + ":" + std::to_string(car),
          "--autopilot", "--frames", "40000",  "--trace",
          trace};
}

}  // namespace

TEST(RaceRun, AnAutopilotRaceEndsWithTheFinishAndEveryCarInTheResults) {
  TGameRun game;
  const int track = 2;
  ASSERT_EQ(game.Run(RaceArgs(track, 1, (game.Folder() / "trace.csv").string())), 0) << game.Stderr();
  const std::string& out = game.Stdout();
  EXPECT_EQ(
      CountMatches(out, std::regex(R"(finish position [1-8] time \d+:\d\d:\d\d best lap \d+:\d\d:\d\d\n)")),
      1)
      << out;
  const int cars = kTrackCatalogue[track].Rivals + 1;
  EXPECT_EQ(CountMatches(out, std::regex(R"(place [1-8] car (\d|100) time \d+:\d\d:\d\d\n)")), cars) << out;
  EXPECT_EQ(CountMatches(out, std::regex("car 100 ")), 1) << out;
  // Every picture the race drew is in the race's package.
  EXPECT_EQ(game.Stderr().find("no picture named"), std::string::npos) << game.Stderr();
}

TEST(RaceRun, TheSameSeedGivesTheSameRace) {
  TGameRun first, second;
  const auto firstTrace = first.Folder() / "trace.csv", secondTrace = second.Folder() / "trace.csv";
  ASSERT_EQ(first.Run(RaceArgs(5, 3, firstTrace.string())), 0) << first.Stderr();
  ASSERT_EQ(second.Run(RaceArgs(5, 3, secondTrace.string())), 0) << second.Stderr();
  const std::string trace = FileText(firstTrace);
  EXPECT_GT(std::count(trace.begin(), trace.end(), '\n'), 1000);
  EXPECT_EQ(trace, FileText(secondTrace));
  EXPECT_EQ(first.Stdout(), second.Stdout());
}

// A race that cannot start (its track file is cut short, its trace cannot be written) is
// reported and the run fails before racing.
TEST(RaceRun, ARunThatCannotStartIsReportedAndFails) {
  TGameRun cutTrack, noTraceFolder;
  std::filesystem::resize_file(cutTrack.Folder() / "Data" / "data5.prd", 7);
  const std::vector<std::string> args = {"--headless", "--render", "null",     "--virtual-clock",
                                         "--race",     "2:0",      "--frames", "100"};
  EXPECT_EQ(cutTrack.Run(args), 1);
  EXPECT_NE(cutTrack.Stderr().find("data5.prd"), std::string::npos) << cutTrack.Stderr();
  std::vector<std::string> traced = args;
  traced.insert(traced.end(), {"--trace", (noTraceFolder.Folder() / "missing" / "trace.csv").string()});
  EXPECT_EQ(noTraceFolder.Run(traced), 1);
  EXPECT_NE(noTraceFolder.Stderr().find("cannot write the trace file"), std::string::npos)
      << noTraceFolder.Stderr();
  for (const TGameRun* game : {&cutTrack, &noTraceFolder})
    EXPECT_EQ(game->Stdout().find("place"), std::string::npos);
}

// Without the autopilot the player's car never leaves the start: once its race clock passes an
// hour the run gives up with exit code 2, and the cars that did finish are in the results.
TEST(RaceRun, ARaceThatDoesNotEndWithinAnHourEndsTheRun) {
  TGameRun game;
  EXPECT_EQ(game.Run({"--headless", "--render", "null", "--virtual-clock", "--seed", "5", "--race", "0:0"}),
            2);
  EXPECT_NE(game.Stderr().find("the race did not end"), std::string::npos) << game.Stderr();
  EXPECT_EQ(game.Stdout().find("finish position"), std::string::npos) << game.Stdout();
  EXPECT_EQ(CountMatches(game.Stdout(), std::regex("car 100 ")), 0) << game.Stdout();
  EXPECT_EQ(CountMatches(game.Stdout(), std::regex(R"(place [1-8] car \d time \d+:\d\d:\d\d\n)")),
            kTrackCatalogue[0].Rivals)
      << game.Stdout();
}

// A race that is left, or paused for good, can never end: the run ends all the same, as a race
// that runs past the hour does. The pause stops the race clock, so the frames count it.
TEST(RaceRun, ARaceLeftOrPausedForGoodEndsTheRun) {
  const struct {
    const char* What;
    const char* Script;
  } cases[] = {
      {"left", "400 down 27\n401 up 27\n430 down 13\n431 up 13\n"},
      {"paused", "400 down 80\n401 up 80\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TGameRun game;
    const auto script = game.Folder() / "input.txt";
    std::ofstream(script) << c.Script;
    EXPECT_EQ(game.Wait(game.Start({"--headless", "--render", "null", "--virtual-clock", "--seed", "5",
                                    "--race", "0:0", "--script", script.string()}),
                        std::chrono::minutes(5)),
              2);
    EXPECT_NE(game.Stderr().find("the race did not end"), std::string::npos) << game.Stderr();
    EXPECT_EQ(game.Stdout().find("finish position"), std::string::npos) << game.Stdout();
  }
}

TEST(RaceRun, AStartScreenshotShowsTheLightsAndTheDashboard) {
  TGameRun game;
  const auto shot = game.Folder() / "start.png";
  ASSERT_EQ(game.Run({"--headless", "--virtual-clock", "--seed", "2", "--race", "0:0", "--frames", "200",
                      "--screenshot", "199:" + shot.string()}),
            0)
      << game.Stderr();
  std::string error;
  const auto picture = ReadPngFile(shot.string(), error);
  ASSERT_TRUE(picture) << error;
  auto channel = [&](int x, int y, int shift) { return int((picture->At(x, y) >> shift) & 0xFF); };
  // Red and yellow are lit, green is not yet.
  EXPECT_GT(channel(326, 95, 16), 2 * channel(326, 95, 8));
  EXPECT_GT(channel(395, 95, 8), 2 * channel(395, 95, 0));
  EXPECT_LT(channel(465, 95, 8), 120);
  EXPECT_EQ(game.Stderr().find("no picture named"), std::string::npos) << game.Stderr();
}

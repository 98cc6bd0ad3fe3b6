#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "e2e/GameRun.h"
#include "platform/GamePath.h"
#include "race/GameConstants.h"
#include "race/GhostFile.h"
#include "shell/GhostStore.h"

namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> TimeTrialArgs(const std::string& frames) {
  return {"--headless", "--render", "null",         "--virtual-clock", "--seed",   "5",
          "--race",     "0:1",      "--time-trial", "--autopilot",     "--frames", frames};
}

}  // namespace

// A time trial through the real program: the player's car alone over the catalogue's laps, its
// best lap kept in the track's file beside the settings, guarded by the track file's size. A
// damaged file is named in one line on stderr and the race goes on without a ghost.
TEST(GhostRun, ATimeTrialKeepsItsBestLapForTheNextRace) {
  TGameRun game;
  ASSERT_EQ(game.Run(TimeTrialArgs("40000")), 0) << game.Stderr();
  EXPECT_EQ(game.Stderr(), "");
  const std::string& out = game.Stdout();
  std::smatch best;
  ASSERT_TRUE(std::regex_search(out, best, std::regex(R"(best lap (\d+:\d\d:\d\d))"))) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex(R"(place 1 car 100 time)"))) << out;
  EXPECT_FALSE(std::regex_search(out, std::regex(R"(place 2)"))) << out;

  const std::filesystem::path file = game.Folder() / GhostFileName(0);
  const auto trackFileSize =
      uint32_t(std::filesystem::file_size(game.Folder() / NativePath(kTrackCatalogue[0].DataFile)));
  std::string bytes = FileBytes(file);
  const TGhostFileResult kept = ReadGhostFile(bytes, 0, trackFileSize);
  ASSERT_TRUE(kept.Lap) << kept.Error;
  EXPECT_EQ(kept.Lap->Car, 1);
  EXPECT_EQ(RaceTimeText(kept.Lap->LapTime), best[1].str());
  EXPECT_GT(kept.Lap->Samples.size(), 300u);

  bytes[bytes.size() / 2] ^= 0x40;
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  ASSERT_EQ(game.Run(TimeTrialArgs("600")), 0) << game.Stderr();
  const std::string& said = game.Stderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(GhostFileName(0)), std::string::npos) << said;
  EXPECT_EQ(FileBytes(file), bytes) << "a damaged file is left as it was";
}

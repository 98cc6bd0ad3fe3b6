// Picture packages that cannot be read: the message names the file, and the player is never
// left stuck: without the menu pictures the game ends, without the race pictures there is no race.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

#include "e2e/GameRun.h"

namespace fs = std::filesystem;

namespace {

struct TDamage {
  const char* What;
  std::function<void(const fs::path&)> Apply;
};

void Fill(const fs::path& file, const std::function<char(size_t)>& byte) {
  const uintmax_t size = fs::file_size(file);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (size_t i = 0; i < size; ++i) out.put(byte(i));
}

const TDamage kDamages[] = {
    {"missing", [](const fs::path& file) { fs::remove(file); }},
    {"empty", [](const fs::path& file) { fs::resize_file(file, 0); }},
    {"cut to half", [](const fs::path& file) { fs::resize_file(file, fs::file_size(file) / 2); }},
    {"zeroed", [](const fs::path& file) { Fill(file, [](size_t) { return '\0'; }); }},
    {"random",
     [](const fs::path& file) {
       std::mt19937 random(15);
       Fill(file, [&random](size_t) { return char(random()); });
     }},
    {"a folder", [](const fs::path& file) {
       fs::remove(file);
       fs::create_directory(file);
     }}};

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

const std::vector<std::string> kHeadless = {"--headless", "--render", "null", "--virtual-clock"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

}  // namespace

TEST(DamagedPackage, WithoutItsMenuPicturesTheGameEndsNamingThePackage) {
  for (const TDamage& damage : kDamages) {
    SCOPED_TRACE(damage.What);
    TGameRun game;
    damage.Apply(game.Folder() / "Data" / "data1.oil");
    EXPECT_EQ(game.Run(With(kHeadless, {"--frames", "100"})), 1);
    EXPECT_NE(game.Stderr().find("Data/data1.oil"), std::string::npos) << game.Stderr();
  }
}

TEST(DamagedPackage, WithoutItsRacePicturesARaceRunEndsNamingThePackage) {
  for (const TDamage& damage : kDamages) {
    SCOPED_TRACE(damage.What);
    TGameRun game;
    damage.Apply(game.Folder() / "Data" / "data2.oil");
    EXPECT_EQ(game.Run(With(kHeadless, {"--race", "0:0", "--autopilot", "--frames", "3000"})), 1);
    EXPECT_NE(game.Stderr().find("Data/data2.oil"), std::string::npos) << game.Stderr();
    EXPECT_EQ(game.Stdout().find("place"), std::string::npos) << game.Stdout();
  }
}

// Through the menus to the car selection and its race button (Enter): the race cannot start, the
// player is told once and stays; Escape then goes back to the track selection, and a second try
// is told again.
TEST(DamagedPackage, WithoutItsRacePicturesThePlayerStaysInTheMenus) {
  for (const TDamage& damage : kDamages) {
    SCOPED_TRACE(damage.What);
    TGameRun game;
    damage.Apply(game.Folder() / "Data" / "data2.oil");
    const auto script = game.Folder() / "input.txt";
    std::ofstream(script) << "500 text Ann\n560 down 13\n561 up 13\n600 wait 4\n"
                          << "60 click 400 272\n70 wait 14\n"       // start game
                          << "60 down 13\n61 up 13\n70 wait 15\n"   // the track
                          << "60 down 13\n61 up 13\n100 wait 15\n"  // the car: no race
                          << "10 down 27\n11 up 27\n40 wait 14\n"   // back to the tracks
                          << "60 down 13\n61 up 13\n70 wait 15\n60 down 13\n61 up 13\n100 wait 15\n";
    EXPECT_EQ(game.Run(With(kHeadless, {"--frames", "3000", "--script", script.string()})), 0)
        << game.Stderr();
    EXPECT_EQ(game.Stderr().find("script: the run ended"), std::string::npos) << game.Stderr();
    EXPECT_EQ(Count(game.Stderr(), "] Cannot be loaded") + Count(game.Stderr(), "] The stream could not"), 2u)
        << game.Stderr();
    EXPECT_EQ(Count(game.Stderr(), "Data/data2.oil: "), 4u) << game.Stderr();  // two lines a try
  }
}

#include <gtest/gtest.h>

#include <fstream>

#include "e2e/GameRun.h"
#include "platform/Png.h"

namespace {

// The pictures F12 left in a folder.
std::vector<std::filesystem::path> Screenshots(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().starts_with("morvel-racing-") && entry.path().extension() == ".png")
      found.push_back(entry.path());
  return found;
}

}  // namespace

// F12 saves the screen for the player: in the pictures folder when there is one, else in the
// game folder.
TEST(ScreenshotKey, F12SavesTheScreenInThePlayersPicturesFolder) {
  TGameRun game;
  const auto pictures = game.Folder() / "pictures";
  std::filesystem::create_directory(pictures);
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script) << "20 down 123\n21 up 123\n";
  const std::vector<std::string> args = {"--headless", "--render", "software", "--virtual-clock",
                                         "--frames",   "30",       "--script", script.string()};
  ASSERT_EQ(game.Run(args, "env XDG_PICTURES_DIR=" + ShellQuote(pictures.string())), 0) << game.Stderr();
  const auto saved = Screenshots(pictures);
  ASSERT_EQ(saved.size(), 1u);
  std::string error;
  const auto picture = ReadPngFile(saved[0].string(), error);
  ASSERT_TRUE(picture) << error;
  EXPECT_EQ(picture->Width, 800);
  EXPECT_EQ(picture->Height, 600);

  ASSERT_EQ(game.Run(args, "env -u XDG_PICTURES_DIR HOME=/nonexistent"), 0) << game.Stderr();
  EXPECT_EQ(Screenshots(game.Folder()).size(), 1u);
}

#include <gtest/gtest.h>

#include "PixelChecks.h"

#include "e2e/GameRun.h"

#include <cstdlib>
#include <fstream>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/MessageBox.h"
#include "platform/Png.h"
#include "platform/RecordingRenderDevice.h"
#include "platform/VideoSystem.h"

// The intro drawn off screen by OpenGL and by the software renderer: the splash picture lies
// on top at its place, texel for texel, over the splash background.
class HeadlessScreenshot : public testing::TestWithParam<const char*> {};

TEST_P(HeadlessScreenshot, ShowsTheIntrosSplashPictureInItsPlace) {
  TGameRun game;
  const std::string shot = (game.Folder() / "out.png").string();
  ASSERT_EQ(game.Run({"--headless", "--render", GetParam(), "--virtual-clock", "--frames", "10",
                      "--screenshot", "9:" + shot}),
            0)
      << game.Stderr();
  EXPECT_EQ(game.Stderr().find("no picture named"), std::string::npos) << game.Stderr();
  std::string error;
  auto picture = ReadPngFile(shot, error);
  ASSERT_TRUE(picture) << error;
  ASSERT_EQ(picture->Width, 800);
  ASSERT_EQ(picture->Height, 600);

  // The picture as its texture gets it, through a display that only records.
  TMessageBoxes messages{true};
  TRecordingRenderDevice device;
  TDeviceOnlyVideo video{&device};
  TOmegaScreen screen(video, messages);
  screen.Initialize();
  TOmegaImageList images(messages);
  ASSERT_TRUE(images.LoadFromFile((game.Folder() / "Data" / "data1.oil").string()));
  images.SetOmegaScreen(&screen);
  images.BuildTextures();
  TImageListItem* splash = images.Find("splash_image");
  ASSERT_NE(splash, nullptr);
  constexpr int kSplashX = 293, kSplashY = 167;
  int compared = 0, matching = 0;
  for (int y = 1; y + 1 < splash->TileHeight; y += 3)
    for (int x = 1; x + 1 < splash->TileWidth; x += 3) {
      if (!FlatOpaque(*splash, x, y, 8)) continue;
      ++compared;
      matching += Near(picture->At(kSplashX + x, kSplashY + y), splash->Pixel(x, y), 12);
    }
  EXPECT_GT(compared, 1000);
  EXPECT_GE(matching, compared * 99 / 100) << matching << " of " << compared;
  // Left of it the background shows, not the picture's colours.
  EXPECT_NE(picture->At(20, 300) & 0xFFFFFF, 0u);
}

INSTANTIATE_TEST_SUITE_P(Renderers, HeadlessScreenshot, testing::Values("gl", "software"));

TEST(HeadlessRun, ANullRendererRunsTenSecondsOfFrames) {
  TGameRun game;
  EXPECT_EQ(game.Run({"--headless", "--render", "null", "--virtual-clock", "--frames", "900"}), 0)
      << game.Stderr();
}

TEST(HeadlessRun, AScriptedRunEndsOnTime) {
  TGameRun game;
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script) << "1 down 80\n2 up 80\n3 click 400 300\n4 text hello\n";
  EXPECT_EQ(game.Run({"--headless", "--render", "null", "--virtual-clock", "--frames", "10", "--script",
                      script.string()}),
            0)
      << game.Stderr();
}

TEST(HeadlessRun, BadArgumentsAndScriptsAreRefusedClearly) {
  TGameRun game;
  EXPECT_EQ(game.Run({"--frames", "many"}), 2);
  EXPECT_NE(game.Stderr().find("--frames needs a count"), std::string::npos) << game.Stderr();
  const auto script = game.Folder() / "bad.txt";
  std::ofstream(script) << "1 jump 3\n";
  EXPECT_EQ(game.Run({"--headless", "--script", script.string()}), 2);
  EXPECT_NE(game.Stderr().find("line 1"), std::string::npos) << game.Stderr();
}

TEST(HeadlessRun, NoDisplayEndsWithTheFatalErrorBoxes) {
  TGameRun game;
  // A window on a display server that does not exist.
  EXPECT_EQ(game.Run({"--frames", "5"}, "env SDL_VIDEODRIVER=x11 DISPLAY=:4711 WAYLAND_DISPLAY="), 1);
  EXPECT_NE(game.Stderr().find("Could not initialize Direct3D"), std::string::npos) << game.Stderr();
  EXPECT_NE(game.Stderr().find("This application will now exit."), std::string::npos) << game.Stderr();
}

// What the command line names to be written goes where the player started the game, not into the
// game folder the game works in.
TEST(HeadlessRun, RelativeOutputPathsAreTakenFromTheStartingFolder) {
  TGameRun game;
  const std::filesystem::path start = game.Folder() / "elsewhere";
  std::filesystem::create_directories(start / "shots");
  EXPECT_EQ(game.Run({"--headless", "--render", "software", "--virtual-clock", "--frames", "6", "--race",
                      "0:0", "--screenshot", "4:shots/start.png", "--trace", "trace.csv"},
                     "cd " + ShellQuote(start.string()) + " &&"),
            0)
      << game.Stderr();
  EXPECT_TRUE(std::filesystem::is_regular_file(start / "shots" / "start.png"));
  EXPECT_TRUE(std::filesystem::is_regular_file(start / "trace.csv"));
  EXPECT_FALSE(std::filesystem::exists(game.Folder() / "shots"));
  EXPECT_FALSE(std::filesystem::exists(game.Folder() / "trace.csv"));
}

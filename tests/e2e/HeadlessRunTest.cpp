#include <gtest/gtest.h>

#include "e2e/GameRun.h"

#include <fstream>
#include "platform/Png.h"

namespace {

int Channel(uint32_t argb, int shift) {
  return int((argb >> shift) & 0xFF);
}

}  // namespace

// The intro's stand-in, drawn off screen by OpenGL and by the software renderer: a blue sky
// over green grass, the chequered board in the middle, and three lights that add up.
class HeadlessScreenshot : public testing::TestWithParam<const char*> {};

TEST_P(HeadlessScreenshot, ShowsTheQuadsOfTheFrame) {
  TGameRun game;
  const std::string shot = (game.Folder() / "out.png").string();
  ASSERT_EQ(game.Run({"--headless", "--render", GetParam(), "--virtual-clock", "--frames", "10",
                      "--screenshot", "9:" + shot}),
            0)
      << game.Stderr();
  std::string error;
  auto picture = ReadPngFile(shot, error);
  ASSERT_TRUE(picture) << error;
  ASSERT_EQ(picture->Width, 800);
  ASSERT_EQ(picture->Height, 600);
  uint32_t sky = picture->At(20, 20), grass = picture->At(20, 580), board = picture->At(400, 300);
  EXPECT_GT(Channel(sky, 0), Channel(sky, 8)) << std::hex << sky;        // blue above
  EXPECT_GT(Channel(grass, 8), Channel(grass, 0)) << std::hex << grass;  // green below
  EXPECT_NE(board, sky);
  uint32_t band = picture->At(20, 500);  // the red band over the grass
  EXPECT_GT(Channel(band, 16), Channel(band, 8)) << std::hex << band;
  // Where the lights overlap they add up to nearly white.
  uint32_t lights = picture->At(690, 140);
  EXPECT_GT(Channel(lights, 16) + Channel(lights, 8) + Channel(lights, 0), 3 * 150) << std::hex << lights;
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

#include <gtest/gtest.h>

#include "e2e/GameRun.h"
#include "platform/Png.h"

// The game in a real window on a virtual X server, on the real clock.
TEST(WindowSmoke, OpensAWindowUnderXvfbAndDraws) {
  ASSERT_EQ(std::system("command -v xvfb-run >/dev/null"), 0) << "xvfb-run is missing: run tools/bootstrap";
  TGameRun game;
  const std::string shot = (game.Folder() / "window.png").string();
  ASSERT_EQ(
      game.Run({"--frames", "90", "--screenshot", "60:" + shot}, "xvfb-run -a -s '-screen 0 1024x768x24'"), 0)
      << game.Stderr();
  std::string error;
  auto picture = ReadPngFile(shot, error);
  ASSERT_TRUE(picture) << error;
  EXPECT_EQ(picture->Width, 800);
  EXPECT_EQ(picture->Height, 600);
  uint32_t sky = picture->At(20, 20);
  EXPECT_GT(sky & 0xFF, (sky >> 16) & 0xFF);  // the blue sky of the stand-in intro
}

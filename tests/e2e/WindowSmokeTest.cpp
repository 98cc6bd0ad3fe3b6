#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/GameRun.h"
#include "platform/Png.h"

// The game in a real window on a virtual X server, on the real clock: its intro frame looks as
// the same frame drawn off screen does.
TEST(WindowSmoke, OpensAWindowUnderXvfbAndDraws) {
  ASSERT_EQ(std::system("command -v xvfb-run >/dev/null"), 0) << "xvfb-run is missing: run tools/bootstrap";
  TGameRun game;
  const std::string shot = (game.Folder() / "window.png").string();
  const std::string offscreen = (game.Folder() / "offscreen.png").string();
  ASSERT_EQ(game.Run({"--seed", "1", "--frames", "90", "--screenshot", "60:" + shot},
                     "xvfb-run -a -s '-screen 0 1024x768x24'"),
            0)
      << game.Stderr();
  ASSERT_EQ(game.Run({"--headless", "--virtual-clock", "--seed", "1", "--frames", "62", "--screenshot",
                      "60:" + offscreen}),
            0)
      << game.Stderr();
  std::string error;
  auto window = ReadPngFile(shot, error);
  ASSERT_TRUE(window) << error;
  auto reference = ReadPngFile(offscreen, error);
  ASSERT_TRUE(reference) << error;
  ASSERT_EQ(window->Width, 800);
  ASSERT_EQ(window->Height, 600);
  // The splash picture in the middle of the screen: pixel for pixel the same, give or take the
  // rounding of two renderers.
  long difference = 0, compared = 0;
  for (int y = 200; y < 400; y += 4)
    for (int x = 320; x < 480; x += 4, ++compared)
      for (int shift : {0, 8, 16})
        difference += std::abs(int((window->At(x, y) >> shift) & 0xFF) - int((reference->At(x, y) >> shift) & 0xFF));
  EXPECT_LT(difference / (compared * 3), 4) << "mean difference per channel";
  uint32_t sum = 0;
  for (int x = 320; x < 480; ++x) sum |= window->At(x, 300) & 0xFFFFFF;
  EXPECT_NE(sum, 0u) << "the window drew nothing";
}

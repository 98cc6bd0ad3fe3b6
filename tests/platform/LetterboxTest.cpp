#include "platform/Letterbox.h"

#include <gtest/gtest.h>

TEST(Letterbox, MapsOutputPixelsToTheBackBuffer) {
  struct TCase {
    int OutW, OutH, X, Y, BufferX, BufferY;
  };
  const TCase cases[] = {
      {800, 600, 0, 0, 0, 0},           {800, 600, 799, 599, 799, 599},
      {1024, 768, 512, 384, 400, 300},  // full screen on a 1024-wide display
      {1024, 768, 1023, 767, 799, 599}, {1600, 900, 800, 450, 400, 300},  // bars left and right
      {1600, 900, 199, 450, -1, 300},                                     // over the left bar
      {800, 800, 400, 100, 400, 0},                                       // bars above and below
  };
  for (const TCase& c : cases) {
    TLetterbox box = ComputeLetterbox(c.OutW, c.OutH, 800, 600);
    int x = 0, y = 0;
    OutputToBuffer(box, c.X, c.Y, x, y);
    EXPECT_EQ(x, c.BufferX) << c.OutW << "x" << c.OutH << " at " << c.X;
    EXPECT_EQ(y, c.BufferY) << c.OutW << "x" << c.OutH << " at " << c.Y;
  }
}

TEST(Letterbox, KeepsTheAspectAndCentres) {
  TLetterbox box = ComputeLetterbox(1600, 900, 800, 600);
  EXPECT_DOUBLE_EQ(box.Scale, 1.5);
  EXPECT_EQ(box.Width, 1200);
  EXPECT_EQ(box.Height, 900);
  EXPECT_EQ(box.X, 200);
  EXPECT_EQ(box.Y, 0);
}

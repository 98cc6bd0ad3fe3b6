#include "race/Geometry.h"

#include <gtest/gtest.h>

namespace {

const TQuadPoints kSquare{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};

struct TPointCase {
  TPointD Point;
  bool Inside;
};

TEST(GeometryTest, PointInQuadrilateral) {
  const TPointCase cases[] = {
      {{5, 5}, true},    {{0.1, 9.9}, true}, {{5, 0}, true},  // on a side
      {{10, 10}, true},                                       // on a corner
      {{-0.1, 5}, true},  // a hair outside: the 355 degrees leave that much room
      {{-1, 5}, false},  {{5, 10.5}, false}, {{20, 20}, false}, {{-5, -5}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointInQuad(c.Point, kSquare), c.Inside) << c.Point.X << ", " << c.Point.Y;
  }
}

TEST(GeometryTest, PointInTurnedQuadrilateral) {
  // A 40 x 20 rectangle turned by 30 degrees about (100, 100).
  const TQuadPoints turned = TurnedOutline({100, 100}, std::hypot(20, 10), 30, RectangleCornerAngles(40, 20));
  EXPECT_TRUE(PointInQuad({100 + 18 * CosDeg(30), 100 + 18 * SinDeg(30)}, turned));
  // Inside the unturned rectangle but outside the turned one.
  EXPECT_FALSE(PointInQuad({119, 91}, turned));
}

TEST(GeometryTest, OutlineCornersGoAroundTheRectangle) {
  const TQuadPoints outline = TurnedOutline({50, 30}, std::hypot(20, 10), 0, RectangleCornerAngles(40, 20));
  const TPointD expected[] = {{30, 40}, {30, 20}, {70, 20}, {70, 40}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(outline[k].X, expected[k].X, 1e-9) << k;
    EXPECT_NEAR(outline[k].Y, expected[k].Y, 1e-9) << k;
  }
}

TEST(GeometryTest, QuadrilateralOverlap) {
  EXPECT_TRUE(QuadsOverlap(kSquare, SquareAround({12, 12}, 6)));  // a corner inside
  EXPECT_TRUE(QuadsOverlap(SquareAround({5, 5}, 2), kSquare));    // wholly inside: its corners
  EXPECT_TRUE(QuadsOverlap(kSquare, SquareAround({5, 5}, 2)));    // and the other way round
  EXPECT_FALSE(QuadsOverlap(kSquare, SquareAround({20, 5}, 6)));
  // A cross whose arms reach through each other without a corner inside: the eight point
  // tests do not see it, as the game has it.
  const TQuadPoints wide{{{-5, 4}, {15, 4}, {15, 6}, {-5, 6}}};
  EXPECT_FALSE(QuadsOverlap(wide, TQuadPoints{{{4, -5}, {6, -5}, {6, 15}, {4, 15}}}));
}

}  // namespace

#include "race/TrackObjects.h"

#include <gtest/gtest.h>

#include "CarFixture.h"

namespace {

class TrackObjectsTest : public CarFixture {
 protected:
  TrackObjectsTest() {
    AddPicture(GameImages, "grass", 64, 48);
    AddPicture(GameImages, "roadroters", 200, 200);
  }
};

TEST_F(TrackObjectsTest, BackgroundWrapsWithinOneTile) {
  TBackground& grass = Sprites.Create<TBackground>(Context);
  EXPECT_EQ(grass.Columns, 800 / 64 + 1);
  EXPECT_EQ(grass.Rows, 600 / 48 + 1);
  struct TCase {
    float X, Y, WrappedX, WrappedY;
  };
  const TCase cases[] = {
      {10, 5, -54, -43},        // one tile back
      {-70, -50, -6, -2},       // one tile forward
      {-64, -48, -64, -48},     // exactly one tile out: kept, as the game has it
      {0, 0, 0, 0},             //
      {-1000, 3000, -40, -24},  // many tiles at once, as after the start-grid shift
  };
  for (const auto& c : cases) {
    grass.SetX(c.X);
    grass.SetY(c.Y);
    grass.WrapPosition();
    EXPECT_FLOAT_EQ(grass.X(), c.WrappedX) << c.X;
    EXPECT_FLOAT_EQ(grass.Y(), c.WrappedY) << c.Y;
  }
}

TEST_F(TrackObjectsTest, RoadPiecesAndPaintsAreTheRoadSurface) {
  TRoadPart& corner = Sprites.Create<TRoadPart>(Context, 12, 10.0, 20.0);
  EXPECT_EQ(corner.Name(), "roadroters");
  EXPECT_EQ(corner.PatternIndex(), 2);
  EXPECT_FLOAT_EQ(corner.X(), 20);  // top-left at the file position
  EXPECT_FLOAT_EQ(corner.Y(), 10);
  EXPECT_EQ(corner.Z(), 20);
  TRoadPart& hidden = Sprites.Create<TRoadPart>(Context, 7, 0.0, 0.0);
  EXPECT_EQ(hidden.Image(), nullptr);
  EXPECT_EQ(hidden.Width(), 10);
  TRoadPaint& paint = Sprites.Create<TRoadPaint>(Context, 0, 45.0, 100.0, 100.0);
  EXPECT_EQ(paint.Name(), "inplace");
  EXPECT_EQ(paint.Angle, 45);
  EXPECT_EQ(paint.Z(), 29);
  TRoadRock& rock = Sprites.Create<TRoadRock>(Context, 1, 0.0, 0.0);
  TBackground& grass = Sprites.Create<TBackground>(Context);
  for (const TSprite* sprite :
       {static_cast<TSprite*>(&corner), static_cast<TSprite*>(&hidden), static_cast<TSprite*>(&paint)}) {
    EXPECT_TRUE(IsRoadSurface(*sprite));
  }
  EXPECT_FALSE(IsRoadSurface(rock));
  EXPECT_FALSE(IsRoadSurface(grass));
}

}  // namespace

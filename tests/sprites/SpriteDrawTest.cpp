#include "tests/sprites/SpriteFixture.h"

namespace {

// What a vertex colour becomes under the display's default white screen colour.
uint32_t OnScreen(uint32_t argb) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) out |= (((argb >> shift) & 0xFF) * 255 / 256) << shift;
  return out;
}

// Corners of an unturned tile drawn at (x, y), as the image draw places them.
void ExpectTileAt(const TQuad& quad, float x, float y, float width, float height) {
  const float xs[4] = {x - 0.5f, x + width, x + width, x - 0.5f};
  const float ys[4] = {y - 0.5f, y - 0.5f, y + height, y + height};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(quad[i].X, xs[i]) << "corner " << i;
    EXPECT_FLOAT_EQ(quad[i].Y, ys[i]) << "corner " << i;
  }
}

struct DrawFixture : SpriteFixture {
  // 128 x 64 pixels in 32 x 32 tiles: 4 columns, 2 rows, 8 patterns.
  TImageListItem& Sheet = AddPicture("sheet", 128, 64, 32, 32);
  TSprite& Sprite = Engine.Create<TSprite>();

  DrawFixture() {
    BuildTextures();
    Sprite.SetImage(&Sheet);
  }
};

}  // namespace

TEST_F(DrawFixture, TheTileReachesTheDeviceAtTheRoundedPosition) {
  Sprite.SetX(20.4f);
  Sprite.SetY(30.6f);
  Sprite.DrawOffsetX = 1;  // 21.4 -> 21
  Engine.CameraX = 2.4f;   // 21 - 2.4 -> 19
  Sprite.SetPatternIndex(5);
  Sprite.VertexColors = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};
  Sprite.SetAdditive(true);
  DrawFrame();

  ASSERT_EQ(Device.Draws.size(), 1u);
  const TRecordingRenderDevice::TDraw& draw = Device.Draws[0];
  ExpectTileAt(draw.Quad, 19, 31, 32, 32);
  EXPECT_EQ(draw.Texture, Sheet.Texture());
  EXPECT_EQ(draw.Source, TBlendFactor::SrcAlpha);
  EXPECT_EQ(draw.Destination, TBlendFactor::One);
  // Pattern 5: column 1, row 1 of a 128 x 64 texture.
  const float us[4] = {0.25f, 0.5f, 0.5f, 0.25f}, vs[4] = {0.5f, 0.5f, 1, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(draw.Quad[i].U, us[i]) << "corner " << i;
    EXPECT_FLOAT_EQ(draw.Quad[i].V, vs[i]) << "corner " << i;
    EXPECT_EQ(draw.Quad[i].Color, OnScreen(Sprite.VertexColors[size_t(i)])) << "corner " << i;
  }
}

TEST_F(DrawFixture, IgnoringTheCameraDrawsAtTheSpritesOwnPosition) {
  Sprite.SetX(-2.5f);  // -3
  Sprite.SetY(7);
  Engine.CameraX = 100;
  Engine.CameraY = -50;
  Sprite.IgnoreCamera = true;
  DrawFrame();
  ASSERT_EQ(Device.Draws.size(), 1u);
  ExpectTileAt(Device.Draws[0].Quad, -3, 7, 32, 32);
}

TEST_F(DrawFixture, AnIndexAboveThePatternsShowsTheLastTile) {
  Sprite.SetPatternIndex(5);
  EXPECT_EQ(Sprite.PatternX(), 32);
  EXPECT_EQ(Sprite.PatternY(), 32);
  Sprite.SetPatternIndex(8);
  EXPECT_EQ(Sprite.PatternIndex(), 8);  // the count itself is kept
  Sprite.SetPatternIndex(20);
  EXPECT_EQ(Sprite.PatternIndex(), 8);  // above the count: lowered to it
  DrawFrame();
  ASSERT_EQ(Device.Draws.size(), 1u);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].U, 0.75f);  // pattern 7: x 96..128, y 32..64
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].V, 0.5f);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[2].U, 1);

  TImageRect rect = Sprite.GetPatternRect();
  EXPECT_EQ(Sprite.PatternIndex(), 7);
  EXPECT_EQ(rect.Left, 96);
  EXPECT_EQ(rect.Top, 32);
  EXPECT_EQ(rect.Right, 128);
  EXPECT_EQ(rect.Bottom, 64);
}

TEST_F(DrawFixture, AScaleOfZeroDrawsAtTheNaturalSize) {
  Sprite.SetX(100);
  Sprite.SetY(50);
  Sprite.ScaleX = 0;
  Sprite.ScaleY = 0;
  DrawFrame();
  ASSERT_EQ(Device.Draws.size(), 1u);
  ExpectTileAt(Device.Draws[0].Quad, 100, 50, 32, 32);
}

TEST_F(DrawFixture, TurningAndMirroringReachTheQuad) {
  Sprite.Angle = 90;
  Sprite.OriginX = Sprite.OriginY = 0.5f;  // about the tile's centre (16, 16)
  Sprite.MirrorX = true;
  DrawFrame();
  ASSERT_EQ(Device.Draws.size(), 1u);
  const TQuad& quad = Device.Draws[0].Quad;
  EXPECT_NEAR(quad[0].X, 32.5f, 1e-4);  // the top-left corner turned clockwise to the top right
  EXPECT_NEAR(quad[0].Y, -0.5f, 1e-4);
  EXPECT_FLOAT_EQ(quad[0].U, 0.25f);  // mirrored: the left corner shows the tile's right edge
  EXPECT_FLOAT_EQ(quad[1].U, 0);
}

TEST_F(DrawFixture, TheDrawAreaCullsOnlyWhenSet) {
  struct TCase {
    int X1, Y1, X2, Y2;
    float X, Y;
    bool Drawn;
  };
  const TCase cases[] = {
      {0, 0, 0, 0, 5000, -5000, true},  // no draw area, as in the game: far off screen still submitted
      {0, 0, 800, 600, 900, 10, false}, {0, 0, 800, 600, 800, 600, true},  // the far edge is inside
      {0, 0, 800, 600, -32, 10, true},  {0, 0, 800, 600, -33, 10, false},  // sx + Width reaches X1
      {0, 0, 800, 600, 10, -33, false}, {0, 0, 800, 600, 10, 601, false},
      {0, 0, 0, 600, 1, 10, false},  // a single non-zero bound switches culling on
  };
  for (const TCase& c : cases) {
    Engine.DrawAreaX1 = c.X1, Engine.DrawAreaY1 = c.Y1, Engine.DrawAreaX2 = c.X2, Engine.DrawAreaY2 = c.Y2;
    Sprite.SetX(c.X);
    Sprite.SetY(c.Y);
    Device.Draws.clear();
    DrawFrame();
    EXPECT_EQ(Device.Draws.size(), c.Drawn ? 1u : 0u) << c.X << "," << c.Y << " in " << c.X2 << "x" << c.Y2;
  }
}

TEST_F(DrawFixture, AnInvisibleSpriteDrawsNothing) {
  Sprite.Visible = false;
  DrawFrame();
  EXPECT_TRUE(Device.Draws.empty());
}

TEST_F(DrawFixture, SetImageKeepsThePlaceAndTakesTheTileSize) {
  Sprite.SetImage(nullptr);
  Sprite.SetWidth(10);
  Sprite.SetHeight(10);
  Sprite.SetX(10.5f);
  Sprite.SetY(-4);
  TImageListItem& wide = AddPicture("wide", 60, 20);
  BuildTextures();
  Sprite.SetImage(&wide);
  EXPECT_EQ(Sprite.Width(), 60);
  EXPECT_EQ(Sprite.Height(), 20);
  EXPECT_EQ(Sprite.X(), 10.5f);
  EXPECT_EQ(Sprite.X2(), 70.5f);
  EXPECT_EQ(Sprite.Y3(), 16);
  EXPECT_EQ(Sprite.X4(), 10.5f);
  EXPECT_EQ(Sprite.CenterX(), 40.5f);
  EXPECT_EQ(Sprite.CenterY(), 6);
  const TImageRect& bounds = Sprite.BoundsRect();
  EXPECT_EQ(bounds.Left, 11);
  EXPECT_EQ(bounds.Top, -4);
  EXPECT_EQ(bounds.Right, 71);
  EXPECT_EQ(bounds.Bottom, 16);
}

TEST_F(DrawFixture, ColourChannelsRebuildEveryCorner) {
  Sprite.VertexColors[1] = 0x11223344;
  Sprite.SetRed(0x1FF);  // only the low byte counts
  Sprite.SetGreen(0x80);
  Sprite.SetBlue(0);
  Sprite.SetAlpha(0x40);
  for (uint32_t color : Sprite.VertexColors) EXPECT_EQ(color, 0x40FF8000u);
  EXPECT_EQ(Sprite.Red(), 0x1FF);
}

TEST_F(SpriteFixture, ASpriteWithoutAPictureDrawsNothingAndKeepsItsSize) {
  // A picture name the list does not hold: the sprite gets no image.
  TSprite& sprite = Engine.Create<TSprite>();
  sprite.SetImage(Images.Find("no such picture"));
  sprite.SetX(5);
  DrawFrame();
  EXPECT_EQ(sprite.Image(), nullptr);
  EXPECT_EQ(sprite.Width(), 10);
  EXPECT_EQ(sprite.Height(), 10);
  EXPECT_EQ(sprite.BoundsRect().Right, 15);
  EXPECT_TRUE(Device.Draws.empty());
  EXPECT_TRUE(Messages.Shown().empty());
  EXPECT_EQ(Images.ImageList.MissingNames(), (std::vector<std::string>{"no such picture"}));
}

TEST_F(SpriteFixture, APictureNeverBuiltOnADisplayIsReportedEachTimeAndSkipped) {
  TOmegaImageList unlinked(Messages);
  TImageListItem& item = unlinked.ImageList.Add();
  item.Name = "lonely";
  item.SetPicture({4, 4, std::vector<uint32_t>(16, 0xFFFFFFFF)});
  TSprite& sprite = Engine.Create<TSprite>();
  sprite.SetImage(&item);
  DrawFrame();
  DrawFrame();
  EXPECT_TRUE(Device.Draws.empty());
  EXPECT_EQ(Messages.Shown(), (std::vector<std::string>{kNoImageListMessage, kNoImageListMessage}));
}

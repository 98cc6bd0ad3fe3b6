#include "tests/sprites/SpriteFixture.h"

namespace {

constexpr uint32_t kClear = 0x00FFFFFF;  // fully transparent, though not zero
constexpr uint32_t kSolid = 0xFF204080;

// A 4 x 4 picture, transparent but for one pixel.
TPixmap OnePixel(int x, int y) {
  TPixmap picture{4, 4, std::vector<uint32_t>(16, kClear)};
  picture.Pixels[size_t(y * 4 + x)] = kSolid;
  return picture;
}

struct CollisionFixture : SpriteFixture {
  TImageListItem& TopLeft = AddPixels("topleft", OnePixel(0, 0));
  TImageListItem& BottomRight = AddPixels("bottomright", OnePixel(3, 3));
  TProbeSprite& A = Probe("a");
  TProbeSprite& B = Probe("b");

  CollisionFixture() {
    BuildTextures();
    A.SetImage(&BottomRight);
    B.SetImage(&TopLeft);
    A.CanCollide = B.CanCollide = true;
  }
  void PlaceB(float x, float y) {
    B.SetX(x);
    B.SetY(y);
  }
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(CollisionFixture, BoundsOrPixelsDecideAsTheFlagsSay) {
  struct TCase {
    const char* What;
    bool APixel, AOnly, BPixel, BOnly;
    float BX, BY;
    Names Hits;
  };
  const Names boundsHit{"hit a by b at 0,0", "hit b by a at 0,0"};
  const Names pixelHit{"hit a by b at 3,3", "hit b by a at 3,3"};
  const TCase cases[] = {
      {"bounds overlap", false, false, false, false, 2, 2, boundsHit},
      {"bounds only touch", false, false, false, false, 4, 0, {}},
      {"one pixel check is not enough for the pixel test", true, false, false, false, 2, 2, boundsHit},
      {"both pixel checks, transparent overlap", true, false, true, false, 2, 2, {}},
      {"both pixel checks, solid pixels meet", true, false, true, false, 3, 3, pixelHit},
      {"pixels only, one without a pixel check", false, true, false, false, 3, 3, {}},
      {"pixels only and both checks", true, true, true, false, 3, 3, pixelHit},
  };
  for (const TCase& c : cases) {
    A.PixelCheck = c.APixel, A.PixelCheckOnly = c.AOnly, B.PixelCheck = c.BPixel, B.PixelCheckOnly = c.BOnly;
    PlaceB(c.BX, c.BY);
    Log.clear();
    A.CheckCollision(B);
    EXPECT_EQ(Log, c.Hits) << c.What;
  }
}

TEST_F(CollisionFixture, OnlyLivingSpritesThatMayCollideAreTold) {
  PlaceB(1, 1);
  B.CanCollide = false;
  A.CheckCollision(B);
  B.CanCollide = true;
  B.Kill();
  A.CheckCollision(B);
  B.CheckCollision(A);
  EXPECT_TRUE(Log.empty());
}

TEST_F(CollisionFixture, AMirroredSpriteIsTestedMirrored) {
  A.PixelCheck = B.PixelCheck = true;
  A.SetImage(&TopLeft);  // both solid only at their top-left pixel
  PlaceB(3, 3);
  A.CheckCollision(B);
  EXPECT_TRUE(Log.empty());
  A.MirrorX = A.MirrorY = true;  // a's solid pixel now lies at its bottom right, under b's
  A.CheckCollision(B);
  EXPECT_EQ(Log, (Names{"hit a by b at 3,3", "hit b by a at 3,3"}));
}

TEST_F(SpriteFixture, ThePixelTestReadsTheCurrentPattern) {
  // Two 4 x 4 tiles side by side: the first transparent, the second solid.
  TPixmap strip{8, 4, std::vector<uint32_t>(32, kClear)};
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) strip.Pixels[size_t(y * 8 + x)] = kSolid;
  TImageListItem& tiles = AddPixels("tiles", strip, 4, 4);
  TImageListItem& block = AddPicture("block", 4, 4, 0, 0, kSolid);
  BuildTextures();
  TProbeSprite& a = Probe("a");
  TProbeSprite& b = Probe("b");
  for (TProbeSprite* s : {&a, &b}) s->CanCollide = s->PixelCheck = true;
  a.SetImage(&tiles);
  b.SetImage(&block);
  b.SetX(2);
  a.CheckCollision(b);
  EXPECT_TRUE(Log.empty());
  a.SetPatternIndex(1);
  a.CheckCollision(b);
  EXPECT_EQ(Log, (Names{"hit a by b at 2,0", "hit b by a at 2,0"}));
}

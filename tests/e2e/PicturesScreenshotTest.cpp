#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <optional>
#include <string>

#include "engine/FontLibrary.h"
#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaFont.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "platform/MessageBox.h"
#include "platform/Png.h"
#include "platform/SdlVideo.h"

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 600;

struct TBox {
  int Left, Top, Right, Bottom;
};

int Channel(uint32_t argb, int shift) {
  return int((argb >> shift) & 0xFF);
}

// Whether two colours differ by at most tolerance in each of red, green and blue.
bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

// A texel as it lands on black: opaque texels keep their colour, each channel scaled by the
// display's colour (255 draws as 254).
uint32_t OnBlack(uint32_t texel) {
  uint32_t out = 0;
  for (int shift : {0, 8, 16}) out |= uint32_t(Channel(texel, shift) * 255 / 256) << shift;
  return out;
}

// How far a texel's neighbours may stray from it for the texel to count as flat.
constexpr int kFlat = 10;

// Whether the texel is opaque and its eight neighbours are opaque and within kFlat of its colour:
// there filtering, turning and the half-pixel stretch of the quads cannot take the drawn colour
// further than that from it.
bool FlatOpaque(TImageListItem& item, int x, int y) {
  uint32_t centre = item.Pixel(x, y);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      uint32_t texel = item.Pixel(x + dx, y + dy);
      if (texel >> 24 != 0xFF || !Near(texel, centre, kFlat)) return false;
    }
  return true;
}

// Pixels of the box whose strongest channel is the one asked for (ink of that colour), the
// pixels that are not black at all, and the brightest value of the channel.
struct TInk {
  int OfColour = 0, Lit = 0, Brightest = 0;
};
TInk InkIn(const TPixmap& frame, TBox box, int shift) {
  TInk ink;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x) {
      uint32_t pixel = frame.At(x, y) & 0xFFFFFF;
      if (pixel == 0) continue;
      ++ink.Lit;
      int mine = Channel(pixel, shift);
      ink.Brightest = std::max(ink.Brightest, mine);
      bool strongest = true;
      for (int other : {0, 8, 16})
        if (other != shift && Channel(pixel, other) >= mine) strongest = false;
      if (strongest) ++ink.OfColour;
    }
  return ink;
}

constexpr int kRed = 16, kGreen = 8;

// Where the drawings go.
constexpr int kButtonX = 40, kButtonY = 40;         // b_ok, unturned
constexpr int kCarX = 300, kCarY = 40;              // car1 pattern 0, as it is
constexpr int kMirroredCarX = 360;                  // the same car, mirrored
constexpr int kTurnedCarX = 560, kTurnedCarY = 60;  // the same car, mirrored and turned
constexpr float kTurn = 30;
constexpr int kMirroredButtonY = 120;  // b_ok mirrored: a picture that is not symmetric
constexpr int kTitleX = 40, kTitleY = 330;
constexpr int kGlyphsX = 40, kGlyphsY = 420;

// The whole scene, drawn once, with what the checks need to know about it.
struct TScene {
  TPixmap Frame;
  TImageListItem* Button = nullptr;
  TImageListItem* Car = nullptr;
  TBox Title{}, Glyphs{};
};

class PicturesScreenshot : public testing::Test {
 protected:
  TSdlVideo Video{TVideoOptions{true, TRenderKind::Gl}};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList Images{Messages};
  TOmegaSprite Sprites{Messages};
  TFontLibrary Fonts;
  TOmegaFont Title{Screen, Fonts};
  TOmegaBitmapFont Glyphs{Screen, Fonts};

  void AddCar(int x, int y, bool mirrored, float angle) {
    TSprite& car = Sprites.Create<TSprite>();
    car.SetImage(Images.Find("car1"));
    car.SetPatternIndex(0);
    car.MirrorX = mirrored;
    car.OriginX = 0.5f, car.OriginY = 0.5f;
    car.Angle = angle;
    car.SetX(float(x));
    car.SetY(float(y));
  }

  void Draw(TScene& scene) {
    const std::string titleText = "Morvel Racing";
    const std::string glyphText = "Lap 3 \xCA\xF0\xF3\xE3";  // Круг
    Title.SetFont("Arial", 28);
    Title.SetColor(0xFFFF2020);
    Glyphs.CreateFromSystemFont("Arial", kExtendedFontCharacters, 0, 28);
    scene.Title = {kTitleX, kTitleY, kTitleX + Title.TextWidth(titleText),
                   kTitleY + Title.TextHeight(titleText)};
    scene.Glyphs = {kGlyphsX, kGlyphsY, kGlyphsX + Glyphs.TextWidth(glyphText) + 4,
                    kGlyphsY + Glyphs.CellHeight() + 1};

    AddCar(kCarX, kCarY, false, 0);
    AddCar(kMirroredCarX, kCarY, true, 0);
    AddCar(kTurnedCarX, kTurnedCarY, true, kTurn);

    Screen.Clear(0, 0, 0, 0);
    Screen.BeginScene();
    scene.Button->Draw(kButtonX, kButtonY, 0);
    scene.Button->DrawColored(kButtonX, kMirroredButtonY, 0, 0, 0, 1, 1, 0xFFFFFFFF, false, true, 0, 0);
    Sprites.Draw();
    Title.TextOut(kTitleX, kTitleY, titleText);
    Glyphs.TextOut(float(kGlyphsX), float(kGlyphsY), 0, 1, 1, 0xFF20FF20, glyphText, 0);
    scene.Frame = TPixmap{kScreenWidth, kScreenHeight, Screen.Device().ReadPixels()};
    Screen.EndScene();
  }
};

// The drawn picture where it is not turned: its flat texels show as they are in the package.
void ExpectPictureAsPackaged(const TPixmap& frame, TImageListItem& item, int left, int top) {
  int compared = 0;
  for (int y = 1; y + 1 < item.TileHeight; ++y)
    for (int x = 1; x + 1 < item.TileWidth; ++x) {
      if (!FlatOpaque(item, x, y)) continue;
      ++compared;
      uint32_t want = OnBlack(item.Pixel(x, y)), got = frame.At(left + x, top + y);
      ASSERT_TRUE(Near(got, want, kFlat + 2)) << item.Name << " at texel " << x << "," << y << ": drawn "
                                              << std::hex << got << ", packaged " << want;
    }
  EXPECT_GT(compared, item.TileWidth * item.TileHeight / 10) << item.Name << " has too few flat texels";
}

// Whether each channel of the drawn pixel lies within the range of the texels around (x, y) as they
// land on black (widened by 4): the quads are half a pixel wider than their texels, so a pixel
// mixes its texel with the neighbours, and by different shares in a mirrored draw.
bool AmongTexels(TImageListItem& item, uint32_t pixel, int x, int y) {
  for (int shift : {0, 8, 16}) {
    int low = 255, high = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        uint32_t texel = item.Pixel(x + dx, y + dy);
        int value = Channel(OnBlack(texel), shift) * int(texel >> 24) / 255;
        low = std::min(low, value), high = std::max(high, value);
      }
    if (Channel(pixel, shift) < low - 4 || Channel(pixel, shift) > high + 4) return false;
  }
  return true;
}

// A draw of the item's first pattern at (left, top) shows the package's texels, with left and
// right swapped when mirrored. Gives the number of pixels that the other way round would not
// explain, or nothing after reporting the first pixel that is wrong.
std::optional<int> DrawnTexels(const TPixmap& frame, TImageListItem& item, int left, int top, bool mirrored) {
  int unlikeOtherWay = 0;
  for (int y = 0; y < item.TileHeight; ++y)
    for (int x = 0; x < item.TileWidth; ++x) {
      uint32_t pixel = frame.At(left + x, top + y);
      int mirroredX = item.TileWidth - 1 - x;
      if (!AmongTexels(item, pixel, mirrored ? mirroredX : x, y)) {
        ADD_FAILURE() << item.Name << (mirrored ? " mirrored" : "") << " at " << x << "," << y << ": drawn "
                      << std::hex << pixel;
        return std::nullopt;
      }
      if (!AmongTexels(item, pixel, mirrored ? x : mirroredX, y)) ++unlikeOtherWay;
    }
  return unlikeOtherWay;
}

// The mirrored draw has the package's left and right swapped, the plain draw does not, and the
// picture is not symmetric (else the two could not be told apart).
void ExpectMirrored(const TPixmap& frame, TImageListItem& item, int plainX, int plainY, int mirroredX,
                    int mirroredY) {
  for (bool mirrored : {false, true}) {
    std::optional<int> unlike =
        DrawnTexels(frame, item, mirrored ? mirroredX : plainX, mirrored ? mirroredY : plainY, mirrored);
    if (!unlike) return;
    EXPECT_GT(*unlike, 20) << item.Name << " is symmetric";
  }
}

// The turned, mirrored car: every flat texel of the car lands where turning the mirrored tile
// about its centre puts it, and nothing is drawn outside the turned tile.
void ExpectTurnedMirroredCar(const TPixmap& frame, TImageListItem& car) {
  const float w = float(car.TileWidth), h = float(car.TileHeight);
  const float cx = float(kTurnedCarX) + w / 2, cy = float(kTurnedCarY) + h / 2;
  const double radians = double(kTurn) * std::numbers::pi / 180.0;
  const float c = float(std::cos(radians)), s = float(std::sin(radians));
  int compared = 0;
  for (int y = 1; y + 1 < car.TileHeight; ++y)
    for (int x = 1; x + 1 < car.TileWidth; ++x) {
      if (!FlatOpaque(car, x, y)) continue;
      // The texel's centre on the mirrored, unturned tile, then turned clockwise about the centre.
      float dx = (w - float(x) - 0.5f) - w / 2, dy = (float(y) + 0.5f) - h / 2;
      int sx = int(std::floor(cx + c * dx - s * dy)), sy = int(std::floor(cy + s * dx + c * dy));
      ++compared;
      uint32_t want = OnBlack(car.Pixel(x, y)), got = frame.At(sx, sy);
      ASSERT_TRUE(Near(got, want, kFlat + 2))
          << "turned car at texel " << x << "," << y << " (screen " << sx << "," << sy << "): drawn "
          << std::hex << got << ", packaged " << want;
    }
  EXPECT_GT(compared, car.TileWidth * car.TileHeight / 10);
  // Around the turned tile (its bounding box widened by 4 pixels), only inside the tile is lit.
  const float reach = (std::abs(c) * w + std::abs(s) * h) / 2 + 4,
              reachY = (std::abs(s) * w + std::abs(c) * h) / 2 + 4;
  for (int y = int(cy - reachY); y < int(cy + reachY); ++y)
    for (int x = int(cx - reach); x < int(cx + reach); ++x) {
      float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
      float along = c * dx + s * dy, across = -s * dx + c * dy;  // back in the tile's own axes
      bool inside = std::abs(along) <= w / 2 + 1 && std::abs(across) <= h / 2 + 1;
      if (inside) continue;
      ASSERT_EQ(frame.At(x, y) & 0xFFFFFF, 0u) << "ink outside the turned car at " << x << "," << y;
    }
}

}  // namespace

// The real package on the headless OpenGL device: a picture, three sprites of a car (plain,
// mirrored, mirrored and turned) and text in both fonts, read back and checked pixel by pixel.
// The frame is saved beside the test and to /tmp/morvel-issue3.png for a look.
TEST_F(PicturesScreenshot, PackagePicturesSpritesAndTextDrawWhereAndAsExpected) {
  const std::string package = MORVEL_GAME_DIR "/Data/data1.oil";
  ASSERT_TRUE(std::filesystem::exists(package)) << package << " is missing: build the game_art target";
  ASSERT_TRUE(Images.LoadFromFile(package)) << Images.ImageList.LastError();
  Images.SetOmegaScreen(&Screen);
  Screen.Initialize();
  if (Screen.Device().Name() != "opengl") GTEST_SKIP() << "no OpenGL renderer here";
  Screen.SetTextureFilter(true);

  TScene scene;
  scene.Button = Images.Find("b_ok");
  scene.Car = Images.Find("car1");
  ASSERT_NE(scene.Button, nullptr);
  ASSERT_NE(scene.Car, nullptr);
  ASSERT_TRUE(scene.Button->HasTexture() && scene.Car->HasTexture());
  EXPECT_EQ(scene.Car->PatternCount(), 3);
  Draw(scene);
  ASSERT_EQ(scene.Frame.Pixels.size(), size_t(kScreenWidth) * size_t(kScreenHeight));

  std::string error;
  const std::string beside = (std::filesystem::path(testing::TempDir()) / "morvel-issue3.png").string();
  EXPECT_TRUE(WritePngFile(beside, scene.Frame, error)) << error;
  EXPECT_TRUE(WritePngFile("/tmp/morvel-issue3.png", scene.Frame, error)) << error;

  const TPixmap& frame = scene.Frame;
  TImageListItem& button = *scene.Button;
  TImageListItem& car = *scene.Car;
  ExpectPictureAsPackaged(frame, button, kButtonX, kButtonY);
  ExpectPictureAsPackaged(frame, car, kCarX, kCarY);
  ExpectMirrored(frame, button, kButtonX, kButtonY, kButtonX, kMirroredButtonY);
  ExpectMirrored(frame, car, kCarX, kCarY, kMirroredCarX, kCarY);
  ExpectTurnedMirroredCar(frame, car);

  // Text: the title in its red, the bitmap font's line in its green, each filling its box.
  TInk title = InkIn(frame, scene.Title, kRed);
  EXPECT_GT(title.OfColour, 300);
  EXPECT_GT(title.OfColour * 10, title.Lit * 9) << "the title is not red";
  EXPECT_GE(title.Brightest, 250);
  TInk glyphs = InkIn(frame, scene.Glyphs, kGreen);
  EXPECT_GT(glyphs.OfColour, 300);
  EXPECT_GT(glyphs.OfColour * 10, glyphs.Lit * 9) << "the bitmap font's text is not green";
  EXPECT_GE(glyphs.Brightest, 240);

  // Background everywhere nothing was drawn: a band between the pictures and the text, the
  // right of the text rows and the bottom of the screen.
  const int textRight = std::max(scene.Title.Right, scene.Glyphs.Right);
  for (TBox empty :
       {TBox{0, 200, kScreenWidth, kTitleY - 4}, TBox{textRight + 4, kTitleY, kScreenWidth, kScreenHeight},
        TBox{0, scene.Glyphs.Bottom + 4, kScreenWidth, kScreenHeight}})
    EXPECT_EQ(InkIn(frame, empty, kRed).Lit, 0)
        << "ink in the empty area from " << empty.Left << "," << empty.Top;
}

#include "engine/OmegaImageList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PackageFixtures.h"
#include "engine/FatalError.h"
#include "platform/RecordingRenderDevice.h"

namespace {

struct ImageListFixture : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList List{Messages};

  ImageListFixture() {
    Screen.Initialize();
    List.SetOmegaScreen(&Screen);
    Screen.BeginScene();
  }

  TImageListItem& Loaded(const std::vector<TOilEntry>& entries, const std::string& name) {
    EXPECT_TRUE(List.ImageList.LoadFromStream(WriteImagePackage(entries)));
    List.BuildTextures();
    TImageListItem* item = List.Find(name);
    EXPECT_NE(item, nullptr);
    return *item;
  }
  const TQuad& LastQuad() const { return Device.Draws.back().Quad; }
  const TRecordingRenderDevice::TTexture& TextureOf(const TImageListItem& item) {
    return Device.Textures.at(item.Texture());
  }
};

void ExpectTexCoords(const TQuad& quad, float u0, float v0, float u1, float v1, const char* what) {
  const float us[4] = {u0, u1, u1, u0}, vs[4] = {v0, v0, v1, v1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(quad[i].U, us[i]) << what << " corner " << i;
    EXPECT_FLOAT_EQ(quad[i].V, vs[i]) << what << " corner " << i;
  }
}

}  // namespace

TEST_F(ImageListFixture, ASheetOfTilesDrawsEachPatternAndClampsPastTheLast) {
  TImageListItem& sheet = Loaded({PngEntry("sheet", PlacePicture(128, 64), 32, 32)}, "sheet");
  EXPECT_EQ(sheet.Rows, 2);
  EXPECT_EQ(sheet.Columns, 4);
  EXPECT_EQ(sheet.PatternCount(), 8);
  sheet.Draw(0, 0, 5);
  ExpectTexCoords(LastQuad(), 32.f / 128, 32.f / 64, 64.f / 128, 64.f / 64, "pattern 5");
  for (int pattern : {7, 8, 1000}) {
    sheet.Draw(0, 0, pattern);
    ExpectTexCoords(LastQuad(), 96.f / 128, 32.f / 64, 1, 1, "pattern 7 and beyond");
  }
}

TEST_F(ImageListFixture, ATextureHasThePicturesOwnSizeAndTheWholePictureSamplesAllOfIt) {
  TImageListItem& item = Loaded({PngEntry("panel", PlacePicture(100, 60))}, "panel");
  EXPECT_EQ(item.TextureWidth, 100);
  EXPECT_EQ(item.TextureHeight, 60);
  const auto& texture = TextureOf(item);
  ASSERT_EQ(texture.Width, 100);
  ASSERT_EQ(texture.Height, 60);
  EXPECT_EQ(texture.Pixels, PlacePicture(100, 60).Pixels);
  item.Draw(0, 0, -1);
  ExpectTexCoords(LastQuad(), 0, 0, 1, 1, "whole picture");
  // The game draws its full-screen panels as pattern 1 of a single-pattern picture.
  item.DrawRGBA(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 1, 0);
  ExpectTexCoords(LastQuad(), 0, 0, 1, 1, "pattern 1 clamped to 0");
}

TEST_F(ImageListFixture, AQuadCoversItsPixelsFromHalfAPixelBeforeAndIsScaledByTheScreenColour) {
  TImageListItem& tile = Loaded({PngEntry("tile", PlacePicture(40, 30), 10, 30)}, "tile");
  tile.Draw(100, 200, 0);
  const TQuad& quad = LastQuad();
  const float xs[4] = {99.5f, 110, 110, 99.5f}, ys[4] = {199.5f, 199.5f, 230, 230};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(quad[i].X, xs[i]) << i;
    EXPECT_FLOAT_EQ(quad[i].Y, ys[i]) << i;
    EXPECT_EQ(quad[i].Color, 0xFEFEFEFEu) << i;
  }
  EXPECT_EQ(Device.Draws.back().Texture, tile.Texture());
}

TEST_F(ImageListFixture, RotationScaleAndMirroringAreAboutTheGivenCentre) {
  TImageListItem& item = Loaded({PngEntry("car", PlacePicture(20, 10))}, "car");
  // Half size about the middle, turned a quarter clockwise: the top-left corner lands at the right.
  item.DrawEx(0, 0, 90, 0.5f, 0.5f, 0.5f, 0.5f, 1, 2, 3, 4, false, true, 0, -1);
  const TQuad& quad = LastQuad();
  // The corner (-0.5, -0.5) lies (-10.5, -5.5) from the centre (10, 5): halved and turned.
  EXPECT_NEAR(quad[0].X, 10 + 0.5f * 5.5f, 1e-4);
  EXPECT_NEAR(quad[0].Y, 5 + 0.5f * -10.5f, 1e-4);
  EXPECT_FLOAT_EQ(quad[0].U, 1);  // mirrored left-right: the top-left corner samples the right
  EXPECT_FLOAT_EQ(quad[1].U, 0);
  EXPECT_EQ(quad[0].Color & 0xFF, (1u * 255) / 256);
  // A scale of exactly 0 is a scale of 1.
  item.DrawRGBA(7, 9, 0, 0, 0, 0, 0, 255, 255, 255, 255, false, 0, 0);
  TQuad zero = LastQuad();
  item.Draw(7, 9, 0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(zero[i].X, LastQuad()[i].X);
    EXPECT_EQ(zero[i].Y, LastQuad()[i].Y);
  }
}

TEST_F(ImageListFixture, DrawRectPlacesTheQuadOnTheRectangle) {
  TImageListItem& item = Loaded({PngEntry("frame", PlacePicture(16, 16))}, "frame");
  item.DrawRect({10, 20, 110, 50}, 5, 6, 0, 0, 0, 1, 1, 255, 0, 0, 128, false, false, 0, 0);
  const TQuad& quad = LastQuad();
  EXPECT_FLOAT_EQ(quad[0].X, 14.5f);
  EXPECT_FLOAT_EQ(quad[0].Y, 25.5f);
  EXPECT_FLOAT_EQ(quad[2].X, 115);
  EXPECT_FLOAT_EQ(quad[2].Y, 56);
  EXPECT_EQ(quad[3].Color, 0x7FFE0000u);
}

TEST_F(ImageListFixture, DrawRgbaSetsTheDestinationFactorWithoutChangingTheRememberedMode) {
  TImageListItem& item = Loaded({PngEntry("glow", PlacePicture(8, 8))}, "glow");
  item.DrawRGBA(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, true, 0, 0);
  EXPECT_EQ(Device.Draws.back().Destination, TBlendFactor::One);
  EXPECT_EQ(Device.Draws.back().Source, TBlendFactor::SrcAlpha);
  EXPECT_EQ(Screen.BlendMode(), 0);
  item.DrawRGBA(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, true, 0, 2);  // a mode change overrides it
  EXPECT_EQ(Device.Draws.back().Destination, TBlendFactor::One);
  EXPECT_EQ(Screen.BlendMode(), 2);
  item.DrawRGBA(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 0, -1);
  EXPECT_EQ(Device.Draws.back().Destination, TBlendFactor::InvSrcAlpha);
  EXPECT_EQ(Screen.BlendMode(), 2);
}

TEST_F(ImageListFixture, TheColourKeyClearsOnlyOpaquePixelsOfExactlyThatColour) {
  TPixmap picture{4, 1, {0xFFFF00FF, 0x80FF00FF, 0xFFFF00FE, 0xFF123456}};
  TOilEntry keyed = PngEntry("keyed", picture);
  keyed.TransparentColor = 0xFF00FF;  // clFuchsia
  keyed.Transparent = true;
  TOilEntry unkeyed = keyed;
  unkeyed.Name = "unkeyed";
  unkeyed.Transparent = false;
  TOilEntry system = keyed;
  system.Name = "system";
  system.TransparentColor = 0xFF00000F;  // clBtnFace
  system.PictureFile = EncodePng(TPixmap{2, 1, {0xFFF0F0F0, 0xFFFF00FF}});
  Loaded({keyed, unkeyed, system}, "keyed");
  auto texels = [&](const char* name, int count) {
    const auto& pixels = TextureOf(*List.Find(name)).Pixels;
    return std::vector<uint32_t>(pixels.begin(), pixels.begin() + count);
  };
  EXPECT_EQ(texels("keyed", 4), (std::vector<uint32_t>{0, 0x80FF00FF, 0xFFFF00FE, 0xFF123456}));
  EXPECT_EQ(texels("unkeyed", 4), picture.Pixels);
  EXPECT_EQ(texels("system", 2), (std::vector<uint32_t>{0, 0xFFFF00FF}));
  EXPECT_EQ(List.Find("keyed")->Pixel(0, 0), 0u);
  EXPECT_EQ(List.Find("keyed")->Pixel(3, 0), 0xFF123456u);
  EXPECT_EQ(List.Find("keyed")->Pixel(4, 0), 0u) << "outside the picture";
}

TEST_F(ImageListFixture, FindIsExactAndRemembersNamesItDidNotFind) {
  Loaded({PngEntry("mainback", PlacePicture(2, 2)), PngEntry("dup", PlacePicture(2, 2)),
          PngEntry("dup", PlacePicture(4, 4))},
         "mainback");
  EXPECT_EQ(List.Find("Mainback"), nullptr);
  EXPECT_EQ(List.Find("mainback "), nullptr);
  EXPECT_EQ(List.Find("Mainback"), nullptr);
  EXPECT_EQ(List.Find("dup"), &List.Items(1));
  EXPECT_EQ(List.ImageList.MissingNames(), (std::vector<std::string>{"Mainback", "mainback "}));
  EXPECT_THROW(List.Items(3), std::out_of_range);
  EXPECT_THROW(List.Items(-1), std::out_of_range);
}

TEST_F(ImageListFixture, AnItemWithoutPictureStaysWithoutTextureAndDrawsNothing) {
  TOilEntry empty;
  empty.Name = "empty";
  TImageListItem& item = Loaded({empty}, "empty");
  EXPECT_FALSE(item.HasTexture());
  item.Draw(0, 0, 0);
  item.DrawRGBA(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 1, 0);
  EXPECT_TRUE(Device.Draws.empty());
}

TEST_F(ImageListFixture, ATileLargerThanThePictureDrawsTheFirstTileInsteadOfFailing) {
  TImageListItem& item = Loaded({PngEntry("small", PlacePicture(16, 16), 32, 32)}, "small");
  EXPECT_EQ(item.PatternCount(), 0);
  item.Draw(0, 0, 3);
  ExpectTexCoords(LastQuad(), 0, 0, 2, 2, "first tile");
}

TEST_F(ImageListFixture, TexturesComeBackAfterADeviceReset) {
  TImageListItem& item = Loaded({PngEntry("menu", PlacePicture(3, 3))}, "menu");
  std::vector<uint32_t> before = TextureOf(item).Pixels;
  EXPECT_EQ(item.Picture.Pixels.capacity(), 0u) << "the pixels are let go once the texture holds them";
  EXPECT_EQ(item.Picture.Width, 3);
  Screen.EndScene();
  Device.NextStatus = TDeviceStatus::NeedsReset;
  Screen.BeginScene();  // resets and skips the frame
  Screen.BeginScene();
  EXPECT_EQ(Device.Resets, 1);
  ASSERT_EQ(Device.Textures.count(item.Texture()), 1u);
  EXPECT_EQ(TextureOf(item).Pixels, before);
  item.Draw(0, 0, 0);
  EXPECT_EQ(Device.Draws.back().Texture, item.Texture());
}

TEST_F(ImageListFixture, ADozingPictureLetsItsTextureGoAndMakesItAgainWhenDrawn) {
  TImageListItem& item = Loaded({PngEntry("menu", PlacePicture(3, 3))}, "menu");
  TImageListItem& runtime = List.ImageList.Add();
  runtime.SetPicture(PlacePicture(2, 2));
  List.BuildTextures();
  const std::vector<uint32_t> before = TextureOf(item).Pixels;
  const size_t textures = Device.Textures.size();
  List.Doze();
  EXPECT_EQ(Device.Textures.size(), textures - 1) << "only the package's picture dozes";
  EXPECT_EQ(item.Pixel(1, 1), PlacePicture(3, 3).At(1, 1));
  item.Draw(0, 0, 0);
  ASSERT_EQ(Device.Textures.count(item.Texture()), 1u);
  EXPECT_EQ(TextureOf(item).Pixels, before);
  EXPECT_EQ(Device.Draws.back().Texture, item.Texture());
}

TEST_F(ImageListFixture, ARelativeFilepathIsFoundInTheGameFolderWhateverTheCurrentFolder) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "morvel-filepath-test";
  std::filesystem::create_directories(folder / "pics");
  TPixmap outside = PlacePicture(5, 7);
  std::string error;
  ASSERT_TRUE(WritePngFile((folder / "pics" / "share.png").string(), outside, error));
  List.GameFolder = folder.string();
  TOilEntry external = PngEntry("external", PlacePicture(2, 2));
  external.Filepath = "  pics\\share.png ";
  TOilEntry missing = PngEntry("missing", PlacePicture(2, 2));
  missing.Filepath = "pics\\nothing.png";
  TOilEntry drive = PngEntry("drive", PlacePicture(2, 2));
  drive.Filepath = "C:pics\\share.png";
  Loaded({external, missing, drive}, "external");
  TImageListItem& item = *List.Find("external");
  EXPECT_EQ(item.Filepath, "pics\\share.png");
  EXPECT_EQ(item.PictureWidth, 5);
  EXPECT_EQ(item.PictureHeight, 7);
  EXPECT_TRUE(item.HasTexture());
  EXPECT_EQ(item.Pixel(4, 6), outside.At(4, 6));
  EXPECT_EQ(List.Find("missing")->PictureWidth, 2) << "a missing file keeps the stored picture";
  EXPECT_EQ(List.Find("drive")->PictureWidth, 2) << "a path with a drive is used as it stands";
  std::filesystem::remove_all(folder);
}

TEST_F(ImageListFixture, SettingAPictureAtRunTimeMakesOnePatternOfIt) {
  TImageListItem& item = List.ImageList.Add();
  item.Name = "share";
  item.SetPicture(PlacePicture(300, 20));
  EXPECT_EQ(item.TileWidth, 300);
  EXPECT_EQ(item.TileHeight, 20);
  EXPECT_EQ(item.TextureWidth, 300);
  EXPECT_EQ(item.TextureHeight, 20);
  List.BuildTextures();
  EXPECT_EQ(item.PatternCount(), 1);
  EXPECT_EQ(TextureOf(item).Width, 300);
  EXPECT_EQ(item.Picture.Pixels.size(), 300u * 20u) << "no package to decode it again from: kept";
}

namespace {

// A device whose textures can never be made.
class TNoTextureDevice final : public TNullRenderDevice {
 public:
  TNoTextureDevice() : TNullRenderDevice(800, 600) {}
  TTextureHandle CreateTexture(int, int, const uint32_t*) override { return kNoTexture; }
};

}  // namespace

TEST(ImageListTextures, ATextureThatCannotBeMadeEndsTheGameWithTheItemsName) {
  TNoTextureDevice device;
  TDeviceOnlyVideo video{&device};
  TMessageBoxes messages{true};
  TOmegaScreen screen{video, messages};
  TOmegaImageList list{messages};
  ASSERT_TRUE(
      list.ImageList.LoadFromStream(WriteImagePackage({PngEntry("scr_raceover", PlacePicture(2, 2))})));
  list.SetOmegaScreen(&screen);
  EXPECT_THROW(screen.Initialize(), TFatalError);
  ASSERT_FALSE(messages.Shown().empty());
  EXPECT_EQ(messages.Shown().back(), "Error creating texture scr_raceover");
}

#include "engine/OmegaBitmapFont.h"

#include <cmath>

#include "engine/OmegaImageList.h"
#include "tests/fonts/FontFixture.h"

namespace {

struct BitmapFontFixture : FontFixture {
  TOmegaBitmapFont Font{Screen, Fonts};

  // Glyphs from a picture of 16 x 16 tiles of cellWidth x cellHeight.
  TOmegaImageList Images{Messages};
  void UseImageGlyphs(int cellWidth, int cellHeight) {
    TImageListItem& item = Images.ImageList.Add();
    item.Name = "font_img";
    item.SetPicture({cellWidth * 16, cellHeight * 16,
                     std::vector<uint32_t>(size_t(cellWidth * 16) * size_t(cellHeight * 16), 0xFFFFFFFF)});
    item.TileWidth = cellWidth;
    item.TileHeight = cellHeight;
    Images.SetOmegaScreen(&Screen);
    Images.BuildTextures();
    Font.SetOmegaImageList(&Images);
  }
  // Where each drawn quad's top-left corner landed.
  std::vector<std::pair<float, float>> Corners() const {
    std::vector<std::pair<float, float>> corners;
    for (const auto& draw : Device.Draws) corners.emplace_back(draw.Quad[0].X, draw.Quad[0].Y);
    return corners;
  }
};

}  // namespace

TEST(BitmapFontSide, StartsFromTheSizeRule) {
  struct TCase {
    int Count, Size;
    bool Fixed;
    int Side;
  };
  const TCase cases[] = {
      {109, 1, false, 256},
      {109, 20, false, 256},
      {109, 21, false, 512},
      {109, 23, false, 512},
      {109, 40, false, 512},
      {109, 41, false, 1024},
      {109, 55, false, 1024},
      // Fixed cells: the next power of two above round(sqrt(count x 2 x (size + 1)^2)).
      {109, 10, true, 256},  // sqrt(26378) = 162.4
      {1, 1, true, 4},       // sqrt(8) = 2.8
      {2, 1, true, 4},       // sqrt(16) = 4: already a power of two
  };
  for (const TCase& c : cases)
    EXPECT_EQ(StartingTextureSide(c.Count, c.Size, c.Fixed), c.Side) << c.Count << " " << c.Size;
}

// The game's three fonts with the extended set, and the default set at the sizes where it
// outgrows its starting side: every glyph ends up inside the texture.
TEST_F(BitmapFontFixture, TextureGrowsUntilEveryGlyphFits) {
  Open();
  struct TCase {
    const char* Face;
    std::string_view Characters;
    int Size, StartSide, Side;
  };
  const TCase cases[] = {
      {"Arial Black", kDefaultFontCharacters, 18, 256, 256},
      {"Arial Black", kDefaultFontCharacters, 20, 256, 512},
      {"Arial Black", kExtendedFontCharacters, 18, 256, 512},
      {"Arial Black", kExtendedFontCharacters, 23, 512, 512},
      {"Staccato222 BT", kExtendedFontCharacters, 20, 256, 512},
      {"Arial Black", kExtendedFontCharacters, 41, 1024, 1024},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Face) + " " + std::to_string(c.Size));
    Font.CreateFromSystemFont(c.Face, c.Characters, 0, c.Size);
    EXPECT_EQ(StartingTextureSide(int(c.Characters.size()), c.Size, false), c.StartSide);
    EXPECT_EQ(Font.TextureSide(), c.Side);
    ASSERT_EQ(Font.GlyphPixels().size(), size_t(c.Side) * size_t(c.Side));
    for (char ch : c.Characters) {
      const auto& glyph = Font.Glyph(Font.SlotOf(static_cast<unsigned char>(ch)));
      EXPECT_GT(glyph.Width, 0);
      EXPECT_LE(glyph.URight, 1.0f);
      EXPECT_LE(glyph.VBottom, 1.0f);
    }
  }
}

TEST(BitmapFontCharacters, ExtendedSetIsTheDefaultSetAndTheLatinLetters) {
  ASSERT_EQ(kDefaultFontCharacters.size(), 109u);
  EXPECT_EQ(kDefaultFontCharacters.substr(0, 33), " !\"#$%&'()*+,-./0123456789:;<=>?@");
  EXPECT_EQ(kDefaultFontCharacters[33], '\xDF');
  EXPECT_EQ(kDefaultFontCharacters.substr(66, 6), "[\\]^_`");
  EXPECT_EQ(kDefaultFontCharacters.substr(105), "{|}~");
  EXPECT_EQ(kDefaultFontCharacters.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
            std::string_view::npos);
  EXPECT_EQ(kExtendedFontCharacters.substr(0, 109), kDefaultFontCharacters);
  EXPECT_EQ(kExtendedFontCharacters.substr(109), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

// Glyphs lie in rows with two pixels between them and below each row; texels are white with four
// bits of alpha; code n draws from its own slot.
TEST_F(BitmapFontFixture, GeneratedGlyphsArePackedWhiteAndByCode) {
  Open();
  Font.CreateFromSystemFont("Arial", kDefaultFontCharacters, 0, 20);
  const int side = Font.TextureSide();
  auto pixelsOf = [&](float u) { return int(std::lround(u * float(side))); };
  const auto& space = Font.Glyph(Font.SlotOf(' '));
  const auto& bang = Font.Glyph(Font.SlotOf('!'));
  EXPECT_EQ(pixelsOf(space.ULeft), 0);
  EXPECT_EQ(pixelsOf(space.URight), space.Width + 1);
  EXPECT_EQ(pixelsOf(bang.ULeft), space.Width + 2);
  EXPECT_EQ(pixelsOf(space.VBottom), Font.CellHeight() + 1);
  // The first glyph of the second row.
  int x = 0, secondRow = -1;
  for (char c : kDefaultFontCharacters) {
    const auto& glyph = Font.Glyph(Font.SlotOf(static_cast<unsigned char>(c)));
    if (pixelsOf(glyph.VTop) > 0) {
      secondRow = pixelsOf(glyph.VTop);
      EXPECT_GT(x + glyph.Width + 2, side);
      EXPECT_EQ(pixelsOf(glyph.ULeft), 0);
      break;
    }
    x += glyph.Width + 2;
  }
  EXPECT_EQ(secondRow, Font.CellHeight() + 2);

  for (uint32_t texel : Font.GlyphPixels()) {
    uint32_t alpha = texel >> 24;
    ASSERT_TRUE(texel == 0 || ((texel & 0xFFFFFF) == 0xFFFFFF && alpha % 17 == 0)) << std::hex << texel;
  }
  for (int code : {int('5'), int('@'), 0xC6, 0xE6})
    EXPECT_EQ(Font.SlotOf(static_cast<unsigned char>(code)), code);
  EXPECT_EQ(Font.SlotOf('A'), -1);  // not in the set: skipped
  EXPECT_EQ(Font.FontName(), "Arial");
  // The cell is the size of "a", though the set does not hold it.
  TFontFace* face = Fonts.Face("Arial", false, false, PointsToPixels(20));
  EXPECT_EQ(Font.CellWidth(), face->Advance('a'));
  EXPECT_EQ(Font.CellHeight(), face->LineHeight());
}

// The Russian letters of the set are drawn, not left blank.
TEST_F(BitmapFontFixture, CyrillicGlyphsHavePixels) {
  Open();
  Font.CreateFromSystemFont("Staccato222 BT", kExtendedFontCharacters, 0, 20);
  const auto& texture = Device.Textures.at(Device.Textures.rbegin()->first);
  ASSERT_EQ(texture.Width, Font.TextureSide());
  for (unsigned char code : std::string_view("\xC6\xDF\xE6\xA8\xB8Zz")) {
    const auto& glyph = Font.Glyph(Font.SlotOf(code));
    float side = float(texture.Width);
    EXPECT_TRUE(AnyCovered(texture, int(glyph.ULeft * side), int(glyph.VTop * side), int(glyph.URight * side),
                           int(glyph.VBottom * side)))
        << int(code);
  }
}

TEST_F(BitmapFontFixture, CentredTextStartsHalfItsCellsLeftAndAQuarterCellUp) {
  Open();
  UseImageGlyphs(12, 16);
  Font.PositionMode = TBitmapFontPositionMode::pmCenter;
  Font.TextOut(100, 50, 0, 1, 1, 0xFFFFFFFF, "0123", -1);
  ASSERT_EQ(Device.Draws.size(), 4u);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].X, 100 - 24);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].Y, 50 - 4);
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].X, 100 - 24 + 12);
  // A quad spans its glyph and half a pixel more.
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[2].X, 100 - 24 + 12.5f);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[2].Y, 50 - 4 + 16.5f);
}

// A carriage return starts the next line at the unshifted x; characters outside the set are
// skipped without moving the pen; a space moves it without drawing.
TEST_F(BitmapFontFixture, CarriageReturnSkippedCharactersAndSpaces) {
  Open();
  UseImageGlyphs(10, 14);
  Font.SetCharacters("XYZ ");
  Font.LineSpace = 10;
  Font.Spacing = 3;
  Font.TextOut(10, 20, 0, 1, 1, 0xFFFFFFFF, "XY\rZ", -1);
  Font.TextOut(10, 100, 0, 1, 1, 0xFFFFFFFF, "XqY Z", -1);
  using TPoints = std::vector<std::pair<float, float>>;
  EXPECT_EQ(Corners(), (TPoints{{10, 20}, {23, 20}, {10, 20 + 14 + 10}, {10, 100}, {23, 100}, {49, 100}}));
  // The slots follow the positions in the set.
  EXPECT_EQ(Font.SlotOf('Z'), 2);
  EXPECT_EQ(Font.SlotOf('q'), -1);
}

TEST_F(BitmapFontFixture, WidthAndHeightOfText) {
  Open();
  UseImageGlyphs(12, 16);
  EXPECT_EQ(Font.TextWidth(""), 1);
  EXPECT_EQ(Font.TextWidth("012"), 36);
  Font.ScaleX = 0.7f;  // round(12 x 0.7) = 8 per glyph
  Font.ScaleY = 0.5f;
  EXPECT_EQ(Font.TextWidth("012"), 24);
  EXPECT_EQ(Font.TextHeight(), 8);
  Font.ScaleY = 0.01f;
  EXPECT_EQ(Font.TextHeight(), 1);
}

// In image mode slot n is tile n, row by row, tiles past the last one being the last one.
TEST_F(BitmapFontFixture, ImageGlyphsAreTilesInOrder) {
  Open();
  UseImageGlyphs(12, 16);  // a 192 x 256 picture and texture
  EXPECT_FALSE(Font.Generated());
  EXPECT_EQ(Font.FontName(), "font_img");
  EXPECT_EQ(Font.CellWidth(), 12);
  const auto& tile17 = Font.Glyph(17);
  EXPECT_FLOAT_EQ(tile17.ULeft, 12.0f / 192);
  EXPECT_FLOAT_EQ(tile17.VTop, 16.0f / 256);
  EXPECT_FLOAT_EQ(tile17.URight, 24.0f / 192);
  EXPECT_FLOAT_EQ(tile17.VBottom, 32.0f / 256);
  Font.SetCharacters("");
  EXPECT_EQ(Font.Characters(), kDefaultFontCharacters);
  // A set without a space still gives the space the width of slot 0.
  Font.SetCharacters("AB");
  EXPECT_EQ(Font.SlotOf(' '), 0);
  EXPECT_EQ(Font.SlotOf('B'), 1);
  Font.TextOut(0, 0, 0, 1, 1, 0xFFFFFFFF, "A B", -1);
  ASSERT_EQ(Device.Draws.size(), 2u);
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].X, 24);
}

TEST_F(BitmapFontFixture, EachGlyphTurnsAboutItsMiddleThenTheStringAboutItsCentre) {
  Open();
  UseImageGlyphs(10, 20);
  Font.CharRotation = 90;
  Font.TextOut(100, 100, 0, 1, 1, 0xFFFFFFFF, "0", -1);
  // Quarter turn clockwise about (105, 110): the top-left corner goes to the top-right.
  const TQuad& turned = Device.Draws.back().Quad;
  EXPECT_NEAR(turned[0].X, 115, 1e-3);
  EXPECT_NEAR(turned[0].Y, 105, 1e-3);
  Font.CharRotation = 0;
  Font.CenterX = 0;
  Font.TextOut(100, 100, 180, 2, 1, 0xFFFFFFFF, "00", -1);
  // The second glyph at x 110 is doubled away from 100 and then turned half round.
  EXPECT_NEAR(Device.Draws.back().Quad[0].X, 100 - 20, 1e-3);
  EXPECT_NEAR(Device.Draws.back().Quad[0].Y, 100, 1e-3);
}

TEST_F(BitmapFontFixture, DrawsWithTheGivenBlendModeAndColours) {
  Open();
  UseImageGlyphs(10, 20);
  Font.DrawText(0, 0, 0, 1, 1, 0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, "0", 2);
  ASSERT_EQ(Device.Draws.size(), 1u);
  EXPECT_EQ(Screen.BlendMode(), 2);
  EXPECT_EQ(Device.Draws[0].Destination, TBlendFactor::One);
  EXPECT_EQ(Device.Draws[0].Texture, Images.Items(0).Texture());
  // Corner colours in order, through the screen colour (255 x 255 / 256).
  EXPECT_EQ(Device.Draws[0].Quad[2].Color & 0xFF, 0x02u);
  EXPECT_EQ(Device.Draws[0].Quad[1].Color & 0xFF, 0x01u);
}

// A new device brings back the default bold Arial when no image list is set, and the image
// glyphs when one is; CreateFromSystemFont has to be called again after that.
TEST_F(BitmapFontFixture, DeviceCreationRestoresTheStartingGlyphs) {
  Open();
  EXPECT_TRUE(Font.Generated());
  EXPECT_EQ(Font.FontName(), "Arial");
  EXPECT_EQ(Font.TextureSide(), 256);
  UseImageGlyphs(12, 16);
  Font.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, 23);
  EXPECT_TRUE(Font.Generated());
  Device.NextStatus = TDeviceStatus::NeedsReset;
  Screen.BeginScene();  // resets
  EXPECT_FALSE(Font.Generated());
  EXPECT_EQ(Font.FontName(), "font_img");
  Screen.BeginScene();
  Font.TextOut(0, 0, 0, 1, 1, 0xFFFFFFFF, "0", -1);
  ASSERT_EQ(Device.Draws.size(), 1u);
  EXPECT_EQ(Device.Draws[0].Texture, Images.Items(0).Texture());
}

TEST_F(BitmapFontFixture, NothingIsDrawnWithoutADevice) {
  Font.TextOut(0, 0, 0, 1, 1, 0xFFFFFFFF, "012", -1);
  EXPECT_TRUE(Device.Draws.empty());
}

#include "engine/OmegaFont.h"

#include "tests/fonts/FontFixture.h"

namespace {

struct OmegaFontFixture : FontFixture {
  TOmegaFont Font{Screen, Fonts};

  float Left() const {
    float left = 1e9f;
    for (const auto& draw : Device.Draws) left = std::min(left, draw.Quad[0].X);
    return left;
  }
  float Top() const {
    float top = 1e9f;
    for (const auto& draw : Device.Draws) top = std::min(top, draw.Quad[0].Y);
    return top;
  }
};

}  // namespace

// Text sits where it is asked for whatever the screen-wide transform and colour are.
TEST_F(OmegaFontFixture, TextIsDrawnPastTheScreenTransformAndColour) {
  Open();
  Font.SetFont("Arial Black", 20);
  Font.SetColor(0xFF0F0F0F);
  Screen.CenterX = 400, Screen.CenterY = 300;
  Screen.Rotation = 90;
  Screen.OffsetX = 50;
  Screen.SetRed(0);
  Screen.SetBlendMode(2);
  Font.TextOut(100, 200, "HIT");
  ASSERT_EQ(Device.Draws.size(), 3u);
  for (const auto& draw : Device.Draws) {
    EXPECT_EQ(draw.Quad[0].Color, 0xFF0F0F0Fu);
    EXPECT_EQ(draw.Source, TBlendFactor::SrcAlpha);
    EXPECT_EQ(draw.Destination, TBlendFactor::InvSrcAlpha);
    // One texel to a pixel: the quad is as wide as its texture rectangle.
    float side = float(Device.Textures.at(draw.Texture).Width);
    EXPECT_FLOAT_EQ((draw.Quad[1].X - draw.Quad[0].X), (draw.Quad[1].U - draw.Quad[0].U) * side);
  }
  // "H" has no left bearing to speak of: its stem starts within two pixels of x, half a pixel
  // before the pixel centre.
  EXPECT_NEAR(Left(), 100 - 0.5f, 2.0f);
  EXPECT_GE(Top(), 200 - 0.5f);
  EXPECT_LT(Top(), 200 + 10);
  // The display is back at its own mode.
  EXPECT_EQ(Device.Destination, TBlendFactor::One);
  EXPECT_EQ(Screen.BlendMode(), 2);
}

TEST_F(OmegaFontFixture, LineBreaksStartNewLines) {
  Open();
  Font.SetFont("Arial", 13);
  Font.TextOut(10, 10, "T");
  float firstTop = Device.Draws.back().Quad[0].Y;
  Font.TextOut(10, 10, "A\r\nT");
  float secondTop = Device.Draws.back().Quad[0].Y;
  EXPECT_FLOAT_EQ(secondTop - firstTop, float(Font.TextHeight("T")));
  EXPECT_EQ(Font.TextHeight("A\r\nT"), 2 * Font.TextHeight("T"));
  EXPECT_EQ(Font.TextWidth("TT\nT"), Font.TextWidth("TT"));
}

TEST_F(OmegaFontFixture, WidthIsTheSumOfTheAdvances) {
  Font.SetFont("Verdana", 12);
  EXPECT_EQ(Font.TextWidth(""), 0);
  EXPECT_EQ(Font.TextWidth("ii"), 2 * Font.TextWidth("i"));
  EXPECT_GT(Font.TextWidth("WWW"), Font.TextWidth("iii"));
  EXPECT_EQ(Font.TextWidth("12:05"), Font.TextWidth("12") + Font.TextWidth(":05"));
  // Larger sizes measure larger; the game centres its titles with this.
  int small = Font.TextWidth("OPTIONS");
  Font.SetFont("Verdana", 24);
  EXPECT_GT(Font.TextWidth("OPTIONS"), small * 3 / 2);
}

TEST_F(OmegaFontFixture, SetFontMakesTheColourWhiteAgain) {
  Font.SetColor(0xFF102030);
  Font.SetFont("Arial Black", 10, {.Bold = true});
  EXPECT_EQ(Font.Color(), 0xFFFFFFFFu);
  EXPECT_EQ(Font.FontName(), "Arial Black");
  EXPECT_EQ(Font.Size(), 10);
  EXPECT_TRUE(Font.Style().Bold);
}

TEST_F(OmegaFontFixture, NothingIsDrawnWithoutADevice) {
  Font.SetFont("Arial", 10);
  Font.TextOut(0, 0, "text");
  EXPECT_TRUE(Device.Draws.empty());
  EXPECT_TRUE(Device.Textures.empty());
  EXPECT_GT(Font.TextWidth("text"), 0);  // measuring needs no device
}

// The glyphs of a face are rendered into the texture once; later frames only draw.
TEST_F(OmegaFontFixture, GlyphsAreRenderedOnceAndSurviveAReset) {
  Open();
  Font.SetFont("Arial", 13);
  Font.TextOut(0, 0, "\xCF\xF0\xE8\xE2\xE5\xF2");  // Привет
  ASSERT_EQ(Device.Textures.size(), 1u);
  TTextureHandle texture = Device.Textures.begin()->first;
  Font.TextOut(0, 20, "\xE2\xE5\xF2");
  EXPECT_EQ(Device.Textures.size(), 1u);
  EXPECT_EQ(Device.Textures.begin()->first, texture);
  EXPECT_EQ(Device.Draws.size(), 9u);

  Device.NextStatus = TDeviceStatus::NeedsReset;
  Screen.BeginScene();
  Screen.BeginScene();
  Device.Draws.clear();
  Font.TextOut(0, 0, "\xCF");
  ASSERT_EQ(Device.Draws.size(), 1u);
  EXPECT_TRUE(Device.Textures.count(Device.Draws[0].Texture));
}

TEST_F(OmegaFontFixture, UnderlineAndStrikeOutAddBars) {
  Open();
  Font.SetFont("Arial", 13, {.Underline = true, .StrikeOut = true});
  Font.TextOut(0, 0, "ab");
  EXPECT_EQ(Device.Draws.size(), 4u);
  EXPECT_NEAR(Device.Draws.back().Quad[1].X - Device.Draws.back().Quad[0].X, float(Font.TextWidth("ab")),
              1e-3);
}

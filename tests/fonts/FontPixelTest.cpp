#include <gtest/gtest.h>

#include <cstdio>

#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaFont.h"
#include "platform/Png.h"
#include "platform/SdlVideo.h"

namespace {

struct TRegion {
  int Left, Top, Right, Bottom;
};

struct TInk {
  int Pixels = 0;         // pixels that are not black
  uint8_t Brightest = 0;  // of the channel asked for
};

TInk InkIn(const TPixmap& frame, TRegion region, int shift) {
  TInk ink;
  for (int y = region.Top; y < region.Bottom; ++y)
    for (int x = region.Left; x < region.Right; ++x) {
      uint32_t pixel = frame.At(x, y) & 0xFFFFFF;
      if (pixel == 0) continue;
      ++ink.Pixels;
      ink.Brightest = std::max(ink.Brightest, uint8_t(pixel >> shift));
    }
  return ink;
}

constexpr int kRed = 16, kGreen = 8;

}  // namespace

// Both fonts on the real OpenGL device: the text lands where it is asked for, crisp and in its
// colour, Cyrillic included. The frame is saved to /tmp/morvel-fonts.png for a look.
TEST(FontPixels, BothFontsDrawTheirTextOnTheDevice) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TFontLibrary fonts;
  TOmegaFont title(screen, fonts);
  TOmegaBitmapFont glyphs(screen, fonts);
  screen.CenterX = 400, screen.CenterY = 300;
  screen.Initialize();
  screen.SetTextureFilter(true);
  if (screen.Device().Name() != "opengl") GTEST_SKIP() << "no OpenGL renderer here";

  title.SetFont("Arial Black", 23);
  title.SetColor(0xFFFF0000);
  glyphs.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, 23);
  const std::string titleText = "OPTIONS \xCE\xEF\xF6\xE8\xE8";  // Опции
  const std::string nameText = "Player \xC8\xEC\xFF";            // Имя

  screen.Clear(0, 0, 0, 0);
  screen.BeginScene();
  screen.Rotation = 180;  // text in system fonts stays put; the bitmap font turns with the screen
  title.TextOut(40, 30, titleText);
  screen.Rotation = 0;
  title.SetFont("Verdana", 12);
  title.SetColor(0xFFFFFFFF);
  title.TextOut(40, 90, "12:05:33\nLAP 2/5");
  glyphs.TextOut(40, 200, 0, 1, 1, 0xFF00FF00, nameText, 0);
  glyphs.TextOut(400, 400, 30, 1.5f, 1.5f, 0xFFFFFF00, "\xC3\xEE\xED\xEA\xE0 Race", 0);  // Гонка
  TPixmap frame{800, 600, screen.Device().ReadPixels()};
  screen.EndScene();
  ASSERT_EQ(frame.Pixels.size(), 800u * 600u);
  std::string error;
  EXPECT_TRUE(WritePngFile("/tmp/morvel-fonts.png", frame, error)) << error;

  // The title fills its box and nothing outside it; its fully covered pixels are exactly its colour,
  // not dimmed by the screen colour or blurred by a half-texel shift.
  title.SetFont("Arial Black", 23);
  TRegion titleBox{40, 30, 40 + title.TextWidth(titleText), 30 + title.TextHeight(titleText)};
  TInk titleInk = InkIn(frame, titleBox, kRed);
  EXPECT_GT(titleInk.Pixels, 800);
  EXPECT_EQ(titleInk.Brightest, 255);
  EXPECT_EQ(InkIn(frame, {0, 0, 800, 28}, kRed).Pixels, 0);
  // The Cyrillic word has ink of its own, right of "OPTIONS ".
  int wordLeft = 40 + title.TextWidth("OPTIONS ");
  EXPECT_GT(InkIn(frame, {wordLeft, titleBox.Top, titleBox.Right, titleBox.Bottom}, kRed).Pixels, 300);

  // The second text has two lines.
  title.SetFont("Verdana", 12);
  int line = title.TextHeight("1");
  EXPECT_GT(InkIn(frame, {40, 90, 40 + title.TextWidth("12:05:33"), 90 + line}, kGreen).Pixels, 50);
  EXPECT_GT(InkIn(frame, {40, 90 + line, 40 + title.TextWidth("LAP 2/5"), 90 + 2 * line}, kGreen).Pixels, 50);

  // The bitmap font draws through the screen colour (255 becomes 254) in its cell rows; its quads
  // are half a pixel narrower than their texels, so filtering takes a little more off.
  TRegion nameBox{40, 200, 40 + glyphs.TextWidth(nameText) + 4, 200 + glyphs.CellHeight() + 1};
  TInk nameInk = InkIn(frame, nameBox, kGreen);
  EXPECT_GT(nameInk.Pixels, 500);
  EXPECT_LT(nameInk.Brightest, 255);
  EXPECT_GT(nameInk.Brightest, 240);
  EXPECT_EQ(InkIn(frame, {0, 150, 800, 198}, kGreen).Pixels, 0);
  // The turned line goes down to the right of (400, 400).
  EXPECT_GT(InkIn(frame, {450, 420, 700, 560}, kGreen).Pixels, 300);
}

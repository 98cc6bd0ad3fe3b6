#include <gtest/gtest.h>

#include <fstream>

#include "PixelChecks.h"
#include "e2e/GameRun.h"
#include "platform/Png.h"

namespace {

// Through the menus by script: the intro skipped, a name typed, the options opened and a team
// name typed; a screenshot of the name entry and one of the options.
struct TMenuShots {
  TPixmap NameEntry, Options;
};

TPixmap Shot(const std::filesystem::path& path) {
  std::string error;
  std::optional<TPixmap> picture = ReadPngFile(path.string(), error);
  EXPECT_TRUE(picture) << error;
  return picture ? std::move(*picture) : TPixmap{};
}

const TMenuShots& MenuShots() {
  static const TMenuShots shots = [] {
    TGameRun game;
    const auto script = game.Folder() / "menus.txt";
    std::ofstream(script) << "5 down 13\n6 up 13\n90 text Ann\n110 down 13\n111 up 13\n160 click 400 322\n"
                             "220 click 658 408\n225 text Blue\n";
    const auto name = game.Folder() / "name.png", options = game.Folder() / "options.png";
    EXPECT_EQ(
        game.Run({"--headless", "--virtual-clock", "--seed", "3", "--script", script.string(), "--frames",
                  "241", "--screenshot", "100:" + name.string(), "--screenshot", "240:" + options.string()}),
        0)
        << game.Stderr();
    return TMenuShots{Shot(name), Shot(options)};
  }();
  return shots;
}

int MaxChannel(uint32_t argb) {
  return std::max({Channel(argb, 0), Channel(argb, 8), Channel(argb, 16)});
}
int MinChannel(uint32_t argb) {
  return std::min({Channel(argb, 0), Channel(argb, 8), Channel(argb, 16)});
}

}  // namespace

// Typed text keeps a few pixels from the left border of both text boxes: the first pixel of the
// text, on any of the box's rows, lies well inside the border (3 pixels wide).
TEST(MenuLooksRun, TypedTextKeepsClearOfTheBoxesLeftBorder) {
  const struct {
    const char* Box;
    const TPixmap& Shot;
    int Left, Top, Height;
    bool (*Text)(uint32_t);
  } boxes[] = {
      {"name", MenuShots().NameEntry, 253, 363, 48, [](uint32_t p) { return MaxChannel(p) < 90; }},
      {"team name", MenuShots().Options, 553, 388, 40, [](uint32_t p) { return MinChannel(p) > 150; }},
  };
  for (const auto& box : boxes) {
    ASSERT_EQ(box.Shot.Width, 800) << box.Box;
    int first = 800;
    for (int y = box.Top + 6; y < box.Top + box.Height - 6; ++y)
      for (int x = box.Left + 4; x < box.Left + 60; ++x)
        if (box.Text(box.Shot.At(x, y))) {
          first = std::min(first, x);
          break;
        }
    ASSERT_LT(first, box.Left + 60) << box.Box << ": no text";
    EXPECT_GE(first - (box.Left + 3), 5) << box.Box;
  }
}

// Between the options panel's top border and the FULL SCREEN switch below it lies a strip of the
// panel's cream, all along the switch.
TEST(MenuLooksRun, TheFullScreenSwitchStaysBelowThePanelsTopBorder) {
  const TPixmap& shot = MenuShots().Options;
  ASSERT_EQ(shot.Width, 800);
  constexpr uint32_t kCream = 0xFFFFF5D6;
  auto dark = [](uint32_t p) { return MaxChannel(p) < 70; };
  for (int x = 610; x < 690; x += 4) {
    int y = 207;  // below the strip of race options, above the panel (top at 211)
    while (y < 225 && !dark(shot.At(x, y))) ++y;  // down to the border
    while (y < 225 && dark(shot.At(x, y))) ++y;   // across it
    int cream = 0;
    while (y < 240 && Near(shot.At(x, y), kCream, 24)) ++y, ++cream;
    EXPECT_GE(cream, 2) << "at x " << x;
  }
}

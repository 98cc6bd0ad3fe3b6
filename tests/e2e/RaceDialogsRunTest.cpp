#include <gtest/gtest.h>

#include <fstream>

#include "PixelChecks.h"
#include "e2e/GameRun.h"
#include "platform/Png.h"

namespace {

// The player's car stands still on the screen, its lime mark round it; the heads-up texts are
// the four rows at the top right.
constexpr int kCarX = 396, kCarY = 321, kMarkReach = 44;
constexpr int kHudLeft = 600, kHudRight = 795, kHudTop = 28, kHudBottom = 112;
constexpr uint32_t kMarkLime = 0xFFB8F02D;

TPixmap Shot(const std::filesystem::path& path) {
  std::string error;
  std::optional<TPixmap> picture = ReadPngFile(path.string(), error);
  EXPECT_TRUE(picture) << error;
  return picture ? std::move(*picture) : TPixmap{};
}

int MarkPixels(const TPixmap& picture) {
  int count = 0;
  for (int y = kCarY - kMarkReach; y <= kCarY + kMarkReach; ++y)
    for (int x = kCarX - kMarkReach; x <= kCarX + kMarkReach; ++x)
      count += Near(picture.At(x, y), kMarkLime, 40);
  return count;
}

int HudDifferences(const TPixmap& a, const TPixmap& b) {
  int count = 0;
  for (int y = kHudTop; y < kHudBottom; ++y)
    for (int x = kHudLeft; x < kHudRight; ++x) count += a.At(x, y) != b.At(x, y);
  return count;
}

}  // namespace

// Neither the pause banner nor the leave-race dialog hides the player's car or any of the
// heads-up texts: the mark round the car and the texts look as in the race frame before.
TEST(RaceDialogsRun, ThePauseAndTheLeaveRaceDialogLeaveTheCarAndTheHudInSight) {
  const struct {
    const char* Dialog;
    int Key;
    int ShotFrame;  // the dialog in place (the leave-race dialog slides in for 20 frames)
  } cases[] = {{"pause", 80, 410}, {"leave race", 27, 430}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Dialog);
    TGameRun game;
    const auto script = game.Folder() / "keys.txt";
    std::ofstream(script) << "400 down " << c.Key << "\n401 up " << c.Key << "\n";
    const auto race = game.Folder() / "race.png", dialog = game.Folder() / "dialog.png";
    ASSERT_EQ(game.Run({"--headless", "--virtual-clock", "--seed", "3", "--race", "0:0", "--autopilot",
                        "--script", script.string(), "--frames", std::to_string(c.ShotFrame + 1),
                        "--screenshot", "401:" + race.string(), "--screenshot",
                        std::to_string(c.ShotFrame) + ":" + dialog.string()}),
              0)
        << game.Stderr();
    const TPixmap before = Shot(race), after = Shot(dialog);
    ASSERT_EQ(before.Width, 800);
    ASSERT_EQ(after.Width, 800);
    const int mark = MarkPixels(before);
    ASSERT_GT(mark, 200) << "the player's mark is not where the car stands";
    EXPECT_GE(MarkPixels(after), mark * 9 / 10);
    EXPECT_EQ(HudDifferences(before, after), 0);
  }
}

// The gap to the ghost in a time trial stands on a plate of its own below the heads-up texts:
// everything the line adds to the picture there is one solid block, not letters over the track.
TEST(RaceDialogsRun, TheTimeTrialsGapLineHasAPlateOfItsOwn) {
  TGameRun game;
  auto timeTrial = [&](const std::string& frames, std::vector<std::string> more) {
    std::vector<std::string> args = {"--headless", "--virtual-clock", "--seed",      "5",        "--race",
                                     "0:1",        "--time-trial",    "--autopilot", "--frames", frames};
    args.insert(args.end(), more.begin(), more.end());
    ASSERT_EQ(game.Run(args), 0) << game.Stderr();
  };
  const auto alone = game.Folder() / "alone.png", withGhost = game.Folder() / "ghost.png";
  // The first run has no ghost to compare with; the whole race leaves its best lap behind.
  timeTrial("601", {"--screenshot", "600:" + alone.string()});
  timeTrial("40000", {"--render", "null"});
  ASSERT_TRUE(std::filesystem::exists(game.Folder() / "Ghost1.gst"));
  timeTrial("601", {"--screenshot", "600:" + withGhost.string()});
  const TPixmap a = Shot(alone), b = Shot(withGhost);
  ASSERT_EQ(a.Width, 800);
  ASSERT_EQ(b.Width, 800);
  // What changed in the right-hand column below the panel's rows (the ghost car itself runs near
  // the player's car, far from there).
  int left = 800, right = -1, top = 600, bottom = -1, changed = 0;
  for (int y = 100; y < 260; ++y)
    for (int x = 520; x < 800; ++x)
      if (!Near(a.At(x, y), b.At(x, y), 8)) {
        ++changed;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
        bottom = std::max(bottom, y);
      }
  ASSERT_GT(changed, 0) << "no gap line";
  EXPECT_GT(top, kHudBottom) << "the line reaches into the heads-up rows";
  const int box = (right - left + 1) * (bottom - top + 1);
  EXPECT_GE(changed, box * 9 / 10) << "the line's box " << left << "," << top << " - " << right << ","
                                   << bottom;
}

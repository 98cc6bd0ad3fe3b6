#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Png.h"
#include "platform/SdlVideo.h"
#include "race/Player.h"
#include "race/RaceTime.h"
#include "scoring/ResultsRun.h"
#include "shell/KeyCodes.h"

namespace {

struct TBox {
  int Left, Top, Right, Bottom;  // end exclusive
};

// The HUD's rows on the navy plate: the lap value and the race time.
constexpr TBox kLapValue{750, 30, 790, 48};
constexpr TBox kTimeRow{643, 70, 790, 88};
// The lower part of the "Best Lap" row, where a dialog reaching that far up would hide it.
constexpr TBox kDialogCorner{645, 102, 660, 111};
// The panel's title row, where the game writes the track's number and name in yellow.
constexpr TBox kTitleRow{600, 5, 796, 24};

// A race on the first track, drawn by OpenGL off screen; frames are saved and read back on request.
class HudPixels : public testing::Test {
 protected:
  void SetUp() override {
    if (Game.Form->OmegaScreen1.Device().Name() != "opengl") GTEST_SKIP() << "no OpenGL renderer here";
    Game.Form->State.Catalogue.SelectedTrack = 0;
    Game.Form->StartRace();
    ASSERT_EQ(Game.Form->State.CurrentScreen, gsRace);
  }

  void Run(int frames) {
    for (int i = 0; i < frames; ++i) Game.RunFrame();
  }

  // The next frame as the player sees it.
  TPixmap Shot() {
    const std::string path = (Game.Folder.Folder() / "shot.png").string();
    Game.Form->OmegaScreen1.RequestScreenshot(path);
    Game.RunFrame();
    std::string error;
    std::optional<TPixmap> picture = ReadPngFile(path, error);
    EXPECT_TRUE(picture) << error;
    return picture.value_or(TPixmap{});
  }

  // The player crosses the line for the last time, as the finish line does it.
  void Finish() {
    TRaceState& race = Game.Form->Race;
    race.Player->FinishPosition = race.FinishCounter;
    race.Results[size_t(race.FinishCounter++)] = {kPlayerResult, race.Player->RaceTime};
    race.Player->HasControl = false;
    race.Player->Ranking = false;
    race.RaceFinished = true;
    Game.Form->State.StepTicks = 0;
  }

  static int WhitePixels(const TPixmap& frame, TBox box) {
    int count = 0;
    for (int y = box.Top; y < box.Bottom; ++y)
      for (int x = box.Left; x < box.Right; ++x) {
        const uint32_t p = frame.At(x, y);
        count += std::min({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}) > 200;
      }
    return count;
  }

  static int YellowPixels(const TPixmap& frame, TBox box) {
    int count = 0;
    for (int y = box.Top; y < box.Bottom; ++y)
      for (int x = box.Left; x < box.Right; ++x) {
        const uint32_t p = frame.At(x, y);
        count += ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 160 && (p & 0xFF) < 120;
      }
    return count;
  }

  static bool SamePixels(const TPixmap& a, const TPixmap& b, TBox box) {
    for (int y = box.Top; y < box.Bottom; ++y)
      for (int x = box.Left; x < box.Right; ++x)
        if (a.At(x, y) != b.At(x, y)) return false;
    return true;
  }

  TSdlVideo Video{TVideoOptions{true, TRenderKind::Gl}};
  TResultsRun Game{Video};
};

// While the player drives, the HUD's time runs; from the finish it shows the time of the results
// and stands still, while the opponents' clocks run on; and behind the results the plate keeps
// its values.
// The panel's picture leaves the title row empty: what is yellow there is the track's name.
TEST_F(HudPixels, TheTitleRowNamesTheTrack) {
  Run(5);
  EXPECT_GT(YellowPixels(Shot(), kTitleRow), 100);
}

TEST_F(HudPixels, TheClockStopsAtTheFinishAndTheHudStaysBehindTheResults) {
  Run(300);  // past the green light
  const TPixmap racing = Shot();
  Run(60);
  EXPECT_FALSE(SamePixels(racing, Shot(), kTimeRow));
  Finish();
  const TRaceTime finish = Game.Form->Race.Player->RaceTime;
  const TPixmap justIn = Shot();
  Run(100);
  EXPECT_TRUE(SamePixels(justIn, Shot(), kTimeRow));
  const TRaceTime& shown = Game.Form->Race.Player->RaceTime;
  EXPECT_EQ(RaceTimeText(shown), RaceTimeText(finish));
  Run(100);
  ASSERT_EQ(Game.Form->State.CurrentScreen, gsRaceOver);
  const TPixmap results = Shot();
  EXPECT_GT(WhitePixels(results, kLapValue), 10);
  EXPECT_TRUE(SamePixels(justIn, results, kTimeRow));
}

// The leave-race dialog keeps clear of the HUD: "Best Lap" still shows beside it.
TEST_F(HudPixels, TheLeaveRaceDialogLeavesTheHudInSight) {
  Run(300);
  const TPixmap racing = Shot();
  EXPECT_GT(WhitePixels(racing, kDialogCorner), 10);  // "Best Lap" there while racing
  Game.Form->FormKeyDown(VK_ESCAPE);
  Game.Form->FormKeyUp(VK_ESCAPE);
  Run(30);  // the dialog has slid in
  ASSERT_EQ(Game.Form->State.CurrentScreen, gsExitRace);
  const TPixmap dialog = Shot();
  EXPECT_GT(WhitePixels(dialog, kDialogCorner), 10);
  EXPECT_GT(WhitePixels(dialog, kLapValue), 10);
}

}  // namespace

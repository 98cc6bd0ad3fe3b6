#include <gtest/gtest.h>

#include <filesystem>

#include "platform/RecordingRenderDevice.h"
#include "scoring/ResultsRun.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSprites.h"
#include "shell/RaceDialogs.h"
#include "shell/SettingsFiles.h"

namespace {

// The start lights turn green on the race screen's 250th frame: the race clock runs from then on.
constexpr int kGreenFrames = 260;

// A race on the first track with its dialogs opened and closed by keys and clicks.
struct RaceDialogs : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TResultsRun Game{Video};
  TForm1& Form = *Game.Form;

  void StartRace(int frames) {
    Form.State.Catalogue.SelectedTrack = 0;
    Form.StartRace();
    ASSERT_EQ(Form.State.CurrentScreen, gsRace);
    for (int frame = 0; frame < frames; ++frame) Game.RunFrame();
  }
  // A key pressed and released before the next frame, which then runs.
  void KeyFrame(int key) {
    Form.FormKeyDown(key);
    Form.FormKeyUp(key);
    Game.RunFrame();
  }
  void Click(const TOmegaButton& button) {
    Game.Click(button.Left + button.Width / 2, button.Top + button.Height / 2);
  }
};

// The pause stops the race clock; leaving it starts the clock again only once the player drives,
// so a pause before the start signal leaves it stopped.
TEST_F(RaceDialogs, ThePauseStopsTheClockAndResumesItOnlyAfterTheStart) {
  struct TCase {
    int Frames, PauseKey, ResumeKey;
    bool Running;
  };
  const TCase cases[] = {{100, VK_P, VK_P, false}, {kGreenFrames, VK_F1, VK_ESCAPE, true}};
  for (const TCase& c : cases) {
    StartRace(c.Frames);
    KeyFrame(c.PauseKey);
    ASSERT_EQ(Form.State.CurrentScreen, gsPause) << c.Frames;
    EXPECT_FALSE(Form.RaceTimer.Enabled()) << c.Frames;
    EXPECT_EQ(Game.SpritesNamed("pause"), 1) << c.Frames;
    EXPECT_TRUE(Form.GameCursor->Visible) << c.Frames;
    KeyFrame(c.ResumeKey);
    EXPECT_EQ(Form.State.CurrentScreen, gsRace) << c.Frames;
    EXPECT_EQ(Form.RaceTimer.Enabled(), c.Running) << c.Frames;
    EXPECT_EQ(Game.SpritesNamed("pause"), 0) << c.Frames;
    EXPECT_FALSE(Form.GameCursor->Visible) << c.Frames;
    Form.LeaveScreen(gsRace);
  }
}

// The leave-race dialog slides in from the left in 20 frames, its buttons with it; Escape and
// "no" both go back to the same race with its clock running.
TEST_F(RaceDialogs, TheLeaveRaceDialogSlidesInAndNoOrEscapeGoBackToTheRace) {
  StartRace(kGreenFrames);
  for (const bool byKey : {true, false}) {
    KeyFrame(VK_ESCAPE);
    ASSERT_EQ(Form.State.CurrentScreen, gsExitRace);
    EXPECT_FALSE(Form.RaceTimer.Enabled());
    const TLeaveRaceScreen& dialog = *Form.LeaveRaceDialog;
    ASSERT_NE(dialog.Dialog(), nullptr);
    ASSERT_EQ(dialog.Buttons().size(), 2u);
    EXPECT_EQ(dialog.Dialog()->X(), 20 - 800);
    for (int frame = 0; frame < 25; ++frame) Game.RunFrame();
    EXPECT_EQ(dialog.Dialog()->X(), 20);
    EXPECT_EQ(dialog.Dialog()->Y(), 16);
    EXPECT_EQ(dialog.Buttons()[0]->Left, 270);
    EXPECT_EQ(dialog.Buttons()[1]->Left, 404);
    EXPECT_EQ(dialog.Buttons()[1]->Top, 192);
    const TPlayer* player = Form.Race.Player;
    if (byKey)
      KeyFrame(VK_ESCAPE);
    else
      Click(*dialog.Buttons()[0]);
    EXPECT_EQ(Form.State.CurrentScreen, gsRace) << byKey;
    EXPECT_TRUE(Form.RaceTimer.Enabled()) << byKey;
    EXPECT_EQ(Form.Race.Player, player) << byKey;
    EXPECT_EQ(dialog.Dialog(), nullptr) << byKey;
    EXPECT_TRUE(dialog.Buttons().empty()) << byKey;
    EXPECT_EQ(Game.SpritesNamed("menuexitgame"), 0) << byKey;
    EXPECT_FALSE(Form.GameCursor->Visible) << byKey;
  }
}

// Enter and "yes" leave the race for the main menu, with the menus' music and their background
// race; nothing of the race is kept.
TEST_F(RaceDialogs, EnterOrYesLeaveTheRaceForTheMainMenu) {
  for (const bool byKey : {true, false}) {
    StartRace(kGreenFrames);
    KeyFrame(VK_ESCAPE);
    for (int frame = 0; frame < 25; ++frame) Game.RunFrame();
    if (byKey)
      KeyFrame(VK_RETURN);
    else
      Click(*Form.LeaveRaceDialog->Buttons()[1]);
    ASSERT_EQ(Form.State.CurrentScreen, gsMainMenu) << byKey;
    EXPECT_TRUE(Game.MusicPlaying("menumusic")) << byKey;
    EXPECT_FALSE(Game.MusicPlaying("gamemusic")) << byKey;
    EXPECT_EQ(Game.SpritesNamed("menuexitgame"), 0) << byKey;
    EXPECT_EQ(Game.SpritesNamed("hud"), 0) << byKey;
    ASSERT_NE(Form.Race.Player, nullptr) << byKey;
    EXPECT_FALSE(Form.Race.Player->Visible) << "the demonstration race's player";
    EXPECT_FALSE(std::filesystem::exists(kProgressFileName)) << byKey;
    Form.LeaveScreen(gsMainMenu);
  }
}

}  // namespace

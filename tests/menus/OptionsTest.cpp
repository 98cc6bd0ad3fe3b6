#include "menus/MenuForm.h"

#include "shell/KeyCodes.h"

namespace {

// The two ways of giving the options up.
enum class TGiveUp { CancelButton, Escape };

}  // namespace

class OptionsGivenUp : public MenuForm, public testing::WithParamInterface<TGiveUp> {
 protected:
  void OpenOptions() {
    Start();
    ReachMainMenu();
    RunFrames(30);
    Click("b_opt");
    ASSERT_EQ(Form->State.CurrentScreen, gsOptions);
    RunFrames(30);
  }
  void GiveUp() {
    if (GetParam() == TGiveUp::CancelButton) {
      Click("b_cancel");
    } else {
      Press(VK_ESCAPE);
      RunFrames(1);
    }
    ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  }
  TOmegaButton* Switch(TOptionsScreen::TSwitch which) const { return &Form->Options->Switch(which); }
};

// The music stops at the click and comes back when the options are given up; the settings file
// then holds what the player kept, so nothing given up comes back at the next start.
TEST_P(OptionsGivenUp, RestoresTheSettingsInMemoryAndInTheFile) {
  OpenOptions();
  ASSERT_TRUE(MenuMusicPlaying());
  Hush();
  Click(*Switch(TOptionsScreen::MusicSwitch));
  EXPECT_FALSE(Form->State.MusicOn);
  EXPECT_FALSE(MenuMusicPlaying());
  EXPECT_EQ(LastSound(), "check");
  Click(*Switch(TOptionsScreen::FullScreenSwitch));
  Click(*Switch(TOptionsScreen::SoundSwitch));
  EXPECT_TRUE(Form->State.FullScreen);
  EXPECT_FALSE(Form->State.SoundOn);
  Edit()->Text = "Team";
  EXPECT_EQ(Switch(TOptionsScreen::FullScreenSwitch)->States[GUIState::Normal].Image->Name, "b_on");
  EXPECT_EQ(Switch(TOptionsScreen::MusicSwitch)->States[GUIState::Normal].Image->Name, "b_off");

  GiveUp();
  EXPECT_TRUE(Form->State.MusicOn);
  EXPECT_TRUE(MenuMusicPlaying());
  EXPECT_TRUE(Form->State.SoundOn);
  EXPECT_FALSE(Form->State.FullScreen);
  EXPECT_FALSE(Form->State.AppliedFullScreen);
  EXPECT_EQ(Form->State.AddText, "");
  EXPECT_EQ(Video.Switches, 0);
  const TGameState saved = SavedSettings();
  EXPECT_FALSE(saved.FullScreen);
  EXPECT_TRUE(saved.MusicOn);
  EXPECT_TRUE(saved.SoundOn);
  EXPECT_EQ(saved.AddText, "");
}

INSTANTIATE_TEST_SUITE_P(CancelAndEscape, OptionsGivenUp,
                         testing::Values(TGiveUp::CancelButton, TGiveUp::Escape));

// Music switched on again is heard at once; given up, it stops again.
TEST_F(MenuForm, MusicTurnedOnInTheOptionsStopsAgainOnCancel) {
  TGameState saved;
  saved.MusicOn = false;
  ASSERT_TRUE(SaveSettings(saved));
  Start();
  EXPECT_FALSE(MenuMusicPlaying());
  ReachMainMenu();
  RunFrames(30);
  Click("b_opt");
  RunFrames(30);
  Click(Form->Options->Switch(TOptionsScreen::MusicSwitch));
  EXPECT_TRUE(MenuMusicPlaying());
  Click("b_cancel");
  EXPECT_FALSE(MenuMusicPlaying());
  EXPECT_FALSE(Form->State.MusicOn);
}

// Applying switches the display only when the choice differs from what it shows.
TEST_F(MenuForm, ApplyingFullScreenSwitchesTheDisplayOnceAndTwoTogglesNotAtAll) {
  Start();
  ReachMainMenu();
  struct TCase {
    int Toggles;
    bool FullScreen;
    int Switches;  // counted from the start
  };
  for (const TCase& test : {TCase{1, true, 1}, TCase{0, true, 1}, TCase{2, true, 1}, TCase{1, false, 2}}) {
    RunFrames(30);
    Click("b_opt");
    RunFrames(30);
    for (int i = 0; i < test.Toggles; ++i) Click(Form->Options->Switch(TOptionsScreen::FullScreenSwitch));
    Click("b_apply");
    ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
    EXPECT_EQ(Video.Switches, test.Switches) << test.Toggles;
    EXPECT_EQ(Video.FullScreen, test.FullScreen) << test.Toggles;
    EXPECT_EQ(Form->State.AppliedFullScreen, test.FullScreen) << test.Toggles;
    EXPECT_EQ(SavedSettings().FullScreen, test.FullScreen) << test.Toggles;
  }
}

// The options text is kept on apply, stored and offered again; its caret blinks only once the
// player has typed.
TEST_F(MenuForm, TheOptionsTextIsKeptOnApply) {
  Start();
  ReachMainMenu();
  RunFrames(30);
  Click("b_opt");
  RunFrames(30);
  TOmegaEdit* edit = Edit();
  ASSERT_NE(edit, nullptr);
  const std::string caretBefore = edit->CaretText;
  RunFrames(70);
  EXPECT_EQ(edit->CaretText, caretBefore);
  Click("AddEdit");
  Type("Blue Team");
  RunFrames(70);
  EXPECT_TRUE(Form->State.EditChanged);
  EXPECT_NE(edit->CaretText, caretBefore);
  Press(VK_BACK);
  RunFrames(1);
  EXPECT_EQ(edit->Text, "Blue Tea");
  Click("b_apply");
  EXPECT_EQ(Form->State.AddText, "Blue Tea");
  EXPECT_EQ(SavedSettings().AddText, "Blue Tea");
  RunFrames(30);
  Click("b_opt");
  EXPECT_EQ(Edit()->Text, "Blue Tea");
}

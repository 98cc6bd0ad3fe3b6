#include "menus/MenuForm.h"

#include "race/IndicatorsTicker.h"
#include "shell/KeyCodes.h"

TEST_F(MenuForm, TheNameEntryRefusesAnEmptyNameAndSavesTheTypedOne) {
  Start();
  SkipIntro();
  RunFrames(71);  // the dialog is in place
  TOmegaEdit* edit = Edit();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text, "");
  Press(VK_RETURN);
  RunFrames(1);
  Click("b_ok");
  EXPECT_EQ(Form->State.CurrentScreen, gsEnterName);
  EXPECT_FALSE(std::filesystem::exists("Config.cfg"));

  // The box has the keyboard at once; Latin letters reach it.
  Type("Zoe Racer");
  EXPECT_EQ(edit->Text, "Zoe Racer");
  Press(VK_RETURN);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(Form->State.PlayerName, "Zoe Racer");
  EXPECT_EQ(SavedSettings().PlayerName, "Zoe Racer");
  EXPECT_NE(Form->MenuBackdrop.Ticker()->Text().find("Hello, Zoe Racer!"), std::string::npos);
}

TEST_F(MenuForm, TheNameEntryOffersTheStoredNameAndTakesTwelveCharacters) {
  TGameState saved;
  saved.PlayerName = "Max%";  // a "%" typed at the end is lost with the filling
  ASSERT_TRUE(SaveSettings(saved));
  Start();
  SkipIntro();
  RunFrames(71);
  TOmegaEdit* edit = Edit();
  EXPECT_EQ(edit->Text, "Max");
  Type("abcdefghijklmn");
  EXPECT_EQ(edit->Text, "Maxabcdefghi");
  Click("b_ok");
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(SavedSettings().PlayerName, "Maxabcdefghi");
}

// The focused box deletes at the key press; the screen must not take a second character.
TEST_F(MenuForm, BackspaceTakesOneCharacterAPress) {
  Start();
  SkipIntro();
  Type("Anna");
  Press(VK_BACK);
  RunFrames(1);
  EXPECT_EQ(Edit()->Text, "Ann");
  Press(VK_BACK);
  Press(VK_BACK);
  RunFrames(1);
  EXPECT_EQ(Edit()->Text, "A");
}

TEST_F(MenuForm, TheDialogSlidesInFromTheLeftAfterFiftyFrames) {
  Start();
  SkipIntro();
  TSprite* dialog = SpriteNamed("scr_NAMEenter");
  ASSERT_NE(dialog, nullptr);
  RunFrames(51);
  EXPECT_EQ(dialog->X(), -693.0f);
  RunFrames(1);
  EXPECT_EQ(dialog->X(), -653.0f);
  RunFrames(19);
  EXPECT_EQ(dialog->X(), 107.0f);
  EXPECT_EQ(Button("b_ok")->Left, 510);
  EXPECT_EQ(Edit()->Left, 253);
  RunFrames(30);
  EXPECT_EQ(dialog->X(), 107.0f);
}

// "_" shows for 31 frames and hides for 32, whatever the counter stood at.
TEST_F(MenuForm, TheCaretBlinksThirtyOneFramesOnAndThirtyTwoOff) {
  Start();
  SkipIntro();
  const std::string& caret = Edit()->CaretText;
  std::string seen;  // "_" or " " per frame
  for (int frame = 0; frame < 200; ++frame) {
    RunFrames(1);
    seen += caret == "_" ? '_' : ' ';
  }
  const size_t first = seen.find('_');
  ASSERT_LT(first, 64u) << seen;
  const std::string cycle = std::string(31, '_') + std::string(32, ' ');
  EXPECT_EQ(seen.substr(first, 2 * cycle.size()), cycle + cycle);
  EXPECT_EQ(Edit()->CursorPos, Edit()->TextLength() + 1);
}

// The name and the options text go into the score record, whose fields a "|" would split: neither
// box takes one, and the saved name has none.
TEST_F(MenuForm, NeitherEditBoxTakesABar) {
  Start();
  SkipIntro();
  Type("x|score=9999");
  EXPECT_EQ(Edit()->Text, "xscore=9999");
  Press(VK_RETURN);
  RunFrames(30);
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(SavedSettings().PlayerName, "xscore=9999");
  Click("b_opt");
  ASSERT_EQ(Form->State.CurrentScreen, gsOptions);
  RunFrames(30);
  Click("AddEdit");
  Type("|add=|");
  EXPECT_EQ(Edit()->Text, "add=");
}

// A folder where the settings cannot be written (here a folder stands where the file belongs):
// the game goes on, and the player is told once, not at every save.
TEST_F(MenuForm, AGameThatCannotSaveSaysSoOnce) {
  std::filesystem::create_directory("Config.cfg");
  Start();
  ReachMainMenu();
  auto toldOnce = [this] {
    const auto& shown = Messages.Shown();
    return std::count_if(shown.begin(), shown.end(), [](const std::string& text) {
      return text.find("cannot be saved") != std::string::npos;
    });
  };
  EXPECT_EQ(toldOnce(), 1);
  RunFrames(30);
  Click("b_opt");
  ASSERT_EQ(Form->State.CurrentScreen, gsOptions);
  Press(VK_ESCAPE);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(toldOnce(), 1);
  EXPECT_TRUE(std::filesystem::is_directory("Config.cfg"));
}

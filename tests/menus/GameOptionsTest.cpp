#include <fstream>
#include <sstream>

#include "menus/MenuForm.h"
#include "shell/GameOptions.h"
#include "shell/KeyCodes.h"
#include "shell/SettingsFiles.h"

namespace {

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class GameOptionsScreen : public MenuForm {
 protected:
  void OpenOptions() {
    ReachMainMenu();
    RunFrames(30);
    Click("b_opt");
    ASSERT_EQ(Form->State.CurrentScreen, gsOptions);
    RunFrames(45);
  }
  TOmegaButton& Switch(TOptionsScreen::TSwitch which) const { return Form->Options->Switch(which); }
};

}  // namespace

TEST(GameOptions, ReadsItsSectionAndKeepsWhatItCannotRead) {
  const struct {
    std::string Text;
    bool Ghost, Map, Damaged;
  } cases[] = {
      {"", true, true, false},
      {"[Race]\nGhostShown=0\nTrackMapShown=0\n", false, false, false},
      {"[race]\r\n  ghostshown = off \r\nTrackMapShown=no\r\n", false, false, false},
      {"[Race]\rGhostShown=0\rTrackMapShown=0\r", false, false, false},  // old Mac line ends
      {"\xEF\xBB\xBF[Race]\r\nGhostShown=0\r\n", false, true, false},    // an editor's byte-order mark
      {"[Race]\nGhostShown=maybe\nTrackMapShown=\n", true, true, true},
      {"GhostShown=0\n[Other]\nTrackMapShown=0\n", true, true, false},
      {"; the game's own\n[Race]\n# note\nTrackMapShown=false\nUnknown=0\nGhostShown", true, false, true},
      {"[Race]\nGhostShown=1\n[Race]\nGhostShown=0", false, true, false},
      {std::string(64, '\0'), true, true, true},
  };
  for (const auto& c : cases) {
    TGameOptions options;
    const std::optional<std::string> damage = ReadGameOptions(options, c.Text);
    EXPECT_EQ(options.GhostShown, c.Ghost) << c.Text;
    EXPECT_EQ(options.TrackMapShown, c.Map) << c.Text;
    EXPECT_EQ(damage.has_value(), c.Damaged) << c.Text;
  }
  TGameOptions marksOff;
  EXPECT_FALSE(ReadGameOptions(marksOff, "[Race]\ntyremarksshown=off\n"));
  EXPECT_EQ(marksOff, (TGameOptions{true, true, false}));
  for (const TGameOptions written :
       {TGameOptions{false, true, true}, TGameOptions{true, false, true}, TGameOptions{true, true, false}}) {
    TGameOptions read{!written.GhostShown, !written.TrackMapShown, !written.TyreMarksShown};
    EXPECT_FALSE(ReadGameOptions(read, GameOptionsText(written)));
    EXPECT_EQ(read, written);
  }
}

// The level is kept by name; none, or one the game does not know, races at Normal, and an unknown
// one marks the file as damaged as a bad flag does.
TEST(GameOptions, KeepsTheDifficultyByName) {
  const struct {
    std::string Text;
    TDifficulty Level;
    bool Damaged;
  } cases[] = {
      {"[Race]\nGhostShown=0\n", TDifficulty::Normal, false},
      {"[Race]\nDifficulty=Easy\n", TDifficulty::Easy, false},
      {"[race]\r\n difficulty = hard \r\n", TDifficulty::Hard, false},
      {"[Race]\nDifficulty=Insane\n", TDifficulty::Normal, true},
      {"[Race]\nDifficulty=\n", TDifficulty::Normal, true},
      {"[Race]\nDifficulty=Hard\nDifficulty=1\n", TDifficulty::Normal, true},
      {"[Other]\nDifficulty=Hard\n", TDifficulty::Normal, false},
  };
  for (const auto& c : cases) {
    TGameOptions options;
    const std::optional<std::string> damage = ReadGameOptions(options, c.Text);
    EXPECT_EQ(options.Difficulty, c.Level) << c.Text;
    EXPECT_EQ(damage.has_value(), c.Damaged) << c.Text;
  }
  for (const TDifficulty level : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard}) {
    const TGameOptions written{.GhostShown = false, .TrackMapShown = true, .Difficulty = level};
    const std::string text = GameOptionsText(written);
    EXPECT_NE(text.find("Difficulty=" + std::string(DifficultyName(level)) + "\n"), std::string::npos)
        << text;
    TGameOptions read;
    EXPECT_FALSE(ReadGameOptions(read, text));
    EXPECT_EQ(read, written);
  }
}

// Switched by mouse and by key, applied, and still so after the game has started again; the
// settings file keeps its 25 lines, the new options have a file of their own.
TEST_F(GameOptionsScreen, SurviveARestart) {
  Start();
  EXPECT_TRUE(Form->State.Options.GhostShown);
  EXPECT_TRUE(Form->State.Options.TrackMapShown);
  OpenOptions();
  EXPECT_EQ(Switch(TOptionsScreen::GhostSwitch).Left, 300);
  EXPECT_EQ(Switch(TOptionsScreen::MapSwitch).Left, 620);
  ASSERT_NE(SpriteNamed("scrOptions2"), nullptr);
  EXPECT_EQ(Switch(TOptionsScreen::MapSwitch).States[GUIState::Normal].Image->Name, "b_on");
  Click(Switch(TOptionsScreen::GhostSwitch));
  Press(VK_F3);
  RunFrames(1);
  EXPECT_FALSE(Form->State.Options.GhostShown);
  EXPECT_FALSE(Form->State.Options.TrackMapShown);
  EXPECT_EQ(Switch(TOptionsScreen::MapSwitch).States[GUIState::Normal].Image->Name, "b_off");
  Click("b_apply");
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);

  EXPECT_EQ(FileText(kOptionsFileName),
            "[Race]\nGhostShown=0\nTrackMapShown=0\nTyreMarksShown=1\nDifficulty=Normal\n");
  const std::string settings = FileText(kSettingsFileName);
  EXPECT_EQ(std::count(settings.begin(), settings.end(), '\n'), 25);
  Form.reset();
  Start();
  EXPECT_FALSE(Form->State.Options.GhostShown);
  EXPECT_FALSE(Form->State.Options.TrackMapShown);
}

// Given up, the switches go back to what they were, in memory and in the file.
TEST_F(GameOptionsScreen, EscapeGivesThemUp) {
  Start();
  OpenOptions();
  Press(VK_F2);
  RunFrames(1);
  EXPECT_FALSE(Form->State.Options.GhostShown);
  Press(VK_ESCAPE);
  RunFrames(1);
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_TRUE(Form->State.Options.GhostShown);
  TGameOptions saved{false, false};
  ASSERT_TRUE(LoadGameOptions(saved, kOptionsFileName));
  EXPECT_EQ(saved, TGameOptions{});
}

// The level's switch steps Easy, Normal, Hard by mouse and by F4, showing each level's picture;
// given up (button or Escape) it is Normal again in memory and in the file, applied it is kept and
// shown on the next visit.
TEST_F(GameOptionsScreen, TheLevelSwitchCyclesAndFollowsApplyAndCancel) {
  Start();
  OpenOptions();
  EXPECT_EQ(Switch(TOptionsScreen::DifficultySwitch).Left, 150);
  EXPECT_EQ(Switch(TOptionsScreen::DifficultySwitch).States[GUIState::Normal].Image->Name, "b_normal");
  const struct {
    bool ByKey;
    TDifficulty Level;
    const char* Picture;
  } steps[] = {{false, TDifficulty::Hard, "b_hard"},
               {true, TDifficulty::Easy, "b_easy"},
               {false, TDifficulty::Normal, "b_normal"},
               {true, TDifficulty::Hard, "b_hard"}};
  for (const auto& step : steps) {
    if (step.ByKey) {
      Press(VK_F4);
      RunFrames(1);
    } else {
      Click(Switch(TOptionsScreen::DifficultySwitch));
    }
    EXPECT_EQ(Form->State.Options.Difficulty, step.Level) << step.Picture;
    EXPECT_EQ(Switch(TOptionsScreen::DifficultySwitch).States[GUIState::Normal].Image->Name, step.Picture);
  }
  Click("b_cancel");
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(Form->State.Options.Difficulty, TDifficulty::Normal);
  TGameOptions saved{.Difficulty = TDifficulty::Hard};
  ASSERT_TRUE(LoadGameOptions(saved, kOptionsFileName));
  EXPECT_EQ(saved.Difficulty, TDifficulty::Normal);

  OpenOptions();
  Press(VK_F4);
  RunFrames(1);
  Press(VK_ESCAPE);
  RunFrames(1);
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(Form->State.Options.Difficulty, TDifficulty::Normal);

  OpenOptions();
  Click(Switch(TOptionsScreen::DifficultySwitch));
  Click("b_apply");
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  ASSERT_TRUE(LoadGameOptions(saved, kOptionsFileName));
  EXPECT_EQ(saved.Difficulty, TDifficulty::Hard);
  OpenOptions();
  EXPECT_EQ(Switch(TOptionsScreen::DifficultySwitch).States[GUIState::Normal].Image->Name, "b_hard");
}

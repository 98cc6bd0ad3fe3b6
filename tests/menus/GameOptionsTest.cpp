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

// The ghost's and the map's switches, after the three of the settings file.
constexpr size_t kGhostSwitch = 5, kMapSwitch = 6;

class GameOptionsScreen : public MenuForm {
 protected:
  void OpenOptions() {
    ReachMainMenu();
    RunFrames(30);
    Click("b_opt");
    ASSERT_EQ(Form->State.CurrentScreen, gsOptions);
    RunFrames(45);
  }
  TOmegaButton& Switch(size_t index) const { return *Form->PageButtons[index]; }
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

// Switched by mouse and by key, applied, and still so after the game has started again; the
// settings file keeps its 25 lines, the new options have a file of their own.
TEST_F(GameOptionsScreen, SurviveARestart) {
  Start();
  EXPECT_TRUE(Form->State.Options.GhostShown);
  EXPECT_TRUE(Form->State.Options.TrackMapShown);
  OpenOptions();
  EXPECT_EQ(Switch(kGhostSwitch).Left, 300);
  EXPECT_EQ(Switch(kMapSwitch).Left, 620);
  ASSERT_NE(SpriteNamed("scrOptions2"), nullptr);
  EXPECT_EQ(Switch(kMapSwitch).States[GUIState::Normal].Image->Name, "b_on");
  Click(Switch(kGhostSwitch));
  Press(VK_F3);
  RunFrames(1);
  EXPECT_FALSE(Form->State.Options.GhostShown);
  EXPECT_FALSE(Form->State.Options.TrackMapShown);
  EXPECT_EQ(Switch(kMapSwitch).States[GUIState::Normal].Image->Name, "b_off");
  Click("b_apply");
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);

  EXPECT_EQ(FileText(kOptionsFileName), "[Race]\nGhostShown=0\nTrackMapShown=0\nTyreMarksShown=1\n");
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

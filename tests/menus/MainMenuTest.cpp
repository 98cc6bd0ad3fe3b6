#include "menus/MenuForm.h"

#include <vector>

#include "race/IndicatorsMenu.h"
#include "race/IndicatorsTicker.h"
#include "shell/HelpScreen.h"
#include "shell/KeyCodes.h"

// The six buttons rise 20 pixels a frame: "b_stgame" is in place after 18 frames, "b_exit"
// after 31, and they stay there.
TEST_F(MenuForm, TheMainMenuButtonsArriveOneAfterAnother) {
  Start();
  ReachMainMenu();
  struct TArrival {
    const char* Picture;
    int Frames, Top;
  };
  const TArrival arrivals[] = {{"b_stgame", 18, 250}, {"b_opt", 19, 300},        {"b_help", 20, 350},
                               {"b_visit", 23, 400},  {"b_halloffame", 26, 450}, {"b_exit", 31, 500}};
  std::vector<int> arrivedAfter(std::size(arrivals), -1);
  for (int frame = 1; frame <= 40; ++frame) {
    RunFrames(1);
    for (size_t i = 0; i < std::size(arrivals); ++i)
      if (arrivedAfter[i] < 0 && Button(arrivals[i].Picture)->Top == arrivals[i].Top) arrivedAfter[i] = frame;
  }
  for (size_t i = 0; i < std::size(arrivals); ++i) {
    EXPECT_EQ(arrivedAfter[i], arrivals[i].Frames) << arrivals[i].Picture;
    EXPECT_EQ(Button(arrivals[i].Picture)->Top, arrivals[i].Top) << arrivals[i].Picture;
  }
}

TEST_F(MenuForm, EscapeOnTheMainMenuClicksTwiceAndAsksToQuit) {
  Start();
  ReachMainMenu();
  Hush();
  Press(VK_ESCAPE);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsExitGame);
  EXPECT_TRUE(Played("check2"));
  EXPECT_EQ(LastSound(), "check");  // after "check2"
}

TEST_F(MenuForm, TheZKeyAddsTenPointsOnTheMainMenuOnly) {
  Start();
  ReachMainMenu();
  Press(VK_Z);
  RunFrames(1);
  Press(VK_Z);
  RunFrames(1);
  EXPECT_EQ(Form->State.TotalScore, 20);
  Click("b_help");
  Press(VK_Z);
  RunFrames(1);
  EXPECT_EQ(Form->State.TotalScore, 20);
}

// A build given no publisher's addresses has no shortcut files: MORE GAMES is dimmed and takes no
// clicks, and the corner emblem, only a link, is not there at all. With the files (a packaged build)
// both open their pages, the emblem in its corner.
TEST_F(MenuForm, TheLinkButtonsOpenTheirShortcutFilesAndAreDisabledWithoutThem) {
  Start();
  ReachMainMenu();
  RunFrames(30);
  std::vector<std::vector<std::string>> opened;
  Form->LinkLauncher = [&opened](const std::vector<std::string>& arguments) { opened.push_back(arguments); };
  ASSERT_NE(Button("b_visit"), nullptr);
  EXPECT_FALSE(Button("b_visit")->Enabled);
  EXPECT_LT(Button("b_visit")->States[GUIState::Normal].Color >> 24, 0xFFu);  // seen through
  EXPECT_EQ(Button("b_logo"), nullptr);
  Hush();
  Click("b_visit");
  EXPECT_EQ(LastSound(), "");
  EXPECT_TRUE(opened.empty());

  std::ofstream("moregames.url") << "[InternetShortcut]\nURL=https://example.com/more\n";
  std::ofstream("website.url") << "[InternetShortcut]\nURL=https://example.com/site\n";
  Press(VK_ESCAPE);  // the quit dialog and back: the menu is built again
  RunFrames(1);
  Press(VK_ESCAPE);
  RunFrames(30);
  ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  for (const char* name : {"b_visit", "b_logo"}) {
    ASSERT_NE(Button(name), nullptr) << name;
    EXPECT_TRUE(Button(name)->Enabled) << name;
    EXPECT_EQ(Button(name)->States[GUIState::Normal].Color, 0xFFFFFFFFu) << name;
  }
  EXPECT_EQ(Button("b_logo")->Left, 0);
  EXPECT_EQ(Button("b_logo")->Top, 494);
  Hush();
  Click("b_visit");
  EXPECT_EQ(LastSound(), "check");
  Click("b_logo");
  using TArgs = std::vector<std::string>;
  EXPECT_EQ(opened, (std::vector<TArgs>{TArgs{"xdg-open", "https://example.com/more"},
                                        TArgs{"xdg-open", "https://example.com/site"}}));
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
}

// The page opened as the game ends is the build's "play.url"; without it no browser starts.
TEST_F(MenuForm, TheEndOpensThePlayPageOnlyWhenTheBuildHasOne) {
  Start();
  std::vector<std::vector<std::string>> opened;
  Form->LinkLauncher = [&opened](const std::vector<std::string>& arguments) { opened.push_back(arguments); };
  Form->FormDestroy();
  EXPECT_TRUE(opened.empty());
  std::ofstream("play.url") << "[InternetShortcut]\nURL=https://example.com/thanks\n";
  Form->FormDestroy();
  EXPECT_EQ(opened, (std::vector<std::vector<std::string>>{{"xdg-open", "https://example.com/thanks"}}));
}

TEST_F(MenuForm, TheStartButtonLeadsToTheTrackSelection) {
  Start();
  ReachMainMenu();
  RunFrames(30);
  Click("b_stgame");
  EXPECT_EQ(Form->State.CurrentScreen, gsChooseTrack);
  EXPECT_EQ(SpriteNamed("scrOptions"), nullptr);  // the menu's pictures are gone
}

// Enter quits: both files are written and the game ends.
TEST_F(MenuForm, EnterInTheQuitDialogSavesAndEndsTheGame) {
  Start();
  ReachMainMenu("Quitter");
  Press(VK_Z);
  RunFrames(30);
  Click("b_exit");
  ASSERT_EQ(Form->State.CurrentScreen, gsExitGame);
  EXPECT_FALSE(std::filesystem::exists("Configdat.cfg"));
  Press(VK_RETURN);
  RunFrames(1);
  EXPECT_TRUE(Form->Closing());
  EXPECT_EQ(Form->State.CurrentScreen, gsShare);
  EXPECT_TRUE(Form->FormCloseQuery());
  EXPECT_TRUE(Video.CursorShown);
  EXPECT_FALSE(Form->OmegaGUI1.Active());
  TGameState saved;
  ASSERT_TRUE(LoadProgress(saved));
  EXPECT_EQ(saved.TotalScore, 10);
  EXPECT_EQ(SavedSettings().PlayerName, "Quitter");
}

TEST_F(MenuForm, TheQuitDialogSlidesInAndGoesBackOnNoOrEscape) {
  Start();
  ReachMainMenu();
  for (bool escape : {false, true}) {
    Form->LeaveScreen(gsMainMenu);
    Form->EnterScreen(gsExitGame);
    TSprite* dialog = SpriteNamed("exitthegame");
    ASSERT_NE(dialog, nullptr);
    RunFrames(19);
    EXPECT_EQ(dialog->X(), 67.0f);
    RunFrames(5);
    EXPECT_EQ(dialog->X(), 107.0f);
    EXPECT_EQ(Button("b_yes")->Left, 555);
    EXPECT_EQ(Button("b_no")->Left, 420);
    Hush();
    if (escape)
      Press(VK_ESCAPE), RunFrames(1);
    else
      Click("b_no");
    EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu) << escape;
    EXPECT_EQ(LastSound(), escape ? "check2" : "check");
    EXPECT_FALSE(std::filesystem::exists("Configdat.cfg"));
  }
}

// The counter stays within the three pages; "b_prev" on the first page changes nothing but
// still clicks.
TEST_F(MenuForm, TheHelpPagesTurnWithinOneToThree) {
  Start();
  ReachMainMenu();
  RunFrames(30);
  Click("b_help");
  ASSERT_EQ(Form->State.CurrentScreen, gsHelp);
  RunFrames(10);
  TSprite* page = SpriteNamed("scr_Help");
  ASSERT_NE(page, nullptr);
  auto keysShown = [this] {
    int shown = 0;
    for (THelpButton* key : Form->Help->KeyPictures()) shown += key->Visible;
    return shown;
  };
  struct TTurn {
    const char* Button;
    int Page;
    const char* Picture;
    int KeysShown;
  };
  const TTurn turns[] = {{"b_prev", 1, "scr_help", 0},  {"b_next", 2, "scr_help2", 8},
                         {"b_next", 3, "scr_help3", 0}, {"b_next", 3, "scr_help3", 0},
                         {"b_prev", 2, "scr_help2", 8}, {"b_prev", 1, "scr_help", 0},
                         {"b_prev", 1, "scr_help", 0}};
  for (const TTurn& turn : turns) {
    Hush();
    Click(turn.Button);
    EXPECT_EQ(Form->Help->Page(), turn.Page) << turn.Button;
    EXPECT_EQ(page->Image()->Name, turn.Picture) << turn.Button;
    EXPECT_EQ(keysShown(), turn.KeysShown) << turn.Button;
    EXPECT_EQ(LastSound(), "check") << turn.Button;
  }
  Hush();
  Press(VK_ESCAPE);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(LastSound(), "check2");
  EXPECT_EQ(SpriteNamed("help_button"), nullptr);
}

// The greeting rebuilt after the name entry, in the menus' own font: some of it shows in every
// frame, all the way round and into the next round.
TEST_F(MenuForm, TheTickerAlwaysShowsSomeOfTheGreeting) {
  Start();
  ReachMainMenu("Ann Racer");
  const std::string start = Form->MenuBackdrop.Ticker()->Text();
  int emptyFrames = 0, rounds = 0;
  for (int frame = 0; frame < 2500; ++frame) {
    const std::string& visible = Form->MenuBackdrop.Ticker()->VisibleText();
    emptyFrames += visible.find_first_not_of(' ') == std::string::npos;
    const std::string before = Form->MenuBackdrop.Ticker()->Text();
    RunFrames(1);
    rounds += Form->MenuBackdrop.Ticker()->Text() != before && Form->MenuBackdrop.Ticker()->Text() == start;
  }
  EXPECT_EQ(emptyFrames, 0);
  EXPECT_GE(rounds, 1);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/RecordingRenderDevice.h"
#include "race/GameConstants.h"
#include "race/IndicatorsMenu.h"
#include "race/IndicatorsTicker.h"
#include "race/RaceSetup.h"
#include "scoring/ResultsRun.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSprites.h"
#include "shell/ResultsScreen.h"
#include "shell/Scoring.h"
#include "shell/SettingsFiles.h"
#include "state/EnvironmentVariable.h"

namespace {

constexpr TRaceTime kRaceTime{12, 34, 1};

// The results of a race on the first track, drawn on a recording display that keeps the draws
// of the frames a test looks at.
struct TResultsFixture {
  TResultsFixture() { Device.RecordDraws = false; }

  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TResultsRun Game{Video};
  TForm1& Form = *Game.Form;

  // From 250 points, the target at 300: 1st place there is worth 100.
  void FinishFirstFrom250() {
    Form.State.TotalScore = 250;
    Form.State.Catalogue.SelectedTrack = 0;
    Game.StartAndFinish(1, kRaceTime);
    for (int frame = 0; frame <= 150; ++frame) Game.RunFrame();
    ASSERT_EQ(Form.State.CurrentScreen, gsRaceOver);
  }

  // Whether the last frame drew that picture of the race list with its top-left at (x, y).
  bool DrawnAt(const std::string& picture, int x, int y) const {
    const TImageListItem* item = Form.GameImageList.Find(picture);
    if (!item) return false;
    for (const auto& draw : Device.Draws)
      if (draw.Texture == item->Texture() && std::abs(draw.Quad[0].X - float(x)) <= 1 &&
          std::abs(draw.Quad[0].Y - float(y)) <= 1)
        return true;
    return false;
  }
  bool Drawn(const std::string& picture) const {
    const TImageListItem* item = Form.GameImageList.Find(picture);
    for (const auto& draw : Device.Draws)
      if (item && draw.Texture == item->Texture()) return true;
    return false;
  }

  void RunFrame() {
    Device.Draws.clear();
    Device.RecordDraws = true;
    Game.RunFrame();
    Device.RecordDraws = false;
  }
};

// The question whether to send is asked only when there is a score server (here a closed local port).
struct TWithScoreServer {
  TEnvironmentVariable ScoreServer{"MORVEL_SCORE_SERVER", "127.0.0.1:9"};
};

struct ResultsScreen : testing::Test, TWithScoreServer, TResultsFixture {};

TGameState ProgressOnDisk() {
  TGameState saved;
  EXPECT_TRUE(LoadProgress(saved));
  return saved;
}

}  // namespace

// The results come 150 frames after the finish, over the race: its cars stay behind them.
TEST_F(ResultsScreen, TheResultsComeOverTheFinishedRace) {
  Form.State.Catalogue.SelectedTrack = 0;
  Game.StartAndFinish(1, kRaceTime);
  Form.State.KeyHeld[VK_LEFT] = true;
  for (int frame = 0; frame < 150; ++frame) Game.RunFrame();
  EXPECT_EQ(Form.State.CurrentScreen, gsRace);
  Game.RunFrame();
  ASSERT_EQ(Form.State.CurrentScreen, gsRaceOver);
  EXPECT_FALSE(Form.RaceTimer.Enabled());
  EXPECT_TRUE(Game.MusicPlaying("losemusic"));
  EXPECT_FALSE(Game.MusicPlaying("gamemusic"));
  ASSERT_NE(Form.Race.Player, nullptr);
  EXPECT_EQ(Game.SpritesNamed("enemy"), kTrackCatalogue[0].Rivals);
  EXPECT_EQ(Game.SpritesNamed("raceover"), 1);
  EXPECT_EQ(Form.Results->Panel()->Image(), Form.GameImageList.Find("scr_raceover"));
  EXPECT_EQ(Form.Results->Panel()->X(), 146);
  EXPECT_EQ(Form.Results->Panel()->Y(), 129);
  EXPECT_FALSE(Form.State.KeyHeld[VK_LEFT]);
  EXPECT_EQ(Form.OmegaFont1.FontName(), "Arial Black");
  EXPECT_EQ(Form.OmegaFont1.Size(), 20);
  EXPECT_EQ(Form.OmegaFont1.Color(), 0xFF1E1E1Eu);
  EXPECT_EQ(Form.State.RacePoints, 100);
  EXPECT_EQ(Form.State.StepTicks, kCountingUp);
  EXPECT_TRUE(Form.GameCursor->Visible);
  struct TButton {
    const char* Name;
    int Left, Top;
  };
  for (const TButton& b :
       {TButton{"bro_next", 472, 411}, TButton{"b_no1", 375, 409}, TButton{"b_yes1", 511, 409}}) {
    const TOmegaButton* button = Game.Button(b.Name);
    ASSERT_NE(button, nullptr) << b.Name;
    EXPECT_FALSE(button->Visible) << b.Name;
    EXPECT_EQ(button->Left, b.Left) << b.Name;
    EXPECT_EQ(button->Top, b.Top) << b.Name;
  }
}

// The points are counted into the total, the first stage unlocks with its message, and "next"
// writes the progress at once: a crash after it loses nothing.
TEST_F(ResultsScreen, NextKeepsTheBestTimeAndWritesTheProgress) {
  FinishFirstFrom250();
  EXPECT_EQ(Game.RunUntilNextShows(), 553);  // frames 0 .. 552 of the results
  EXPECT_EQ(Form.State.TotalScore, 350);
  EXPECT_EQ(Form.State.Catalogue.UnlockStage, 1);
  EXPECT_EQ(Form.State.Catalogue.TargetScore, 700);
  RunFrame();
  EXPECT_TRUE(DrawnAt("scr_av", 150, 465));
  EXPECT_FALSE(std::filesystem::exists(kProgressFileName));

  Game.ClickOn("bro_next");
  EXPECT_EQ(Form.State.CurrentScreen, gsRaceOver);
  EXPECT_EQ(Game.Button("bro_next"), nullptr);
  EXPECT_TRUE(Game.ButtonVisible("b_no1"));
  EXPECT_TRUE(Game.ButtonVisible("b_yes1"));
  EXPECT_EQ(Form.Results->Panel()->Image(), Form.GameImageList.Find("scr_send"));
  EXPECT_EQ(Form.State.ResultLines, 0);
  EXPECT_TRUE(std::filesystem::exists(kSettingsFileName));
  const TGameState saved = ProgressOnDisk();
  EXPECT_EQ(saved.TotalScore, 350);
  EXPECT_EQ(saved.Catalogue.UnlockStage, 1);
  EXPECT_EQ(saved.Catalogue.TargetScore, 700);
  EXPECT_EQ(saved.Catalogue.TracksAvailable, 5);
  EXPECT_EQ(RaceTimeText(saved.Catalogue.Tracks[0].BestTime), RaceTimeText(kRaceTime));
}

// The record picture shows beside the time only for a better time, and only a better time is
// kept.
TEST(ResultsRecord, OnlyABetterTimeIsANewRecord) {
  struct TCase {
    TRaceTime Stored;
    bool Record;
    TRaceTime Kept;
  };
  const TCase cases[] = {
      {kNoBestTime, true, kRaceTime},
      {{11, 34, 1}, false, {11, 34, 1}},
      {kRaceTime, false, kRaceTime},  // an equal time is no record
      {{13, 34, 1}, true, kRaceTime},
  };
  for (const TCase& c : cases) {
    TResultsFixture screen;
    screen.Form.State.Catalogue.Tracks[0].BestTime = c.Stored;
    screen.FinishFirstFrom250();
    bool record = false;
    while (!screen.Game.ButtonVisible("bro_next") && screen.Form.State.ScreenTicks < 1000) {
      screen.RunFrame();
      const int x = 403 + screen.Form.OmegaFont1.TextWidth(RaceTimeText(kRaceTime)) / 2;
      record = record || screen.DrawnAt("newrecord", x, 298);
      EXPECT_FALSE(screen.Drawn("newrecord") && screen.Form.State.ResultLines < 2);
    }
    EXPECT_EQ(record, c.Record) << RaceTimeText(c.Stored);
    screen.Game.ClickOn("bro_next");
    EXPECT_EQ(RaceTimeText(ProgressOnDisk().Catalogue.Tracks[0].BestTime), RaceTimeText(c.Kept))
        << RaceTimeText(c.Stored);
  }
}

// A race package without the results' panel and buttons: nothing could be seen or clicked, so the
// game presses "next" (the progress is written) and answers "no" for the player, who is back in
// the menus.
TEST_F(ResultsScreen, MissingButtonPicturesNeverKeepThePlayerWaiting) {
  Form.State.TotalScore = 250;
  Form.State.Catalogue.SelectedTrack = 0;
  Game.StartAndFinish(1, kRaceTime);
  for (const char* name : {"scr_raceover", "bro_next", "b_no1", "b_yes1"})
    Form.GameImageList.Find(name)->Name += "-gone";
  for (int frame = 0; frame <= 150; ++frame) Game.RunFrame();
  ASSERT_EQ(Form.State.CurrentScreen, gsRaceOver);
  int frames = 0;
  while (Form.State.CurrentScreen == gsRaceOver && frames < 2000) {
    Game.RunFrame();
    ++frames;
  }
  EXPECT_EQ(frames, 554);  // "next" would have shown after 553 frames
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  const TGameState saved = ProgressOnDisk();
  EXPECT_EQ(saved.TotalScore, 350);
  EXPECT_EQ(saved.Catalogue.UnlockStage, 1);
  EXPECT_EQ(RaceTimeText(saved.Catalogue.Tracks[0].BestTime), RaceTimeText(kRaceTime));
}

// Before "next" shows, the place of every button of the page takes no click.
TEST_F(ResultsScreen, HiddenButtonsTakeNoClicks) {
  FinishFirstFrom250();
  for (int frame = 0; frame < 400; ++frame) RunFrame();
  for (const char* name : {"bro_next", "b_no1", "b_yes1"}) Game.ClickOn(name);
  EXPECT_EQ(Form.State.CurrentScreen, gsRaceOver);
  EXPECT_EQ(Form.Results->Panel()->Image(), Form.GameImageList.Find("scr_raceover"));
  EXPECT_FALSE(std::filesystem::exists(kProgressFileName));
}

// Either answer goes back to the track selection with the demonstration race behind it; only
// "yes" sends the score (here to a closed local port, so the player hears it could not be sent).
TEST(ResultsAnswer, EitherAnswerLeavesForTheTrackSelection) {
  setenv("MORVEL_SCORE_SERVER", "127.0.0.1:9", 1);
  for (const auto& [answer, sends] : {std::pair{"b_no1", false}, std::pair{"b_yes1", true}}) {
    TResultsFixture screen;
    TForm1& form = screen.Form;
    screen.FinishFirstFrom250();
    screen.Game.RunUntilNextShows();
    screen.Game.ClickOn("bro_next");
    screen.Game.ClickOn(answer);
    ASSERT_TRUE(form.ScoreSubmitter.WaitIdle(std::chrono::seconds(20))) << answer;
    screen.Game.RunFrame();
    const auto& shown = screen.Game.Messages.Shown();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Can't connect to server!"), sends ? 1 : 0) << answer;
    EXPECT_EQ(form.State.CurrentScreen, gsChooseTrack) << answer;
    EXPECT_TRUE(screen.Game.MusicPlaying("menumusic")) << answer;
    EXPECT_FALSE(screen.Game.MusicPlaying("losemusic")) << answer;
    // Only the demonstration race is left: its hidden player and its opponents.
    EXPECT_EQ(screen.Game.SpritesNamed("player"), 1) << answer;
    ASSERT_NE(form.Race.Player, nullptr) << answer;
    EXPECT_FALSE(form.Race.Player->Visible) << answer;
    EXPECT_EQ(screen.Game.SpritesNamed("enemy"), kDemoOpponents) << answer;
    EXPECT_FALSE(form.Race.RaceFinished) << answer;
    EXPECT_EQ(form.Results->Panel(), nullptr) << answer;
    EXPECT_EQ(screen.Game.SpritesNamed("raceover"), 0) << answer;
    EXPECT_EQ(screen.Game.SpritesNamed("cursor"), 1) << answer;
    EXPECT_NE(form.MenuBackdrop.Ticker(), nullptr) << answer;
    for (const TLight* light : form.MenuBackdrop.Lights()) EXPECT_NE(light, nullptr) << answer;
  }
}

// A game without a score server (none built in, none in the environment) does not ask: the question
// could only fail. "next" goes on as "no" does, and nothing is sent.
TEST(ResultsAnswer, WithoutAScoreServerNextLeadsBackToTheTrackSelection) {
  unsetenv("MORVEL_SCORE_SERVER");
  TResultsFixture screen;
  TForm1& form = screen.Form;
  ASSERT_FALSE(form.ScoreSubmitter.HasServer()) << "a build with MORVEL_SCORE_SERVER set";
  screen.FinishFirstFrom250();
  screen.Game.RunUntilNextShows();
  screen.Game.ClickOn("bro_next");
  ASSERT_TRUE(form.ScoreSubmitter.WaitIdle(std::chrono::seconds(20)));
  screen.Game.RunFrame();
  EXPECT_EQ(form.State.CurrentScreen, gsChooseTrack);
  EXPECT_TRUE(screen.Game.Messages.Shown().empty());
  EXPECT_EQ(ProgressOnDisk().TotalScore, 350);
  EXPECT_TRUE(screen.Game.MusicPlaying("menumusic"));
}

// A time trial: the player alone on the track earns nothing, unlocks nothing and is not asked
// to send a score (here it would reach a closed local port and say so); its time is kept as the
// track's best and written at once, and "next" leads straight back to the track selection.
TEST(ResultsTimeTrial, CountsNoPointsAndKeepsTheBestTime) {
  setenv("MORVEL_SCORE_SERVER", "127.0.0.1:9", 1);
  TResultsFixture screen;
  TForm1& form = screen.Form;
  form.State.TotalScore = 250;
  form.State.Catalogue.SelectedTrack = 0;
  form.State.TimeTrial = true;
  screen.Game.StartAndFinish(1, kRaceTime);
  EXPECT_EQ(form.Race.OpponentCount, 0);
  EXPECT_EQ(screen.Game.SpritesNamed("enemy"), 0);
  for (int frame = 0; frame <= 150; ++frame) screen.Game.RunFrame();
  ASSERT_EQ(form.State.CurrentScreen, gsRaceOver);
  EXPECT_EQ(form.State.RacePoints, 0);
  screen.Game.RunUntilNextShows();
  EXPECT_EQ(form.State.TotalScore, 250);
  EXPECT_EQ(form.State.Catalogue.UnlockStage, 0);
  EXPECT_EQ(UnlockMessage(form.State), nullptr);

  screen.Game.ClickOn("bro_next");
  ASSERT_TRUE(form.ScoreSubmitter.WaitIdle(std::chrono::seconds(20)));
  screen.Game.RunFrame();
  EXPECT_EQ(form.State.CurrentScreen, gsChooseTrack);
  const auto& shown = screen.Game.Messages.Shown();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), "Can't connect to server!"), 0);
  const TGameState saved = ProgressOnDisk();
  EXPECT_EQ(saved.TotalScore, 250);
  EXPECT_EQ(saved.Catalogue.UnlockStage, 0);
  EXPECT_EQ(RaceTimeText(saved.Catalogue.Tracks[0].BestTime), RaceTimeText(kRaceTime));
}

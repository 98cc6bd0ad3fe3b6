#include "shell/Scoring.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "race/GameProcedures.h"

namespace {

// A fresh game's state: the catalogues filled and the first entries available.
TGameState FreshGame() {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  MarkAvailableEntries(state.Catalogue);
  return state;
}

// The game as it stands at an unlock stage: the stages before it done, the score given.
TGameState GameAtStage(int stage, int totalScore) {
  TGameState state = FreshGame();
  while (state.Catalogue.UnlockStage < stage) UnlockNextStage(state.Catalogue);
  state.TotalScore = totalScore;
  return state;
}

std::string MessageOf(const TGameState& state) {
  const char* message = UnlockMessage(state);
  return message ? message : "";
}

}  // namespace

TEST(GiveRacePoints, OnlyTheFirstThreePlacesEarnTheTracksPoints) {
  struct TCase {
    int Track, Position, Expected;
  };
  const TCase cases[] = {
      {0, 1, 100}, {0, 2, 70}, {0, 3, 50}, {11, 1, 500}, {11, 3, 420},
      {5, 2, 230}, {0, 4, 0},  {0, 8, 0},  {0, 0, 0},
  };
  for (const TCase& c : cases) {
    TGameState state = FreshGame();
    state.Catalogue.SelectedTrack = c.Track;
    GiveRacePoints(state, c.Position);
    EXPECT_EQ(state.RacePoints, c.Expected) << "track " << c.Track << " place " << c.Position;
  }
}

// 250 points and 1st place on the first track (100 points) with the target at 300: the lines
// appear one by one, the points are counted one a frame from frame 351, and about a hundred frames
// after the count-up the first stage unlocks.
TEST(StepResults, CountsThePointsUpAndUnlocksAHundredFramesLater) {
  TGameState state = FreshGame();
  state.TotalScore = 250;
  BeginResults(state, 1);
  EXPECT_EQ(state.RacePoints, 100);
  EXPECT_EQ(state.RacePointsEarned, 100);
  EXPECT_EQ(state.ScoreBeforeRace, 250);
  EXPECT_EQ(state.StepTicks, kCountingUp);

  struct TFrame {
    int ResultLines, TotalScore, RacePoints;
    bool NextShown;
  };
  std::vector<TFrame> frames;  // by the frame number the screen counted when it ran
  for (int frame = 0; frame <= 600; ++frame) {
    ASSERT_EQ(state.ScreenTicks, frame);
    const bool shown = StepResults(state);
    frames.push_back({state.ResultLines, state.TotalScore, state.RacePoints, shown});
  }
  struct TExpect {
    int Frame, ResultLines, TotalScore, RacePoints;
  };
  const TExpect expected[] = {
      {0, 0, 250, 100},   {69, 0, 250, 100},  {70, 1, 250, 100},  {139, 1, 250, 100}, {140, 2, 250, 100},
      {210, 3, 250, 100}, {280, 4, 250, 100}, {350, 4, 250, 100}, {351, 4, 251, 99},  {352, 4, 252, 98},
      {449, 4, 349, 1},   {450, 4, 350, 0},   {451, 4, 350, 0},   {600, 4, 350, 0},
  };
  for (const TExpect& e : expected) {
    const TFrame& got = frames[size_t(e.Frame)];
    EXPECT_EQ(got.ResultLines, e.ResultLines) << "frame " << e.Frame;
    EXPECT_EQ(got.TotalScore, e.TotalScore) << "frame " << e.Frame;
    EXPECT_EQ(got.RacePoints, e.RacePoints) << "frame " << e.Frame;
  }
  // The count-up ends at frame 451; the next button shows a hundred frames later and stays.
  for (int frame = 0; frame <= 600; ++frame)
    EXPECT_EQ(frames[size_t(frame)].NextShown, frame >= 552) << frame;
  EXPECT_EQ(state.StepTicks, kNextShown);
  EXPECT_EQ(state.Catalogue.UnlockStage, 1);
  EXPECT_EQ(state.Catalogue.TargetScore, 700);
  EXPECT_EQ(state.Catalogue.TracksAvailable, 5);
  EXPECT_TRUE(state.Catalogue.Tracks[3].Available);
  EXPECT_TRUE(state.Catalogue.Tracks[4].Available);
  EXPECT_FALSE(state.Catalogue.Tracks[5].Available);
  EXPECT_EQ(MessageOf(state), "New tracks are avaible!");
}

TEST(StepResults, NothingUnlocksBeforeTheNextButtonShows) {
  TGameState state = FreshGame();
  state.TotalScore = 250;
  BeginResults(state, 1);
  while (!StepResults(state)) {
    ASSERT_EQ(state.Catalogue.UnlockStage, 0) << "frame " << state.ScreenTicks;
    ASSERT_EQ(MessageOf(state), "");
    ASSERT_LT(state.ScreenTicks, 1000);
  }
  EXPECT_EQ(state.Catalogue.UnlockStage, 1);
}

// A place beyond 3rd counts nothing up, yet the screen still settles and offers the next button.
TEST(StepResults, APlaceWithoutPointsStillEndsWithTheNextButton) {
  TGameState state = GameAtStage(0, 290);
  BeginResults(state, 5);
  int frames = 0;
  while (!StepResults(state)) ASSERT_LT(++frames, 1000);
  EXPECT_EQ(state.ScreenTicks, 453);  // count-up over at frame 351, a hundred frames more
  EXPECT_EQ(state.TotalScore, 290);
  EXPECT_EQ(state.Catalogue.UnlockStage, 0);
  EXPECT_EQ(MessageOf(state), "");
}

// A score near the integer limit (a progress file can hold one) stays at the limit: the count-up,
// the unlock check and the growing target never wrap round into negative numbers.
TEST(StepResults, AScoreAtTheIntegerLimitStaysThere) {
  TGameState state = FreshGame();
  state.TotalScore = INT_MAX - 30;
  state.Catalogue.TargetScore = INT_MAX - 10;
  BeginResults(state, 1);
  ASSERT_EQ(state.RacePoints, 100);
  int frames = 0;
  while (!StepResults(state)) ASSERT_LT(++frames, 1000);
  EXPECT_EQ(state.TotalScore, INT_MAX);
  EXPECT_EQ(state.RacePoints, 0);
  EXPECT_EQ(state.Catalogue.UnlockStage, 1);
  EXPECT_EQ(state.Catalogue.TargetScore, INT_MAX);
}

// The check as the settled screen runs it, once a frame: which stage follows each frame, and
// what the screen then says.
TEST(CheckUnlock, UnlocksEveryTargetTheRacePassedOneAFrame) {
  struct TCase {
    const char* What;
    int Stage, ScoreBefore, Points;
    std::vector<int> StageAfterFrames;
    std::string Message;
  };
  const TCase cases[] = {
      {"1st on track 0 from 250", 0, 250, 100, {1, 1}, "New tracks are avaible!"},
      {"290 to exactly 300", 0, 290, 10, {1, 1}, "New tracks are avaible!"},
      {"290 to 299", 0, 290, 9, {0, 0}, ""},
      {"a car at 700", 1, 650, 100, {2, 2}, "New car is avaible!"},
      {"past 700 and 1200 in one race", 1, 650, 600, {2, 3, 3}, "New tracks are avaible!"},
      {"past 300, 700 and 1200", 0, 250, 1000, {1, 2, 3, 3}, "New tracks are avaible!"},
      {"the last stage", 8, 13000, 500, {9, 9}, "New tracks are avaible!"},
      {"everything unlocked", 9, 17000, 900, {9, 9}, ""},
      {"already at the target before the race", 0, 320, 100, {0, 0}, ""},
  };
  for (const TCase& c : cases) {
    TGameState state = GameAtStage(c.Stage, c.ScoreBefore);
    state.ScoreBeforeRace = c.ScoreBefore;
    state.RacePointsEarned = c.Points;
    std::vector<int> stages;
    for (size_t frame = 0; frame < c.StageAfterFrames.size(); ++frame) {
      CheckUnlock(state);
      stages.push_back(state.Catalogue.UnlockStage);
    }
    EXPECT_EQ(stages, c.StageAfterFrames) << c.What;
    EXPECT_EQ(MessageOf(state), c.Message) << c.What;
  }
}

TEST(CheckUnlock, EachStageMakesItsEntriesAvailableAndRaisesTheTarget) {
  struct TCase {
    int Stage, TargetAfter, TracksAvailable, CarsAvailable;
    bool Car;
  };
  const TCase cases[] = {
      {0, 700, 5, 2, false},   {1, 1200, 5, 3, true},    {2, 2200, 7, 3, false},
      {3, 2700, 7, 4, true},   {4, 4700, 9, 4, false},   {5, 6700, 9, 5, true},
      {6, 9200, 10, 5, false}, {7, 13200, 11, 5, false}, {8, 17700, 12, 5, false},
  };
  for (const TCase& c : cases) {
    TGameState state = GameAtStage(c.Stage, 0);
    state.ScoreBeforeRace = state.Catalogue.TargetScore - 1;
    state.RacePointsEarned = 1;
    CheckUnlock(state);
    const TCatalogue& catalogue = state.Catalogue;
    EXPECT_EQ(catalogue.UnlockStage, c.Stage + 1) << "stage " << c.Stage;
    EXPECT_EQ(catalogue.TargetScore, c.TargetAfter) << "stage " << c.Stage;
    EXPECT_EQ(catalogue.TracksAvailable, c.TracksAvailable) << "stage " << c.Stage;
    EXPECT_EQ(catalogue.CarsAvailable, c.CarsAvailable) << "stage " << c.Stage;
    EXPECT_TRUE(catalogue.Tracks[size_t(c.TracksAvailable - 1)].Available) << "stage " << c.Stage;
    EXPECT_TRUE(catalogue.Cars[size_t(c.CarsAvailable - 1)].Available) << "stage " << c.Stage;
    EXPECT_EQ(state.NewCarShown, c.Car) << "stage " << c.Stage;
    EXPECT_EQ(state.NewTracksShown, !c.Car) << "stage " << c.Stage;
  }
}

// A progress file may give more tracks and cars than the stage it names has unlocked: no stage
// takes any of them back.
TEST(CheckUnlock, CountsNeverGoDownThroughAnUnlock) {
  for (int stage = 0; stage < kUnlockStages; ++stage) {
    TGameState state = GameAtStage(stage, 0);
    state.Catalogue.TracksAvailable = kTrackCount;
    state.Catalogue.CarsAvailable = kCarCount;
    MarkAvailableEntries(state.Catalogue);
    state.ScoreBeforeRace = state.Catalogue.TargetScore - 1;
    state.RacePointsEarned = 1;
    CheckUnlock(state);
    EXPECT_EQ(state.Catalogue.UnlockStage, stage + 1) << "stage " << stage;
    EXPECT_EQ(state.Catalogue.TracksAvailable, kTrackCount) << "stage " << stage;
    EXPECT_EQ(state.Catalogue.CarsAvailable, kCarCount) << "stage " << stage;
    EXPECT_TRUE(state.Catalogue.Tracks[size_t(kTrackCount - 1)].Available) << "stage " << stage;
  }
}

TEST(KeepBestTime, OnlyABetterTimeReplacesTheStoredOne) {
  struct TCase {
    TRaceTime Stored, Raced, Expected;
  };
  const TCase cases[] = {
      {kNoBestTime, {12, 34, 1}, {12, 34, 1}},  // the first time on a track
      {{12, 34, 1}, {11, 34, 1}, {11, 34, 1}},  // a hundredth better
      {{12, 34, 1}, {13, 34, 1}, {12, 34, 1}},  // a hundredth worse
      {{0, 0, 1}, {99, 59, 0}, {99, 59, 0}},    // minutes decide first
      {{50, 10, 1}, {0, 11, 1}, {50, 10, 1}},   // then seconds
  };
  for (const TCase& c : cases) {
    TTrack track;
    track.BestTime = c.Stored;
    KeepBestTime(track, c.Raced);
    EXPECT_EQ(RaceTimeText(track.BestTime), RaceTimeText(c.Expected)) << RaceTimeText(c.Raced);
  }
}

#include "shell/SelectionInfo.h"

#include <gtest/gtest.h>

#include <string>

TEST(SelectionStepping, WrapsAroundAtBothEnds) {
  struct Case {
    int Index, Last, Next, Previous;
  };
  const Case cases[] = {
      {0, 11, 1, 11},   // left from the first track shows the last
      {2, 11, 3, 1},    // in the middle, plain steps
      {11, 11, 0, 10},  // right from the last track shows the first
      {4, 4, 0, 3},     // right from the last car shows the first
      {0, 4, 1, 4},     // left from the first car shows the last
      {0, 0, 0, 0},     // a catalogue of one entry stays on it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextEntry(c.Index, c.Last), c.Next) << c.Index << " of 0.." << c.Last;
    EXPECT_EQ(PreviousEntry(c.Index, c.Last), c.Previous) << c.Index << " of 0.." << c.Last;
  }
}

TEST(TrackInformation, AnAvailableTrackShowsItsCatalogueValues) {
  struct Case {
    int Index;
    TRaceTime Best;
    const char* Title;
    const char* BestText;
    const char* Length;
    const char* Laps;
    const char* Opponents;
  };
  const Case cases[] = {
      {0, kNoBestTime, "Track 1", "--:--:--", "540.4", "5", "4"},
      {1, {5, 7, 3}, "Track 2", "3:07:05", "662.7", "6", "4"},
      {10, {99, 59, 0}, "Track 11", "0:59:99", "952.7", "8", "7"},
      {11, {0, 0, 999}, "Track 12", "999:00:00", "856.2", "8", "7"},  // the last minute that is a time
      {5, {0, 0, 1001}, "Track 6", "--:--:--", "992.4", "5", "6"},
  };
  for (const Case& c : cases) {
    TTrack track = kTrackCatalogue[size_t(c.Index)];
    track.Available = true;
    track.BestTime = c.Best;
    EXPECT_EQ(TrackTitle(track, c.Index), c.Title);
    const auto rows = TrackInfoRows(track);
    EXPECT_EQ(rows[0].Value, c.BestText) << c.Title;
    EXPECT_EQ(rows[1].Value, c.Length) << c.Title;
    EXPECT_EQ(rows[2].Value, c.Laps) << c.Title;
    EXPECT_EQ(rows[3].Value, c.Opponents) << c.Title;
  }
}

TEST(TrackInformation, ALockedTrackTellsOnlyItsNumber) {
  for (int index = 0; index < kTrackCount; ++index) {
    TTrack track = kTrackCatalogue[size_t(index)];
    track.BestTime = {1, 2, 3};  // a time from an earlier run is not shown either
    EXPECT_EQ(TrackTitle(track, index), "Track " + std::to_string(index + 1));
    const auto rows = TrackInfoRows(track);
    EXPECT_EQ(rows[0].Value, "--:--:--");
    for (size_t row = 1; row < rows.size(); ++row) EXPECT_EQ(rows[row].Value, "-") << index;
  }
}

// The opponents' level follows their count; a locked track's row tells nothing more.
TEST(TrackInformation, TheOpponentsRowTellsTheirLevel) {
  TTrack open = kTrackCatalogue[0];
  open.Available = true;
  const TTrack locked = kTrackCatalogue[0];
  const struct {
    const TTrack& Track;
    TDifficulty Level;
    std::string Shown;
  } cases[] = {
      {open, TDifficulty::Easy, "4 (Easy)"},
      {open, TDifficulty::Normal, "4 (Normal)"},
      {open, TDifficulty::Hard, "4 (Hard)"},
      {locked, TDifficulty::Hard, "-"},
  };
  for (const auto& c : cases) {
    auto rows = TrackInfoRows(c.Track);
    AddDifficulty(rows.back(), c.Level);
    EXPECT_EQ(rows.back().Value, c.Shown);
    EXPECT_EQ(std::string(rows.back().Label), "Opponents:");
  }
}

TEST(TrackInformation, RowsKeepTheirLabelsAndPlaces) {
  const auto rows = TrackInfoRows(kTrackCatalogue[0]);
  const std::pair<int, std::string> expected[] = {
      {385, "Best time: "}, {425, "Length:"}, {463, "Laps:"}, {501, "Opponents:"}};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Y, expected[i].first);
    EXPECT_EQ(rows[i].Label, expected[i].second);
  }
}

TEST(CarInformation, BarsFollowTheDrivingValues) {
  struct Case {
    int Index;
    float Speed, Acceleration, Steering, Grip;
  };
  const Case cases[] = {
      {0, 0.8333f, 0.45f, 0.85f, 0.78f},  // Speeder
      {1, 0.4583f, 0.8f, 0.8f, 0.9f},     // Turbo
      {4, 1.0f, 0.4f, 0.875f, 0.87f},     // Beast: the fastest fills its bar
  };
  for (const Case& c : cases) {
    const auto scales = CarBarScales(kCarCatalogue[size_t(c.Index)]);
    EXPECT_NEAR(scales[0], c.Speed, 1e-4) << c.Index;
    EXPECT_NEAR(scales[1], c.Acceleration, 1e-6) << c.Index;
    EXPECT_NEAR(scales[2], c.Steering, 1e-6) << c.Index;
    EXPECT_NEAR(scales[3], c.Grip, 1e-6) << c.Index;
  }
}

TEST(CarInformation, ALockedCarIsNotNamed) {
  TCarType car = kCarCatalogue[2];
  EXPECT_EQ(CarTitle(car), "Not avaible");
  car.Available = true;
  EXPECT_EQ(CarTitle(car), "Volcano");
}

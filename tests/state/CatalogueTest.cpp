#include <gtest/gtest.h>

#include <string>

#include "race/GameProcedures.h"

namespace {

TCatalogue FilledCatalogue() {
  TCatalogue catalogue;
  FillTrackCatalogue(catalogue);
  FillCarCatalogue(catalogue);
  return catalogue;
}

}  // namespace

TEST(Catalogue, HoldsEveryTrackAsTheGameHasIt) {
  struct TRow {
    const char *Name, *Image, *DataFile, *Length;
    int Laps, Rivals, First, Second, Third;
  };
  const TRow rows[] = {
      {"Track 1", "tr_track3", "Data\\data4.prd", "540.4", 5, 4, 100, 70, 50},
      {"Track 2", "tr_track12", "Data\\data13.prd", "662.7", 6, 4, 120, 90, 80},
      {"Track 3", "tr_track4", "Data\\data5.prd", "470.3", 5, 5, 150, 120, 100},
      {"Track 4", "tr_track1", "Data\\data3.prd", "710.4", 5, 5, 180, 150, 130},
      {"Track 5", "tr_track11", "Data\\data12.prd", "785.1", 6, 6, 220, 200, 180},
      {"Track 6", "tr_track7", "Data\\data8.prd", "992.4", 5, 6, 250, 230, 200},
      {"Track 7", "tr_track6", "Data\\data7.prd", "692.4", 6, 7, 300, 270, 250},
      {"Track 8", "tr_track5", "Data\\data6.prd", "643.2", 5, 7, 350, 310, 260},
      {"Track 9", "tr_track8", "Data\\data9.prd", "812.8", 6, 7, 380, 350, 310},
      {"Track 10", "tr_track2", "Data\\data2.prd", "910.4", 7, 7, 420, 380, 350},
      {"Track 11", "tr_track10", "Data\\data11.prd", "952.7", 8, 7, 450, 430, 410},
      {"Track 12", "tr_track9", "Data\\data10.prd", "856.2", 8, 7, 500, 450, 420},
  };
  TCatalogue catalogue;
  catalogue.SelectedTrack = 5;
  catalogue.Tracks[3].Available = true;
  catalogue.Tracks[3].BestTime = {1, 2, 3};
  FillTrackCatalogue(catalogue);
  EXPECT_EQ(catalogue.LastTrack, 11);
  EXPECT_EQ(catalogue.SelectedTrack, 0);
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const TTrack& track = catalogue.Tracks[i];
    const TRow& row = rows[i];
    EXPECT_EQ(track.Name, row.Name);
    EXPECT_EQ(track.ImageName, row.Image);
    EXPECT_EQ(track.DataFile, row.DataFile);
    EXPECT_EQ(track.Length, row.Length);
    EXPECT_EQ(track.Laps, row.Laps);
    EXPECT_EQ(track.Rivals, row.Rivals);
    EXPECT_EQ(track.Points, (std::array<int, 3>{row.First, row.Second, row.Third}));
    EXPECT_FALSE(track.Available);
    EXPECT_EQ(track.BestTime.Hundredths, 0);
    EXPECT_EQ(track.BestTime.Seconds, 0);
    EXPECT_EQ(track.BestTime.Minutes, 1000);
  }
  for (size_t i = std::size(rows); i < catalogue.Tracks.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(catalogue.Tracks[i].Name.empty());  // spare slots stay empty
    EXPECT_EQ(catalogue.Tracks[i].BestTime.Minutes, 0);
  }
}

TEST(Catalogue, HoldsEveryCarAsTheGameHasIt) {
  struct TRow {
    const char *Name, *Image;
    double TopSpeed, Acceleration, Steering, Grip;
  };
  const TRow rows[] = {
      {"Speeder", "c_car1", 10.0, 0.045, 1.7, 0.78}, {"Turbo", "c_car2", 5.5, 0.08, 1.6, 0.9},
      {"Volcano", "c_car3", 7.3, 0.05, 1.9, 0.82},   {"Viper", "c_car4", 6.0, 0.07, 1.65, 0.8},
      {"Beast", "c_car5", 12.0, 0.04, 1.75, 0.87},
  };
  TCatalogue catalogue;
  catalogue.SelectedCar = 3;
  catalogue.Cars[1].Available = true;
  FillCarCatalogue(catalogue);
  EXPECT_EQ(catalogue.LastCar, 4);
  EXPECT_EQ(catalogue.SelectedCar, 0);
  ASSERT_EQ(catalogue.Cars.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const TCarType& car = catalogue.Cars[i];
    EXPECT_EQ(car.Name, rows[i].Name);
    EXPECT_EQ(car.ImageName, rows[i].Image);
    EXPECT_EQ(car.TopSpeed, rows[i].TopSpeed);
    EXPECT_EQ(car.Acceleration, rows[i].Acceleration);
    EXPECT_EQ(car.Steering, rows[i].Steering);
    EXPECT_EQ(car.Grip, rows[i].Grip);
    EXPECT_FALSE(car.Available);
  }
}

TEST(Catalogue, MarksOnlyTheCountedEntriesThatExist) {
  struct TCase {
    int Tracks, Cars, MarkedTracks, MarkedCars;
  };
  const TCase cases[] = {{3, 2, 3, 2}, {0, 0, 0, 0}, {12, 5, 12, 5}, {25, 9, 12, 5}, {-4, -1, 0, 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Tracks);
    TCatalogue catalogue = FilledCatalogue();
    catalogue.TracksAvailable = c.Tracks;
    catalogue.CarsAvailable = c.Cars;
    MarkAvailableEntries(catalogue);
    for (int i = 0; i < kTrackSlots; ++i)
      EXPECT_EQ(catalogue.Tracks[size_t(i)].Available, i < c.MarkedTracks);
    for (int i = 0; i < kCarCount; ++i) EXPECT_EQ(catalogue.Cars[size_t(i)].Available, i < c.MarkedCars);
  }
}

// From the start of the game, every stage in turn: the counts, the target and what is available.
TEST(Catalogue, UnlocksStageByStage) {
  struct TStage {
    int Tracks, Cars, Target;
  };
  const TStage after[] = {
      {5, 2, 700},  {5, 3, 1200},  {7, 3, 2200},   {7, 4, 2700},   {9, 4, 4700},
      {9, 5, 6700}, {10, 5, 9200}, {11, 5, 13200}, {12, 5, 17700},
  };
  TCatalogue catalogue = FilledCatalogue();
  MarkAvailableEntries(catalogue);  // the defaults: three tracks, two cars
  for (int stage = 0; stage < 9; ++stage) {
    SCOPED_TRACE(stage);
    ASSERT_EQ(catalogue.UnlockStage, stage);
    UnlockNextStage(catalogue);
    const TStage& expected = after[stage];
    EXPECT_EQ(catalogue.UnlockStage, stage + 1);
    EXPECT_EQ(catalogue.TracksAvailable, expected.Tracks);
    EXPECT_EQ(catalogue.CarsAvailable, expected.Cars);
    EXPECT_EQ(catalogue.TargetScore, expected.Target);
    for (int i = 0; i < kTrackSlots; ++i)
      EXPECT_EQ(catalogue.Tracks[size_t(i)].Available, i < expected.Tracks);
    for (int i = 0; i < kCarCount; ++i) EXPECT_EQ(catalogue.Cars[size_t(i)].Available, i < expected.Cars);
  }
  // Everything is unlocked: a further call changes nothing.
  UnlockNextStage(catalogue);
  EXPECT_EQ(catalogue.UnlockStage, 9);
  EXPECT_EQ(catalogue.TargetScore, 17700);
  EXPECT_EQ(catalogue.TracksAvailable, 12);
}

TEST(Catalogue, AStageOutsideTheSequenceUnlocksNothing) {
  for (int stage : {-1, 10, 1000}) {
    TCatalogue catalogue = FilledCatalogue();
    catalogue.UnlockStage = stage;
    UnlockNextStage(catalogue);
    EXPECT_EQ(catalogue.UnlockStage, stage);
    EXPECT_EQ(catalogue.TargetScore, 300);
    EXPECT_EQ(catalogue.TracksAvailable, 3);
    EXPECT_EQ(catalogue.CarsAvailable, 2);
  }
}

TEST(Catalogue, ScoresAddUpToTheIntegerLimitsAndStayThere) {
  struct TCase {
    int A, B, Sum;
  };
  const TCase cases[] = {
      {1, 2, 3},
      {-5, -10, -15},
      {INT_MAX, 1, INT_MAX},
      {INT_MAX - 5, 10, INT_MAX},
      {INT_MIN, -1, INT_MIN},
      {INT_MIN + 3, -4, INT_MIN},
      {INT_MAX, INT_MIN, -1},
      {INT_MAX, 0, INT_MAX},
  };
  for (const TCase& c : cases) EXPECT_EQ(AddSaturated(c.A, c.B), c.Sum) << c.A << " + " << c.B;
  TCatalogue catalogue = FilledCatalogue();
  catalogue.TargetScore = INT_MAX - 100;
  UnlockNextStage(catalogue);
  EXPECT_EQ(catalogue.TargetScore, INT_MAX);
  EXPECT_EQ(catalogue.UnlockStage, 1);
}

TEST(Catalogue, ComparesTimesMinutesFirst) {
  struct TCase {
    TRaceTime Current, Best;
    bool Better;
  };
  const TCase cases[] = {
      {{99, 59, 0}, {0, 0, 1}, true},  // 0:59:99 beats 1:00:00
      {{0, 0, 1}, {99, 59, 0}, false},
      {{12, 34, 1}, {12, 34, 1}, false},  // equal is not better
      {{0, 0, 0}, {0, 0, 0}, false},
      {{50, 10, 2}, {51, 10, 2}, true},  // hundredths decide last
      {{51, 10, 2}, {50, 10, 2}, false},
      {{99, 9, 2}, {0, 10, 2}, true},  // seconds before hundredths
      {{0, 10, 2}, {99, 9, 2}, false},
      {{99, 59, 999}, kNoBestTime, true},  // any finished time beats "no best time"
      {kNoBestTime, kNoBestTime, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Current.Minutes << ":" << c.Current.Seconds << ":"
                                    << c.Current.Hundredths << " vs " << c.Best.Minutes << ":"
                                    << c.Best.Seconds << ":" << c.Best.Hundredths);
    EXPECT_EQ(IsBetterTime(c.Current, c.Best), c.Better);
  }
}

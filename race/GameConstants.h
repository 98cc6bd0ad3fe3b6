#pragma once

#include <array>
#include <string_view>

#include "race/RaceTime.h"

// One track of the catalogue. The texts point into the catalogue compiled into the game.
struct TTrack {
  std::string_view Name;       // "Track 1" ... "Track 12" on the track selection
  std::string_view ImageName;  // preview picture in the menu image list
  std::string_view DataFile;   // the track data file, as the game names it ("Data\data4.prd")
  bool Available = false;
  TRaceTime BestTime;       // minutes above 999: no best time yet
  std::string_view Length;  // shown next to "Length:", never computed with
  int Laps = 0;
  int Rivals = 0;               // computer-driven opponents
  std::array<int, 3> Points{};  // for finishing 1st, 2nd, 3rd
};

// One car of the catalogue: its driving parameters.
struct TCarType {
  std::string_view Name;
  std::string_view ImageName;  // preview picture in the menu image list
  bool Available = false;
  double TopSpeed = 0;      // pixels per frame
  double Acceleration = 0;  // pixels per frame per frame
  double Steering = 0;      // degrees of heading per frame
  double Grip = 0;          // 0..1: how fast the direction of travel follows the heading
};

inline constexpr int kTrackSlots = 25;  // the progress file carries this many best times
inline constexpr int kTrackCount = 12;
inline constexpr int kCarCount = 5;
inline constexpr int kNoBestTimeMinutes = 1000;  // a best time of 1000 minutes or more is none
inline constexpr int kUnlockStages = 9;          // stages 0..8; stage 9 has unlocked everything
inline constexpr int kStartTracks = 3;           // available in a new game
inline constexpr int kStartCars = 2;

inline constexpr TRaceTime kNoBestTime{0, 0, kNoBestTimeMinutes};

// The tracks in the order of the track selection. Name, preview and data file are not numbered
// alike: this table is what ties them together. "Data\data1.prd" is the demonstration race's.
inline constexpr std::array<TTrack, kTrackCount> kTrackCatalogue{{
    {"Track 1", "tr_track3", "Data\\data4.prd", false, kNoBestTime, "540.4", 5, 4, {100, 70, 50}},
    {"Track 2", "tr_track12", "Data\\data13.prd", false, kNoBestTime, "662.7", 6, 4, {120, 90, 80}},
    {"Track 3", "tr_track4", "Data\\data5.prd", false, kNoBestTime, "470.3", 5, 5, {150, 120, 100}},
    {"Track 4", "tr_track1", "Data\\data3.prd", false, kNoBestTime, "710.4", 5, 5, {180, 150, 130}},
    {"Track 5", "tr_track11", "Data\\data12.prd", false, kNoBestTime, "785.1", 6, 6, {220, 200, 180}},
    {"Track 6", "tr_track7", "Data\\data8.prd", false, kNoBestTime, "992.4", 5, 6, {250, 230, 200}},
    {"Track 7", "tr_track6", "Data\\data7.prd", false, kNoBestTime, "692.4", 6, 7, {300, 270, 250}},
    {"Track 8", "tr_track5", "Data\\data6.prd", false, kNoBestTime, "643.2", 5, 7, {350, 310, 260}},
    {"Track 9", "tr_track8", "Data\\data9.prd", false, kNoBestTime, "812.8", 6, 7, {380, 350, 310}},
    {"Track 10", "tr_track2", "Data\\data2.prd", false, kNoBestTime, "910.4", 7, 7, {420, 380, 350}},
    {"Track 11", "tr_track10", "Data\\data11.prd", false, kNoBestTime, "952.7", 8, 7, {450, 430, 410}},
    {"Track 12", "tr_track9", "Data\\data10.prd", false, kNoBestTime, "856.2", 8, 7, {500, 450, 420}},
}};

// The cars in the order of the car selection. The in-race picture follows the index, not ImageName.
inline constexpr std::array<TCarType, kCarCount> kCarCatalogue{{
    {"Speeder", "c_car1", false, 10.0, 0.045, 1.7, 0.78},
    {"Turbo", "c_car2", false, 5.5, 0.08, 1.6, 0.9},
    {"Volcano", "c_car3", false, 7.3, 0.05, 1.9, 0.82},
    {"Viper", "c_car4", false, 6.0, 0.07, 1.65, 0.8},
    {"Beast", "c_car5", false, 12.0, 0.04, 1.75, 0.87},
}};

// How much the target score grows at each unlock stage.
inline constexpr std::array<int, kUnlockStages> kTargetSteps{400,  500,  1000, 500, 2000,
                                                             2000, 2500, 4000, 4500};

// The catalogues with what makes their entries available: the counts and the unlock sequence.
// The main form holds it; the menus, the race set-up and the cars read it.
struct TCatalogue {
  std::array<TTrack, kTrackSlots> Tracks{};  // 0..LastTrack the catalogue, the rest spare slots
  std::array<TCarType, kCarCount> Cars{};
  int SelectedTrack = 0;
  int SelectedCar = 0;
  int LastTrack = kTrackCount - 1;
  int LastCar = kCarCount - 1;
  int TracksAvailable = kStartTracks;  // counted from index 0
  int CarsAvailable = kStartCars;
  int TargetScore = 300;  // the total score at which the next stage unlocks
  int UnlockStage = 0;    // 0..8 the next stage, 9 everything unlocked
  std::array<int, kUnlockStages> TargetSteps = kTargetSteps;
};

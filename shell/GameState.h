#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "race/GameConstants.h"
#include "shell/GameOptions.h"
#include "shell/GameScreen.h"

// One row of the stored high-score table: three texts, as the settings file keeps them.
struct THighScoreEntry {
  std::string Place;  // never stored: always the row's number
  std::string Name;
  std::string Score;
};

inline constexpr int kHighScoreRows = 10;

// The table a fresh game has: row i is (i, "Anonymous", 1100 - 100 i).
inline std::array<THighScoreEntry, kHighScoreRows> DefaultHighScores() {
  std::array<THighScoreEntry, kHighScoreRows> rows;
  for (int i = 1; i <= kHighScoreRows; ++i)
    rows[size_t(i - 1)] = {std::to_string(i), "Anonymous", std::to_string(1100 - 100 * i)};
  return rows;
}

// The game-wide state the main form holds: settings, progress and the screen machine's
// counters. The screens, the settings files and the scoring read and write it.
struct TGameState {
  TGameScreen CurrentScreen = gsIntro;
  int ScreenTicks = 0;              // frames since the current screen was entered
  int StepTicks = 0;                // second frame counter of the race, the race-exit dialog and the results
  int CaretTicks = 0;               // blink counter of the edit boxes' caret
  std::array<bool, 256> KeyHeld{};  // by Windows virtual-key code
  std::array<bool, 256> KeyReleased{};  // one-shot: the reader clears the flag
  bool FullScreen = false;
  bool AppliedFullScreen = false;
  bool MusicOn = true;
  bool SoundOn = true;
  std::string PlayerName;
  std::string AddText;   // the options screen's free text, up to 12 characters
  TGameOptions Options;  // the ghost and the track map (Options.ini)
  int TotalScore = 0;
  std::array<THighScoreEntry, kHighScoreRows> HighScores = DefaultHighScores();  // rows 1..10
  // The tracks and cars, what is available, the selection and the unlock sequence with its
  // target score.
  TCatalogue Catalogue;
  bool GameImagesPending = true;  // the race pictures have not been loaded yet
  bool EditChanged = false;
  int RacePoints = 0;      // points of the race being run
  bool TimeTrial = false;  // the race chosen is a time trial: no opponents, no points, no score sent
  // The results screen and its scoring (Scoring.h): the score and the points the race started
  // the count-up from, the result lines shown, and which unlock message is due.
  int ScoreBeforeRace = 0;
  int RacePointsEarned = 0;
  int ResultLines = 0;
  bool NewTracksShown = false;
  bool NewCarShown = false;
  bool DebugView = false;      // the track's debug overlay; nothing in the game sets it
  int MouseX = 0, MouseY = 0;  // back-buffer pixels
  std::mt19937 Random;
};

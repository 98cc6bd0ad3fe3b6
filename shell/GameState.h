#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "shell/GameScreen.h"

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
  std::string AddText;  // the options screen's free text, up to 12 characters
  int TotalScore = 0;
  int TargetScore = 300;
  int UnlockStage = 0;
  std::array<int, 9> TargetSteps{400, 500, 1000, 500, 2000, 2000, 2500, 4000, 4500};
  int TracksAvailable = 3;
  int CarsAvailable = 2;
  bool GameImagesPending = true;  // the race pictures have not been loaded yet
  bool EditChanged = false;
  bool DebugView = false;      // the track's debug overlay; nothing in the game sets it
  int MouseX = 0, MouseY = 0;  // back-buffer pixels
  std::mt19937 Random;
};

#pragma once

#include <cstdint>

// The screens of the game; the numbers are the game's own.
enum TGameScreen : uint8_t {
  gsExitRace = 0,
  gsEnterName = 1,
  gsIntro = 3,
  gsMainMenu = 4,
  gsHelp = 6,
  gsOptions = 7,
  gsExitGame = 10,
  gsRace = 12,
  gsChooseTrack = 14,
  gsChooseCar = 15,
  gsRaceOver = 16,
  gsPause = 20,
  gsShare = 21,
  gsHallOfFame = 22,  // the score server's best scores
};

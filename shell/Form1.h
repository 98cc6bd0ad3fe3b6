#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "engine/SystemTimer.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/InputEvent.h"
#include "platform/MessageBox.h"
#include "platform/VideoSystem.h"
#include "race/RaceState.h"
#include "shell/GameState.h"

class TPlaceholderScreen;

// What the form needs from the machine it runs on.
struct TFormServices {
  TVideoSystem& Video;
  const TClock& Clock;
  TMessageBoxes& Messages;
  TAudioDevice* Audio = nullptr;  // none: the game stays silent
  std::optional<uint32_t> Seed;   // none: seeded from the clock
};

// The main form: owns every component of the game and the game-wide state, and runs the
// screen machine.
class TForm1 {
 public:
  explicit TForm1(const TFormServices& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The form's events, in the order the window system raises them.
  void FormCreate();
  void FormShow();
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  void FormMouseMove(int x, int y);
  void FormMouseDown(TMouseButton button, int x, int y);
  bool FormCloseQuery();

  // The frame event of OmegaTimer1.
  void OmegaTimer1Timer();
  // The 10 ms event of RaceTimer.
  void RaceTimerTimer();

  // The screen machine.
  void EnterScreen(TGameScreen screen);
  void ScreenFrame(TGameScreen screen);
  void LeaveScreen(TGameScreen screen);

  // Components.
  TOmegaScreen OmegaScreen1;
  TOmegaTimer OmegaTimer1;
  TOmegaTimer AnimTimer;  // configured as the game has it, never enabled
  TSystemTimer RaceTimer;

  TGameState State;
  TRaceState Race;

 private:
  TFormServices Services;
  std::unique_ptr<TPlaceholderScreen> Placeholder;
};

#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/InputEvent.h"

union SDL_Event;
struct _SDL_GameController;

// Game controllers play as the keyboard does: their buttons and the left stick become the
// virtual keys of the driving and menu keys, so the game needs nothing of its own for them.
//   D-pad or left stick: the arrow keys       south button: Up (accelerate) and Enter
//   east button: Down (brake, reverse)        shoulder buttons: Space (handbrake)
//   Start: "P" (pause)                        Back: Escape
//   west button: "T" (time trial on the track selection) and F2 (the options' ghost switch)
//   north button: F3 (the options' track map switch)
class TGameControllers {
 public:
  TGameControllers();
  ~TGameControllers();
  TGameControllers(const TGameControllers&) = delete;
  TGameControllers& operator=(const TGameControllers&) = delete;

  // Opens controllers as they are plugged in and turns their buttons and stick into key
  // events. Returns false for events that are not a controller's.
  bool Translate(const SDL_Event& event, std::vector<TInputEvent>& events);

  // The virtual keys a button stands for (none for buttons the game does not use).
  static std::vector<int> KeysOfButton(int button);
  // Every virtual key some button stands for.
  static std::vector<int> ButtonKeys();

 private:
  // How far the stick must lean to press an arrow key, and how far back to let it go again.
  static constexpr int kPress = 16000, kRelease = 12000;
  struct TStick {
    int X = 0, Y = 0;  // -1, 0, 1: the arrow held on that axis
  };
  void Axis(int32_t controller, int axis, int value, std::vector<TInputEvent>& events);

  bool SubsystemUp = false;
  std::map<int32_t, _SDL_GameController*> Open;  // by joystick instance
  std::map<int32_t, TStick> Sticks;
};

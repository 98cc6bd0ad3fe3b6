#include "platform/GameControllers.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
constexpr int kEnter = 13, kEscape = 27, kSpace = 32, kPause = 80;
constexpr int kTimeTrial = 84, kGhostSwitch = 113, kMapSwitch = 114, kLevelSwitch = 115;  // "T", F2, F3, F4

void Key(int key, bool down, std::vector<TInputEvent>& events) {
  TInputEvent event;
  event.Kind = down ? TInputKind::KeyDown : TInputKind::KeyUp;
  event.Key = key;
  events.push_back(event);
}

// Moves an axis's arrow from `from` to `to` (-1, 0, 1): lets go of the old key, presses the new.
void Lean(int from, int to, int negativeKey, int positiveKey, std::vector<TInputEvent>& events) {
  if (from == to) return;
  if (from != 0) Key(from < 0 ? negativeKey : positiveKey, false, events);
  if (to != 0) Key(to < 0 ? negativeKey : positiveKey, true, events);
}

}  // namespace

TGameControllers::TGameControllers() {
  SubsystemUp = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

TGameControllers::~TGameControllers() {
  for (auto& [id, controller] : Open) SDL_GameControllerClose(controller);
  if (SubsystemUp) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::vector<int> TGameControllers::KeysOfButton(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return {kUp};
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return {kDown};
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return {kLeft};
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return {kRight};
    case SDL_CONTROLLER_BUTTON_A:
      return {kUp, kEnter};
    case SDL_CONTROLLER_BUTTON_B:
      return {kDown};
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return {kSpace};
    case SDL_CONTROLLER_BUTTON_START:
      return {kPause};
    case SDL_CONTROLLER_BUTTON_BACK:
      return {kEscape};
    case SDL_CONTROLLER_BUTTON_X:
      return {kTimeTrial, kGhostSwitch};
    case SDL_CONTROLLER_BUTTON_Y:
      return {kMapSwitch};
    case SDL_CONTROLLER_BUTTON_LEFTSTICK:
      return {kLevelSwitch};
    default:
      return {};
  }
}

std::vector<int> TGameControllers::ButtonKeys() {
  std::vector<int> keys;
  for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
    for (int key : KeysOfButton(button))
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  return keys;
}

bool TGameControllers::Translate(const SDL_Event& event, std::vector<TInputEvent>& events) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which))
        Open[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller))] = controller;
      return true;
    case SDL_CONTROLLERDEVICEREMOVED: {
      // Whatever the controller held is let go, so no key stays down.
      const TStick stick = Sticks[event.cdevice.which];
      Lean(stick.X, 0, kLeft, kRight, events);
      Lean(stick.Y, 0, kUp, kDown, events);
      Sticks.erase(event.cdevice.which);
      if (auto found = Open.find(event.cdevice.which); found != Open.end()) {
        SDL_GameControllerClose(found->second);
        Open.erase(found);
      }
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      for (int key : KeysOfButton(event.cbutton.button))
        Key(key, event.type == SDL_CONTROLLERBUTTONDOWN, events);
      return true;
    case SDL_CONTROLLERAXISMOTION:
      Axis(event.caxis.which, event.caxis.axis, event.caxis.value, events);
      return true;
    default:
      return false;
  }
}

void TGameControllers::Axis(int32_t controller, int axis, int value, std::vector<TInputEvent>& events) {
  if (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY) return;
  TStick& stick = Sticks[controller];
  int& held = axis == SDL_CONTROLLER_AXIS_LEFTX ? stick.X : stick.Y;
  int lean = held;
  if (value <= -kPress)
    lean = -1;
  else if (value >= kPress)
    lean = 1;
  else if (value > -kRelease && value < kRelease)
    lean = 0;
  if (axis == SDL_CONTROLLER_AXIS_LEFTX)
    Lean(held, lean, kLeft, kRight, events);
  else
    Lean(held, lean, kUp, kDown, events);
  held = lean;
}

#include "platform/GameControllers.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

SDL_Event Button(int button, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
  event.cbutton.which = 1;
  event.cbutton.button = Uint8(button);
  return event;
}

SDL_Event Stick(int axis, int value) {
  SDL_Event event{};
  event.type = SDL_CONTROLLERAXISMOTION;
  event.caxis.which = 1;
  event.caxis.axis = Uint8(axis);
  event.caxis.value = Sint16(value);
  return event;
}

// "d38 u37": key down 38, key up 37.
std::string Keys(const std::vector<TInputEvent>& events) {
  std::string text;
  for (const TInputEvent& event : events)
    text += (text.empty() ? "" : " ") + std::string(event.Kind == TInputKind::KeyDown ? "d" : "u") +
            std::to_string(event.Key);
  return text;
}

}  // namespace

TEST(GameControllers, ButtonsPressTheDrivingAndMenuKeys) {
  const struct {
    int Button;
    std::string Down;
  } cases[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "d37"},    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, "d39"},
      {SDL_CONTROLLER_BUTTON_DPAD_UP, "d38"},      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "d40"},
      {SDL_CONTROLLER_BUTTON_A, "d38 d13"},        {SDL_CONTROLLER_BUTTON_B, "d40"},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, "d32"}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, "d32"},
      {SDL_CONTROLLER_BUTTON_START, "d80"},        {SDL_CONTROLLER_BUTTON_BACK, "d27"},
      {SDL_CONTROLLER_BUTTON_X, "d84 d113"},       {SDL_CONTROLLER_BUTTON_Y, "d114"},
      {SDL_CONTROLLER_BUTTON_LEFTSTICK, "d115"},   {SDL_CONTROLLER_BUTTON_GUIDE, ""},
  };
  TGameControllers controllers;
  const std::vector<int> buttonKeys = TGameControllers::ButtonKeys();
  for (const auto& c : cases) {
    std::vector<TInputEvent> events;
    EXPECT_TRUE(controllers.Translate(Button(c.Button, true), events));
    EXPECT_EQ(Keys(events), c.Down) << c.Button;
    // The list of every button's keys (the intro's skip keys) holds this button's.
    for (const TInputEvent& event : events)
      EXPECT_NE(std::find(buttonKeys.begin(), buttonKeys.end(), event.Key), buttonKeys.end()) << c.Button;
    events.clear();
    controllers.Translate(Button(c.Button, false), events);
    std::string up = c.Down;
    for (size_t at = up.find('d'); at != std::string::npos; at = up.find('d')) up[at] = 'u';
    EXPECT_EQ(Keys(events), up) << c.Button;
  }
}

TEST(GameControllers, TheLeftStickLeansOntoTheArrowsWithSomeSlack) {
  const struct {
    int Axis, Value;
    std::string Keys;
  } steps[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, -20000, "d37"},      // lean left
      {SDL_CONTROLLER_AXIS_LEFTX, -14000, ""},         // easing off, still held
      {SDL_CONTROLLER_AXIS_LEFTX, 30000, "u37 d39"},   // straight over to the right
      {SDL_CONTROLLER_AXIS_LEFTX, 5000, "u39"},        // back to the middle
      {SDL_CONTROLLER_AXIS_LEFTY, 32767, "d40"},       // pulled back: brake
      {SDL_CONTROLLER_AXIS_LEFTY, -32768, "u40 d38"},  // pushed forward: accelerate
      {SDL_CONTROLLER_AXIS_RIGHTX, 32767, ""},         // the right stick does nothing
      {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, ""},
  };
  TGameControllers controllers;
  for (const auto& step : steps) {
    std::vector<TInputEvent> events;
    EXPECT_TRUE(controllers.Translate(Stick(step.Axis, step.Value), events));
    EXPECT_EQ(Keys(events), step.Keys) << step.Axis << " " << step.Value;
  }
}

TEST(GameControllers, UnpluggingLetsGoOfWhatTheStickHeld) {
  TGameControllers controllers;
  std::vector<TInputEvent> events;
  controllers.Translate(Stick(SDL_CONTROLLER_AXIS_LEFTX, 32767), events);
  controllers.Translate(Stick(SDL_CONTROLLER_AXIS_LEFTY, -32768), events);
  events.clear();
  SDL_Event removed{};
  removed.type = SDL_CONTROLLERDEVICEREMOVED;
  removed.cdevice.which = 1;
  EXPECT_TRUE(controllers.Translate(removed, events));
  EXPECT_EQ(Keys(events), "u39 u38");
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  EXPECT_FALSE(controllers.Translate(key, events));
}

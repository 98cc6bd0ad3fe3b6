#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/GameScreen.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;
class TOmegaButton;

// The track selection or the car selection: one catalogue entry at a time, stepped through with
// the arrows or the page's buttons; a locked entry is shown but cannot be raced. From the track the
// player goes on to the car (or straight into a time trial with "T"), from the car into the race.
class TSelectionScreen : public TScreen {
 public:
  // `screen` is gsChooseTrack or gsChooseCar.
  TSelectionScreen(TScreenKit& kit, TGameScreen screen);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // While the screen is shown: the entry's picture, the four bars of the car's driving values (the
  // car selection's only) and the page's buttons in the order they were made.
  const TMenuScreen* Preview() const { return PreviewSprite; }
  const std::array<TMenuScreen*, 4>& Bars() const { return StatBars; }
  const std::vector<TOmegaButton*>& Buttons() const { return PageButtons; }

 private:
  bool ChoosesTrack() const { return Screen == gsChooseTrack; }
  void EnterTrack();
  void EnterCar();
  void BuildPage();
  void ShowTrack();
  void ShowCar();
  void Step(bool forward);
  bool Available() const;
  void Race();
  void TimeTrial();
  void Return(const std::string& sound);
  bool Keys();
  void SlidePage();
  void DrawTrackInfo();

  TScreenKit& Kit;
  TGameScreen Screen;
  TScreenSprites Sprites;
  TMenuScreen* PreviewSprite = nullptr;
  std::array<TMenuScreen*, 4> StatBars{};
  std::vector<TOmegaButton*> PageButtons;
};

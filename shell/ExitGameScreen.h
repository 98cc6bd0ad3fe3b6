#pragma once

#include <array>

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;
class TOmegaButton;

// The quit dialog over the main menu: YES (or Enter) saves the game and goes to the closing screen,
// NO (or Escape) back to the main menu.
class TExitGameScreen : public TScreen {
 public:
  explicit TExitGameScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

 private:
  bool Keys();
  void Slide();
  void Draw();
  void Yes();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  std::array<TOmegaButton*, 2> Buttons{};
  TMenuScreen* Dialog = nullptr;
};

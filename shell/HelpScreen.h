#pragma once

#include <array>

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class THelpButton;
class TMenuScreen;
class TOmegaButton;

// The help: three pages turned with NEXT and PREV, the second showing the keys' pictures through its
// windows. BACK or Escape lead back to the main menu.
class THelpScreen : public TScreen {
 public:
  static constexpr int kPages = 3;

  explicit THelpScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // The page shown (1 .. kPages) and the keys' pictures while the screen is shown.
  int Page() const { return Shown; }
  const std::array<THelpButton*, 8>& KeyPictures() const { return Keys; }

 private:
  void AddButtons();
  void ShowPage(int page);
  void Draw();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  std::array<TOmegaButton*, 3> Buttons{};
  std::array<THelpButton*, 8> Keys{};
  TMenuScreen* Picture = nullptr;
  int Shown = 1;
};

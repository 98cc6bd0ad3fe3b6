#pragma once

#include <array>
#include <string>

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"
#include "web/DetachedLaunch.h"

class TOmegaButton;

// The main menu: six buttons rising onto the plate (start, options, help, more games, hall of fame,
// exit) and the corner emblem's link. Escape asks to quit; Z adds ten points.
class TMainMenuScreen : public TScreen {
 public:
  // launcher: opens the link buttons' shortcut files; hallOfFame: whether the game has a score
  // server, without which its entry is dimmed.
  TMainMenuScreen(TScreenKit& kit, const TLauncher& launcher, bool hallOfFame);

  void Enter() override;
  void Frame() override;
  void Leave() override;

 private:
  void AddButtons();
  TOmegaButton& AddLinkButton(const std::string& picture, int x, int y, const std::string& file);
  void OpenShortcut(const std::string& file);
  void SetFonts();
  bool Keys();
  void Draw();

  TScreenKit& Kit;
  const TLauncher& Launcher;
  bool HallOfFameShown;
  TScreenSprites Sprites;
  std::array<TOmegaButton*, 6> Plate{};  // top to bottom
};

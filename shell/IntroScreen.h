#pragma once

#include <string>

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;

// The intro: the publisher's emblem, then the game's, fading in and out beside the title lettering while
// cars cross the splash picture. Menu keys, a controller's buttons or a click skip it; the name entry
// follows, with the demonstration race behind the menus from then on.
class TIntroScreen : public TScreen {
 public:
  explicit TIntroScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

 private:
  TMenuScreen& AddEmblem(const std::string& picture);
  void AddSkip();
  bool Skipped() const;
  void Fades(int t);
  void End();
  void Draw();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  TMenuScreen* Emblem = nullptr;
  TMenuScreen* Title = nullptr;
};

#pragma once

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "web/DetachedLaunch.h"
#include "web/Share.h"

class TOmegaFont;
class TOmegaImageList;

// The closing screen: the last thing the game shows, until its countdown lets the window close. Its
// pictures, buttons and countdown come from its configuration file; without one the game ends at once.
class TClosingScreen : public TScreen {
 public:
  // pictures: the list the screen's pictures are loaded into; counterFont: the countdown's font;
  // launcher: opens the buttons' link files.
  TClosingScreen(TScreenKit& kit, TOmegaImageList& pictures, TOmegaFont& counterFont,
                 const TLauncher& launcher);

  // Reads the configuration and loads its pictures, once, as the game starts.
  void Load();

  void Enter() override;
  void Frame() override;
  // A left mouse press at (x, y).
  void Click(int x, int y);
  // Whether the window may close: the screen is shown and its countdown has run out.
  bool CanClose() const;

 private:
  TScreenKit& Kit;
  TOmegaImageList& Pictures;
  TShareScreen Share;
};

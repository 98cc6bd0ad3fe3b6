#pragma once

#include <string>

#include "engine/OmegaFont.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"
#include "web/HallOfFameFetcher.h"

class TOmegaButton;

// The HALL OF FAME screen: the score server's ten best, fetched in the background each time the screen
// is entered, on the help pages' frame under the menus' title. Escape, Enter or BACK lead back to the
// main menu.
class THallOfFameScreen : public TScreen {
 public:
  THallOfFameScreen(TScreenKit& kit, TScoreServer server, TWebTimeouts timeouts = {});

  // Whether the game has a score server; without one the main menu's entry is dimmed.
  bool HasServer() const { return ServerSet; }

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // What the last frame showed: the server's lines, and the line said instead of them (empty while
  // the lines are shown).
  const THallOfFameFetcher::TSnapshot& Shown() const { return Snapshot; }
  std::string StatusLine() const;

 private:
  void DrawLines();

  TScreenKit& Kit;
  bool ServerSet;
  THallOfFameFetcher Fetcher;
  THallOfFameFetcher::TSnapshot Snapshot;
  TScreenSprites Sprites;
  TOmegaFont LineFont;
  TOmegaButton* Back = nullptr;
};

#pragma once

#include <vector>

#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;
class TOmegaButton;

// The race's dialogs, over the race standing still with its clock stopped: the pause banner
// (P, F1 or Escape resumes) and the leave-race question, which slides in from the left (Escape
// or "no" resumes, Enter or "yes" leaves the race for the main menu without points).
class TPauseScreen : public TScreen {
 public:
  explicit TPauseScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

 private:
  TScreenKit& Kit;
  TScreenSprites Sprites;
};

class TLeaveRaceScreen : public TScreen {
 public:
  explicit TLeaveRaceScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // While the dialog is shown: its picture and its buttons ("no", "yes").
  const TMenuScreen* Dialog() const { return DialogSprite; }
  const std::vector<TOmegaButton*>& Buttons() const { return PageButtons; }

 private:
  void Resume();
  void LeaveRace();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  TMenuScreen* DialogSprite = nullptr;
  std::vector<TOmegaButton*> PageButtons;
};

#pragma once

#include <string>
#include <vector>

#include "race/Difficulty.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;
class TOmegaButton;

// The results after a race, over the finished race: place, time, points and total revealed line
// by line, the points counted into the total, the unlocks, then "next" keeps the best time and
// the progress and asks whether to send the score. Either answer (and "next" after a time trial
// or without a score server) leads back to the track selection. No keys: only the buttons.
class TResultsScreen : public TScreen {
 public:
  explicit TResultsScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // While the results are shown: their panel (the results, then the question) and the page's
  // buttons.
  const TMenuScreen* Panel() const { return PanelSprite; }
  const std::vector<TOmegaButton*>& Buttons() const { return PageButtons; }

 private:
  TOmegaButton* Button(const char* picture) const;
  void Confirm();
  void Answer(bool sendScore);
  void DrawLines();
  void DrawLevel(TDifficulty level);
  void TextCentred(int x, int y, const std::string& text);

  TScreenKit& Kit;
  TScreenSprites Sprites;
  TMenuScreen* PanelSprite = nullptr;
  std::vector<TOmegaButton*> PageButtons;
};

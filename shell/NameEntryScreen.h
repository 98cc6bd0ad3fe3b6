#pragma once

#include "shell/MenuEdit.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TMenuScreen;
class TOmegaButton;

// The name entry: a dialog sliding in over the title, its box offering the stored name. OK or Enter
// keep a name that is not empty, save it and lead to the main menu.
class TNameEntryScreen : public TScreen {
 public:
  explicit TNameEntryScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // The name's box while the screen is shown.
  TOmegaEdit* Edit() const { return NameEdit.Box(); }

 private:
  void Slide();
  void Draw(bool shown);
  void Ok();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  TMenuEdit NameEdit;
  TOmegaButton* OkButton = nullptr;
  TMenuScreen* Dialog = nullptr;
};

#include "shell/NameEntryScreen.h"

#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaSprite.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSprites.h"

namespace {

// The dialog slides in from the left in 20 steps of 40 pixels once the player has had a moment to
// look at the title.
constexpr int kSlideStart = 50, kSlideEnd = 80, kDialogX = 107, kSlideStep = 40;

}  // namespace

TNameEntryScreen::TNameEntryScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()), NameEdit(kit) {}

void TNameEntryScreen::Enter() {
  TGameState& state = Kit.GameState();
  state.KeyReleased.fill(false);
  Kit.BuildPage();
  OkButton = &Kit.AddPageButton(Kit.MenuImages(), "b_ok", -290, 434, [this] { Ok(); });
  TOmegaEdit& edit = NameEdit.Add("e_name", -547, 363, 23, 0xFF0A0A0A, state.PlayerName);
  edit.Name = "NameEdit";
  // The player types at once, without clicking the box first.
  Kit.Gui().SetFocusID(edit.ID());
  Dialog = &CreateMenuSprite(Sprites, Kit.MenuImages(), "scr_NAMEenter", "scr_entername", 20, -693, 104);
  Kit.Sprites().Move(0);
  state.ScreenTicks = 0;
}

// Enter leaves at once, yet this frame is still drawn, over the main menu's objects.
void TNameEntryScreen::Frame() {
  TGameState& state = Kit.GameState();
  NameEdit.BlinkCaret();
  bool& enter = state.KeyReleased[VK_RETURN];
  if (enter) {
    enter = false;
    Ok();
  }
  const bool shown = state.CurrentScreen == gsEnterName;
  if (shown) {
    NameEdit.TakeBackspace();
    Slide();
  }
  Draw(shown);
}

void TNameEntryScreen::Slide() {
  int& t = Kit.GameState().ScreenTicks;
  if (t > kSlideStart && t < kSlideEnd && Dialog->X() < kDialogX) {
    OkButton->Left += kSlideStep;
    NameEdit.Box()->Left += kSlideStep;
    Dialog->SetX(Dialog->X() + kSlideStep);
  }
  if (t < kSlideEnd) ++t;
}

// Once the screen has been left the main menu's title plate lies where the dialog was drawn.
void TNameEntryScreen::Draw(bool shown) {
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Move(0);
  Kit.Sprites().Draw();
  DrawTitleOverlay(Kit);
  if (shown)
    Dialog->DoDraw();
  else
    Kit.DrawMenuPicture("scr_title", 0, 0);
  Kit.Gui().Draw();
  Kit.Backdrop().DrawLights();
  Kit.EndMenuFrame();
}

// No name, no game.
void TNameEntryScreen::Ok() {
  if (NameEdit.Box()->Text.empty()) return;
  Kit.SwitchScreen(gsEnterName, "check", gsMainMenu);
}

// The name is saved at once, and the ticker greets its player.
void TNameEntryScreen::Leave() {
  TGameState& state = Kit.GameState();
  state.PlayerName = NameEdit.Close();
  Kit.SaveGame(false);
  Kit.FreePage();
  OkButton = nullptr;
  Sprites.KillAll();
  Dialog = nullptr;
  Kit.Backdrop().RebuildTicker();
}

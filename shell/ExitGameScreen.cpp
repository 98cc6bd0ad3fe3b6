#include "shell/ExitGameScreen.h"

#include "engine/OmegaButton.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaSprite.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSprites.h"

namespace {

// The dialog slides in from the left in 20 steps of 40 pixels.
constexpr int kSlideFrames = 20, kSlideStep = 40, kButtonsTop = 434;

}  // namespace

TExitGameScreen::TExitGameScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

void TExitGameScreen::Enter() {
  Kit.GameState().KeyReleased.fill(false);
  Kit.BuildPage();
  Buttons = {&Kit.AddPageButton(Kit.MenuImages(), "b_yes", -245, kButtonsTop, [this] { Yes(); }),
             &Kit.AddPageButton(Kit.MenuImages(), "b_no", -380, kButtonsTop,
                                [this] { Kit.SwitchScreen(gsExitGame, "check", gsMainMenu); })};
  Dialog = &CreateMenuSprite(Sprites, Kit.MenuImages(), "exitthegame", "scr_ExitTheGame", 500, -693, 104);
  Kit.GameState().ScreenTicks = 0;
}

void TExitGameScreen::Frame() {
  if (Keys()) return;
  Slide();
  Draw();
  for (TOmegaButton* button : Buttons) button->Top = kButtonsTop;
}

// Escape answers NO, Enter YES. True when the screen was left.
bool TExitGameScreen::Keys() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  if (released[VK_ESCAPE]) {
    released[VK_ESCAPE] = false;
    Kit.SwitchScreen(gsExitGame, "check2", gsMainMenu);
    return true;
  }
  if (released[VK_RETURN]) {
    released[VK_RETURN] = false;
    Yes();
    return true;
  }
  return false;
}

void TExitGameScreen::Slide() {
  int& t = Kit.GameState().ScreenTicks;
  if (t < 0 || t >= kSlideFrames) return;
  for (TOmegaButton* button : Buttons) button->Left += kSlideStep;
  Dialog->SetX(Dialog->X() + kSlideStep);
  ++t;
}

void TExitGameScreen::Draw() {
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Draw();
  DrawTitleOverlay(Kit);
  Dialog->DoDraw();
  Kit.Gui().Draw();
  Kit.Sprites().Move(0);
  Kit.Backdrop().DrawLights();
  Kit.Backdrop().DrawTicker();
  Kit.EndMenuFrame();
}

// Quitting is the one moment the progress reaches the disk.
void TExitGameScreen::Yes() {
  Kit.SaveGame(true);
  Kit.SwitchScreen(gsExitGame, "", gsShare);
}

void TExitGameScreen::Leave() {
  Kit.FreePage();
  Buttons.fill(nullptr);
  Sprites.KillAll();
  Dialog = nullptr;
}

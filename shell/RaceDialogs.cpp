#include "shell/RaceDialogs.h"

#include <array>

#include "engine/OmegaButton.h"
#include "engine/SystemTimer.h"
#include "race/Player.h"
#include "race/RaceWorld.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuSprites.h"
#include "shell/StillRace.h"

namespace {

// The race's dialogs keep clear of the player's car (centred on 396, 321) and of the heads-up
// texts (top right): the pause banner lies between the two, the leave-race dialog above and left
// of the car; the dialog and its buttons start 20 steps of 40 pixels left of their places. Both
// lie over the heads-up texts' depth (530).
constexpr int kDialogDepth = 2000;
constexpr float kPauseX = 130, kPauseY = 150;
constexpr int kSlideSteps = 20, kSlideStep = 40;
constexpr int kExitSlide = kSlideSteps * kSlideStep;
constexpr int kExitDialogX = 20, kExitDialogY = 16;
constexpr int kExitNoX = kExitDialogX + 250, kExitYesX = kExitDialogX + 384,
              kExitButtonsY = kExitDialogY + 176;

// Back to the race without entering it again: the race clock runs on only while the player
// drives (not before the start signal, not after the finish).
void ResumeRace(TScreenKit& kit) {
  if (kit.World().Race.Player->HasControl) kit.RaceClock().SetEnabled(true);
  kit.GameState().CurrentScreen = gsRace;
}

void DrawFrozenRace(TScreenKit& kit) {
  BeginStillRaceFrame(kit);
  EndStillRaceFrame(kit);
}

}  // namespace

TPauseScreen::TPauseScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

void TPauseScreen::Enter() {
  Kit.GameState().KeyReleased.fill(false);
  Kit.RaceClock().SetEnabled(false);
  Sprites.Create<TGameMenuScreen>(Kit.GameImages(), true, 255, "pause", "scr_pause", kDialogDepth, kPauseY,
                                  kPauseX);
  Kit.Cursor().Visible = true;
}

void TPauseScreen::Frame() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  if (released[VK_ESCAPE] || released[VK_F1] || released[VK_P]) {
    released[VK_ESCAPE] = released[VK_F1] = released[VK_P] = false;
    Leave();
    ResumeRace(Kit);
    return;
  }
  DrawFrozenRace(Kit);
}

void TPauseScreen::Leave() {
  Sprites.KillAll();
  Kit.Cursor().Visible = false;
}

TLeaveRaceScreen::TLeaveRaceScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

void TLeaveRaceScreen::Enter() {
  TGameState& state = Kit.GameState();
  state.KeyReleased.fill(false);
  Kit.RaceClock().SetEnabled(false);
  Kit.BuildPage();
  PageButtons = {&Kit.AddPageButton(Kit.GameImages(), "b_no1", kExitNoX - kExitSlide, kExitButtonsY,
                                    [this] { Resume(); }),
                 &Kit.AddPageButton(Kit.GameImages(), "b_yes1", kExitYesX - kExitSlide, kExitButtonsY,
                                    [this] { LeaveRace(); })};
  DialogSprite =
      &Sprites.Create<TGameMenuScreen>(Kit.GameImages(), true, 255, "menuexitgame", "scr_exitgame",
                                       kDialogDepth, float(kExitDialogY), float(kExitDialogX - kExitSlide));
  state.StepTicks = 0;
  Kit.Cursor().Visible = true;
}

void TLeaveRaceScreen::Frame() {
  TGameState& state = Kit.GameState();
  std::array<bool, 256>& released = state.KeyReleased;
  if (released[VK_ESCAPE]) {
    Kit.PlaySound("check2");
    released[VK_ESCAPE] = false;
    Leave();
    ResumeRace(Kit);
    Kit.Cursor().Visible = false;
    return;
  }
  if (released[VK_RETURN]) {
    released[VK_RETURN] = false;
    LeaveRace();
    return;
  }
  // The dialog slides in from the left.
  if (state.StepTicks >= 0 && state.StepTicks < kSlideSteps) {
    for (TOmegaButton* button : PageButtons) button->Left += kSlideStep;
    DialogSprite->SetX(DialogSprite->X() + kSlideStep);
    ++state.StepTicks;
  }
  DrawFrozenRace(Kit);
}

// "no": back to the race.
void TLeaveRaceScreen::Resume() {
  Leave();
  Kit.PlaySound("check");
  ResumeRace(Kit);
  Kit.Cursor().Visible = false;
}

// "yes": the race is left for the main menu with its background race; no score for it.
void TLeaveRaceScreen::LeaveRace() {
  Kit.ChangeMusic("gamemusic", "menumusic");
  Leave();
  Kit.LeaveScreen(gsRace);
  Kit.EnterScreen(gsMainMenu);
  Kit.Backdrop().Create();
}

void TLeaveRaceScreen::Leave() {
  DialogSprite = nullptr;
  Sprites.KillAll();
  Kit.FreePage();
  PageButtons.clear();
}

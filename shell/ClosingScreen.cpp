#include "shell/ClosingScreen.h"

#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "shell/GameState.h"
#include "shell/MenuSprites.h"

TClosingScreen::TClosingScreen(TScreenKit& kit, TOmegaImageList& pictures, TOmegaFont& counterFont,
                               const TLauncher& launcher)
    : Kit(kit),
      Pictures(pictures),
      Share(
          pictures, counterFont,
          [this] {
            if (CanClose()) Kit.CloseGame();
          },
          [&launcher](const std::vector<std::string>& arguments) { launcher(arguments); }) {}

void TClosingScreen::Load() {
  Share.LoadConfig();
}

void TClosingScreen::Enter() {
  Kit.Display().SetShowMouseCursor(true);
  Kit.Gui().Deactivate();
  // Without its configuration the screen is skipped and the game ends at once.
  if (!Share.Available) {
    Share.Countdown = 0;
    Kit.CloseGame();
  }
}

void TClosingScreen::Frame() {
  const TGameState& state = Kit.GameState();
  Share.CountDown();
  Share.UpdateHover(state.MouseX, state.MouseY);
  TOmegaScreen& display = Kit.Display();
  display.Clear(0, 0, 0, 0);
  display.BeginScene();
  Pictures.BeginDraw();
  Share.Draw();
  TCursor& cursor = Kit.Cursor();
  cursor.DoMove(0);
  cursor.DoDraw();
  Pictures.EndDraw();
  display.EndScene();
}

void TClosingScreen::Click(int x, int y) {
  Share.UpdateHover(x, y);
  Share.ClickHovered();
}

bool TClosingScreen::CanClose() const {
  return Kit.GameState().CurrentScreen == gsShare && Share.CanClose();
}

// The closing screen: the last thing the game shows, until its countdown lets the window close.
#include "shell/Form1.h"
#include "shell/MenuSprites.h"

void TForm1::EnterShare() {
  State.CurrentScreen = gsShare;
  OmegaScreen1.SetShowMouseCursor(true);
  OmegaGUI1.Deactivate();
  // Without its configuration the screen is skipped and the game ends at once.
  if (!ShareScreen->Available) {
    ShareScreen->Countdown = 0;
    Close();
  }
}

void TForm1::ShareFrame() {
  ShareScreen->CountDown();
  ShareScreen->UpdateHover(State.MouseX, State.MouseY);
  OmegaScreen1.Clear(0, 0, 0, 0);
  OmegaScreen1.BeginScene();
  ShareList.BeginDraw();
  ShareScreen->Draw();
  GameCursor->DoMove(0);
  GameCursor->DoDraw();
  ShareList.EndDraw();
  OmegaScreen1.EndScene();
}

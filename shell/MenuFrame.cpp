// What every menu screen does alike: the frame around its drawing, its pictures and title, and
// the change to the next screen.
#include "engine/OmegaImageList.h"
#include "shell/Form1.h"
#include "shell/MenuSprites.h"

void TForm1::SwitchScreen(TGameScreen from, const std::string& sound, TGameScreen to) {
  LeaveScreen(from);
  if (!sound.empty()) PlaySound(sound);
  EnterScreen(to);
}

void TForm1::BeginMenuFrame() {
  OmegaScreen1.Clear(0, 0, 0, 0);
  OmegaScreen1.BeginScene();
  OmegaImageList1.BeginDraw();
}

// The cursor comes last, over everything the screen drew.
void TForm1::EndMenuFrame() {
  GameCursor->DoDraw();
  OmegaImageList1.EndDraw();
  OmegaScreen1.EndScene();
}

void TForm1::DrawMenuPicture(const std::string& name, int x, int y) {
  if (TImageListItem* picture = OmegaImageList1.Find(name)) picture->Draw(x, y, 0);
}

// The help and options titles sit on the title plate, centred on x 418.
void TForm1::DrawMenuTitle(const std::string& title) {
  OmegaFont3.TextOut(418 - OmegaFont3.TextWidth(title) / 2, 60, title);
}

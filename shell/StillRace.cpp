#include "shell/StillRace.h"

#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "shell/MenuSprites.h"

void BeginStillRaceFrame(TScreenKit& kit) {
  kit.Display().Clear(0, 0, 0, 0);
  kit.Display().BeginScene();
  kit.GameImages().BeginDraw();
  kit.Sprites().Draw();
  kit.Gui().Draw();
  kit.Cursor().DoMove(0);
}

void EndStillRaceFrame(TScreenKit& kit) {
  kit.Cursor().DoDraw();
  kit.GameImages().EndDraw();
  kit.Display().EndScene();
}

// The intro with the publisher's and the game's emblems, and the name entry after it.
#include <algorithm>

#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "platform/GameControllers.h"
#include "race/IndicatorsMenu.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSprites.h"

namespace {

// The intro runs for this many frames unless the player skips it.
constexpr int kIntroFrames = 485;
// Both emblems are centred on the same point, left of the splash picture.
constexpr int kEmblemX = 180, kEmblemY = 280;
// The name dialog slides in from the left in 20 steps of 40 pixels once the player has had a
// moment to look at the title.
constexpr int kNameSlideStart = 50, kNameSlideEnd = 80, kNameDialogX = 107, kNameSlideStep = 40;
// The title lettering lies over the intro cars' road (the cars are at 500): they pass behind it.
constexpr int kTitleDepth = 510;

}  // namespace

void TForm1::EnterIntro() {
  PlaySound("begin");
  ScreenSprite = &CreateMenuSprite("logo_vek", "logo_vek", 20, 0, 0);
  ScreenSprite->SetAlpha(0);
  ScreenSprite->SetX(float(kEmblemX - ScreenSprite->Width() / 2));
  ScreenSprite->SetY(float(kEmblemY - ScreenSprite->Height() / 2));
  ScreenSprite2 = &CreateMenuSprite("name", "name", kTitleDepth, 0, 20);
  ScreenSprite2->SetAlpha(0);
  OmegaSprite1.Create<TSplashSquare>(RaceContext, 0, 255, 150.0, -103.0);
  // Each car's distance behind the edge is drawn just before the car is made, which draws its look.
  OmegaSprite1.Create<TSplashSquare>(RaceContext, 1, 255, 6.0, double(-RandomInt(State.Random, 0, 179) - 10));
  OmegaSprite1.Create<TSplashSquare>(RaceContext, 1, 255, 75.0,
                                     double(-RandomInt(State.Random, 0, 179) - 10));
  OmegaSprite1.Move(0);
  State.ScreenTicks = 0;
  AddIntroSkip();
}

// A player who has seen the intro once skips it with a click anywhere: the whole screen is a
// button without a picture.
void TForm1::AddIntroSkip() {
  BuildPage();
  TOmegaButton& skip = MenuPage->Add<TOmegaButton>();
  skip.Name = "skip";
  skip.Caption.clear();
  skip.Width = 800;
  skip.Height = 600;
  skip.OnClick = [this](TOmegaGUIComponent&) { EndIntro(); };
}

// Enter, Escape, Space and every key a controller's button stands for skip the intro as they are
// let go, so the name entry gets none of them.
bool TForm1::IntroSkipped() const {
  std::vector<int> keys = TGameControllers::ButtonKeys();
  keys.insert(keys.end(), {VK_RETURN, VK_ESCAPE, VK_SPACE});
  return std::any_of(keys.begin(), keys.end(), [this](int key) { return State.KeyReleased[size_t(key)]; });
}

void TForm1::IntroFrame() {
  if (IntroSkipped()) {
    EndIntro();
    return;
  }
  const int t = State.ScreenTicks;
  IntroFades(t);
  BeginMenuFrame();
  OmegaSprite1.Move(0);
  DrawMenuPicture("splash_back", 0, 0);
  OmegaSprite1.Draw();
  DrawMenuPicture("splash_image", 293, 167);
  EndMenuFrame();
  State.ScreenTicks = t + 1;
  if (t + 1 == kIntroFrames) EndIntro();
}

void TForm1::EndIntro() {
  OmegaScreen1.SetRed(255);
  OmegaScreen1.SetBlue(255);
  OmegaScreen1.SetGreen(255);
  LeaveScreen(gsIntro);
  EnterScreen(gsEnterName);
}

// The publisher's emblem fades in and out, the game's emblem takes its place and does the same,
// and the title lettering comes up in between.
void TForm1::IntroFades(int t) {
  TMenuScreen& emblem = *ScreenSprite;
  if (t > 30 && t < 115) emblem.SetAlpha(emblem.Alpha() + 3);
  if (t > 190 && t < 240) emblem.SetAlpha(emblem.Alpha() - 5);
  if (t == 241) {
    emblem.Kill();
    ScreenSprite = &CreateMenuSprite("logo", "logo", 20, 0, 0);
    ScreenSprite->SetAlpha(0);
    ScreenSprite->SetX(float(kEmblemX - ScreenSprite->Width() / 2));
    ScreenSprite->SetY(float(kEmblemY - ScreenSprite->Height() / 2));
  }
  if (t > 262 && t < 347) ScreenSprite->SetAlpha(ScreenSprite->Alpha() + 3);
  if (t > 422 && t < 472) ScreenSprite->SetAlpha(ScreenSprite->Alpha() - 5);
  if (t > 200 && t < 325) ScreenSprite2->SetAlpha(ScreenSprite2->Alpha() + 2);
}

// The demonstration race starts behind the menus.
void TForm1::LeaveIntro() {
  for (int i = 0; i < OmegaSprite1.Count(); ++i)
    if (OmegaSprite1.Items(i)->Name() == "square") OmegaSprite1.Items(i)->Kill();
  ScreenSprite->Kill();
  ScreenSprite2->Kill();
  ScreenSprite = ScreenSprite2 = nullptr;
  OmegaSprite1.RemoveDead();
  FreePage();
  CreateMenuBackground();
}

void TForm1::EnterNameEntry() {
  State.KeyReleased.fill(false);
  BuildPage();
  AddPageButton(OmegaImageList1, "b_ok", -290, 434, [this] { NameEntryOk(); });
  TOmegaEdit& edit = AddPageEdit("e_name", -547, 363, 23, 0xFF0A0A0A, State.PlayerName);
  edit.Name = "NameEdit";
  // The player types at once, without clicking the box first.
  OmegaGUI1.SetFocusID(edit.ID());
  ScreenSprite = &CreateMenuSprite("scr_NAMEenter", "scr_entername", 20, -693, 104);
  OmegaSprite1.Move(0);
  State.ScreenTicks = 0;
}

// A change of screen by Enter still draws this frame, with the main menu's objects.
void TForm1::NameEntryFrame() {
  BlinkCaret();
  bool& enter = State.KeyReleased[VK_RETURN];
  if (enter) {
    enter = false;
    NameEntryOk();
  }
  if (State.CurrentScreen == gsEnterName) {
    EditKeys();
    int& t = State.ScreenTicks;
    if (t > kNameSlideStart && t < kNameSlideEnd && ScreenSprite->X() < kNameDialogX) {
      PageButtons[0]->Left += kNameSlideStep;
      PageEdit->Left += kNameSlideStep;
      ScreenSprite->SetX(ScreenSprite->X() + kNameSlideStep);
    }
    if (t < kNameSlideEnd) ++t;
  }
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  OmegaSprite1.Move(0);
  OmegaSprite1.Draw();
  DrawTitleOverlay(*this);
  // Once the screen has been left the main menu's title plate lies where the dialog was drawn.
  if (ScreenSprite)
    ScreenSprite->DoDraw();
  else
    DrawMenuPicture("scr_title", 0, 0);
  OmegaGUI1.Draw();
  DrawMenuLights();
  EndMenuFrame();
}

// No name, no game.
void TForm1::NameEntryOk() {
  if (PageEdit->Text.empty()) return;
  LeaveScreen(gsEnterName);
  RebuildTicker();
  PlaySound("check");
  EnterScreen(gsMainMenu);
}

void TForm1::LeaveNameEntry() {
  State.PlayerName = PageEdit->Text;
  SaveGame(false);
  PageEdit->Unfocus();
  FreePage();
  ScreenSprite->Kill();
  ScreenSprite = nullptr;
  OmegaSprite1.RemoveDead();
}

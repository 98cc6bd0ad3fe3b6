#include "shell/IntroScreen.h"

#include <algorithm>
#include <vector>

#include "engine/OmegaButton.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "platform/GameControllers.h"
#include "race/IndicatorsMenu.h"
#include "race/RaceState.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSprites.h"

namespace {

// The intro runs for this many frames unless the player skips it.
constexpr int kIntroFrames = 485;
// Both emblems are centred on the same point, left of the splash picture.
constexpr int kEmblemX = 180, kEmblemY = 280;
// The title lettering lies over the intro cars' road (the cars are at 500): they pass behind it.
constexpr int kTitleDepth = 510;

}  // namespace

TIntroScreen::TIntroScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

void TIntroScreen::Enter() {
  Kit.PlaySound("begin");
  Emblem = &AddEmblem("logo_vek");
  Title = &CreateMenuSprite(Sprites, Kit.MenuImages(), "name", "name", kTitleDepth, 0, 20);
  Title->SetAlpha(0);
  TRaceContext& context = Kit.SpriteContext();
  std::mt19937& random = Kit.GameState().Random;
  Sprites.Create<TSplashSquare>(context, 0, 255, 150.0, -103.0);
  // Each car's distance behind the edge is drawn just before the car is made, which draws its look.
  Sprites.Create<TSplashSquare>(context, 1, 255, 6.0, double(-RandomInt(random, 0, 179) - 10));
  Sprites.Create<TSplashSquare>(context, 1, 255, 75.0, double(-RandomInt(random, 0, 179) - 10));
  Kit.Sprites().Move(0);
  Kit.GameState().ScreenTicks = 0;
  AddSkip();
}

// An emblem, seen through at first, centred on the emblems' point.
TMenuScreen& TIntroScreen::AddEmblem(const std::string& picture) {
  TMenuScreen& emblem = CreateMenuSprite(Sprites, Kit.MenuImages(), picture, picture, 20, 0, 0);
  emblem.SetAlpha(0);
  emblem.SetX(float(kEmblemX - emblem.Width() / 2));
  emblem.SetY(float(kEmblemY - emblem.Height() / 2));
  return emblem;
}

// A player who has seen the intro once skips it with a click anywhere: the whole screen is a
// button without a picture.
void TIntroScreen::AddSkip() {
  Kit.BuildPage();
  TOmegaButton& skip = Kit.Page().Add<TOmegaButton>();
  skip.Name = "skip";
  skip.Caption.clear();
  skip.Width = 800;
  skip.Height = 600;
  skip.OnClick = [this](TOmegaGUIComponent&) { End(); };
}

// Enter, Escape, Space and every key a controller's button stands for skip the intro as they are
// let go, so the name entry gets none of them.
bool TIntroScreen::Skipped() const {
  std::vector<int> keys = TGameControllers::ButtonKeys();
  keys.insert(keys.end(), {VK_RETURN, VK_ESCAPE, VK_SPACE});
  const std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  return std::any_of(keys.begin(), keys.end(), [&released](int key) { return released[size_t(key)]; });
}

void TIntroScreen::Frame() {
  if (Skipped()) {
    End();
    return;
  }
  const int t = Kit.GameState().ScreenTicks++;
  Fades(t);
  Draw();
  if (t + 1 == kIntroFrames) End();
}

void TIntroScreen::Draw() {
  Kit.BeginMenuFrame();
  Kit.Sprites().Move(0);
  Kit.DrawMenuPicture("splash_back", 0, 0);
  Kit.Sprites().Draw();
  Kit.DrawMenuPicture("splash_image", 293, 167);
  Kit.EndMenuFrame();
}

void TIntroScreen::End() {
  TOmegaScreen& display = Kit.Display();
  display.SetRed(255);
  display.SetBlue(255);
  display.SetGreen(255);
  Kit.SwitchScreen(gsIntro, "", gsEnterName);
}

// The publisher's emblem fades in and out, the game's emblem takes its place and does the same,
// and the title lettering comes up in between.
void TIntroScreen::Fades(int t) {
  if (t > 30 && t < 115) Emblem->SetAlpha(Emblem->Alpha() + 3);
  if (t > 190 && t < 240) Emblem->SetAlpha(Emblem->Alpha() - 5);
  if (t == 241) {
    Sprites.Kill(*Emblem);
    Emblem = &AddEmblem("logo");
  }
  if (t > 262 && t < 347) Emblem->SetAlpha(Emblem->Alpha() + 3);
  if (t > 422 && t < 472) Emblem->SetAlpha(Emblem->Alpha() - 5);
  if (t > 200 && t < 325) Title->SetAlpha(Title->Alpha() + 2);
}

// The demonstration race starts behind the menus.
void TIntroScreen::Leave() {
  Sprites.KillAll();
  Emblem = Title = nullptr;
  Kit.FreePage();
  Kit.Backdrop().Create();
}

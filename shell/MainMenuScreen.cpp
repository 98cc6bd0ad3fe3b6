#include "shell/MainMenuScreen.h"

#include <cstdint>

#include "engine/FontLibrary.h"
#include "engine/OmegaButton.h"
#include "engine/OmegaFont.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaSprite.h"
#include "race/GameProcedures.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSlide.h"
#include "web/GoToLink.h"

namespace {

// The six buttons rise from below the screen onto the plate, 20 pixels a frame.
constexpr int kButtonsLeft = 320, kButtonsTop = 250, kButtonPitch = 50, kRise = 20;
// HALL OF FAME's place among them.
constexpr size_t kHallOfFameEntry = 4;

// A disabled button: its picture at half brightness, half seen through.
constexpr uint32_t kDisabledButtonColor = 0x90808080;

// A button that cannot be used: dimmed, and it takes no clicks.
void Disable(TOmegaButton& button) {
  button.Enabled = false;
  button.States[GUIState::Normal].Color = kDisabledButtonColor;
}

}  // namespace

TMainMenuScreen::TMainMenuScreen(TScreenKit& kit, const TLauncher& launcher, bool hallOfFame)
    : Kit(kit), Launcher(launcher), HallOfFameShown(hallOfFame), Sprites(kit.Sprites()) {}

void TMainMenuScreen::Enter() {
  Kit.Sprites().Move(0);
  Kit.GameState().KeyReleased.fill(false);
  AddButtons();
  SetFonts();
  TOmegaImageList& images = Kit.MenuImages();
  CreateMenuSprite(Sprites, images, "scrOptions", "scr_title", 500, 0, 0);
  CreateMenuSprite(Sprites, images, "scrOptions", "dobav", 400, 292, 180);
  Kit.GameState().ScreenTicks = 0;
}

void TMainMenuScreen::AddButtons() {
  Kit.BuildPage();
  auto add = [this](const std::string& picture, int y, TGameScreen next) -> TOmegaButton& {
    return Kit.AddPageButton(Kit.MenuImages(), picture, kButtonsLeft, y,
                             [this, next] { Kit.SwitchScreen(gsMainMenu, "check", next); });
  };
  Plate = {&add("b_stgame", 610, gsChooseTrack),
           &add("b_opt", 670, gsOptions),
           &add("b_help", 750, gsHelp),
           &AddLinkButton("b_visit", kButtonsLeft, 850, "moregames.url"),
           &add("b_halloffame", 970, gsHallOfFame),
           &add("b_exit", 1110, gsExitGame)};
  // A game without a score server has nothing to show in its hall of fame.
  if (!HallOfFameShown) Disable(*Plate[kHallOfFameEntry]);
  // The corner emblem is only a link: a build without the website's address leaves the corner empty.
  if (LinkTarget("website.url")) AddLinkButton("b_logo", 0, 494, "website.url");
}

// A button that opens a shortcut file. A game without the file (a build given no address for it)
// shows the button dimmed, and it takes no clicks.
TOmegaButton& TMainMenuScreen::AddLinkButton(const std::string& picture, int x, int y,
                                             const std::string& file) {
  TOmegaButton& button =
      Kit.AddPageButton(Kit.MenuImages(), picture, x, y, [this, file] { OpenShortcut(file); });
  if (!LinkTarget(file)) Disable(button);
  return button;
}

// The menu stays; the shortcut file opens beside it.
void TMainMenuScreen::OpenShortcut(const std::string& file) {
  Kit.PlaySound("check");
  OpenLink(file, Launcher);
}

// The menus' fonts from here on: the ticker's and the titles'.
void TMainMenuScreen::SetFonts() {
  TOmegaFont& first = Kit.TextFont();
  first.SetFont("Arial Black", 10);
  first.SetColor(0xFFFFFFFF);
  TOmegaFont& ticker = Kit.TickerFont();
  ticker.SetFont("Arial Black", 10);
  ticker.SetColor(0xFF0F0F0F);
  TOmegaFont& titles = Kit.TitleFont();
  titles.SetFont("Arial Black", 23);
  titles.SetColor(0xFFA70918);
}

void TMainMenuScreen::Frame() {
  if (Keys()) return;
  for (size_t i = 0; i < Plate.size(); ++i)
    Plate[i]->Top = SlideStep(Plate[i]->Top, kButtonsTop + kButtonPitch * int(i), kRise);
  Draw();
}

// Escape asks to quit, as "b_exit" does, with a click of its own first; Z adds ten points. True
// when the screen was left.
bool TMainMenuScreen::Keys() {
  TGameState& state = Kit.GameState();
  std::array<bool, 256>& released = state.KeyReleased;
  if (released[VK_ESCAPE]) {
    Kit.PlaySound("check2");
    released[VK_ESCAPE] = false;
    Kit.SwitchScreen(gsMainMenu, "check", gsExitGame);
    return true;
  }
  if (released[VK_Z]) {
    released[VK_Z] = false;
    state.TotalScore = AddSaturated(state.TotalScore, 10);
  }
  return false;
}

void TMainMenuScreen::Draw() {
  TOmegaImageList& images = Kit.MenuImages();
  TOmegaSprite& sprites = Kit.Sprites();
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  DrawMenuPictureCentred(images, "logo_vekm", 730, 550);
  sprites.Move(0);
  sprites.Draw();
  DrawCornerEmblem(images);
  Kit.Gui().Draw();
  Kit.Backdrop().DrawLights();
  Kit.Backdrop().DrawTicker();
  Kit.EndMenuFrame();
}

void TMainMenuScreen::Leave() {
  Sprites.KillAll();
  Kit.FreePage();
  Plate.fill(nullptr);
}

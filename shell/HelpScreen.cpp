#include "shell/HelpScreen.h"

#include <algorithm>

#include "engine/OmegaButton.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "race/IndicatorsMenu.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSlide.h"
#include "shell/MenuSprites.h"

namespace {

// The page's three buttons rise to this line, 20 pixels a frame.
constexpr int kButtonsTop = 520, kRise = 20;
constexpr std::array<const char*, THelpScreen::kPages> kPictures = {"scr_help", "scr_help2", "scr_help3"};
// The key pictures of the second page: the centre (y, x) of each kind 0 .. 7.
constexpr std::array<std::array<int, 2>, 8> kKeyCentres = {
    {{233, 259}, {279, 259}, {325, 236}, {325, 282}, {419, 202}, {372, 259}, {419, 336}, {463, 261}}};

}  // namespace

THelpScreen::THelpScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

void THelpScreen::Enter() {
  Kit.GameState().KeyReleased.fill(false);
  Shown = 1;
  AddButtons();
  for (size_t kind = 0; kind < Keys.size(); ++kind) {
    const auto [y, x] = kKeyCentres[kind];
    Keys[kind] = &Sprites.Create<THelpButton>(Kit.SpriteContext(), int(kind), double(y), double(x));
  }
  Picture = &CreateMenuSprite(Sprites, Kit.MenuImages(), "scr_Help", kPictures[0], 500, 96, 149);
  Kit.Sprites().Move(0);
  Kit.GameState().ScreenTicks = 0;
}

void THelpScreen::AddButtons() {
  Kit.BuildPage();
  TOmegaImageList& images = Kit.MenuImages();
  Buttons = {&Kit.AddPageButton(images, "b_back", 335, 650,
                                [this] { Kit.SwitchScreen(gsHelp, "check", gsMainMenu); }),
             &Kit.AddPageButton(images, "b_next", 615, 710,
                                [this] {
                                  Kit.PlaySound("check");
                                  ShowPage(std::min(Shown + 1, kPages));
                                }),
             &Kit.AddPageButton(images, "b_prev", 50, 770, [this] {
               ShowPage(std::max(Shown - 1, 1));
               Kit.PlaySound("check");
             })};
}

void THelpScreen::Frame() {
  bool& escape = Kit.GameState().KeyReleased[VK_ESCAPE];
  if (escape) {
    escape = false;
    Kit.SwitchScreen(gsHelp, "check2", gsMainMenu);
    return;
  }
  for (TOmegaButton* button : Buttons) button->Top = SlideStep(button->Top, kButtonsTop, kRise);
  Draw();
}

void THelpScreen::Draw() {
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Draw();
  Kit.DrawMenuPicture("spec_fon", 0, 0);
  Kit.Gui().Draw();
  Kit.Sprites().Move(0);
  Kit.Backdrop().DrawLights();
  Kit.Backdrop().DrawTicker();
  Kit.DrawMenuTitle("HELP");
  Kit.EndMenuFrame();
}

// Only the second page shows the key pictures (through its windows).
void THelpScreen::ShowPage(int page) {
  Shown = page;
  Picture->SetImage(Kit.MenuImages().Find(kPictures[size_t(page - 1)]));
  for (THelpButton* key : Keys) key->Visible = page == 2;
}

void THelpScreen::Leave() {
  Kit.FreePage();
  Buttons.fill(nullptr);
  Sprites.KillAll();
  Keys.fill(nullptr);
  Picture = nullptr;
}

// The main menu, the help pages and the quit dialog.
#include <array>
#include <cstdint>

#include "engine/OmegaButton.h"
#include "race/GameProcedures.h"
#include "race/IndicatorsMenu.h"
#include "shell/Form1.h"
#include "shell/HallOfFameScreen.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSlide.h"
#include "shell/MenuSprites.h"
#include "web/GoToLink.h"

namespace {

// The main menu's six buttons rise from below the screen onto the plate, 20 pixels a frame.
constexpr int kMenuButtons = 6, kMenuButtonsTop = 250, kMenuButtonPitch = 50, kMenuRise = 20;
// The help page's three buttons rise to this line.
constexpr int kHelpButtonsTop = 520;
// The quit dialog slides in from the left in 20 steps of 40 pixels.
constexpr int kDialogSlideFrames = 20, kDialogSlideStep = 40, kDialogButtonsTop = 434;

// A disabled button: its picture at half brightness, half seen through.
constexpr uint32_t kDisabledButtonColor = 0x90808080;

// A button that cannot be used: dimmed, and it takes no clicks.
void Disable(TOmegaButton& button) {
  button.Enabled = false;
  button.States[GUIState::Normal].Color = kDisabledButtonColor;
}

constexpr int kHelpPages = 3;
constexpr std::array<const char*, kHelpPages> kHelpPictures = {"scr_help", "scr_help2", "scr_help3"};
// The key pictures of the help's second page: the centre (y, x) of each kind 0 .. 7.
constexpr std::array<std::array<int, 2>, 8> kHelpKeyCentres = {
    {{233, 259}, {279, 259}, {325, 236}, {325, 282}, {419, 202}, {372, 259}, {419, 336}, {463, 261}}};

}  // namespace

void TForm1::EnterMainMenu() {
  OmegaSprite1.Move(0);
  State.KeyReleased.fill(false);
  BuildPage();
  AddPageButton(OmegaImageList1, "b_stgame", 320, 610,
                [this] { SwitchScreen(gsMainMenu, "check", gsChooseTrack); });
  AddPageButton(OmegaImageList1, "b_opt", 320, 670, [this] { SwitchScreen(gsMainMenu, "check", gsOptions); });
  AddPageButton(OmegaImageList1, "b_help", 320, 750, [this] { SwitchScreen(gsMainMenu, "check", gsHelp); });
  AddLinkButton("b_visit", 320, 850, "moregames.url");
  TOmegaButton& hallOfFame = AddPageButton(OmegaImageList1, "b_halloffame", 320, 970,
                                           [this] { SwitchScreen(gsMainMenu, "check", gsHallOfFame); });
  if (!HallOfFame->HasServer()) Disable(hallOfFame);  // a game without a score server has nothing to show
  AddPageButton(OmegaImageList1, "b_exit", 320, 1110,
                [this] { SwitchScreen(gsMainMenu, "check", gsExitGame); });
  // The corner emblem is only a link: a build without the website's address leaves the corner empty.
  if (LinkTarget("website.url")) AddLinkButton("b_logo", 0, 494, "website.url");
  OmegaFont1.SetFont("Arial Black", 10);
  OmegaFont1.SetColor(0xFFFFFFFF);
  OmegaFont2.SetFont("Arial Black", 10);
  OmegaFont2.SetColor(0xFF0F0F0F);
  OmegaFont3.SetFont("Arial Black", 23);
  OmegaFont3.SetColor(0xFFA70918);
  ScreenSprite = &CreateMenuSprite("scrOptions", "scr_title", 500, 0, 0);
  ScreenSprite2 = &CreateMenuSprite("scrOptions", "dobav", 400, 292, 180);
  State.ScreenTicks = 0;
}

void TForm1::MainMenuFrame() {
  std::array<bool, 256>& released = State.KeyReleased;
  if (released[VK_ESCAPE]) {
    PlaySound("check2");
    released[VK_ESCAPE] = false;
    SwitchScreen(gsMainMenu, "check", gsExitGame);  // as "b_exit"
    return;
  }
  if (released[VK_Z]) {
    released[VK_Z] = false;
    State.TotalScore = AddSaturated(State.TotalScore, 10);
  }
  for (int i = 0; i < kMenuButtons; ++i) {
    TOmegaButton& button = *PageButtons[size_t(i)];
    button.Top = SlideStep(button.Top, kMenuButtonsTop + kMenuButtonPitch * i, kMenuRise);
  }
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  DrawMenuPictureCentred("logo_vekm", 730, 550);
  OmegaSprite1.Move(0);
  OmegaSprite1.Draw();
  DrawCornerEmblem();
  OmegaGUI1.Draw();
  DrawMenuLights();
  DrawTicker();
  EndMenuFrame();
}

// A button that opens a shortcut file. A game without the file (a build given no address for it)
// shows the button dimmed, and it takes no clicks.
void TForm1::AddLinkButton(const std::string& picture, int x, int y, const std::string& file) {
  TOmegaButton& button = AddPageButton(OmegaImageList1, picture, x, y, [this, file] { OpenMenuLink(file); });
  if (!LinkTarget(file)) Disable(button);
}

// The menu stays; the shortcut file opens beside it.
void TForm1::OpenMenuLink(const std::string& file) {
  PlaySound("check");
  OpenLink(file, LinkLauncher);
}

void TForm1::LeaveMainMenu() {
  ScreenSprite->Kill();
  ScreenSprite2->Kill();
  ScreenSprite = ScreenSprite2 = nullptr;
  OmegaSprite1.RemoveDead();
  FreePage();
}

void TForm1::EnterHelp() {
  State.KeyReleased.fill(false);
  HelpPage = 1;
  BuildPage();
  AddPageButton(OmegaImageList1, "b_back", 335, 650, [this] { SwitchScreen(gsHelp, "check", gsMainMenu); });
  AddPageButton(OmegaImageList1, "b_next", 615, 710, [this] {
    PlaySound("check");
    ShowHelpPage(std::min(HelpPage + 1, kHelpPages));
  });
  AddPageButton(OmegaImageList1, "b_prev", 50, 770, [this] {
    ShowHelpPage(std::max(HelpPage - 1, 1));
    PlaySound("check");
  });
  for (size_t kind = 0; kind < HelpButtons.size(); ++kind) {
    const auto [y, x] = kHelpKeyCentres[kind];
    HelpButtons[kind] = &OmegaSprite1.Create<THelpButton>(RaceContext, int(kind), double(y), double(x));
  }
  ScreenSprite = &CreateMenuSprite("scr_Help", kHelpPictures[0], 500, 96, 149);
  OmegaSprite1.Move(0);
  State.ScreenTicks = 0;
}

void TForm1::HelpFrame() {
  bool& escape = State.KeyReleased[VK_ESCAPE];
  if (escape) {
    escape = false;
    SwitchScreen(gsHelp, "check2", gsMainMenu);
    return;
  }
  for (TOmegaButton* button : PageButtons) button->Top = SlideStep(button->Top, kHelpButtonsTop, kMenuRise);
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  OmegaSprite1.Draw();
  DrawMenuPicture("spec_fon", 0, 0);
  OmegaGUI1.Draw();
  OmegaSprite1.Move(0);
  DrawMenuLights();
  DrawTicker();
  DrawMenuTitle("HELP");
  EndMenuFrame();
}

// Only the second page shows the key pictures (through its windows).
void TForm1::ShowHelpPage(int page) {
  HelpPage = page;
  ScreenSprite->SetImage(OmegaImageList1.Find(kHelpPictures[size_t(page - 1)]));
  for (THelpButton* key : HelpButtons) key->Visible = page == 2;
}

void TForm1::LeaveHelp() {
  FreePage();
  for (THelpButton*& key : HelpButtons) {
    key->Kill();
    key = nullptr;
  }
  ScreenSprite->Kill();
  ScreenSprite = nullptr;
  OmegaSprite1.RemoveDead();
}

void TForm1::EnterExitGame() {
  State.KeyReleased.fill(false);
  BuildPage();
  AddPageButton(OmegaImageList1, "b_yes", -245, kDialogButtonsTop, [this] { ExitGameYes(); });
  AddPageButton(OmegaImageList1, "b_no", -380, kDialogButtonsTop,
                [this] { SwitchScreen(gsExitGame, "check", gsMainMenu); });
  ScreenSprite = &CreateMenuSprite("exitthegame", "scr_ExitTheGame", 500, -693, 104);
  State.ScreenTicks = 0;
}

void TForm1::ExitGameFrame() {
  std::array<bool, 256>& released = State.KeyReleased;
  if (released[VK_ESCAPE]) {
    released[VK_ESCAPE] = false;
    SwitchScreen(gsExitGame, "check2", gsMainMenu);
    return;
  }
  if (released[VK_RETURN]) {
    released[VK_RETURN] = false;
    ExitGameYes();
    return;
  }
  int& t = State.ScreenTicks;
  if (t >= 0 && t < kDialogSlideFrames) {
    for (TOmegaButton* button : PageButtons) button->Left += kDialogSlideStep;
    ScreenSprite->SetX(ScreenSprite->X() + kDialogSlideStep);
    ++t;
  }
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  OmegaSprite1.Draw();
  DrawTitleOverlay();
  ScreenSprite->DoDraw();
  OmegaGUI1.Draw();
  OmegaSprite1.Move(0);
  DrawMenuLights();
  DrawTicker();
  EndMenuFrame();
  for (TOmegaButton* button : PageButtons) button->Top = kDialogButtonsTop;
}

// Quitting is the one moment the progress reaches the disk.
void TForm1::ExitGameYes() {
  SaveGame(true);
  LeaveScreen(gsExitGame);
  EnterScreen(gsShare);
}

void TForm1::LeaveExitGame() {
  FreePage();
  ScreenSprite->Kill();
  ScreenSprite = nullptr;
  OmegaSprite1.RemoveDead();
}

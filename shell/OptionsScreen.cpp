// The options: full screen, music, sound and the options text, then the ghost and the track map;
// kept with "b_apply", given up with "b_cancel" or Escape. F2 and F3 stand for the ghost's and
// the map's switches.
#include <array>
#include <utility>

#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSlide.h"
#include "shell/MenuSprites.h"

namespace {

// Final places of the slide-in: the buttons come in from both sides, the switches from the right.
constexpr int kApplyX = 180, kCancelX = 465, kButtonStep = 20;
constexpr int kSwitchX = 600, kSwitchStep = 13;
// The switches' rows on the options' panel (top at 211), 55 apart; the first stays clear of the
// panel's top border.
constexpr int kFullScreenSwitchY = 217, kMusicSwitchY = 272, kSoundSwitchY = 327;
// The ghost's and the map's switches follow the three of the settings file among the page's
// buttons; they lie side by side on a strip of their own above the options' panel.
constexpr size_t kGhostSwitch = 5, kMapSwitch = 6;
constexpr int kStripX = 50, kStripY = 138, kRaceSwitchY = 146;
constexpr int kGhostSwitchX = 300, kMapSwitchX = 620;

int SwitchFinalX(size_t index) {
  return index == kGhostSwitch ? kGhostSwitchX : index == kMapSwitch ? kMapSwitchX : kSwitchX;
}

const char* SwitchPicture(bool on) {
  return on ? "b_on" : "b_off";
}

}  // namespace

void TForm1::EnterOptions() {
  State.KeyReleased.fill(false);
  BuildPage();
  AddPageButton(OmegaImageList1, "b_apply", -180, 500, [this] { ApplyOptions(); });
  AddPageButton(OmegaImageList1, "b_cancel", 820, 500, [this] { CancelOptions(); });
  AddOptionSwitch(820, kFullScreenSwitchY, State.FullScreen);
  AddOptionSwitch(880, kMusicSwitchY, State.MusicOn);
  AddOptionSwitch(940, kSoundSwitchY, State.SoundOn);
  AddOptionSwitch(820, kRaceSwitchY, State.Options.GhostShown);
  AddOptionSwitch(880, kRaceSwitchY, State.Options.TrackMapShown);
  OptionsEdit.Add("Edit", 553, 388, 18, 0xFFDCDCDC, State.AddText).Name = "AddEdit";
  ScreenSprite = &CreateMenuSprite("scrOptions", "scr_opt", 500, 50, 211);
  ScreenSprite2 = &CreateMenuSprite("scrOptions2", "scr_opt2", 500, kStripX, kStripY);
  State.ScreenTicks = 0;
  SoundBackup = State.SoundOn;
  MusicBackup = State.MusicOn;
  FullScreenBackup = State.FullScreen;
  AddTextBackup = State.AddText;
  OptionsBackup = State.Options;
  State.EditChanged = false;
}

// A switch inverts its setting at once and shows the new state. Full screen waits for
// "b_apply"; music starts or stops now; the sound's click is heard only when it has just been
// turned on.
void TForm1::AddOptionSwitch(int x, int y, bool& setting) {
  const size_t index = PageButtons.size();
  AddPageButton(OmegaImageList1, SwitchPicture(setting), x, y, [this, &setting, index] {
    setting = !setting;
    if (&setting == &State.MusicOn) SetMenuMusic(setting);
    PlaySound("check");
    PageButtons[index]->SetStateImage(GUIState::Normal, OmegaImageList1.Find(SwitchPicture(setting)));
  });
}

void TForm1::SetMenuMusic(bool on) {
  if (on)
    PlayMusic("menumusic");
  else
    StopMusic("menumusic");
}

void TForm1::OptionsFrame() {
  if (State.EditChanged) OptionsEdit.BlinkCaret();
  OptionsEdit.TakeBackspace();
  bool& escape = State.KeyReleased[VK_ESCAPE];
  if (escape) {
    escape = false;
    PlaySound("check2");
    LeaveScreen(gsOptions);
    RestoreOptions();
    EnterScreen(gsMainMenu);
    return;
  }
  OptionKeys();
  PageButtons[0]->Left = SlideStep(PageButtons[0]->Left, kApplyX, kButtonStep);
  PageButtons[1]->Left = SlideStep(PageButtons[1]->Left, kCancelX, kButtonStep);
  for (size_t i = 2; i < PageButtons.size(); ++i)
    PageButtons[i]->Left = SlideStep(PageButtons[i]->Left, SwitchFinalX(i), kSwitchStep);
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  OmegaSprite1.Draw();
  DrawMenuPicture("spec_fon", 0, 0);
  OmegaSprite1.Move(0);
  OmegaGUI1.Draw();
  DrawMenuLights();
  DrawTicker();
  DrawMenuTitle("OPTIONS");
  EndMenuFrame();
}

void TForm1::OptionKeys() {
  std::array<bool, 256>& released = State.KeyReleased;
  for (auto [key, index] : {std::pair{VK_F2, kGhostSwitch}, std::pair{VK_F3, kMapSwitch}})
    if (std::exchange(released[size_t(key)], false)) PageButtons[index]->OnClick(*PageButtons[index]);
}

// The display changes only here, and only when the choice differs from what it shows.
void TForm1::ApplyOptions() {
  LeaveScreen(gsOptions);
  if (State.AppliedFullScreen != State.FullScreen) OmegaScreen1.ToggleFullScreen();
  PlaySound("check");
  EnterScreen(gsMainMenu);
  State.AppliedFullScreen = State.FullScreen;
  SoundBackup = State.SoundOn;
  MusicBackup = State.MusicOn;
  FullScreenBackup = State.FullScreen;
  AddTextBackup = State.AddText;
  OptionsBackup = State.Options;
  SaveGame(false);
}

void TForm1::CancelOptions() {
  LeaveScreen(gsOptions);
  PlaySound("check");
  EnterScreen(gsMainMenu);
  RestoreOptions();
}

// Everything goes back to what it was on entering the options, and so does the settings file:
// a cancelled choice must not come back at the next start.
void TForm1::RestoreOptions() {
  if (MusicBackup != State.MusicOn) SetMenuMusic(MusicBackup);
  TakeBackOptions();
  SaveGame(false);
}

void TForm1::TakeBackOptions() {
  State.FullScreen = State.AppliedFullScreen;
  State.SoundOn = SoundBackup;
  State.MusicOn = MusicBackup;
  State.AppliedFullScreen = FullScreenBackup;
  State.AddText = AddTextBackup;
  State.Options = OptionsBackup;
}

// The file is written by whoever leaves: after keeping or after restoring.
void TForm1::LeaveOptions() {
  State.AddText = OptionsEdit.Close();
  FreePage();
  for (TMenuScreen** sprite : {&ScreenSprite, &ScreenSprite2}) {
    (*sprite)->Kill();
    *sprite = nullptr;
  }
  OmegaSprite1.RemoveDead();
}

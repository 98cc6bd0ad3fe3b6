#include "shell/OptionsScreen.h"

#include <array>
#include <utility>

#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "race/Difficulty.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuPictures.h"
#include "shell/MenuSlide.h"

namespace {

// Final places of the slide-in: the buttons come in from both sides, the switches from the right.
constexpr int kApplyX = 180, kCancelX = 465, kButtonStep = 20;
constexpr int kSwitchX = 600, kSwitchStep = 13;
// The switches' rows on the options' panel (top at 211), 55 apart; the first stays clear of the
// panel's top border.
constexpr int kFullScreenSwitchY = 217, kMusicSwitchY = 272, kSoundSwitchY = 327;
// The ghost's and the map's switches lie side by side on a strip of their own above the options'
// panel.
constexpr int kStripX = 50, kStripY = 138, kRaceSwitchY = 146;
constexpr int kGhostSwitchX = 300, kMapSwitchX = 620;
// The opponents' level lies under the emblem at the panel's left, and comes in from the left.
constexpr int kDifficultyStartX = -200, kDifficultySwitchX = 150, kDifficultySwitchY = 383;

int SwitchFinalX(size_t index) {
  return index == TOptionsScreen::GhostSwitch        ? kGhostSwitchX
         : index == TOptionsScreen::MapSwitch        ? kMapSwitchX
         : index == TOptionsScreen::DifficultySwitch ? kDifficultySwitchX
                                                     : kSwitchX;
}

const char* SwitchPicture(bool on) {
  return on ? "b_on" : "b_off";
}

const char* DifficultyPicture(TDifficulty level) {
  switch (level) {
    case TDifficulty::Easy:
      return "b_easy";
    case TDifficulty::Hard:
      return "b_hard";
    case TDifficulty::Normal:
      break;
  }
  return "b_normal";
}

}  // namespace

TOptionsScreen::TOptionsScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()), TextEdit(kit) {}

void TOptionsScreen::Enter() {
  TGameState& state = Kit.GameState();
  state.KeyReleased.fill(false);
  Kit.BuildPage();
  ApplyButton = &Kit.AddPageButton(Kit.MenuImages(), "b_apply", -180, 500, [this] { Apply(); });
  CancelButton = &Kit.AddPageButton(Kit.MenuImages(), "b_cancel", 820, 500, [this] { Cancel(); });
  Switches.clear();
  AddSwitch(820, kFullScreenSwitchY, state.FullScreen);
  AddSwitch(880, kMusicSwitchY, state.MusicOn);
  AddSwitch(940, kSoundSwitchY, state.SoundOn);
  AddSwitch(820, kRaceSwitchY, state.Options.GhostShown);
  AddSwitch(880, kRaceSwitchY, state.Options.TrackMapShown);
  AddDifficultySwitch(kDifficultyStartX, kDifficultySwitchY);
  TextEdit.Add("Edit", 553, 388, 18, 0xFFDCDCDC, state.AddText).Name = "AddEdit";
  CreateMenuSprite(Sprites, Kit.MenuImages(), "scrOptions", "scr_opt", 500, 50, 211);
  CreateMenuSprite(Sprites, Kit.MenuImages(), "scrOptions2", "scr_opt2", 500, kStripX, kStripY);
  state.ScreenTicks = 0;
  Backup = {state.SoundOn, state.MusicOn, state.FullScreen, state.AddText, state.Options};
  state.EditChanged = false;
}

// A switch inverts its setting at once and shows the new state. Full screen waits for
// "b_apply"; music starts or stops now; the sound's click is heard only when it has just been
// turned on.
void TOptionsScreen::AddSwitch(int x, int y, bool& setting) {
  const size_t index = Switches.size();
  Switches.push_back(
      &Kit.AddPageButton(Kit.MenuImages(), SwitchPicture(setting), x, y, [this, &setting, index] {
        setting = !setting;
        if (&setting == &Kit.GameState().MusicOn) SetMenuMusic(setting);
        Kit.PlaySound("check");
        Switches[index]->SetStateImage(GUIState::Normal, Kit.MenuImages().Find(SwitchPicture(setting)));
      }));
}

// The level's switch steps Easy, Normal, Hard and back to Easy.
void TOptionsScreen::AddDifficultySwitch(int x, int y) {
  TDifficulty& level = Kit.GameState().Options.Difficulty;
  Switches.push_back(&Kit.AddPageButton(Kit.MenuImages(), DifficultyPicture(level), x, y, [this, &level] {
    level = NextDifficulty(level);
    Kit.PlaySound("check");
    Switches[DifficultySwitch]->SetStateImage(GUIState::Normal,
                                              Kit.MenuImages().Find(DifficultyPicture(level)));
  }));
}

void TOptionsScreen::SetMenuMusic(bool on) {
  if (on)
    Kit.PlayMusic("menumusic");
  else
    Kit.StopMusic("menumusic");
}

void TOptionsScreen::Frame() {
  TGameState& state = Kit.GameState();
  if (state.EditChanged) TextEdit.BlinkCaret();
  TextEdit.TakeBackspace();
  if (std::exchange(state.KeyReleased[VK_ESCAPE], false)) {
    Kit.SwitchScreen(gsOptions, "check2", gsMainMenu);
    Restore();
    return;
  }
  Keys();
  Slide();
  Draw();
}

void TOptionsScreen::Keys() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  for (auto [key, which] :
       {std::pair{VK_F2, GhostSwitch}, std::pair{VK_F3, MapSwitch}, std::pair{VK_F4, DifficultySwitch}})
    if (std::exchange(released[size_t(key)], false)) Switches[which]->OnClick(*Switches[which]);
}

void TOptionsScreen::Slide() {
  ApplyButton->Left = SlideStep(ApplyButton->Left, kApplyX, kButtonStep);
  CancelButton->Left = SlideStep(CancelButton->Left, kCancelX, kButtonStep);
  for (size_t i = 0; i < Switches.size(); ++i)
    Switches[i]->Left = SlideStep(Switches[i]->Left, SwitchFinalX(i), kSwitchStep);
}

void TOptionsScreen::Draw() {
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Draw();
  Kit.DrawMenuPicture("spec_fon", 0, 0);
  Kit.Sprites().Move(0);
  Kit.Gui().Draw();
  Kit.Backdrop().DrawLights();
  Kit.Backdrop().DrawTicker();
  Kit.DrawMenuTitle("OPTIONS");
  Kit.EndMenuFrame();
}

// The display changes only here, and only when the choice differs from what it shows.
void TOptionsScreen::Apply() {
  TGameState& state = Kit.GameState();
  if (state.AppliedFullScreen != state.FullScreen) Kit.Display().ToggleFullScreen();
  state.AppliedFullScreen = state.FullScreen;
  Kit.SwitchScreen(gsOptions, "check", gsMainMenu);
  Kit.SaveGame(false);
}

void TOptionsScreen::Cancel() {
  Kit.SwitchScreen(gsOptions, "check", gsMainMenu);
  Restore();
}

// Everything goes back to what it was on entering the options, and so does the settings file:
// a cancelled choice must not come back at the next start.
void TOptionsScreen::Restore() {
  if (Backup.Music != Kit.GameState().MusicOn) SetMenuMusic(Backup.Music);
  TakeBack();
  Kit.SaveGame(false);
}

void TOptionsScreen::TakeBack() {
  TGameState& state = Kit.GameState();
  state.FullScreen = state.AppliedFullScreen;
  state.SoundOn = Backup.Sound;
  state.MusicOn = Backup.Music;
  state.AppliedFullScreen = Backup.FullScreen;
  state.AddText = Backup.AddText;
  state.Options = Backup.Options;
}

// The file is written by whoever leaves: after keeping or after restoring.
void TOptionsScreen::Leave() {
  Kit.GameState().AddText = TextEdit.Close();
  Kit.FreePage();
  ApplyButton = CancelButton = nullptr;
  Switches.clear();
  Sprites.KillAll();
}

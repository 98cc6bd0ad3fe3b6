#pragma once

#include <string>
#include <vector>

#include "shell/GameOptions.h"
#include "shell/MenuEdit.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

class TOmegaButton;

// The options: full screen, music, sound and the options text, then the ghost, the track map and
// the opponents' level; kept with "b_apply", given up with "b_cancel" or Escape. F2, F3 and F4
// stand for the ghost's, the map's and the level's switches.
class TOptionsScreen : public TScreen {
 public:
  // The switches, in the order they are made.
  enum TSwitch : size_t {
    FullScreenSwitch,
    MusicSwitch,
    SoundSwitch,
    GhostSwitch,
    MapSwitch,
    DifficultySwitch
  };

  explicit TOptionsScreen(TScreenKit& kit);

  void Enter() override;
  void Frame() override;
  void Leave() override;

  // Puts the settings back as they were on entering the screen.
  void TakeBack();

  // The options text's box and the switches while the screen is shown.
  TOmegaEdit* Edit() const { return TextEdit.Box(); }
  TOmegaButton& Switch(TSwitch which) const { return *Switches.at(which); }

 private:
  // The settings as they were on entering the screen.
  struct TBackup {
    bool Sound = true, Music = true, FullScreen = false;
    std::string AddText;
    TGameOptions Options;
  };

  void AddSwitch(int x, int y, bool& setting);
  void AddDifficultySwitch(int x, int y);
  void SetMenuMusic(bool on);
  void Keys();
  void Slide();
  void Draw();
  void Apply();
  void Cancel();
  void Restore();

  TScreenKit& Kit;
  TScreenSprites Sprites;
  TMenuEdit TextEdit;
  TOmegaButton* ApplyButton = nullptr;
  TOmegaButton* CancelButton = nullptr;
  std::vector<TOmegaButton*> Switches;
  TBackup Backup;
};

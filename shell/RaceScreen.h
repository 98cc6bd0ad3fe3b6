#pragma once

#include <string>
#include <vector>

#include "engine/OmegaFont.h"
#include "race/TrackFile.h"
#include "shell/RaceExtras.h"
#include "shell/Screen.h"
#include "shell/ScreenKit.h"

class TBegArrows;

// The race: from the race button (the track file and the race pictures read first) through the
// start lights to the finish, with the heads-up texts, the ghost and the track map; P or F1 pause
// it, Escape asks whether to leave it. The results come 150 frames after the player's finish.
class TRaceScreen : public TScreen {
 public:
  explicit TRaceScreen(TScreenKit& kit);

  // Leaves the selection for a race on the selected track and car. A track file or a race
  // picture package that cannot be read leaves everything as it was, with a message naming it.
  void Start();

  void Enter() override;
  void Frame() override;
  void Leave() override;

 private:
  bool LoadGameImages();
  void StartLights(int t);
  void DrawHud();
  void Keys();

  TScreenKit& Kit;
  TOmegaFont HudFont;  // the heads-up texts, which stay behind the results' own lines
  TRaceExtras Extras;
  std::vector<TTrackRecord> PendingTrack;  // read by Start, laid out when the race is entered
  TBegArrows* StartArrows = nullptr;       // the arrows under the start lights (sprite engine owned)
  std::string TrackTitleLine;              // the panel's title: the race's track, numbered and named
};

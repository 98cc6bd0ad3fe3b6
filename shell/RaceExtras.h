#pragma once

#include <memory>

#include "shell/ScreenKit.h"

class TGhostRace;
class TOmegaFont;
class TTrackMap;
class TTyreMarks;

// Beside the race: the ghost of the track's best lap, kept when a lap beats it, the small map of the
// track and the tyre marks; in a time trial the heads-up display adds the gap to the ghost.
class TRaceExtras {
 public:
  explicit TRaceExtras(TScreenKit& kit);
  ~TRaceExtras();
  TRaceExtras(const TRaceExtras&) = delete;
  TRaceExtras& operator=(const TRaceExtras&) = delete;

  // After the race is laid out; Stop as it is left (the sprite engine has taken the map and the
  // marks away).
  void Start();
  void Frame();
  void DrawGhostGap(TOmegaFont& hudFont);
  void Stop();

 private:
  TScreenKit& Kit;
  std::unique_ptr<TGhostRace> Ghost;
  TTrackMap* TrackMap = nullptr;    // sprite engine owned
  TTyreMarks* TyreMarks = nullptr;  // sprite engine owned
};

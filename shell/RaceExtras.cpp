#include "shell/RaceExtras.h"

#include <cstdlib>
#include <string>

#include "engine/OmegaFont.h"
#include "engine/OmegaImageList.h"
#include "race/GhostCar.h"
#include "race/GhostRace.h"
#include "race/Player.h"
#include "race/RaceWorld.h"
#include "race/TrackMap.h"
#include "race/TyreMarks.h"
#include "shell/GameState.h"
#include "shell/GhostStore.h"

namespace {

constexpr uint32_t kHudWhite = 0xFFFFFFFF;
constexpr uint32_t kAheadColor = 0xFF7CF05A;   // green: faster than the best lap
constexpr uint32_t kBehindColor = 0xFFFF6A5A;  // red: slower
// The gap's plate hangs from the screen's right edge just under the HUD panel (which ends at 125).
constexpr int kGapPlateX = 590, kGapPlateY = 127;

// "-0.45" ahead, "+1.23" behind: seconds and hundredths.
std::string GapText(int hundredths) {
  const int size = std::abs(hundredths);
  char text[32];
  std::snprintf(text, sizeof text, "%c%d.%02d", hundredths < 0 ? '-' : '+', size / 100, size % 100);
  return text;
}

}  // namespace

TRaceExtras::TRaceExtras(TScreenKit& kit) : Kit(kit) {}

TRaceExtras::~TRaceExtras() = default;

// The ghost drives in a time trial always, in a full race when the player wants it; the laps are
// recorded and a better one kept either way.
void TRaceExtras::Start() {
  const TGameState& state = Kit.GameState();
  const TCatalogue& catalogue = state.Catalogue;
  const int track = catalogue.SelectedTrack;
  const uint32_t fileSize = TrackFileSize(catalogue.Tracks[size_t(track)]);
  const bool shown = state.TimeTrial || state.Options.GhostShown;
  TRaceContext& context = Kit.World().Context;
  Ghost = std::make_unique<TGhostRace>(context, track, catalogue.SelectedCar, fileSize,
                                       LoadGhostLap(track, fileSize), shown);
  TrackMap = state.Options.TrackMapShown ? &Kit.Sprites().Create<TTrackMap>(context) : nullptr;
  TyreMarks = state.Options.TyreMarksShown ? &Kit.Sprites().Create<TTyreMarks>(context) : nullptr;
}

// A better lap is written at once, unless another copy of the game saves into the folder.
void TRaceExtras::Frame() {
  if (TyreMarks) TyreMarks->Lay();
  if (!Ghost) return;
  const TGhostLap* better = Ghost->AfterFrame();
  if (better) Kit.SaveBestLap(*better);
  if (TrackMap) TrackMap->Ghost = Ghost->Car();
}

// The gap has a plate of its own under the HUD panel, in the panel's column of texts.
void TRaceExtras::DrawGhostGap(TOmegaFont& hudFont) {
  const std::optional<int> gap = Ghost ? Ghost->PlayerGap() : std::nullopt;
  if (!gap) return;
  if (TImageListItem* plate = Kit.GameImages().Find("gapplate")) plate->Draw(kGapPlateX, kGapPlateY, 0);
  hudFont.SetColor(*gap <= 0 ? kAheadColor : kBehindColor);
  hudFont.TextOut(643, kGapPlateY + 6, (*gap <= 0 ? "Ahead:     " : "Behind:    ") + GapText(*gap));
  hudFont.SetColor(kHudWhite);
}

void TRaceExtras::Stop() {
  Ghost.reset();
  TrackMap = nullptr;
  TyreMarks = nullptr;
}

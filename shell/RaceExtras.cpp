// Beside the race: the ghost of the track's best lap, kept when a lap beats it, the small map of
// the track and the tyre marks; in a time trial the heads-up display adds the gap to the ghost.
#include <cstdlib>
#include <string>

#include "race/GhostCar.h"
#include "race/GhostRace.h"
#include "race/Player.h"
#include "race/TrackMap.h"
#include "race/TyreMarks.h"
#include "shell/Form1.h"
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

// After the race is laid out: the ghost drives in a time trial always, in a full race when the
// player wants it; the laps are recorded and a better one kept either way.
void TForm1::StartRaceExtras() {
  const TCatalogue& catalogue = State.Catalogue;
  const int track = catalogue.SelectedTrack;
  const uint32_t fileSize = TrackFileSize(catalogue.Tracks[size_t(track)]);
  const bool shown = State.TimeTrial || State.Options.GhostShown;
  Ghost = std::make_unique<TGhostRace>(RaceContext, track, catalogue.SelectedCar, fileSize,
                                       LoadGhostLap(track, fileSize), shown);
  TrackMap = State.Options.TrackMapShown ? &OmegaSprite1.Create<TTrackMap>(RaceContext) : nullptr;
  TyreMarks = State.Options.TyreMarksShown ? &OmegaSprite1.Create<TTyreMarks>(RaceContext) : nullptr;
}

// A better lap is written at once, unless another copy of the game saves into the folder.
void TForm1::RaceExtrasFrame() {
  if (TyreMarks) TyreMarks->Lay();
  if (!Ghost) return;
  const TGhostLap* better = Ghost->AfterFrame();
  if (better) SaveBestLap(*better);
  if (TrackMap) TrackMap->Ghost = Ghost->Car();
}

// The gap has a plate of its own under the HUD panel, in the panel's column of texts.
void TForm1::DrawGhostGap() {
  const std::optional<int> gap = Ghost ? Ghost->PlayerGap() : std::nullopt;
  if (!gap) return;
  if (TImageListItem* plate = GameImageList.Find("gapplate")) plate->Draw(kGapPlateX, kGapPlateY, 0);
  HudFont.SetColor(*gap <= 0 ? kAheadColor : kBehindColor);
  HudFont.TextOut(643, kGapPlateY + 6, (*gap <= 0 ? "Ahead:     " : "Behind:    ") + GapText(*gap));
  HudFont.SetColor(kHudWhite);
}

#include "race/GhostCar.h"

#include <algorithm>

#include "race/Car.h"
#include "race/Indicators.h"
#include "race/Player.h"

namespace {

// Under the cars (50) and their smoke (49), over the player's ring (45).
constexpr int kGhostDepth = 47;
// How far the search for the player's point of the lap looks back and ahead of the last match.
constexpr size_t kLookBack = 45, kLookAhead = 270;

}  // namespace

TGhostCar::TGhostCar(TOmegaSprite& engine, TRaceContext& context, const TGhostLap& lap)
    : TSprite(engine), Context(context), Lap(lap) {
  TakePicture(*this, context.GameImages, TCar::PictureName(lap.Car, false));
  SetName("ghost");
  SetZ(kGhostDepth);
  SetAlpha(kAlpha);
  OriginX = OriginY = 0.5;
  Visible = false;
}

void TGhostCar::Restart() {
  // The kept lap may have changed to another car's since the last lap.
  TakePicture(*this, Context.GameImages, TCar::PictureName(Lap.Car, false));
  Frame = 0;
  Match = 0;
  Running = !Lap.Samples.empty();
  if (Running) Place(Lap.Samples[0]);
  Visible = Running;
}

void TGhostCar::Step() {
  if (!Running) {
    Visible = false;
    return;
  }
  Frame = std::min(Frame + 1, Lap.Samples.size() - 1);
  Place(Lap.Samples[Frame]);
}

void TGhostCar::Place(const TGhostSample& sample) {
  const TPointD anchor = TrackAnchor(Context.Race);
  PlaceCentred(*this, anchor.Y + sample.Y, anchor.X + sample.X);
  Angle = sample.Angle;
  SetPatternIndex(sample.Pattern);
  Visible = true;
}

std::optional<int> TGhostCar::PlayerGap() const {
  const TPlayer* player = Context.Race.Player;
  if (!Running || !player) return std::nullopt;
  const TGhostSample& nearest = Lap.Samples[NearestToPlayer()];
  return int(TotalHundredths(player->LapTime)) - int(nearest.LapHundredths);
}

size_t TGhostCar::NearestToPlayer() const {
  const TPointD anchor = TrackAnchor(Context.Race);
  const TPointD centre = Context.Race.Player->Centre();
  const double x = centre.X - anchor.X, y = centre.Y - anchor.Y;
  const size_t first = Match > kLookBack ? Match - kLookBack : 0;
  const size_t last = std::min(Match + kLookAhead, Lap.Samples.size() - 1);
  double best = -1;
  for (size_t i = first; i <= last; ++i) {
    const double dx = Lap.Samples[i].X - x, dy = Lap.Samples[i].Y - y;
    const double distance = dx * dx + dy * dy;
    if (best < 0 || distance < best) {
      best = distance;
      Match = i;
    }
  }
  return Match;
}

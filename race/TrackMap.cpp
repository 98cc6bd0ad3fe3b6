#include "race/TrackMap.h"

#include <algorithm>
#include <cmath>

#include "engine/OmegaImageList.h"
#include "race/EnemyCar.h"
#include "race/GhostCar.h"
#include "race/GhostLap.h"
#include "race/Player.h"
#include "race/TrackObjects.h"

namespace {

// Over the track and the cars, with the dashboard; under the race's dialogs (2000).
constexpr int kMapDepth = 515;
constexpr int kMargin = 8;  // between the plate's edge and the road

}  // namespace

TTrackMap::TTrackMap(TOmegaSprite& engine, TRaceContext& context)
    : TSprite(engine),
      Context(context),
      Plate(context.GameImages.Find("mapplate")),
      Dot(context.GameImages.Find("mapdot")) {
  SetName("trackmap");
  SetZ(kMapDepth);
  const TPointD anchor = TrackAnchor(context.Race);
  double left = 0, top = 0, right = 0, bottom = 0;
  for (int i = 0; i < engine.Count(); ++i) {
    const auto* road = dynamic_cast<const TRoadPart*>(engine.Items(i));
    // Bends under a diagonal road are unseen in the race, but the map shows every piece.
    if (!road || !road->Image()) continue;
    const TPointD place{road->X() - anchor.X, road->Y() - anchor.Y};
    if (Pieces.empty()) {
      left = right = place.X;
      top = bottom = place.Y;
    }
    Pieces.push_back({road->Image(), road->PatternIndex(), place});
    left = std::min(left, place.X);
    top = std::min(top, place.Y);
    right = std::max(right, place.X + road->Width());
    bottom = std::max(bottom, place.Y + road->Height());
  }
  const double inner = kSize - 2 * kMargin;
  const double width = std::max(right - left, 1.0), height = std::max(bottom - top, 1.0);
  Scale = inner / std::max(width, height);
  Corner = {left, top};
  Offset = {kLeft + kMargin + (inner - width * Scale) / 2, kTop + kMargin + (inner - height * Scale) / 2};
}

TPointD TTrackMap::OnMap(TPointD point) const {
  return {Offset.X + (point.X - Corner.X) * Scale, Offset.Y + (point.Y - Corner.Y) * Scale};
}

void TTrackMap::DoDraw() {
  if (!Visible) return;
  if (Plate) Plate->DrawRGBA(kLeft, kTop, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 0, -1);
  const float scale = float(Scale);
  for (const TPiece& piece : Pieces) {
    const TPointD at = OnMap(piece.Place);
    piece.Picture->DrawRGBA(int(std::lround(at.X)), int(std::lround(at.Y)), 0, 0, 0, scale, scale, 255, 255,
                            255, 235, false, piece.Pattern, -1);
  }
  const TRaceState& race = Context.Race;
  const TPointD anchor = TrackAnchor(race);
  auto onMap = [&](TPointD screenPoint) {
    return OnMap({screenPoint.X - anchor.X, screenPoint.Y - anchor.Y});
  };
  if (Ghost && Ghost->Visible)
    DrawDot(onMap({Ghost->X() + Ghost->Width() / 2.0, Ghost->Y() + Ghost->Height() / 2.0}), 255, 255, 255,
            130);
  for (int i = 0; i < race.OpponentCount; ++i)
    if (const TEnemyCar* car = race.Opponents[size_t(i)]) DrawDot(onMap(car->Centre()), 232, 48, 48, 255);
  if (race.Player) DrawDot(onMap(race.Player->Centre()), 120, 230, 60, 255);
}

void TTrackMap::DrawDot(TPointD screenPoint, int red, int green, int blue, int alpha) {
  if (!Dot) return;
  const int x = int(std::lround(screenPoint.X)) - Dot->TileWidth / 2,
            y = int(std::lround(screenPoint.Y)) - Dot->TileHeight / 2;
  Dot->DrawRGBA(x, y, 0, 0, 0, 1, 1, red, green, blue, alpha, false, 0, -1);
}

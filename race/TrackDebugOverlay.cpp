#include "race/TrackDebugOverlay.h"

#include "engine/OmegaImageList.h"
#include "engine/OmegaSprite.h"
#include "race/EnemyCar.h"
#include "race/Player.h"

namespace {

// Draws a marker with its top-left corner `inset` pixels up and left of the point.
void Mark(TImageListItem* marker, TPointD point, int pattern, int inset = 2) {
  if (marker) marker->Draw(RoundPixel(float(point.X - inset)), RoundPixel(float(point.Y - inset)), pattern);
}

void MarkOutline(TImageListItem* marker, const TQuadPoints& corners) {
  for (const TPointD& corner : corners) Mark(marker, corner, 0);
}

}  // namespace

void DrawTrackDebugOverlay(TRaceContext& context) {
  TOmegaImageList& pictures = context.GameImages;
  TImageListItem* wayPoint = pictures.Find("checkpoint");
  TImageListItem* active = pictures.Find("actcheckpoint");
  TImageListItem* bound = pictures.Find("boundpoint");
  TImageListItem* eye = pictures.Find("eyepoint");
  const TRaceState& race = context.Race;

  for (int i = 1; i <= race.WayPointCount; ++i) Mark(wayPoint, {race.WayPoints[i].X, race.WayPoints[i].Y}, 0);
  if (const TPlayer* player = race.Player) {
    Mark(active, player->NearestWayPoint, 0);
    Mark(active, player->FollowingWayPoint, 1);
    MarkOutline(bound, player->CornerPoints);
  }
  for (int i = 0; i < race.OpponentCount; ++i) {
    const TEnemyCar* car = race.Opponents[i];
    if (!car) continue;
    if (car->TargetWayPoint >= 1 && car->TargetWayPoint <= race.WayPointCount) {
      const TWayPoint& target = race.WayPoints[car->TargetWayPoint];
      Mark(active, {target.X, target.Y}, 0);
    }
    MarkOutline(bound, car->CornerPoints);
    for (const TEye& look : car->Eyes) Mark(eye, {look.X, look.Y}, 0, 3);
  }
}

#include "race/WorldScroll.h"

#include "race/EnemyCar.h"
#include "race/Player.h"
#include "race/TrackObjects.h"
#include "race/TrackTables.h"

namespace {

void Shift(TSprite& sprite, double dx, double dy) {
  sprite.SetX(float(sprite.X() + dx));
  sprite.SetY(float(sprite.Y() + dy));
}

}  // namespace

void ScrollWorld(TRaceContext& context, double dx, double dy) {
  TRaceState& race = context.Race;
  for (int i = 0; i < race.OpponentCount; ++i) {
    if (race.Opponents[i]) Shift(*race.Opponents[i], dx, dy);
  }
  ShiftWayPoints(race, dx, dy);
  for (int i = 0; i < context.Sprites.Count(); ++i) {
    TSprite* sprite = context.Sprites.Items(i);
    if (dynamic_cast<TTrackSprite*>(sprite)) Shift(*sprite, dx, dy);
  }
}

void ScrollWayPoints(TRaceState& race) {
  if (!race.Player) return;
  const TPointD shift = race.Player->FrameShift();
  ShiftWayPoints(race, shift.X, shift.Y);
}

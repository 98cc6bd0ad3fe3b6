#pragma once

#include "engine/OmegaSprite.h"
#include "race/RaceState.h"

// The ring under the player's car, with a chevron ahead of its nose: once the start arrows have
// faded it tells the player's car from opponents of the same make. It is placed on the car's
// centre and turned with it as it is drawn, so it never trails the car by a frame; it lies under
// every car and the smoke.
class TPlayerMark : public TSprite {
 public:
  TPlayerMark(TOmegaSprite& engine, TRaceContext& context);
  void DoDraw() override;

 private:
  void FollowPlayer();

  TRaceContext& Context;
};

#include "race/PlayerMark.h"

#include "race/Indicators.h"
#include "race/Player.h"

namespace {

// Below the cars (50) and their smoke (49), above the road, its paint and the check lines.
constexpr int kMarkDepth = 45;

}  // namespace

TPlayerMark::TPlayerMark(TOmegaSprite& engine, TRaceContext& context) : TSprite(engine), Context(context) {
  TakePicture(*this, context.GameImages, "playermark");
  SetName("playermark");
  SetZ(kMarkDepth);
  OriginX = OriginY = 0.5;
  FollowPlayer();
}

void TPlayerMark::DoDraw() {
  FollowPlayer();
  TSprite::DoDraw();
}

void TPlayerMark::FollowPlayer() {
  const TPlayer* player = Context.Race.Player;
  Visible = player && player->Visible;
  if (!player) return;
  const TPointD centre = player->Centre();
  PlaceCentred(*this, centre.Y, centre.X);
  Angle = player->Angle;
}

#include "race/Indicators.h"

#include <algorithm>
#include <cmath>

#include "engine/OmegaImageList.h"
#include "race/Player.h"
#include "race/TrackObjects.h"

void TakePicture(TSprite& sprite, TOmegaImageList& pictures, const std::string& name) {
  TImageListItem* picture = pictures.Find(name);
  sprite.SetImage(picture);
  if (!picture) return;
  sprite.SetWidth(picture->TileWidth);
  sprite.SetHeight(picture->TileHeight);
}

void PlaceCentred(TSprite& sprite, double centreY, double centreX) {
  sprite.SetX(float(centreX - sprite.Width() / 2.0));
  sprite.SetY(float(centreY - sprite.Height() / 2.0));
}

void MoveWithWorld(TSprite& sprite, const TRaceState& race) {
  if (!race.Player) return;
  const TPointD shift = race.Player->FrameShift();
  sprite.SetX(float(sprite.X() + shift.X));
  sprite.SetY(float(sprite.Y() + shift.Y));
}

TOmegaImageList& CarPictures(TRaceContext& context, bool menuVariant) {
  return menuVariant ? context.MenuImages : context.GameImages;
}

// --- TGroundPoint ---

namespace {

// Whether the point may be counted inside the w x h rectangle at (x, y): the angle-sum test
// also takes points a hair outside a long side, never more than a thirty-second of the longer
// side away; anything farther is skipped before the exact test.
bool NearRectangle(TPointD point, const TSprite& sprite) {
  const double margin = std::max(sprite.Width(), sprite.Height()) / 32.0 + 1;
  return point.X >= sprite.X() - margin && point.X <= sprite.X() + sprite.Width() + margin &&
         point.Y >= sprite.Y() - margin && point.Y <= sprite.Y() + sprite.Height() + margin;
}

}  // namespace

// Road pieces lie at depth 20 and paints at 29; the engine keeps its list ordered by depth, so
// the search ends at the first sprite above them.
constexpr int kDeepestSurface = 29;

bool OnRoadSurface(const TOmegaSprite& engine, TPointD point) {
  for (int i = 0; i < engine.Count(); ++i) {
    const TSprite& sprite = *engine.Items(i);
    if (sprite.Z() > kDeepestSurface) break;
    if (!NearRectangle(point, sprite) || !IsRoadSurface(sprite)) continue;
    const double x = sprite.X(), y = sprite.Y(), w = sprite.Width(), h = sprite.Height();
    if (PointInQuad(point, {{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}})) return true;
  }
  return false;
}

TGroundPoint::TGroundPoint(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double angleOffset,
                           double centreY, double centreX)
    : TSprite(engine), AngleOffset(angleOffset), Context(context) {
  TakePicture(*this, CarPictures(context, menuVariant), "groundpoint");
  SetZ(52);
  PlaceCentred(*this, centreY, centreX);
  Visible = false;
}

void TGroundPoint::DoMove(float /*moveCount*/) {
  OnRoad = OnRoadSurface(Engine(), {X(), Y()});
}

// --- TDim ---

TDim::TDim(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double centreY, double centreX)
    : TSprite(engine), Context(context) {
  TakePicture(*this, CarPictures(context, menuVariant), "dim");
  SetName("arrow");
  SetZ(49);
  SetAlpha(200);
  OriginX = 0;
  OriginY = 0.5;
  PlaceCentred(*this, centreY, centreX);
  // Behind the menus the smoke is not shown.
  Visible = !menuVariant;
}

void TDim::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
  if (++Frames % 3 != 0) return;
  if (PatternIndex() >= 4) {
    Kill();
    return;
  }
  SetPatternIndex(PatternIndex() + 1);
  SetAlpha(Alpha() - 15);
}

// --- TArrow ---

TArrow::TArrow(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, int kind, double y, double x)
    : TSprite(engine) {
  TakePicture(*this, CarPictures(context, menuVariant), "arrows");
  SetName("arrow");
  SetPatternIndex(kind);
  SetZ(510);
  Visible = false;
  OriginX = 0;
  OriginY = 0.5;
  SetX(float(x));
  SetY(float(y));
}

// --- TPanel ---

namespace {

struct TPanelLook {
  const char* Picture;
  int Alpha;
  int Z;
};

constexpr std::array<TPanelLook, 3> kPanels{
    {{"speeder", 255, 480}, {"radar", 150, 520}, {"panel", 255, 520}}};

}  // namespace

TPanel::TPanel(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x)
    : TSprite(engine), Context(context), Kind(kind) {
  const TPanelLook& look = kPanels.at(kind);
  TakePicture(*this, context.GameImages, look.Picture);
  SetName(look.Picture);
  SetAlpha(look.Alpha);
  SetZ(look.Z);
  SetPatternIndex(0);
  SetX(float(x));
  SetY(float(y));
}

void TPanel::DoMove(float /*moveCount*/) {
  // The speedometer lights "R" while the car reverses.
  if (Kind != 0 || !Context.Race.Player) return;
  SetPatternIndex(Context.Race.Player->Speed < 0 ? 1 : 0);
}

// --- TSpeedArrow ---

TSpeedArrow::TSpeedArrow(TOmegaSprite& engine, TRaceContext& context, double topSpeed, double reverseTopSpeed,
                         double y, double x)
    : TSprite(engine), Context(context), TopSpeed(topSpeed), ReverseTopSpeed(reverseTopSpeed) {
  TakePicture(*this, context.GameImages, "speedarrow");
  SetZ(510);
  OriginX = 0.5;
  OriginY = 0.85f;
  SetX(float(x - Width() / 2.0));
  SetY(float(y - 0.9 * Width()));
  Angle = -315;
}

double TSpeedArrow::NeedleAngle(double speed, double topSpeed, double reverseTopSpeed) {
  const double deflection = speed >= 0 ? speed / topSpeed * 197 : -std::abs(speed) / reverseTopSpeed * 197;
  return deflection - 495;
}

void TSpeedArrow::DoMove(float /*moveCount*/) {
  if (!Context.Race.Player) return;
  Angle = float(NeedleAngle(Context.Race.Player->Speed, TopSpeed, ReverseTopSpeed));
}

// --- TRadarArrow ---

TRadarArrow::TRadarArrow(TOmegaSprite& engine, TRaceContext& context, double centreY, double centreX)
    : TSprite(engine), Context(context) {
  TakePicture(*this, context.GameImages, "radararrow");
  SetZ(510);
  OriginX = OriginY = 0.5;
  PlaceCentred(*this, centreY, centreX);
  Angle = 0;
}

double TRadarArrow::PointerAngle(TPointD car, TPointD target) {
  const double dx = car.X - target.X, dy = car.Y - target.Y;
  double a;
  if (dx > 0) {
    a = ArcTanDeg(dy / dx);
  } else if (dx < 0) {
    a = dy > 0 ? ArcTanDeg(dy / dx) - 180 : ArcTanDeg(dy / dx) + 180;
  } else {
    a = dy > 0 ? 90 : -90;
  }
  return a + 270;
}

void TRadarArrow::DoMove(float /*moveCount*/) {
  const TPlayer* player = Context.Race.Player;
  if (!player) return;
  Angle = float(PointerAngle(player->Centre(), player->TargetPoint));
}

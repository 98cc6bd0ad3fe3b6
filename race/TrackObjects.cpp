#include "race/TrackObjects.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "engine/OmegaImageList.h"
#include "race/EnemyCar.h"
#include "race/Indicators.h"
#include "race/Player.h"
#include "race/TrackThemes.h"
#include "race/WorldScroll.h"

namespace {

constexpr double kContactDistance = 200;  // cars farther from an obstacle's centre are not tested
constexpr double kEyeSquare = 20;
constexpr int kScreenWidth = 800, kScreenHeight = 600;

struct TPictureChoice {
  const char* Picture;  // nullptr: no picture
  int Pattern;          // -1: a random pattern below PatternCount
  int PatternCount;
};

TPictureChoice RoadPicture(int kind) {
  switch (kind) {
    case 1:
      return {"roadstr", 0, 1};
    case 2:
      return {"roadstrvert", 0, 1};
    case 11:
      return {"roadroters", 3, 1};
    case 12:
      return {"roadroters", 2, 1};
    case 13:
      return {"roadroters", 1, 1};
    case 14:
      return {"roadroters", 0, 1};
    default:
      return {nullptr, 0, 1};
  }
}

struct TPaintChoice {
  const char* Picture;
  const char* Name;
  int PatternCount;  // 1: pattern 0; more: a random one of them
};

constexpr TPaintChoice kPaints[] = {
    {"inplace", "inplace", 1},   {"startline", "inplace", 1}, {"threeflowers", "flowers", 4},
    {"monoflower", "flower", 9}, {"rom", "flower", 5},        {"romhor", "flower", 5},
    {"romver", "flower", 5},
};

struct TRockChoice {
  const char* Picture;
  int PatternCount;  // 1: pattern 0; more: a random one of them
  bool RandomAngle;
};

constexpr TRockChoice kRocks[] = {
    {"tree1", 1, true}, {"tree2", 1, true},    {"tree3", 1, true},     {"tree4", 1, true},
    {"house", 1, true}, {"elka1", 1, true},    {"elka2", 1, true},     {"rock1", 5, true},
    {"ark", 3, true},   {"horwall", 1, false}, {"vertwall", 1, false},
};

int RandomAngle(TRaceContext& context) {
  return RandomInt(context.Random, -180, 179);
}

int ChoosePattern(TRaceContext& context, int patternCount) {
  return patternCount > 1 ? RandomInt(context.Random, 0, patternCount - 1) : 0;
}

TPointD CentreOf(const TSprite& sprite) {
  return {sprite.X() + sprite.Width() / 2.0, sprite.Y() + sprite.Height() / 2.0};
}

}  // namespace

bool IsRoadSurface(const TSprite& sprite) {
  const auto* track = dynamic_cast<const TTrackSprite*>(&sprite);
  return track && track->IsRoadSurface();
}

// --- TRoadPart ---

TRoadPart::TRoadPart(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x)
    : TTrackSprite(engine, context) {
  const TPictureChoice choice = RoadPicture(kind);
  if (choice.Picture) {
    TakePicture(*this, context.GameImages,
                ThemedPicture(context.GameImages, choice.Picture, context.Race.Theme));
    SetName(choice.Picture);
  }
  SetPatternIndex(choice.Pattern);
  SetZ(20);
  SetX(float(x));
  SetY(float(y));
}

void TRoadPart::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
}

// --- TRoadPaint ---

TRoadPaint::TRoadPaint(TOmegaSprite& engine, TRaceContext& context, int kind, double angle, double y,
                       double x)
    : TTrackSprite(engine, context) {
  assert(kind >= 0 && kind < int(std::size(kPaints)));
  const TPaintChoice& paint = kPaints[kind];
  TakePicture(*this, context.GameImages,
              ThemedPicture(context.GameImages, paint.Picture, context.Race.Theme));
  SetName(paint.Name);
  SetPatternIndex(ChoosePattern(context, paint.PatternCount));
  SetZ(29);
  OriginX = OriginY = 0.5;
  Angle = float(angle);
  PlaceCentred(*this, y, x);
}

void TRoadPaint::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
}

// --- TDiagonalRoad ---

TDiagonalRoad::TDiagonalRoad(TOmegaSprite& engine, TRaceContext& context, const TDiagonalPiece& piece)
    : TTrackSprite(engine, context) {
  TakePicture(*this, context.GameImages, "roaddiag");
  SetName("roaddiag");
  SetPatternIndex(piece.Pattern);
  SetZ(21);  // over the road pieces, under the paint on them
  OriginX = OriginY = 0.5;
  Angle = float(piece.Angle);
  PlaceCentred(*this, piece.Y, piece.X);
}

void TDiagonalRoad::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
}

// --- TRoadRock ---

TObstacleResponse ObstacleResponse(double speed, double direction, TPointD carCentre,
                                   TPointD obstacleCentre) {
  const double g = speed != 0 ? CosDeg(direction) : 0;
  const double l = speed != 0 ? SinDeg(direction) : 0;
  const double distance = Distance(carCentre, obstacleCentre);
  // A car exactly on the obstacle's centre has no way out; it is left as it is.
  if (distance == 0) return {};
  const double mx = (obstacleCentre.X - carCentre.X) / distance;
  const double my = (obstacleCentre.Y - carCentre.Y) / distance;

  TObstacleResponse response;
  response.Push = {(std::abs(g / 2) + 0.5) * 2 * mx, (std::abs(l / 2) + 0.5) * 2 * my};
  const double w = g * mx + l * my;  // above 0: heading towards the obstacle
  const double e = l * mx - g * my;  // which side the obstacle lies on
  if (e == 0) return response;
  const double turn = (2 - 2 * e) * 2;
  if (w > 0) {
    response.Turn = e > 0 ? turn : -turn;
    response.SpeedFactor = (0.5 - w) / 2 + 0.7;
  } else {
    response.Turn = e > 0 ? -turn : turn;
    response.SpeedFactor = (w + 0.5) / 2 + 0.7;
  }
  return response;
}

TRoadRock::TRoadRock(TOmegaSprite& engine, TRaceContext& context, int rockKind, double y, double x)
    : TTrackSprite(engine, context), RockKind(rockKind) {
  SetName(IsWall() ? "wall" : "roadrock");
  if (rockKind >= 1 && rockKind <= int(std::size(kRocks))) {
    const TRockChoice& rock = kRocks[rockKind - 1];
    TakePicture(*this, context.GameImages,
                ThemedPicture(context.GameImages, rock.Picture, context.Race.Theme));
    SetPatternIndex(ChoosePattern(context, rock.PatternCount));
    if (rock.RandomAngle) Angle = float(RandomAngle(context));
  }
  SetZ(30);
  OriginX = OriginY = 0.5;
  PlaceCentred(*this, y, x);
  OutlineAngles = RectangleCornerAngles(Width(), Height());
  UpdateOutline();
}

void TRoadRock::UpdateOutline() {
  const double radius = std::hypot(Width() / 2.0, Height() / 2.0);
  Outline = TurnedOutline(CentreOf(*this), radius, Angle, OutlineAngles);
}

bool TRoadRock::TopLeftOnScreen() const {
  return X() > 0 && X() < kScreenWidth && Y() > 0 && Y() < kScreenHeight;
}

void TRoadRock::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
  UpdateOutline();
  if (IsWall() || TopLeftOnScreen()) {
    TouchOpponents();
    TouchPlayer();
  }
  BlockEyes();
}

void TRoadRock::TouchOpponents() {
  const TRaceState& race = Context.Race;
  const TPointD centre = CentreOf(*this);
  for (int i = 0; i < race.OpponentCount; ++i) {
    const TEnemyCar* car = race.Opponents[i];
    // A car this far away cannot touch the obstacle; a flag left from an earlier contact
    // would push it from afar.
    Touching[i] =
        car && Distance(car->Centre(), centre) < kContactDistance && QuadsOverlap(Outline, car->CornerPoints);
  }
  for (int i = 0; i < race.OpponentCount; ++i) {
    TEnemyCar* car = race.Opponents[i];
    const bool onScreen =
        car && car->X() > 0 && car->X() < kScreenWidth && car->Y() > 0 && car->Y() < kScreenHeight;
    if (Touching[i] && (car->Racing || onScreen)) Respond(*car, false);
  }
}

void TRoadRock::TouchPlayer() {
  TPlayer* player = Context.Race.Player;
  if (!player) return;
  bool& touching = Touching[kMaxOpponents];
  touching = Distance(player->Centre(), CentreOf(*this)) < kContactDistance &&
             QuadsOverlap(Outline, player->CornerPoints);
  if (touching) Respond(*player, true);
}

TPointD TRoadRock::PushCentre(TPointD car) const {
  const TPointD centre = CentreOf(*this);
  if (!IsWall()) return centre;
  // A wall is rounded at its ends: it pushes from the nearest point of the line down its middle,
  // which ends half its thickness short of each end, so a car at an end slides round it.
  const double along = std::abs(Width() - Height()) / 2.0;
  if (Width() >= Height()) return {std::clamp(car.X, centre.X - along, centre.X + along), centre.Y};
  return {centre.X, std::clamp(car.Y, centre.Y - along, centre.Y + along)};
}

void TRoadRock::Respond(TCar& car, bool isPlayer) {
  const TObstacleResponse response =
      ObstacleResponse(car.Speed, car.Direction, car.Centre(), PushCentre(car.Centre()));
  if (isPlayer) {
    ScrollWorld(Context, response.Push.X, response.Push.Y);
  } else {
    car.SetX(float(car.X() - response.Push.X));
    car.SetY(float(car.Y() - response.Push.Y));
  }
  car.Direction += response.Turn;
  car.Heading += response.Turn;
  car.Knock(std::abs(car.Speed) * (1 - response.SpeedFactor));
  car.Speed *= response.SpeedFactor;
}

void TRoadRock::BlockEyes() {
  const TRaceState& race = Context.Race;
  const TPointD centre = CentreOf(*this);
  for (int i = 0; i < race.OpponentCount; ++i) {
    TEnemyCar* car = race.Opponents[i];
    if (!car || Distance(car->Centre(), centre) >= kContactDistance) continue;
    for (int k = 0; k < 2; ++k) {
      TEye& eye = car->Eyes[k];
      if (QuadsOverlap(SquareAround({eye.X, eye.Y}, kEyeSquare), Outline)) eye.Blocked = true;
    }
  }
}

// --- TBackgroundAbstract, TBackground ---

TBackgroundAbstract::TBackgroundAbstract(TOmegaSprite& engine, TRaceContext& context,
                                         TOmegaImageList& pictures, const std::string& pictureName, int z,
                                         bool centred, int alpha, double y, double x)
    : TTrackSprite(engine, context) {
  TakePicture(*this, pictures, pictureName);
  SetZ(z);
  SetAlpha(alpha);
  if (centred) {
    PlaceCentred(*this, kScreenHeight / 2.0, kScreenWidth / 2.0);
  } else {
    SetX(float(x));
    SetY(float(y));
  }
  SetPatternIndex(0);
  Angle = 0;
  OriginX = OriginY = 0.5;
  Columns = kScreenWidth / std::max(Width(), 1) + 1;
  Rows = kScreenHeight / std::max(Height(), 1) + 1;
}

void TBackgroundAbstract::WrapPosition() {
  // The game stepped one tile per frame; a world scrolled by many tiles at once (the start
  // grid far from the track's origin) then showed bare stripes for a while. Wrap all the way.
  const float w = float(Width()), h = float(Height());
  if (w <= 0 || h <= 0) return;
  float x = X(), y = Y();
  if (x > 0 || x < -w) x -= w * std::ceil(x / w);
  if (y > 0 || y < -h) y -= h * std::ceil(y / h);
  if (x != X()) SetX(x);
  if (y != Y()) SetY(y);
}

void TBackgroundAbstract::DoDraw() {
  WrapPosition();
  TImageListItem* picture = Image();
  if (!Visible || !picture) return;
  for (int i = 0; i <= Columns; ++i) {
    for (int j = 0; j <= Rows; ++j) {
      picture->DrawColored(RoundPixel(X() + i * Width()), RoundPixel(Y() + j * Height()), 0, OriginX, OriginY,
                           1, 1, VertexColors[0], false, false, PatternIndex(), BlendMode);
    }
  }
}

TBackground::TBackground(TOmegaSprite& engine, TRaceContext& context)
    : TBackgroundAbstract(engine, context, context.GameImages,
                          ThemedPicture(context.GameImages, "grass", context.Race.Theme), 0, false, 255, 0,
                          0) {}

void TBackground::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
}

#include "race/Car.h"

#include <algorithm>
#include <cmath>

#include "race/Driver.h"
#include "race/Indicators.h"

namespace {

struct TBox {
  double Left, Top, Right, Bottom;
};

TBox GrownBox(const TQuadPoints& quad) {
  TBox box{quad[0].X, quad[0].Y, quad[0].X, quad[0].Y};
  for (const TPointD& p : quad) {
    box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
           std::max(box.Bottom, p.Y)};
  }
  const double margin = std::max(box.Right - box.Left, box.Bottom - box.Top) / 50 + 1;
  return {box.Left - margin, box.Top - margin, box.Right + margin, box.Bottom + margin};
}

}  // namespace

bool QuadsMayOverlap(const TQuadPoints& a, const TQuadPoints& b) {
  const TBox boxA = GrownBox(a), boxB = GrownBox(b);
  return boxA.Left <= boxB.Right && boxB.Left <= boxA.Right && boxA.Top <= boxB.Bottom &&
         boxB.Top <= boxA.Bottom;
}

TCar::TCar(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading,
           const std::string& name, int carIndex, double centreY, double centreX)
    : TSprite(engine), CarIndex(carIndex), MenuVariant(menuVariant), Context(context) {
  TakePicture(*this, CarPictures(context, menuVariant), PictureName(carIndex, menuVariant));
  const double w = Width(), h = Height();
  SmokeRadius = std::sqrt((w / 2) * (w / 2) + (h / 2) * (h / 2)) * 2 / 3;
  const double a = ArcTanDeg(h / w);
  SmokeAngles = {360 - a, 180 + a};

  SetName(name);
  SetPatternIndex(0);
  PlaceCentred(*this, centreY, centreX);
  const double x = X(), y = Y();
  CornerPoints = {{{x + 2, y + 2}, {x + 2, y + h - 2}, {x + w - 2, y + h - 2}, {x + w - 2, y + 2}}};
  CornerAngles = RectangleCornerAngles(w - 6, h - 6);
  CornerRadius = std::sqrt((w / 2 - 3) * (w / 2 - 3) + (h / 2 - 3) * (h / 2 - 3));

  SetZ(50);
  LoadParameters(carIndex);
  Skidding = false;
  OriginX = OriginY = 0.5;
  for (int kind = 0; kind < 2; ++kind) {
    Indicators[kind] = &engine.Create<TArrow>(context, menuVariant, kind, y + h / 2 - 5, x + w / 2 - 35);
  }
  Heading = Direction = heading;
  Angle = float(heading - 90);
  GroundPoints[0] = &engine.Create<TGroundPoint>(context, menuVariant, 90.0, centreY - 10, centreX);
  GroundPoints[1] = &engine.Create<TGroundPoint>(context, menuVariant, -90.0, centreY + 10, centreX);
}

std::string TCar::PictureName(int carIndex, bool menuVariant) {
  static constexpr std::array<const char*, 5> kRacePictures{"car2", "car3", "car1", "car4", "car5"};
  if (carIndex < 0 || carIndex >= int(kRacePictures.size())) return "";
  return menuVariant ? "car" + std::to_string(carIndex + 1) : kRacePictures[carIndex];
}

void TCar::SteerLeft() {
  SetPatternIndex(1);
  TCarMotion::SteerLeft();
}

void TCar::SteerRight() {
  SetPatternIndex(2);
  TCarMotion::SteerRight();
}

TPointD TCar::Centre() const {
  return {X() + Width() / 2.0, Y() + Height() / 2.0};
}

TPointD TCar::Velocity() const {
  return {Speed * CosDeg(Direction), Speed * SinDeg(Direction)};
}

bool TCar::OnRoad() const {
  return GroundPoints[0]->OnRoad || GroundPoints[1]->OnRoad;
}

void TCar::UpdateCornerPoints() {
  const TPointD centre = Centre();
  CornerPoints = TurnedOutline(centre, CornerRadius, Angle, CornerAngles);
  for (TGroundPoint* probe : GroundPoints) {
    probe->SetX(float(centre.X + 20 * CosDeg(Angle + probe->AngleOffset)));
    probe->SetY(float(centre.Y + 20 * SinDeg(Angle + probe->AngleOffset)));
  }
}

void TCar::Kill() {
  TSprite::Kill();
  // The probes and pointers belong to the car: they go with it.
  for (TGroundPoint* probe : GroundPoints) probe->Kill();
  for (TArrow* pointer : Indicators) pointer->Kill();
}

void TCar::FinishMotion() {
  ApplyDrag();
  if (SmokeDue()) MakeSmoke();
  Angle = float(Heading - 90);
  FollowHeading();
  EndSkid();
}

void TCar::MakeSmoke() {
  const TPointD centre = Centre();
  for (double smokeAngle : SmokeAngles) {
    Engine().Create<TDim>(Context, MenuVariant, centre.Y + SmokeRadius * SinDeg(Angle + smokeAngle),
                          centre.X + SmokeRadius * CosDeg(Angle + smokeAngle));
  }
}

TPointD TCar::ContactPush(TPointD from, TPointD to, const TCar& mover) {
  const TPointD f = UnitVector(from, to);
  const bool moving = mover.Speed != 0;
  const double gx = moving ? CosDeg(mover.Direction) : 0;
  const double gy = moving ? SinDeg(mover.Direction) : 0;
  return {(std::abs(gx / 2) + 0.5) * 2 * f.X, (std::abs(gy / 2) + 0.5) * 2 * f.Y};
}

void TCar::TurnFromContact(const TCar& other) {
  const TPointD own = Velocity(), theirs = other.Velocity();
  const double z = own.X * theirs.Y - own.Y * theirs.X;
  const double turn = z > 0 ? 1.5 : z < 0 ? -1.5 : 0;
  Direction += turn;
  Heading += turn;
}

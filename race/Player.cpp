#include "race/Player.h"

#include <cmath>

#include "race/Driver.h"
#include "race/EnemyCar.h"
#include "race/Progress.h"

TPlayer::TPlayer(TOmegaSprite& engine, TRaceContext& context, bool menuVariant, double heading,
                 const std::string& name, int carIndex, double centreY, double centreX)
    : TCar(engine, context, menuVariant, heading, name, carIndex, centreY, centreX) {}

void TPlayer::DoMove(float /*moveCount*/) {
  if (HasControl) {
    ApplyKeys();
  } else {
    SetPatternIndex(0);
    Coast();
  }
  MeasureProgress();
  if (Ranking) Position = 1 + OpponentsAhead(Context.Race, Context.Race.PlayerProgress);
  SurfaceFactor = OnRoad() ? kOnRoad : kOffRoad;
  // The world moves against the car, by the speed before this frame's gain.
  WorldShift = {-CosDeg(Direction) * Speed, -SinDeg(Direction) * Speed};
  Gain(SurfaceFactor);
  FinishMotion();
  UpdateCornerPoints();
  CollisionPush = {0, 0};
  TouchOpponents();
}

void TPlayer::ApplyKeys() {
  const auto& held = Context.KeyHeld;
  if (held[DrivingKey::Up]) {
    Accelerate();
  } else if (held[DrivingKey::Down]) {
    BrakeOrReverse();
  }

  if (held[DrivingKey::Right] && std::abs(Speed) > 0.1) {
    SteerRight();
  } else if (held[DrivingKey::Left] && std::abs(Speed) > 0.1) {
    SteerLeft();
  } else {
    SetPatternIndex(0);
  }

  // The handbrake wins over the accelerator of the same frame.
  if (held[DrivingKey::Space] || held[DrivingKey::Control]) {
    Skidding = true;
    if (Speed > CoastDeceleration) {
      CurrentAcceleration = -CoastDeceleration;
    } else if (Speed < -CoastDeceleration) {
      CurrentAcceleration = CoastDeceleration;
    }
  }
  TakeReleases();
}

void TPlayer::TakeReleases() {
  auto& held = Context.KeyHeld;
  auto& released = Context.KeyReleased;
  // Letting go of the pedals ends their acceleration; the steering keys and the handbrake
  // leave it as it is.
  for (int key : {DrivingKey::Up, DrivingKey::Down}) {
    if (!released[key]) continue;
    released[key] = held[key] = false;
    CurrentAcceleration = 0;
  }
  for (int key : {DrivingKey::Right, DrivingKey::Left, DrivingKey::Space, DrivingKey::Control}) {
    if (released[key]) released[key] = held[key] = false;
  }
}

void TPlayer::MeasureProgress() {
  TRaceState& race = Context.Race;
  const std::optional<TLapPosition> position = ProjectProgress(race, Centre());
  if (!position) return;
  LapProgress = position->LapProgress;
  race.PlayerProgress = RaceProgress(race, Lap, LapProgress);
  NearestWayPoint = {race.WayPoints[position->Nearest].X, race.WayPoints[position->Nearest].Y};
  FollowingWayPoint = {race.WayPoints[position->Following].X, race.WayPoints[position->Following].Y};
}

void TPlayer::TouchOpponents() {
  const TRaceState& race = Context.Race;
  const TPointD centre = Centre();
  for (int i = 0; i < ActiveOpponents(race); ++i) {
    const TEnemyCar* opponent = race.Opponents[i];
    if (!opponent || Distance(centre, opponent->Centre()) >= 200) continue;
    Contact[i] = CarsOverlap(CornerPoints, opponent->CornerPoints);
    if (!Contact[i]) ContactBefore[i] = false;
  }
  for (int i = 0; i < ActiveOpponents(race); ++i) {
    if (!Contact[i] || !race.Opponents[i]) continue;
    // Cars that meet lose about half the speed at which they close.
    if (!ContactBefore[i]) Knock(Distance(Velocity(), race.Opponents[i]->Velocity()) / 2);
    RespondToContact(*race.Opponents[i]);
    ContactBefore[i] = true;
  }
}

void TPlayer::RespondToContact(const TCar& other) {
  // The world moves against the push, so the player's car moves away from the other car.
  const TPointD push = ContactPush(other.Centre(), Centre(), other);
  CollisionPush.X -= push.X;
  CollisionPush.Y -= push.Y;
  Speed *= 0.99;
  TurnFromContact(other);
}

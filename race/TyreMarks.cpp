#include "race/TyreMarks.h"

#include <algorithm>
#include <cmath>

#include "engine/Colors.h"
#include "engine/OmegaImageList.h"
#include "race/EnemyCar.h"
#include "race/GhostLap.h"
#include "race/Indicators.h"
#include "race/Player.h"

namespace {

// Over the road (20), its paint (29) and, made after the track, under the trackside things laid
// at the same depth (30); under the player's ring (45) and the cars (50).
constexpr int kMarksDepth = 30;
// The rear wheels' centres on the car pictures: this far behind the car's centre, this far to
// either side of its middle.
constexpr double kRearAxle = 15, kAxleHalf = 11;
// A slide scrubs darker rubber off than locked-up brakes.
constexpr uint8_t kSlideStrength = 210, kBrakeStrength = 150;
// The tyres go on scrubbing for a few frames after a slide or the brakes, as their squeal dies
// away: a car that slides every other frame through a bend leaves one trail, not dashes.
constexpr int kScrubFrames = 4;
// A trail grows by stretches of at least this length, so a slow car draws few quads; a wheel that
// moved farther than kLongestStep in one frame was carried (a knock, a push) and starts anew.
constexpr double kShortestStep = 20, kLongestStep = 40;
// Marks farther off the 800 x 600 picture than their longest step are not drawn.
constexpr double kScreenWidth = 800, kScreenHeight = 600, kCullMargin = kLongestStep;

std::array<TPointD, 2> RearWheels(const TCar& car) {
  // A car picture points down at angle 0: its nose lies along Angle + 90.
  const TPointD ahead{CosDeg(car.Angle + 90), SinDeg(car.Angle + 90)};
  const TPointD side{-ahead.Y, ahead.X};
  const TPointD centre = car.Centre();
  const TPointD axle{centre.X - kRearAxle * ahead.X, centre.Y - kRearAxle * ahead.Y};
  return {{{axle.X - kAxleHalf * side.X, axle.Y - kAxleHalf * side.Y},
           {axle.X + kAxleHalf * side.X, axle.Y + kAxleHalf * side.Y}}};
}

bool OffScreen(TPointD point) {
  return point.X < -kCullMargin || point.X > kScreenWidth + kCullMargin || point.Y < -kCullMargin ||
         point.Y > kScreenHeight + kCullMargin;
}

}  // namespace

TTyreMarks::TTyreMarks(TOmegaSprite& engine, TRaceContext& context)
    : TSprite(engine), Context(context), Picture(context.GameImages.Find("tyremark")) {
  SetName("tyremarks");
  SetZ(kMarksDepth);
}

void TTyreMarks::Lay() {
  ++Frame;
  ForgetFaded();
  const TRaceState& race = Context.Race;
  if (!race.Player) return;
  const TPointD anchor = TrackAnchor(race);
  for (int i = 0; i < race.OpponentCount; ++i)
    if (const TEnemyCar* car = race.Opponents[size_t(i)]) LayCar(*car, Trails[size_t(i)], anchor);
  LayCar(*race.Player, Trails[kMaxOpponents], anchor);
}

void TTyreMarks::LayCar(const TCar& car, TTrail& trail, TPointD anchor) {
  if (car.Slid || car.BrakingHard()) {
    trail.Scrub = kScrubFrames;
    trail.Strength = car.Slid ? kSlideStrength : kBrakeStrength;
  } else if (trail.Scrub > 0) {
    --trail.Scrub;
  }
  if (std::abs(car.Speed) < kMarkingSpeed || trail.Scrub == 0) {
    trail.Marking = false;
    return;
  }
  std::array<TPointD, 2> wheels = RearWheels(car);
  double step = 0;
  for (size_t k = 0; k < wheels.size(); ++k) {
    wheels[k] = {std::round(wheels[k].X - anchor.X), std::round(wheels[k].Y - anchor.Y)};
    step = std::max(step, Distance(trail.Wheels[k], wheels[k]));
  }
  if (trail.Marking && step < kShortestStep) return;
  // Rubber shows on the road only: where the car's rear probe finds it.
  if (trail.Marking && step < kLongestStep && car.GroundPoints[1]->OnRoad)
    for (size_t k = 0; k < wheels.size(); ++k) AddStretch(trail.Wheels[k], wheels[k], trail.Strength);
  trail.Wheels = wheels;
  trail.Marking = true;
}

void TTyreMarks::AddStretch(TPointD from, TPointD to, uint8_t strength) {
  const double length = Distance(from, to);
  if (length == 0) return;
  Add({from, to, float(Degrees(std::atan2(to.Y - from.Y, to.X - from.X))), float(length), Frame, strength});
}

void TTyreMarks::Add(const TTyreMark& mark) {
  if (Size == kMostMarks) {
    Oldest = (Oldest + 1) % kMostMarks;
    --Size;
  }
  Ring[(Oldest + Size) % kMostMarks] = mark;
  ++Size;
}

void TTyreMarks::ForgetFaded() {
  while (Size > 0 && AlphaOf(Mark(0)) == 0) {
    Oldest = (Oldest + 1) % kMostMarks;
    --Size;
  }
}

int TTyreMarks::AlphaOf(const TTyreMark& mark) const {
  const int left = kFadeFrames - (Frame - mark.Laid);
  return left > 0 ? mark.Strength * left / kFadeFrames : 0;
}

// Each mark is the picture's strip stretched from one wheel position to the next. The anchor is
// taken to the whole pixel, so every end falls on one and the stretches of a trail meet.
void TTyreMarks::DoDraw() {
  if (!Visible || !Picture || Size == 0 || !Context.Race.Player) return;
  const TPointD anchor = TrackAnchor(Context.Race);
  const double anchorX = std::round(anchor.X), anchorY = std::round(anchor.Y);
  const int halfWidth = Picture->TileHeight / 2;
  const float scale = 1.0f / float(Picture->TileWidth);
  for (size_t i = 0; i < Size; ++i) {
    const TTyreMark& mark = Mark(i);
    const TPointD from{anchorX + mark.From.X, anchorY + mark.From.Y};
    if (OffScreen(from)) continue;
    // Drawn in the sprites' blend mode with the colour's alpha alone: no change of blending
    // between marks, so the renderer takes them all in one batch.
    Picture->DrawColored(int(from.X), int(from.Y) - halfWidth, mark.Angle, 0, 0.5f, mark.Length * scale, 1,
                         ColorARGB(255, 255, 255, AlphaOf(mark)), false, false, 0, 0);
  }
}

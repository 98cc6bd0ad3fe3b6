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
constexpr int kScrubFrames = 8;
// A wheel that moved farther in one frame was carried (a knock, a push): no mark joins the two.
constexpr double kLongestStep = 40;
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
  const std::array<TPointD, 2> wheels = RearWheels(car);
  for (size_t k = 0; k < wheels.size(); ++k) {
    const TPointD here{wheels[k].X - anchor.X, wheels[k].Y - anchor.Y};
    // Rubber shows on the road only.
    if (trail.Marking && Distance(trail.Wheels[k], here) < kLongestStep &&
        OnRoadSurface(Context.Sprites, wheels[k]))
      Add({trail.Wheels[k], here, Frame, trail.Strength});
    trail.Wheels[k] = here;
  }
  trail.Marking = true;
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

// Each mark is the picture's strip stretched from one wheel position to the next; its ends
// fall on whole pixels, so the stretches of one trail meet without gaps.
void TTyreMarks::DoDraw() {
  if (!Visible || !Picture || Size == 0 || !Context.Race.Player) return;
  const TPointD anchor = TrackAnchor(Context.Race);
  const int halfWidth = Picture->TileHeight / 2;
  for (size_t i = 0; i < Size; ++i) {
    const TTyreMark& mark = Mark(i);
    const TPointD from{anchor.X + mark.From.X, anchor.Y + mark.From.Y};
    if (OffScreen(from)) continue;
    const long x0 = std::lround(from.X), y0 = std::lround(from.Y);
    const double dx = double(std::lround(anchor.X + mark.To.X) - x0),
                 dy = double(std::lround(anchor.Y + mark.To.Y) - y0);
    const double length = std::hypot(dx, dy);
    if (length == 0) continue;
    // Drawn in the sprites' blend mode with the colour's alpha alone: no change of blending
    // between marks, so the renderer takes them all in one batch.
    Picture->DrawColored(int(x0), int(y0) - halfWidth, float(Degrees(std::atan2(dy, dx))), 0, 0.5f,
                         float(length / Picture->TileWidth), 1, ColorARGB(255, 255, 255, AlphaOf(mark)),
                         false, false, 0, 0);
  }
}

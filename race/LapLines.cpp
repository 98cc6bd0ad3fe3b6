#include "race/LapLines.h"

#include <cmath>

#include "engine/OmegaImageList.h"
#include "race/EnemyCar.h"
#include "race/GameProcedures.h"
#include "race/Indicators.h"
#include "race/Player.h"

namespace {

TPointD CentreOf(const TSprite& sprite) {
  return {sprite.X() + sprite.Width() / 2.0, sprite.Y() + sprite.Height() / 2.0};
}

TQuadPoints LineOutline(const TSprite& line, double angle, const std::array<double, 4>& outlineAngles) {
  const double radius = std::hypot(line.Width() / 2.0, line.Height() / 2.0);
  return TurnedOutline(CentreOf(line), radius, angle, outlineAngles);
}

// Writes the next row of the results table; a ninth finisher cannot happen, but is not written.
void WriteResult(TRaceState& race, int32_t car, const TRaceTime& time) {
  if (race.FinishCounter >= 1 && race.FinishCounter < int(race.Results.size())) {
    race.Results[race.FinishCounter] = {car, time};
  }
  ++race.FinishCounter;
}

}  // namespace

// --- TCheckLine ---

TCheckLine::TCheckLine(TOmegaSprite& engine, TRaceContext& context, int number, double y, double x)
    : TTrackSprite(engine, context), Number(number) {
  TakePicture(*this, context.GameImages, "checkline");
  SetName("checkline");
  SetPatternIndex(0);
  OriginX = OriginY = 0.5;
  PlaceCentred(*this, y, x);
  SetZ(31);
  SetAlpha(100);
  Visible = true;
  OutlineAngles = RectangleCornerAngles(Width(), Height());
  UpdateOutline();
}

void TCheckLine::UpdateOutline() {
  Outline = LineOutline(*this, 0, OutlineAngles);
}

void TCheckLine::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
  if (TPlayer* player = Context.Race.Player) {
    Visible = Number == player->NextCheckLine;
    if (Visible) player->TargetPoint = CentreOf(*this);
    UpdateOutline();
    if (QuadsOverlap(Outline, player->CornerPoints)) Cross(*player);
  }
  Pulse();
}

void TCheckLine::Cross(TPlayer& player) {
  if (Number == 2) player.FinishArmed = true;
  if (Number != player.NextCheckLine) return;
  player.NextCheckLine = Number + 1 == Context.Race.CheckLineCount ? 0 : player.NextCheckLine + 1;
}

void TCheckLine::Pulse() {
  if (Alpha() > 230) {
    PulseStep = -1;
  } else if (Alpha() < 50) {
    PulseStep = 1;
  }
  SetAlpha(Alpha() + 2 * PulseStep);
}

// --- TFinishLine ---

TFinishLine::TFinishLine(TOmegaSprite& engine, TRaceContext& context, double angle, double y, double x)
    : TTrackSprite(engine, context) {
  TakePicture(*this, context.GameImages, "fline");
  SetName("fline");
  SetPatternIndex(0);
  OriginX = OriginY = 0.5;
  Angle = float(angle);
  SetX(float(x));
  SetY(float(y - Height() / 2.0));
  SetZ(60);
  Visible = false;
  OutlineAngles = RectangleCornerAngles(Width(), Height());
  UpdateOutline();
}

void TFinishLine::UpdateOutline() {
  Outline = LineOutline(*this, Angle, OutlineAngles);
}

void TFinishLine::DoMove(float /*moveCount*/) {
  MoveWithWorld(*this, Context.Race);
  UpdateOutline();
  CountCrossings();
}

void TFinishLine::CountCrossings() {
  TRaceState& race = Context.Race;
  for (int i = 0; i < race.OpponentCount; ++i) {
    TEnemyCar* car = race.Opponents[i];
    const bool onLine = car && QuadsOverlap(car->CornerPoints, Outline);
    // Without three key way points there is no lap proof: the game then counted a lap in every
    // frame a car stayed on the line. Count such a crossing once, when the car reaches it.
    const bool repeated = race.KeyWayPointCount < 3 && OnLine[i];
    OnLine[i] = onLine;
    if (onLine && !repeated && car->FinishArmed && KeyWayPointsPassed(*car)) CountOpponent(*car);
  }
  TPlayer* player = race.Player;
  if (player && player->FinishArmed && QuadsOverlap(player->CornerPoints, Outline)) CountPlayer(*player);
}

bool TFinishLine::KeyWayPointsPassed(const TEnemyCar& car) const {
  for (int k = 2; k < Context.Race.KeyWayPointCount; ++k) {
    if (k >= int(car.KeyPassed.size()) || !car.KeyPassed[k]) return false;
  }
  return true;
}

void TFinishLine::CountOpponent(TEnemyCar& car) {
  TRaceState& race = Context.Race;
  if (car.Lap == race.RaceLaps) {
    WriteResult(race, car.Number, car.RaceTime);
    ++car.Lap;
    car.Racing = false;
    return;
  }
  ++car.Lap;
  for (int k = 2; k < race.KeyWayPointCount && k < int(car.KeyPassed.size()); ++k) car.KeyPassed[k] = false;
}

void TFinishLine::CountPlayer(TPlayer& player) {
  TRaceState& race = Context.Race;
  player.FinishArmed = false;
  if (player.NextCheckLine != 0 && player.NextCheckLine != 1) return;
  if (player.Lap > 0) {
    if (IsBetterTime(player.LapTime, player.BestLap)) player.BestLap = player.LapTime;
    player.LapTime = {};
  } else {
    player.LapTimerRunning = true;
  }
  if (player.Lap == race.RaceLaps) {
    player.FinishPosition = race.FinishCounter;
    WriteResult(race, kPlayerResult, player.RaceTime);
    player.HasControl = false;
    race.RaceFinished = true;
    player.Ranking = false;
    Context.StepTicks = 0;
    return;
  }
  ++player.Lap;
}

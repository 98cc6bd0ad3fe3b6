#pragma once

#include <array>

#include "race/Geometry.h"
#include "race/TrackObjects.h"

class TEnemyCar;
class TPlayer;

// A numbered check line across the road, centred on (x, y). The player must cross them in
// order for a lap to count; the next one to cross shows, pulsing, and the radar points at it.
class TCheckLine : public TTrackSprite {
 public:
  TCheckLine(TOmegaSprite& engine, TRaceContext& context, int number, double y, double x);
  void DoMove(float moveCount) override;

  int Number;
  TQuadPoints Outline{};
  std::array<double, 4> OutlineAngles;
  int PulseStep = 1;  // +1 brightening, -1 fading

  void UpdateOutline();

 private:
  void Cross(TPlayer& player);
  void Pulse();
};

// The finish line, turned by `angle`, its left edge at x and vertically centred on y. It counts
// every car's laps, times the player's, and writes the results as cars finish. It is not drawn:
// the start-line paint is what the player sees.
class TFinishLine : public TTrackSprite {
 public:
  TFinishLine(TOmegaSprite& engine, TRaceContext& context, double angle, double y, double x);
  void DoMove(float moveCount) override;

  TQuadPoints Outline{};
  std::array<double, 4> OutlineAngles;

  void UpdateOutline();
  // The finish-line tests of one frame, for the opponents then the player.
  void CountCrossings();

 private:
  bool KeyWayPointsPassed(const TEnemyCar& car) const;
  void CountOpponent(TEnemyCar& car);
  void CountPlayer(TPlayer& player);
  // Cars on the line in the previous frame, by opponent number (see CountCrossings).
  std::array<bool, kMaxOpponents> OnLine{};
};

#include "race/GhostLap.h"

#include <utility>

#include "race/Player.h"

namespace {

TGhostSample SampleOf(const TPlayer& player, const TRaceState& race) {
  const TPointD centre = player.Centre();
  const TPointD anchor = TrackAnchor(race);
  return {float(centre.X - anchor.X), float(centre.Y - anchor.Y), player.Angle,
          uint8_t(player.PatternIndex()), TotalHundredths(player.LapTime)};
}

}  // namespace

TPointD TrackAnchor(const TRaceState& race) {
  const TPointD shift = race.Player ? race.Player->FrameShift() : TPointD{0, 0};
  const TWayPoint& first = race.WayPoints[race.WayPointCount > 0 ? 1 : 0];
  return {first.X - shift.X, first.Y - shift.Y};
}

bool operator==(const TGhostLap& a, const TGhostLap& b) {
  return a.Track == b.Track && a.Car == b.Car && a.TrackFileSize == b.TrackFileSize &&
         TotalHundredths(a.LapTime) == TotalHundredths(b.LapTime) && a.Samples == b.Samples;
}

uint32_t TotalHundredths(const TRaceTime& time) {
  return uint32_t(time.Hundredths + 100 * (time.Seconds + 60 * time.Minutes));
}

TRaceTime RaceTimeOf(uint32_t hundredths) {
  return {int32_t(hundredths % 100), int32_t(hundredths / 100 % 60), int32_t(hundredths / 6000)};
}

bool TLapRecorder::Record(const TRaceState& race) {
  const TPlayer& player = *race.Player;
  // The start's crossing begins lap 1; the last crossing ends the race instead of adding a lap.
  const int boundaries = player.Lap + (race.RaceFinished ? 1 : 0);
  const bool newLap = boundaries > Boundaries;
  if (newLap) {
    const bool whole = Boundaries > 0 && Current.size() < kMaxGhostSamples;
    FinishedLap = whole ? std::move(Current) : std::vector<TGhostSample>{};
    Current.clear();
    Boundaries = boundaries;
  }
  if (Boundaries > 0 && !race.RaceFinished && Current.size() < kMaxGhostSamples)
    Current.push_back(SampleOf(player, race));
  return newLap;
}

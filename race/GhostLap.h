#pragma once

#include <cstdint>
#include <vector>

#include "race/Geometry.h"
#include "race/RaceState.h"
#include "race/RaceTime.h"

// The longest lap kept: ten minutes of frames. A longer one is not recorded to its end.
inline constexpr size_t kMaxGhostSamples = 90 * 60 * 10;

// One frame of a lap as the player drove it: where the car's centre was on the track, how its
// picture was turned and which wheel pattern it showed, and the lap clock at that frame.
struct TGhostSample {
  float X = 0, Y = 0;  // the centre, relative to the track's anchor (TrackAnchor)
  float Angle = 0;     // the sprite's angle
  uint8_t Pattern = 0;
  uint32_t LapHundredths = 0;

  bool operator==(const TGhostSample&) const = default;
};

// A whole lap of the player's car, and what it belongs to: the catalogue track and car, and the
// size of the track file it was driven on (a changed track file makes the lap worthless).
struct TGhostLap {
  int Track = 0;
  int Car = 0;
  uint32_t TrackFileSize = 0;
  TRaceTime LapTime;
  std::vector<TGhostSample> Samples;  // one a frame, from the line to the line
};

bool operator==(const TGhostLap& a, const TGhostLap& b);

// A point that moves with the track exactly as the road does: the first way point, taken back
// by this frame's shift. The way points follow the world after the move pass, while the road's
// pieces moved in it by the shift of the frame before.
TPointD TrackAnchor(const TRaceState& race);

// Race time as a count of hundredths, and back.
uint32_t TotalHundredths(const TRaceTime& time);
TRaceTime RaceTimeOf(uint32_t hundredths);

// Records the player's car once a frame and cuts the recording at the finish line: the laps
// that count (from the first crossing on) come out whole, one at a time.
class TLapRecorder {
 public:
  // After the frame's moves: the sample of this frame. Returns true when the frame began a new
  // lap; the lap that ended is then in FinishedLap (empty before the first lap).
  bool Record(const TRaceState& race);

  std::vector<TGhostSample> FinishedLap;
  int LapsDone() const { return Boundaries > 0 ? Boundaries - 1 : 0; }

 private:
  std::vector<TGhostSample> Current;
  int Boundaries = 0;  // finish-line crossings that counted, the start's included
};

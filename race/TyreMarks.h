#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/OmegaSprite.h"
#include "race/Geometry.h"
#include "race/RaceState.h"

class TCar;
class TImageListItem;

// A stretch of rubber on the road: where one rear wheel ran from one frame to a later one, in whole
// pixels relative to the track's anchor (TrackAnchor), so it stays where it was laid while the
// world scrolls, and the stretches of a trail meet end to end.
struct TTyreMark {
  TPointD From, To;
  float Angle = 0, Length = 0;  // from From to To, for drawing
  int Laid = 0;                 // frame of the race it was laid in
  uint8_t Strength = 0;         // its opacity while fresh, 0 .. 255
};

// The dark marks that cars sliding or braking hard leave on the road. They lie over the road and
// its paint and under the trackside things and the cars, and fade away over kFadeFrames. At most
// kMostMarks are kept: a new mark takes the place of the oldest. Drawing only: nothing of the race
// reads them.
class TTyreMarks : public TSprite {
 public:
  static constexpr size_t kMostMarks = 4096;
  static constexpr int kFadeFrames = 20 * 90;
  // A car slower than this leaves no mark (pixels a frame).
  static constexpr double kMarkingSpeed = 1.5;

  TTyreMarks(TOmegaSprite& engine, TRaceContext& context);

  // Once a race frame, after the move pass and the world's scroll: the marks of every car that
  // slid or braked hard in the frame, and the end of those faded away.
  void Lay();
  void DoDraw() override;

  size_t Count() const { return Size; }
  // The marks from the oldest to the newest.
  const TTyreMark& Mark(size_t index) const { return Ring[(Oldest + index) % kMostMarks]; }
  // How dark a mark is now: its strength fading to nothing as it ages.
  int AlphaOf(const TTyreMark& mark) const;

 private:
  // The rear wheels of one car where they were in the frame before, while it left marks.
  struct TTrail {
    bool Marking = false;
    std::array<TPointD, 2> Wheels{};
    int Scrub = 0;  // frames the tyres go on scrubbing
    uint8_t Strength = 0;
  };

  void LayCar(const TCar& car, TTrail& trail, TPointD anchor);
  // A stretch of a trail, unless it has no length.
  void AddStretch(TPointD from, TPointD to, uint8_t strength);
  void Add(const TTyreMark& mark);
  void ForgetFaded();

  TRaceContext& Context;
  TImageListItem* Picture;
  std::vector<TTyreMark> Ring = std::vector<TTyreMark>(kMostMarks);
  size_t Oldest = 0, Size = 0;
  int Frame = 0;
  std::array<TTrail, kMaxOpponents + 1> Trails;  // the opponents by number, the player's last
};

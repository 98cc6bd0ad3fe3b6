#pragma once

#include <vector>

#include "engine/OmegaSprite.h"
#include "race/Geometry.h"
#include "race/RaceState.h"

class TImageListItem;
class TGhostCar;

// The small map of the whole track in the bottom-left corner, away from the road ahead of the
// player's car in the screen's middle: the road drawn from the track's own pieces, shrunk, and
// the cars as dots, the player's in the lime of its ring, the ghost's faint.
class TTrackMap : public TSprite {
 public:
  // Takes the road pieces the race has laid out; made once the track is in place.
  TTrackMap(TOmegaSprite& engine, TRaceContext& context);
  void DoDraw() override;

  // The ghost whose dot the map shows, when one drives.
  const TGhostCar* Ghost = nullptr;

  static constexpr int kLeft = 10, kTop = 440, kSize = 150;

 private:
  struct TPiece {
    TImageListItem* Picture;
    int Pattern;
    TPointD Place;  // top-left corner, relative to the track's anchor
  };
  // Where a point of the track (relative to the anchor) lies on the screen.
  TPointD OnMap(TPointD point) const;
  void DrawDot(TPointD screenPoint, int red, int green, int blue, int alpha);

  TRaceContext& Context;
  std::vector<TPiece> Pieces;
  TPointD Corner;  // the anchor-relative point drawn at the map's top-left
  double Scale = 1;
  TPointD Offset;  // centres the track in the square
  TImageListItem* Plate;
  TImageListItem* Dot;
};

#pragma once

#include <cairo.h>

#include <array>

#include "ArtPackage.h"
#include "ArtPaint.h"
#include "race/TrackThemes.h"

// The seamless ground textures every scene shares, made once per run.
struct TArtTextures {
  TSurfacePtr Grass;    // 256 x 256, tiles seamlessly
  TSurfacePtr Asphalt;  // 160 x 160, tiles seamlessly; under every road piece so their edges match
  // The ground of every other theme, drawn as the grass (the meadow's entry stays empty).
  std::array<TSurfacePtr, kThemeCount> Grounds;

  cairo_surface_t* Ground(TTrackTheme theme) const {
    return theme == TTrackTheme::Meadow ? Grass.get() : Grounds[size_t(theme)].get();
  }
};

TArtTextures MakeTextures();

// Fills the path with the texture repeated from (originX, originY).
void FillTextured(cairo_t* cr, const TPath& path, cairo_surface_t* texture, double originX = 0,
                  double originY = 0);

// A road of the given width along an open or closed centre line: kerbs of red and white blocks on both
// sides and asphalt between them, for the menu scenes and the track previews.
void PaintKerbedRoad(cairo_t* cr, const TPath& centreLine, double width, cairo_surface_t* asphalt);

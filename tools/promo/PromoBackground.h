#pragma once

#include <cairo.h>

#include "PromoLayout.h"
#include "tools/art/ArtTextures.h"

// The full-screen closing picture: the title and "THANKS FOR PLAYING!" on a navy band, the five cars racing
// through a kerbed bend, and a navy plate for the buttons with the countdown's stopwatch badge.
void PaintPromoBackground(cairo_t* cr, const TPromoLayout& layout, const TArtTextures& textures);

#pragma once

#include <cairo.h>

#include <string>

#include "ArtColor.h"

// Buttons, panels, plates and lettering shared by the menu and race screens.

enum class TButtonTone {
  Primary,    // go ahead: yellow to orange
  Secondary,  // options and going back: sky to blue
  Exit,       // leaving the game: red
};

// A button filling (0,0)-(width,height); its last 3 px right and below hold the shadow.
void PaintButton(cairo_t* cr, double width, double height, const std::string& word, TButtonTone tone);

// A cream dialog with a navy header band carrying the white title; the last 6 px right and below hold the
// drop shadow.
void PaintDialog(cairo_t* cr, double width, double height, double headerHeight, const std::string& title);
// A cream body without a header (pages and panels).
void PaintCreamPanel(cairo_t* cr, double x, double y, double width, double height);
// A navy card under light text.
void PaintNavyCard(cairo_t* cr, double x, double y, double width, double height, double radius);
// The light plate the game writes a screen's title on.
void PaintTitlePlate(cairo_t* cr, double x, double y, double width, double height);

// A dialog title: white capitals with an ink outline, centred on (cx, cy), cap height about 27 px.
void PaintDialogTitle(cairo_t* cr, const std::string& title, double cx, double cy, double maxWidth);

// "MORVEL RACING": slanted capitals with a hot gradient, ink and white outlines and speed lines.
void PaintGameTitle(cairo_t* cr, double cx, double cy, double size, double maxWidth);

// Emblems: two crossed chequered flags; the publisher's roundel with a chequered swoosh.
void PaintCrossedFlags(cairo_t* cr, double cx, double cy, double size);
void PaintPublisherRoundel(cairo_t* cr, double cx, double cy, double radius);
// A steering wheel over crossed flags: the game's emblem.
void PaintGameEmblem(cairo_t* cr, double cx, double cy, double size);

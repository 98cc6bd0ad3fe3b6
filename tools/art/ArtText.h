#pragma once

#include <cairo.h>

#include <string>

#include "ArtColor.h"

// Lettering of the game's pictures: the bold system sans turned into outlines, so the pictures do not depend
// on the machine's text rendering settings.

enum class TFace {
  Heavy,  // titles and buttons
  Plain,  // explanations on the pages
};

enum class TAlign { Left, Centre, Right };

struct TTextStyle {
  double Size = 20;  // pixels per em
  TFace Face = TFace::Heavy;
  TAlign Align = TAlign::Centre;
  double MaxWidth = 0;  // shrink the size until the line fits; 0 means no limit
  double Slant = 0;     // degrees the letters lean forward
};

struct TTextBox {
  double Left = 0;
  double Right = 0;
  double CapTop = 0;
  double Baseline = 0;
};

// Adds the outline of one line of text to the current path. x is the left edge, the centre or the right edge
// by the style's alignment; capCentreY is the middle of the capital letters. Returns where it went.
TTextBox TextPath(cairo_t* cr, const std::string& text, const TTextStyle& style, double x, double capCentreY);

// Filled text with an ink outline of outlineWidth (0: none), drawn outline first so the letters stay full.
TTextBox DrawText(cairo_t* cr, const std::string& text, const TTextStyle& style, double x, double capCentreY,
                  TArtColor fill, double outlineWidth = 0, TArtColor outline = Palette::Ink);

// Several lines of plain text from (x, top) with the given line pitch; lines are separated by '\n'.
void DrawParagraph(cairo_t* cr, const std::string& text, const TTextStyle& style, double x, double top,
                   double pitch, TArtColor fill);

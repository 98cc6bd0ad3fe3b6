#pragma once

// The key pictures of the second help page: the game draws them under the page, centred on fixed points, and
// the page leaves a hole exactly where each one sits.
struct THelpKey {
  const char* Name;
  const char* Glyph;  // "up", "down", "left", "right" draw an arrow; anything else is lettered
  int Width;
  int Height;
  int CentreX;  // on screen
  int CentreY;
};

constexpr THelpKey HelpKeys[] = {
    {"up_hb", "up", 40, 40, 259, 233},        {"down_hb", "down", 40, 40, 259, 279},
    {"left_hb", "left", 40, 40, 236, 325},    {"right_hb", "right", 40, 40, 282, 325},
    {"ctrl_hb", "CTRL", 64, 40, 202, 419},    {"p_hb", "P", 40, 40, 259, 372},
    {"space_hb", "SPACE", 120, 40, 336, 419}, {"esc_hb", "ESC", 40, 40, 261, 463},
};

// How far inside each key picture the page's hole begins.
constexpr int HelpKeyHoleInset = 1;

// Where the help pages sit on screen.
constexpr int HelpPageX = 96;
constexpr int HelpPageY = 149;
constexpr int HelpPageWidth = 644;
constexpr int HelpPageHeight = 360;

#pragma once

#include <array>

#include "tools/art/ArtWidgets.h"

// The closing screen shown when the player quits: where its buttons sit, which pictures and link files they
// use, and how its countdown looks. The configuration file and the pictures follow this table.

struct TPromoButton {
  const char* Word;  // lettering of the button
  TButtonTone Tone;
  int X, Y, Width, Height;  // normal picture and clickable rectangle; the hover picture covers the same
  const char* Picture;      // normal look, as the game names it
  const char* HoverPicture;
  const char* DisabledPicture;  // only the exit button has one
  const char* Link;             // the shortcut file a link button opens; the exit button has none
};

struct TPromoLayout {
  const char* Background;
  std::array<TPromoButton, 3> Buttons;  // the exit button last
  int CounterX, CounterY;               // centre of the countdown number
  int Countdown;  // the first number shown; the exit button waits (Countdown - 1) x 100 frames
  int CounterRed, CounterGreen, CounterBlue;
  int CounterFontSize;  // points
};

constexpr TPromoLayout PromoLayout{
    .Background = "wdata\\back.png",
    .Buttons = {{
        {"MORE GAMES", TButtonTone::Secondary, 140, 470, 200, 56, "wdata\\moregames.png",
         "wdata\\moregames_hover.png", nullptr, "moregames.url"},
        {"WEBSITE", TButtonTone::Secondary, 360, 470, 200, 56, "wdata\\website.png",
         "wdata\\website_hover.png", nullptr, "website.url"},
        {"EXIT", TButtonTone::Exit, 580, 470, 160, 56, "wdata\\exit.png", "wdata\\exit_hover.png",
         "wdata\\exit_disabled.png", nullptr},
    }},
    // On the stopwatch badge the background paints just above the exit button.
    .CounterX = 660,
    .CounterY = 440,
    .Countdown = 5,
    // Sun yellow, bright on the navy badge.
    .CounterRed = 255,
    .CounterGreen = 210,
    .CounterBlue = 63,
    .CounterFontSize = 28,
};

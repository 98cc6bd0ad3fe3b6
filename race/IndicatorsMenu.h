#pragma once

#include "engine/OmegaSprite.h"
#include "race/RaceState.h"

// Decorations of the race start and the menus. Constructor arguments after the engine and the
// context are as the screens pass them, y before x.

// The rotating arrows around the player's car during the start lights, centred on (x, y).
class TBegArrows : public TSprite {
 public:
  TBegArrows(TOmegaSprite& engine, TRaceContext& context, int unused, double centreY, double centreX);
  void DoMove(float moveCount) override;
};

// A menu light (kind 0 "light1", kind 1 "light2"), top-left at (x, y): dark for a random 200 to
// 399 frames, then slowly up to full brightness and back down, and again.
class TLight : public TSprite {
 public:
  TLight(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x);
  void DoMove(float moveCount) override;

  int Counter = 1;
  int WaitFrames;
  int Fading = 1;  // +1 brightening, -1 darkening
};

// The intro's moving pictures, top-left at (x, y): kind 0 a streak that jumps 28 pixels every
// second frame from the third on, kind 1 a car (random of five) gliding 2.5 pixels a frame.
class TSplashSquare : public TSprite {
 public:
  TSplashSquare(TOmegaSprite& engine, TRaceContext& context, int kind, int alpha, double y, double x);
  void DoMove(float moveCount) override;

 private:
  int Kind;
  int Frames = 0;
};

// A key picture of the help page (kind 0 .. 7: up, down, left, right, ctrl, p, space, esc),
// centred on (x, y), hidden until the page shows it; its eight patterns cycle every tenth frame.
class THelpButton : public TSprite {
 public:
  THelpButton(TOmegaSprite& engine, TRaceContext& context, int kind, double centreY, double centreX);
  void DoMove(float moveCount) override;

 private:
  int Frames = 0;
};

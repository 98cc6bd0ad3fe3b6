#pragma once

#include <array>

#include "shell/ScreenKit.h"

class TLight;
class TRunningString;
struct TTickerFacts;

// What runs behind every menu: the demonstration race, the three lights and the greeting ticker.
// The sprite engine owns the sprites; the backdrop keeps hold of them while they run.
class TMenuBackdrop {
 public:
  explicit TMenuBackdrop(TScreenKit& kit) : Kit(kit) {}

  // The lights, the demonstration race and the ticker; a race that cannot be laid out is said in
  // a message box and the menus run without it.
  void Create();
  // The demonstration race's cars go, its invisible player's car too, and the lights, before a
  // race of the player's own.
  void KillRace();
  // The greeting after the name entry; a ticker made anew writes its own (slightly different)
  // text.
  void RebuildTicker();

  // The lights are drawn once more on top of the screen's picture; the ticker's visible text.
  void DrawLights() const;
  void DrawTicker();

  const TRunningString* Ticker() const { return TickerSprite; }
  const std::array<TLight*, 3>& Lights() const { return MenuLights; }

 private:
  TTickerFacts Facts() const;

  TScreenKit& Kit;
  std::array<TLight*, 3> MenuLights{};
  TRunningString* TickerSprite = nullptr;
};

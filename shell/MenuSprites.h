#pragma once

#include <functional>
#include <string>

#include "engine/OmegaSprite.h"

class TOmegaImageList;
struct TGameState;

// The mouse pointer: its top-left at the mouse (the platform already reports back-buffer
// pixels, in a window and in full screen alike); its eight patterns turn every tenth frame.
class TCursor : public TSprite {
 public:
  TCursor(TOmegaSprite& engine, TOmegaImageList& menuImages, const TGameState& state);
  void DoMove(float moveCount) override;

  int AnimTicks = 1;

 private:
  const TGameState& State;
};

// A picture shown by a screen, taken from the list its screen draws from: menu screens from
// "Data\data1.oil", the race's dialogs from "Data\data2.oil".
class TMenuScreen : public TSprite {
 public:
  TMenuScreen(TOmegaSprite& engine, TOmegaImageList& images, bool visible, int alpha, const std::string& name,
              const std::string& imageName, int z, float y, float x);
};

// The race's dialogs draw from the race list; otherwise they are menu pictures.
using TGameMenuScreen = TMenuScreen;

// What a screen draws itself (texts, for one), put at its depth among the sprites: what lies
// deeper is drawn before it, what lies higher (a dialog, say) covers it.
class TScreenLayer : public TSprite {
 public:
  TScreenLayer(TOmegaSprite& engine, const std::string& name, int z, std::function<void()> draw);
  void DoDraw() override;

 private:
  std::function<void()> Draw;
};

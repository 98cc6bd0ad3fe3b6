#include "shell/MenuSprites.h"

#include <utility>

#include "engine/OmegaImageList.h"
#include "shell/GameState.h"

TCursor::TCursor(TOmegaSprite& engine, TOmegaImageList& menuImages, const TGameState& state)
    : TSprite(engine), State(state) {
  SetImage(menuImages.Find("mousecursor"));
  SetName("cursor");
  SetPatternIndex(0);
  CanCollide = true;
  PixelCheck = true;
  SetX(float(state.MouseX));
  SetY(float(state.MouseY));
  SetZ(90000);
}

void TCursor::DoMove(float moveCount) {
  TSprite::DoMove(moveCount);
  if (AnimTicks % 10 == 0) {
    SetPatternIndex(PatternIndex() == 7 ? 0 : PatternIndex() + 1);
    AnimTicks = 0;
  }
  ++AnimTicks;
  SetX(float(State.MouseX));
  SetY(float(State.MouseY));
}

TMenuScreen::TMenuScreen(TOmegaSprite& engine, TOmegaImageList& images, bool visible, int alpha,
                         const std::string& name, const std::string& imageName, int z, float y, float x)
    : TSprite(engine) {
  SetX(x);
  SetY(y);
  SetZ(z);
  SetImage(images.Find(imageName));
  SetAlpha(alpha);
  Visible = visible;
  SetName(name);
}

TScreenLayer::TScreenLayer(TOmegaSprite& engine, const std::string& name, int z, std::function<void()> draw)
    : TSprite(engine), Draw(std::move(draw)) {
  SetName(name);
  SetZ(z);
}

void TScreenLayer::DoDraw() {
  if (Visible && Draw) Draw();
}

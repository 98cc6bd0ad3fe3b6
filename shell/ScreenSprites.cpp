#include "shell/ScreenSprites.h"

void TScreenSprites::Kill(TSprite& sprite) {
  sprite.Kill();
  std::erase(Made, &sprite);
}

void TScreenSprites::KillAll() {
  for (TSprite* sprite : Made) sprite->Kill();
  Made.clear();
  Engine.RemoveDead();
}

#include "shell/ScreenSprites.h"

void TScreenSprites::KillAll() {
  for (TSprite* sprite : Made) sprite->Kill();
  Made.clear();
  Engine.RemoveDead();
}

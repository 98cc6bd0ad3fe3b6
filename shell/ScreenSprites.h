#pragma once

#include <utility>
#include <vector>

#include "engine/OmegaSprite.h"

// The sprites one screen made: the engine owns them, the screen kills them all as it is left.
class TScreenSprites {
 public:
  explicit TScreenSprites(TOmegaSprite& engine) : Engine(engine) {}

  template <class T, class... TArgs>
  T& Create(TArgs&&... args) {
    T& sprite = Engine.Create<T>(std::forward<TArgs>(args)...);
    Made.push_back(&sprite);
    return sprite;
  }

  // Kills one sprite made here before the screen is left; the engine frees it with the other dead.
  void Kill(TSprite& sprite);
  // Kills every sprite made here and frees the dead ones.
  void KillAll();

 private:
  TOmegaSprite& Engine;
  std::vector<TSprite*> Made;
};

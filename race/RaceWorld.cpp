#include "race/RaceWorld.h"

#include "race/WorldScroll.h"

namespace {

// The lent part, else the own one.
template <typename T>
T& Lent(T* lent, T& own) {
  return lent ? *lent : own;
}

}  // namespace

TRaceWorld::TRaceWorld(TOmegaImageList& gameImages, TMessageBoxes& messages, const TRaceWorldDef& def)
    : OwnSprites(def.Sprites ? nullptr : std::make_unique<TOmegaSprite>(messages)),
      OwnRandom(def.Seed),
      Context{Race,
              def.Sprites ? *def.Sprites : *OwnSprites,
              gameImages,
              Lent(def.MenuImages, gameImages),
              Lent(def.KeyHeld, OwnKeyHeld),
              Lent(def.KeyReleased, OwnKeyReleased),
              Lent(def.StepTicks, OwnStepTicks),
              Lent(def.Random, OwnRandom),
              Lent<const TDifficulty>(def.Difficulty, OwnDifficulty)} {}

void TRaceWorld::Step(const std::function<void()>& beforeMove) {
  Context.Sprites.RemoveDead();
  if (beforeMove) beforeMove();
  Context.Sprites.Move(0);
  ScrollWayPoints(Race);
}

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

#include "engine/OmegaSprite.h"
#include "race/RaceState.h"

// What a race world borrows from its owner. Every part left empty is the world's own: a sprite
// engine, key tables nobody presses, a step counter, random numbers seeded with Seed, and the
// Normal level. The game lends its own components; a test or a benchmark names only what it watches.
struct TRaceWorldDef {
  TOmegaImageList* MenuImages = nullptr;  // none: the race pictures serve the menus' cars too
  TOmegaSprite* Sprites = nullptr;
  std::array<bool, 256>* KeyHeld = nullptr;
  std::array<bool, 256>* KeyReleased = nullptr;
  int* StepTicks = nullptr;
  std::mt19937* Random = nullptr;
  const TDifficulty* Difficulty = nullptr;  // how hard the opponents drive
  uint32_t Seed = std::mt19937::default_seed;
};

// The race state, the context every race object is made with, and the frame that advances them.
class TRaceWorld {
  // The world's own parts, made before the context that refers to them.
  std::unique_ptr<TOmegaSprite> OwnSprites;
  std::array<bool, 256> OwnKeyHeld{}, OwnKeyReleased{};
  int OwnStepTicks = 0;
  std::mt19937 OwnRandom;
  TDifficulty OwnDifficulty = TDifficulty::Normal;

 public:
  // `gameImages` are the race pictures ("Data\data2.oil"); `messages` reports the faults of the
  // world's own sprite engine.
  TRaceWorld(TOmegaImageList& gameImages, TMessageBoxes& messages, const TRaceWorldDef& def = {});
  TRaceWorld(const TRaceWorld&) = delete;
  TRaceWorld& operator=(const TRaceWorld&) = delete;

  // One frame of the race as the game runs it: the sprites killed in the last frame go,
  // `beforeMove` runs (the game draws there what the last frame reached, the autopilot presses
  // its keys), every sprite moves once (the cars steer, collide and count their laps), then the
  // way points follow the world that scrolled under the player's car. The race clock is no part
  // of it: the game ticks that on a timer of its own.
  void Step(const std::function<void()>& beforeMove = nullptr);

  TRaceState Race;
  TRaceContext Context;
};

#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaSprite.h"
#include "platform/MessageBox.h"
#include "race/EnemyCar.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "race/TrackObjects.h"

// A race without a track file: the sprite engine, picture lists whose pictures have sizes but
// no pixels, the key tables and a race state the test fills in.
class TTestRace {
 public:
  TTestRace() {
    for (const char* car : {"car1", "car2", "car3", "car4", "car5"}) {
      AddPicture(GameImages, car, 32, 56);
      AddPicture(MenuImages, car, 32, 56);
    }
    for (TOmegaImageList* list : {&GameImages, &MenuImages}) {
      AddPicture(*list, "groundpoint", 4, 4);
      AddPicture(*list, "arrows", 70, 10);
      AddPicture(*list, "dim", 32, 32);
    }
    AddPicture(GameImages, "roadstr", 100000, 100000);
    AddPicture(GameImages, "checkline", 200, 200);
    AddPicture(GameImages, "fline", 300, 20);
    Race.RaceScreen = true;
  }

  static void AddPicture(TOmegaImageList& list, const std::string& name, int width, int height) {
    TImageListItem& item = list.ImageList.Add();
    item.Name = name;
    item.TileWidth = width;
    item.TileHeight = height;
  }

  // One piece of road under the whole play area.
  TRoadPart& LayRoad() { return Sprites.Create<TRoadPart>(Context, 1, -50000.0, -50000.0); }

  // The player's car at its fixed place, as the race set-up makes it.
  TPlayer& MakePlayer(int carIndex = 1, double heading = 0) {
    TPlayer& player = Sprites.Create<TPlayer>(Context, false, heading, "player", carIndex, 321.0, 396.0);
    Race.Player = &player;
    return player;
  }

  TEnemyCar& MakeOpponent(int carIndex, double heading, double centreX, double centreY) {
    const int number = Race.OpponentCount;
    TEnemyCar& car =
        Sprites.Create<TEnemyCar>(Context, false, heading, number, "enemy", carIndex, centreY, centreX);
    Race.Opponents[number] = &car;
    return car;
  }

  void AddWayPoint(double x, double y, int keyFlag = 0) {
    Race.WayPoints.push_back({x, y, int32_t(Race.WayPoints.size()), keyFlag});
    Race.WayPointCount = int(Race.WayPoints.size()) - 1;
    Race.TrackLength.resize(Race.WayPoints.size());
    const int n = Race.WayPointCount;
    Race.TrackLength[n] = n == 1
                              ? 0
                              : Race.TrackLength[n - 1] +
                                    Distance({Race.WayPoints[n - 1].X, Race.WayPoints[n - 1].Y}, {x, y}) / 10;
    if (keyFlag > 0) ++Race.KeyWayPointCount;
  }

  // One race frame, as the game runs it.
  void Frame() { World.Step(); }
  // The same after a tick of the race clock, as in a race under way; `beforeMove` as the world's
  // step takes it.
  void RaceFrame(const std::function<void()>& beforeMove = nullptr) {
    StepRaceClock(Race);
    World.Step(beforeMove);
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
  int CountSmoke() const;

  TMessageBoxes Messages{true};
  TOmegaImageList GameImages{Messages};
  TOmegaImageList MenuImages{Messages};
  TDifficulty Difficulty = TDifficulty::Normal;  // of the opponents made from now on
  TRaceWorld World{GameImages, Messages, {.MenuImages = &MenuImages, .Difficulty = &Difficulty, .Seed = 7}};
  // The world's parts, under the names the tests use.
  TRaceState& Race = World.Race;
  TRaceContext& Context = World.Context;
  TOmegaSprite& Sprites = Context.Sprites;
  std::array<bool, 256>& KeyHeld = Context.KeyHeld;
  std::array<bool, 256>& KeyReleased = Context.KeyReleased;
  int& StepTicks = Context.StepTicks;
  std::mt19937& Random = Context.Random;
};

class CarFixture : public testing::Test, public TTestRace {};

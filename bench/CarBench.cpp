// Cost of the cars' share of a race frame: the player's car driven by the autopilot and seven
// opponents on a round track of 16 way points laid with 900 road pieces (each car's two ground
// points look for the road among them), with the finish line and three check lines, no drawing.
// The pictures have sizes but no pixels: only the simulation is measured.
#include <benchmark/benchmark.h>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/Autopilot.h"
#include "race/EnemyCar.h"
#include "race/LapLines.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/RaceWorld.h"
#include "race/TrackObjects.h"

namespace {

constexpr double kRadius = 600;

struct TBenchRace {
  TBenchRace() {
    for (const char* name : {"car1", "car2", "car3", "car4", "car5"}) Add(name, 32, 56);
    Add("groundpoint", 4, 4);
    Add("arrows", 70, 10);
    Add("dim", 32, 32);
    Add("roadstr", 100, 100);
    Add("checkline", 200, 200);
    Add("fline", 300, 20);
    Race.RaceScreen = true;
    Race.RaceLaps = 1000;
    const TPointD centre{396 - kRadius * CosDeg(-10), 321 - kRadius * SinDeg(-10)};
    auto onCircle = [&](double angle) {
      return TPointD{centre.X + kRadius * CosDeg(angle), centre.Y + kRadius * SinDeg(angle)};
    };
    for (int row = 0; row < 30; ++row) {
      for (int column = 0; column < 30; ++column) {
        Sprites.Create<TRoadPart>(Context, 1, centre.Y - 1500 + 100.0 * row,
                                  centre.X - 1500 + 100.0 * column);
      }
    }
    for (int i = 1; i <= 16; ++i) {
      const TPointD p = onCircle((i - 1) * 22.5);
      const int key = i == 1 ? 1 : i == 5 ? 2 : i == 9 ? 3 : 0;
      Race.WayPoints.push_back({p.X, p.Y, i, key});
      Race.TrackLength.push_back(i == 1 ? 0 : Race.TrackLength.back() + 2 * kRadius * SinDeg(11.25) / 10);
      if (key > 0) ++Race.KeyWayPointCount;
    }
    Race.WayPointCount = 16;
    const TPointD finish = onCircle(0);
    Sprites.Create<TFinishLine>(Context, 0.0, finish.Y, finish.X - 150);
    for (int number = 0; number < 3; ++number) {
      const TPointD line = onCircle(90.0 * (number + 1));
      Sprites.Create<TCheckLine>(Context, number, line.Y, line.X);
    }
    Race.CheckLineCount = 3;
    TPlayer& player = Sprites.Create<TPlayer>(Context, false, 80.0, "player", 2, 321.0, 396.0);
    Race.Player = &player;
    player.HasControl = true;
    for (int i = 0; i < 7; ++i) {
      const double angle = -25 - 12.0 * i;
      const TPointD slot = onCircle(angle);
      TEnemyCar& car =
          Sprites.Create<TEnemyCar>(Context, false, angle + 90, i, "enemy", i % 5, slot.Y, slot.X);
      Race.Opponents[i] = &car;
      car.Racing = true;
    }
  }

  void Add(const char* name, int width, int height) {
    TImageListItem& item = Images.ImageList.Add();
    item.Name = name;
    item.TileWidth = width;
    item.TileHeight = height;
  }

  // As the game: the race clock's tick, then the frame.
  void Frame() {
    StepRaceClock(Race);
    World.Step([this] { Autopilot.Drive(); });
  }

  TMessageBoxes Messages{true};
  TOmegaImageList Images{Messages};
  TRaceWorld World{Images, Messages, {.Seed = 1}};
  TRaceState& Race = World.Race;
  TRaceContext& Context = World.Context;
  TOmegaSprite& Sprites = Context.Sprites;
  TAutopilot Autopilot{Context};
};

void BM_CarsRaceFrame(benchmark::State& state) {
  TBenchRace race;
  for (int i = 0; i < 300; ++i) race.Frame();  // past the start, cars at speed
  for (auto _ : state) race.Frame();
  state.SetItemsProcessed(state.iterations());
  state.counters["sprites"] = race.Sprites.Count();
}
BENCHMARK(BM_CarsRaceFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

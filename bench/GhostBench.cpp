// Cost of the ghost of the best lap in a race frame: the first track's full race (four
// opponents, the player's car on autopilot), moved and drawn on the recording device, which keeps
// nothing, so only the game's own share is measured. Argument 0: the race alone; 1: the player's
// laps recorded and the ghost car driving a lap recorded before. Every frame of the race counts:
// when it is over, a new one starts (outside the timing).
//
//   ghost_bench [--benchmark_repetitions=N]   (reads the built game folder's pictures and tracks)
#include <benchmark/benchmark.h>

#include <optional>

#include "RaceBench.h"

namespace {

constexpr int kTrack = 0;
constexpr uint32_t kSeed = 9;

struct TBench : TRaceBench {
  TBench() : TRaceBench(kTrack, kSeed) {}

  std::unique_ptr<TRaceSimulation> Race(std::optional<TGhostLap> ghost) {
    auto race = TRaceBench::Race();
    if (ghost) race->StartGhost(kTrack, 0, std::move(ghost));
    return race;
  }

  // A lap of the same race, as the ghost drives it.
  TGhostLap RecordedLap() {
    auto race = Race(std::nullopt);
    race->StartGhost(kTrack, 0, std::nullopt);
    while (!race->Kept && race->Frames() < 20000) race->Frame();
    return race->Kept.value_or(TGhostLap{});
  }
};

void BM_RaceFrame(benchmark::State& state) {
  TBench bench;
  const bool withGhost = state.range(0) != 0;
  const std::optional<TGhostLap> lap = withGhost ? std::optional(bench.RecordedLap()) : std::nullopt;
  auto race = bench.Race(lap);
  for (auto _ : state) {
    if (race->AllFinished()) {
      state.PauseTiming();
      race = bench.Race(lap);
      state.ResumeTiming();
    }
    bench.Frame(*race);
  }
  state.counters["ghost samples"] = lap ? double(lap->Samples.size()) : 0;
}

}  // namespace

BENCHMARK(BM_RaceFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(3);
BENCHMARK_MAIN();

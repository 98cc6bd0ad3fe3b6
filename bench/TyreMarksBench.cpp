// Cost of the tyre marks in a race frame: Track 6's full race (six opponents, tight bends, the
// player's car on autopilot), moved and drawn on the recording device, which keeps nothing, so
// only the game's own share is measured. Argument 0: the race alone; 1: with the marks laid after
// every frame's moves and drawn among the sprites. Every frame of the race counts: when it is
// over, a new one starts (outside the timing).
//
//   tyre_marks_bench [--benchmark_repetitions=N]   (reads the built game folder's pictures and tracks)
#include <benchmark/benchmark.h>

#include "RaceBench.h"

namespace {

constexpr int kTrack = 5;
constexpr uint32_t kSeed = 9;

void BM_RaceFrame(benchmark::State& state) {
  TRaceBench bench(kTrack, kSeed);
  const bool withMarks = state.range(0) != 0;
  auto start = [&] {
    auto race = bench.Race();
    if (withMarks) race->StartTyreMarks();
    return race;
  };
  auto race = start();
  double marks = 0;
  for (auto _ : state) {
    if (race->AllFinished()) {
      state.PauseTiming();
      race = start();
      state.ResumeTiming();
    }
    bench.Frame(*race);
    if (race->TyreMarks) marks += double(race->TyreMarks->Count());
  }
  state.counters["marks kept"] = benchmark::Counter(marks, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_RaceFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(3);
BENCHMARK_MAIN();

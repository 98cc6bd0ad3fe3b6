// Cost of the ghost of the best lap in a race frame: the first track's full race (four
// opponents, the player's car on autopilot), moved and drawn on the recording device, which keeps
// nothing, so only the game's own share is measured. Argument 0: the race alone; 1: the player's
// laps recorded and the ghost car driving a lap recorded before. Every frame of the race counts:
// when it is over, a new one starts (outside the timing).
//
//   ghost_bench [--benchmark_repetitions=N]   (reads the built game folder's pictures and tracks)
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"
#include "race/GameConstants.h"
#include "race/RaceSimulation.h"

namespace {

constexpr int kTrack = 0;
constexpr uint32_t kSeed = 9;

struct TBench {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList GameImages{Messages};
  TOmegaImageList MenuImages{Messages};
  const TTrack& Track = kTrackCatalogue[kTrack];
  std::string TrackFile;

  TBench() {
    Device.RecordDraws = false;
    Screen.Initialize();
    const std::string folder = MORVEL_GAME_DIR;
    GameImages.LoadFromFile(folder + "/Data/data2.oil");
    MenuImages.LoadFromFile(folder + "/Data/data1.oil");
    for (TOmegaImageList* images : {&GameImages, &MenuImages}) {
      images->SetOmegaScreen(&Screen);
      images->BuildTextures();
    }
    const std::string dataFile(Track.DataFile);
    TrackFile = folder + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
  }

  std::unique_ptr<TRaceSimulation> Race(std::optional<TGhostLap> ghost) {
    auto race =
        std::make_unique<TRaceSimulation>(Track, TrackFile, 0, kSeed, Messages, GameImages, MenuImages);
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

  void Frame(TRaceSimulation& race) {
    Screen.Clear(0, 0, 0, 0);
    Screen.BeginScene();
    race.Draw();
    race.Frame();
    Screen.EndScene();
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

// Cost of the sprite engine's frame: move and draw passes over 1,000 sprites (32 x 32 tiles of one
// picture, spread over 50 Z values, turned, coloured, animated) on the recording device, which keeps
// nothing, so only the game's own share is measured. A second run also makes 20 smoke puffs a frame
// and removes the 20 that have died, as skidding cars do.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "platform/RecordingRenderDevice.h"

namespace {

// A race object in miniature: drifts with the world, turns, steps through its patterns and, as a
// smoke puff does, ends itself after a while when it has a lifetime.
class TDriftSprite final : public TSprite {
 public:
  TDriftSprite(TOmegaSprite& engine, TImageListItem& image, int index, int lifetime)
      : TSprite(engine), Lifetime(lifetime) {
    SetImage(&image);
    SetX(float((index * 37) % 780));
    SetY(float((index * 53) % 580));
    SetZ(index % 50);
    SetAlpha(200);
    OriginX = OriginY = 0.5f;
  }
  void DoMove(float) override {
    SetX(X() + 0.25f);
    SetY(Y() - 0.125f);
    Angle += 1;
    SetPatternIndex((PatternIndex() + 1) % 8);
    if (Lifetime > 0 && --Lifetime == 0) Kill();
  }

 private:
  int Lifetime;  // frames left; 0 lives for ever
};

struct TBench {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList Images{Messages};
  TOmegaSprite Engine{Messages};
  TImageListItem* Sheet = nullptr;

  TBench() {
    Device.RecordDraws = false;
    Screen.Initialize();
    Images.SetOmegaScreen(&Screen);
    TImageListItem& sheet = Images.ImageList.Add();
    sheet.Name = "sheet";
    sheet.SetPicture({128, 64, std::vector<uint32_t>(128 * 64, 0xFFFFFFFF)});
    sheet.TileWidth = sheet.TileHeight = 32;
    Images.BuildTextures();
    Sheet = &sheet;
  }
  void Frame() {
    Screen.Clear(0, 0, 0, 0);
    Screen.BeginScene();
    Engine.Move(0);
    Engine.Draw();
    Screen.EndScene();
  }
};

void BM_MoveAndDraw(benchmark::State& state) {
  TBench bench;
  for (int i = 0; i < state.range(0); ++i) bench.Engine.Create<TDriftSprite>(*bench.Sheet, i, 0);
  for (auto _ : state) bench.Frame();
  state.counters["sprites/s"] =
      benchmark::Counter(double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_MoveAndDrawWithSmoke(benchmark::State& state) {
  constexpr int kPuffsPerFrame = 20, kPuffLife = 15;
  TBench bench;
  for (int i = 0; i < state.range(0); ++i) bench.Engine.Create<TDriftSprite>(*bench.Sheet, i, 0);
  int made = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPuffsPerFrame; ++i)
      bench.Engine.Create<TDriftSprite>(*bench.Sheet, made++, kPuffLife);
    bench.Frame();
    bench.Engine.RemoveDead();
  }
  state.counters["sprites"] = double(bench.Engine.Count());
}

}  // namespace

BENCHMARK(BM_MoveAndDraw)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveAndDrawWithSmoke)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

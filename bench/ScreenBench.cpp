// Cost of a frame of 1,000 quads (40 x 40 pixels, turned, coloured per corner) through the display:
// on the recording device (the processor's share alone) and on the headless OpenGL device, once as
// submitted and once waited for by reading the frame back. Arguments: quads, and whether normal
// and additive blending alternate (a blend change after every quad) or not.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/OmegaRenderer.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"
#include "platform/SdlVideo.h"

namespace {

void DrawFrame(TOmegaScreen& screen, TOmegaRenderer& renderer, TTextureHandle texture, int frame, int kQuads,
               bool mixBlend) {
  screen.Clear(0, 0, 0, 0);
  screen.BeginScene();
  screen.SetTexture(texture);
  for (int i = 0; i < kQuads; ++i) {
    float x = float((i * 37) % 780), y = float((i * 53) % 580);
    screen.SetBlendMode(mixBlend && i % 2 == 1 ? 2 : 0);
    renderer.SetTexCoords({0, 0}, {1, 0}, {1, 1}, {0, 1});
    renderer.SetPositions(x - 0.5f, y - 0.5f, x + 31.5f, y - 0.5f, x + 31.5f, y + 31.5f, x - 0.5f, y + 31.5f);
    renderer.SetColors(0xFFFFFFFF, 0xFFFF8080, 0xFF80FF80, 0xFF8080FF);
    renderer.RotateScale(x + 16, y + 16, float(i + frame), 1.25f, 1.25f);
    renderer.Flush();
  }
  screen.EndScene();
}

void RunFrames(benchmark::State& state, TVideoSystem& video, bool waitForPixels = false) {
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  screen.CenterX = 400;
  screen.CenterY = 300;
  screen.Initialize();
  screen.SetTextureFilter(true);
  std::vector<uint32_t> pixels(32 * 32, 0xC0FFFFFF);
  TTextureHandle texture = screen.Device().CreateTexture(32, 32, pixels.data());
  TOmegaRenderer renderer;
  renderer.Bind(screen);
  int frame = 0;
  for (auto _ : state) {
    DrawFrame(screen, renderer, texture, frame++, int(state.range(0)), state.range(1) != 0);
    // Reading the frame back waits until the rasteriser has finished it.
    if (waitForPixels) benchmark::DoNotOptimize(screen.Device().ReadPixels());
  }
  state.counters["quads/s"] =
      benchmark::Counter(double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_FrameOf1000Quads_Recording(benchmark::State& state) {
  TRecordingRenderDevice device;
  device.RecordDraws = false;
  TDeviceOnlyVideo video(&device);
  RunFrames(state, video);
}

void BM_FrameOf1000Quads_HeadlessGl(benchmark::State& state) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  RunFrames(state, video);
}

void BM_FrameOf1000Quads_HeadlessGlReadBack(benchmark::State& state) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  RunFrames(state, video, true);
}

}  // namespace

BENCHMARK(BM_FrameOf1000Quads_Recording)->Args({1000, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameOf1000Quads_HeadlessGl)
    ->Args({0, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameOf1000Quads_HeadlessGlReadBack)
    ->Args({0, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

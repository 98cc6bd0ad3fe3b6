// Cost of text: a frame of 20 lines (about 25 characters each, the numbers changing every frame)
// with the system-font text and with the bitmap font, on the recording device (the processor's
// share alone) and on the headless OpenGL device (read back, so the rasteriser's work counts);
// and the one-off costs: making the bitmap font's texture, and a system font switching face.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaFont.h"
#include "platform/RecordingRenderDevice.h"
#include "platform/SdlVideo.h"

namespace {

constexpr int kLines = 20;

std::string Line(int line, int frame) {
  char text[64];
  std::snprintf(text, sizeof text, "Lap %d/5  Time %02d:%02d.%02d  Pos %d", line % 5 + 1, frame / 5400 % 60,
                frame / 90 % 60, frame % 90, line % 8 + 1);
  return text;
}

template <typename TDraw>
void RunFrames(benchmark::State& state, TOmegaScreen& screen, TDraw drawLine, bool readBack) {
  screen.Initialize();
  screen.SetTextureFilter(true);
  int frame = 0;
  for (auto _ : state) {
    screen.Clear(0, 0, 0, 0);
    screen.BeginScene();
    for (int line = 0; line < kLines; ++line) drawLine(20 + line * 28, Line(line, frame));
    if (readBack) benchmark::DoNotOptimize(screen.Device().ReadPixels());
    screen.EndScene();
    ++frame;
  }
  state.counters["lines/s"] =
      benchmark::Counter(double(kLines) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void SystemFontFrame(benchmark::State& state, TVideoSystem& video, bool readBack) {
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TFontLibrary fonts;
  TOmegaFont font(screen, fonts);
  font.SetFont("Arial Black", 13);
  RunFrames(
      state, screen, [&](int y, const std::string& text) { font.TextOut(30, y, text); }, readBack);
}

void BitmapFontFrame(benchmark::State& state, TVideoSystem& video, bool readBack) {
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TFontLibrary fonts;
  TOmegaBitmapFont font(screen, fonts);
  screen.Initialize();
  font.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, 18);
  RunFrames(
      state, screen,
      [&](int y, const std::string& text) { font.TextOut(30, float(y), 0, 1, 1, 0xFFFFFFFF, text, 0); },
      readBack);
}

void BM_TextFrame_SystemFont_Recording(benchmark::State& state) {
  TRecordingRenderDevice device;
  device.RecordDraws = false;
  TDeviceOnlyVideo video(&device);
  SystemFontFrame(state, video, false);
}

void BM_TextFrame_BitmapFont_Recording(benchmark::State& state) {
  TRecordingRenderDevice device;
  device.RecordDraws = false;
  TDeviceOnlyVideo video(&device);
  BitmapFontFrame(state, video, false);
}

void BM_TextFrame_SystemFont_Gl(benchmark::State& state) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  SystemFontFrame(state, video, true);
}

void BM_TextFrame_BitmapFont_Gl(benchmark::State& state) {
  TSdlVideo video(TVideoOptions{true, TRenderKind::Gl});
  BitmapFontFrame(state, video, true);
}

// The game makes its bitmap font when a screen with name fields is entered.
void BM_CreateFromSystemFont(benchmark::State& state) {
  TRecordingRenderDevice device;
  TDeviceOnlyVideo video(&device);
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TFontLibrary fonts;
  TOmegaBitmapFont font(screen, fonts);
  screen.Initialize();
  int size = int(state.range(0));
  for (auto _ : state) font.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, size);
}

// Screens set face and size on entry: after the first time the glyphs come from the library,
// and only the texture is made again as the text is drawn.
void BM_SystemFontSwitchAndDraw(benchmark::State& state) {
  TRecordingRenderDevice device;
  device.RecordDraws = false;
  TDeviceOnlyVideo video(&device);
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TFontLibrary fonts;
  TOmegaFont font(screen, fonts);
  screen.Initialize();
  screen.BeginScene();
  bool big = false;
  for (auto _ : state) {
    font.SetFont("Arial Black", (big = !big) ? 23 : 10);
    font.TextOut(30, 30, "OPTIONS");
  }
}

}  // namespace

BENCHMARK(BM_TextFrame_SystemFont_Recording)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextFrame_BitmapFont_Recording)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextFrame_SystemFont_Gl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TextFrame_BitmapFont_Gl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreateFromSystemFont)->Arg(18)->Arg(23)->Arg(41)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SystemFontSwitchAndDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

// Loading an image package of 100 PNG pictures (about 4 MB) and building its textures, as the
// game does at start-up and before its first race. Run with --peak-memory for the peak
// resident memory of one load and build, measured alone in this process.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "assets/OilWriter.h"
#include "engine/OmegaImageList.h"
#include "platform/RecordingRenderDevice.h"

namespace {

// Pictures with smooth shapes and grain, so that they compress about as much as drawn art:
// 100 pictures of 256 x 136 pixels (textures of 256 x 256) give a package of about 4 MB.
std::vector<uint8_t> BenchPackage() {
  std::vector<TOilEntry> entries;
  uint32_t seed = 12345;
  for (int n = 0; n < 100; ++n) {
    TPixmap picture{256, 136, std::vector<uint32_t>(256 * 136)};
    for (int y = 0; y < picture.Height; ++y)
      for (int x = 0; x < picture.Width; ++x) {
        seed = seed * 1664525u + 1013904223u;
        uint32_t grain = (seed >> 24) & 0x03;
        uint32_t r = (uint32_t(x + n * 7) & 0xFF) ^ grain, g = (uint32_t(y * 2 + n) & 0xFF) ^ grain;
        uint32_t b = uint32_t((x * y) >> 6) & 0xFF;
        picture.Pixels[size_t(y) * 256 + size_t(x)] = 0xFF000000u | r << 16 | g << 8 | b;
      }
    TOilEntry entry;
    entry.Name = "picture" + std::to_string(n);
    entry.PictureClass = "TPNGObject";
    entry.PictureFile = EncodePng(picture);
    entry.TileWidth = 64, entry.TileHeight = 64;
    entry.TransparentColor = 0xFF00FF, entry.Transparent = n % 2 == 0;
    entries.push_back(std::move(entry));
  }
  return WriteImagePackage(entries);
}

const std::vector<uint8_t>& Package() {
  static const std::vector<uint8_t> package = BenchPackage();
  return package;
}

struct TDisplay {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TDisplay() { Screen.Initialize(); }
};

void LoadAndBuild(TDisplay& display) {
  TOmegaImageList list(display.Messages);
  list.ImageList.LoadFromStream(Package());
  list.SetOmegaScreen(&display.Screen);  // builds the textures on a device that keeps them
  benchmark::DoNotOptimize(list.Items(99).Texture());
}

void BM_LoadPackage(benchmark::State& state) {
  TMessageBoxes messages(true);
  for (auto _ : state) {
    TImageListCollection list;
    list.LoadFromStream(Package());
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Package().size()));
}
BENCHMARK(BM_LoadPackage)->Unit(benchmark::kMillisecond);

void BM_LoadPackageAndBuildTextures(benchmark::State& state) {
  TDisplay display;
  for (auto _ : state) LoadAndBuild(display);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Package().size()));
}
BENCHMARK(BM_LoadPackageAndBuildTextures)->Unit(benchmark::kMillisecond);

// A line of /proc/self/status in kilobytes ("VmRSS", "VmHWM").
long StatusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  return -1;
}

int PeakMemoryRun() {
  const std::vector<uint8_t>& package = Package();
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
  long before = StatusKilobytes("VmRSS");
  {
    TDisplay display;
    LoadAndBuild(display);
  }
  long peak = StatusKilobytes("VmHWM");
  std::printf(
      "package %zu bytes; resident %ld KB before loading, peak %ld KB while loading and building "
      "(+%ld KB)\n",
      package.size(), before, peak, peak - before);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--peak-memory") == 0) return PeakMemoryRun();
  benchmark::Initialize(&argc, argv);
  Package();  // made once, outside the timed runs
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

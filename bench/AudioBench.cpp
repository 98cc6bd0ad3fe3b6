// Cost of the game's sound: mixing one second of 44100 Hz stereo with sound effects, cars' engines
// and a music module playing, fed in the sound card's 1024-frame callbacks. The module's worker thread
// renders on its own thread, so the process's processor time is what counts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "assets/OmegaSound3D.h"
#include "assets/SoundVoice.h"
#include "platform/Clock.h"
#include "tools/xm/XmWriter.h"

namespace {

constexpr int kCardFrames = 1024;

std::filesystem::path BenchFolder() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "morvel-audio-bench";
  std::filesystem::create_directories(folder);
  return folder;
}

// Half a second of a falling 22050 Hz mono tone, like the game's short effects; or a second of a
// steady buzz, like the engines' loops.
void WriteEffect(const std::filesystem::path& path, double hz, bool loop = false) {
  std::vector<int16_t> samples;
  const int length = loop ? 22050 : 11025;
  for (int i = 0; i < length; ++i)
    samples.push_back(int16_t(8000 * std::sin(2 * M_PI * hz * i / 22050) * (loop ? 1 : 1 - i / 11025.0)));
  std::ofstream out(path, std::ios::binary);
  auto put = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(char(value >> (8 * i)));
  };
  out.write("RIFF", 4);
  put(36 + uint32_t(samples.size()) * 2, 4);
  out.write("WAVEfmt ", 8);
  put(16, 4);     // format chunk size
  put(1, 2);      // PCM
  put(1, 2);      // mono
  put(22050, 4);  // samples a second
  put(44100, 4);  // bytes a second
  put(2, 2);      // bytes a frame
  put(16, 2);     // bits
  out.write("data", 4);
  put(uint32_t(samples.size()) * 2, 4);
  for (int16_t sample : samples) put(uint16_t(sample), 2);
}

// Eight channels of notes on a looping sample instrument, 64 rows: a busy piece of game music.
TXmModule Music() {
  TXmSample saw;
  for (int i = 0; i < 256; ++i) saw.Data.push_back(int16_t(-16000 + i * 125));
  saw.Loop = TXmLoop::Forward;
  saw.LoopLength = uint32_t(saw.Data.size());
  TXmInstrument instrument;
  instrument.Samples.push_back(saw);
  TXmModule module;
  module.Channels = 8;
  module.Instruments.push_back(instrument);
  TXmPattern pattern(64, 8);
  const char* notes[] = {"C-3", "E-3", "G-3", "B-3", "C-4", "D-4", "G-4", "A-4"};
  for (int row = 0; row < 64; row += 2)
    for (int channel = 0; channel < 8; ++channel)
      pattern.At(row, channel) = {XmNote(notes[(row / 2 + channel) % 8]), 1, XmVolume(24), kXmEffectVibrato,
                                  0x23};
  module.Patterns.push_back(pattern);
  module.Orders = {0};
  return module;
}

struct TScene {
  TScene(int effects, bool music, int engines = 0) : Sound3D(Clock) {
    const std::filesystem::path folder = BenchFolder();
    TAudioPathListItem& path = Sound3D.AudioPathList.Add();
    path.AudioPathType = TAudioPathType::aptStereo;
    Sound3D.CreateAudioPaths();
    for (int i = 0; i < effects; ++i) {
      const std::filesystem::path file = folder / ("effect" + std::to_string(i) + ".wav");
      WriteEffect(file, 440.0 * (i + 1));
      TSoundListItem& sound = Sound3D.SoundList.Add();
      sound.FileName = file.string();
      sound.Loop = true;  // sounding all the time
      sound.Play();
    }
    for (int i = 0; i < engines; ++i) {
      const std::filesystem::path file = folder / ("engine" + std::to_string(i) + ".wav");
      WriteEffect(file, 40.0 + 4 * i, true);
      TSoundListItem& sound = Sound3D.SoundList.Add();
      sound.FileName = file.string();
      Engines.push_back({&sound, std::make_unique<TSoundVoice>(Sound3D)});
    }
    if (music) {
      WriteXmFile(Music(), (folder / "music.xm").string());
      Module = &Sound3D.ModList.Add();
      Module->FileName = (folder / "music.xm").string();
      Module->Loop = true;
      Module->Play();
    }
  }

  // One second as the sound card takes it. Between two callbacks the race steers every engine to
  // a new pitch and level, as it does every frame.
  void MixSecond() {
    for (int done = 0; done < TSoundMixer::kRate; done += kCardFrames) {
      if (Module) Module->WaitForRefills();
      ++Callbacks;
      for (size_t i = 0; i < Engines.size(); ++i)
        Engines[i].Voice->Loop(*Engines[i].Sound, 0.3, 1.0 + 0.02 * double((Callbacks + i * 7) % 90));
      Sound3D.Mix(Out.data(), kCardFrames);
    }
    benchmark::DoNotOptimize(Out.data());
  }

  TVirtualClock Clock;
  TOmegaSound3D Sound3D;
  TModListItem* Module = nullptr;
  struct TEngine {
    TSoundListItem* Sound;
    std::unique_ptr<TSoundVoice> Voice;
  };
  std::vector<TEngine> Engines;  // after Sound3D: the voices stop before the mixer goes
  size_t Callbacks = 0;
  std::vector<int16_t> Out = std::vector<int16_t>(kCardFrames * 2);
};

void BM_MixSecond(benchmark::State& state) {
  TScene scene(int(state.range(0)), state.range(1) != 0, int(state.range(2)));
  scene.MixSecond();
  scene.MixSecond();  // past the silent start: the worker renders from here on
  for (auto _ : state) scene.MixSecond();
}
BENCHMARK(BM_MixSecond)
    ->ArgNames({"effects", "module", "engines"})
    ->Args({3, 1, 0})
    ->Args({3, 0, 0})
    ->Args({0, 1, 0})
    ->Args({0, 0, 8})
    ->Args({3, 1, 8})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

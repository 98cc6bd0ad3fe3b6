#include "audio/AudioFixtures.h"

#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <fstream>
#include <sstream>

std::filesystem::path FreshFolder(const std::string& name) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("morvel-audio-" + std::string(test->name()) + "-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

namespace {

void Put(std::ofstream& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteWaveFile(const std::filesystem::path& path, int rate, int channels, int bits,
                   const std::vector<int16_t>& samples) {
  const uint32_t width = uint32_t(bits / 8);
  const uint32_t dataBytes = uint32_t(samples.size()) * width;
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  Put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, uint32_t(channels), 2);
  Put(out, uint32_t(rate), 4);
  Put(out, uint32_t(rate) * uint32_t(channels) * width, 4);
  Put(out, uint32_t(channels) * width, 2);
  Put(out, uint32_t(bits), 2);
  out.write("data", 4);
  Put(out, dataBytes, 4);
  for (int16_t sample : samples) {
    if (bits == 8)
      out.put(char((sample >> 8) + 128));  // 8-bit wave samples are unsigned
    else
      Put(out, uint16_t(sample), 2);
  }
}

TXmModule ToneModule(int rows) {
  TXmSample square;
  square.Name = "square";
  for (int i = 0; i < 64; ++i) square.Data.push_back(i < 32 ? 12000 : -12000);
  square.Loop = TXmLoop::Forward;
  square.LoopLength = uint32_t(square.Data.size());
  const TXmTuning tuning = XmTuneFor(22050);
  square.RelativeNote = tuning.RelativeNote;
  square.FineTune = tuning.FineTune;

  TXmInstrument instrument;
  instrument.Name = "tone";
  instrument.Samples.push_back(square);

  TXmModule module;
  module.Name = "tone";
  module.Channels = 2;
  module.Instruments.push_back(instrument);
  TXmPattern pattern(rows, module.Channels);
  const char* notes[] = {"C-4", "E-4", "G-4", "C-5"};
  for (int row = 0; row < rows; row += 4) {
    pattern.At(row, 0) = {XmNote(notes[(row / 4) % 4]), 1, XmVolume(48)};
  }
  module.Patterns.push_back(pattern);
  module.Orders = {0};
  return module;
}

std::vector<int16_t> ReferenceRender(const std::vector<uint8_t>& module, bool loop, int frames) {
  std::ostringstream log;
  openmpt::module player(module.data(), module.size(), log);
  player.set_repeat_count(loop ? -1 : 0);
  player.ctl_set_integer("dither", 0);  // the library's default dither is seeded at random
  std::vector<int16_t> samples(size_t(frames) * 2);
  size_t done = 0;
  while (done < size_t(frames)) {
    const size_t got =
        player.read_interleaved_stereo(22050, size_t(frames) - done, samples.data() + done * 2);
    if (got == 0) break;
    done += got;
  }
  samples.resize(done * 2);
  return samples;
}

double Energy(const std::vector<int16_t>& samples, int from, int to) {
  double sum = 0;
  for (int i = from * 2; i < to * 2; ++i) sum += double(samples[size_t(i)]) * samples[size_t(i)];
  return to > from ? sum / ((to - from) * 2) : 0;
}

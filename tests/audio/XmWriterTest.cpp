#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "audio/AudioFixtures.h"
#include "tools/xm/XmWriter.h"

namespace {

std::unique_ptr<openmpt::module> Open(const TXmModule& module) {
  const std::vector<uint8_t> bytes = WriteXm(module);
  static std::ostringstream log;
  return std::make_unique<openmpt::module>(bytes.data(), bytes.size(), log);
}

// Zero crossings from below a second of rendering, i.e. the pitch in Hz of a plain tone.
int RisingCrossingsPerSecond(openmpt::module& player) {
  std::vector<int16_t> samples(22050 * 2);
  player.read_interleaved_stereo(22050, 22050, samples.data());
  int crossings = 0;
  for (size_t i = 2; i < samples.size(); i += 2)
    if (samples[i - 2] < 0 && samples[i] >= 0) ++crossings;
  return crossings;
}

// One note held for a whole long pattern on an instrument of one sample.
TXmModule HeldNote(const TXmSample& sample, const std::string& note) {
  TXmModule module;
  module.Channels = 1;
  TXmInstrument instrument;
  instrument.Samples.push_back(sample);
  module.Instruments.push_back(instrument);
  TXmPattern pattern(64, 1);
  pattern.At(0, 0) = {XmNote(note), 1};
  module.Patterns.push_back(pattern);
  module.Orders = {0};
  return module;
}

// A looping sine of period samples, tuned so that C-4 plays it at 22050 samples a second.
TXmSample Sine(int period, bool sixteenBit) {
  TXmSample sample;
  for (int i = 0; i < period * 4; ++i)
    sample.Data.push_back(int16_t(20000 * std::sin(2 * M_PI * i / period)));
  sample.SixteenBit = sixteenBit;
  sample.Loop = TXmLoop::Forward;
  sample.LoopLength = uint32_t(sample.Data.size());
  const TXmTuning tuning = XmTuneFor(22050);
  sample.RelativeNote = tuning.RelativeNote;
  sample.FineTune = tuning.FineTune;
  return sample;
}

}  // namespace

TEST(XmWriterTest, TheModulePlayerReadsTheShapeAndCellsBack) {
  TXmModule module = ToneModule(16);
  module.Patterns.push_back(TXmPattern(8, module.Channels));
  module.Patterns[1].At(3, 1) = {XmNote("A#3"), 1, XmVolume(64), kXmEffectVolumeSlide, 0x0F};
  module.Patterns[1].At(7, 0) = {kXmKeyOff, 0, 0, kXmEffectSpeed, 3};
  module.Orders = {0, 1, 0};
  auto player = Open(module);
  EXPECT_EQ(player->get_num_channels(), 2);
  EXPECT_EQ(player->get_num_patterns(), 2);
  EXPECT_EQ(player->get_num_orders(), 3);
  EXPECT_EQ(player->get_num_instruments(), 1);
  EXPECT_EQ(player->get_num_samples(), 1);
  EXPECT_EQ(player->get_pattern_num_rows(1), 8);
  // The player numbers notes one octave above the file's numbers.
  EXPECT_EQ(player->get_pattern_row_channel_command(1, 3, 1, openmpt::module::command_note),
            XmNote("A#3") + 12);
  EXPECT_EQ(player->get_pattern_row_channel_command(1, 3, 1, openmpt::module::command_instrument), 1);
  EXPECT_EQ(player->get_pattern_row_channel_command(1, 3, 1, openmpt::module::command_parameter), 0x0F);
  EXPECT_EQ(player->get_pattern_row_channel_command(0, 4, 0, openmpt::module::command_note),
            XmNote("E-4") + 12);
  EXPECT_EQ(player->get_pattern_row_channel_command(1, 2, 0, openmpt::module::command_note), 0);
  // 16 rows, 8 rows (the last one at speed 3) and 16 rows again, at 2.5 / 125 s a tick.
  EXPECT_NEAR(player->get_duration_seconds(), (16 * 6 + 7 * 6 + 3 + 16 * 3) * 0.02, 0.001);
}

TEST(XmWriterTest, SamplesOfEitherWidthSoundAtTheirTunedPitch) {
  struct TCase {
    bool SixteenBit;
    const char* Note;
    int Hz;  // 22050 / 50-sample period, an octave up for C-5
  };
  for (const TCase& c : {TCase{true, "C-4", 441}, TCase{false, "C-4", 441}, TCase{true, "C-5", 882}}) {
    auto player = Open(HeldNote(Sine(50, c.SixteenBit), c.Note));
    EXPECT_NEAR(RisingCrossingsPerSecond(*player), c.Hz, 3)
        << c.Note << (c.SixteenBit ? " 16-bit" : " 8-bit");
  }
}

TEST(XmWriterTest, ALoopingModuleGoesOnAtItsRestartPosition) {
  for (uint16_t restart : {0, 1}) {
    TXmModule module = ToneModule(4);
    module.Patterns.push_back(ToneModule(4).Patterns[0]);
    module.Patterns.push_back(ToneModule(4).Patterns[0]);
    module.Orders = {0, 1, 2};
    module.RestartPosition = restart;
    auto player = Open(module);
    player->set_repeat_count(-1);
    // Three patterns of 0.48 s, then a quarter of a pattern into the repeat.
    std::vector<int16_t> samples(size_t(22050 * 1.56) * 2);
    player->read_interleaved_stereo(22050, samples.size() / 2, samples.data());
    EXPECT_EQ(player->get_current_order(), restart);
  }
}

TEST(XmWriterTest, EnvelopesAndAnEmptyInstrumentAreAccepted) {
  TXmModule module = ToneModule(8);
  module.Instruments[0].VolumeEnvelope.Points = {{0, 64}, {10, 32}, {40, 0}};
  module.Instruments[0].VolumeEnvelope.Sustain = 1;
  module.Instruments[0].FadeOut = 1024;
  module.Instruments.emplace_back().Name = "silent";
  module.Patterns[0].At(2, 1) = {XmNote("C-4"), 2};
  auto player = Open(module);
  EXPECT_EQ(player->get_num_instruments(), 2);
  EXPECT_GT(RisingCrossingsPerSecond(*player), 0);
}

TEST(XmWriterTest, ModulesBreakingTheFormatsLimitsAreRefused) {
  struct TCase {
    const char* What;
    void (*Break)(TXmModule&);
  };
  const TCase cases[] = {
      {"no orders", [](TXmModule& m) { m.Orders.clear(); }},
      {"order of a missing pattern",
       [](TXmModule& m) {
         m.Orders = {0, 1};
       }},
      {"restart beyond the orders", [](TXmModule& m) { m.RestartPosition = 1; }},
      {"pattern of other width", [](TXmModule& m) { m.Patterns.push_back(TXmPattern(4, 3)); }},
      {"missing instrument", [](TXmModule& m) { m.Patterns[0].At(1, 1).Instrument = 2; }},
      {"33 channels", [](TXmModule& m) { m.Channels = 33; }},
      {"loop beyond the sample", [](TXmModule& m) { m.Instruments[0].Samples[0].LoopStart = 1; }},
      {"falling envelope ticks",
       [](TXmModule& m) {
         m.Instruments[0].VolumeEnvelope.Points = {{5, 1}, {5, 2}};
       }},
      {"note above key off", [](TXmModule& m) { m.Patterns[0].At(0, 0).Note = 98; }},
  };
  for (const TCase& c : cases) {
    TXmModule module = ToneModule(8);
    c.Break(module);
    EXPECT_THROW(WriteXm(module), std::invalid_argument) << c.What;
  }
  EXPECT_NO_THROW(WriteXm(ToneModule(8)));
}

TEST(XmWriterTest, NoteNamesAndTuning) {
  EXPECT_EQ(XmNote("C-0"), 1);
  EXPECT_EQ(XmNote("C-4"), 49);
  EXPECT_EQ(XmNote("C#4"), 50);
  EXPECT_EQ(XmNote("B-7"), 96);
  for (const char* bad : {"H-4", "C-8", "E#4", "C4", "c-4", "C-4 "})
    EXPECT_THROW(XmNote(bad), std::invalid_argument) << bad;
  for (double rate : {8363.0, 22050.0, 44100.0, 11025.0, 4000.0}) {
    const TXmTuning tuning = XmTuneFor(rate);
    EXPECT_GE(tuning.FineTune, -64);
    EXPECT_LT(tuning.FineTune, 64);
    EXPECT_NEAR(8363.0 * std::pow(2.0, (tuning.RelativeNote + tuning.FineTune / 128.0) / 12.0), rate,
                rate * 0.0005);
  }
}

TEST(XmWriterTest, AFileIsWrittenOrTheFailureRaised) {
  const std::filesystem::path folder = FreshFolder("file");
  WriteXmFile(ToneModule(4), (folder / "tone.xm").string());
  EXPECT_EQ(std::filesystem::file_size(folder / "tone.xm"), WriteXm(ToneModule(4)).size());
  EXPECT_THROW(WriteXmFile(ToneModule(4), (folder / "missing" / "tone.xm").string()), std::runtime_error);
}

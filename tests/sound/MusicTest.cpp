#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <libopenmpt/libopenmpt.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Wave.h"
#include "sound/SoundLevels.h"

namespace {

constexpr int kRate = 22050;

std::vector<char> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Interleaved stereo of up to `seconds` of the module from where it stands.
std::vector<int16_t> Render(openmpt::module& player, double seconds) {
  const size_t frames = size_t(seconds * kRate);
  std::vector<int16_t> samples(frames * 2);
  size_t done = 0;
  while (done < frames) {
    const size_t got = player.read_interleaved_stereo(kRate, frames - done, samples.data() + done * 2);
    if (got == 0) break;
    done += got;
  }
  samples.resize(done * 2);
  return samples;
}

// A tune's file with how long it must play before it comes round again, and how long it may last.
struct TTuneCase {
  const char* File;
  double MinLoopSeconds;
  double MaxSeconds;
};

void PrintTo(const TTuneCase& tune, std::ostream* out) {
  *out << tune.File;
}

class TuneTest : public testing::TestWithParam<TTuneCase> {
 protected:
  void SetUp() override {
    Bytes = ReadFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + GetParam().File);
    ASSERT_GT(Bytes.size(), size_t(80)) << GetParam().File;
    Player = std::make_unique<openmpt::module>(Bytes.data(), Bytes.size(), Log);
    Player->ctl_set_integer("dither", 0);
  }

  // The order the tune goes back to at its end, from the module's header.
  int RestartOrder() const { return uint8_t(Bytes[66]) | uint8_t(Bytes[67]) << 8; }

  std::vector<char> Bytes;
  std::ostringstream Log;
  std::unique_ptr<openmpt::module> Player;
};

// A race of a few minutes should not hear its tune come round every minute: the part that loops
// lasts at least MinLoopSeconds and is made of eight patterns or more.
TEST_P(TuneTest, LoopsNoSoonerThanItsLeastAndIsVaried) {
  const double seconds = Player->get_duration_seconds();
  EXPECT_LE(seconds, GetParam().MaxSeconds);
  const double restart = Player->set_position_order_row(RestartOrder(), 0);
  EXPECT_GE(seconds - restart, GetParam().MinLoopSeconds) << "the loop from order " << RestartOrder();
  std::set<int> patterns;
  for (int order = 0; order < Player->get_num_orders(); ++order)
    patterns.insert(Player->get_order_pattern(order));
  EXPECT_GE(patterns.size(), size_t(8));
}

TEST_P(TuneTest, PlaysAtASaneLevelFromItsFirstSecondsToItsEnd) {
  const std::vector<int16_t> start = Render(*Player, 4.0);
  ASSERT_EQ(start.size(), size_t(4 * kRate * 2));
  EXPECT_GT(MeasureLevels(start, 0, start.size(), 1).Rms, 0.02) << "silent start";
  std::vector<int16_t> all = start;
  const std::vector<int16_t> rest = Render(*Player, 100.0);
  all.insert(all.end(), rest.begin(), rest.end());
  const TLevels levels = MeasureLevels(all, 0, all.size(), 1);
  EXPECT_GT(levels.Rms, 0.03);
  EXPECT_LT(levels.Rms, 0.5);
  EXPECT_LE(levels.Clipped, 8) << "of " << all.size() << " samples";
  // Every stretch of a few seconds has music in it: no dead patterns.
  const size_t window = size_t(3 * kRate * 2);
  for (size_t from = 0; from + window <= all.size(); from += window) {
    EXPECT_GT(MeasureLevels(all, from, from + window, 1).Rms, 0.01)
        << "quiet at " << from / 2.0 / kRate << " s";
  }
}

TEST_P(TuneTest, LoopsBackToItsRestartPosition) {
  const double seconds = Player->get_duration_seconds();
  Player->set_repeat_count(-1);
  const std::vector<int16_t> played = Render(*Player, seconds + 10.0);
  ASSERT_EQ(played.size(), size_t((seconds + 10.0) * kRate) * 2) << "playing stopped at the end";
  const size_t tail = size_t(8 * kRate * 2);
  EXPECT_GT(MeasureLevels(played, played.size() - tail, played.size(), 1).Rms, 0.02);
  EXPECT_GT(Player->get_current_order(), 0) << "should continue past the intro, not restart from it";
}

INSTANTIATE_TEST_SUITE_P(GameMusic, TuneTest,
                         testing::Values(TTuneCase{"1.xm", 60, 180}, TTuneCase{"2.xm", 120, 240},
                                         TTuneCase{"3.xm", 60, 180}),
                         [](const testing::TestParamInfo<TTuneCase>& info) {
                           return std::string("Tune") + info.param.File[0];
                         });

// The three tunes must not be one tune three times.
TEST(GameMusic, EachTuneHasItsOwnPace) {
  std::vector<double> bpms;
  for (const char* name : {"1.xm", "2.xm", "3.xm"}) {
    const std::vector<char> bytes = ReadFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + name);
    std::ostringstream log;
    openmpt::module player(bytes.data(), bytes.size(), log);
    bpms.push_back(player.get_current_estimated_bpm());
  }
  EXPECT_NE(bpms[0], bpms[1]);
  EXPECT_NE(bpms[1], bpms[2]);
  EXPECT_NE(bpms[0], bpms[2]);
}

// The start lights' beeps sound over the race music, not far above it: their loudness (root mean
// square) lies within 3 dB of the race tune's.
TEST(StartLightBeeps, AreAsLoudAsTheRaceMusic) {
  const std::vector<char> bytes = ReadFile(std::string(MORVEL_GAME_DIR) + "/Sounds/2.xm");
  std::ostringstream log;
  openmpt::module player(bytes.data(), bytes.size(), log);
  player.ctl_set_integer("dither", 0);
  const std::vector<int16_t> music = Render(player, 60.0);
  const double musicRms = MeasureLevels(music, 0, music.size(), 1).Rms;
  for (const char* beep : {"svet1.wav", "svet2.wav"}) {
    const std::optional<TWaveSound> sound =
        LoadWaveFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + beep, 44100);
    ASSERT_TRUE(sound) << beep;
    const double decibels =
        20 * std::log10(MeasureLevels(sound->Samples, 0, sound->Samples.size(), 1).Rms / musicRms);
    EXPECT_LE(std::abs(decibels), 3.0) << beep << " against the music";
  }
}

}  // namespace

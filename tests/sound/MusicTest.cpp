#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <libopenmpt/libopenmpt.hpp>
#include <sstream>
#include <string>
#include <vector>

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

class TuneTest : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Bytes = ReadFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + GetParam());
    ASSERT_FALSE(Bytes.empty()) << GetParam();
    Player = std::make_unique<openmpt::module>(Bytes.data(), Bytes.size(), Log);
    Player->ctl_set_integer("dither", 0);
  }

  std::vector<char> Bytes;
  std::ostringstream Log;
  std::unique_ptr<openmpt::module> Player;
};

TEST_P(TuneTest, LastsHalfAMinuteToAMinuteAndAHalf) {
  const double seconds = Player->get_duration_seconds();
  EXPECT_GE(seconds, 30.0);
  EXPECT_LE(seconds, 90.0);
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

INSTANTIATE_TEST_SUITE_P(GameMusic, TuneTest, testing::Values("1.xm", "2.xm", "3.xm"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string("Tune") + info.param[0];
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

}  // namespace

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <ostream>
#include <string>

#include "platform/Wave.h"
#include "sound/SoundLevels.h"

namespace {

constexpr int kRate = 44100;

struct TEffectCase {
  const char* Name;
  double MinSeconds;
  double MaxSeconds;
};

void PrintTo(const TEffectCase& effect, std::ostream* out) {
  *out << effect.Name;
}

class SoundEffectTest : public testing::TestWithParam<TEffectCase> {};

TEST_P(SoundEffectTest, LoadsWithTheGamesReaderAtASensibleLengthAndLevel) {
  const TEffectCase& effect = GetParam();
  const std::optional<TWaveSound> sound =
      LoadWaveFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + effect.Name, kRate);
  ASSERT_TRUE(sound) << effect.Name;
  const double seconds = double(sound->Frames()) / kRate;
  EXPECT_GE(seconds, effect.MinSeconds);
  EXPECT_LE(seconds, effect.MaxSeconds);
  const TLevels left = MeasureLevels(sound->Samples, 0, sound->Samples.size(), 2);
  EXPECT_GT(left.Rms, 0.05) << "too quiet";
  EXPECT_LT(left.Rms, 0.6) << "too loud";
  EXPECT_LE(left.Clipped, 4);
}

INSTANTIATE_TEST_SUITE_P(
    GameSounds, SoundEffectTest,
    testing::Values(TEffectCase{"Lighter 03.wav", 0.02, 0.3}, TEffectCase{"Switch 04.wav", 0.03, 0.4},
                    TEffectCase{"Car Start 01.wav", 1.0, 4.0}, TEffectCase{"finish.wav", 1.0, 5.0},
                    TEffectCase{"svet1.wav", 0.1, 1.0}, TEffectCase{"svet2.wav", 0.1, 1.5},
                    TEffectCase{"engine1.wav", 0.5, 2.0}, TEffectCase{"engine2.wav", 0.5, 2.0},
                    TEffectCase{"engine3.wav", 0.5, 2.0}, TEffectCase{"engine4.wav", 0.5, 2.0},
                    TEffectCase{"engine5.wav", 0.5, 2.0}, TEffectCase{"skid.wav", 0.5, 2.0},
                    TEffectCase{"crash.wav", 0.1, 1.0}, TEffectCase{"lap.wav", 0.1, 1.0}),
    [](const testing::TestParamInfo<TEffectCase>& info) {
      std::string name;
      for (const char* c = info.param.Name; *c && *c != '.'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
      }
      return name;
    });

// The "go" light must sound higher than the "ready" lights, or the start is hard to read by ear.
TEST(StartLightBeeps, GoBeepIsHigherThanReadyBeep) {
  const std::string folder = std::string(MORVEL_GAME_DIR) + "/Sounds/";
  const std::optional<TWaveSound> ready = LoadWaveFile(folder + "svet1.wav", kRate);
  const std::optional<TWaveSound> go = LoadWaveFile(folder + "svet2.wav", kRate);
  ASSERT_TRUE(ready && go);
  const double readyPitch =
      MeasureLevels(ready->Samples, 0, ready->Samples.size(), 2).Crossings / double(ready->Frames());
  const double goPitch =
      MeasureLevels(go->Samples, 0, go->Samples.size(), 2).Crossings / double(go->Frames());
  EXPECT_GT(goPitch, readyPitch * 1.5);
}

// Engines and tyres play as loops: the step from a loop's last sample back to its first must be
// no larger than the sound's own steps, or every turn of the loop clicks.
class LoopTest : public testing::TestWithParam<const char*> {};

TEST_P(LoopTest, RunsFromItsEndIntoItsStartWithoutAClick) {
  const std::optional<TWaveSound> sound =
      LoadWaveFile(std::string(MORVEL_GAME_DIR) + "/Sounds/" + GetParam(), kRate);
  ASSERT_TRUE(sound);
  const std::vector<int16_t>& s = sound->Samples;
  double sum = 0;
  for (size_t i = 2; i < s.size(); i += 2) sum += double(s[i] - s[i - 2]) * (s[i] - s[i - 2]);
  const double typicalStep = std::sqrt(sum / double(s.size() / 2 - 1));
  const double seam = std::abs(s[0] - s[s.size() - 2]);
  EXPECT_LE(seam, 3 * typicalStep) << "typical step " << typicalStep;
}

INSTANTIATE_TEST_SUITE_P(RaceLoops, LoopTest,
                         testing::Values("engine1.wav", "engine2.wav", "engine3.wav", "engine4.wav",
                                         "engine5.wav", "skid.wav"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param, std::strchr(info.param, '.'));
                         });

// Each car of the catalogue has an engine of its own: no two loops are near copies of each other.
TEST(EngineSounds, EveryCarSoundsDifferent) {
  std::vector<std::vector<int16_t>> engines;
  for (int car = 1; car <= 5; ++car) {
    const std::optional<TWaveSound> sound =
        LoadWaveFile(std::string(MORVEL_GAME_DIR) + "/Sounds/engine" + std::to_string(car) + ".wav", kRate);
    ASSERT_TRUE(sound) << car;
    engines.push_back(sound->Samples);
  }
  for (size_t a = 0; a < engines.size(); ++a) {
    for (size_t b = a + 1; b < engines.size(); ++b) {
      double ab = 0, aa = 0, bb = 0;
      for (size_t i = 0; i < std::min(engines[a].size(), engines[b].size()); i += 2) {
        ab += double(engines[a][i]) * engines[b][i];
        aa += double(engines[a][i]) * engines[a][i];
        bb += double(engines[b][i]) * engines[b][i];
      }
      EXPECT_LT(std::abs(ab) / std::sqrt(aa * bb), 0.5) << "engines " << a + 1 << " and " << b + 1;
    }
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cctype>
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
                    TEffectCase{"svet1.wav", 0.1, 1.0}, TEffectCase{"svet2.wav", 0.1, 1.5}),
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

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "assets/OmegaSound3D.h"
#include "assets/SoundVoice.h"
#include "audio/AudioFixtures.h"
#include "platform/Clock.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 1024;  // what the sound card asks for at a time
constexpr double kAmplitude = 12000;
constexpr double kTone = 450;  // a whole number of cycles in the wave: it loops without a seam

// The largest step between neighbouring samples of a channel (0 left, 1 right): a click shows as
// a step far beyond what the tone itself makes.
int LargestStep(const std::vector<int16_t>& samples, int channel = 0) {
  int largest = 0;
  for (size_t i = size_t(2 + channel); i < samples.size(); i += 2)
    largest = std::max(largest, std::abs(samples[i] - samples[i - 2]));
  return largest;
}

// The largest step a sine of this amplitude makes at this pitch.
double ToneStep(double rate) {
  return kAmplitude * 2 * std::numbers::pi * kTone * rate / kRate;
}

// Mean square of one channel (0 left, 1 right) of interleaved stereo.
double ChannelEnergy(const std::vector<int16_t>& samples, int channel) {
  double sum = 0;
  for (size_t i = size_t(channel); i < samples.size(); i += 2) sum += double(samples[i]) * samples[i];
  return sum / double(samples.size() / 2);
}

class SoundVoiceTest : public testing::Test {
 protected:
  SoundVoiceTest() : Sound3D(Clock) {
    std::vector<int16_t> tone(size_t(kRate) / 10 * 2);
    for (size_t i = 0; i < tone.size(); ++i)
      tone[i] =
          int16_t(std::lround(kAmplitude * std::sin(2 * std::numbers::pi * kTone * double(i / 2) / kRate)));
    const std::filesystem::path file = FreshFolder("voice") / "tone.wav";
    WriteWaveFile(file, kRate, 2, 16, tone);
    Tone.FileName = file.string();
  }

  std::vector<int16_t> Mix(int blocks) {
    std::vector<int16_t> out(size_t(kBlock) * 2 * size_t(blocks));
    for (int b = 0; b < blocks; ++b) Sound3D.Mix(out.data() + size_t(b) * kBlock * 2, kBlock);
    return out;
  }

  TVirtualClock Clock;
  TOmegaSound3D Sound3D;
  TSoundListItem& Tone = Sound3D.SoundList.Add();
};

TEST_F(SoundVoiceTest, LevelAndPitchChangesGlideWithoutAClick) {
  TSoundVoice voice(Sound3D);
  voice.Loop(Tone, 0.2, 1.0);
  std::vector<int16_t> heard = Mix(4);
  // Sudden jumps of what is asked, as a car that hits the throttle hard would ask for them.
  for (const auto& [gain, rate] : {std::pair{1.0, 2.5}, std::pair{0.3, 1.2}, std::pair{1.0, 1.0}}) {
    voice.Loop(Tone, gain, rate);
    const std::vector<int16_t> more = Mix(3);
    heard.insert(heard.end(), more.begin(), more.end());
  }
  EXPECT_LE(LargestStep(heard), ToneStep(2.5) * 1.1);
  EXPECT_GT(LargestStep(heard), ToneStep(2.5) * 0.5) << "the high pitch was never reached";
  EXPECT_TRUE(voice.Playing());
}

TEST_F(SoundVoiceTest, StartingAndSilencingFadeInsteadOfCutting) {
  TSoundVoice voice(Sound3D);
  voice.Loop(Tone, 1.0, 1.0);
  const std::vector<int16_t> start = Mix(1);
  EXPECT_EQ(start[0], 0);
  EXPECT_LE(LargestStep(start), ToneStep(1.0) * 1.1);
  Mix(2);
  voice.Silence();
  const std::vector<int16_t> fading = Mix(1);
  EXPECT_LE(LargestStep(fading), ToneStep(1.0) * 1.1);
  EXPECT_FALSE(voice.Playing());
  const std::vector<int16_t> after = Mix(1);
  EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(SoundVoiceTest, PlayOnceEndsWithItsSoundAndLoopingAnotherSoundReplacesIt) {
  TSoundVoice voice(Sound3D);
  voice.PlayOnce(Tone, 1.0);
  EXPECT_GT(Energy(Mix(1), 0, kBlock), 1e6) << "a single playing starts at once, at its level";
  Mix(5);  // the tone lasts a tenth of a second
  EXPECT_FALSE(voice.Playing());
  voice.Loop(Tone, 0.5, 1.0);
  Mix(1);
  voice.Loop(Tone, 0.5, 1.5);  // the same sound: steered, not started again
  EXPECT_EQ(voice.Looping(), &Tone);
  EXPECT_GT(Energy(Mix(8), 0, 8 * kBlock), 1e6);
}

// A pan moves the sound between the speakers: the near one keeps the level of the middle, the far
// one fades; the middle is balanced; moving the pan glides without a click.
TEST_F(SoundVoiceTest, APanPutsTheSoundOnItsSideAndTheMiddleIsBalanced) {
  struct TCase {
    double Pan;
    double RightOverLeft;  // energy of the right channel over the left's
  };
  const TCase cases[] = {{0, 1}, {0.6, 1 / (0.4 * 0.4)}, {-0.6, 0.4 * 0.4}, {0.25, 1 / (0.75 * 0.75)}};
  double middle = 0;
  for (const TCase& pan : cases) {
    TSoundVoice voice(Sound3D);
    voice.Loop(Tone, 0.5, 1.0, pan.Pan);
    Mix(2);  // past the fade-in
    const std::vector<int16_t> heard = Mix(4);
    const double left = ChannelEnergy(heard, 0), right = ChannelEnergy(heard, 1);
    ASSERT_GT(left + right, 1e5) << "pan " << pan.Pan;
    EXPECT_NEAR(right / left, pan.RightOverLeft, pan.RightOverLeft * 0.02) << "pan " << pan.Pan;
    if (pan.Pan == 0) middle = right;
    EXPECT_NEAR(std::max(left, right), middle, middle * 0.02) << "pan " << pan.Pan << ": the near side";
    voice.Silence();
    Mix(1);
  }
  TSoundVoice voice(Sound3D);
  voice.Loop(Tone, 1.0, 1.0, -1);
  std::vector<int16_t> heard = Mix(3);
  EXPECT_EQ(ChannelEnergy(heard, 1), 0) << "hard left";
  voice.Loop(Tone, 1.0, 1.0, 1);
  EXPECT_LE(LargestStep(Mix(1), 1), ToneStep(1.0) * 1.1) << "the right channel clicked on";
}

// A sound unloaded while a voice plays it stops there: the voice never reads a freed wave.
TEST_F(SoundVoiceTest, UnloadingTheSoundStopsItsVoices) {
  TSoundVoice voice(Sound3D);
  voice.Loop(Tone, 1.0, 1.0);
  Mix(1);
  Tone.Unload();
  EXPECT_FALSE(voice.Playing());
  const std::vector<int16_t> after = Mix(1);
  EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](int16_t s) { return s == 0; }));
}

}  // namespace

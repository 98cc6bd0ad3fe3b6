#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "assets/ModListItem.h"
#include "assets/OmegaSound3D.h"
#include "assets/SoundError.h"
#include "audio/AudioFixtures.h"
#include "platform/Clock.h"

namespace {

constexpr int64_t kTicksPerMs = TVirtualClock::kFrequency / 1000;

// A constant level: what the mixer adds up is easy to read back exactly.
std::vector<int16_t> Level(int16_t value, int frames) {
  return std::vector<int16_t>(size_t(frames) * 2, value);
}

class OmegaSound3DTest : public testing::Test {
 protected:
  OmegaSound3DTest() : Folder(FreshFolder("sounds")), Sound3D(Clock) {}

  TAudioPathListItem& AddPath(const std::string& name, TAudioPathType type, bool pool) {
    TAudioPathListItem& path = Sound3D.AudioPathList.Add();
    path.Name = name;
    path.AudioPathType = type;
    path.Pool = pool;
    return path;
  }

  // A sound of a 44100 Hz stereo wave holding one level for frames frames.
  TSoundListItem& AddSound(const std::string& name, int16_t level, int frames) {
    const std::filesystem::path file = Folder / (name + ".wav");
    WriteWaveFile(file, 44100, 2, 16, Level(level, frames));
    TSoundListItem& sound = Sound3D.SoundList.Add();
    sound.Name = name;
    sound.FileName = file.string();
    return sound;
  }

  std::vector<int16_t> Mix(int frames) {
    std::vector<int16_t> out(size_t(frames) * 2, 12345);
    Sound3D.Mix(out.data(), frames);
    return out;
  }

  std::filesystem::path Folder;
  TVirtualClock Clock;
  TOmegaSound3D Sound3D;
};

TEST_F(OmegaSound3DTest, APlayedEffectIsHeardForItsLengthAndTwoOverlap) {
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  TSoundListItem& check = AddSound("check", 8000, 1000);
  TSoundListItem& finish = AddSound("finish", 3000, 1000);

  check.Play();
  const std::vector<int16_t> first = Mix(500);
  finish.Play();
  const std::vector<int16_t> second = Mix(1000);
  const std::vector<int16_t> after = Mix(100);

  EXPECT_EQ(first[0], 8000);
  EXPECT_EQ(first[999], 8000);
  EXPECT_EQ(second[0], 11000) << "both sound at once";
  EXPECT_EQ(second[999], 11000);
  EXPECT_EQ(second[1000], 3000) << "the first has ended, the second goes on";
  EXPECT_EQ(second[1999], 3000);
  EXPECT_EQ(after, Level(0, 100));
  EXPECT_TRUE(check.Loaded());
  EXPECT_EQ(check.AudioPath(), &Sound3D.AudioPathList.Items(0));
}

TEST_F(OmegaSound3DTest, VolumeIsClampedToTheRangeOfAttenuations) {
  struct TCase {
    int Volume;
    int Attenuation;  // hundredths of a decibel
    int16_t Heard;    // of a level of 10000
  };
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  TSoundListItem& sound = AddSound("svet1", 10000, 100);
  for (const TCase& c : {TCase{150, 0, 10000}, TCase{100, 0, 10000}, TCase{-5, -10000, 0},
                         TCase{0, -10000, 0}, TCase{90, -1000, 3162}, TCase{50, -5000, 32}}) {
    sound.Volume = c.Volume;
    sound.Play();
    EXPECT_EQ(Sound3D.AudioPathList.Items(0).Volume(), c.Attenuation) << "volume " << c.Volume;
    EXPECT_EQ(Mix(100)[10], c.Heard) << "volume " << c.Volume;
  }
}

TEST_F(OmegaSound3DTest, ThePathVolumeAppliesToEverythingPlayingOnIt) {
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  TSoundListItem& loud = AddSound("loud", 10000, 1000);
  TSoundListItem& quiet = AddSound("quiet", 0, 10);
  quiet.Volume = 0;
  loud.Play();
  quiet.Play();
  EXPECT_EQ(Mix(10)[0], 0);
}

TEST_F(OmegaSound3DTest, ThePoolHandsOutASecondFreePathWithin250Ms) {
  TAudioPathListItem& a = AddPath("a", TAudioPathType::aptStereo, true);
  AddPath("mono", TAudioPathType::aptMono, true);
  AddPath("fixed", TAudioPathType::aptStereo, false);
  TAudioPathListItem& b = AddPath("b", TAudioPathType::aptStereo, true);
  Sound3D.CreateAudioPaths();
  TSoundListItem& check = AddSound("check", 1000, 441);  // 10 ms long
  TSoundListItem& check2 = AddSound("check2", 1000, 441);
  check.AudioPathPool = check2.AudioPathPool = TAudioPathPool::appStereo;

  check.Play();
  EXPECT_EQ(check.AudioPath(), &b) << "the search starts after the path handed out last (index 0)";
  Mix(441 * 2);  // check has been heard out; still, it started less than 250 ms ago
  Clock.Advance(249 * kTicksPerMs);
  check2.Play();
  EXPECT_EQ(check2.AudioPath(), &a);
  Clock.Advance(1 * kTicksPerMs);
  check.Play();
  EXPECT_EQ(check.AudioPath(), &b) << "check's 250 ms are over and it is silent";
}

TEST_F(OmegaSound3DTest, WhenEveryPooledPathIsBusyTheLastOneVisitedIsTakenOver) {
  TAudioPathListItem& a = AddPath("a", TAudioPathType::aptStereo, true);
  TAudioPathListItem& b = AddPath("b", TAudioPathType::aptStereo, true);
  Sound3D.CreateAudioPaths();
  TSoundListItem& long1 = AddSound("long1", 1000, 44100);
  TSoundListItem& long2 = AddSound("long2", 1000, 44100);
  TSoundListItem& long3 = AddSound("long3", 1000, 44100);
  for (TSoundListItem* sound : {&long1, &long2, &long3}) sound->AudioPathPool = TAudioPathPool::appStereo;
  long1.Play();
  long2.Play();
  Clock.Advance(500 * kTicksPerMs);  // both still playing: busy after their 250 ms
  long3.Play();
  EXPECT_EQ(long1.AudioPath(), &b);
  EXPECT_EQ(long2.AudioPath(), &a);
  EXPECT_EQ(long3.AudioPath(), &a) << "visited b then a, both busy";
  EXPECT_EQ(a.User(), &long3);
}

TEST_F(OmegaSound3DTest, WithoutAPathNothingPlaysAndNothingIsRaised) {
  AddPath("mono", TAudioPathType::aptMono, true);
  Sound3D.CreateAudioPaths();
  TSoundListItem& byIndex = AddSound("index", 1000, 100);
  byIndex.AudioPathIndex = 3;
  TSoundListItem& pooled = AddSound("pooled", 1000, 100);
  pooled.AudioPathPool = TAudioPathPool::app3D;
  EXPECT_NO_THROW(byIndex.Play());
  EXPECT_NO_THROW(pooled.Play());
  EXPECT_EQ(Mix(10), Level(0, 10));
}

TEST_F(OmegaSound3DTest, StopSilencesEveryPlayingAndUnloadFreesTheWave) {
  TAudioPathListItem& path = AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  TSoundListItem& sound = AddSound("begin", 1000, 1000);
  sound.Loop = true;
  sound.Play();
  sound.Play();
  EXPECT_EQ(Mix(10)[0], 2000);
  sound.Stop();
  EXPECT_EQ(path.User(), nullptr);
  EXPECT_EQ(Mix(10), Level(0, 10));
  sound.Play();
  sound.Unload();
  EXPECT_FALSE(sound.Loaded());
  EXPECT_EQ(Mix(10), Level(0, 10));
}

TEST_F(OmegaSound3DTest, RepeatsAndLoopsReplayTheWave) {
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  TSoundListItem& repeated = AddSound("repeated", 1000, 100);
  repeated.RepeatCount = 2;
  repeated.Play();
  const std::vector<int16_t> heard = Mix(400);
  EXPECT_EQ(heard[299 * 2], 1000);
  EXPECT_EQ(heard[300 * 2], 0);
  TSoundListItem& looped = AddSound("looped", 1000, 100);
  looped.Loop = true;
  looped.Play();
  EXPECT_EQ(Mix(10000)[9999 * 2], 1000);
}

TEST_F(OmegaSound3DTest, AFrequencyPlaysEverythingOnThePathFasterOrSlower) {
  TAudioPathListItem& path = AddPath("path", TAudioPathType::aptStereo, false);
  path.Frequency = 22050;
  Sound3D.CreateAudioPaths();
  TSoundListItem& sound = AddSound("fast", 1000, 1000);
  sound.Frequency = 44100;  // twice the path's own rate
  sound.Play();
  const std::vector<int16_t> heard = Mix(600);
  EXPECT_EQ(heard[499 * 2], 1000);
  EXPECT_EQ(heard[501 * 2], 0);
}

TEST_F(OmegaSound3DTest, WavesOfOtherFormatsAreConvertedToTheMixersFormat) {
  struct TCase {
    int Rate, Channels, Bits;
    int Frames;
  };
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  for (const TCase& c : {TCase{22050, 1, 8, 2205}, TCase{11025, 2, 16, 1102}, TCase{44100, 1, 16, 4410}}) {
    const std::filesystem::path file = Folder / ("converted" + std::to_string(c.Rate) + ".wav");
    WriteWaveFile(file, c.Rate, c.Channels, c.Bits,
                  std::vector<int16_t>(size_t(c.Frames * c.Channels), 8192));
    TSoundListItem& sound = Sound3D.SoundList.Add();
    sound.FileName = file.string();
    sound.Play();
    const std::vector<int16_t> heard = Mix(4410 + 200);
    EXPECT_NEAR(heard[2000 * 2], 8192, 64) << c.Rate;
    EXPECT_NEAR(heard[2000 * 2 + 1], 8192, 64) << c.Rate;
    EXPECT_EQ(heard[(4410 + 100) * 2], 0) << c.Rate << ": 0.1 s long at any rate";
  }
}

TEST_F(OmegaSound3DTest, AMissingOrBrokenWaveRaisesItsMessageAndIsMarkedFailed) {
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  std::ofstream(Folder / "broken.wav") << "RIFF but not really a wave";
  for (const std::string name : {"missing.wav", "broken.wav"}) {
    TSoundListItem& sound = Sound3D.SoundList.Add();
    sound.FileName = (Folder / name).string();
    try {
      sound.Play();
      ADD_FAILURE() << name << " played";
    } catch (const ESoundError& error) {
      EXPECT_EQ(std::string(error.what()), "Error loading sound: " + sound.FileName);
    }
    EXPECT_FALSE(sound.Loaded());
    EXPECT_TRUE(sound.LoadFailed());
    sound.FileName = "elsewhere.wav";
    EXPECT_FALSE(sound.LoadFailed()) << "the failure belongs to the file name";
  }
}

TEST_F(OmegaSound3DTest, TheGamesBackslashNamesReachTheFileSystem) {
  AddPath("path", TAudioPathType::aptStereo, false);
  Sound3D.CreateAudioPaths();
  std::filesystem::create_directories(Folder / "Sounds");
  WriteWaveFile(Folder / "Sounds" / "svet1.wav", 44100, 2, 16, Level(500, 10));
  TSoundListItem& sound = AddSound("svet1", 0, 1);
  sound.FileName = Folder.string() + "\\Sounds\\svet1.wav";
  sound.Play();
  EXPECT_EQ(Mix(1)[0], 500);
}

// A message names the file as this system does.
TEST_F(OmegaSound3DTest, AMissingSoundIsNamedWithTheSystemsSeparator) {
  TSoundListItem& sound = Sound3D.SoundList.Add();
  sound.FileName = Folder.string() + "\\Sounds\\gone.wav";
  TModListItem& module = Sound3D.ModList.Add();
  module.FileName = Folder.string() + "\\Sounds\\gone.xm";
  for (const auto& [play, expected] :
       {std::pair<std::function<void()>, std::string>{[&] { sound.Play(); }, "gone.wav"},
        {[&] { module.Play(); }, "gone.xm"}}) {
    try {
      play();
      ADD_FAILURE() << expected << " played";
    } catch (const ESoundError& error) {
      EXPECT_EQ(std::string(error.what()), "Error loading sound: " + (Folder / "Sounds" / expected).string());
    }
  }
}

TEST_F(OmegaSound3DTest, FindTakesTheFirstExactName) {
  TSoundListItem& first = AddSound("check", 1, 1);
  AddSound("check", 2, 1);
  EXPECT_EQ(Sound3D.SoundList.Find("check"), &first);
  EXPECT_EQ(Sound3D.SoundList.Find("Check"), nullptr);
  EXPECT_EQ(Sound3D.ModList.Find("menumusic"), nullptr);
}

}  // namespace

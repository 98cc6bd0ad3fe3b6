#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "assets/OmegaSound3D.h"
#include "audio/AudioFixtures.h"
#include "platform/Clock.h"

namespace {

// SDL's disk driver writes what the sound card would play to a file, in real time.
class SoundCardTest : public testing::Test {
 protected:
  void SetUp() override {
    Folder = FreshFolder("card");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (Folder / "card.raw").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
  }

  std::vector<int16_t> Recorded() const {
    std::ifstream in(Folder / "card.raw", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }

  std::filesystem::path Folder;
};

TEST_F(SoundCardTest, AHeadlessGameCanRecordItsEffectsAndMusicThroughTheDiskDriver) {
  TMonotonicClock clock;
  std::vector<int16_t> recorded;
  {
    TOmegaSound3D sound3D(clock);
    TAudioPathListItem& path = sound3D.AudioPathList.Add();
    path.AudioPathType = TAudioPathType::aptStereo;
    sound3D.CreateAudioPaths();
    WriteWaveFile(Folder / "check.wav", 44100, 2, 16, std::vector<int16_t>(44100 * 2 / 10, 7777));
    TSoundListItem& check = sound3D.SoundList.Add();
    check.FileName = (Folder / "check.wav").string();
    WriteXmFile(ToneModule(32), (Folder / "1.xm").string());
    TModListItem& music = sound3D.ModList.Add();
    music.FileName = (Folder / "1.xm").string();
    music.Loop = true;

    sound3D.OpenDevice(true);
    ASSERT_NE(sound3D.Device(), nullptr);
    ASSERT_EQ(sound3D.Device()->DriverName(), "disk");
    check.Play();
    music.Play();
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
  }
  recorded = Recorded();
  ASSERT_GT(recorded.size(), size_t(44100 * 2 * 2)) << "at least two seconds recorded";
  EXPECT_NE(std::find(recorded.begin(), recorded.end(), int16_t(7777)), recorded.end()) << "the effect";
  EXPECT_GT(Energy(recorded, int(recorded.size() / 2) - 22050, int(recorded.size() / 2)), 1e6)
      << "the music, after its silent start";
}

}  // namespace

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "assets/OmegaSound3D.h"
#include "audio/AudioFixtures.h"
#include "platform/Clock.h"

namespace {

constexpr int kSecond = 22050;  // frames of the module stream

class ModListItemTest : public testing::Test {
 protected:
  ModListItemTest() : Folder(FreshFolder("music")), Sound3D(Clock) {}

  TModListItem& AddModule(const std::string& name, const TXmModule& module, bool loop) {
    const std::filesystem::path file = Folder / (name + ".xm");
    WriteXmFile(module, file.string());
    TModListItem& item = Sound3D.ModList.Add();
    item.Name = name;
    item.FileName = file.string();
    item.Loop = loop;
    return item;
  }

  // Drains the stream as the sound card would, a callback's worth at a time, never ahead of the
  // worker; stops early when the stream stops.
  static std::vector<int16_t> Drain(TModListItem& item, int frames) {
    std::vector<int16_t> out(size_t(frames) * 2, 0);
    int done = 0;
    while (done < frames) {
      item.WaitForRefills();
      const int got = item.Drain(out.data() + size_t(done) * 2, std::min(512, frames - done));
      if (got == 0) break;
      done += got;
    }
    out.resize(size_t(done) * 2);
    return out;
  }

  static std::vector<int16_t> Slice(const std::vector<int16_t>& samples, int from, int frames) {
    return {samples.begin() + from * 2, samples.begin() + (from + frames) * 2};
  }

  static bool Eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 400 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return condition();
  }

  std::filesystem::path Folder;
  TVirtualClock Clock;
  TOmegaSound3D Sound3D;
};

TEST_F(ModListItemTest, AModulePlaysAfterTheBufferOfSilenceAndLoops) {
  const TXmModule module = ToneModule(8);  // 0.96 s long
  TModListItem& item = AddModule("menumusic", module, true);
  item.Play();
  const std::vector<int16_t> heard = Drain(item, 6 * kSecond);
  ASSERT_EQ(heard.size(), size_t(6 * kSecond * 2));
  EXPECT_EQ(Energy(heard, 0, 2 * kSecond), 0) << "the whole buffer starts silent";
  const std::vector<int16_t> reference = ReferenceRender(WriteXm(module), true, 4 * kSecond);
  EXPECT_EQ(Slice(heard, 2 * kSecond, 4 * kSecond), reference) << "four times round the tune";
  EXPECT_GT(Energy(heard, 5 * kSecond, 6 * kSecond), 1e6);
  EXPECT_TRUE(item.IsPlaying());
}

TEST_F(ModListItemTest, StopSuspendsAndPlayGoesOnWhereRenderingStood) {
  const TXmModule module = ToneModule(64);  // 7.68 s, so nothing repeats here
  TModListItem& item = AddModule("gamemusic", module, true);
  item.Play();
  Drain(item, 3 * kSecond + kSecond / 2);  // heard 1.5 s; rendered 3 s (the halves up to 3 s)
  item.Stop();
  EXPECT_FALSE(item.IsPlaying());
  EXPECT_TRUE(Eventually([&] { return item.WorkerSuspended(); }));
  EXPECT_TRUE(Drain(item, 100).empty()) << "a stopped module is not heard";

  item.Play();
  // The cursor stood half-way through the second half: half a second of it, then a whole half of
  // silence pass before the first newly rendered second comes round.
  const std::vector<int16_t> heard = Drain(item, 3 * kSecond + kSecond / 2);
  const std::vector<int16_t> reference = ReferenceRender(WriteXm(module), true, 5 * kSecond);
  EXPECT_EQ(Energy(heard, 0, kSecond + kSecond / 2), 0);
  EXPECT_EQ(Slice(heard, kSecond + kSecond / 2, 2 * kSecond), Slice(reference, 3 * kSecond, 2 * kSecond));
}

TEST_F(ModListItemTest, ANonLoopingModuleIsHeardToItsEndAndThenStopsItself) {
  const TXmModule module = ToneModule(12);  // 1.44 s
  TModListItem& item = AddModule("losemusic", module, false);
  item.Play();
  const std::vector<int16_t> heard = Drain(item, 10 * kSecond);
  const std::vector<int16_t> reference = ReferenceRender(WriteXm(module), false, 10 * kSecond);
  ASSERT_LT(reference.size(), size_t(3 * kSecond * 2));
  EXPECT_EQ(heard.size(), size_t(2 * kSecond * 2) + reference.size()) << "stops where the music ends";
  EXPECT_EQ(Slice(heard, 2 * kSecond, int(reference.size() / 2)), reference) << "the last part is heard too";
  EXPECT_FALSE(item.IsPlaying());
  EXPECT_TRUE(Eventually([&] { return item.WorkerSuspended(); }));

  item.Play();  // nothing more to render: silence, then it stops again
  EXPECT_LE(Drain(item, 10 * kSecond).size(), size_t(2 * kSecond * 2));
  EXPECT_FALSE(item.IsPlaying());
}

TEST_F(ModListItemTest, TheMixerBringsTheMusicUpToTheCardsRate) {
  TModListItem& item = AddModule("menumusic", ToneModule(16), true);
  item.Play();
  std::vector<int16_t> mixed(size_t(44100 * 3) * 2);
  for (int done = 0; done < 44100 * 3; done += 1024) {
    item.WaitForRefills();
    Sound3D.Mix(mixed.data() + size_t(done) * 2, std::min(1024, 44100 * 3 - done));
  }
  const std::vector<int16_t> reference = ReferenceRender(WriteXm(ToneModule(16)), true, kSecond);
  EXPECT_EQ(Energy(mixed, 0, 2 * 44100 - 2), 0);
  EXPECT_NEAR(Energy(mixed, 2 * 44100, 3 * 44100) / Energy(reference, 0, kSecond), 1.0, 0.05);
  // Every other frame of the card's stream is a frame of the module's (two module frames late, as
  // the interpolation runs between the last two it has taken); the frames between lie half-way.
  std::vector<int16_t> even, between, left, halfway;
  for (int i = 0; i < 1000; ++i) {
    left.push_back(reference[size_t(i) * 2]);
    even.push_back(mixed[size_t(2 * 44100 + 4 + 2 * i) * 2]);
    between.push_back(mixed[size_t(2 * 44100 + 5 + 2 * i) * 2]);
    halfway.push_back(int16_t(std::lrint((reference[size_t(i) * 2] + reference[size_t(i + 1) * 2]) / 2.0)));
  }
  EXPECT_EQ(even, left);
  EXPECT_EQ(between, halfway);
}

TEST_F(ModListItemTest, AMissingOrBrokenModuleRaisesItsMessage) {
  std::ofstream(Folder / "broken.xm") << "Extended Module: but nothing after it";
  std::ofstream(Folder / "empty.xm");
  for (const std::string name : {"missing.xm", "broken.xm", "empty.xm"}) {
    TModListItem& item = Sound3D.ModList.Add();
    item.FileName = (Folder / name).string();
    try {
      item.Play();
      ADD_FAILURE() << name << " played";
    } catch (const ESoundError& error) {
      EXPECT_EQ(std::string(error.what()), "Error loading sound: " + item.FileName);
    }
    EXPECT_FALSE(item.Loaded());
    EXPECT_TRUE(item.LoadFailed());
    EXPECT_NO_THROW(item.Stop());
  }
}

int ThreadCount() {
  return int(std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}));
}

TEST_F(ModListItemTest, LoadingAndUnloadingThreeModulesLeavesNoThreadBehind) {
  const int before = ThreadCount();
  std::vector<TModListItem*> items;
  for (const char* name : {"losemusic", "gamemusic", "menumusic"})
    items.push_back(&AddModule(name, ToneModule(8), true));
  for (TModListItem* item : items) item->Play();
  items[1]->Stop();
  EXPECT_EQ(ThreadCount(), before + 3);
  for (TModListItem* item : items) {
    item->Play();  // as the game does at shut-down
    item->Unload();
    EXPECT_FALSE(item->Loaded());
  }
  EXPECT_EQ(ThreadCount(), before);
}

TEST_F(ModListItemTest, StoppingOrUnloadingAModuleNeverLoadedDoesNothing) {
  TModListItem& item = AddModule("menumusic", ToneModule(8), true);
  item.Stop();
  item.Unload();
  EXPECT_FALSE(item.Loaded());
  EXPECT_FALSE(item.WorkerSuspended());
}

}  // namespace

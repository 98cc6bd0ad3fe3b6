#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "shell/SettingsFiles.h"
#include "state/SavedVersions.h"
#include "state/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Saves one version after another until it is killed.
[[noreturn]] void SaveForever(const fs::path& folder, int firstVersion) {
  for (int version = firstVersion;; ++version) {
    const TGameState state = VersionOfState(version);
    SaveSettings(state, folder / kSettingsFileName);
    SaveProgress(state, folder / kProgressFileName);
  }
}

TEST(InterruptedSave, KillingTheGameMidSaveLeavesOneWholeVersionOfEachFile) {
  TTempFolder folder;
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> delayMicroseconds(500, 30000);
  int lastSettings = 0, lastProgress = 0, changes = 0;
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE(round);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(folder.Folder(), 1 + round * 10000);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    // Before the first save of the first round the files may not exist yet; once they do, each
    // must hold a whole version.
    if (!fs::exists(folder / kSettingsFileName) && lastSettings == 0) continue;
    const int settings = SettingsVersion(folder / kSettingsFileName);
    ASSERT_GT(settings, 0) << "Config.cfg holds no whole version";
    if (!fs::exists(folder / kProgressFileName) && lastProgress == 0) continue;
    const int progress = ProgressVersion(folder / kProgressFileName);
    ASSERT_GT(progress, 0) << "Configdat.cfg holds no whole version";
    changes += settings != lastSettings || progress != lastProgress;
    lastSettings = settings;
    lastProgress = progress;
  }
  // The kills must have come while the saves were going on, not only before the first one.
  EXPECT_GT(changes, 10);

  // A temporary file left by a kill neither stops the next save nor is read by the next start.
  const TGameState next = VersionOfState(10000000);
  ASSERT_TRUE(SaveSettings(next, folder / kSettingsFileName));
  ASSERT_TRUE(SaveProgress(next, folder / kProgressFileName));
  EXPECT_EQ(SettingsVersion(folder / kSettingsFileName), 10000000);
  EXPECT_EQ(ProgressVersion(folder / kProgressFileName), 10000000);

  // What the kills left behind goes when a copy that alone saves here clears it away.
  RemoveUnfinishedSaves(folder.Folder());
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.Folder()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{kSettingsFileName, kProgressFileName}));
}

}  // namespace

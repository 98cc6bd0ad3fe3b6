// Two copies of the game on one folder: their saves, and the lock that lets only one save there.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <set>
#include <string>

#include "shell/SettingsFiles.h"
#include "shell/SettingsLock.h"
#include "state/SavedVersions.h"
#include "state/TempFolder.h"

namespace fs = std::filesystem;

namespace {

using TState = TSettingsLock::TState;

std::set<std::string> FileNames(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// Saves versions first .. first + count - 1 of both files; the exit code counts the failed saves.
[[noreturn]] void SaveVersions(const fs::path& folder, int first, int count) {
  int failed = 0;
  for (int version = first; version < first + count; ++version) {
    const TGameState state = VersionOfState(version);
    failed += !SaveSettings(state, folder / kSettingsFileName);
    failed += !SaveProgress(state, folder / kProgressFileName);
  }
  ::_exit(std::min(failed, 100));
}

// Even without the lock (a folder whose file system has none), two copies saving at the same
// moment lose no save and never mix their files: each save has a temporary file of its own.
TEST(SharedFolder, TwoCopiesSavingAtOnceLoseNoSaveAndLeaveWholeFiles) {
  TTempFolder folder;
  constexpr int kSaves = 400;
  std::array<pid_t, 2> copies{};
  for (size_t copy = 0; copy < copies.size(); ++copy) {
    copies[copy] = ::fork();
    ASSERT_GE(copies[copy], 0);
    if (copies[copy] == 0) SaveVersions(folder.Folder(), 1 + int(copy) * 100000, kSaves);
  }
  // While they save, every look at the files finds one whole version of each.
  int looks = 0, running = int(copies.size());
  std::array<int, 2> status{};
  while (running > 0) {
    for (size_t copy = 0; copy < copies.size(); ++copy)
      if (copies[copy] > 0 && ::waitpid(copies[copy], &status[copy], WNOHANG) == copies[copy]) {
        copies[copy] = 0;
        --running;
      }
    if (!fs::exists(folder / kSettingsFileName) || !fs::exists(folder / kProgressFileName)) continue;
    ++looks;
    ASSERT_GT(SettingsVersion(folder / kSettingsFileName), 0) << "Config.cfg mixes two saves";
    ASSERT_GT(ProgressVersion(folder / kProgressFileName), 0) << "Configdat.cfg mixes two saves";
  }
  for (int copyStatus : status) {
    ASSERT_TRUE(WIFEXITED(copyStatus));
    EXPECT_EQ(WEXITSTATUS(copyStatus), 0) << "saves failed";
  }
  EXPECT_GT(looks, 0);
  // The last save of either copy is what stays, and nothing else.
  const int settings = SettingsVersion(folder / kSettingsFileName);
  EXPECT_TRUE(settings == kSaves || settings == 100000 + kSaves) << settings;
  EXPECT_EQ(FileNames(folder.Folder()), (std::set<std::string>{kSettingsFileName, kProgressFileName}));
}

TEST(SharedFolder, OnlyOneCopyAtATimeHoldsTheLock) {
  TTempFolder folder;
  // Another copy of the game, in a process of its own, takes the lock and holds it until told.
  int taken[2], release[2];
  ASSERT_EQ(::pipe(taken), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    TSettingsLock lock;
    const char state = lock.Acquire(folder.Folder()) == TState::Held ? 'H' : 'N';
    char go;
    if (::write(taken[1], &state, 1) != 1 || ::read(release[0], &go, 1) != 1) ::_exit(2);
    ::_exit(0);
  }
  char otherState = 0;
  ASSERT_EQ(::read(taken[0], &otherState, 1), 1);
  EXPECT_EQ(otherState, 'H');

  TSettingsLock mine;
  EXPECT_EQ(mine.Acquire(folder.Folder()), TState::InUse);
  EXPECT_EQ(mine.State(), TState::InUse);
  // However the other copy ends, the lock ends with it.
  ASSERT_EQ(::write(release[1], "x", 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_EQ(mine.Acquire(folder.Folder()), TState::Held);
  // A second lock of this very process is a second copy too; the folder holds no lock file.
  TSettingsLock second;
  EXPECT_EQ(second.Acquire(folder.Folder()), TState::InUse);
  EXPECT_TRUE(FileNames(folder.Folder()).empty());
  for (int end : {taken[0], taken[1], release[0], release[1]}) ::close(end);
}

// A copy of the game that forks without starting a program (as SDL does to show a message box)
// and is then killed: the lock ends with the copy, though its child lives on.
TEST(SharedFolder, AForkedChildDoesNotHoldTheLock) {
  TTempFolder folder;
  int ready[2], boxUp[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(boxUp), 0);
  const pid_t game = ::fork();
  ASSERT_GE(game, 0);
  if (game == 0) {
    TSettingsLock lock;
    if (lock.Acquire(folder.Folder()) != TState::Held) ::_exit(2);
    const pid_t box = ::fork();
    if (box == 0) {
      // The box, up and waiting for a player who never comes.
      if (::write(boxUp[1], "b", 1) != 1) ::_exit(2);
      ::pause();
      ::_exit(0);
    }
    char up = 0;
    if (::read(boxUp[0], &up, 1) != 1 || ::write(ready[1], &box, sizeof box) != sizeof box) ::_exit(2);
    ::pause();
    ::_exit(0);
  }
  pid_t box = 0;
  ASSERT_EQ(::read(ready[0], &box, sizeof box), ssize_t(sizeof box));
  TSettingsLock mine;
  EXPECT_EQ(mine.Acquire(folder.Folder()), TState::InUse);
  ASSERT_EQ(::kill(game, SIGKILL), 0);
  ASSERT_EQ(::waitpid(game, nullptr, 0), game);
  ASSERT_EQ(::kill(box, 0), 0) << "the child lives on";
  EXPECT_EQ(mine.Acquire(folder.Folder()), TState::Held);
  ::kill(box, SIGKILL);
  for (int end : {ready[0], ready[1], boxUp[0], boxUp[1]}) ::close(end);
}

TEST(SharedFolder, TheLockMakesItsFolderOrHasNone) {
  TTempFolder folder;
  TSettingsLock made;
  EXPECT_EQ(made.Acquire(folder / "player" / "morvel-racing"), TState::Held);
  EXPECT_TRUE(fs::is_directory(folder / "player" / "morvel-racing"));
  WriteBytes(folder / "file", "not a folder");
  TSettingsLock none;
  EXPECT_EQ(none.Acquire(folder / "file" / "morvel-racing"), TState::Unavailable);
}

TEST(SharedFolder, OnlyTheTemporaryFilesOfSavesAreClearedAway) {
  TTempFolder folder;
  const std::set<std::string> kept{"Config.cfg",  "Configdat.cfg",     "Config.cfg.tmpx",   "Config.cfgtmp-1",
                                   "notes.tmp-1", "Configdat.cfg.bak", "Ghost13.gst.tmp-1", "Ghost1.gst"};
  const std::set<std::string> leftovers{"Config.cfg.tmp", "Config.cfg.tmp-17-123456", "Configdat.cfg.tmp-9-1",
                                        "Options.ini.tmp-3-4", "Ghost12.gst.tmp-5-6"};
  for (const auto* names : {&kept, &leftovers})
    for (const std::string& name : *names) WriteBytes(folder / name, "x");
  RemoveUnfinishedSaves(folder.Folder());
  EXPECT_EQ(FileNames(folder.Folder()), kept);
}

}  // namespace

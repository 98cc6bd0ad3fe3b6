// Ctrl+C, kill and the end of the session: the game saves as the quit dialog does and ends at
// once with exit code 0.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "e2e/GameRun.h"
#include "shell/GameOptions.h"
#include "shell/SettingsFiles.h"

namespace fs = std::filesystem;

namespace {

// Whether ready() came true within a minute.
bool WaitFor(const std::function<bool()>& ready) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

long LineCount(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string lines = text.str();
  return long(std::count(lines.begin(), lines.end(), '\n'));
}

// No save left a temporary file behind.
bool OnlyWholeFiles(const fs::path& folder) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp") != std::string::npos) return false;
  return true;
}

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

// The name is typed and taken, Z on the main menu adds 10 points; then the game idles in the
// menus until the signal. The progress reaches the disk only through the signal.
TEST(SignalRun, ASignalInTheMenusSavesSettingsAndProgressAndEndsAtOnce) {
  for (int signal : kSignals) {
    SCOPED_TRACE(strsignal(signal));
    TGameRun game;
    const auto script = game.Folder() / "input.txt";
    std::ofstream(script) << "500 text Ann\n560 down 13\n561 up 13\n600 wait 4\n10 down 90\n11 up 90\n";
    const pid_t pid =
        game.Start({"--headless", "--render", "null", "--virtual-clock", "--script", script.string()});
    ASSERT_GT(pid, 0);
    // The name entry saves the settings; the Z comes some fifty frames later.
    const bool named = WaitFor([&] { return fs::exists(game.Folder() / kSettingsFileName); });
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ASSERT_EQ(::kill(pid, signal), 0);
    ASSERT_EQ(game.Wait(pid, std::chrono::seconds(20)), 0) << game.Stderr();
    ASSERT_TRUE(named);
    TGameState saved;
    ASSERT_TRUE(LoadSettings(saved, game.Folder() / kSettingsFileName));
    EXPECT_EQ(saved.PlayerName, "Ann");
    ASSERT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
    EXPECT_EQ(saved.TotalScore, 10);
    EXPECT_TRUE(OnlyWholeFiles(game.Folder()));
    EXPECT_EQ(game.Stderr().find("script: the run ended"), std::string::npos) << game.Stderr();
  }
}

// The player's car stands at the start, so the race runs until the signal; the race's points
// are not the player's, but the progress as it stood is written.
TEST(SignalRun, ASignalDuringARaceSavesAndEndsAtOnce) {
  for (int signal : kSignals) {
    SCOPED_TRACE(strsignal(signal));
    TGameRun game;
    const auto trace = game.Folder() / "trace.csv";
    const pid_t pid = game.Start({"--headless", "--render", "null", "--virtual-clock", "--seed", "4",
                                  "--race", "0:0", "--trace", trace.string()});
    ASSERT_GT(pid, 0);
    const bool racing = WaitFor([&] { return LineCount(trace) > 400; });  // past the start lights
    ASSERT_EQ(::kill(pid, signal), 0);
    ASSERT_EQ(game.Wait(pid, std::chrono::seconds(20)), 0) << game.Stderr();
    ASSERT_TRUE(racing);
    TGameState saved;
    EXPECT_TRUE(LoadSettings(saved, game.Folder() / kSettingsFileName));
    ASSERT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
    EXPECT_EQ(saved.TotalScore, 0);
    EXPECT_EQ(saved.Catalogue.TracksAvailable, 3);
    EXPECT_TRUE(OnlyWholeFiles(game.Folder()));
    EXPECT_EQ(game.Stdout().find("finish position"), std::string::npos) << game.Stdout();
  }
}

// On the options screen the switches the player has not applied are not saved: the options as
// they were on entering the screen are. F2 and F3 switch the ghost and the map off, F4 makes the
// opponents hard.
TEST(SignalRun, ASignalOnTheOptionsScreenSavesTheAppliedOptions) {
  TGameRun game;
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script)
      << "500 text Ann\n560 down 13\n561 up 13\n600 wait 4\n60 click 400 322\n70 wait 7\n"
      << "60 down 113\n61 up 113\n62 down 114\n63 up 114\n64 down 115\n65 up 115\n100 wait 4\n";
  const pid_t pid =
      game.Start({"--headless", "--render", "null", "--virtual-clock", "--script", script.string()});
  ASSERT_GT(pid, 0);
  const bool named = WaitFor([&] { return fs::exists(game.Folder() / kSettingsFileName); });
  std::this_thread::sleep_for(std::chrono::seconds(1));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ASSERT_EQ(game.Wait(pid, std::chrono::seconds(20)), 0) << game.Stderr();
  ASSERT_TRUE(named);
  TGameOptions saved{false, false, false, TDifficulty::Hard};
  ASSERT_TRUE(LoadGameOptions(saved, game.Folder() / kOptionsFileName));
  EXPECT_EQ(saved, TGameOptions{});
}

// A signal at any moment of the start (the program just begun, the libraries loading, the game
// taking the signals over, reading its files, the first frames) ends the game with exit code 0:
// the progress it had is saved whole, and a new game loses nothing either. Each delay is tried a
// few times, with every signal, to meet the moments between the planned ones. No program can
// keep a signal that comes before its first instruction from ending it the system's way: with
// the signal sent as soon as the start returns, the process may not have run yet on a busy
// machine. Such an end is told from one in the middle of loading libraries by the processor time
// the process had had in all: a program that had begun loading the game's libraries has had
// milliseconds of it (unloading them alone takes that much), one that had not begun a fraction of
// one. It must have left the files as they were.
TEST(SignalRun, ASignalAtAnyMomentOfTheStartSavesAndEndsTheGame) {
  constexpr int kDelaysMs[] = {0, 1, 2, 5, 10, 20, 50, 100, 200};
  constexpr int kRunsEach = 6;
  constexpr auto kBeforeItsFirstInstruction = std::chrono::milliseconds(2);
  int ended = 0;
  int runs = 0;
  for (int delay : kDelaysMs) {
    for (int run = 0; run < kRunsEach; ++run, ++runs) {
      const int signal = kSignals[run % std::size(kSignals)];
      const bool played = run % 2 == 0;
      SCOPED_TRACE(std::to_string(delay) + " ms, " + strsignal(signal) +
                   (played ? ", played before" : ", new"));
      TGameRun game;
      TGameState before;
      before.PlayerName = "Ann";
      before.TotalScore = 30;
      if (played) {
        ASSERT_TRUE(SaveSettings(before, game.Folder() / kSettingsFileName));
        ASSERT_TRUE(SaveProgress(before, game.Folder() / kProgressFileName));
      }
      const pid_t pid = game.Start({"--headless", "--render", "null", "--virtual-clock"});
      ASSERT_GT(pid, 0);
      if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
      ASSERT_EQ(::kill(pid, signal), 0);
      const TGameRun::TEnd end = game.WaitForEnd(pid, std::chrono::seconds(20));
      if (end.Signal == signal && end.ProcessorTime < kBeforeItsFirstInstruction) {
        EXPECT_EQ(fs::exists(game.Folder() / kProgressFileName), played);
        if (!played) continue;
      } else {
        ASSERT_EQ(end.ExitCode, 0) << "signal " << end.Signal << " after " << end.ProcessorTime.count()
                                   << " us of processor time; " << game.Stderr();
        ++ended;
      }
      TGameState saved;
      ASSERT_TRUE(LoadSettings(saved, game.Folder() / kSettingsFileName));
      ASSERT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
      EXPECT_EQ(saved.PlayerName, played ? "Ann" : "");
      EXPECT_EQ(saved.TotalScore, played ? 30 : 0);
      EXPECT_TRUE(OnlyWholeFiles(game.Folder()));
    }
  }
  // The moments before a program's first instruction are few: most runs met the game.
  EXPECT_GT(ended, runs / 2);
}

// Started under nohup, the game keeps the end of the session ignored; Ctrl+C and kill still end it.
TEST(SignalRun, AnIgnoredHangUpStaysIgnored) {
  TGameRun game;
  const pid_t pid = game.Start({"--headless", "--render", "null", "--virtual-clock"}, "nohup");
  ASSERT_GT(pid, 0);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  ASSERT_EQ(::kill(pid, SIGHUP), 0);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "the hang-up ended the game";
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  EXPECT_EQ(game.Wait(pid, std::chrono::seconds(20)), 0) << game.Stderr();
  EXPECT_TRUE(fs::exists(game.Folder() / kProgressFileName));
}

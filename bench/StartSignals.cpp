// How a signal in the first moments of the game ends it: SIGTERM at a table of delays after the
// program was started (the moment its start returns to the one that started it), many times each,
// each run in a fresh game folder; counts the runs the signal ended with the system's default
// action, and times how long a new game takes to hold the quit signals back.
// Usage: start_signals PROGRAM GAME_FOLDER [RUNS_PER_DELAY]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// A game folder of its own: the read-only folders are links to the built ones, so nothing a run
// saves reaches the next.
class TFreshFolder {
 public:
  explicit TFreshFolder(const fs::path& gameFolder) {
    std::string pattern = (fs::temp_directory_path() / "morvel-start-XXXXXX").string();
    Dir = mkdtemp(pattern.data());
    for (const fs::directory_entry& entry : fs::directory_iterator(gameFolder))
      if (entry.is_directory()) fs::create_directory_symlink(entry.path(), Dir / entry.path().filename());
  }
  ~TFreshFolder() {
    std::error_code ignored;
    fs::remove_all(Dir, ignored);
  }
  TFreshFolder(const TFreshFolder&) = delete;
  TFreshFolder& operator=(const TFreshFolder&) = delete;
  const fs::path& Path() const { return Dir; }

 private:
  fs::path Dir;
};

pid_t StartGame(const std::string& program, const fs::path& folder) {
  std::vector<std::string> args{program,           "--headless", "--render",     "null",
                                "--virtual-clock", "--data-dir", folder.string()};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, (folder / "stderr.txt").c_str(), O_WRONLY | O_CREAT,
                                   0644);
  pid_t game = -1;
  // glibc's posix_spawn returns once the child runs the new program (or failed to).
  if (posix_spawn(&game, program.c_str(), &files, nullptr, argv.data(), environ) != 0) game = -1;
  posix_spawn_file_actions_destroy(&files);
  return game;
}

struct TEnd {
  int Status = -1;  // -1: the game did not end within 20 s and was killed
  double CpuMicros = 0;
};

TEnd WaitForEnd(pid_t game) {
  const auto end = Clock::now() + std::chrono::seconds(20);
  TEnd ended;
  rusage usage{};
  int status = 0;
  while (::wait4(game, &status, WNOHANG, &usage) == 0) {
    if (Clock::now() > end) {
      ::kill(game, SIGKILL);
      ::waitpid(game, &status, 0);
      return ended;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ended.Status = status;
  ended.CpuMicros =
      (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  return ended;
}

struct TTally {
  int DefaultAction = 0;
  double DefaultActionMaxCpuMicros = 0;  // the most processor time a run so ended had had
  int ExitZero = 0;
  int Other = 0;
};

TTally SignalAtDelay(const std::string& program, const fs::path& gameFolder, int delayMs, int runs) {
  TTally tally;
  for (int run = 0; run < runs; ++run) {
    const TFreshFolder folder(gameFolder);
    const pid_t game = StartGame(program, folder.Path());
    if (game < 0) {
      ++tally.Other;
      continue;
    }
    if (delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    ::kill(game, SIGTERM);
    const TEnd ended = WaitForEnd(game);
    const int status = ended.Status;
    if (status != -1 && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) {
      ++tally.DefaultAction;
      tally.DefaultActionMaxCpuMicros = std::max(tally.DefaultActionMaxCpuMicros, ended.CpuMicros);
    } else if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
      ++tally.ExitZero;
    else {
      ++tally.Other;
      std::ifstream said(folder.Path() / "stderr.txt");
      std::fprintf(stderr, "run %d at %d ms: status %#x, the game said:\n", run, delayMs, status);
      std::cerr << said.rdbuf() << std::endl;
    }
  }
  return tally;
}

// Whether SIGTERM no longer takes the system's way in the process: it is held back or caught,
// from the process's status in /proc.
bool TermCovered(pid_t game) {
  std::ifstream status("/proc/" + std::to_string(game) + "/status");
  std::string line;
  unsigned long long covered = 0;
  while (std::getline(status, line))
    if (line.rfind("SigBlk:", 0) == 0 || line.rfind("SigCgt:", 0) == 0)
      covered |= std::strtoull(line.c_str() + 7, nullptr, 16);
  return (covered >> (SIGTERM - 1)) & 1;
}

// Microseconds from the start until SIGTERM is held back or caught (as seen by polling).
double MicrosecondsToHold(const std::string& program, const fs::path& gameFolder) {
  const TFreshFolder folder(gameFolder);
  const auto started = Clock::now();
  const pid_t game = StartGame(program, folder.Path());
  if (game < 0) return -1;
  // A short sleep between looks leaves the processor to the game on a busy machine.
  while (!TermCovered(game) && Clock::now() - started < std::chrono::seconds(5))
    std::this_thread::sleep_for(std::chrono::microseconds(20));
  const double micros = std::chrono::duration<double, std::micro>(Clock::now() - started).count();
  ::kill(game, SIGTERM);
  WaitForEnd(game);
  return micros;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM GAME_FOLDER [RUNS_PER_DELAY]\n", argv[0]);
    return 2;
  }
  const std::string program = argv[1];
  const fs::path gameFolder = fs::absolute(argv[2]);
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;

  std::vector<double> holds;
  for (int run = 0; run < runs; ++run) holds.push_back(MicrosecondsToHold(program, gameFolder));
  std::sort(holds.begin(), holds.end());
  std::printf("start to SIGTERM held or caught: median %.0f us, max %.0f us (%d runs)\n",
              holds[holds.size() / 2], holds.back(), runs);

  std::printf(
      "| delay | runs | default action (143) | its most processor time | exit 0 | other |\n"
      "|---|---|---|---|---|---|\n");
  for (int delayMs : {0, 1, 2, 5, 10, 20, 50, 100}) {
    const TTally tally = SignalAtDelay(program, gameFolder, delayMs, runs);
    std::printf("| %d ms | %d | %d | %.0f us | %d | %d |\n", delayMs, runs, tally.DefaultAction,
                tally.DefaultActionMaxCpuMicros, tally.ExitZero, tally.Other);
    std::fflush(stdout);
  }
  return 0;
}

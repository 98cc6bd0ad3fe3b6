#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Runs the game binary in a private copy of the game folder, so tests never touch the
// developer's own files and may run side by side.
class TGameRun {
 public:
  TGameRun();
  ~TGameRun();
  TGameRun(const TGameRun&) = delete;
  TGameRun& operator=(const TGameRun&) = delete;

  // Runs the game with these arguments (--data-dir is added) under the given command prefix
  // (for example "xvfb-run -a"); returns the exit code. The game finds no programs to open links
  // with and sends scores to a closed local port, so a test never reaches a browser or the net.
  int Run(const std::vector<std::string>& args, const std::string& prefix = "");
  // The same without waiting: the game runs in the background as the returned process (so a
  // test can send it signals) until Wait collects its exit code: -1 when a signal ended it, or
  // when it had not ended within the limit (it is then killed). The prefix is a command that
  // replaces itself with the rest ("nohup", "env DISPLAY=:5"). Without one the game is started
  // directly: Start returns once the process is the game's program (no shell or env before it),
  // so a test's signal meets nothing but the game.
  pid_t Start(const std::vector<std::string>& args, const std::string& prefix = "");
  int Wait(pid_t game, std::chrono::seconds limit = std::chrono::seconds(60));

  // How a game started by Start ended: its exit code (-1 when a signal ended it or it had not
  // ended within the limit), the signal that ended it (0 for none), and the processor time it had
  // had in all, its ending included.
  struct TEnd {
    int ExitCode = -1;
    int Signal = 0;
    std::chrono::microseconds ProcessorTime{0};
  };
  TEnd WaitForEnd(pid_t game, std::chrono::seconds limit = std::chrono::seconds(60));

  const std::filesystem::path& Folder() const { return Dir; }
  const std::string& Stderr() const { return ErrorText; }
  const std::string& Stdout() const { return OutputText; }

 private:
  std::vector<std::string> Environment() const;
  std::vector<std::string> Arguments(const std::vector<std::string>& args) const;
  std::string Command(const std::vector<std::string>& args, const std::string& prefix) const;
  pid_t Spawn(const std::vector<std::string>& args) const;
  void ReadOutput();

  std::filesystem::path Dir;
  std::string ErrorText;
  std::string OutputText;
};

std::string ShellQuote(const std::string& text);

#include "e2e/GameRun.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

namespace {

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TGameRun::TGameRun() {
  std::string pattern = (fs::temp_directory_path() / "morvel-e2e-XXXXXX").string();
  Dir = mkdtemp(pattern.data());
  fs::copy(MORVEL_GAME_DIR, Dir, fs::copy_options::recursive);
}

TGameRun::~TGameRun() {
  std::error_code ignored;
  fs::remove_all(Dir, ignored);
}

std::string TGameRun::Command(const std::vector<std::string>& args, const std::string& prefix) const {
  std::string command = prefix + " env " + ShellQuote("PATH=" + (Dir / "no-programs").string()) +
                        " MORVEL_SCORE_SERVER=127.0.0.1:9 " + ShellQuote(MORVEL_GAME_BINARY) +
                        " --data-dir " + ShellQuote(Dir.string());
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  return command + " >" + ShellQuote((Dir / "stdout.txt").string()) + " 2>" +
         ShellQuote((Dir / "stderr.txt").string());
}

void TGameRun::ReadOutput() {
  ErrorText = ReadText(Dir / "stderr.txt");
  OutputText = ReadText(Dir / "stdout.txt");
}

int TGameRun::Run(const std::vector<std::string>& args, const std::string& prefix) {
  int status = std::system(Command(args, prefix).c_str());
  ReadOutput();
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

pid_t TGameRun::Start(const std::vector<std::string>& args, const std::string& prefix) {
  // The shell, the prefix and env each replace themselves, so the process is the game's own.
  const std::string command = "exec " + Command(args, prefix);
  const pid_t game = ::fork();
  if (game == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return game;
}

int TGameRun::Wait(pid_t game, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  pid_t collected = 0;
  while ((collected = ::waitpid(game, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (collected == 0) {
    ::kill(game, SIGKILL);
    ::waitpid(game, &status, 0);
  }
  ReadOutput();
  return collected == game && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#include "e2e/GameRun.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

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

std::vector<std::string> TGameRun::Environment() const {
  return {"PATH=" + (Dir / "no-programs").string(), "MORVEL_SCORE_SERVER=127.0.0.1:9"};
}

std::vector<std::string> TGameRun::Arguments(const std::vector<std::string>& args) const {
  std::vector<std::string> all{MORVEL_GAME_BINARY, "--data-dir", Dir.string()};
  all.insert(all.end(), args.begin(), args.end());
  return all;
}

std::string TGameRun::Command(const std::vector<std::string>& args, const std::string& prefix) const {
  std::string command = prefix + " env";
  for (const std::string& variable : Environment()) command += " " + ShellQuote(variable);
  for (const std::string& arg : Arguments(args)) command += " " + ShellQuote(arg);
  return command + " >" + ShellQuote((Dir / "stdout.txt").string()) + " 2>" +
         ShellQuote((Dir / "stderr.txt").string());
}

pid_t TGameRun::Spawn(const std::vector<std::string>& args) const {
  std::vector<std::string> arguments = Arguments(args);
  std::vector<std::string> variables = Environment();
  for (char** variable = environ; *variable; ++variable) {
    const std::string_view text(*variable);
    if (!text.starts_with("PATH=") && !text.starts_with("MORVEL_SCORE_SERVER=")) variables.emplace_back(text);
  }
  std::vector<char*> argv, envp;
  for (std::string& arg : arguments) argv.push_back(arg.data());
  for (std::string& variable : variables) envp.push_back(variable.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, (Dir / "stdout.txt").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, (Dir / "stderr.txt").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t game = -1;
  if (posix_spawn(&game, argv[0], &files, nullptr, argv.data(), envp.data()) != 0) game = -1;
  posix_spawn_file_actions_destroy(&files);
  return game;
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
  if (prefix.empty()) return Spawn(args);
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
  return WaitForEnd(game, limit).ExitCode;
}

TGameRun::TEnd TGameRun::WaitForEnd(pid_t game, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  rusage usage{};
  pid_t collected = 0;
  while ((collected = ::wait4(game, &status, WNOHANG, &usage)) == 0 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (collected == 0) {
    ::kill(game, SIGKILL);
    ::waitpid(game, &status, 0);
  }
  ReadOutput();
  TEnd ended;
  if (collected != game) return ended;
  if (WIFEXITED(status)) ended.ExitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) ended.Signal = WTERMSIG(status);
  using std::chrono::microseconds, std::chrono::seconds;
  for (const timeval& time : {usage.ru_utime, usage.ru_stime})
    ended.ProcessorTime += seconds(time.tv_sec) + microseconds(time.tv_usec);
  return ended;
}

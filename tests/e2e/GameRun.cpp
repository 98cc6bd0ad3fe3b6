#include "e2e/GameRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

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

int TGameRun::Run(const std::vector<std::string>& args, const std::string& prefix) {
  const fs::path errors = Dir / "stderr.txt", output = Dir / "stdout.txt";
  std::string command =
      prefix + " env " + ShellQuote("PATH=" + (Dir / "no-programs").string()) + " MORVEL_SCORE_SERVER=127.0.0.1:9 " +
      ShellQuote(MORVEL_GAME_BINARY) + " --data-dir " + ShellQuote(Dir.string());
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " >" + ShellQuote(output.string()) + " 2>" + ShellQuote(errors.string());
  int status = std::system(command.c_str());
  ErrorText = ReadText(errors);
  OutputText = ReadText(output);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

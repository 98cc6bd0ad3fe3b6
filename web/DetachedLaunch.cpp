#include "web/DetachedLaunch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

std::string FindProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0 ? program : "";
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!folders.empty()) {
    const size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    const std::string candidate = std::string(folder) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

void LaunchDetached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return;
  const std::string program = FindProgram(arguments.front());
  if (program.empty()) return;
  // Everything the child needs is made before the fork: between fork and exec a process of many
  // threads may only make the simplest system calls.
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int lastDescriptor = int(std::min(sysconf(_SC_OPEN_MAX), 65536L)) - 1;
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    // The child starts the grandchild and ends at once; the grandchild, orphaned, belongs to init.
    if (fork() == 0) {
      setsid();  // out of the game's process group: closing the game's terminal leaves the browser be
      // The game's window, sound device and sockets are none of the browser's business.
      for (int descriptor = 3; descriptor <= lastDescriptor; ++descriptor) close(descriptor);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    _exit(0);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

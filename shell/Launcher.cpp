// The program the player starts as morvel-racing. The game proper loads a dozen libraries (SDL,
// the module player, fonts, curl and theirs) before any of its own code can run, which takes tens
// of milliseconds; Ctrl+C, kill or the end of the session in that time would end it the system's
// way. This program is linked statically and loads nothing: it holds the quit signals back within
// microseconds of its start and then becomes the game, which keeps them held until it takes them
// over (and then saves and ends as on any other signal). A signal ignored at the start (nohup)
// stays ignored: holding a signal back does not change what is done with it.
#include <errno.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/QuitSignals.h"

namespace {

// The game proper, from this program's folder: the build's game folder and an installed game's
// bin/ both have it there.
constexpr char kGameFromHere[] = "/../libexec/morvel-racing";

// The game proper's path, built from the path of this program; false when it cannot be.
bool GamePath(char (&path)[PATH_MAX]) {
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length < 0) return false;
  char* folderEnd = static_cast<char*>(memrchr(path, '/', size_t(length)));
  if (folderEnd == nullptr || size_t(folderEnd - path) + sizeof kGameFromHere > sizeof path) {
    errno = ENAMETOOLONG;
    return false;
  }
  std::memcpy(folderEnd, kGameFromHere, sizeof kGameFromHere);
  return true;
}

}  // namespace

int main(int, char** argv) {
  TQuitSignals::HoldUntilTakenOver();
  char game[PATH_MAX];
  if (!GamePath(game)) {
    std::fprintf(stderr, "morvel-racing: cannot find the program's own folder: %s\n", std::strerror(errno));
    return 1;
  }
  execv(game, argv);
  std::fprintf(stderr, "morvel-racing: cannot start the game %s: %s\n", game, std::strerror(errno));
  return 1;
}

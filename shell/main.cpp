#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/QuitSignals.h"
#include "shell/Application.h"
#include "shell/CommandLine.h"

namespace {

// The libraries' own start-up, before main, takes tens of milliseconds: a signal that comes
// meanwhile waits for main to take the signals over, and then saves and ends the game as any
// other does. Run from the program's pre-initialisation array, before any library's start-up.
// The program the player starts (Launcher.cpp) has held them back since before the libraries
// were loaded; this holds them for a game proper started directly, once they are.
void HoldQuitSignalsAtStart(int, char**, char**) {
  TQuitSignals::HoldUntilTakenOver();
}

[[gnu::section(".preinit_array"), gnu::used]] void (*const kHoldQuitSignals)(int, char**,
                                                                             char**) = HoldQuitSignalsAtStart;

}  // namespace

int main(int argc, char** argv) {
  // First of all, and before SDL starts, so that it leaves these signals to the game.
  const TQuitSignals signals;
  // Large blocks (pictures, textures) go back to the system as soon as they are freed; without
  // this the allocator raises its threshold after the first such free and keeps them.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  TCommandLine options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), options, error)) {
    std::fprintf(stderr, "morvel-racing: %s\n\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (options.Help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("morvel-racing %s\n", MORVEL_VERSION);
    return 0;
  }
  return RunGame(options, signals);
}

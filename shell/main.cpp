#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/Application.h"
#include "shell/CommandLine.h"

int main(int argc, char** argv) {
  // Large blocks (pictures, textures) go back to the system as soon as they are freed; without
  // this the allocator raises its threshold after the first such free and keeps them.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  TCommandLine options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
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
  return RunGame(options);
}

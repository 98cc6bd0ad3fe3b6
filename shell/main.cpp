#include <cstdio>
#include <string>
#include <vector>

#include "shell/Application.h"
#include "shell/CommandLine.h"

int main(int argc, char** argv) {
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

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

void PrintUsage(std::FILE* out) {
  std::fputs("Usage: morvel-tool COMMAND [ARGUMENTS]\n\nCommands:\n", out);
  for (const TToolCommandInfo& command : ToolCommands())
    std::fprintf(out, "  %s %s\n", command.Name, command.Usage);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  for (const TToolCommandInfo& command : ToolCommands())
    if (command.Name == std::string(argv[1]))
      return command.Run(std::vector<std::string>(argv + 2, argv + argc));
  std::fprintf(stderr, "morvel-tool: unknown command '%s'\n\n", argv[1]);
  PrintUsage(stderr);
  return 2;
}

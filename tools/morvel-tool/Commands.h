#pragma once

#include <string>
#include <vector>

// One command of morvel-tool: its arguments after the command name; returns the exit code.
using TToolCommand = int (*)(const std::vector<std::string>& args);

struct TToolCommandInfo {
  const char* Name;
  const char* Usage;  // arguments and a one-line description
  TToolCommand Run;
};

// Every command, in the order --help lists them.
const std::vector<TToolCommandInfo>& ToolCommands();

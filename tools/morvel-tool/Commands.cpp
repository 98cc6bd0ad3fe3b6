#include "Commands.h"

#include "Encode.h"

// Each command lives in a file of its own; add its line here.
const std::vector<TToolCommandInfo>& ToolCommands() {
  static const std::vector<TToolCommandInfo> commands{
      {"encode", "TEXT    the text in the game's encoding", RunEncode},
      {"decode", "CODE    the bytes a code stands for, as they are", RunDecode},
  };
  return commands;
}

#include "Commands.h"

#include "Encode.h"
#include "OilCommands.h"

// Each command lives in a file of its own; add its line here.
const std::vector<TToolCommandInfo>& ToolCommands() {
  static const std::vector<TToolCommandInfo> commands{
      {"encode", "TEXT    the text in the game's encoding", RunEncode},
      {"decode", "CODE    the bytes a code stands for, as they are", RunDecode},
      {"oil-build", "MANIFEST OUT.oil    writes an image package (oil-build --help: the manifest)",
       RunOilBuild},
      {"oil-list", "PKG    name, tile size, picture size, patterns and transparency of every picture",
       RunOilList},
      {"oil-extract", "PKG NAME OUT.png    a picture as its texture gets it, colour key applied",
       RunOilExtract},
  };
  return commands;
}

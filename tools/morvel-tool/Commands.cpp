#include "Commands.h"

#include "Encode.h"
#include "OilCommands.h"
#include "PrdInfo.h"
#include "XmRender.h"

// Each command lives in a file of its own; add its line here.
const std::vector<TToolCommandInfo>& ToolCommands() {
  static const std::vector<TToolCommandInfo> commands{
      {"encode", "TEXT    the text in the game's encoding", RunEncode},
      {"decode", "CODE    the bytes a code stands for, as they are", RunDecode},
      {"xm-render", "IN.xm OUT.raw SECONDS    the module as the game streams it: 22050 Hz 16-bit stereo",
       RunXmRender},
      {"oil-build", "MANIFEST OUT.oil    writes an image package (oil-build --help: the manifest)",
       RunOilBuild},
      {"oil-list", "PKG    name, tile size, picture size, patterns and transparency of every picture",
       RunOilList},
      {"oil-extract", "PKG NAME OUT.png    a picture as its texture gets it, colour key applied",
       RunOilExtract},
      {"prd-info",
       "FILE    records per kind, way points, key way points, check lines, start slots, track length",
       RunPrdInfo},
  };
  return commands;
}

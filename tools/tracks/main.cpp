// morvel-tracks: writes the demonstration loop and the catalogue's track files into a folder.
#include <cstdio>
#include <exception>
#include <string>

#include "race/TrackFile.h"
#include "tools/tracks/DemoTrack.h"
#include "tools/tracks/TrackLayouts.h"

namespace {

// "Data\data4.prd" in the folder given: the file's own name after the game's separator.
std::string OutputPath(const std::string& folder, const std::string& gameName) {
  return folder + "/" + gameName.substr(gameName.rfind('\\') + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvel-tracks <data folder>\n");
    return 2;
  }
  try {
    std::string error = WriteTrackFile(OutputPath(argv[1], "Data\\data1.prd"), BuildDemoTrack());
    for (const TTrackLayout& layout : TrackLayouts())
      if (error.empty()) error = WriteTrackFile(OutputPath(argv[1], layout.FileName), BuildTrack(layout));
    if (!error.empty()) {
      std::fprintf(stderr, "morvel-tracks: %s\n", error.c_str());
      return 1;
    }
  } catch (const std::exception& fault) {
    std::fprintf(stderr, "morvel-tracks: %s\n", fault.what());
    return 1;
  }
  return 0;
}

#include "shell/GameFolder.h"

#include <gtest/gtest.h>

#include "state/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Folders (with "Data" where a game's files are) laid out under a private root, the program's
// folder among them, and the folder the game must read from.
struct TLayoutCase {
  const char* Name;
  std::vector<const char*> DataFolders;
  const char* ProgramFolder;
  const char* Expected;
};

// The game proper runs from libexec/: the build's beside its game folder, an installed game's
// beside share/.
TEST(FindGameFolder, PrefersTheBuildsGameFolderThenTheInstalledSharedFolder) {
  const TLayoutCase cases[] = {
      {"as built", {"build/game"}, "build/libexec", "build/game"},
      {"installed", {"usr/share/morvel-racing"}, "usr/libexec", "usr/share/morvel-racing"},
      {"built beside an install", {"usr/game", "usr/share/morvel-racing"}, "usr/libexec", "usr/game"},
      {"nothing anywhere", {}, "usr/libexec", "usr/libexec"},
  };
  for (const TLayoutCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTempFolder root;
    fs::create_directories(root / c.ProgramFolder);
    for (const char* folder : c.DataFolders) fs::create_directories(root / folder / "Data");
    EXPECT_EQ(FindGameFolder(root / c.ProgramFolder), root / c.Expected);
  }
}

}  // namespace

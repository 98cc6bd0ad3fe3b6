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

TEST(FindGameFolder, PrefersTheProgramsFolderThenTheInstalledSharedFolder) {
  const TLayoutCase cases[] = {
      {"as built", {"build/game"}, "build/game", "build/game"},
      {"installed in bin", {"usr/share/morvel-racing"}, "usr/bin", "usr/share/morvel-racing"},
      {"installed in games", {"usr/share/morvel-racing"}, "usr/games", "usr/share/morvel-racing"},
      {"built beside an install", {"usr/bin", "usr/share/morvel-racing"}, "usr/bin", "usr/bin"},
      {"nothing anywhere", {}, "usr/bin", "usr/bin"},
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

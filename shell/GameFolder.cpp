#include "shell/GameFolder.h"

namespace fs = std::filesystem;

namespace {

bool HoldsGameData(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "Data", error);
}

}  // namespace

fs::path FindGameFolder(const fs::path& programFolder) {
  for (const fs::path& candidate :
       {programFolder / ".." / "game", programFolder / ".." / "share" / "morvel-racing"}) {
    const fs::path folder = candidate.lexically_normal();
    if (HoldsGameData(folder)) return folder;
  }
  return programFolder;
}

#include "shell/GameFolder.h"

namespace fs = std::filesystem;

namespace {

bool HoldsGameData(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "Data", error);
}

}  // namespace

fs::path FindGameFolder(const fs::path& programFolder) {
  if (HoldsGameData(programFolder)) return programFolder;
  const fs::path installed = (programFolder / ".." / "share" / "morvel-racing").lexically_normal();
  return HoldsGameData(installed) ? installed : programFolder;
}

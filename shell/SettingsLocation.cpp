#include "shell/SettingsLocation.h"

#include <unistd.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// An environment folder counts only when it is set and absolute, as the desktop's rules say.
std::optional<fs::path> AbsoluteFolder(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || value[0] != '/') return std::nullopt;
  return fs::path(value);
}

}  // namespace

std::optional<fs::path> PlayerDataFolder() {
  if (std::optional<fs::path> data = AbsoluteFolder("XDG_DATA_HOME")) return *data / "morvel-racing";
  if (std::optional<fs::path> home = AbsoluteFolder("HOME"))
    return *home / ".local" / "share" / "morvel-racing";
  return std::nullopt;
}

TSettingsPaths ChooseSettingsPaths(const fs::path& gameFolder, bool gameFolderWritable,
                                   const std::optional<fs::path>& playerFolder, std::string_view fileName) {
  const fs::path besideGame = gameFolder / fileName;
  if (gameFolderWritable || !playerFolder) return {besideGame, besideGame};
  const fs::path own = *playerFolder / fileName;
  std::error_code error;
  const bool ownExists = fs::exists(own, error);
  return {ownExists || !fs::exists(besideGame, error) ? own : besideGame, own};
}

TSettingsPaths SettingsPaths(std::string_view fileName) {
  const bool writable = ::access(".", W_OK) == 0;
  return ChooseSettingsPaths(fs::path(), writable, PlayerDataFolder(), fileName);
}

#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Where one of the two files that keep the game between runs is read from and written to.
struct TSettingsPaths {
  std::filesystem::path Read;
  std::filesystem::path Write;
};

// The player's own folder for the game's files: $XDG_DATA_HOME/morvel-racing, by default
// ~/.local/share/morvel-racing; none when neither names an absolute folder.
std::optional<std::filesystem::path> PlayerDataFolder();

// A game whose folder can be written (the game as built) keeps its files there. An installed
// game, whose folder is read-only, writes them to the player's folder, and until it has saved
// one there it reads the file beside the program, so settings carried over are not lost.
TSettingsPaths ChooseSettingsPaths(const std::filesystem::path& gameFolder, bool gameFolderWritable,
                                   const std::optional<std::filesystem::path>& playerFolder,
                                   std::string_view fileName);

// The same for this process: the game folder is the working directory.
TSettingsPaths SettingsPaths(std::string_view fileName);

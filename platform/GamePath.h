#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// The game names its files as on Windows ("Data\data4.prd"); on this system "\" is "/". Every
// file name the game itself writes goes through here before it reaches the file system.
inline std::string NativePath(std::string_view gamePath) {
  std::string path(gamePath);
  std::ranges::replace(path, '\\', '/');
  return path;
}

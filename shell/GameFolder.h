#pragma once

#include <filesystem>

// The folder the game reads its pictures, tracks and sounds from, found from the game proper's
// own folder (libexec/, which the program the player starts sits beside): the build's game folder
// ../game, else an installed game's shared folder ../share/morvel-racing, whichever holds "Data".
// When neither does the program's folder is kept, and the game reports its missing files.
std::filesystem::path FindGameFolder(const std::filesystem::path& programFolder);

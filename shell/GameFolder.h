#pragma once

#include <filesystem>

// The folder the game reads its pictures, tracks and sounds from, found from the program's own
// folder: that folder itself when it holds "Data" (the game as built), else the shared folder of
// an installed game, ../share/morvel-racing beside the program's bin/ (or games/) folder. When
// neither holds "Data" the program's folder is kept, and the game reports its missing files.
std::filesystem::path FindGameFolder(const std::filesystem::path& programFolder);

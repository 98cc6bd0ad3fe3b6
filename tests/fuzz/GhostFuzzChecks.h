#pragma once

#include <string>
#include <string_view>
#include <vector>

// The readers of the ghost files and of "Options.ini" under arbitrary bytes: a ghost file is
// either refused with a reason or read into a lap that is written back byte for byte; the
// options read survive being written and read again unchanged. A broken rule aborts.
void CheckGhostFile(std::string_view bytes);
void CheckOptionsFile(std::string_view bytes);

// Files that reach every part of each reader.
std::vector<std::string> GhostSeeds();
std::vector<std::string> OptionsSeeds();

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The readers of "Config.cfg" and "Configdat.cfg" under arbitrary bytes: whatever they read
// must stay in range and survive being saved and read again unchanged. A broken rule aborts.
void CheckSettingsFile(std::string_view bytes);
void CheckProgressFile(std::string_view bytes);

// Files that reach every line of each reader.
std::vector<std::string> SettingsSeeds();
std::vector<std::string> ProgressSeeds();

#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "assets/OilWriter.h"

// The text a package is built from: one picture per line (see kOilManifestHelp).
extern const char* const kOilManifestHelp;

// Reads a manifest; picture files are taken relative to baseFolder and checked to decode.
// False with "line N: reason" when a line cannot be used.
bool ReadOilManifest(std::istream& in, const std::filesystem::path& baseFolder,
                     std::vector<TOilEntry>& entries, std::string& error);
